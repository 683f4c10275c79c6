#include "editor/search_engine.h"

#include "support/enum_print.h"
#include "support/naive_search.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

namespace {

struct Found {
    bool ok;
    std::int32_t start, length;
    bool operator==(const Found& o) const {
        return ok == o.ok && start == o.start && length == o.length;
    }
};

std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << (f.ok ? "found " : "none ") << f.start << "+" << f.length;
}

Found Find(const std::string& text, const std::string& pattern, TSearchOptions options,
           std::int32_t start = 0, std::int32_t length = 0) {
    TSearchSelection sel{start, length};
    bool ok = FindInText(text, sel, pattern, options);
    return {ok, sel.SelStart, sel.SelLength};
}

Found At(std::int32_t start, std::int32_t length) {
    return {true, start, length};
}

// The selection is left alone when nothing is found.
Found None(std::int32_t start = 0, std::int32_t length = 0) {
    return {false, start, length};
}

constexpr TSearchOptions kDown = TSearchOption::soDown | TSearchOption::soMatchCase;
constexpr TSearchOptions kUp = TSearchOption::soMatchCase;

} // namespace

TEST(SearchEngine, DownStartsAfterTheSelectionAndUpEndsBeforeIt) {
    EXPECT_EQ(At(2, 2), Find("xxab", "ab", kDown));
    EXPECT_EQ(None(4, 0), Find("xxab", "ab", kDown, 4, 0));
    EXPECT_EQ(None(2, 2), Find("xxab", "ab", kDown, 2, 2));
    EXPECT_EQ(At(2, 2), Find("xxab", "ab", kDown, 1, 1));

    EXPECT_EQ(At(0, 2), Find("abab", "ab", kUp, 2, 2));
    EXPECT_EQ(At(0, 2), Find("abab", "ab", kUp, 3, 0));
    EXPECT_EQ(At(2, 2), Find("abab", "ab", kUp, 4, 0));
    EXPECT_EQ(None(1, 0), Find("abab", "ab", kUp, 1, 0));
    // A match may end exactly at the end of the text, or start at 0.
    EXPECT_EQ(At(0, 4), Find("abab", "abab", kDown));
    EXPECT_EQ(At(0, 4), Find("abab", "abab", kUp, 4, 0));
}

TEST(SearchEngine, RejectsEmptyInputAndSelectionsOutsideTheText) {
    EXPECT_EQ(None(1, 1), Find("abc", "", kDown, 1, 1));
    EXPECT_EQ(None(0, 0), Find("", "a", kDown));
    EXPECT_EQ(None(0, 0), Find(std::string("\0abc", 4), "a", kDown));
    EXPECT_EQ(None(4, 0), Find("abc", "c", kUp, 4, 0));
    EXPECT_EQ(None(-1, 0), Find("abc", "a", kDown, -1, 0));
    EXPECT_EQ(None(0, -1), Find("abc", "a", kDown, 0, -1));
    // A selection end past 32 bits is past the end, not a wrapped offset.
    const std::int32_t huge = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(None(2, huge), Find("abcabc", "a", kDown, 2, huge));
    EXPECT_EQ(At(0, 1), Find("abcabc", "a", kUp, 3, huge));
    // The replace flags do not change the search.
    EXPECT_EQ(At(3, 1),
              Find("abcabc", "a",
                   kDown | TSearchOption::soReplaceAll | TSearchOption::soReplaceConfirm, 1, 0));

    TSearchSelection sel{0, 0};
    EXPECT_FALSE(SearchBuffer("abc", sel, "", TSearchOption::soDown));
    auto at = SearchBuffer("abc", sel, "bc", TSearchOption::soDown);
    ASSERT_TRUE(at);
    EXPECT_EQ(1, *at);
    EXPECT_EQ(0, sel.SelStart);
    EXPECT_EQ(2, sel.SelLength);
}

TEST(SearchEngine, TheTextEndsAtTheFirstZeroByte) {
    const std::string text("ab\0ab", 5);
    EXPECT_EQ(At(0, 2), Find(text, "ab", kDown));
    EXPECT_EQ(None(1, 0), Find(text, "ab", kDown, 1, 0));
    EXPECT_EQ(None(5, 0), Find(text, "ab", kUp, 5, 0));
    EXPECT_EQ(None(0, 0), Find(text, std::string("b\0a", 3), kDown));
    // The same far from the start, where the vector scan runs.
    std::string longText(200, 'x');
    longText[150] = 0;
    longText.replace(160, 2, "ab");
    longText.replace(100, 2, "ab");
    EXPECT_EQ(At(100, 2), Find(longText, "ab", kDown));
    EXPECT_EQ(None(101, 0), Find(longText, "ab", kDown, 101, 0));
    EXPECT_EQ(None(180, 0), Find(longText, "ab", kUp, 180, 0));
    EXPECT_EQ(At(100, 2), Find(longText, "ab", kUp, 150, 0));
}

