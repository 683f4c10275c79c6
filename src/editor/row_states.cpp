// Row states of the row list.  The colouring parser computes them; until it does, every
// row keeps the state "not computed" (-2), which is always a valid state: the painter
// completes states lazily before it draws a row.
#include "editor/row_list.h"

void TEditorScreenStrings::RecomputeRowStates() {
    int N = Count();
    for (int R = 0; R < N; ++R)
        if (GetRowState(R) != RowStateNotComputed)
            SetRowState(R, RowStateNotComputed);
}

void TEditorScreenStrings::UpdateRowStates(int FromRow, bool Invalidate) {
    (void)Invalidate;
    // Rows made by cutting already carry -2; nothing below FromRow changes.
    (void)FromRow;
}
