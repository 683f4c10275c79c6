#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/kanji_convert.h"
#include "codec/kanji_reference.h"
#include "codec/kanji_stream.h"
#include "codec/random_text.h"
#include "codec/test_bytes.h"
#include "support/enum_print.h"

namespace {

const std::string kIn = "\x1B$B";  // kanji mode on
const std::string kOut = "\x1B(J"; // kanji mode off

TEST(KanjiCharArithmetic, KnownPairs) {
    EXPECT_EQ(B({0x30, 0x21}), SjisToJisChar(0x88, 0x9F)); // 亜
    EXPECT_EQ(B({0x88, 0x9F}), JisToSjisChar(0x30, 0x21));
    EXPECT_EQ(B({0x24, 0x22}), SjisToJisChar(0x82, 0xA0)); // あ
    EXPECT_EQ(B({0x74, 0x26}), SjisToJisChar(0xEA, 0xA4));
    EXPECT_EQ(B({0xEA, 0xA4}), JisToSjisChar(0x74, 0x26));
    EXPECT_EQ(std::string("亜"), JisToSjisChar(0x30, 0x21));
}

TEST(KanjiCharArithmetic, EveryJisCodeRoundTrips) {
    // Rows and cells 0x21-0x7E: every JIS X 0208 code and the empty ones between.
    for (int j1 = 0x21; j1 <= 0x7E; ++j1)
        for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
            std::string s = JisToSjisChar(j1, j2);
            unsigned s1 = static_cast<unsigned char>(s[0]), s2 = static_cast<unsigned char>(s[1]);
            ASSERT_TRUE((s1 >= 0x81 && s1 <= 0x9F) || (s1 >= 0xE0 && s1 <= 0xEF)) << j1;
            ASSERT_TRUE(s2 >= 0x40 && s2 <= 0xFC && s2 != 0x7F) << j1 << " " << j2;
            ASSERT_EQ(B({j1, j2}), SjisToJisChar(s1, s2));
        }
}

TEST(KanjiToJis, EscapesAroundKanjiRuns) {
    EXPECT_EQ("a" + kIn + B({0x24, 0x22}) + kOut + "\r\n", SjisToJis("a\x82\xA0\r\n"));
    // A text ending in kanji mode ends without the closing escape.
    EXPECT_EQ("x" + kIn + B({0x24, 0x22}), SjisToJis("x\x82\xA0"));
    EXPECT_EQ(kIn + B({0x24, 0x22, 0x24, 0x22}) + kOut + "a" + kIn + B({0x24, 0x22}) + kOut + "\n",
              SjisToJis("\x82\xA0\x82\xA0"
                        "a\x82\xA0\n"));
    EXPECT_EQ("", SjisToJis(""));
    EXPECT_EQ(kIn + B({0x24, 0x22}) + kOut + "\n", EucToJis("\xA4\xA2\n"));
}

