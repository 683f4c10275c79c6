// TEditor: typing, Return, Tab, Backspace and Delete, replacing and deleting the
// selection, deleting rows and turning soft wraps into line breaks.  Every change is one
// ReplaceRows of the row list; the caret is put back by its flat offset from the first
// row of its logical line, which no edit at the caret moves.
#include "editor/editor.h"

#include <algorithm>

namespace {

bool IsTypedByte(unsigned char C) {
    return (C >= 32 && C <= 126) || (C >= 161 && C <= 223);
}

} // namespace

void TEditor::InsertPadded(std::string& Text, int Pos, const std::string& S) {
    if (Pos > static_cast<int>(Text.size()))
        Text.append(static_cast<std::size_t>(Pos) - Text.size(), ' ');
    Text.insert(static_cast<std::size_t>(Pos), S);
}

// Replaces rows First ... Last by Text, which carries the line breaks the rows owned.
// Rows beyond the text are not replaced: from the empty position after a final line
// break the text is inserted at the end.
void TEditor::ReplaceRowSpan(int First, int Last, const std::string& Text) {
    int N = RowCount();
    if (First >= N) {
        FList->ReplaceRows(N, 0, Text);
        return;
    }
    Last = std::min(Last, N - 1);
    FList->ReplaceRows(First, Last - First + 1, Text);
}

// The text left when the selection is cut out: one entry per block row for a box over
// several rows, else one entry joining the first row's head to the last row's tail.
std::vector<TEditor::TRemainder> TEditor::RemainderRows() {
    std::vector<TRemainder> Rows;
    if (FBoxMode && FSelStartRow != FSelEndRow) {
        for (int R = FBlockTopRow; R <= FBlockBottomRow; ++R) {
            int First, End;
            BoxSlice(R, First, End);
            TRemainder Entry;
            Entry.Text = RowString(R);
            Entry.Text.erase(static_cast<std::size_t>(First),
                             static_cast<std::size_t>(End - First));
            Entry.Attribute = RowAttribute(R);
            Entry.InsertPos = First;
            Rows.push_back(std::move(Entry));
        }
        return Rows;
    }
    const std::string& Head = RowString(FSelStartRow);
    const std::string& Tail = RowString(FSelEndRow);
    int StartByte = std::min(FSelStartByte, static_cast<int>(Head.size()));
    int EndByte = std::min(FSelEndByte + 1, static_cast<int>(Tail.size()));
    TRemainder Entry;
    Entry.Text = Head.substr(0, static_cast<std::size_t>(StartByte)) +
                 Tail.substr(static_cast<std::size_t>(std::max(0, EndByte)));
    Entry.Attribute = RowAttribute(FSelEndRow);
    Entry.InsertPos = StartByte;
    Rows.push_back(std::move(Entry));
    return Rows;
}

void TEditor::ReplaceSelectionBy(const std::string& S) {
    std::vector<TRemainder> Rows = RemainderRows();
    InsertPadded(Rows[0].Text, Rows[0].InsertPos, S);
    std::string Text;
    for (const TRemainder& Entry : Rows) {
        Text += Entry.Text;
        if (Entry.Attribute == TEditorRowAttribute::raCrlf) Text += "\r\n";
    }
    int Base = CaretBaseRow(FSelStartRow);
    int P = OffsetFromRowByte(Base, FSelStartRow, Rows[0].InsertPos) + static_cast<int>(S.size());
    int First = FSelStartRow, Last = FSelEndRow;
    CaretHide();
    UnderlineSuspend();
    CleanSelection();
    ReplaceRowSpan(First, Last, Text);
    SetCaretByOffset(Base, P);
    UnderlineResume();
    CaretShow();
}

