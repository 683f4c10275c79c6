// TEditor: caret positions, the column adjustment, caret placement, flat offsets and
// the navigation keys.
#include "editor/editor.h"

#include "editor/editor_popup_menu.h"
#include "editor/parser.h"

#include <algorithm>

namespace {


bool IsNavigationKey(int Key) {
    return Key == vkPrior || Key == vkNext || Key == vkEnd || Key == vkHome || Key == vkLeft ||
           Key == vkUp || Key == vkRight || Key == vkDown;
}

} // namespace

// Rows and columns --------------------------------------------------------------------

TRowText TEditor::RowString(int Row) const {
    return Row >= 0 && Row < FList->Count() ? FList->Get(Row) : TRowText();
}

TEditorRowAttribute TEditor::RowAttribute(int Row) const {
    return Row >= 0 && Row < FList->Count() ? FList->GetRowAttribute(Row)
                                            : TEditorRowAttribute::raEof;
}

const std::string& TEditor::RowMap(int Row) {
    const std::string& S = RowString(Row);
    int Tab = FCaret.TabSpaceCount();
    bool Wrap = WordWrap();
    int WrapByte = WrapOption().WrapByte();
    if (!FMapValid || FMapTab != Tab || FMapWrap != Wrap || FMapWrapByte != WrapByte ||
        FMapLine != S) {
        FMapLine = S;
        BuildColumnMap(S.data(), static_cast<int>(S.size()), Tab, Wrap, WrapByte, FMap, 0,
                       &Delimiters());
        FMapTab = Tab;
        FMapWrap = Wrap;
        FMapWrapByte = WrapByte;
        FMapValid = true;
    }
    return FMap;
}

int TEditor::RowWidth(int Row) {
    return static_cast<int>(RowMap(Row).size());
}

int TEditor::ByteIndexOfCol(int Row, int Col) {
    const std::string& M = RowMap(Row);
    int W = static_cast<int>(M.size());
    if (Col <= 0) return 0;
    if (Col >= W) return static_cast<int>(RowString(Row).size()) + (Col - W);
    int Fills = static_cast<int>(std::count(M.begin(), M.begin() + Col + 1, '3'));
    return Col - Fills;
}

int TEditor::ColOfByte(int Row, int Byte) {
    const std::string& M = RowMap(Row);
    int W = static_cast<int>(M.size());
    int B = 0;
    for (int C = 0; C < W; ++C) {
        char Ch = M[static_cast<std::size_t>(C)];
        if (Ch == '3' || Ch == '5') continue;
        if (B >= Byte) return C;
        B += Ch == '4' ? 2 : 1;
    }
    int Len = static_cast<int>(RowString(Row).size());
    return W + std::max(0, Byte - Len);
}

// Row, Col and the column adjustment ----------------------------------------------------

void TEditor::SetRow(int Value) {
    int N = RowCount();
    if (Value == FRow && FRow != N) return;
    UnderlineSuspend();
    int R = std::min(std::max(Value, 0), N);
    if (R == N && R >= 1 && RowAttribute(N - 1) == TEditorRowAttribute::raEof) R = N - 1;
    FRow = R;
    AdjustCol(true, -1);
    UnderlineResume();
}

void TEditor::SetCol(int Value) {
    int C = std::min(std::max(Value, 0), MaxTopCol() + FVisibleCols);
    SetColDir(C, C > FCol ? 1 : -1);
}

void TEditor::SetColDir(int Value, int Direction) {
    FCol = std::min(std::max(Value, 0), MaxTopCol() + FVisibleCols);
    AdjustCol(false, Direction);
}

void TEditor::SetRowCol(int Row, int Col) {
    if (Row == FRow && Col == FCol) return;
    bool Saved = FBulkUpdate;
    FBulkUpdate = true;
    SetRow(Row);
    SetColDir(Col, -1);
    FBulkUpdate = Saved;
    if (!Saved) UpdateCaret();
}

