#include "editor/editor_prop.h"
#include "editor/word_list.h"

#include <gtest/gtest.h>

TEST(WordList, SortedCaseInsensitiveWithoutDuplicates) {
    TWordList L;
    int Changes = 0;
    L.OnChange = [&] { ++Changes; };
    L.Add("while");
    L.Add("Break");
    L.Add("WHILE");
    L.Add("case");
    EXPECT_EQ(L.Count(), 3);
    EXPECT_EQ(L.Text(), "Break\r\ncase\r\nwhile\r\n");
    EXPECT_EQ(Changes, 3);
    EXPECT_TRUE(L.Contains("BREAK"));
    EXPECT_TRUE(L.Contains("While"));
    EXPECT_FALSE(L.Contains("whil"));
    EXPECT_FALSE(L.Contains(""));
    // Double-byte words compare byte by byte; a trail byte in the letter range is not folded
    // into another word.
    L.Add("\x83\x61");
    EXPECT_FALSE(L.Contains("\x83\x41"));
}

TEST(WordList, TextReadsOneWordPerLineAndNotifiesOnce) {
    TWordList L;
    int Changes = 0;
    L.OnChange = [&] { ++Changes; };
    L.SetText("int\r\n\r\nchar\nint\rvoid");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(L.Text(), "char\r\nint\r\nvoid\r\n");
}

TEST(EditorProp, DefaultsAndAssignCopiesEverything) {
    TEditorProp A;
    EXPECT_EQ(A.Color(), clWindow);
    EXPECT_EQ(A.Font().Name(), "FixedSys");
    EXPECT_EQ(A.Font().Color(), clWindowText);
    EXPECT_EQ(A.ScrollBars(), TScrollStyle::ssNone);
    EXPECT_FALSE(A.WordWrap());

    TEditorProp B;
    B.SetColor(clWhite);
    B.Caret().SetTabSpaceCount(4);
    B.Font().SetName("\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");
    B.Margin().SetLeft(30);
    B.Marks().EofMark().SetVisible(true);
    B.ReserveWordList().Add("return");
    B.SetScrollBars(TScrollStyle::ssBoth);
    B.View().Brackets().Add()->SetLeftBracket("/*");
    B.SetWordWrap(true);
    B.WrapOption().SetWrapByte(60);

    int ColorCalls = 0, ScrollCalls = 0, WrapCalls = 0;
    A.OnColorChanged = [&] { ++ColorCalls; };
    A.OnScrollBarsChanged = [&] { ++ScrollCalls; };
    A.OnWordWrapChanged = [&] { ++WrapCalls; };
    A.Assign(B);
    EXPECT_EQ(A.Color(), clWhite);
    EXPECT_EQ(A.Caret().TabSpaceCount(), 4);
    EXPECT_EQ(A.Font().Name(), B.Font().Name());
    EXPECT_EQ(A.Margin().Left(), 30);
    EXPECT_TRUE(A.Marks().EofMark().Visible());
    EXPECT_TRUE(A.ReserveWordList().Contains("RETURN"));
    EXPECT_EQ(A.ScrollBars(), TScrollStyle::ssBoth);
    EXPECT_EQ(A.View().Brackets().Count(), 1);
    EXPECT_TRUE(A.WordWrap());
    EXPECT_EQ(A.WrapOption().WrapByte(), 60);
    EXPECT_EQ(ColorCalls + ScrollCalls + WrapCalls, 3);
    // The sets stay independent after copying.
    B.WrapOption().SetWrapByte(100);
    EXPECT_EQ(A.WrapOption().WrapByte(), 60);
    A.Assign(B);
    EXPECT_EQ(ColorCalls + ScrollCalls + WrapCalls, 3); // nothing of those changed again
}
