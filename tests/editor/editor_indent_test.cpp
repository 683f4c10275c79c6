// Shifting selected lines by a space or a tab, in stream and box selections.
#include "support/headless_editor.h"

#include <gtest/gtest.h>

TEST(EditorIndent, StreamShiftsWholeLinesAndReselectsThem) {
    THeadlessEditor D;
    D.Load("l0\r\nl1\r\nl2\r\nline3\r\nl4\r\nl5\r\nl6\r\n");
    D->SetRowCol(3, 2);
    D.Key(vkDown, TShiftState::ssShift);
    D.Key(vkDown, TShiftState::ssShift);
    D.Key(vkDown, TShiftState::ssShift);
    D.Key(vkHome, TShiftState::ssShift);
    ASSERT_EQ(D->SelText(), "ne3\r\nl4\r\nl5\r\n");
    D->IndentSelection();
    EXPECT_EQ(D.Text(), "l0\r\nl1\r\nl2\r\n line3\r\n l4\r\n l5\r\nl6\r\n")
        << "the row the selection ends on at column 0 is not shifted";
    EXPECT_EQ(D->SelText(), " line3\r\n l4\r\n l5\r\n");
    EXPECT_EQ(D.Pos(), "6,0");
    EXPECT_EQ(D->RowList().UndoObj().UndoCount(), 1) << "one undo step";
    D.Key(vkUp, TShiftState::ssShift);
    EXPECT_EQ(D->SelText(), " line3\r\n l4\r\n") << "extending keeps the first line";
    D->UnindentSelection();
    D->UnindentSelection();
    EXPECT_EQ(D.Text(), "l0\r\nl1\r\nl2\r\nline3\r\nl4\r\n l5\r\nl6\r\n")
        << "lines at the margin stay";

    D.Load("a\r\nb");
    D->SelectAll();
    D->TabIndentSelection();
    EXPECT_EQ(D.Text(), "\ta\r\n\tb");
    EXPECT_EQ(D->SelText(), "\ta\r\n\tb") << "a last row without line break is selected to its end";
    D->UnTabIndentSelection();
    EXPECT_EQ(D.Text(), "a\r\nb");
    D->CleanSelection();
    D->IndentSelection();
    EXPECT_EQ(D.Text(), "a\r\nb") << "nothing without a selection";
}

TEST(EditorIndent, SpacesExpandTabsTabsKeepThem) {
    THeadlessEditor D;
    D->Caret().SetTabSpaceCount(4);
    D.Load("\tx\r\n");
    D->SelectAll();
    D->IndentSelection();
    EXPECT_EQ(D.Text(), "     x\r\n");
    D.Load("\tx\r\n");
    D->SelectAll();
    D->TabIndentSelection();
    EXPECT_EQ(D.Text(), "\t\tx\r\n");
    D.Load("\tx\r\n");
    D->SelectAll();
    D->UnindentSelection();
    EXPECT_EQ(D.Text(), "   x\r\n") << "the tab is expanded first, then one space goes";
}

TEST(EditorIndent, WrappedLinesShiftOnceAndNotInABox) {
    THeadlessEditor D;
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    std::string Long(30, 'w');
    D.Load(Long + "\r\nshort\r\n");
    ASSERT_EQ(D->RowList().GetRowAttribute(0), TEditorRowAttribute::raWrapped);
    D->SelectAll();
    D->IndentSelection();
    EXPECT_EQ(D->Lines().Get(0), " " + Long) << "one space at the first row of the line";
    EXPECT_EQ(D->Lines().Get(1), " short");

    D.Load(Long + "\r\nshort\r\nother\r\n");
    D->SetBoxMode(true);
    D->SetRowCol(0, 2);
    D->StartSelection();
    D->SetRowCol(3, 4);
    D->ExtendSelection();
    D->IndentSelection();
    EXPECT_EQ(D.Text(), Long + "\r\nsh ort\r\not her\r\n")
        << "rows of a wrapped line are left; single-row lines shift at the left edge";
    EXPECT_TRUE(D->Selected()) << "the block stays";
    EXPECT_EQ(D->BlockLeftCol(), 2);
    D->UnindentSelection();
    EXPECT_EQ(D.Text(), Long + "\r\nshort\r\nother\r\n");
}

TEST(EditorIndent, BoxLeftEdgeOnCutCharactersAndTheWrapLimit) {
    THeadlessEditor D;
    D->Caret().SetTabSpaceCount(4);
    D.Load("xあい\r\nab\tc\r\nabcdef");
    D->SetBoxMode(true);
    D->SetRowCol(2, 2);
    D->StartSelection();
    D->SetRowCol(0, 5);
    D->ExtendSelection();
    D->TabIndentSelection();
    EXPECT_EQ(D.Text(), "xあ\tい\r\nab\t\tc\r\nab\tcdef")
        << "an edge on a trail column moves past the character";
}
