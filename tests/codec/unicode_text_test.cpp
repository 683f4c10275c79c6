// UTF-8 and UTF-16 beside Shift_JIS: the code page's mappings as Windows makes them,
// round trips of the whole code page, what is lost and counted, conversion across
// block edges, and detection that leaves every legacy answer as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <utility>
#include <string>
#include <vector>

#include "codec/cp932_tables.h"
#include "codec/kanji_code.h"
#include "codec/random_text.h"
#include "codec/test_bytes.h"
#include "codec/unicode_text.h"
#include "support/enum_print.h"

namespace {

const TKanjiCode Utf8 = TKanjiCode::kcUtf8, Utf8Bom = TKanjiCode::kcUtf8Bom,
                 Le = TKanjiCode::kcUtf16Le, Be = TKanjiCode::kcUtf16Be;

std::string Utf8Of(std::uint32_t Cp) {
    std::string s;
    if (Cp < 0x80) {
        s += static_cast<char>(Cp);
    } else if (Cp < 0x800) {
        s += static_cast<char>(0xC0 | (Cp >> 6));
        s += static_cast<char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        s += static_cast<char>(0xE0 | (Cp >> 12));
        s += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (Cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (Cp >> 18));
        s += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (Cp & 0x3F));
    }
    return s;
}

std::string Utf16Of(const std::vector<std::uint16_t>& Units, bool BigEndian) {
    std::string s;
    for (std::uint16_t u : Units) {
        char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        s += BigEndian ? hi : lo;
        s += BigEndian ? lo : hi;
    }
    return s;
}

std::string ToSjis(const std::string& Text, TKanjiCode Source, long long* Lost = nullptr) {
    return UnicodeToSjis(Text, Source, Lost);
}

// The Unicode character of a Shift_JIS character (one or two bytes), through UTF-16.
std::uint32_t CharOf(const std::string& Sjis) {
    std::string u = SjisToUnicode(Sjis, Be);
    EXPECT_EQ(4u, u.size()) << "one character after the mark";
    return (static_cast<unsigned char>(u[2]) << 8) | static_cast<unsigned char>(u[3]);
}

// Every code of code page 932 that has a character: the single bytes and the pairs.
std::vector<std::string> AllCodes() {
    std::vector<std::string> Codes;
    const cp932::TTables& T = cp932::Tables();
    for (int b = 0; b < 0x100; ++b)
        if (b < 0x80 || cp932::SingleByte[b - 0x80]) Codes.push_back(std::string(1, static_cast<char>(b)));
    for (int c = 0x8000; c < 0x10000; ++c)
        if (T.Decode[c - 0x8000]) Codes.push_back(B({c >> 8, c & 0xFF}));
    return Codes;
}

TEST(Cp932Mapping, TheCharactersWindowsGivesTheCodes) {
    EXPECT_EQ(0x005Cu, CharOf("\x5C"));
    EXPECT_EQ(0x007Eu, CharOf("\x7E"));
    EXPECT_EQ(0xFF3Cu, CharOf(B({0x81, 0x5F}))); // FULLWIDTH REVERSE SOLIDUS, not U+005C
    EXPECT_EQ(0xFF5Eu, CharOf(B({0x81, 0x60}))); // FULLWIDTH TILDE, not WAVE DASH
    EXPECT_EQ(0x2225u, CharOf(B({0x81, 0x61})));
    EXPECT_EQ(0xFF0Du, CharOf(B({0x81, 0x7C})));
    EXPECT_EQ(0xFFE0u, CharOf(B({0x81, 0x91})));
    EXPECT_EQ(0xFFE2u, CharOf(B({0x81, 0xCA})));
    EXPECT_EQ(0x2460u, CharOf(B({0x87, 0x40}))); // NEC row 13: circled one
    EXPECT_EQ(0x7E8Au, CharOf(B({0xED, 0x40}))); // NEC-selected IBM extension
    EXPECT_EQ(0x2170u, CharOf(B({0xFA, 0x40}))); // IBM extension: small roman one
    EXPECT_EQ(0xE000u, CharOf(B({0xF0, 0x40}))); // user-defined area
    EXPECT_EQ(0xFF61u, CharOf("\xA1"));
    EXPECT_EQ(0xF8F0u, CharOf("\xA0"));
}

