#pragma once
// The search engine over the editor's text: the text is the editor's rows joined by
// CR LF, a match becomes the editor's selection, a replacement goes through the
// editor's selected text (one undo step each).
#include "editor/search_engine.h"

#include <string>

class TEditor;

// The find-next scroll rule: with V visible rows and the caret r rows below the top row,
// when r > 4V/5 or r < V/5 the top row becomes the caret row - V/3.
void ScrollFoundRow(TEditor& Editor);

class TEditorTextSearch {
public:
    explicit TEditorTextSearch(TEditor& Editor) : FEditor(Editor) {}

    // Searches from the editor's selection; a match is selected (the caret after it) and
    // scrolled into place.  False when nothing is found, the selection unchanged.
    //
    // The result is that of the search engine over the whole text (the rows joined by
    // CR LF) from the selection's flat offsets, but the rows are read from the
    // selection on, in windows that grow as the search goes, so that a search costs
    // what it scans and not the size of the text.
    bool FindNext(const std::string& Pattern, TSearchOptions Options);
    // Replaces the selection by Text; going up the caret then stands before Text.
    void ReplaceMatch(const std::string& Text, bool Down);

    // A run of searches and replacements with no other change of the text in between
    // (the replace command's loop): the rows before a search window that were found
    // free of zero bytes are not read again.
    class TRun {
    public:
        explicit TRun(TEditorTextSearch& Search) : FSearch(Search) { ++FSearch.FRunDepth; }
        ~TRun() { --FSearch.FRunDepth; }
        TRun(const TRun&) = delete;
        TRun& operator=(const TRun&) = delete;

    private:
        TEditorTextSearch& FSearch;
    };

private:
    // The engine over a copy of the whole text: for texts that hold a zero byte, where
    // the text the engine sees ends.
    bool FindNextInWholeText(const std::string& Pattern, TSearchOptions Options);
    // Selects the match Found at Offset counted from BaseRow's start. False, with the
    // selection put back as it was, when the caret cannot reach it (past the columns an
    // unwrapped row can scroll to).
    bool SelectMatch(int BaseRow, int Offset, const std::string& Found);
    // True when rows 0 ... Row - 1 hold no zero byte.
    bool ZeroFreeBefore(int Row);

    TEditor& FEditor;
    int FRunDepth = 0;
    // Rows known to hold no zero byte, from the first; kept only within a run.
    int FZeroFreeRows = 0;
};