TEST(SearchEngine, NeverStartsOnATrailByte) {
    EXPECT_EQ(None(), Find("\x88\x82\xA0\x41", "\x82\xA0", kDown));
    EXPECT_EQ(At(1, 2), Find("\x41\x82\xA0", "\x82\xA0", kDown));
    EXPECT_EQ(None(4, 0), Find("\x88\x82\xA0\x41", "\x82\xA0", kUp, 4, 0));
    // "b" is the trail byte of 0xE9 0x62.
    EXPECT_EQ(At(3, 1), Find("\xE9\x62\x20\x62", "b", kDown));
    EXPECT_EQ(None(2, 0), Find("\xE9\x62\x20\x62", "b", kUp, 2, 0));

    // A long run of lead-range bytes pairs up from its start: after 61
    // bytes 0x88 the "A" is the trail byte of the character at 60; after 60
    // it is a character of its own.
    std::string run(61, '\x88');
    run += "A";
    EXPECT_EQ(At(60, 2), Find(run, "\x88\x41", kDown));
    EXPECT_EQ(None(), Find(run, "A", kDown));
    EXPECT_EQ(At(60, 2), Find(run, "\x88\x41", kUp, 62, 0));
    EXPECT_EQ(None(62, 0), Find(run, "A", kUp, 62, 0));
    run.erase(0, 1);
    EXPECT_EQ(At(60, 1), Find(run, "A", kDown, 1, 0));
    EXPECT_EQ(At(60, 1), Find(run, "A", kUp, 61, 0));
    EXPECT_EQ(None(), Find(run, "\x88\x41", kDown));

    // A selection ending inside a character starts after that character;
    // going up, a candidate inside one moves to its lead byte.
    EXPECT_EQ(At(2, 2), Find("\x82\xA0\x82\xA0", "\x82\xA0", kDown, 0, 1));
    EXPECT_EQ(At(0, 2), Find("\x82\xA0\x82\xA0", "\x82\xA0", kUp, 3, 0));
}

