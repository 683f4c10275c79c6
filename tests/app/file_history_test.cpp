#include "app/file_history.h"

#include "app/menu/menu_item.h"

#include <gtest/gtest.h>

namespace {

const int HistoryCommand = 7;

struct HistoryMenu : ::testing::Test {
    TMenuItem Menu;
    TFileHistory History{Menu, HistoryCommand};
    HistoryMenu() {
        Menu.AddSeparator("N2");
        Menu.Add("mFileHisDel", "履歴をクリア(&C)");
        History.Build({});
    }
    std::string Path(int I) { return "C:\\doc\\" + std::to_string(I) + ".txt"; }
};

} // namespace

TEST_F(HistoryMenu, EmptyHistoryShowsOneDisabledItem) {
    ASSERT_EQ(3, Menu.Count());
    EXPECT_EQ("(なし)", Menu[0].Caption);
    EXPECT_FALSE(Menu[0].Enabled);
    EXPECT_FALSE(History.FirstItemEnabled());
    EXPECT_TRUE(History.Paths().empty());
    EXPECT_FALSE(History.Add(""));
    EXPECT_EQ("(なし)", Menu[0].Caption);
}

TEST_F(HistoryMenu, EleventhFilePushesTheOldestOutAndTheTenthIsNumberedZero) {
    for (int I = 1; I <= 11; ++I) History.Add(Path(I));
    ASSERT_EQ(10, History.Count());
    EXPECT_EQ(Path(11), History.Paths().front());
    EXPECT_EQ(Path(2), History.Paths().back());
    EXPECT_EQ("&1: " + Path(11), Menu[0].Caption);
    EXPECT_EQ("&9: " + Path(3), Menu[8].Caption);
    EXPECT_EQ("&0: " + Path(2), Menu[9].Caption);
    EXPECT_EQ(Path(2), Menu[9].Hint);
    EXPECT_EQ("N2", Menu[10].Name);
}

TEST_F(HistoryMenu, ReopeningMovesTheEntryToTheTopIgnoringCase) {
    History.Add("C:\\Doc\\a.txt");
    History.Add("C:\\Doc\\b.txt");
    History.Add("c:\\DOC\\A.TXT");
    EXPECT_EQ(std::vector<std::string>({"c:\\DOC\\A.TXT", "C:\\Doc\\b.txt"}), History.Paths());
    EXPECT_EQ("&2: C:\\Doc\\b.txt", Menu[1].Caption);
    // ア (83 41) and ヂ (83 61) differ only in a trail byte that looks like a letter.
    History.Add("C:\\ア.txt");
    History.Add("C:\\ヂ.txt");
    EXPECT_EQ(4, History.Count());
}

TEST_F(HistoryMenu, BuildTakesTenAndRemovingTheLastBringsBackNone) {
    std::vector<std::string> Twelve;
    for (int I = 0; I < 12; ++I) Twelve.push_back(Path(I));
    History.Build(Twelve);
    EXPECT_EQ(10, History.Count());
    History.Build({Path(1)});
    History.Remove(0);
    EXPECT_EQ(0, History.Count());
    EXPECT_EQ("(なし)", Menu[0].Caption);
    EXPECT_EQ(3, Menu.Count());
    History.Remove(0); // nothing to remove: the "(なし)" item stays
    EXPECT_EQ(3, Menu.Count());
}
