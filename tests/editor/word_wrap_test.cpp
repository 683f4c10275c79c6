// Cutting one logical line into rows, the column map and the wrap options.
#include "editor/column_map.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/word_wrap.h"
#include "support/fake_row_list_view.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct WrapDoc {
    TEditorScreenStrings* List = new TEditorScreenStrings;
    TFakeRowListView View{List};
    TEditorStrings Lines{View};
    explicit WrapDoc(int Width = 20) {
        List->WrapOption().SetWrapByte(Width);
        List->SetWordWrap(true);
    }
    TEditorWrapOption& Option() { return List->WrapOption(); }
    // The rows WrapText makes of Line, "|" between rows.
    std::string Cut(const std::string& Line) {
        TEditorStringList Rows;
        List->WrapText(Line, Rows);
        std::string S;
        for (int I = 0; I < Rows.Count(); ++I)
            S += (I ? "|" : "") + Rows.Get(I);
        return S;
    }
};

std::string Repeat(const std::string& S, int N) {
    std::string R;
    for (int I = 0; I < N; ++I)
        R += S;
    return R;
}

const std::string A = "\x82\xa0";         // あ
const std::string Maru = "\x81\x42";      // 。
const std::string OpenKagi = "\x81\x75";  // 「
const std::string CloseKagi = "\x81\x76"; // 」

} // namespace

TEST(WordWrap, DoubleByteCharacterAtTheMarginMovesWhole) {
    WrapDoc D;
    std::string Line = std::string(19, 'a') + A + "bc";
    EXPECT_EQ(D.Cut(Line), std::string(19, 'a') + "|" + A + "bc");
}

TEST(WordWrap, HangingPunctuationWithTheReturnMark) {
    WrapDoc D;
    D.Option().SetFollowPunctuation(true);
    D.Option().SetFollowRetMark(true);
    std::string Line = Repeat(A, 10) + Maru;
    EXPECT_EQ(D.Cut(Line), Line); // 22 columns stay one row
    EXPECT_EQ(D.List->CountWrapRows(Line), 1);
    D.Option().SetFollowRetMark(false);
    EXPECT_EQ(D.Cut(Line), Line + "|");
    D.Option().SetFollowPunctuation(false);
    EXPECT_EQ(D.Cut(Line), Repeat(A, 10) + "|" + Maru);
}

TEST(WordWrap, AtMostTwoDoubleBytePunctuationMarksHang) {
    WrapDoc D;
    D.Option().SetFollowPunctuation(true);
    std::string Line = Repeat(A, 10) + Repeat(Maru, 3) + "x";
    EXPECT_EQ(D.Cut(Line), Repeat(A, 10) + Repeat(Maru, 2) + "|" + Maru + "x");
}

TEST(WordWrap, OpeningBracketLeavesTheRowEnd) {
    WrapDoc D;
    D.Option().SetLeading(true);
    std::string Line = Repeat(A, 9) + OpenKagi + A + A;
    EXPECT_EQ(D.Cut(Line), Repeat(A, 9) + "|" + OpenKagi + A + A);
    D.Option().SetLeading(false);
    EXPECT_EQ(D.Cut(Line), Repeat(A, 9) + OpenKagi + "|" + A + A);
}

TEST(WordWrap, ClosingBracketPullsThePrecedingCharacterDown) {
    WrapDoc D;
    D.Option().SetLeading(true);
    std::string Line = Repeat(A, 10) + CloseKagi + A;
    EXPECT_EQ(D.Cut(Line), Repeat(A, 9) + "|" + A + CloseKagi + A);
    // A run of closing brackets never moves the cut before column 16 (W div 5 * 4).
    std::string Run = Repeat(A, 7) + Repeat(CloseKagi, 6) + A;
    std::string Rows = D.Cut(Run);
    std::size_t Bar = Rows.find('|');
    ASSERT_NE(Bar, std::string::npos);
    EXPECT_GE(static_cast<int>(Bar), 16);
}

