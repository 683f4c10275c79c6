#include "editor/editor_string_list.h"

#include <algorithm>

void TEditorStringList::AddRow(std::string S, TEditorRowAttribute Attribute) {
    int Index = Count();
    InsertItems(Index, 1);
    SetString(Item(Index), std::move(S));
    Item(Index).Data = static_cast<std::uint16_t>(Attribute);
    Changed();
}

void TEditorStringList::ItemsMoved(int Index, int Inserted, int Erased) {
    if (Index < 0) {
        // Cleared, or records exchanged with another list: nothing is known.
        FUncomputedFrom = 0;
        for (int R = Count() - 1; R >= 0; --R)
            if (GetRowState(R) != RowStateNotComputed) {
                FUncomputedFrom = R + 1;
                break;
            }
        return;
    }
    if (Index < FUncomputedFrom) {
        // New rows before the mark may be given states by the caller: they stay below it.
        FUncomputedFrom += Inserted;
        if (Erased > 0)
            FUncomputedFrom = Index + Erased <= FUncomputedFrom ? FUncomputedFrom - Erased : Index;
    }
    if (FUncomputedFrom > Count()) FUncomputedFrom = Count();
}
