// Stream and box selections: offsets, text, the mouse and its box-mode decision, rows in
// the left margin, token selection and the selection events.
#include "editor/parser.h"
#include "support/headless_editor.h"

#include <gtest/gtest.h>

TEST(EditorSelection, OffsetsCountLineBreaksAsTwoAndWrapsAsNone) {
    THeadlessEditor D;
    D.Load("abc\r\nde");
    D->SetSelStart(5);
    EXPECT_EQ(D.Pos(), "1,0");
    D->SetSelStart(4);
    EXPECT_EQ(D.Pos(), "0,3") << "between CR and LF is the end of the row";
    D->SetSelLength(3);
    EXPECT_EQ(D->SelText(), "\r\nd");
    EXPECT_EQ(D->SelStart(), 3);
    EXPECT_EQ(D->SelLength(), 3);
    D->SelectAll();
    EXPECT_EQ(D->SelText(), "abc\r\nde");

    D.Load("abc\r\n");
    D->SelectAll();
    EXPECT_EQ(D->SelText(), "abc\r\n") << "select all takes the final line break too";
    EXPECT_EQ(D.Pos(), "1,0");

    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    D.Load(std::string(25, 'w') + "\r\nz");
    D->SetSelStart(27);
    EXPECT_EQ(D.Pos(), "2,0");
    D->SetSelLength(1);
    EXPECT_EQ(D->SelText(), "z");
    EXPECT_EQ(D->SelStart(), 27);
}

TEST(EditorSelection, BackwardsEqualsForwards) {
    THeadlessEditor D;
    D.Load("row0\r\nrow1 text\r\nrow2\r\nrow3 text\r\n");
    D->SetRowCol(1, 2);
    D.Key(vkDown, TShiftState::ssShift);
    D.Key(vkDown, TShiftState::ssShift);
    std::string Forward = D->SelText();
    D->CleanSelection();
    D->SetRowCol(3, 2);
    D.Key(vkUp, TShiftState::ssShift);
    D.Key(vkUp, TShiftState::ssShift);
    EXPECT_EQ(D->SelStartRow(), 1);
    EXPECT_EQ(D->SelEndRow(), 3);
    EXPECT_EQ(D->SelText(), Forward);
    EXPECT_EQ(Forward, "w1 text\r\nrow2\r\nro");
    D.Key(vkLeft);
    EXPECT_FALSE(D->Selected()) << "a move without Shift ends the selection";
}

TEST(EditorSelection, BoxSliceAtDoubleByteEdges) {
    THeadlessEditor D;
    D->SetBoxMode(true);
    D.Load("bbbbbbbb\r\naあいう\r\ncccccccc");
    // Columns 2 ... 5: on row 1 the left edge cuts あ (columns 1-2), the right edge う (5-6).
    D->SetRowCol(0, 2);
    D->StartSelection();
    D->SetRowCol(2, 6);
    D->ExtendSelection();
    EXPECT_EQ(D->SelText(), "bbbb\r\nいう\r\ncccc\r\n")
        << "a character cut at the left edge is left out, at the right edge taken in";
    EXPECT_EQ(D->SelLength(), 18);
    EXPECT_FALSE(D->IsInSelection(1, 2));
    EXPECT_TRUE(D->IsInSelection(1, 3));
    EXPECT_TRUE(D->IsInSelection(1, 6));
    EXPECT_FALSE(D->IsInSelection(1, 7));
    D->CopyClipboard();
    EXPECT_EQ(D.Clipboard.PlainText, "bbbb\r\nいう\r\ncccc\r\n");
    ASSERT_EQ(D.Clipboard.Formats.size(), 1u);
    EXPECT_EQ(D.Clipboard.Formats[0], "TEditor Box Type");
    EXPECT_EQ(D.Clipboard.FormatData[0], D.Clipboard.PlainText + '\0');
}

TEST(EditorSelection, BoxModeByAltLockAndEscape) {
    THeadlessEditor D;
    int ModeChanges = 0;
    D->OnSelectionModeChange = [&](TEditor*) { ++ModeChanges; };
    D.Load("abcdef\r\nghijkl\r\nmnopqr");
    D.Drag(0, 1, 2, 4, TShiftState::ssAlt);
    EXPECT_TRUE(D->BoxMode());
    EXPECT_EQ(D->SelText(), "bcd\r\nhij\r\nnop\r\n");
    D.Host.Alt = true; // Alt still held while the selection goes
    D.Key(vkLeft);
    EXPECT_FALSE(D->Selected());
    EXPECT_TRUE(D->BoxMode()) << "clearing while Alt is down leaves box mode on";
    D.Host.Alt = false;
    D.Drag(0, 1, 1, 2);
    EXPECT_FALSE(D->BoxMode()) << "a press without Alt decides stream mode";

    D->CleanSelection();
    D->ToggleBoxMode();
    EXPECT_TRUE(D->BoxMode());
    EXPECT_TRUE(D->BoxModeLocked());
    D.Drag(0, 0, 1, 2);
    EXPECT_TRUE(D->BoxMode()) << "a locked box mode survives the press";
    D.Key(vkEscape);
    EXPECT_FALSE(D->Selected());
    D->ToggleBoxMode();
    D.Key(vkEscape);
    EXPECT_FALSE(D->BoxMode()) << "Escape without a selection unlocks box mode";
    EXPECT_GT(ModeChanges, 3);
}