TEST(WordWrap, SingleByteFollowCharacterAtTheLineEndIsNotPulledBack) {
    WrapDoc D;
    D.Option().SetLeading(true);
    std::string Line = std::string(20, 'a') + ")";
    EXPECT_EQ(D.Cut(Line), std::string(20, 'a') + "|)");
    EXPECT_EQ(D.Cut(std::string(20, 'a') + ")b"), std::string(19, 'a') + "|a)b");
}

TEST(WordWrap, WordBreakKeepsAWordTogetherUnlessItIsTooLong) {
    WrapDoc D;
    D.Option().SetWordBreak(true);
    EXPECT_EQ(D.Cut("aaaa bbbb cccc dddd eeee"), "aaaa bbbb cccc dddd |eeee");
    // A word that has no break in the last two thirds of the row is cut at the margin:
    // the rows of a long word are full rows, not thirds of rows.
    std::string Long(30, 'x');
    EXPECT_EQ(D.Cut("ab " + Long), "ab " + std::string(17, 'x') + "|" + std::string(13, 'x'));
    EXPECT_EQ(D.Cut(std::string(50, 'y')),
              std::string(20, 'y') + "|" + std::string(20, 'y') + "|" + std::string(10, 'y'));
    EXPECT_EQ(D.List->CountWrapRows(std::string(50, 'y')), 3);
    // A break past the first third still keeps the word whole.
    EXPECT_EQ(D.Cut("abcdefgh " + Long),
              "abcdefgh |" + std::string(20, 'x') + "|" + std::string(10, 'x'));
    // A double-byte character ends a row as a delimiter does.
    EXPECT_EQ(D.Cut("日本語漢字" + Long),
              "日本語漢字|" + std::string(20, 'x') + "|" + std::string(10, 'x'));
}

TEST(WordWrap, TabsStopAtTheMargin) {
    // A tab never reaches past a multiple of WrapByte, so it cannot hang over a cut.
    EXPECT_EQ(GetColumnMap(std::string(18, 'a') + "\tb", 8, true, 20),
              std::string(18, '1') + "23" + "1");
    EXPECT_EQ(GetColumnMap(std::string(18, 'a') + "\tb", 8, false, 20),
              std::string(18, '1') + "2" + std::string(5, '3') + "1");
    WrapDoc D;
    EXPECT_EQ(D.Cut(std::string(18, 'a') + "\tbc"), std::string(18, 'a') + "\t|bc");
}

TEST(ColumnMap, CharacterClasses) {
    EXPECT_EQ(GetColumnMap("a_1\xb1 " + A + ".", 8, false, 80), "1111245"
                                                                "2");
    EXPECT_EQ(ExpandTabs("a\tb", 4, false, 80), "a   b");
    EXPECT_EQ(ExpandedWidth("a\tb" + A, 4, false, 80), 7);
    // A lead byte without its trail byte at the end of a line is one column.
    EXPECT_EQ(GetColumnMap("a\x82", 8, false, 80).size(), 2u);
}

TEST(ColumnMap, CursorKeepsTheTabByteOnFillColumns) {
    std::string Line = "a\tb";
    std::string Map = GetColumnMap(Line, 4, false, 80); // "1233" + "1"
    TEditorAttributeArray C(Line, Map);
    C.MoveTo(3);
    EXPECT_EQ(C.MapChar(), '3');
    EXPECT_EQ(C.BytePos(), 2);
    EXPECT_EQ(C.CurrentChar(), "\t");
    C.Prev(); // back onto the tab itself
    EXPECT_EQ(C.BytePos(), 2);
    C.MoveTo(5);
    EXPECT_EQ(C.CurrentChar(), "b");
    C.Next();
    C.Next(); // stays on the terminator
    EXPECT_EQ(C.MapChar(), '0');
    EXPECT_EQ(C.CurrentChar(), "");
    C.MoveTo(-3);
    EXPECT_EQ(C.Column(), 1);
}

