// TEditor: shifting the selected lines by a space or a tab.  A stream selection shifts
// whole logical lines at their first row and re-selects them; a box selection shifts the
// single-row lines it covers at its left edge and keeps its block.  The space operations
// store every row they touch with its tabs expanded.
#include "editor/editor.h"

#include <algorithm>

namespace {

// Applies one unit of indentation to a working text at byte Pos: inserts it, or removes
// the byte there when it is the unit.  False when nothing changed.
bool ShiftAt(std::string& Text, std::size_t Pos, bool Tab, bool Indent) {
    const char Unit = Tab ? '\t' : ' ';
    if (Indent) {
        Text.insert(Pos, 1, Unit);
        return true;
    }
    if (Pos < Text.size() && Text[Pos] == Unit) {
        Text.erase(Pos, 1);
        return true;
    }
    return false;
}

} // namespace

void TEditor::IndentSelection() {
    ShiftStreamOrBox(false, true);
}
void TEditor::UnindentSelection() {
    ShiftStreamOrBox(false, false);
}
void TEditor::TabIndentSelection() {
    ShiftStreamOrBox(true, true);
}
void TEditor::UnTabIndentSelection() {
    ShiftStreamOrBox(true, false);
}

void TEditor::ShiftStreamOrBox(bool Tab, bool Indent) {
    if (!Selected() || RowCount() == 0) return;
    if (FBoxMode)
        ShiftBox(Tab, Indent);
    else
        ShiftStream(Tab, Indent);
}

std::string TEditor::WorkingText(int Row, bool Tab) {
    if (Tab) return RowString(Row);
    return ExpandTabs(RowString(Row), FCaret.TabSpaceCount(), WordWrap(), WrapOption().WrapByte());
}

void TEditor::ShiftStream(bool Tab, bool Indent) {
    const int N = RowCount();
    const bool CaretAtStart = FRow == FSelStartRow && FCol == FSelStartByte;
    const int Start = FList->FirstRowOfLine(std::min(FSelStartRow, N - 1));
    int End = FSelEndRow;
    if (FSelEndByte == -1) End = std::max(Start, FSelEndRow - 1);
    End = FList->LastRowOfLine(std::min(End, N - 1));

    std::string New;
    for (int R = Start; R <= End; ++R) {
        std::string W = WorkingText(R, Tab);
        if (R == 0 || RowAttribute(R - 1) != TEditorRowAttribute::raWrapped)
            ShiftAt(W, 0, Tab, Indent);
        New += W;
        FList->AppendLineBreak(R, New);
    }
    FKeepSelection = true;
    FList->ReplaceRows(Start, End - Start + 1, New);
    FKeepSelection = false;
    const int NewEnd = End + (RowCount() - N);

    // The shifted lines are selected whole, from column 0 of the first to column 0 of the
    // row after the last (or the end of a last row without line break).  The anchor is
    // the end away from the caret, so that extending the selection keeps the lines.
    FBoxMode = false;
    FBlockTopRow = Start;
    FBlockLeftCol = 0;
    int EndByte;
    if (RowAttribute(NewEnd) != TEditorRowAttribute::raEof) {
        FBlockBottomRow = NewEnd + 1;
        FBlockRightCol = 0;
        EndByte = 0;
    } else {
        FBlockBottomRow = NewEnd;
        FBlockRightCol = RowWidth(NewEnd);
        EndByte = static_cast<int>(RowString(NewEnd).size());
    }
    FSelStartRow = Start;
    FSelStartByte = 0;
    FSelEndRow = FBlockBottomRow;
    FSelEndByte = EndByte - 1;
    if (CaretAtStart) {
        FAnchorRow = FBlockBottomRow;
        FAnchorByte = EndByte;
        FAnchorCol = FBlockRightCol;
    } else {
        FAnchorRow = Start;
        FAnchorByte = 0;
        FAnchorCol = 0;
    }
    FPrevBlock = TBlock{FBlockTopRow, FBlockBottomRow, FBlockLeftCol, FBlockRightCol};
    InvalidateRows(FBlockTopRow, FBlockBottomRow);
    if (CaretAtStart)
        MoveCaret(Start, 0);
    else
        MoveCaret(FBlockBottomRow, FBlockRightCol);
}

void TEditor::ShiftBox(bool Tab, bool Indent) {
    const int N = RowCount();
    const int Top = FBlockTopRow;
    const int Bottom = std::min(FBlockBottomRow, N - 1);
    if (Top > Bottom) return;
    const bool Wrap = WordWrap();
    const int WrapByte = WrapOption().WrapByte();
    const int TabCount = FCaret.TabSpaceCount();
    std::string New;
    std::string Map;
    for (int R = Top; R <= Bottom; ++R) {
        std::string W = WorkingText(R, Tab);
        bool SingleRowLine = RowAttribute(R) != TEditorRowAttribute::raWrapped &&
                             (R == 0 || RowAttribute(R - 1) != TEditorRowAttribute::raWrapped);
        BuildColumnMap(W.data(), static_cast<int>(W.size()), TabCount, Wrap, WrapByte, Map, 0,
                       &Delimiters());
        const int P = LeftEdgeByte(Map, FBlockLeftCol, static_cast<int>(W.size()));
        bool Fits = true;
        if (Wrap && Indent)
            Fits = Tab ? ExpandedWidth(W, TabCount, Wrap, WrapByte) < WrapByte - TabCount
                       : static_cast<int>(W.size()) < WrapByte - 1;
        if (P < static_cast<int>(W.size()) && SingleRowLine && Fits)
            ShiftAt(W, static_cast<std::size_t>(P), Tab, Indent);
        New += W;
        FList->AppendLineBreak(R, New);
    }
    FKeepSelection = true;
    FList->ReplaceRows(Top, Bottom - Top + 1, New);
    FKeepSelection = false;
    // The block stays; the caret only steps off a character or tab the shift moved under it.
    SetColDir(FCol, -1);
}
