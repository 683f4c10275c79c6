#include <algorithm>
#include "platform/headless/ini_profile_file.h"
#include "platform/headless/memory_file_system.h"
#include "search/search_dialogs.h"
#include "search/search_history.h"
#include "search/search_text.h"

#include <gtest/gtest.h>

TEST(SearchEscapes, ExpandAndReverse) {
    EXPECT_EQ(UnescapeSearchText("a\\nb\\tc\\\\d"), "a\r\nb\tc\\d");
    // Unknown escapes and a final backslash stay as they are.
    EXPECT_EQ(UnescapeSearchText("\\x\\"), "\\x\\");
    EXPECT_EQ(UnescapeSearchText("\\\\n"), "\\n");
    EXPECT_EQ(EscapeSearchText("a\r\nb\tc\\d"), "a\\nb\\tc\\\\d");
    // A CR without LF is dropped.
    EXPECT_EQ(EscapeSearchText("a\rb"), "ab");
    for (const char* Text : {"x\r\n\r\n\ty", "\\\\n", "表n", "ソ\\t"})
        EXPECT_EQ(UnescapeSearchText(EscapeSearchText(Text)), Text) << Text;
}

TEST(SearchEscapes, SecondByteBackslashIsNoEscape) {
    // 表 and ソ end in the byte 0x5C: "表n" is no line break, and needs no escaping.
    EXPECT_EQ(UnescapeSearchText("表n"), "表n");
    EXPECT_EQ(EscapeSearchText("表ソ"), "表ソ");
    bool Escaped = true;
    EXPECT_EQ(SelectionToSearchText("表示", Escaped), "表示");
    EXPECT_FALSE(Escaped);
}

TEST(SearchEscapes, SelectionToSearchText) {
    bool Escaped = false;
    EXPECT_EQ(SelectionToSearchText("a\tb", Escaped), "a\\tb");
    EXPECT_TRUE(Escaped);
    EXPECT_EQ(SelectionToSearchText("plain", Escaped), "plain");
    EXPECT_FALSE(Escaped);
    EXPECT_EQ(SelectionToSearchText(std::string(300, 'x'), Escaped).size(), 250u);
    // Byte 250 a CR: the line break is not cut in two.
    std::string Long = std::string(249, 'x') + "\r\nyy";
    EXPECT_EQ(SelectionToSearchText(Long, Escaped), std::string(249, 'x'));
    EXPECT_FALSE(Escaped);
}

TEST(SearchHistory, StoredBetweenPercentSigns) {
    TMemoryFileSystem Files;
    TIniProfileFile Ini(Files, "C:\\Z.INI");
    WriteSearchHistory(Ini, SearchTextSection, {"  both ends  ", "x"});
    EXPECT_EQ(Ini.ReadString("SearchText", "Item0", ""), "%  both ends  %");
    EXPECT_EQ(ReadSearchHistory(Ini, SearchTextSection),
              (std::vector<std::string>{"  both ends  ", "x"}));
    // Items too short to hold the wrapping read empty; no more than 32 are read.
    Ini.WriteString("SearchText", "ItemCount", "40");
    Ini.WriteString("SearchText", "Item1", "%");
    auto Items = ReadSearchHistory(Ini, SearchTextSection);
    EXPECT_EQ(Items.size(), 32u);
    EXPECT_EQ(Items[1], "");
    // An empty list leaves no section.
    WriteSearchHistory(Ini, SearchTextSection, {});
    EXPECT_EQ(Ini.ReadString("SearchText", "ItemCount", "none"), "none");
}

TEST(SearchHistory, NewestFirstWithoutDuplicatesAtMost32) {
    std::vector<std::string> Items;
    for (int I = 0; I < 33; ++I) AddToSearchHistory(Items, "t" + std::to_string(I));
    ASSERT_EQ(Items.size(), 32u);
    EXPECT_EQ(Items.front(), "t32");
    EXPECT_EQ(Items.back(), "t1"); // the oldest dropped
    AddToSearchHistory(Items, "t5");
    EXPECT_EQ(Items.size(), 32u);
    EXPECT_EQ(Items.front(), "t5");
    EXPECT_EQ(std::count(Items.begin(), Items.end(), "t5"), 1);
    // Case counts.
    AddToSearchHistory(Items, "T5");
    EXPECT_EQ(Items[1], "t5");
}

TEST(SearchPlacement, DialogKeptInsideWorkArea) {
    const TWindowRect Work{0, 0, 1024, 738};
    TWindowRect R = FitToWorkArea({1000, 700, 1300, 900}, Work);
    EXPECT_EQ(R.Left, 724);
    EXPECT_EQ(R.Top, 538);
    EXPECT_EQ(R.Width(), 300);
    R = FitToWorkArea({10, 20, 310, 220}, Work);
    EXPECT_EQ(R.Left, 10);
    EXPECT_EQ(R.Top, 20);
}

TEST(SearchPlacement, ConfirmBoxNextToCaret) {
    int Left = 0, Top = 0;
    ConfirmBoxOrigin(100, 300, 16, 200, 80, 1024, Left, Top);
    EXPECT_EQ(Left, 102);
    EXPECT_EQ(Top, 300 - 80 - 16);
    // Near the top it goes below the caret's row, near the right edge against it.
    ConfirmBoxOrigin(900, 50, 16, 200, 80, 1024, Left, Top);
    EXPECT_EQ(Top, 66);
    EXPECT_EQ(Left, 1024 - 200 - 4);
}