void TEditor::AdjustCol(bool RowChanged, int Direction) {
    const std::string& M = RowMap(FRow);
    const int W = static_cast<int>(M.size());
    auto MapAt = [&](int C) { return C >= 0 && C < W ? M[static_cast<std::size_t>(C)] : '0'; };
    if (!RowChanged)
        FRememberedValid = false;
    else if (FRememberedValid)
        FCol = FRememberedCol;
    auto Remember = [&] {
        if (RowChanged && !FRememberedValid) {
            FRememberedCol = FLeftDown ? W : FCol;
            FRememberedValid = true;
        }
    };
    auto StepOffTrail = [&](int Dir) {
        if (MapAt(FCol) == '5') {
            Remember();
            FCol += Dir;
        }
    };
    auto StepOffFill = [&](int Dir) {
        if (!FCaret.InTab() && MapAt(FCol) == '3') {
            Remember();
            while (MapAt(FCol) == '3')
                FCol += Dir;
        }
    };

    if (!FCaret.FreeCaret() && W < FCol) {
        if (FCaret.KeepCaret()) Remember();
        FCol = W;
    }
    StepOffTrail(Direction);
    StepOffFill(Direction);
    if (WordWrap() && W <= FCol) {
        Remember();
        TEditorRowAttribute A = RowAttribute(FRow);
        int WrapByte = WrapOption().WrapByte();
        if (A != TEditorRowAttribute::raWrapped && FCol >= WrapByte)
            FCol = std::max(W, WrapByte - 1);
        if (A == TEditorRowAttribute::raWrapped) FCol = std::max(0, W - 1);
        StepOffTrail(-1);
        StepOffFill(-1);
    }
    if (!FBulkUpdate) UpdateCaret();
}

// Caret placement -------------------------------------------------------------------------

void TEditor::CaretHide() {
    if (FCaretHideCount++ == 0 && FCaretCreated && HostReady()) FHost->HideCaret();
}

void TEditor::CaretShow() {
    if (FCaretHideCount == 0) return;
    if (--FCaretHideCount == 0 && FCaretCreated && HostReady()) FHost->ShowCaret();
}

void TEditor::CaretPixelPos(int& X, int& Y) const {
    X = FMargin.Left() + (FCol - FTopCol) * FCharWidth;
    Y = FMargin.Top() + (FRow - FTopRow) * FRowHeight;
    if (FCaret.Style() == TEditorCaretStyle::csBrief && !FOverwrite) Y += FCharHeight - 2;
}

void TEditor::UpdateCaret() {
    if (Focused()) PlaceCaret(true);
}

void TEditor::RecreateCaret() {
    if (Focused()) PlaceCaret(false);
}

void TEditor::PlaceCaret(bool Scroll) {
    int Glyph = FCharWidth - FMargin.Character();
    const std::string& M = RowMap(FRow);
    if (FCol >= 0 && FCol < static_cast<int>(M.size()) && M[static_cast<std::size_t>(FCol)] == '4')
        Glyph *= 2;
    int W, H;
    if (FOverwrite) {
        W = Glyph;
        H = FCharHeight;
    } else if (FCaret.Style() == TEditorCaretStyle::csBrief) {
        W = Glyph;
        H = 2;
    } else {
        W = 2;
        H = FCharHeight;
    }
    if (FCaretCreated) FHost->DestroyCaret();
    FHost->CreateCaret(W, H);
    FCaretCreated = true;
    if (Scroll) {
        ScrollCaret();
    } else {
        int X, Y;
        CaretPixelPos(X, Y);
        FHost->SetCaretPos(X, Y);
        PlaceImeWindow();
        if (OnCaretMoved) OnCaretMoved(this);
    }
    if (FCaretHideCount == 0) FHost->ShowCaret();
}

void TEditor::ScrollCaret() {
    if (!Focused()) return;
    if (FTopRow > FRow)
        SetTopRow(FRow);
    else if (FRow > FTopRow + FVisibleRows - 1)
        SetTopRow(FRow - (FVisibleRows - 1));
    int V = FVisibleCols;
    if (FTopCol > FCol)
        SetTopCol(std::max(0, std::min(FCol, FTopCol - V / 4)));
    else if (FCol > FTopCol + V - 1)
        SetTopCol(std::min(std::max(FCol - (V - 1), FTopCol + V / 4), MaxTopCol() + V));
    int X, Y;
    CaretPixelPos(X, Y);
    FHost->SetCaretPos(X, Y);
    PlaceImeWindow();
    if (OnCaretMoved) OnCaretMoved(this);
}

// While a key repeats, the composition window stays put until the key is released or
// the next character is typed.
void TEditor::PlaceImeWindow(bool Force) {
    if (!HostReady()) return;
    if (FKeyRepeat && !Force) {
        FImePending = true;
        return;
    }
    FImePending = false;
    int X = FMargin.Left() + (FCol - FTopCol) * FCharWidth;
    int Y = FMargin.Top() + (FRow - FTopRow) * FRowHeight;
    FHost->SetImeWindowPos(X, Y, Font());
}