TEST(EditorSelection, MouseThresholdAndEvents) {
    THeadlessEditor D;
    std::vector<bool> Events;
    D->OnSelectionChange = [&](TEditor*, bool S) { Events.push_back(S); };
    D.Load("hello world\r\nsecond");
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(2), D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(2) + 2, D.Y(0)); // less than half a cell
    EXPECT_FALSE(D->Selected());
    D->MouseMove(TShiftState::ssLeft, D.X(5), D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(7), D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(7), D.Y(0) + 3); // same position: the event fires again
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), D.X(7), D.Y(0));
    EXPECT_EQ(D->SelText(), "llo w");
    EXPECT_EQ(Events, (std::vector<bool>{true, true, true}));
    D.Key(vkEscape);
    D.Key(vkEscape);
    EXPECT_EQ(Events, (std::vector<bool>{true, true, true, false}));

    D.Drag(0, 1, 0, 3);
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft | TShiftState::ssShift, D.X(6), D.Y(1));
    D->MouseUp(TMouseButton::mbLeft, TShiftState::ssShift, D.X(6), D.Y(1));
    EXPECT_EQ(D->SelText(), "ello world\r\nsecond") << "Shift+click extends from the anchor";
}

TEST(EditorSelection, MouseCancelledByEscape) {
    THeadlessEditor D;
    D.Load("hello world");
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(0), D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(4), D.Y(0));
    D.Key(vkEscape);
    D->MouseMove(TShiftState::ssLeft, D.X(8), D.Y(0));
    EXPECT_FALSE(D->Selected());
    EXPECT_EQ(D.Pos(), "0,4") << "moves are ignored until the button is released";
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), D.X(8), D.Y(0));
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(1), D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(3), D.Y(0));
    EXPECT_TRUE(D->Selected());
}

TEST(EditorSelection, RowsInTheLeftMargin) {
    THeadlessEditor D;
    D.Load("r0\r\nr1\r\nr2\r\nr3\r\nlast");
    int Margin = D->Margin().Left() - 4;
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, Margin, D.Y(2));
    EXPECT_EQ(D->SelText(), "r2\r\n") << "the whole row with its line end";
    EXPECT_EQ(D.Pos(), "2,0");
    D->MouseMove(TShiftState::ssLeft, Margin, D.Y(0));
    EXPECT_EQ(D->SelText(), "r0\r\nr1\r\nr2\r\n") << "dragging up keeps the anchor row";
    D->MouseMove(TShiftState::ssLeft, Margin, D.Y(3));
    EXPECT_EQ(D->SelText(), "r2\r\nr3\r\n");
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), Margin, D.Y(3));
    EXPECT_FALSE(D->RowSelecting());

    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, Margin, D.Y(4));
    EXPECT_EQ(D->SelText(), "last") << "a last row without line break";
    D->MouseMove(TShiftState::ssLeft, Margin, D.Y(3));
    EXPECT_EQ(D->SelText(), "r3\r\nlast");
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), Margin, D.Y(3));
}

TEST(EditorSelection, TokensUnderAPoint) {
    THeadlessEditor D;
    D.Load("int value = 42;\r\n漢字かな");
    std::string Text;
    TEditorTokenKind Kind = TEditorTokenKind::toEOF;
    ASSERT_TRUE(D->GetTokenAt(D.X(6) + 1, D.Y(0), Text, Kind));
    EXPECT_EQ(Text, "value");
    EXPECT_EQ(Kind, TEditorTokenKind::toAnk);
    D->SelectTokenAt(D.X(13), D.Y(0));
    EXPECT_EQ(D->SelText(), "42");
    D->SelectTokenAt(D.X(1), D.Y(1));
    EXPECT_EQ(D->SelText(), "漢字");
    D->CleanSelection();
    D->SelectTokenAt(D.X(30), D.Y(0)); // beyond the text: nothing
    EXPECT_FALSE(D->Selected());
    EXPECT_FALSE(D->GetTokenAt(D.X(3), D.Y(5), Text, Kind));
}

TEST(EditorSelection, PixelMapping) {
    THeadlessEditor D;
    D.Load("aあb");
    int R, C, B;
    D->PixelToRowCol(D.X(0) + 4, D.Y(0), true, R, C);
    EXPECT_EQ(C, 0) << "the left half of a cell is its left boundary";
    D->PixelToRowCol(D.X(0) + 5, D.Y(0), true, R, C);
    EXPECT_EQ(C, 1);
    D->PixelToRowCol(D.X(0) + 7, D.Y(0), false, R, C);
    EXPECT_EQ(C, 0) << "the cell under the pointer";
    ASSERT_TRUE(D->PosToRowCol(D.X(2), D.Y(0), R, B));
    EXPECT_EQ(B, 1) << "the second column of あ is あ";
    EXPECT_FALSE(D->PosToRowCol(D.X(9), D.Y(0), R, B));
    EXPECT_FALSE(D->PosToRowCol(D->Margin().Left() - 1, D.Y(0), R, B));
    D.Click(0, 2);
    EXPECT_EQ(D.Pos(), "0,1") << "a click on the middle of あ goes before it";
}
