#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/random_text.h"
#include "codec/width_convert.h"

namespace {

TEST(HankakuToZenkaku, LettersDigitsSymbols) {
    EXPECT_EQ("ＡＢＣ１２３", HankakuToZenkaku("ABC123"));
    EXPECT_EQ("ａｚ", HankakuToZenkaku("az"));
    EXPECT_EQ("\x81\x40", HankakuToZenkaku(" "));
    EXPECT_EQ("￥", HankakuToZenkaku("\\"));
    EXPECT_EQ("￣", HankakuToZenkaku("~"));
    EXPECT_EQ("「ー」、。・", HankakuToZenkaku("｢ｰ｣､｡･"));
    // Control bytes and bytes no table knows stay as they are.
    EXPECT_EQ("\t\r\n\x7F\x80\xA0\xFD\xFF", HankakuToZenkaku("\t\r\n\x7F\x80\xA0\xFD\xFF"));
    // Double-byte characters are copied whole, even where the trail byte is ASCII.
    EXPECT_EQ("表\\漢", HankakuToZenkaku("表\\漢").substr(0, 2) + "\\漢");
    EXPECT_EQ("表￥漢", HankakuToZenkaku("表\\漢"));
    EXPECT_EQ("ソ", HankakuToZenkaku("ソ"));
}

TEST(HankakuToZenkaku, KanaAndMarks) {
    EXPECT_EQ("ガギパマ", HankakuToZenkaku("ｶﾞｷﾞﾊﾟﾏ"));
    EXPECT_EQ("ウ゛", HankakuToZenkaku("ｳﾞ"));
    EXPECT_EQ("ナ゛", HankakuToZenkaku("ﾅﾞ"));
    EXPECT_EQ("カ゜", HankakuToZenkaku("ｶﾟ"));
    EXPECT_EQ("ﾞ", HankakuToZenkaku("ﾞ"));
    EXPECT_EQ("ーﾞ", HankakuToZenkaku("ｰﾞ"));
    EXPECT_EQ("ヲァッン", HankakuToZenkaku("ｦｧｯﾝ"));
    EXPECT_EQ("ボポ", HankakuToZenkaku("ﾎﾞﾎﾟ"));
}

TEST(ZenkakuToHankaku, KanaSymbolsLetters) {
    EXPECT_EQ("ｶﾞｯｺｳ", ZenkakuToHankaku("がっこう"));
    EXPECT_EQ("ﾊﾟﾝ", ZenkakuToHankaku("パン"));
    EXPECT_EQ("ｵｵ", ZenkakuToHankaku("ヲを"));
    EXPECT_EQ("ﾜﾜｲｴｶｹｳﾞ", ZenkakuToHankaku("ゎヮヰヱヵヶヴ"));
    EXPECT_EQ("漢字", ZenkakuToHankaku("漢字"));
    EXPECT_EQ("ABC123az", ZenkakuToHankaku("ＡＢＣ１２３ａｚ"));
    EXPECT_EQ(" \\~｢ｰ｣", ZenkakuToHankaku("　￥￣「ー」"));
    // Bytes of 刀 and 吹 straddle two symbol entries; they are no symbols.
    EXPECT_EQ("\x93\x81\x90\x81", ZenkakuToHankaku("\x93\x81\x90\x81"));
    EXPECT_EQ("αβ┌", ZenkakuToHankaku("αβ┌"));
}

TEST(WidthConversion, CutOffAndDamagedPairs) {
    EXPECT_EQ("Ａ\x82", HankakuToZenkaku("A\x82"));
    EXPECT_EQ("A\x82", ZenkakuToHankaku("Ａ\x82"));
    // A lead byte before a line end does not take the line end as its trail.
    EXPECT_EQ("\x82\r\n", ZenkakuToHankaku("\x82\r\n"));
    EXPECT_EQ("\x82\r\n", HankakuToZenkaku("\x82\r\n"));
    // Hiragana and katakana cells that JIS X 0208 leaves empty (above 0x76).
    const std::string emptyCell = "\x83\x97\x83\x9E";
    EXPECT_EQ(emptyCell, ZenkakuToHankaku(emptyCell));
}

TEST(WidthConversion, EveryHalfWidthCharacterComesBack) {
    for (int b = 0x20; b <= 0xDF; ++b) {
        std::string half(1, static_cast<char>(b));
        std::string full = HankakuToZenkaku(half);
        if (full != half && b != 0xA6) { // ｦ comes back as ｵ
            EXPECT_EQ(half, ZenkakuToHankaku(full)) << b;
        }
    }
    for (const char* voiced : {"ｶﾞ", "ﾄﾞ", "ﾊﾞ", "ﾎﾟ"})
        EXPECT_EQ(voiced, ZenkakuToHankaku(HankakuToZenkaku(voiced)));
    EXPECT_EQ("ｳ゛", ZenkakuToHankaku(HankakuToZenkaku("ｳﾞ")));
}

// Whole Shift_JIS characters: ASCII, half-width kana and marks, any JIS X 0208 code.
std::string RandomSjisText(std::mt19937& rng, int Length) {
    std::uniform_int_distribution<int> kind(0, 3), ascii(0x20, 0x7E), kana(0xA1, 0xDF),
        jis(0x21, 0x7E);
    std::string s;
    for (int i = 0; i < Length; ++i) {
        int k = kind(rng);
        if (k == 0) {
            s += static_cast<char>(ascii(rng));
        } else if (k == 1) {
            s += static_cast<char>(kana(rng));
        } else {
            unsigned short code = static_cast<unsigned short>(
                ((k == 2 ? 0x21 + jis(rng) % 5 : jis(rng)) << 8) | jis(rng));
            unsigned short sj = JisToSjisCode(code);
            s += static_cast<char>(sj >> 8);
            s += static_cast<char>(sj & 0xFF);
        }
    }
    return s;
}

TEST(WidthConversion, ConvertingTwiceChangesNothingMore) {
    std::mt19937 rng(9);
    for (int round = 0; round < 3000; ++round) {
        std::string s = RandomSjisText(rng, 1 + round % 30);
        std::string full = HankakuToZenkaku(s), half = ZenkakuToHankaku(s);
        ASSERT_EQ(full, HankakuToZenkaku(full)) << round;
        ASSERT_EQ(half, ZenkakuToHankaku(half)) << round;
    }
    // Damaged input is never read past its end.
    for (int round = 0; round < 3000; ++round) {
        std::string s = RandomKanjiText(rng, 1 + round % 30);
        EXPECT_LE(HankakuToZenkaku(s).size(), 2 * s.size());
        EXPECT_LE(ZenkakuToHankaku(s).size(), s.size());
    }
}

TEST(SjisJisCode, SixteenBitForms) {
    EXPECT_EQ(0x889F, JisToSjisCode(0x3021));
    EXPECT_EQ(0x3021, SjisToJisCode(0x889F));
    EXPECT_EQ(0x8140, JisToSjisCode(0x2121));
    for (unsigned j = 0x2121; j <= 0x7E7E; ++j) {
        if ((j & 0xFF) >= 0x21 && (j & 0xFF) <= 0x7E) {
            ASSERT_EQ(j, SjisToJisCode(JisToSjisCode(static_cast<unsigned short>(j))));
        }
    }
}

} // namespace