void TEditor::InsertAtCaret(const std::string& S, bool Overwriting) {
    const int R = FRow;
    std::string T = RowString(R);
    const int B = ByteIndexOfCol(R, FCol);
    const int Base = CaretBaseRow(R);
    const int P = OffsetFromRowByte(Base, R, B) + static_cast<int>(S.size());
    int Last = R;
    std::string New;
    if (B >= static_cast<int>(T.size()) || !Overwriting) {
        New = T;
        InsertPadded(New, B, S);
    } else {
        // Overwriting counts display columns: the span runs on into the following rows of
        // a wrapped line, a tab wider than the typed text only narrows, and a double-byte
        // character whose first half is covered leaves a space for its second half.
        New = T.substr(0, static_cast<std::size_t>(B)) + S;
        int E = FCol + static_cast<int>(S.size());
        while (E > RowWidth(Last) && RowAttribute(Last) == TEditorRowAttribute::raWrapped &&
               Last + 1 < RowCount()) {
            E -= RowWidth(Last);
            ++Last;
        }
        const std::string& M = RowMap(Last);
        const std::string& Rest = RowString(Last);
        if (E < static_cast<int>(M.size())) {
            if (M[static_cast<std::size_t>(E)] == '5') {
                New += ' ';
                New += Rest.substr(static_cast<std::size_t>(ByteIndexOfCol(Last, E) + 1));
            } else {
                New += Rest.substr(static_cast<std::size_t>(ByteIndexOfCol(Last, E)));
            }
        }
    }
    FList->AppendLineBreak(Last, New);
    CaretHide();
    UnderlineSuspend();
    ReplaceRowSpan(R, Last, New);
    SetCaretByOffset(Base, P);
    UnderlineResume();
    CaretShow();
}

void TEditor::InsertText(const std::string& S) {
    if (S.empty()) return;
    if (Selected())
        ReplaceSelectionBy(S);
    else
        InsertAtCaret(S, FOverwrite);
}

void TEditor::SetSelTextBuf(const std::string& S) {
    if (FReadOnly || S.empty()) return;
    if (Selected())
        ReplaceSelectionBy(S);
    else
        InsertAtCaret(S, false);
}

void TEditor::DeleteSelection() {
    if (Selected()) ReplaceSelectionBy(std::string());
}

// Characters -------------------------------------------------------------------------------

void TEditor::KeyPress(char Key) {
    if (KeyMessageLocked(TKeyMessage::kmChar, static_cast<unsigned char>(Key))) return;
    if (OnKeyPress) OnKeyPress(this, Key);
    if (Key == 0) return;
    if (FDiscardCount > 0) {
        --FDiscardCount;
        return;
    }
    unsigned char C = static_cast<unsigned char>(Key);
    if (IsTypedByte(C)) {
        if (FReadOnly) return;
        if (FImePending) PlaceImeWindow(true);
        InsertText(std::string(1, Key));
    } else if (C == vkReturn) {
        ReturnKey();
    } else if (C == vkTab) {
        TShiftState Shift = TShiftState();
        if (FHost && FHost->ShiftDown()) Shift |= TShiftState::ssShift;
        if (FHost && FHost->CtrlDown()) Shift |= TShiftState::ssCtrl;
        TabKey(Shift);
    } else if (C == vkBack) {
        BackspaceKey();
    }
}

// The platform delivers a composition result also as one character message per byte;
// those are counted off instead of being inserted a second time.
void TEditor::ImeComposition(const std::string& Result) {
    if (FReadOnly || Result.empty()) return;
    FDiscardCount += static_cast<int>(Result.size());
    InsertText(Result);
}

// Return ---------------------------------------------------------------------------------

// Leading blanks of a row with tabs expanded: a space is one column, a full-width space
// two.
int TEditor::LeadingBlanks(int Row) {
    std::string S =
        ExpandTabs(RowString(Row), FCaret.TabSpaceCount(), WordWrap(), WrapOption().WrapByte());
    int Count = 0;
    for (std::size_t I = 0; I < S.size();) {
        if (S[I] == ' ') {
            ++Count;
            ++I;
        } else if (I + 1 < S.size() && static_cast<unsigned char>(S[I]) == 0x81 &&
                   static_cast<unsigned char>(S[I + 1]) == 0x40) {
            Count += 2;
            I += 2;
        } else {
            break;
        }
    }
    return Count;
}

