// TEditor: the selection.  An anchor is set first (StartSelection); the first extension
// makes it a selection whose text range (rows and bytes, the end byte inclusive) and
// display block (rows and columns) follow the caret.  A box selection is the rectangle
// of columns between the anchor and the caret.
#include "editor/editor.h"

#include "editor/parser.h"

#include <algorithm>

// Anchoring and extending ----------------------------------------------------------------

void TEditor::StartSelection() {
    CleanSelection();
    if (RowCount() == 0) return;
    FSelectionState = TEditorSelectionState::sstAnchored;
    FAnchorRow = FRow;
    int Len = static_cast<int>(RowString(FRow).size());
    FAnchorByte = std::min(ByteIndexOfCol(FRow, FCol), Len);
    FAnchorCol = FBoxMode ? FCol : std::min(FCol, RowWidth(FRow));
    FSelStartRow = FSelEndRow = FRow;
    FSelStartByte = FAnchorByte;
    FSelEndByte = FAnchorByte - 1;
    FBlockTopRow = FBlockBottomRow = FRow;
    FBlockLeftCol = FBlockRightCol = FAnchorCol;
    FPrevBlock = TBlock{FBlockTopRow, FBlockBottomRow, FBlockLeftCol, FBlockRightCol};
}

void TEditor::ExtendSelection() {
    if (FSelectionState == TEditorSelectionState::sstAnchored) {
        UnderlineSuspend();
        FSelectionState = TEditorSelectionState::sstSelected;
        UpdateSelection();
    } else if (FSelectionState == TEditorSelectionState::sstSelected) {
        UpdateSelection();
    }
}

void TEditor::UpdateSelection() {
    if (FSelectionState != TEditorSelectionState::sstSelected) return;
    int Len = static_cast<int>(RowString(FRow).size());
    int B = std::min(ByteIndexOfCol(FRow, FCol), Len);
    FSelStartRow = std::min(FAnchorRow, FRow);
    FSelEndRow = std::max(FAnchorRow, FRow);
    bool AnchorFirst = FAnchorRow != FRow ? FAnchorRow < FRow : B > FAnchorByte;
    if (AnchorFirst) {
        FSelStartByte = FAnchorByte;
        FSelEndByte = B - 1;
    } else {
        FSelStartByte = B;
        FSelEndByte = FAnchorByte - 1;
    }
    FBlockTopRow = FSelStartRow;
    FBlockBottomRow = FSelEndRow;
    if (FBoxMode) {
        FBlockLeftCol = std::min(FAnchorCol, FCol);
        FBlockRightCol = std::max(FAnchorCol, FCol);
    } else if (FAnchorRow == FRow) {
        int W = RowWidth(FRow);
        FBlockLeftCol = std::min(std::min(FAnchorCol, FCol), W);
        FBlockRightCol = std::min(std::max(FAnchorCol, FCol), W);
    } else {
        int CaretW = RowWidth(FRow);
        int AnchorW = RowWidth(FAnchorRow);
        if (FAnchorRow > FRow) {
            FBlockLeftCol = std::min(FCol, CaretW);
            FBlockRightCol = std::min(FAnchorCol, AnchorW);
        } else {
            FBlockLeftCol = std::min(FAnchorCol, AnchorW);
            FBlockRightCol = std::min(FCol, CaretW);
        }
    }
    TBlock New{FBlockTopRow, FBlockBottomRow, FBlockLeftCol, FBlockRightCol};
    InvalidateBlockChange(FPrevBlock, New);
    FPrevBlock = New;
    SelectionChange(true);
}

// Only the rows whose selected part changed are painted again: for a box, the rows of
// both rectangles when the columns moved, else the rows that entered or left; for a
// stream, the rows between the old and new ends.
void TEditor::InvalidateBlockChange(const TBlock& Old, const TBlock& New) {
    if (!HostReady()) return;
    if (FBoxMode && (Old.Left != New.Left || Old.Right != New.Right)) {
        InvalidateRows(std::min(Old.Top, New.Top), std::max(Old.Bottom, New.Bottom));
        return;
    }
    if (Old.Top != New.Top || (!FBoxMode && Old.Left != New.Left)) InvalidateRows(Old.Top, New.Top);
    if (Old.Bottom != New.Bottom || (!FBoxMode && Old.Right != New.Right))
        InvalidateRows(Old.Bottom, New.Bottom);
}