TEST(Cp932Mapping, EncodingPicksTheCodeWindowsPicksAndNoBestFit) {
    EXPECT_EQ(B({0x81, 0xE6}), ToSjis(Utf8Of(0x2235), Utf8)); // not 0x879A or 0xFA5B
    EXPECT_EQ(B({0x87, 0x54}), ToSjis(Utf8Of(0x2160), Utf8)); // NEC row 13 over IBM
    EXPECT_EQ(B({0xFA, 0x40}), ToSjis(Utf8Of(0x2170), Utf8)); // IBM over NEC-selected
    EXPECT_EQ(B({0xFA, 0x5C}), ToSjis(Utf8Of(0x7E8A), Utf8));
    EXPECT_EQ(B({0x81, 0xCA}), ToSjis(Utf8Of(0xFFE2), Utf8));
    // Characters with only a best-fit look-alike in the code page are lost, not changed.
    for (std::uint32_t Cp : {0x00A5u, 0x00A2u, 0x00A3u, 0x00ACu, 0x2016u, 0x2212u, 0x301Cu, 0x203Eu}) {
        long long Lost = 0;
        EXPECT_EQ("\x81\xAC", ToSjis(Utf8Of(Cp), Utf8, &Lost)) << std::hex << Cp;
        EXPECT_EQ(1, Lost);
    }
}

TEST(Cp932Mapping, EveryCharacterOfTheCodePageGoesThroughEachUnicodeFormAndBack) {
    // Each character once, in code order, as Unicode: back to the code page and to
    // Unicode again, byte for byte, in all four forms.
    std::string Sjis, Canonical;
    for (const std::string& Code : AllCodes())
        Sjis += Code;
    long long Lost = -1;
    const std::string U8 = SjisToUnicode(Sjis, Utf8, &Lost);
    EXPECT_EQ(0, Lost);
    for (TKanjiCode Code : {Utf8, Utf8Bom, Le, Be}) {
        const std::string U = SjisToUnicode(Sjis, Code);
        EXPECT_EQ(ByteOrderMark(Code), U.substr(0, ByteOrderMark(Code).size()));
        const std::string Back = ToSjis(U, Code, &Lost);
        EXPECT_EQ(0, Lost) << EnumText(Code);
        EXPECT_EQ(U, SjisToUnicode(Back, Code)) << EnumText(Code);
        EXPECT_EQ(U8, SjisToUnicode(Back, Utf8));
    }
    // Codes whose character has no other code come back as themselves; a duplicate
    // comes back as the one code that encoding picks, and that code gives the same
    // character.
    int Duplicates = 0;
    for (const std::string& Code : AllCodes()) {
        const std::string Back = ToSjis(SjisToUnicode(Code, Le), Le);
        if (Back != Code) {
            ++Duplicates;
            EXPECT_EQ(CharOf(Code), CharOf(Back));
        }
    }
    EXPECT_EQ(398, Duplicates); // NEC row 13, NEC-selected and IBM extensions overlap
}

TEST(UnicodeToSjis, WhatCannotComeThroughBecomesGetaAndIsCounted) {
    long long Lost = 0;
    const std::string Smile = Utf8Of(0x1F600);
    EXPECT_EQ("a\x81\xAC" "b", ToSjis("a" + Smile + "b", Utf8, &Lost));
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("a\x81\xAC" "b", ToSjis(Utf16Of({'a', 0xD83D, 0xDE00, 'b'}, false), Le, &Lost));
    EXPECT_EQ(1, Lost);
    // Lone surrogates, an odd last byte.
    EXPECT_EQ("\x81\xAC" "a\x81\xAC", ToSjis(Utf16Of({0xDE00, 'a', 0xD83D}, true), Be, &Lost));
    EXPECT_EQ(2, Lost);
    EXPECT_EQ("a\x81\xAC", ToSjis(B({'a', 0, 'b'}), Le, &Lost));
    EXPECT_EQ(1, Lost);
    // Ill-formed UTF-8: overlong forms, surrogates, bytes that start nothing, a cut end.
    EXPECT_EQ("\x81\xAC\x81\xAC" "a", ToSjis(B({0xC0, 0x80, 'a'}), Utf8, &Lost));
    EXPECT_EQ(2, Lost);
    EXPECT_EQ("\x81\xAC\x81\xAC\x81\xAC", ToSjis(B({0xED, 0xA0, 0x80}), Utf8, &Lost));
    EXPECT_EQ(3, Lost);
    EXPECT_EQ("\x81\xAC\r\n", ToSjis(B({0xE3, 0x81, '\r', '\n'}), Utf8, &Lost));
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("a\x81\xAC", ToSjis(B({'a', 0xE3, 0x81}), Utf8, &Lost));
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("\x82\xA0", ToSjis(Utf8Of(0x3042), Utf8, &Lost));
    EXPECT_EQ(0, Lost);
}