std::string TEditor::IndentString(int Width) const {
    if (!FCaret.TabIndent()) return std::string(static_cast<std::size_t>(Width), ' ');
    int Tab = FCaret.TabSpaceCount();
    return std::string(static_cast<std::size_t>(Width / Tab), '\t') +
           std::string(static_cast<std::size_t>(Width % Tab), ' ');
}

void TEditor::ReturnKey() {
    if (FReadOnly) return;
    if (Selected()) DeleteSelection();
    const int N = RowCount();
    const int R = FRow;
    if (R > N - 1) {
        CaretHide();
        FList->ReplaceRows(N, 0, "\r\n");
        MoveCaret(R + 1, 0);
        CaretShow();
        return;
    }
    if (FOverwrite) {
        MoveCaret(R + 1, 0);
        return;
    }
    const std::string T = RowString(R);
    const int B = std::min(ByteIndexOfCol(R, FCol), static_cast<int>(T.size()));
    const int F = FList->FirstRowOfLine(R);
    int W = 0;
    if (FCaret.AutoIndent()) {
        int Count = LeadingBlanks(F);
        if (Count >= 1) {
            W = R == F && Count > FCol ? FCol : Count;
        } else if (FCaret.PrevSpaceIndent() && R == F && T.empty()) {
            for (int P = F - 1; P >= 0; --P) {
                bool LineStart = P == 0 || RowAttribute(P - 1) == TEditorRowAttribute::raCrlf;
                if (LineStart && !RowString(P).empty()) {
                    W = LeadingBlanks(P);
                    break;
                }
            }
        }
    }
    const std::string Indent = IndentString(W);
    std::string New = T.substr(0, static_cast<std::size_t>(B)) + "\r\n" + Indent +
                      T.substr(static_cast<std::size_t>(B));
    FList->AppendLineBreak(R, New);
    const int P = OffsetFromRowByte(F, R, B) + 2 + static_cast<int>(Indent.size());
    CaretHide();
    UnderlineSuspend();
    ReplaceRowSpan(R, R, New);
    SetCaretByOffset(F, P);
    UnderlineResume();
    CaretShow();
}

// Tab, Backspace, Delete -------------------------------------------------------------------

void TEditor::TabKey(TShiftState Shift) {
    if (Has(Shift, TShiftState::ssShift | TShiftState::ssCtrl) || FReadOnly || !FWantTabs) return;
    int Tab = FCaret.TabSpaceCount();
    int Step = Tab - FCol % Tab;
    if (WordWrap()) {
        int WrapByte = WrapOption().WrapByte();
        Step = std::min(Step, WrapByte - FCol % WrapByte);
    }
    if (FOverwrite)
        SetCol(FCol + Step);
    else
        InsertText(FCaret.SoftTab() ? std::string(static_cast<std::size_t>(Step), ' ') : "\t");
}

// Removes Count bytes at Byte of row Row and puts the caret there.
void TEditor::EraseInRow(int Row, int Byte, int Count) {
    std::string New = RowString(Row);
    New.erase(static_cast<std::size_t>(Byte), static_cast<std::size_t>(Count));
    FList->AppendLineBreak(Row, New);
    JoinRows(Row, Row, New, Byte);
}

// Replaces rows First ... Last (Last may be the row after the text) by Text and puts the
// caret Offset bytes after the start of First.
void TEditor::JoinRows(int First, int Last, const std::string& Text, int Offset) {
    int Base = CaretBaseRow(First);
    int P = OffsetFromRowByte(Base, First, 0) + Offset;
    CaretHide();
    UnderlineSuspend();
    ReplaceRowSpan(First, Last, Text);
    SetCaretByOffset(Base, P);
    UnderlineResume();
    CaretShow();
}