void TEditor::FocusGained() {
    RecreateCaret();
}

void TEditor::FocusLost() {
    if (FDragging || FRowSelecting) EndDrag();
    if (FCaretCreated && HostReady()) {
        FHost->HideCaret();
        FHost->DestroyCaret();
    }
    FCaretCreated = false;
}

// Lines and offsets ---------------------------------------------------------------------

int TEditor::RowToLine(int Row) const {
    if (!WordWrap()) return Row;
    int N = RowCount();
    if (Row <= 0 || N == 0) return 0;
    int Lines = FList->LineCount();
    if (Row >= N)
        return Lines - (FList->GetRowAttribute(N - 1) != TEditorRowAttribute::raCrlf ? 1 : 0);
    // The last line whose first row is at or before Row.
    int Lo = 0, Hi = Lines - 1;
    while (Lo < Hi) {
        int Mid = Lo + (Hi - Lo + 1) / 2;
        if (FList->LineToRow(Mid) <= Row)
            Lo = Mid;
        else
            Hi = Mid - 1;
    }
    return Lo;
}

int TEditor::RowColToLinePos(int Row, int Col) {
    if (Row < 0 || Row > RowCount() || Col < 0) return -1;
    int First = FList->FirstRowOfLine(Row);
    int Pos = 0;
    for (int R = First; R < Row; ++R)
        Pos += static_cast<int>(RowString(R).size());
    const std::string& M = RowMap(Row);
    if (Col < static_cast<int>(M.size()) && M[static_cast<std::size_t>(Col)] == '5') --Col;
    return Pos + ByteIndexOfCol(Row, Col);
}

int TEditor::RowSize(int Row) const {
    int Len = static_cast<int>(RowString(Row).size());
    switch (RowAttribute(Row)) {
    case TEditorRowAttribute::raCrlf:
        return Len + 2;
    case TEditorRowAttribute::raEof:
        return Len + 1;
    default:
        return Len;
    }
}

int TEditor::OffsetFromRowByte(int BaseRow, int Row, int Byte) const {
    if (Row < BaseRow) return 0;
    int Offset = 0;
    for (int R = BaseRow; R < Row; ++R)
        Offset += RowSize(R);
    return Offset + Byte;
}

int TEditor::OffsetFromRow(int BaseRow, int Row, int Col) {
    if (Row < BaseRow) return 0;
    return OffsetFromRowByte(BaseRow, Row, ByteIndexOfCol(Row, Col));
}

// A position equal to a wrapped row's length is column 0 of the next row; the two bytes
// of a line break both belong to the end of their row.  Past a text that ends with a
// line break lies the empty position after it.
void TEditor::WalkOffset(int Row, int Byte, int Count, int& OutRow, int& OutByte) const {
    int N = RowCount();
    long long Rem = static_cast<long long>(Byte) + Count;
    int R = std::max(0, Row);
    while (R < N) {
        int Len = static_cast<int>(FList->Get(R).size());
        TEditorRowAttribute A = FList->GetRowAttribute(R);
        if (A == TEditorRowAttribute::raWrapped && R < N - 1) {
            if (Rem < Len) break;
            Rem -= Len;
        } else if (A == TEditorRowAttribute::raCrlf) {
            if (Rem < Len + 2) {
                Rem = std::min<long long>(Rem, Len);
                break;
            }
            Rem -= Len + 2;
        } else {
            break;
        }
        ++R;
    }
    OutRow = R;
    OutByte = R < N ? static_cast<int>(std::max<long long>(0, Rem)) : 0;
}

// Row first, then the column, with one caret placement at the end.
void TEditor::MoveCaret(int Row, int Col) {
    bool Saved = FBulkUpdate;
    FBulkUpdate = true;
    SetRow(Row);
    SetCol(Col);
    FBulkUpdate = Saved;
    if (!Saved) UpdateCaret();
}

void TEditor::SetCaretByteBulk(int Row, int Byte) {
    bool Saved = FBulkUpdate;
    FBulkUpdate = true;
    SetRow(Row);
    FBulkUpdate = Saved;
    MoveCaret(FRow, ColOfByte(FRow, Byte));
}