TEST(KanjiToJis, HalfWidthKanaAndMarks) {
    EXPECT_EQ(kIn + B({0x25, 0x2C}), SjisToJis("\xB6\xDE"));             // ｶﾞ: ガ
    EXPECT_EQ(kIn + B({0x25, 0x4A, 0x21, 0x2B}), SjisToJis("\xC5\xDE")); // ﾅﾞ: ナ゛
    EXPECT_EQ(kIn + B({0x25, 0x51}), SjisToJis("\xCA\xDF"));             // ﾊﾟ: パ
    EXPECT_EQ(kIn + B({0x25, 0x74}), SjisToJis("\xB3\xDE"));             // ｳﾞ: ヴ
    EXPECT_EQ(kIn + B({0x25, 0x2B, 0x21, 0x2C}), SjisToJis("\xB6\xDF")); // ｶﾟ: カ゜
    EXPECT_EQ(kIn + B({0x21, 0x2B}), SjisToJis("\xDE"));                 // ﾞ alone
    EXPECT_EQ(kIn + B({0x21, 0x23, 0x21, 0x56, 0x21, 0x3C, 0x25, 0x73}),
              SjisToJis("\xA1\xA2\xB0\xDD")); // ｡｢ｰﾝ
    EXPECT_EQ(kIn + B({0x25, 0x74}), EucToJis("\x8E\xB3\x8E\xDE"));
    EXPECT_EQ(kIn + B({0x25, 0x56, 0x25, 0x5A}), EucToJis("\x8E\xCC\x8E\xDE\x8E\xCD\x8E\xDF"));
    // In EUC-JP a mark combines only as SS2 + mark.
    EXPECT_EQ(kIn + B({0x25, 0x2B, 0x5E, 0x21}), EucToJis("\x8E\xB6\xDE\xA1"));

    std::string sjis = "\xB6\xDE!";
    std::size_t pos = 0;
    EXPECT_EQ(B({0x25, 0x2C}), SjisKanaToJis(sjis, pos));
    EXPECT_EQ(2u, pos);
    std::string euc = "\x8E\xB6\x8E\xDE\x8E\xB6";
    pos = 0;
    EXPECT_EQ(B({0x25, 0x2C}), EucKanaToJis(euc, pos));
    EXPECT_EQ(4u, pos);
    EXPECT_EQ(B({0x25, 0x2B}), EucKanaToJis(euc, pos));
    EXPECT_EQ(6u, pos);
}

TEST(KanjiToJis, KanaTableIsTheStandardMapping) {
    EXPECT_EQ(0x23, KanaToJisTable[0x21]); // ｡ 0x2123
    EXPECT_EQ(0x56, KanaToJisTable[0x22]); // ｢ 0x2156
    EXPECT_EQ(0x22, KanaToJisTable[0x31]); // ｱ 0x2522
    EXPECT_EQ(0x73, KanaToJisTable[0x5D]); // ﾝ 0x2573
    EXPECT_EQ(0x2B, KanaToJisTable[0x5E]); // ﾞ
    EXPECT_EQ(0x2C, KanaToJisTable[0x5F]); // ﾟ
    // Every kana gives a distinct full-width character.
    std::string seen;
    for (int k = 0xA1; k <= 0xDF; ++k) {
        std::string j = SjisToJis(std::string(1, static_cast<char>(k)) + "a");
        std::string pair = j.substr(3, 2);
        EXPECT_EQ(std::string::npos, seen.find(pair)) << k;
        seen += pair;
    }
}

TEST(KanjiToJis, CutOffAndInvalidCharactersBecomeGeta) {
    const std::string geta = B({0x22, 0x2E});
    EXPECT_EQ("a" + kIn + geta, SjisToJis("a\x82"));
    EXPECT_EQ(kIn + geta, EucToJis("\xA4"));
    EXPECT_EQ(kIn + geta, EucToJis("\x8E"));
    // SS2 before a byte that is no kana: only the SS2 is taken.
    EXPECT_EQ(kIn + geta + kOut + "\r\n", EucToJis("\x8E\r\n"));
    EXPECT_EQ(kIn + geta + B({0x25, 0x22}), EucToJis("\x8E\x8E\xB1"));
    std::size_t pos = 0;
    EXPECT_EQ(geta, EucKanaToJis("\x8E\xF0", pos));
    EXPECT_EQ(1u, pos);
    pos = 0;
    EXPECT_EQ(geta, SjisKanaToJis("A", pos));
    EXPECT_EQ(1u, pos);
    // A stray lead byte takes the next byte, whatever it is, as its trail.
    EXPECT_EQ(kIn + SjisToJisChar(0xFD, '\r') + kOut + "\n", SjisToJis("\xFD\r\n"));
}