void TEditor::SelectionChange(bool IsSelected) {
    if (OnSelectionChange) OnSelectionChange(this, IsSelected);
}

void TEditor::SelectionModeChange() {
    if (OnSelectionModeChange) OnSelectionModeChange(this);
}

// Clearing ---------------------------------------------------------------------------------

void TEditor::CleanSelection() {
    if (Selected()) CleanSelectionInternal();
}

// The selection state is dropped whether or not a window exists; only the repainting
// needs one.
void TEditor::CleanSelectionInternal() {
    FBoxLocked = false;
    SetBoxMode(FHost && FHost->AltDown());
    if (FSelectionState != TEditorSelectionState::sstSelected) return;
    FSelectionState = TEditorSelectionState::sstNone;
    if (HostReady() && (FBlockTopRow != FBlockBottomRow || FBlockLeftCol != FBlockRightCol)) {
        InvalidateRows(std::max(FBlockTopRow - 1, FTopRow),
                       std::min(FBlockBottomRow, FTopRow + FVisibleRows));
    }
    UnderlineResume();
    FRememberedValid = false;
    SelectionChange(false);
}

void TEditor::SetBoxMode(bool Value) {
    if (Value == FBoxMode || FDragging) return;
    FBoxMode = Value;
    SelectionModeChange();
}

void TEditor::ToggleBoxMode() {
    if (Selected()) return;
    if (!FBoxMode) {
        SetBoxMode(true);
        FBoxLocked = FBoxMode;
    } else {
        SetBoxMode(false);
        FBoxLocked = false;
    }
}

// Box slices ---------------------------------------------------------------------------------

// The left edge on the second column of a double-byte character starts after it, inside
// a tab's fill after the tab; the right edge takes in a character or tab it cuts.
int TEditor::LeftEdgeByte(const std::string& Map, int Col, int Length) {
    const int W = static_cast<int>(Map.size());
    int C = std::max(0, Col);
    if (C < W && Map[static_cast<std::size_t>(C)] == '5') ++C;
    while (C < W && Map[static_cast<std::size_t>(C)] == '3')
        ++C;
    if (C >= W) return Length;
    return C - static_cast<int>(std::count(Map.begin(), Map.begin() + C + 1, '3'));
}

void TEditor::BoxSlice(int Row, int& First, int& End) {
    const std::string& M = RowMap(Row);
    const int W = static_cast<int>(M.size());
    const int Len = static_cast<int>(RowString(Row).size());
    const int Last = FBlockRightCol - 1;
    First = LeftEdgeByte(M, FBlockLeftCol, Len);
    if (Last < FBlockLeftCol || First >= Len) {
        End = First;
        return;
    }
    if (Last >= W) {
        End = Len;
        return;
    }
    End = ByteIndexOfCol(Row, Last) + (M[static_cast<std::size_t>(Last)] == '4' ? 2 : 1);
    End = std::max(First, std::min(End, Len));
}

bool TEditor::IsInSelection(int Row, int Col) {
    if (!Selected() || Row < FBlockTopRow || Row > FBlockBottomRow) return false;
    if (FBoxMode) {
        int First, End;
        BoxSlice(Row, First, End);
        if (End <= First) return false;
        return Col >= ColOfByte(Row, First) && Col < ColOfByte(Row, End);
    }
    if (Row == FBlockTopRow && Col < FBlockLeftCol) return false;
    if (Row == FBlockBottomRow && Col >= FBlockRightCol) return false;
    return true;
}

// Offsets and text ---------------------------------------------------------------------------

void TEditor::SelStartRowByte(int& Row, int& Byte) {
    if (Selected()) {
        Row = FSelStartRow;
        Byte = FSelStartByte;
    } else {
        Row = FRow;
        Byte = std::min(ByteIndexOfCol(FRow, FCol), static_cast<int>(RowString(FRow).size()));
    }
}