TEST(UnicodeToSjis, OnlyTheMarkOfTheSourcesKindIsDropped) {
    EXPECT_EQ("a", ToSjis("\xEF\xBB\xBF" "a", Utf8Bom));
    EXPECT_EQ("a", ToSjis(B({0xFF, 0xFE, 'a', 0}), Le));
    EXPECT_EQ("a", ToSjis(B({0xFE, 0xFF, 0, 'a'}), Be));
    // A mark after the start is a character that the code page lacks.
    long long Lost = 0;
    EXPECT_EQ("a\x81\xAC", ToSjis("a\xEF\xBB\xBF", Utf8Bom, &Lost));
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("", ToSjis("\xEF\xBB\xBF", Utf8Bom));
    EXPECT_EQ("\x81\xAC", ToSjis("\xEF\xBB\xBF", Utf8)); // kcUtf8 has no mark to drop
}

TEST(SjisToUnicode, BrokenPairsBecomeTheReplacementCharacterAndLineEndsStay) {
    long long Lost = 0;
    EXPECT_EQ("a\xEF\xBF\xBD", SjisToUnicode(B({'a', 0x82}), Utf8, &Lost)); // cut lead byte
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("\xEF\xBF\xBD\r\nb", SjisToUnicode(B({0x82, '\r', '\n', 'b'}), Utf8, &Lost));
    EXPECT_EQ(1, Lost);
    EXPECT_EQ("\xEF\xBF\xBD" "b", SjisToUnicode(B({0x85, 0x40, 'b'}), Utf8, &Lost)); // unassigned
    EXPECT_EQ(1, Lost);
    EXPECT_EQ(B({0xFF, 0xFE, 0x42, 0x30, '\r', 0, '\n', 0}), SjisToUnicode("\x82\xA0\r\n", Le));
    EXPECT_EQ("\xEF\xBB\xBF", SjisToUnicode("", Utf8Bom));
    EXPECT_EQ("", SjisToUnicode("", Utf8));
}

// Feeds Text to a converter in pieces cut at Cuts.
template <class TCvt>
std::string FeedInPieces(TCvt& Cvt, const std::string& Text, std::vector<std::size_t> Cuts) {
    std::string Out;
    std::size_t At = 0;
    Cuts.push_back(Text.size());
    for (std::size_t Cut : Cuts) {
        Cvt.Feed(Text.data() + At, Cut - At, Out);
        At = Cut;
    }
    Cvt.Finish(Out);
    return Out;
}

TEST(UnicodeStreaming, AnyCutOfTheInputGivesTheWholeTextsOutput) {
    std::mt19937 Rng(22);
    for (int Round = 0; Round < 300; ++Round) {
        // Shift_JIS made of the code page's characters, a few broken bytes among them.
        std::string Sjis = RandomKanjiText(Rng, 1 + Rng() % 30);
        for (TKanjiCode Code : {Utf8, Utf8Bom, Le, Be}) {
            long long WholeLost = 0;
            const std::string Whole = SjisToUnicode(Sjis, Code, &WholeLost);
            std::vector<std::size_t> Cuts;
            for (std::size_t At = 0; At < Sjis.size(); At += 1 + Rng() % 5)
                Cuts.push_back(At);
            TSjisToUnicode Out(Code);
            ASSERT_EQ(Whole, FeedInPieces(Out, Sjis, Cuts));
            EXPECT_EQ(WholeLost, Out.Lost());

            // And back, cut anywhere, mark and surrogates and all; a few bytes damaged.
            std::string U = Whole;
            if (Round % 3 == 0 && U.size() > 4) U[Rng() % U.size()] = static_cast<char>(Rng());
            if (Round % 5 == 0) U += Code == Le || Code == Be ? Utf16Of({0xD83D, 0xDE00}, Code == Be) : Utf8Of(0x1F600);
            long long BackLost = 0;
            const std::string Back = ToSjis(U, Code, &BackLost);
            Cuts.clear();
            for (std::size_t At = 0; At < U.size(); At += 1 + Rng() % 4)
                Cuts.push_back(At);
            TUnicodeToSjis In(Code);
            ASSERT_EQ(Back, FeedInPieces(In, U, Cuts)) << EnumText(Code);
            EXPECT_EQ(BackLost, In.Lost());
        }
    }
}