void TEditor::SetCaretByOffset(int BaseRow, int Offset) {
    int R, B;
    WalkOffset(BaseRow, 0, std::max(0, Offset), R, B);
    SetCaretByteBulk(R, B);
}

// The row list re-cuts an edited logical line from its first row, so offsets counted
// from that row survive every edit at the caret.
int TEditor::CaretBaseRow(int Row) const {
    return FList->FirstRowOfLine(std::min(std::max(Row, 0), RowCount()));
}

// Keys ----------------------------------------------------------------------------------

TDialogCode TEditor::DialogCode() const {
    TDialogCode Code = TDialogCode::dcWantArrows | TDialogCode::dcWantChars;
    if (FWantTabs) Code |= TDialogCode::dcWantTab;
    if (FWantReturns) Code |= TDialogCode::dcWantAllKeys;
    return Code;
}

bool TEditor::KeyMessageLocked(TKeyMessage Message, int Key) const {
    if (!FDragging && !FRowSelecting) return false;
    switch (Message) {
    case TKeyMessage::kmKeyDown:
        return Key != vkEscape && Key != vkControl;
    case TKeyMessage::kmKeyUp:
        return Key != vkControl;
    case TKeyMessage::kmChar:
        return true;
    }
    return true;
}

bool TEditor::ShortCut(int Key, TShiftState Shift) {
    if (KeyMessageLocked(TKeyMessage::kmKeyDown, Key)) return true;
    TEditorPopupMenu* Menu = PopupMenu();
    return Menu &&
           Menu->IsShortCut(Key, Has(Shift, TShiftState::ssCtrl), Has(Shift, TShiftState::ssShift),
                            Has(Shift, TShiftState::ssAlt));
}

void TEditor::KeyDown(int& Key, TShiftState Shift, bool AutoRepeat) {
    if (KeyMessageLocked(TKeyMessage::kmKeyDown, Key)) return;
    FKeyRepeat = AutoRepeat;
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key == 0) return;
    if (Key == vkControl) {
        if (FDragging) UpdateDragCursor();
        return;
    }
    if (NavigationKey(Key, Shift)) return;
    if (Key == vkEscape) {
        if (Selected()) {
            CleanSelection();
        } else if (FBoxLocked) {
            FBoxLocked = false;
            SetBoxMode(false);
        }
        if (FLeftDown) FMouseCancelled = true;
        if (FDragging || FRowSelecting) EndDrag();
    } else if (Key == vkDelete) {
        DeleteKey();
    }
}

void TEditor::KeyUp(int& Key, TShiftState Shift) {
    if (KeyMessageLocked(TKeyMessage::kmKeyUp, Key)) return;
    FKeyRepeat = false;
    if (FImePending) PlaceImeWindow();
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
    if (Key == vkControl && FDragging) UpdateDragCursor();
}

bool TEditor::NavigationKey(int Key, TShiftState Shift) {
    if (!IsNavigationKey(Key)) return false;
    if (RowCount() == 0) return true;
    const bool WithShift = Has(Shift, TShiftState::ssShift);
    const bool WithCtrl = Has(Shift, TShiftState::ssCtrl);
    if (WithShift && !Selected())
        StartSelection();
    else if (!WithShift && Selected())
        CleanSelection();

    auto MoveTo = [this](int R, int C) {
        CaretHide();
        MoveCaret(R, C);
        CaretShow();
    };

    switch (Key) {
    case vkPrior:
        PageMove(-(FVisibleRows - 1));
        break;
    case vkNext:
        PageMove(FVisibleRows - 1);
        break;
    case vkHome:
        if (WithCtrl)
            MoveTo(0, 0);
        else
            SetCol(0);
        break;
    case vkEnd:
        if (WithCtrl) {
            SetRow(RowCount());
        }
        SetCol(FRow == RowCount() ? 0 : RowWidth(FRow));
        break;
    case vkLeft:
        if (WithCtrl) {
            WordLeft();
        } else if (FCol == 0) {
            if (FRow > 0 &&
                (FCaret.NextLine() || RowAttribute(FRow - 1) == TEditorRowAttribute::raWrapped))
                MoveTo(FRow - 1, RowWidth(FRow - 1));
        } else {
            SetCol(FCol - 1);
        }
        break;
    case vkRight:
        if (WithCtrl) {
            WordRight();
        } else {
            int Old = FCol;
            SetCol(FCol + 1);
            if (FCol <= Old && FRow < RowCount() &&
                RowAttribute(FRow) != TEditorRowAttribute::raEof &&
                (FCaret.NextLine() || RowAttribute(FRow) == TEditorRowAttribute::raWrapped))
                MoveTo(FRow + 1, 0);
        }
        break;
    case vkUp: {
        int Step = FKeyRepeat && FRow == FTopRow ? 2 : 1;
        if (WithCtrl) {
            SetTopRow(FTopRow - Step);
            if (FRow >= FTopRow + FVisibleRows) SetRow(FRow - Step);
        } else if (FRow > 0) {
            SetRow(FRow - Step);
        }
        break;
    }
    case vkDown: {
        int Step = FKeyRepeat && FRow == FTopRow + FVisibleRows - 1 ? 2 : 1;
        if (WithCtrl) {
            SetTopRow(FTopRow + Step);
            if (FRow < FTopRow) SetRow(FRow + Step);
        } else if (RowAttribute(FRow) != TEditorRowAttribute::raEof && FRow < RowCount()) {
            SetRow(FRow + Step);
        }
        break;
    }
    }
    if (WithShift) ExtendSelection();
    return true;
}

