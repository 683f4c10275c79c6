// The editor's find-next and replace loop read the rows in growing windows; these tests
// hold them to the rule they must give the same result as: the engine over the whole
// text joined by CR LF, from the selection's flat offsets, the match set by SelStart and
// SelLength, and going up the caret put back by the replacement's length.
#include "search/editor_search.h"
#include "support/headless_editor.h"

#include "editor/editor_strings.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <sstream>
#include <vector>

namespace {

bool WholeTextFindNext(TEditor& E, const std::string& Pattern, TSearchOptions Options) {
    TSearchSelection Selection{E.SelStart(), E.SelLength()};
    const std::string Text = E.Lines().Text();
    if (!FindInText(Text, Selection, Pattern, Options)) return false;
    E.SetSelStart(Selection.SelStart);
    E.SetSelLength(Selection.SelLength);
    ScrollFoundRow(E);
    return true;
}

void WholeTextReplace(TEditor& E, const std::string& Text, bool Down) {
    if (Text.empty())
        E.DeleteSelection();
    else
        E.SetSelText(Text);
    if (!Down) E.SetSelStart(E.SelStart() - static_cast<int>(Text.size()));
}

std::string State(THeadlessEditor& D) {
    std::ostringstream S;
    S << "sel " << D->SelStart() << "+" << D->SelLength() << " caret " << D->Row() << ","
      << D->Col() << " top " << D->TopRow();
    return S.str();
}

class TRandomTexts {
public:
    explicit TRandomTexts(unsigned Seed) : FRandom(Seed) {}

    int Pick(int N) { return static_cast<int>(FRandom() % static_cast<unsigned>(N)); }

    // Pieces that meet the engine's corners: letters in both cases, full-width letters,
    // kanji whose second byte is a letter or a backslash, a lone lead byte before a line
    // break, half-width katakana, delimiters and line breaks.
    std::string Piece() {
        static const char* const Pieces[] = {
            "a",        "b",        "A",        "ab",       " ",        "\r\n",
            "\t",       "\\",       "\x82\x60", "\x82\x81", "\x83\x61", "\x95\x5C",
            "\x88\x9F", "\xB1",     "_",        "\x81",     "aa",       "\r\n\r\n",
        };
        return Pieces[Pick(static_cast<int>(std::size(Pieces)))];
    }

    // Text of about Size bytes: random pieces, or with Sparse mostly filler lines with a
    // piece here and there, so that a search slides its window over many rows.
    std::string Text(int Size, bool Sparse) {
        std::string T;
        while (static_cast<int>(T.size()) < Size) {
            if (Sparse && Pick(8) != 0) {
                T += std::string(static_cast<std::size_t>(Pick(90)), 'x');
                if (Pick(3) != 0) T += "\r\n";
            } else {
                T += Piece();
            }
        }
        return T;
    }

    // A sparse text of Least to Least + Spread bytes, or a dense one of up to Dense.
    std::string Case(bool Sparse, int Least, int Spread, int Dense) {
        return Sparse ? Text(Least + Pick(Spread), true) : Text(Pick(Dense), false);
    }
    // Word wrap at a narrow width for a third of the texts, else none (0).
    int WrapByte() { return Pick(3) == 0 ? 8 + Pick(20) : 0; }

    std::string Pattern() {
        std::string P = Piece();
        if (Pick(2) == 0) P += Piece();
        if (Pick(4) == 0) P += Piece();
        return P;
    }

    TSearchOptions Options() {
        TSearchOptions O = TSearchOptions();
        if (Pick(2) == 0) O |= TSearchOption::soDown;
        if (Pick(2) == 0) O |= TSearchOption::soMatchCase;
        if (Pick(4) == 0) O |= TSearchOption::soWholeWord;
        return O;
    }

private:
    std::mt19937 FRandom;
};

// Two editors with the same text and view, one for each way of searching.
struct TEditorPair {
    THeadlessEditor Fast, Whole;

    TEditorPair(const std::string& Text, int WrapByte) {
        for (THeadlessEditor* D : {&Fast, &Whole}) {
            D->Host.Recording = false;
            (*D)->SetBounds(400, 160);
            (*D)->SetUndoListMax(1000000);
            if (WrapByte > 0) {
                (*D)->WrapOption().SetWrapByte(WrapByte);
                (*D)->SetWordWrap(true);
            }
            D->Load(Text);
        }
    }

    void Select(int Start, int Length) {
        for (THeadlessEditor* D : {&Fast, &Whole}) {
            (*D)->SetSelStart(Start);
            (*D)->SetSelLength(Length);
        }
    }
};

void ExpectSame(TEditorPair& P, const std::string& What) {
    ASSERT_EQ(P.Fast.Text(), P.Whole.Text()) << What;
    ASSERT_EQ(State(P.Fast), State(P.Whole)) << What;
}

} // namespace

TEST(EditorTextSearch, FindNextAgreesWithTheWholeTextSearch) {
    TRandomTexts R(20240611);
    for (int Round = 0; Round < 400; ++Round) {
        const std::string Text = R.Case(Round % 4 == 0, 6000, 12000, 300);
        TEditorPair P(Text, R.WrapByte());
        TEditorTextSearch Search(P.Fast.E());
        const int Size = static_cast<int>(Text.size());
        for (int Try = 0; Try < 12; ++Try) {
            const std::string Pattern = R.Pattern();
            const TSearchOptions Options = R.Options();
            if (Try % 3 == 0) {
                const int Start = R.Pick(Size + 1);
                P.Select(Start, R.Pick(4) == 0 ? R.Pick(Size - Start + 1) : 0);
            }
            std::ostringstream What;
            What << "round " << Round << " try " << Try << " options "
                 << static_cast<int>(Options) << " pattern size " << Pattern.size();
            const bool Fast = Search.FindNext(Pattern, Options);
            const bool Whole = WholeTextFindNext(P.Whole.E(), Pattern, Options);
            ASSERT_EQ(Fast, Whole) << What.str();
            ExpectSame(P, What.str());
        }
    }
}

