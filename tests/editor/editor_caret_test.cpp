// Caret positions, the column adjustment, the navigation keys, word moves, flat offsets
// and when the caret is placed and OnCaretMoved fires.
#include "editor/parser.h"
#include "support/headless_editor.h"

#include <gtest/gtest.h>

namespace {

// A wrapped document: "abcdefghijklmnopqrstuvwxy" at WrapByte 20 is two rows.
void WrapAt20(THeadlessEditor& D, const std::string& Text) {
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    D.Load(Text);
}

} // namespace

TEST(EditorCaret, WrappedRowEndsBeforeItsLastCharacter) {
    THeadlessEditor D;
    D->Caret().SetFreeCaret(false);
    WrapAt20(D, "abcdefghijklmnopqrstuvwxy\r\nz");
    ASSERT_EQ(D->RowList().GetRowAttribute(0), TEditorRowAttribute::raWrapped);
    int W = D->RowWidth(0);
    D->SetCol(W - 1);
    D.Key(vkRight);
    EXPECT_EQ(D.Pos(), "1,0") << "Right on the last character of a wrapped row";
    D->SetRowCol(0, 3);
    D.Key(vkEnd);
    EXPECT_EQ(D.Pos(), "0," + std::to_string(W - 1)) << "End stops on the last character";
    D->SetRowCol(1, 0);
    D.Key(vkLeft);
    EXPECT_EQ(D->Row(), 0) << "Left at column 0 of a continuation row stays in the line";
    D->SetRowCol(2, 0);
    D.Key(vkLeft);
    EXPECT_EQ(D.Pos(), "2,0") << "NextLine off: no move into the previous line";
    D->Caret().SetNextLine(true);
    D.Key(vkLeft);
    EXPECT_EQ(D.Pos(), "1,5");
    D.Key(vkRight);
    EXPECT_EQ(D.Pos(), "2,0");
}

TEST(EditorCaret, KeepCaretRemembersTheColumnUntilAHorizontalMove) {
    THeadlessEditor D;
    D->Caret().SetFreeCaret(false);
    D->Caret().SetKeepCaret(true);
    D.Load(std::string(25, 'a') + "\r\nabcde\r\n" + std::string(30, 'b') + "\r\n" +
           std::string(30, 'c'));
    D->SetRowCol(0, 20);
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "1,5");
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "2,20");
    D.Key(vkUp);
    D.Key(vkLeft);
    EXPECT_EQ(D.Pos(), "1,4");
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "2,4") << "the horizontal move forgot column 20";

    THeadlessEditor N; // without KeepCaret the clamped column stays
    N->Caret().SetFreeCaret(false);
    N.Load(std::string(25, 'a') + "\r\nabcde\r\n" + std::string(30, 'b'));
    N->SetRowCol(0, 20);
    N.Keys(vkDown, 2);
    EXPECT_EQ(N.Pos(), "2,5");
}

TEST(EditorCaret, NeverOnATrailColumnOrInsideATabFill) {
    THeadlessEditor D;
    D->Caret().SetTabSpaceCount(4);
    D.Load("\tx\r\nあいう");
    D.Key(vkRight);
    EXPECT_EQ(D.Pos(), "0,4");
    D.Key(vkLeft);
    EXPECT_EQ(D.Pos(), "0,0");
    D->SetCol(2);
    EXPECT_EQ(D.Pos(), "0,4") << "moving right out of a fill jumps past the tab";
    D->SetCol(3);
    EXPECT_EQ(D.Pos(), "0,0") << "moving left into a fill lands on the tab";
    D->Caret().SetInTab(true);
    D->SetCol(2);
    EXPECT_EQ(D.Pos(), "0,2") << "with InTab the fill is a caret place";

    D->SetRowCol(1, 0);
    D->SetCol(3);
    EXPECT_EQ(D.Pos(), "1,4") << "moving right onto a trail column passes the character";
    D->SetCol(1);
    EXPECT_EQ(D.Pos(), "1,0") << "moving left onto it goes to its start";
    D->SetRowCol(1, 5);
    EXPECT_EQ(D.Pos(), "1,4") << "SetRowCol moves back to the character start";
    D->SetRowCol(0, 0);
    D.Key(vkDown);
    D->SetRowCol(0, 3);
    D->Caret().SetInTab(false);
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "1,2") << "a vertical move onto a trail column steps back";
}