int TEditor::SelStart() {
    if (RowCount() == 0) return 0;
    int R, B;
    SelStartRowByte(R, B);
    long long Offset = B;
    int N = std::min(R, RowCount());
    for (int I = 0; I < N; ++I)
        Offset += static_cast<long long>(FList->Get(I).size()) +
                  (FList->GetRowAttribute(I) == TEditorRowAttribute::raCrlf ? 2 : 0);
    return static_cast<int>(Offset);
}

int TEditor::SelLength() {
    if (!Selected()) return 0;
    if (FSelStartRow == FSelEndRow) return std::max(0, FSelEndByte - FSelStartByte + 1);
    auto Break = [this](int R) { return RowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0; };
    long long Length = 0;
    if (FBoxMode) {
        for (int R = FBlockTopRow; R <= FBlockBottomRow; ++R) {
            int First, End;
            BoxSlice(R, First, End);
            Length += End - First + 2;
        }
        return static_cast<int>(Length);
    }
    Length +=
        static_cast<int>(RowString(FSelStartRow).size()) - FSelStartByte + Break(FSelStartRow);
    for (int R = FSelStartRow + 1; R < FSelEndRow; ++R)
        Length += static_cast<int>(RowString(R).size()) + Break(R);
    Length += std::min(FSelEndByte + 1, static_cast<int>(RowString(FSelEndRow).size()));
    return static_cast<int>(Length);
}

std::string TEditor::SelText() {
    std::string Text;
    if (!Selected()) return Text;
    auto Bytes = [this](int R, int From, int To) {
        const std::string& S = RowString(R);
        From = std::max(0, std::min(From, static_cast<int>(S.size())));
        To = std::max(From, std::min(To, static_cast<int>(S.size())));
        return S.substr(static_cast<std::size_t>(From), static_cast<std::size_t>(To - From));
    };
    if (FSelStartRow == FSelEndRow) return Bytes(FSelStartRow, FSelStartByte, FSelEndByte + 1);
    if (FBoxMode) {
        for (int R = FBlockTopRow; R <= FBlockBottomRow; ++R) {
            int First, End;
            BoxSlice(R, First, End);
            Text += Bytes(R, First, End);
            Text += "\r\n";
        }
        return Text;
    }
    Text = Bytes(FSelStartRow, FSelStartByte, static_cast<int>(RowString(FSelStartRow).size()));
    FList->AppendLineBreak(FSelStartRow, Text);
    for (int R = FSelStartRow + 1; R < FSelEndRow; ++R) {
        Text += RowString(R);
        FList->AppendLineBreak(R, Text);
    }
    Text += Bytes(FSelEndRow, 0, FSelEndByte + 1);
    return Text;
}

void TEditor::SetSelStart(int Value) { SetSelStartFrom(0, Value); }

void TEditor::SetSelStartFrom(int BaseRow, int Offset) {
    CleanSelection();
    if (RowCount() == 0) return;
    if (BaseRow <= 0 && Offset < 1) {
        MoveCaret(0, 0);
        return;
    }
    int R, B;
    WalkOffset(BaseRow, 0, std::max(0, Offset), R, B);
    MoveCaret(R, std::min(ColOfByte(R, B), RowWidth(R)));
}

void TEditor::MoveCaretToBlockTopLeft() {
    MoveCaret(FBlockTopRow, FBlockLeftCol);
}

void TEditor::SetSelLength(int Value) {
    if (FBoxMode) {
        FBoxLocked = false;
        SetBoxMode(false);
    }
    if (RowCount() == 0) return;
    if (Value < 1) {
        if (Selected()) {
            MoveCaretToBlockTopLeft();
            CleanSelection();
        }
        return;
    }
    if (Selected()) MoveCaretToBlockTopLeft();
    StartSelection();
    int B = std::min(ByteIndexOfCol(FRow, FCol), static_cast<int>(RowString(FRow).size()));
    int R, E;
    WalkOffset(FRow, B, Value, R, E);
    MoveCaret(R, std::min(ColOfByte(R, E), RowWidth(R)));
    ExtendSelection();
}

