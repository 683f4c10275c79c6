#include "platform/headless/headless_print_canvas.h"
#include "print/print_wrap.h"

#include <gtest/gtest.h>

namespace {

// A single-byte character is 10 pixels wide, a double-byte one 20; tab stops every 80.
class PrintWrap : public testing::Test {
protected:
    PrintWrap() {
        Printer.Metrics = {20, 0, 10, true};
        Printer.BeginDoc();
    }
    std::vector<std::string> Rows(const std::string& Line, int Width) {
        TPrintLineLayout Layout(Printer);
        std::vector<std::string> Out;
        for (TPrintRow R : Layout.Wrap(Line, Width))
            Out.push_back(Line.substr(R.Begin, R.End - R.Begin));
        return Out;
    }
    using V = std::vector<std::string>;
    THeadlessPrintCanvas Printer;
};

TEST_F(PrintWrap, AsciiWordsBreakAtSpacesWhichTheBreakSwallows) {
    EXPECT_EQ((V{"aaaa bbbb", "cccc"}), Rows("aaaa bbbb cccc", 90));
    EXPECT_EQ((V{"aaaa", "bbbb cccc"}), Rows("aaaa   bbbb cccc", 90));
    EXPECT_EQ((V{"aaaa bbbb cccc"}), Rows("aaaa bbbb cccc", 140));
    // Leading spaces are the line's own indentation and stay.
    EXPECT_EQ((V{"  ab", "cd"}), Rows("  ab cd", 50));
}

TEST_F(PrintWrap, JapaneseBreaksBetweenAnyTwoCharactersAndNeverInsideOne) {
    EXPECT_EQ((V{"あい", "うえ", "お"}), Rows("あいうえお", 50));
    EXPECT_EQ((V{"abc日", "本"}), Rows("abc日本", 50));
    EXPECT_EQ((V{"日本", "abc"}), Rows("日本abc", 50));
    // Half-width kana break like the double-byte characters.
    EXPECT_EQ((V{"ｱｲｳｴ", "ｵ"}), Rows("ｱｲｳｴｵ", 45));
    // "表" and "ソ" end in the byte of a backslash; they are still one character each.
    EXPECT_EQ((V{"表ソ", "表"}), Rows("表ソ表", 40));
}

TEST_F(PrintWrap, AWordWiderThanTheRowIsCutBetweenCharactersSoNothingIsLost) {
    EXPECT_EQ((V{"abcde", "fgh"}), Rows("abcdefgh", 50));
    EXPECT_EQ((V{"ab", "cdefg", "hij"}), Rows("ab cdefghij", 50));
    // A row narrower than any character still takes one character a row.
    EXPECT_EQ((V{"日", "本", "a"}), Rows("日本a", 0));
    EXPECT_EQ((V{"a", "b"}), Rows("ab", -30));
    // Spaces wider than the row end it; those at the break are swallowed as ever.
    EXPECT_EQ((V{"   "}), Rows("    ", 30));
    EXPECT_EQ((V{"   ", "x"}), Rows("    x", 30));
}

TEST_F(PrintWrap, TabsRunToStopsEveryEightAverageWidthsFromTheRowStart) {
    EXPECT_EQ((V{"a\tb"}), Rows("a\tb", 90));
    EXPECT_EQ((V{"a\t", "b"}), Rows("a\tb", 85));
    EXPECT_EQ((V{"abcdefg\t", "xy"}), Rows("abcdefg\txy", 90));

    TPrintLineLayout Layout(Printer);
    std::string Line = "a\t日本\tz";
    Layout.PrintRow(100, 7, Line, {0, static_cast<int>(Line.size())});
    const auto& Texts = Printer.LastJob().Pages.back().Texts;
    ASSERT_EQ(3u, Texts.size());
    EXPECT_EQ("a", Texts[0].Text);
    EXPECT_EQ(100, Texts[0].X);
    EXPECT_EQ("日本", Texts[1].Text);
    EXPECT_EQ(180, Texts[1].X);
    EXPECT_EQ("z", Texts[2].Text);
    EXPECT_EQ(260, Texts[2].X);
    EXPECT_EQ(7, Texts[2].Y);
}

TEST_F(PrintWrap, EmptyLineHasNoRowsAndALoneLeadByteIsOneCharacter) {
    EXPECT_TRUE(Rows("", 100).empty());
    std::string Cut = "ab\x93";
    EXPECT_EQ((V{"ab", "\x93"}), Rows(Cut, 20));
}

} // namespace
