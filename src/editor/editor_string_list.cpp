#include "editor/editor_string_list.h"

void TEditorStringList::AddRow(std::string S, TEditorRowAttribute Attribute) {
    int Index = Count();
    InsertItems(Index, 1);
    Item(Index).S = std::move(S);
    Item(Index).Data = Attribute;
    Changed();
}