std::string HexOf(const std::string& Bytes) {
    std::string Hex;
    char Part[4];
    for (unsigned char c : Bytes) {
        std::snprintf(Part, sizeof Part, "%02X ", c);
        Hex += Part;
    }
    return Hex;
}

// Text around a character that goes the slow way: ASCII and kanji runs of every length
// up to and past 16 bytes before it and a long run after it, so that the character meets
// the run loops at every offset.  The conversion of the whole must be the conversions of
// the three parts joined, as each part alone converts.
std::vector<std::pair<std::string, std::string>> Surroundings(const std::string& Ascii,
                                                             const std::string& Kanji) {
    std::vector<std::pair<std::string, std::string>> Around;
    for (int Count = 0; Count <= 20; ++Count) {
        std::string OnlyAscii, OnlyKanji, Mixed;
        for (int k = 0; k < Count; ++k) {
            OnlyAscii += Ascii;
            OnlyKanji += Kanji;
            Mixed += k % 3 == 2 ? Ascii : Kanji;
        }
        std::string After;
        for (int k = 0; k < 12; ++k)
            After += k % 4 == 0 ? Ascii + Ascii : Kanji;
        Around.push_back({OnlyAscii, After});
        Around.push_back({OnlyKanji, After});
        Around.push_back({Mixed, Kanji + After});
        Around.push_back({Mixed, Ascii + Mixed});
    }
    return Around;
}

TEST(UnicodeToSjis, EveryOddSequenceIsConvertedAlikeInsideLongText) {
    // Alone, each odd sequence is too short for the run loops and is read character by
    // character.
    const std::string Kanji = Utf8Of(0x6F22) + Utf8Of(0x5B57) + Utf8Of(0x3042); // 漢字あ
    const std::vector<std::string> Odd = {
        B({0xE0, 0x80, 0x80}), B({0xE0, 0x9F, 0xBF}), // overlong three-byte forms,
        B({0xE0, 0x81, 0x81}), B({0xE0, 0x82, 0xA7}), // also of A and §
        B({0xE0, 0xA0, 0x80}),                         // U+0800, the first it may hold
        B({0xED, 0xA0, 0x80}), B({0xED, 0xBF, 0xBF}), // surrogates
        B({0xC0, 0x80}), B({0xC3, 0x97}),              // overlong; × in two bytes
        B({0xEF, 0xBD, 0xB1}),                         // half-width ｱ, one byte
        B({0xEF, 0xBF, 0xBF}), Utf8Of(0x1F600),        // no code: geta
        B({0xE3, 0x81}), B({0xE3}), B({0x80}), B({0xFF}), // cut, stray
        B({0xEE, 0x80, 0x80}),                         // user-defined area U+E000
        B({0xEF, 0xA8, 0x90}), Utf8Of(0x2170),         // U+FA10, ⅰ: IBM extensions
        std::string(1, '\0'), "\r\n",
    };
    for (const std::string& X : Odd) {
        long long XLost = 0;
        const std::string XAlone = ToSjis(X, Utf8, &XLost);
        for (const auto& [Before, After] : Surroundings("a", Kanji)) {
            long long Lost = -1;
            const std::string Whole = ToSjis(Before + X + After, Utf8, &Lost);
            ASSERT_EQ(ToSjis(Before, Utf8) + XAlone + ToSjis(After, Utf8), Whole)
                << "before " << Before.size() << " bytes, odd " << HexOf(X);
            EXPECT_EQ(XLost, Lost);
        }
    }
}

// UTF-16LE after its mark as UTF-8 (no surrogates: code page 932 has none).
std::string Utf8FromLe(const std::string& Le16) {
    std::string U8;
    for (std::size_t k = 2; k + 1 < Le16.size(); k += 2)
        U8 += Utf8Of(static_cast<unsigned char>(Le16[k]) | (static_cast<unsigned char>(Le16[k + 1]) << 8));
    return U8;
}