TEST(EditorCaret, CtrlEndAndTheEmptyPositionAfterAFinalLineBreak) {
    THeadlessEditor D;
    D.Load("ab\r\ncde");
    D.Key(vkEnd, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "1,3");
    D.Load("ab\r\ncde\r\n");
    D.Key(vkEnd, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "2,0");
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "2,0") << "nothing below the text";
    D.Key(vkHome, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,0");
    D->SetRow(99);
    EXPECT_EQ(D->Row(), 2);
    D.Load("ab");
    D->SetRow(5);
    EXPECT_EQ(D->Row(), 0) << "a last row without line break has no row after it";

    THeadlessEditor E; // an empty text keeps the caret at (0, 0)
    E.Key(vkDown);
    E.Key(vkRight);
    E.Key(vkEnd, TShiftState::ssCtrl);
    EXPECT_EQ(E.Pos(), "0,0");
}

TEST(EditorCaret, VerticalMovesPagesAndAutoRepeatScrolling) {
    THeadlessEditor D;
    D->SetBounds(400, 16 * 10 + 2 + 5 + 16); // 10 visible rows
    ASSERT_EQ(D->VisibleRows(), 10);
    std::string Text;
    for (int I = 0; I < 100; ++I)
        Text += "line" + std::to_string(I) + "\r\n";
    D.Load(Text);
    D->SetRow(50);
    EXPECT_EQ(D->TopRow(), 41) << "the view follows the caret down";
    D->SetRow(20);
    EXPECT_EQ(D->TopRow(), 20);
    D.Key(vkUp, TShiftState(), true);
    EXPECT_EQ(D.Pos(), "18,0") << "a repeated Up on the top row moves two rows";
    EXPECT_EQ(D->TopRow(), 18);
    D.Key(vkDown);
    EXPECT_EQ(D.Pos(), "19,0");
    D.Key(vkNext);
    EXPECT_EQ(D->TopRow(), 27);
    EXPECT_EQ(D.Pos(), "28,0") << "a page move keeps the caret's place on the screen";
    D.Keys(vkPrior, 5);
    EXPECT_EQ(D.Pos(), "0,0");
    D.Key(vkDown, TShiftState::ssCtrl);
    EXPECT_EQ(D->TopRow(), 1);
    EXPECT_EQ(D.Pos(), "1,0") << "Ctrl+Down scrolls and keeps the caret in view";
}

TEST(EditorCaret, WordMovesStopAtTokenStartsAndLineEnds) {
    THeadlessEditor D;
    D.Load("foo = bar(1);\r\nnext");
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,6") << "the symbol '=' is no word start";
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,10");
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,13") << "no word start left: end of the row";
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "1,0");
    D.Key(vkLeft, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,13") << "the end of the previous line is a stop";
    D.Key(vkLeft, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,10");
    D.Key(vkEnd, TShiftState::ssCtrl);
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "1,4") << "the end of a text without final line break stays put";
    D.Load("漢字かなabc");
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "0,4") << "kanji and hiragana are tokens of their own";
}

// Far below the last row whose colouring state is known, a comment that began above
// is still a comment: word moves and token selection see what the screen shows.
TEST(EditorCaret, WordsOnRowsWithoutAComputedStateFollowTheCommentAbove) {
    THeadlessEditor D;
    TEditorBracketItem* Comment = D->View().Brackets().Add();
    Comment->SetLeftBracket("/*");
    Comment->SetRightBracket("*/");
    std::string Text = "/*\r\n";
    for (int I = 0; I < 300; ++I)
        Text += "a\r\n";
    Text += "x y */ z\r\n";
    D.Load(Text);
    ASSERT_EQ(D->RowList().GetRowState(301), RowStateNotComputed);
    D->SetRowCol(301, 0);
    D.Key(vkRight, TShiftState::ssCtrl);
    EXPECT_EQ(D.Pos(), "301,7") << "'x y */' is one comment token";
    std::string Token;
    TEditorTokenKind Kind = TEditorTokenKind::toEOF;
    D->SetTopRow(295);
    ASSERT_TRUE(D->GetTokenAt(D.X(2), D.Y(301), Token, Kind));
    EXPECT_EQ(Token, "x y */");
    EXPECT_EQ(Kind, TEditorTokenKind::toBracket);
}