TEST(KanjiFromJis, EscapesAndKanjiMode) {
    EXPECT_EQ(B({0xB0, 0xA1, 0x78}), JisToEuc(kIn + B({0x30, 0x21}) + "\x1B(Bx"));
    EXPECT_EQ("亜x", JisToSjis(kIn + B({0x30, 0x21}) + "\x1B(Bx"));
    // Line ends inside kanji mode pass through and the mode stays on.
    EXPECT_EQ("亜\r\n亜", JisToSjis(kIn + "0!\r\n0!"));
    // Any other escape is dropped and leaves the mode alone.
    EXPECT_EQ("亜亜", JisToSjis(kIn + "0!\x1B.A0!"));
    EXPECT_EQ("亜0!", JisToSjis(kIn + "0!\x1B(I0!"));
    // Escapes that follow each other are all read.
    EXPECT_EQ("a亜", JisToSjis("a\x1B(B" + kIn + "0!"));
    EXPECT_EQ(B({0xB0, 0xA1}), JisToEuc("\x1B(J" + kIn + "0!"));
    // An odd byte in kanji mode does not swallow the escape or line end after it.
    EXPECT_EQ("0\r\n", JisToSjis(kIn + "0\x1B(B\r\n"));
    EXPECT_EQ(std::string("亜0\n", 4), JisToSjis(kIn + "0!0\n"));
    // Cut off by the end of the text: kept as it stands.
    EXPECT_EQ("ab\x1B$", JisToSjis("ab\x1B$"));
    EXPECT_EQ("0", JisToSjis(kIn + "0"));
    // Half-width kana by ESC ( I or SO/SI come out as 7-bit text.
    EXPECT_EQ("\x0E\x31\x0F", JisToSjis("\x1B(I\x0E\x31\x0F"));
}

TEST(KanjiEucSjis, KanaAndCutOffBytes) {
    EXPECT_EQ("\x8E\xB1", SjisToEuc("\xB1"));
    EXPECT_EQ("\xB1", EucToSjis("\x8E\xB1"));
    EXPECT_EQ("あ", EucToSjis("\xA4\xA2"));
    EXPECT_EQ("\xA4\xA2", SjisToEuc("あ"));
    EXPECT_EQ("a\xA4", EucToSjis("a\xA4"));
    EXPECT_EQ("a\x8E", EucToSjis("a\x8E"));
    EXPECT_EQ("a\x82", SjisToEuc("a\x82"));
    EXPECT_EQ("\x80\xFF", EucToSjis("\x80\xFF"));
    // SS3 pairs with the next byte; the third byte of a JIS X 0212 character stands alone.
    EXPECT_EQ(JisToSjisChar(0x0F, 0x30) + "\xB1", EucToSjis("\x8F\xB0\xB1"));
}

TEST(ConvertKanjiCode, PicksTheRoutineByDetectedCode) {
    const std::string sjis = "漢字かなカナ\r\nabc ｶﾞ\r\n";
    const std::string euc = SjisToEuc(sjis), jis = SjisToJis(sjis);
    EXPECT_EQ(euc, ConvertKanjiCode(sjis, TKanjiCode::kcEuc));
    EXPECT_EQ(jis, ConvertKanjiCode(sjis, TKanjiCode::kcJis));
    EXPECT_EQ(sjis, ConvertKanjiCode(sjis, TKanjiCode::kcSjis));
    EXPECT_EQ(EucToJis(euc), ConvertKanjiCode(euc, TKanjiCode::kcJis));
    EXPECT_EQ(EucToSjis(euc), ConvertKanjiCode(euc, TKanjiCode::kcSjis));
    EXPECT_EQ(JisToEuc(jis), ConvertKanjiCode(jis, TKanjiCode::kcEuc));
    EXPECT_EQ(JisToSjis(jis), ConvertKanjiCode(jis, TKanjiCode::kcSjis));
    EXPECT_EQ(jis, ConvertKanjiCode(jis, TKanjiCode::kcJis));
    const std::string old = "\x1B$@0!\x1B(J";
    EXPECT_EQ("亜", ConvertKanjiCode(old, TKanjiCode::kcSjis));
    EXPECT_EQ(old, ConvertKanjiCode(old, TKanjiCode::kcJis));
    // Undecided, binary and unknown targets: unchanged.
    const std::string either = "\xA4\xA2\xA4\xA4";
    for (TKanjiCode t : {TKanjiCode::kcJis, TKanjiCode::kcEuc, TKanjiCode::kcSjis,
                         TKanjiCode::kcAscii, TKanjiCode::kcEucOrSjis})
        EXPECT_EQ(either, ConvertKanjiCode(either, t)) << t;
    EXPECT_EQ(sjis, ConvertKanjiCode(sjis, TKanjiCode::kcBinary));
    const std::string binary = "\x01\x82\xA0";
    EXPECT_EQ(binary, ConvertKanjiCode(binary, TKanjiCode::kcEuc));
}

