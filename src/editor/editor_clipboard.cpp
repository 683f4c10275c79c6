// TEditor: the clipboard (plain text, and the private format that marks a box copy), box
// paste, and moving or copying the selection by dragging it.
#include "editor/editor.h"

#include "platform/clipboard.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Lines of Text cut at CR LF, CR or LF; a final line break makes no extra line.
std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> Lines;
    std::size_t Start = 0, N = Text.size();
    while (Start < N) {
        std::size_t End = Text.find_first_of("\r\n", Start);
        if (End == std::string::npos) End = N;
        Lines.push_back(Text.substr(Start, End - Start));
        if (End < N && Text[End] == '\r' && End + 1 < N && Text[End + 1] == '\n') ++End;
        Start = End + 1;
    }
    return Lines;
}

} // namespace

// A box copy also carries the private format, whose bytes equal the plain text: other
// programs paste it as an ordinary stream.
bool TEditor::PutSelectionOnClipboard() {
    if (!Selected() || !FClipboard) return false;
    if (FBoxMode) return FClipboard->SetText(SelText(), {BoxClipboardFormat});
    return FClipboard->SetText(SelText());
}

void TEditor::CopyClipboard() {
    PutSelectionOnClipboard();
}

// The selected text is deleted only when it reached the clipboard.
void TEditor::CutClipboard() {
    if (!Selected()) return;
    if (PutSelectionOnClipboard())
        DeleteSelection();
    else if (FHost)
        FHost->Beep();
}

void TEditor::PasteClipboard() {
    std::string Text;
    if (!FClipboard || !FClipboard->HasText() || !FClipboard->GetText(Text)) return;
    if (FClipboard->HasFormat(BoxClipboardFormat))
        BoxPaste(Text);
    else
        SetSelTextBuf(Text);
}

// Each pasted line goes into one row at the target column: first into the rows the
// selection leaves, then into the rows below, then into new rows after the text.
void TEditor::BoxPaste(const std::string& Text) {
    if (FReadOnly) return;
    if (Text.empty()) {
        DeleteSelection();
        return;
    }
    std::vector<std::string> Lines = SplitLines(Text);
    if (Lines.empty()) Lines.emplace_back();
    const int N = RowCount();
    const int TargetCol = Selected() ? FBlockLeftCol : FCol;
    const int FirstRow = Selected() ? FSelStartRow : FRow;
    std::vector<TRemainder> Rows;
    int NextRow = FirstRow;
    int LastRow = FirstRow - 1;
    if (Selected()) {
        Rows = RemainderRows();
        NextRow = FSelEndRow + 1;
        LastRow = FSelEndRow;
    }
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        if (I < Rows.size()) {
            InsertPadded(Rows[I].Text, Rows[I].InsertPos, Lines[I]);
        } else if (NextRow < N) {
            TRemainder Entry;
            Entry.Text = RowString(NextRow);
            const std::string& M = RowMap(NextRow);
            const int W = static_cast<int>(M.size());
            const int Len = static_cast<int>(Entry.Text.size());
            int Pos = TargetCol < W ? LeftEdgeByte(M, TargetCol, Len) : Len + (TargetCol - W);
            InsertPadded(Entry.Text, Pos, Lines[I]);
            Entry.Attribute = RowAttribute(NextRow);
            LastRow = NextRow++;
            Rows.push_back(std::move(Entry));
        } else {
            TRemainder Entry;
            Entry.Text = std::string(static_cast<std::size_t>(TargetCol), ' ') + Lines[I];
            Rows.push_back(std::move(Entry));
        }
    }
    std::string New;
    for (TRemainder& Entry : Rows) {
        New += Entry.Text;
        if (Entry.Attribute != TEditorRowAttribute::raWrapped) New += "\r\n";
    }
    CaretHide();
    UnderlineSuspend();
    CleanSelection();
    ReplaceRowSpan(FirstRow, std::max(LastRow, FirstRow), New);
    MoveCaret(FirstRow, TargetCol);
    UpdateCaret();
    UnderlineResume();
    CaretShow();
}

// Dragging the selection -----------------------------------------------------------------

bool TEditor::CanSelDrag() const {
    return !FReadOnly && Selected() && !FBoxMode && FCaret.SelMove();
}

void TEditor::BeginSelDrag() {
    if (!CanSelDrag()) return;
    FDragging = true;
    if (HostReady()) FHost->SetMouseCapture(true);
    // The drag begins where the caret stands, inside the selection.
    int X = 0, Y = 0;
    CaretPixelPos(X, Y);
    UpdateDragCursor(X, Y);
}

void TEditor::EndDrag() {
    FDragging = false;
    FRowSelecting = false;
    if (HostReady()) {
        FHost->SetMouseCapture(false);
        FHost->SetControlCursor(FCaret.Cursors().DefaultCursor());
        FHost->SetScreenCursor(crDefault);
    }
}

void TEditor::UpdateDragCursor(int X, int Y) {
    FDragX = X;
    FDragY = Y;
    if (!HostReady()) return;
    FHost->SetScreenCursor(!InClientArea(X, Y) ? crNoDrop
                           : FHost->CtrlDown() ? crCopyDrop
                                               : crDrag);
}

// The rows from the selection to the drop point are rebuilt in one replacement: the
// selected text cut out and put in again at the drop point.
void TEditor::MoveSelection(int Row, int Col) {
    if (!CanSelDrag() || IsInSelection(Row, Col)) {
        CleanSelection();
        return;
    }
    const int N = RowCount();
    const int DropRow = std::max(0, std::min(Row, N));
    const int First = std::min(FSelStartRow, DropRow);
    const int Last = std::max(FSelEndRow, DropRow);
    std::string Span;
    for (int R = First; R <= std::min(Last, N - 1); ++R) {
        Span += RowString(R);
        FList->AppendLineBreak(R, Span);
    }
    std::size_t SelFrom =
        static_cast<std::size_t>(OffsetFromRowByte(First, FSelStartRow, FSelStartByte));
    std::size_t SelTo = SelFrom + static_cast<std::size_t>(SelLength());
    const int DropByte = ByteIndexOfCol(DropRow, Col);
    const int RowLen = static_cast<int>(RowString(DropRow).size());
    std::size_t Drop =
        static_cast<std::size_t>(OffsetFromRowByte(First, DropRow, std::min(DropByte, RowLen)));
    if (DropByte > RowLen) {
        std::size_t Pad = static_cast<std::size_t>(DropByte - RowLen);
        Span.insert(Drop, Pad, ' ');
        if (Drop <= SelFrom) {
            SelFrom += Pad;
            SelTo += Pad;
        }
        Drop += Pad;
    }
    SelTo = std::min(SelTo, Span.size());
    std::string Moved = Span.substr(SelFrom, SelTo - SelFrom);
    Span.erase(SelFrom, SelTo - SelFrom);
    if (Drop > SelFrom) Drop -= Moved.size();
    Span.insert(Drop, Moved);
    const int Base = CaretBaseRow(First);
    const int P = OffsetFromRowByte(Base, First, 0) + static_cast<int>(Drop + Moved.size());
    CaretHide();
    UnderlineSuspend();
    CleanSelection();
    ReplaceRowSpan(First, Last, Span);
    SetCaretByOffset(Base, P);
    UnderlineResume();
    CaretShow();
}

void TEditor::CopySelectionTo(int Row, int Col) {
    std::string Text = SelText();
    CleanSelection();
    SetRowCol(Row, Col);
    SetSelTextBuf(Text);
}