TEST(EditorCaret, OffsetsLinesAndLinePositions) {
    THeadlessEditor D;
    WrapAt20(D, "abcdefghijklmnopqrstuvwxy\r\n\tz");
    EXPECT_EQ(D->RowToLine(0), 0);
    EXPECT_EQ(D->RowToLine(1), 0);
    EXPECT_EQ(D->RowToLine(2), 1);
    EXPECT_EQ(D->RowColToLinePos(1, 2), D->RowString(0).size() + 2);
    EXPECT_EQ(D->RowColToLinePos(2, 3), 0) << "inside a tab's fill counts as the tab";
    EXPECT_EQ(D->RowColToLinePos(5, 0), -1);
    EXPECT_EQ(D->RowColToLinePos(0, -1), -1);
    int Len0 = static_cast<int>(D->RowString(0).size());
    EXPECT_EQ(D->OffsetFromRow(0, 1, 0), Len0) << "a soft wrap counts no bytes";
    EXPECT_EQ(D->OffsetFromRow(0, 2, 0), 27) << "a line break counts two";
    EXPECT_EQ(D->OffsetFromRow(2, 1, 5), 0);
    D->SetCaretByOffset(0, Len0);
    EXPECT_EQ(D.Pos(), "1,0") << "a wrapped row's length is column 0 of the next row";
    D->SetCaretByOffset(0, 26);
    EXPECT_EQ(D.Pos(), "1,5") << "between CR and LF is the end of the row";
    D->SetCaretByOffset(0, 28);
    EXPECT_EQ(D.Pos(), "2,8");
}

TEST(EditorCaret, PlacementOnlyWithTheFocusAndOnGainingIt) {
    THeadlessEditor D(false);
    int Moves = 0;
    D->OnCaretMoved = [&](TEditor*) { ++Moves; };
    D->SetBounds(400, 16 * 10 + 2 + 5 + 16);
    std::string Text;
    for (int I = 0; I < 50; ++I)
        Text += "x\r\n";
    D.Load(Text);
    D->SetRow(30);
    EXPECT_EQ(D->Row(), 30);
    EXPECT_EQ(D->TopRow(), 0) << "no scrolling without the focus";
    EXPECT_EQ(Moves, 0);
    EXPECT_FALSE(D.Host.CaretExists);
    D.Host.SetFocus();
    EXPECT_EQ(Moves, 1);
    EXPECT_EQ(D->TopRow(), 0) << "gaining the focus re-creates the caret where it is";
    EXPECT_TRUE(D.Host.CaretExists);
    EXPECT_GT(D.Host.CaretShowLevel, 0);
    D.Key(vkDown);
    EXPECT_EQ(Moves, 2);
    EXPECT_EQ(D->TopRow(), 22);
    D.Host.HasFocus = false;
    D->FocusLost();
    EXPECT_FALSE(D.Host.CaretExists);
}

TEST(EditorCaret, ShapeFollowsStyleOverwriteAndDoubleByteCells) {
    THeadlessEditor D;
    D->Margin().SetCharacter(2);
    D.Load("aあ");
    EXPECT_EQ(D->CharWidth(), 10);
    EXPECT_EQ(D.Host.CaretWidth, 2);
    EXPECT_EQ(D.Host.CaretHeight, 16);
    D->SetOverwrite(true);
    D->SetCol(1);
    EXPECT_EQ(D.Host.CaretWidth, 16) << "a block over both cells of a double-byte character";
    D->SetOverwrite(false);
    D->Caret().SetStyle(TEditorCaretStyle::csBrief);
    EXPECT_EQ(D.Host.CaretWidth, 16);
    EXPECT_EQ(D.Host.CaretHeight, 2);
    EXPECT_EQ(D.Host.CaretY, D->Margin().Top() + 16 - 2);
    EXPECT_EQ(D.Host.CaretX, D->Margin().Left() + 10);
}
