#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/kanji_code.h"
#include "codec/kanji_reference.h"
#include "codec/random_text.h"
#include "codec/test_bytes.h"

namespace {

TEST(DetectKanjiCode, ShortSamplesAndTheLastByte) {
    EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode(""));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode(B({b}))) << b;
    EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode("abc\xF0"));
    EXPECT_EQ(TKanjiCode::kcAscii,
              DetectKanjiCode("abc\x01")); // neither scan looks at the last byte
    EXPECT_EQ(TKanjiCode::kcBinary, DetectKanjiCode("ab\x01z"));
    EXPECT_EQ(TKanjiCode::kcBinary, DetectKanjiCode("ab\xFFz"));
}

TEST(DetectKanjiCode, FirstDecisiveByteWins) {
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0x82, 0xA0})));
    EXPECT_EQ(TKanjiCode::kcEucOrSjis, DetectKanjiCode(B({0xA4, 0xA2})));
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0xB1, 0x0D, 0x0A})));
    EXPECT_EQ(TKanjiCode::kcEucOrSjis, DetectKanjiCode(B({0x8E, 0xB1})));
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0x8E, 0x40})));
    EXPECT_EQ(TKanjiCode::kcEuc, DetectKanjiCode(B({'a', 0xF0, 'b'})));
    EXPECT_EQ(TKanjiCode::kcEuc, DetectKanjiCode(B({0xE0, 0xFD})));
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0xE0, 0x40})));
    // Shift_JIS first, EUC-JP after it.
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0x82, 0xA0, 0xA4, 0xF0})));
    // 0x80 and 0xA0 decide nothing; the EUC-JP sign after them does.
    EXPECT_EQ(TKanjiCode::kcEuc, DetectKanjiCode(B({0x80, 0xA0, 0xB0, 0xF1})));
}

TEST(DetectKanjiCode, RunTestAfterKanaAndLeadByte) {
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0xB0, 0xEC, 0x41, 0x82})));
    EXPECT_EQ(TKanjiCode::kcEuc, DetectKanjiCode(B({0xB0, 0xEC, 0xFE})));
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0xB0, 0xEC, 0x20, 0x82, 0xA0})));
    // The run's Shift_JIS range stops at 0x9C; the main table's goes to 0x9F.
    EXPECT_EQ(TKanjiCode::kcEucOrSjis, DetectKanjiCode(B({0xB0, 0xEC, 0x9D, 0x9F})));
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(B({0xB0, 0xEC, 0x9D, 0x20, 0x9F, 0x40})));
    // The byte that ends a run is consumed: an ESC there is never read as an escape.
    EXPECT_EQ(TKanjiCode::kcEucOrSjis, DetectKanjiCode(B({0xB0, 0xEC, 0x1B, '$', 'B'})));
    EXPECT_EQ(TKanjiCode::kcEucOrSjis,
              DetectKanjiCode(std::string(600, 'a') + B({0xB0, 0xEC, 0x01, 'x'})));
}

TEST(DetectKanjiCode, EscapeSequences) {
    EXPECT_EQ(TKanjiCode::kcJis, DetectKanjiCode(std::string(600, 'x') + "\x1B$B"));
    EXPECT_EQ(TKanjiCode::kcJisOld, DetectKanjiCode("\x1B$@"));
    EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode("\x1B(J"));
    EXPECT_EQ(TKanjiCode::kcJis, DetectKanjiCode("\x1B(B\x1B(J ab \x1B$B"));
    // An escape that the sample cuts after "$" decides nothing and reads nothing more.
    EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode("ab\x1B$"));
    // ESC takes the byte after it along: this 0x82 is not a first byte.
    EXPECT_EQ(TKanjiCode::kcAscii, DetectKanjiCode(B({0x1B, 0x82, 'a'})));
}