TEST(WrapOption, ClampsAndNotifiesOnChangeOnly) {
    TEditorWrapOption W;
    int Notes = 0;
    W.OnChange = [&](TNotifyPersistent*) { ++Notes; };
    W.SetWrapByte(10);
    EXPECT_EQ(W.WrapByte(), 20);
    W.SetWrapByte(999);
    EXPECT_EQ(W.WrapByte(), 250);
    EXPECT_EQ(Notes, 2);
    W.SetWrapByte(1000); // clamps to the value it has
    W.SetLeadStr(W.LeadStr());
    EXPECT_EQ(Notes, 2);
    TEditorWrapOption Other;
    Other.SetWordBreak(true);
    Other.SetLeadStr("");
    W.Assign(Other);
    EXPECT_EQ(Notes, 3);
    EXPECT_TRUE(W.WordBreak());
    EXPECT_EQ(W.WrapByte(), 80);
}

TEST(WrapOption, DefaultSetsAndCharacterBoundaries) {
    TEditorWrapOption W;
    EXPECT_EQ(W.FollowStr().size(), 56u);
    EXPECT_EQ(W.LeadStr().size(), 14u);
    EXPECT_EQ(W.PunctuationStr().size(), 12u);
    EXPECT_TRUE(ContainsChar(Maru, W.FollowStr()));
    EXPECT_TRUE(ContainsChar(")", W.FollowStr()));
    EXPECT_FALSE(ContainsChar("", W.FollowStr()));
    // Bytes that straddle two characters of the set are not a character of it.
    EXPECT_FALSE(ContainsChar("\x42\x81", "\x81\x42\x81\x41"));
    EXPECT_FALSE(ContainsChar("\x82\xa0", "\x81\x82\xa0"));
    EXPECT_TRUE(ContainsChar("\xa0", "\x81\x82\xa0"));
}

// An empty rule string disables its rule.
TEST(WordWrap, EmptyRuleStringsDisableTheirRules) {
    WrapDoc D;
    D.Option().SetLeading(true);
    D.Option().SetLeadStr("");
    D.Option().SetFollowStr("");
    std::string Line = Repeat(A, 9) + OpenKagi + CloseKagi + A;
    EXPECT_EQ(D.Cut(Line), Repeat(A, 9) + OpenKagi + "|" + CloseKagi + A);
}

// Whatever the options, CountWrapRows agrees with WrapText, every row keeps at least one
// column, no row is wider than W + 4 and the rows give back the line.
TEST(WordWrap, RandomLinesAgreeWithTheirRowCount) {
    std::mt19937 Rng(99);
    const char* Pieces[] = {"a", " ", "\t",       "\x82\xa0", "\x81\x42", "\x81\x41", "\xb1",
                            "(", ")", "\x81\x75", "\x81\x76", "word",     ",",        "\x82"};
    WrapDoc D;
    for (int Round = 0; Round < 3000; ++Round) {
        D.Option().SetWrapByte(20 + static_cast<int>(Rng() % 15));
        D.Option().SetLeading(Rng() % 2);
        D.Option().SetFollowPunctuation(Rng() % 2);
        D.Option().SetWordBreak(Rng() % 2);
        D.Option().SetFollowRetMark(Rng() % 2);
        std::string Line;
        int K = static_cast<int>(Rng() % 40);
        for (int I = 0; I < K; ++I)
            Line += Pieces[Rng() % 14];
        TEditorStringList Rows;
        D.List->WrapText(Line, Rows);
        ASSERT_EQ(D.List->CountWrapRows(Line), Rows.Count()) << Line;
        std::string Joined;
        int W = D.Option().WrapByte();
        for (int I = 0; I < Rows.Count(); ++I) {
            Joined += Rows.Get(I);
            bool Last = I == Rows.Count() - 1;
            if (!Last || Rows.Count() == 1) {
                ASSERT_TRUE(!Rows.Get(I).empty() || Line.empty()) << Line;
            }
            // (Tab stops count from the line start, so only rows without tabs are measured.)
            if (Rows.Get(I).find('\t') == std::string::npos) {
                ASSERT_LE(ExpandedWidth(Rows.Get(I), 8, true, W), W + 4) << Line;
            }
        }
        ASSERT_EQ(Joined, Line);
    }
}