TEST(KanjiConversions, RoundTripEveryJisX0208Character) {
    std::string sjis;
    for (int j1 = 0x21; j1 <= 0x74; ++j1) {
        for (int j2 = 0x21; j2 <= 0x7E; ++j2)
            sjis += JisToSjisChar(j1, j2);
        sjis += j1 % 3 ? "\r\n" : " x ";
    }
    std::string euc = SjisToEuc(sjis), jis = SjisToJis(sjis);
    EXPECT_EQ(sjis, EucToSjis(euc));
    EXPECT_EQ(sjis, JisToSjis(jis));
    EXPECT_EQ(euc, JisToEuc(jis));
    EXPECT_EQ(jis, EucToJis(euc));
    // Half-width kana survive the trip through EUC-JP.
    std::string kana;
    for (int k = 0xA1; k <= 0xDF; ++k)
        kana += static_cast<char>(k);
    EXPECT_EQ(kana, EucToSjis(SjisToEuc(kana)));
}

TEST(KanjiConversions, MatchThePlainLoopsOnRandomText) {
    namespace ref = kanji_reference;
    std::mt19937 rng(3);
    for (int round = 0; round < 5000; ++round) {
        std::string s = RandomKanjiText(rng, 1 + round % 60);
        ASSERT_EQ(ref::FromJis(s, false), JisToSjis(s)) << round;
        ASSERT_EQ(ref::FromJis(s, true), JisToEuc(s)) << round;
        ASSERT_EQ(ref::EucToSjis(s), EucToSjis(s)) << round;
        ASSERT_EQ(ref::SjisToEuc(s), SjisToEuc(s)) << round;
        ASSERT_EQ(ref::ToJis(s, false), SjisToJis(s)) << round;
        ASSERT_EQ(ref::ToJis(s, true), EucToJis(s)) << round;
    }
}

TEST(KanjiConversions, LongRunsOfPairsBrokenAnywhere) {
    // Runs long enough for block-wise conversion, broken by one odd byte at every offset.
    namespace ref = kanji_reference;
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> any(0, 255), high(0xA1, 0xFE), seven(0x21, 0x7E),
        lead(0x81, 0x9F), trail(0x40, 0xFC);
    for (int round = 0; round < 400; ++round) {
        std::string euc, sjis, jis = kIn;
        for (int k = 0; k < 24; ++k) {
            euc += static_cast<char>(high(rng));
            euc += static_cast<char>(high(rng));
            sjis += static_cast<char>(k % 3 ? lead(rng) : lead(rng) + 0x5F); // 0xE0-0xFE too
            sjis += static_cast<char>(trail(rng));
            jis += static_cast<char>(seven(rng));
            jis += static_cast<char>(seven(rng));
        }
        std::size_t at = static_cast<std::size_t>(round % 48);
        char odd = static_cast<char>(any(rng));
        euc.insert(at, 1, odd);
        sjis.insert(at, 1, odd);
        jis.insert(3 + at, 1, odd);
        ASSERT_EQ(ref::EucToSjis(euc), EucToSjis(euc)) << round;
        ASSERT_EQ(ref::ToJis(euc, true), EucToJis(euc)) << round;
        ASSERT_EQ(ref::SjisToEuc(sjis), SjisToEuc(sjis)) << round;
        ASSERT_EQ(ref::ToJis(sjis, false), SjisToJis(sjis)) << round;
        ASSERT_EQ(ref::FromJis(jis, false), JisToSjis(jis)) << round;
        ASSERT_EQ(ref::FromJis(jis, true), JisToEuc(jis)) << round;

        // ASCII and pairs mixed within every sixteen bytes, a lone high byte now and then.
        std::string mixed;
        for (int k = 0; k < 40; ++k) {
            int r = any(rng) % 8;
            if (r < 3) {
                mixed += static_cast<char>(seven(rng));
            } else if (r == 3 && round % 2) {
                mixed += static_cast<char>(high(rng));
            } else {
                mixed += static_cast<char>(high(rng));
                mixed += static_cast<char>(high(rng));
            }
        }
        ASSERT_EQ(ref::EucToSjis(mixed), EucToSjis(mixed)) << round;
        ASSERT_EQ(ref::SjisToEuc(mixed), SjisToEuc(mixed)) << round;
    }
}