TEST(DetectKanjiCode, BinaryPrescanCoversOnly512Bytes) {
    std::string s(700, 'a');
    s[0] = '\x82';
    s[1] = '\xA0';
    s[99] = '\x05';
    EXPECT_EQ(TKanjiCode::kcBinary, DetectKanjiCode(s));
    s[99] = 'a';
    s[599] = '\x05';
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(s));
    s[0] = s[1] = 'a';
    EXPECT_EQ(TKanjiCode::kcBinary, DetectKanjiCode(s)); // the main scan, still undecided, meets it
    s[599] = 'a';
    s[511] = '\xFF'; // position 512: the last one the pre-scan reads
    s[0] = '\x82';
    s[1] = '\xA0';
    EXPECT_EQ(TKanjiCode::kcBinary, DetectKanjiCode(s));
    s[511] = 'a';
    s[512] = '\xFF';
    EXPECT_EQ(TKanjiCode::kcSjis, DetectKanjiCode(s));
}

TEST(DetectKanjiCode, LongUndecidedRunsReachTheEnd) {
    // Fast scanning over plain text must stop at every kind of decisive byte, at any
    // alignment, and never take the last byte as a first byte.
    for (std::size_t len = 2; len < 80; ++len)
        for (int sign : {0x1B, 0x05, 0xFF, 0x82, 0xF0}) {
            std::string s(len + 600, 'q');
            s[600 + len - 2] = static_cast<char>(sign);
            s[600 + len - 1] = sign == 0x1B ? '$' : 'A';
            std::string withZ = s + "B";
            EXPECT_EQ(kanji_reference::Detect(s), DetectKanjiCode(s)) << len << " " << sign;
            EXPECT_EQ(kanji_reference::Detect(withZ), DetectKanjiCode(withZ)) << len;
        }
}

TEST(DetectKanjiCode, MatchesThePlainScanOnRandomText) {
    std::mt19937 rng(7);
    for (int round = 0; round < 20000; ++round) {
        std::string s = RandomKanjiText(rng, 1 + round % 40);
        if (round % 3 == 0) s = std::string(round % 700, 'x') + s;
        ASSERT_EQ(kanji_reference::Detect(s), DetectKanjiCode(s)) << round;
    }
}

TKanjiCode DetectInPieces(const std::string& s, std::size_t Cut1, std::size_t Cut2) {
    TKanjiDetector d;
    d.Feed(s.data(), Cut1);
    d.Feed(s.data() + Cut1, Cut2 - Cut1);
    d.Feed(s.data() + Cut2, s.size() - Cut2);
    return d.Finish();
}

TEST(TKanjiDetector, AnyCutGivesTheWholeSampleAnswer) {
    std::mt19937 rng(11);
    for (int round = 0; round < 400; ++round) {
        std::string s = RandomKanjiText(rng, 1 + round % 12);
        if (round % 4 == 1) s = std::string(505 + round % 10, 'x') + s;
        TKanjiCode whole = DetectKanjiCode(s);
        for (std::size_t a = 0; a <= s.size(); ++a) {
            ASSERT_EQ(whole, DetectInPieces(s, a, a)) << round << " cut " << a;
            std::size_t b = a + std::uniform_int_distribution<std::size_t>(0, s.size() - a)(rng);
            ASSERT_EQ(whole, DetectInPieces(s, a, b)) << round << " cuts " << a << "," << b;
        }
    }
}

TEST(TKanjiDetector, DecidesEarlyAndByteByByte) {
    TKanjiDetector d;
    std::string s = std::string(600, 'a') + "\x82\xA0" + std::string(100, 'b');
    for (std::size_t i = 0; i < s.size() && !d.Decided(); ++i)
        d.Feed(&s[i], 1);
    EXPECT_TRUE(d.Decided());
    EXPECT_EQ(TKanjiCode::kcSjis, d.Finish());
    d.Reset();
    d.Feed("ab", 2);
    EXPECT_FALSE(d.Decided());
    EXPECT_EQ(TKanjiCode::kcAscii, d.Finish());
}

} // namespace
