// TEditor: pointer positions, selection by mouse, row selection in the left margin and
// the start and end of a drag of the selection.
#include "editor/editor.h"

#include <algorithm>
#include <cstdlib>

// Division truncates toward zero, so points a little left of or above the text area
// still map to column or row 0.
void TEditor::PixelToRowCol(int X, int Y, bool Nearest, int& Row, int& Col) const {
    int CW = std::max(1, FCharWidth);
    Col = (Nearest ? (X + CW / 2 - 1 - FMargin.Left()) : (X - FMargin.Left())) / CW + FTopCol;
    Row = (Y - FMargin.Top()) / FRowHeight + FTopRow;
}

bool TEditor::PosToRowCol(int X, int Y, int& Row, int& ByteIndex) {
    ByteIndex = 0;
    Row = 0;
    if (RowCount() == 0 || FCharWidth == 0 || X < FMargin.Left() || Y < FMargin.Top()) return false;
    int C;
    PixelToRowCol(X, Y, true, Row, C);
    if (Row < 0 || Row > RowCount()) return false;
    const std::string& M = RowMap(Row);
    if (C < 0 || C >= static_cast<int>(M.size())) return false;
    if (M[static_cast<std::size_t>(C)] == '5') --C;
    int Len = static_cast<int>(RowString(Row).size());
    ByteIndex = std::min(Len, ByteIndexOfCol(Row, C));
    return true;
}

void TEditor::NonClientMouseDown() {
    if (HostReady() && !FHost->Focused()) FHost->SetFocus();
}

bool TEditor::InClientArea(int X, int Y) const {
    int Right = FWidth, Bottom = FHeight;
    if (FHost && (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth))
        Right -= FHost->VScrollBarWidth();
    if (FHost && (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth))
        Bottom -= FHost->HScrollBarHeight();
    return X >= 0 && Y >= 0 && X < Right && Y < Bottom;
}

void TEditor::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FDragging || FRowSelecting) return;
    NonClientMouseDown();
    if (Button != TMouseButton::mbLeft) return;
    FLeftDown = true;
    FMouseCancelled = false;
    if (HostReady()) FHost->SetMouseCapture(true);
    const bool WithShift = Has(Shift, TShiftState::ssShift);
    const bool WithAlt = Has(Shift, TShiftState::ssAlt);
    int BR, BC, CR, CC;
    PixelToRowCol(X, Y, true, BR, BC);
    PixelToRowCol(X, Y, false, CR, CC);

    if (!FBoxLocked) {
        bool Old = FBoxMode, New;
        if (Selected() && WithShift && FBoxMode)
            New = true;
        else if (WithAlt && !WithShift)
            New = true;
        else if (Selected() || !WithShift)
            New = false;
        else
            New = WithAlt;
        SetBoxMode(New);
        if (FBoxMode != Old) StartSelection();
    }

    if (WithShift) {
        if (!Selected()) StartSelection();
        SetRowCol(BR, BC);
        ExtendSelection();
        return;
    }
    FDownX = X;
    FDownY = Y;
    if (CanSelDrag() && X >= FMargin.Left() && IsInSelection(CR, CC)) {
        SetRowCol(CR, CC);
        if (FCaret.SelDragMode() == TDragMode::dmAutomatic) BeginSelDrag();
        return;
    }
    if (X < FMargin.Left() && FCaret.RowSelect()) {
        SelectRow(BR);
        return;
    }
    CaretHide();
    SetRowCol(BR, BC);
    StartSelection();
    CaretShow();
}

void TEditor::MouseMove(TShiftState Shift, int X, int Y) {
    if (FDragging) {
        int CR, CC;
        PixelToRowCol(X, Y, false, CR, CC);
        SetRowCol(CR, CC);
        UpdateDragCursor(X, Y);
        return;
    }
    if (!FLeftDown) {
        if (HostReady() && X < FMargin.Left()) {
            FHost->SetControlCursor(FCaret.Cursors().LeftMarginCursor());
            return;
        }
        int CR, CC;
        PixelToRowCol(X, Y, false, CR, CC);
        if (HostReady() && CanSelDrag() && IsInSelection(CR, CC)) {
            FHost->SetControlCursor(FCaret.Cursors().InSelCursor());
            return;
        }
        if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
        return;
    }
    if (FMouseCancelled) return;
    int BR, BC;
    PixelToRowCol(X, Y, true, BR, BC);
    if (FRowSelecting) {
        ExtendRowSelection(BR);
        return;
    }
    SetRowCol(BR, BC);
    if (Selected()) {
        UpdateSelection();
    } else if (FSelectionState == TEditorSelectionState::sstAnchored) {
        int Threshold = FCharWidth / 2;
        if (std::abs(X - FDownX) >= Threshold || std::abs(Y - FDownY) >= Threshold)
            ExtendSelection();
    }
}

void TEditor::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != TMouseButton::mbLeft) return;
    if (FDragging) {
        bool Outside = !InClientArea(X, Y);
        EndDrag();
        // The caret has followed the pointer: it marks the drop point.
        if (Outside || IsInSelection(FRow, FCol))
            CleanSelection();
        else if (Has(Shift, TShiftState::ssCtrl))
            CopySelectionTo(FRow, FCol);
        else
            MoveSelection(FRow, FCol);
    } else if (HostReady()) {
        FHost->SetMouseCapture(false);
    }
    FLeftDown = false;
    FRowSelecting = false;
    FMouseCancelled = false;
}

void TEditor::DblClick() {
    if (OnDblClick) OnDblClick(this);
}