void TEditor::BackspaceKey() {
    if (FReadOnly) return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    const int N = RowCount();
    if (N == 0) return;
    const int R = FRow;
    if (FCol == 0) {
        if (R == 0) return;
        const int P = R - 1;
        int Kept = static_cast<int>(RowString(P).size());
        if (RowAttribute(P) == TEditorRowAttribute::raWrapped) {
            // The rows are one line: the last character of the previous row goes.
            const std::string& M = RowMap(P);
            int C = static_cast<int>(M.size()) - 1;
            while (C > 0 && M[static_cast<std::size_t>(C)] == '3')
                --C;
            if (C > 0 && M[static_cast<std::size_t>(C)] == '5') --C;
            Kept = ByteIndexOfCol(P, std::max(0, C));
        }
        std::string New = RowString(P).substr(0, static_cast<std::size_t>(Kept));
        if (R < N) {
            New += RowString(R);
            FList->AppendLineBreak(R, New);
        }
        JoinRows(P, R, New, Kept);
        return;
    }
    if (FCol > RowWidth(R)) {
        SetCol(FCol - 1);
        return;
    }
    // The character before the caret: both bytes of a double-byte character, the tab of
    // a fill column.
    const std::string& M = RowMap(R);
    int C = FCol - 1;
    int Start = ByteIndexOfCol(R, C);
    int Count = 1;
    if (M[static_cast<std::size_t>(C)] == '5') {
        --Start;
        Count = 2;
    }
    EraseInRow(R, Start, Count);
}

void TEditor::DeleteKey() {
    if (FReadOnly) return;
    if (Selected()) {
        DeleteSelection();
        return;
    }
    const int N = RowCount();
    const int R = FRow;
    if (R >= N) return;
    const std::string T = RowString(R);
    const int B = ByteIndexOfCol(R, FCol);
    if (B < static_cast<int>(T.size())) {
        const std::string& M = RowMap(R);
        bool Lead = FCol < static_cast<int>(M.size()) && M[static_cast<std::size_t>(FCol)] == '4';
        EraseInRow(R, B, Lead ? 2 : 1);
        return;
    }
    TEditorRowAttribute A = RowAttribute(R);
    if (A == TEditorRowAttribute::raEof) return;
    std::string New = T;
    if (B > static_cast<int>(New.size())) New.append(static_cast<std::size_t>(B) - New.size(), ' ');
    int Last = R;
    if (R + 1 < N) {
        std::string Next = RowString(R + 1);
        // Within a wrapped line there is no line break to remove: the next character goes.
        if (A == TEditorRowAttribute::raWrapped && !Next.empty())
            Next.erase(0, SjisCharLength(Next.data(), Next.size(), 0));
        New += Next;
        Last = R + 1;
    }
    if (Last > R) FList->AppendLineBreak(Last, New);
    JoinRows(R, Last, New, B);
}

// Rows -------------------------------------------------------------------------------------

void TEditor::DeleteRow(int Row) {
    if (Row < 0 || Row >= RowCount()) return;
    CleanSelection();
    CaretHide();
    UnderlineSuspend();
    // The last row of a wrapped line holds its line break: the rows before it stay a
    // line of their own instead of joining the next line.
    const bool EndsWrappedLine = Row > 0 &&
                                 RowAttribute(Row - 1) == TEditorRowAttribute::raWrapped &&
                                 RowAttribute(Row) == TEditorRowAttribute::raCrlf;
    FList->ReplaceRows(Row, 1, EndsWrappedLine ? "\r\n" : std::string());
    if (Row <= 0)
        MoveCaret(Row, 0);
    else if (RowAttribute(Row - 1) == TEditorRowAttribute::raEof)
        MoveCaret(Row - 1, RowWidth(Row - 1));
    else
        MoveCaret(Row, 0);
    UnderlineResume();
    CaretShow();
}

void TEditor::ConvertWrapToReturns() {
    if (!Selected() || !WordWrap() || !WrapOption().FollowRetMark()) return;
    int First = FSelStartRow;
    int Last = FSelEndRow;
    if (RowAttribute(Last) == TEditorRowAttribute::raEof && Last > First &&
        RowAttribute(Last - 1) == TEditorRowAttribute::raCrlf)
        --Last;
    Last = std::min(Last, RowCount() - 1);
    std::string Text;
    for (int R = First; R <= Last; ++R) {
        Text += RowString(R);
        if (R < Last || RowAttribute(R) == TEditorRowAttribute::raCrlf) Text += "\r\n";
    }
    CleanSelection();
    CaretHide();
    UnderlineSuspend();
    ReplaceRowSpan(First, Last, Text);
    UnderlineResume();
    CaretShow();
}
