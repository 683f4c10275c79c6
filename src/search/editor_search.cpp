#include "search/editor_search.h"

#include "editor/editor.h"
#include "editor/editor_strings.h"

void ScrollFoundRow(TEditor& Editor) {
    const int V = Editor.VisibleRows();
    const int R = Editor.Row() - Editor.TopRow();
    if (R > (4 * V) / 5 || R < V / 5) Editor.SetTopRow(Editor.Row() - V / 3);
}

bool TEditorTextSearch::FindNext(const std::string& Pattern, TSearchOptions Options) {
    TSearchSelection Selection{FEditor.SelStart(), FEditor.SelLength()};
    const std::string Text = FEditor.Lines().Text();
    if (!FindInText(Text, Selection, Pattern, Options)) return false;
    FEditor.SetSelStart(Selection.SelStart);
    FEditor.SetSelLength(Selection.SelLength);
    ScrollFoundRow(FEditor);
    return true;
}

void TEditorTextSearch::ReplaceMatch(const std::string& Text, bool Down) {
    if (Text.empty())
        FEditor.DeleteSelection();
    else
        FEditor.SetSelText(Text);
    if (!Down) FEditor.SetSelStart(FEditor.SelStart() - static_cast<int>(Text.size()));
}