std::string Streamed(TKanjiCode Source, TKanjiCode Target, const std::string& s,
                     const std::vector<std::size_t>& Cuts) {
    TKanjiStreamConverter cvt(Source, Target);
    std::string out;
    std::size_t from = 0;
    for (std::size_t cut : Cuts) {
        cvt.Feed(s.data() + from, cut - from, out);
        from = cut;
    }
    cvt.Feed(s.data() + from, s.size() - from, out);
    cvt.Finish(out);
    return out;
}

struct TPair {
    TKanjiCode Source, Target;
    std::string (*Whole)(const std::string&);
};
const TPair kPairs[] = {{TKanjiCode::kcJis, TKanjiCode::kcSjis, JisToSjis},
                        {TKanjiCode::kcJisOld, TKanjiCode::kcEuc, JisToEuc},
                        {TKanjiCode::kcEuc, TKanjiCode::kcSjis, EucToSjis},
                        {TKanjiCode::kcEuc, TKanjiCode::kcJis, EucToJis},
                        {TKanjiCode::kcSjis, TKanjiCode::kcJis, SjisToJis},
                        {TKanjiCode::kcSjis, TKanjiCode::kcEuc, SjisToEuc},
                        {TKanjiCode::kcEucOrSjis, TKanjiCode::kcJis, nullptr},
                        {TKanjiCode::kcSjis, TKanjiCode::kcSjis, nullptr}};

TEST(TKanjiStreamConverter, EveryCutGivesTheWholeResult) {
    std::mt19937 rng(5);
    for (int round = 0; round < 300; ++round) {
        std::string s = RandomKanjiText(rng, 1 + round % 25);
        for (const TPair& p : kPairs) {
            std::string whole = p.Whole ? p.Whole(s) : s;
            for (std::size_t a = 0; a <= s.size(); ++a) {
                ASSERT_EQ(whole, Streamed(p.Source, p.Target, s, {a})) << round << " " << a;
                std::size_t b =
                    a + std::uniform_int_distribution<std::size_t>(0, s.size() - a)(rng);
                ASSERT_EQ(whole, Streamed(p.Source, p.Target, s, {a, b})) << round;
            }
            // Byte by byte: every character and escape is cut.
            std::vector<std::size_t> all;
            for (std::size_t a = 1; a < s.size(); ++a)
                all.push_back(a);
            ASSERT_EQ(whole, Streamed(p.Source, p.Target, s, all)) << round;
        }
    }
}

TEST(TKanjiStreamConverter, LargeBlocksAndReuseAfterFinish) {
    std::string sjis;
    for (int i = 0; i < 30000; ++i)
        sjis += i % 7 ? "漢字ｶﾞ" : "ascii text\r\n";
    TKanjiStreamConverter cvt(TKanjiCode::kcSjis, TKanjiCode::kcJis);
    EXPECT_TRUE(cvt.Converts());
    for (int pass = 0; pass < 2; ++pass) {
        std::string out;
        for (std::size_t at = 0; at < sjis.size(); at += 8191)
            cvt.Feed(sjis.data() + at, std::min<std::size_t>(8191, sjis.size() - at), out);
        cvt.Finish(out);
        EXPECT_EQ(SjisToJis(sjis), out) << pass; // Finish starts over in kanji mode off
    }
    EXPECT_FALSE(TKanjiStreamConverter(TKanjiCode::kcAscii, TKanjiCode::kcEuc).Converts());
}

} // namespace