TEST(SjisToUnicode, EveryOddByteIsConvertedAlikeInsideLongText) {
    // To UTF-8 the runs of ready bytes are taken; to UTF-16 every character goes the
    // same way, character by character: the two must give the same characters.
    const std::string Kanji = "\x8A\xBF\x8E\x9A\x82\xA0"; // 漢字あ
    const std::vector<std::string> Odd = {
        B({0x80}), B({0xA0}), B({0xFD}), B({0xFF}),    // single bytes to U+0080, U+F8F0-
        B({0xB1}), B({0xDF}),                          // half-width kana
        B({0x85, 0x40}), B({0xFC, 0xFC}),              // unassigned pairs
        B({0x82, '\r'}), B({0x82, 0x3F}),              // a lead byte without a trail byte
        B({0xF0, 0x40}), B({0xFA, 0x40}), B({0xED, 0x40}), // user-defined, IBM, NEC-selected
        B({0x81, 0x7F}), std::string(1, '\0'), "\r\n",
    };
    for (const std::string& X : Odd) {
        for (const auto& [Before, After] : Surroundings("a", Kanji)) {
            const std::string Text = Before + X + After;
            long long Lost = -1, Lost16 = -1;
            const std::string Whole = SjisToUnicode(Text, Utf8, &Lost);
            ASSERT_EQ(Utf8FromLe(SjisToUnicode(Text, Le, &Lost16)), Whole)
                << "before " << Before.size() << " bytes, odd " << HexOf(X);
            EXPECT_EQ(Lost16, Lost);
        }
    }
}

TEST(DetectTextCode, MarksDecideAndUtf8NeedsAMultiByteCharacter) {
    EXPECT_EQ(Utf8Bom, DetectTextCode("\xEF\xBB\xBF"));
    EXPECT_EQ(Utf8Bom, DetectTextCode("\xEF\xBB\xBF" "abc"));
    EXPECT_EQ(Le, DetectTextCode(B({0xFF, 0xFE, 'a', 0})));
    EXPECT_EQ(Be, DetectTextCode(B({0xFE, 0xFF, 0, 'a'})));
    EXPECT_EQ(Utf8, DetectTextCode("abc " + Utf8Of(0x3042) + Utf8Of(0x1F600)));
    EXPECT_EQ(TKanjiCode::kcAscii, DetectTextCode("plain ascii\r\n"));
    EXPECT_EQ(TKanjiCode::kcAscii, DetectTextCode(""));
    // A character cut by the end of the sample, after a whole one, keeps it UTF-8; alone
    // it decides nothing.
    EXPECT_EQ(Utf8, DetectTextCode(Utf8Of(0x3042) + "\xE3\x81"));
    EXPECT_NE(Utf8, DetectTextCode("ab\xE3\x81"));
    // Overlong forms and encoded surrogates are not UTF-8.
    EXPECT_NE(Utf8, DetectTextCode(Utf8Of(0x3042) + B({0xC1, 0x81})));
    EXPECT_NE(Utf8, DetectTextCode(Utf8Of(0x3042) + B({0xED, 0xA0, 0x80})));
    EXPECT_NE(Utf8, DetectTextCode(Utf8Of(0x3042) + B({0xF4, 0x90, 0x80, 0x80})));
    // JIS wins over UTF-8.
    EXPECT_EQ(TKanjiCode::kcJis, DetectTextCode("\x1B$B$\"\x1B(B" + Utf8Of(0x3042)));
    // The legacy rules decide Shift_JIS at the first UTF-8 character: UTF-8 it is.
    EXPECT_EQ(Utf8, DetectTextCode(Utf8Of(0x3042) + "\x1B$B$\"\x1B(B"));
    EXPECT_EQ(TKanjiCode::kcJisOld, DetectTextCode("\x1B$@$\"" + Utf8Of(0x3042)));
}

TEST(DetectTextCode, LegacyTextGetsTheAnswerItGotBefore) {
    // Shift_JIS, EUC-JP and JIS text of the code page's characters is never valid UTF-8
    // with a multi-byte character unless it is one by accident; every legacy sample
    // whose answer changes must be such an accident.
    std::mt19937 Rng(7);
    int Changed = 0;
    for (int Round = 0; Round < 3000; ++Round) {
        std::string Text = RandomKanjiText(Rng, 1 + Rng() % 20);
        TKanjiCode Legacy = DetectKanjiCode(Text), Now = DetectTextCode(Text);
        if (Now == Legacy) continue;
        ++Changed;
        EXPECT_EQ(Utf8, Now);
        EXPECT_TRUE(IsUtf8Text(Text.data(), Text.size(), true));
        EXPECT_NE(Text.compare(0, 3, "\xEF\xBB\xBF"), 0);
    }
    EXPECT_LT(Changed, 30);
    // Japanese prose in Shift_JIS and EUC-JP.
    const std::string Sjis = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8F\xCD\x81\x42\r\n";
    const std::string Euc = "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xCA\xB8\xBE\xCF\xA1\xA3\r\n";
    EXPECT_EQ(TKanjiCode::kcSjis, DetectTextCode(Sjis));
    EXPECT_EQ(DetectKanjiCode(Euc), DetectTextCode(Euc));
}

} // namespace
