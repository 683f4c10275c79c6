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
    bool FindNext(const std::string& Pattern, TSearchOptions Options);
    // Replaces the selection by Text; going up the caret then stands before Text.
    void ReplaceMatch(const std::string& Text, bool Down);

    // A run of searches and replacements with no other change of the text in between
    // (the replace command's loop).
    class TRun {
    public:
        explicit TRun(TEditorTextSearch& Search) : FSearch(Search) {}
        TRun(const TRun&) = delete;
        TRun& operator=(const TRun&) = delete;

    private:
        TEditorTextSearch& FSearch;
    };

private:
    TEditor& FEditor;
};