TEST(SearchEngine, MatchesNeverEndInsideACharacter) {
    // The pattern ends with a lone lead byte: it cannot match a whole
    // character, nor a lone lead byte at the end of the text.
    EXPECT_EQ(None(), Find("a\x82\xA0", "a\x82", kDown));
    EXPECT_EQ(None(), Find("a\x82", "a\x82", kDown));
    EXPECT_EQ(None(), Find("a\x82", "\x82", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("\x82\xA0", "\x82", kDown));
    EXPECT_EQ(At(0, 1), Find("a\x82", "a", kDown));
}

TEST(SearchEngine, FoldsAsciiAndFullWidthLatinLettersOnly) {
    EXPECT_EQ(At(0, 3), Find("abc", "ABC", TSearchOption::soDown));
    EXPECT_EQ(At(4, 3), Find("xAbxAbc", "abC", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("abc", "ABC", TSearchOption::soDown | TSearchOption::soMatchCase));
    EXPECT_EQ(At(0, 2), Find("ａ", "Ａ", TSearchOption::soDown));
    EXPECT_EQ(At(0, 2), Find("Ａ", "ａ", TSearchOption::soDown));
    EXPECT_EQ(At(1, 6), Find("xｚＹｘ", "ＺｙＸ", TSearchOption::soDown, 1, 0));
    EXPECT_EQ(At(0, 4), Find("ＡＺ", "ａｚ", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("ａ", "Ａ", TSearchOption::soDown | TSearchOption::soMatchCase));
    EXPECT_EQ(None(), Find("Ａ", "A", TSearchOption::soDown)); // full-width and ASCII stay apart
    EXPECT_EQ(None(), Find("ア", "ｱ", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("ｱ", "ア", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("ぁ", "あ", TSearchOption::soDown));
    // Trail bytes in the letter range are bytes of a character, not letters:
    // 0x83 0x61 is not 0x83 0x41.
    EXPECT_EQ(None(), Find("\x83\x41", "\x83\x61", TSearchOption::soDown));
    EXPECT_EQ(None(), Find("\x83\x61", "\x83\x41", TSearchOption::soDown));
    EXPECT_EQ(At(0, 2), Find("\x83\x61", "\x83\x61", TSearchOption::soDown));
    // Folding under the vector scan, both directions.
    std::string text(100, '.');
    text.replace(70, 5, "aＢｃ");
    EXPECT_EQ(At(70, 5), Find(text, "Aｂｃ", TSearchOption::soDown));
    EXPECT_EQ(At(70, 5), Find(text, "Aｂｃ", TSearchOptions(), 100, 0));
}

TEST(SearchEngine, WholeWordsStartAtWordStartsAndEndAtDelimiters) {
    constexpr TSearchOptions ww =
        TSearchOption::soDown | TSearchOption::soMatchCase | TSearchOption::soWholeWord;
    EXPECT_EQ(None(), Find("xab yy", "ab", ww));
    EXPECT_EQ(None(), Find("abx yy", "ab", ww));
    EXPECT_EQ(At(2, 2), Find("x ab,y", "ab", ww));
    EXPECT_EQ(At(0, 1), Find("a_b", "a", ww));
    EXPECT_EQ(At(2, 1), Find("a_b", "b", ww));
    EXPECT_EQ(At(5, 2), Find("abab ab", "ab", ww));
    EXPECT_EQ(At(0, 2),
              Find("ab abab", "ab", TSearchOption::soMatchCase | TSearchOption::soWholeWord, 7, 0));
    // Double-byte characters and half-width katakana are word bytes; the
    // second byte of a full-width space is a delimiter.
    EXPECT_EQ(None(), Find("abあ", "ab", ww));
    EXPECT_EQ(None(), Find("ｱab", "ab", ww));
    EXPECT_EQ(At(2, 2), Find("\x81\x40"
                             "ab",
                             "ab", ww));
    EXPECT_EQ(At(3, 4), Find("ab 漢字 ", "漢字", ww));

    // The first and last positions of the text are held to the same rules:
    // a word that merely touches the end of the text is not a whole word.
    EXPECT_EQ(None(), Find("xab", "ab", ww));
    EXPECT_EQ(At(2, 2), Find("x ab", "ab", ww));
    EXPECT_EQ(None(3, 0),
              Find("abx", "ab", TSearchOption::soMatchCase | TSearchOption::soWholeWord, 3, 0));
    EXPECT_EQ(At(0, 2),
              Find("ab x", "ab", TSearchOption::soMatchCase | TSearchOption::soWholeWord, 4, 0));
    EXPECT_EQ(At(0, 2), Find("ab", "ab", ww));
    EXPECT_EQ(At(0, 2),
              Find("ab", "ab", TSearchOption::soMatchCase | TSearchOption::soWholeWord, 2, 0));
    // A pattern that starts with a delimiter never starts a word.
    EXPECT_EQ(None(3, 0),
              Find("  x", " x", TSearchOption::soMatchCase | TSearchOption::soWholeWord, 3, 0));
    EXPECT_EQ(None(), Find("  x", " x", ww));
}

TEST(SearchEngine, FindsMatchesAcrossLineBreaksOnlyWhenAsked) {
    const std::string text = "first\r\nsecond\r\n";
    EXPECT_EQ(None(), Find(text, "tse", TSearchOption::soDown));
    EXPECT_EQ(At(4, 4), Find(text, "t\r\ns", TSearchOption::soDown));
    EXPECT_EQ(At(7, 6), Find(text, "second", TSearchOption::soDown | TSearchOption::soWholeWord));
}

// Random texts over the bytes that matter (letters of both cases and
// widths, lead and trail bytes, delimiters, zero bytes), with patterns cut
// from the text or made up, random options and selections: the engine and
// the byte-map walk agree on every answer.
TEST(SearchEngine, AgreesWithTheByteMapWalk) {
    static const unsigned char alphabet[] = {
        'a',  'A',  'b',  'B',  'z',  '0',  ' ',  '_',  ',',  '\r', '\n', '@',  '`',
        '{',  0x7F, 0x80, 0x81, 0x82, 0x82, 0x82, 0x60, 0x79, 0x81, 0x9A, 0x83, 0x41,
        0x61, 0x88, 0x9F, 0xE0, 0xFC, 0xFD, 0xA0, 0xA5, 0xA6, 0xB1, 0xDF, 0x40, 0x00};
    std::mt19937 rng(20261209);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int found = 0;
    for (int round = 0; round < 60000; ++round) {
        const int len = pick(4) == 0 ? pick(400) : pick(40);
        std::string text(static_cast<std::size_t>(len), 'a');
        for (auto& c : text) {
            int k = pick(sizeof alphabet);
            if (alphabet[k] == 0 && pick(20) != 0) k = 0; // zero bytes stay rare
            c = static_cast<char>(alphabet[k]);
        }
        std::string pattern;
        if (len > 0 && pick(4) != 0) {
            const int from = pick(len), count = 1 + pick(6);
            pattern = text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
            for (auto& c : pattern) // flip case now and then
                if (pick(4) == 0 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
        } else {
            for (int i = pick(4); i >= 0; --i)
                pattern += static_cast<char>(alphabet[pick(sizeof alphabet - 1)]);
        }
        const TSearchOptions options = static_cast<TSearchOptions>(pick(8) | (pick(2) << 4));
        TSearchSelection sel{pick(len + 3) - 1, pick(4) == 0 ? pick(len + 2) : 0};
        if (pick(2) == 0)
            sel = {Has(options, TSearchOption::soDown) ? 0 : len, 0}; // a whole-text search
        if (pick(50) == 0) sel.SelLength = -1;
        TSearchSelection want = sel, got = sel;
        const bool wantOk = naive::FindInText(text, want, pattern, options);
        const bool gotOk = FindInText(text, got, pattern, options);
        found += wantOk;
        ASSERT_EQ((Found{wantOk, want.SelStart, want.SelLength}),
                  (Found{gotOk, got.SelStart, got.SelLength}))
            << "round " << round << " options " << options << " from " << sel.SelStart << "+"
            << sel.SelLength << " len " << len << " pattern size " << pattern.size();
    }
    EXPECT_GT(found, 8000); // the rounds do find things
}