TEST(EditorTextSearch, ReplaceRunsAgreeWithTheWholeTextRuleStepByStep) {
    TRandomTexts R(77);
    for (int Round = 0; Round < 160; ++Round) {
        const std::string Text = R.Case(Round % 3 == 0, 5000, 6000, 200);
        TEditorPair P(Text, R.WrapByte());
        const std::string Pattern = R.Pattern();
        const std::string Replacement = R.Pick(5) == 0 ? std::string() : R.Pattern();
        const TSearchOptions Options = R.Options();
        const bool Down = Has(Options, TSearchOption::soDown);
        P.Select(R.Pick(static_cast<int>(Text.size()) + 1), 0);
        std::ostringstream What;
        What << "round " << Round << " options " << static_cast<int>(Options);
        TEditorTextSearch Search(P.Fast.E());
        int Replaced = 0;
        {
            TEditorTextSearch::TRun Run(Search);
            for (;;) {
                const bool Fast = Search.FindNext(Pattern, Options);
                ASSERT_EQ(Fast, WholeTextFindNext(P.Whole.E(), Pattern, Options)) << What.str();
                if (!Fast) break;
                ExpectSame(P, What.str() + " found " + std::to_string(Replaced));
                Search.ReplaceMatch(Replacement, Down);
                WholeTextReplace(P.Whole.E(), Replacement, Down);
                ++Replaced;
                ExpectSame(P, What.str() + " replaced " + std::to_string(Replaced));
                ASSERT_LT(Replaced, 20000) << "the run does not end";
            }
        }
        // The same undo steps: undoing one at a time passes the same texts.
        for (int Step = 0; Step < Replaced; ++Step) {
            P.Fast->Undo();
            P.Whole->Undo();
            ASSERT_EQ(P.Fast.Text(), P.Whole.Text()) << What.str() << " undo " << Step;
        }
        EXPECT_EQ(P.Fast.Text(), P.Whole.Text());
    }
}

TEST(EditorTextSearch, ZeroByteEndsTheSearchedText) {
    // The engine's text ends at a zero byte: nothing after one is found, whichever way.
    const std::string Text = std::string(9000, 'x') + "\r\nab" + std::string(1, '\0') +
                             "\r\n" + std::string(9000, 'y') + "ab\r\n";
    TEditorPair P(Text, 0);
    TEditorTextSearch Search(P.Fast.E());
    EXPECT_TRUE(Search.FindNext("ab", TSearchOption::soDown));
    EXPECT_EQ(P.Fast->SelStart(), 9002);
    EXPECT_FALSE(Search.FindNext("ab", TSearchOption::soDown));
    EXPECT_EQ(P.Fast->SelStart(), 9002) << "the selection stays";
    P.Fast->SetSelStart(static_cast<int>(Text.size()));
    EXPECT_FALSE(Search.FindNext("ab", TSearchOptions()));
    P.Fast->SetSelStart(9004);
    EXPECT_TRUE(Search.FindNext("ab", TSearchOptions()));
    EXPECT_EQ(P.Fast->SelStart(), 9002);
}

TEST(EditorTextSearch, MatchAcrossWindowEdgesAndLongLines) {
    // One match per place the windows meet: a line longer than any window, a match
    // spanning a line break right after the first window, and the last byte.
    std::string Text = std::string(3000, 'x') + "\r\n" + std::string(1090, 'x') + "ab\r\ncd" +
                       std::string(20000, 'y') + "ab\r\ncd";
    TEditorPair P(Text, 80);
    TEditorTextSearch Search(P.Fast.E());
    const std::string Pattern = "ab\r\ncd";
    std::vector<int> Down, Up;
    while (Search.FindNext(Pattern, TSearchOption::soDown))
        Down.push_back(P.Fast->SelStart());
    EXPECT_EQ(Down, (std::vector<int>{4092, static_cast<int>(Text.size()) - 6}));
    P.Fast->SetSelStart(static_cast<int>(Text.size()));
    while (Search.FindNext(Pattern, TSearchOptions()))
        Up.push_back(P.Fast->SelStart());
    EXPECT_EQ(Up, (std::vector<int>{static_cast<int>(Text.size()) - 6, 4092}));
}

TEST(EditorTextSearch, WholeWordCutByTheWindowsEnd) {
    // A word that continues on the next wrapped row is no whole word, even where a
    // window ends right after its first part.
    for (int WrapByte : {60, 80})
        for (int Pad = 0; Pad < WrapByte; ++Pad) {
            const std::string Text = std::string(4100 + static_cast<std::size_t>(Pad), 'x') +
                                     " abc " + std::string(300, 'y') + " ab\r\n";
            TEditorPair P(Text, WrapByte);
            TEditorTextSearch Search(P.Fast.E());
            const TSearchOptions Options = TSearchOption::soDown | TSearchOption::soWholeWord;
            ASSERT_EQ(Search.FindNext("ab", Options),
                      WholeTextFindNext(P.Whole.E(), "ab", Options));
            ExpectSame(P, "wrap " + std::to_string(WrapByte) + " pad " + std::to_string(Pad));
        }
}