void TEditor::PageMove(int Delta) {
    if (FTopRow == 0 && Delta < 0) {
        SetRow(0);
        return;
    }
    if (RowAttribute(FTopRow) == TEditorRowAttribute::raEof && Delta > 0) return;
    int K = FRow - FTopRow;
    CaretHide();
    SetTopRow(std::max(0, std::min(FTopRow + Delta, RowCount())));
    SetRow(FTopRow + K);
    CaretShow();
}

// Word moves ----------------------------------------------------------------------------

int TEditor::ParseStateOf(int Row) {
    if (Row < 0 || Row >= RowCount()) return TEditorParser::OutsideBrackets;
    if (FList->GetRowState(Row) == RowStateNotComputed) FList->UpdateRowStates(Row, false);
    int State = FList->GetRowState(Row);
    return State == RowStateNotComputed ? TEditorParser::OutsideBrackets : State;
}

std::vector<int> TEditor::WordStarts(int Row) {
    std::vector<int> Starts;
    const std::string& S = RowString(Row);
    if (S.empty()) return Starts;
    std::string Expanded =
        ExpandTabs(S, FCaret.TabSpaceCount(), WordWrap(), WrapOption().WrapByte());
    std::unique_ptr<TEditorParser> P = CreateParser(Expanded, ParseStateOf(Row));
    while (P->Token() != TEditorTokenKind::toEOF) {
        if (P->Token() != TEditorTokenKind::toSymbol) Starts.push_back(P->SourcePos());
        P->NextToken();
    }
    return Starts;
}

void TEditor::WordRight() {
    int R = FRow, C = FCol;
    // The end of the last row of a text without a final line break has nothing after it.
    if (C >= RowWidth(R) && R < RowCount() && RowAttribute(R) != TEditorRowAttribute::raEof) {
        ++R;
        C = -1;
    }
    std::vector<int> Starts = WordStarts(R);
    int TR = R, TC;
    auto It = std::upper_bound(Starts.begin(), Starts.end(), C);
    if (It != Starts.end()) {
        TC = *It;
    } else if (RowAttribute(R) != TEditorRowAttribute::raWrapped) {
        TC = RowWidth(R);
    } else {
        TR = R + 1;
        TC = 0;
    }
    if (TR == FRow && TC == FCol) return;
    MoveCaret(TR, TC);
}

void TEditor::WordLeft() {
    int R = FRow, C = FCol;
    int TR, TC;
    bool Found = false;
    if (C == 0) {
        if (R == 0) return;
        --R;
        C = RowWidth(R);
        if (RowAttribute(R) == TEditorRowAttribute::raCrlf) {
            TR = R;
            TC = C;
            Found = true;
        }
    }
    if (!Found) {
        std::vector<int> Starts = WordStarts(R);
        auto It = std::lower_bound(Starts.begin(), Starts.end(), C);
        if (It != Starts.begin()) {
            TR = R;
            TC = *(It - 1);
        } else if (R >= 1) {
            TR = R - 1;
            TC = RowWidth(R - 1);
        } else {
            TR = R;
            TC = 0;
        }
    }
    if (TR == FRow && TC == FCol) return;
    MoveCaret(TR, TC);
}