void TEditor::SelectAll() {
    CaretHide();
    SetSelStart(0);
    SetSelLength(GetTextLen());
    CaretShow();
}

// Rows in the left margin --------------------------------------------------------------------

void TEditor::SelectRow(int Row) {
    int N = RowCount();
    if (N == 0) return;
    int R = std::min(Row, N);
    if (R == N && RowAttribute(N - 1) == TEditorRowAttribute::raEof) R = N - 1;
    R = std::max(0, R);
    if (RowAttribute(R) != TEditorRowAttribute::raEof) {
        MoveCaret(R, 0);
        StartSelection();
        MoveCaret(R + 1, 0);
        ExtendSelection();
        FRowSelLast = R + 1;
        FRowSelAnchorIsLast = false;
    } else {
        MoveCaret(R, RowWidth(R));
        StartSelection();
        MoveCaret(R, 0);
        ExtendSelection();
        FRowSelLast = R;
        FRowSelAnchorIsLast = true;
    }
    FRowSelAnchor = R;
    MoveCaret(R, 0);
    FRowSelecting = FLeftDown;
}

void TEditor::ExtendRowSelection(int Row) {
    int N = RowCount();
    if (N == 0 || FSelectionState == TEditorSelectionState::sstNone) return;
    int R = std::min(Row, N);
    if (R == N && RowAttribute(N - 1) == TEditorRowAttribute::raEof) R = N - 1;
    R = std::max(0, R);
    auto Reanchor = [this](int AnchorRow) {
        FRowSelAnchor = AnchorRow;
        FAnchorRow = AnchorRow;
        FAnchorByte = 0;
        FAnchorCol = 0;
    };
    if (R < FRowSelAnchor) {
        if (FRowSelAnchor < FRowSelLast) Reanchor(FRowSelAnchor + 1);
        MoveCaret(R, 0);
    } else {
        if (FRowSelLast < FRowSelAnchor && !FRowSelAnchorIsLast) Reanchor(FRowSelAnchor - 1);
        if (RowAttribute(R) != TEditorRowAttribute::raEof)
            MoveCaret(R + 1, 0);
        else if (FRowSelAnchorIsLast)
            MoveCaret(R, 0);
        else
            MoveCaret(R, RowWidth(R));
    }
    FRowSelLast = R;
    ExtendSelection();
}

// Tokens ---------------------------------------------------------------------------------------

// The token of the colouring parser that covers the character under a point, found by
// parsing the whole logical line from its first row.
bool TEditor::TokenAt(int X, int Y, int& LineRow, int& Start, std::string& Text,
                      TEditorTokenKind& Kind) {
    int R, B;
    if (!PosToRowCol(X, Y, R, B)) return false;
    LineRow = FList->FirstRowOfLine(R);
    int Offset = OffsetFromRowByte(LineRow, R, B);
    std::string Line;
    for (int I = LineRow; I <= FList->LastRowOfLine(LineRow); ++I)
        Line += RowString(I);
    std::unique_ptr<TEditorParser> P = CreateParser(Line, ParseStateOf(LineRow));
    for (; P->Token() != TEditorTokenKind::toEOF && P->SourcePos() <= Offset; P->NextToken()) {
        if (Offset < P->SourcePos() + P->TokenLength()) {
            Start = P->SourcePos();
            Text = P->TokenString();
            Kind = P->Token();
            return true;
        }
    }
    return false;
}

bool TEditor::GetTokenAt(int X, int Y, std::string& Text, TEditorTokenKind& Kind) {
    int LineRow, Start;
    return TokenAt(X, Y, LineRow, Start, Text, Kind);
}

void TEditor::SelectTokenAt(int X, int Y) {
    int LineRow, Start;
    TEditorTokenKind Kind;
    std::string Token;
    if (!TokenAt(X, Y, LineRow, Start, Token, Kind)) return;
    CleanSelection();
    SetCaretByOffset(LineRow, Start);
    SetSelLength(static_cast<int>(Token.size()));
}
