#include "base/errors.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/undo.h"
#include "editor/word_wrap.h"
#include "support/fake_row_list_view.h"

#include "support/enum_print.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

struct Doc {
    TEditorScreenStrings* List = new TEditorScreenStrings;
    TFakeRowListView View{List};
    TEditorStrings Lines{View};
    std::string Rows() {
        std::string S;
        for (int R = 0; R < List->Count(); ++R)
            S += List->Get(R) + "|" + EnumText(List->GetRowAttribute(R)) + " ";
        return S;
    }
};

// The invariants every row list keeps.
void CheckInvariants(TEditorScreenStrings& L) {
    for (int R = 0; R < L.Count(); ++R) {
        ASSERT_EQ(L.Get(R).find_first_of("\r\n"), std::string::npos) << R;
        if (R < L.Count() - 1) {
            ASSERT_NE(L.GetRowAttribute(R), TEditorRowAttribute::raEof) << R;
        }
        if (!L.WordWrap()) {
            ASSERT_NE(L.GetRowAttribute(R), TEditorRowAttribute::raWrapped) << R;
        }
    }
}

} // namespace

TEST(RowList, LinesAddOnEmptyAndUnterminatedText) {
    Doc D;
    EXPECT_EQ(D.Lines.Count(), 0);
    EXPECT_EQ(D.Lines.Add("a"), 0);
    EXPECT_EQ(D.Rows(), "a|0 ");
    EXPECT_EQ(D.Lines.Text(), "a\r\n");

    Doc E;
    E.List->ReplaceRows(0, 0, "a");
    EXPECT_EQ(E.Rows(), "a|2 ");
    E.Lines.Add("b");
    EXPECT_EQ(E.Rows(), "a|0 b|2 ");
    E.Lines.Delete(1);
    EXPECT_EQ(E.Rows(), "a|0 ");
}

TEST(RowList, TextWriteAndIndexErrors) {
    Doc D;
    D.Lines.SetText("one");
    EXPECT_EQ(D.Lines.Text(), "one\r\n");
    D.Lines.SetText("a\r\nb\rc\nd");
    EXPECT_EQ(D.Lines.Count(), 4);
    EXPECT_EQ(D.Lines.Get(3), "d");
    EXPECT_THROW(D.Lines.Get(4), EListError);
    EXPECT_THROW(D.Lines.Put(-1, "x"), EListError);
    EXPECT_THROW(D.Lines.Delete(4), EListError);
    EXPECT_EQ(D.Lines.Text(), "a\r\nb\r\nc\r\nd\r\n");
}

TEST(RowList, ReplaceRowsOutsideRowsDoesNothing) {
    Doc D;
    D.Lines.SetText("a\r\nb");
    D.List->ReplaceRows(3, 0, "x");
    D.List->ReplaceRows(1, 2, "x");
    D.List->ReplaceRows(-1, 0, "x");
    EXPECT_EQ(D.Lines.Text(), "a\r\nb\r\n");
    TEditorRowAttribute A;
    int Rows;
    std::string T = "junk";
    D.List->GetRowsText(5, 1, A, Rows, T);
    EXPECT_EQ(A, TEditorRowAttribute::raInvalid);
    EXPECT_EQ(Rows, 0);
    EXPECT_EQ(T, "");
}

TEST(RowList, InsertAtEndRecordsStepWithoutOldText) {
    Doc D;
    D.Lines.SetText("a\r\n");
    D.List->ReplaceRows(1, 0, "b\r\n");
    EXPECT_EQ(D.Rows(), "a|0 b|0 ");
    EXPECT_EQ(D.List->UndoObj().LastUndo().Attribute, TEditorRowAttribute::raInvalid);
    D.List->Undo();
    EXPECT_EQ(D.Rows(), "a|0 ");
}

TEST(RowList, InsertAfterUnterminatedLastRowContinuesIt) {
    Doc D;
    D.List->ReplaceRows(0, 0, "ab");
    D.List->ReplaceRows(1, 0, "c");
    EXPECT_EQ(D.Rows(), "abc|2 ");
}

TEST(RowList, ChangeRecordEmptyAfterNotification) {
    Doc D;
    D.Lines.SetText("a\r\nb\r\nc\r\n");
    int Before = D.View.Changes;
    D.List->ReplaceRows(1, 1, "x\r\ny\r\n");
    EXPECT_EQ(D.View.Changes, Before + 1);
    EXPECT_FALSE(D.List->TextChanged());
    EXPECT_EQ(D.List->ChangeNewCount(), 0);
    EXPECT_EQ(D.Lines.Text(), "a\r\nx\r\ny\r\nc\r\n");
}

TEST(RowList, WrappedLinesAndMerge) {
    Doc D;
    D.List->SetWordWrap(true);
    std::string Long(50, 'a');
    D.Lines.SetText(Long + " " + Long + "\r\nnext");
    EXPECT_EQ(D.Lines.Count(), 2);
    EXPECT_EQ(D.Lines.Get(0), Long + " " + Long);
    EXPECT_EQ(D.Lines.LineToRow(1), D.List->LastRowOfLine(0) + 1);
    // Replacing the last row of line 0 without a line break merges it with line 1.
    int Last = D.List->LastRowOfLine(0);
    D.List->ReplaceRows(Last, 1, "zz");
    EXPECT_EQ(D.Lines.Count(), 1);
    D.List->SetWordWrap(false);
    CheckInvariants(*D.List);
    EXPECT_FALSE(D.List->UndoObj().CanUndo());
}

TEST(RowList, LineExactlyWrapByteWide) {
    Doc D;
    D.List->WrapOption().SetWrapByte(20);
    D.List->SetWordWrap(true);
    D.Lines.SetText(std::string(20, 'a') + "\r\n");
    EXPECT_EQ(D.Rows(), std::string(20, 'a') + "|1 |0 ");
    D.List->WrapOption().SetFollowRetMark(true);
    EXPECT_EQ(D.Rows(), std::string(20, 'a') + "|0 ");
}

TEST(RowList, UnwrapKeepsFinalEof) {
    Doc D;
    D.List->WrapOption().SetWrapByte(20);
    D.List->SetWordWrap(true);
    D.Lines.SetText("x");
    D.List->ReplaceRows(0, 1, std::string(45, 'b'));
    EXPECT_EQ(D.List->GetRowAttribute(D.List->Count() - 1), TEditorRowAttribute::raEof);
    D.List->SetWordWrap(false);
    EXPECT_EQ(D.Rows(), std::string(45, 'b') + "|2 ");
}

// Lines that grow and lines that shrink in one re-cut: every line must come out exactly
// as cutting it alone makes it.
TEST(RowList, RecutWithGrowingAndShrinkingLines) {
    Doc D;
    D.List->WrapOption().SetWrapByte(40);
    D.List->SetWordWrap(true);
    std::string Text;
    for (int I = 0; I < 30; ++I)
        Text += std::string(I % 2 ? 10 : 70, 'a' + I % 26) + "\r\n";
    D.Lines.SetText(Text);
    D.List->WrapOption().SetWrapByte(20); // long lines grow, short ones become cut too
    D.List->WrapOption().SetWrapByte(60);
    for (int I = 0; I < D.Lines.Count(); ++I) {
        TEditorStringList Alone;
        D.List->WrapText(D.Lines.Get(I), Alone);
        int R = D.Lines.LineToRow(I);
        for (int K = 0; K < Alone.Count(); ++K)
            ASSERT_EQ(D.List->Get(R + K), Alone.Get(K)) << I;
    }
    EXPECT_EQ(D.Lines.Text(), Text);
}

TEST(Undo, ThreeTypedCharactersUndoneOneByOne) {
    Doc D;
    D.Lines.SetText("ab\r\n");
    for (int I = 0; I < 3; ++I) {
        D.View.SetCol(2 + I);
        std::string Row = D.List->Get(0);
        D.List->ReplaceRows(0, 1, Row + "x\r\n");
    }
    EXPECT_EQ(D.List->Get(0), "abxxx");
    D.List->Undo();
    EXPECT_EQ(D.List->Get(0), "abxx");
    EXPECT_EQ(D.View.Col(), 4);
    D.List->Undo();
    D.List->Undo();
    EXPECT_EQ(D.List->Get(0), "ab");
    EXPECT_FALSE(D.List->UndoObj().CanUndo());
    D.List->Redo();
    D.List->Undo();
    EXPECT_EQ(D.List->Get(0), "ab");
    D.List->ReplaceRows(0, 1, "q\r\n");
    EXPECT_FALSE(D.List->UndoObj().CanRedo());
}

TEST(Undo, LimitAndMaximum) {
    Doc D;
    D.Lines.SetText("a\r\n");
    TEditorUndoObj& U = D.List->UndoObj();
    U.SetUndoListMax(10);
    EXPECT_EQ(U.UndoListMax(), 64);
    for (int I = 0; I < 65; ++I)
        D.List->ReplaceRows(0, 1, std::to_string(I) + "\r\n");
    EXPECT_EQ(U.UndoCount(), 64);
    for (int I = 0; I < 64; ++I)
        D.List->Undo();
    EXPECT_FALSE(U.CanUndo());
    EXPECT_EQ(D.List->Get(0), "0");
    // A larger maximum keeps that many steps: 100 are undone, the oldest of 101 is gone.
    U.SetUndoListMax(100);
    EXPECT_EQ(U.UndoListMax(), 100);
    D.Lines.SetText("start\r\n");
    U.Clear();
    for (int I = 0; I < 101; ++I)
        D.List->ReplaceRows(0, 1, "s" + std::to_string(I) + "\r\n");
    EXPECT_EQ(U.UndoCount(), 100);
    int Undone = 0;
    while (U.CanUndo()) {
        D.List->Undo();
        ++Undone;
    }
    EXPECT_EQ(Undone, 100);
    EXPECT_EQ(D.List->Get(0), "s0") << "the step from start to s0 was the one dropped";
    for (int I = 0; I < 100; ++I)
        D.List->Redo();
    EXPECT_EQ(D.List->Get(0), "s100");
}

// Random edits, then everything undone and redone: the text of every step comes back.
TEST(RowListModel, RandomEditsUndoRedo) {
    const char* SeedText = std::getenv("ZEF_SEED");
    unsigned Seed = SeedText ? static_cast<unsigned>(std::strtoul(SeedText, nullptr, 10)) : 77u;
    std::mt19937 Rng(Seed);
    const char* Pieces[] = {"a", "b ", "\t", "\x82\xa0", "\x81\x42", "\xb1", "(", "\r\n", "xyz"};
    for (int Round = 0; Round < 20; ++Round) {
        Doc D;
        D.List->UndoObj().SetUndoListMax(1000);
        D.List->SetWordWrap(Rng() % 2);
        D.List->WrapOption().SetWrapByte(20 + Rng() % 20);
        D.List->WrapOption().SetLeading(Rng() % 2);
        D.List->WrapOption().SetFollowPunctuation(Rng() % 2);
        D.List->WrapOption().SetWordBreak(Rng() % 2);
        D.Lines.SetText("start\r\n");
        std::string Start = D.Lines.Text();
        std::vector<std::string> Texts{Start};
        std::vector<std::pair<int, int>> Carets;
        const int Steps = 200;
        for (int Step = 0; Step < Steps; ++Step) {
            int N = D.List->Count();
            // The caret at the time of each edit is what undoing that edit brings back.
            D.View.SetRow(static_cast<int>(Rng() % (N + 1)));
            D.View.SetCol(static_cast<int>(Rng() % 10));
            Carets.emplace_back(D.View.Row(), D.View.Col());
            int Row = static_cast<int>(Rng() % (N + 1));
            int Count = Row < N ? static_cast<int>(Rng() % std::min(3, N - Row + 1)) : 0;
            std::string Text;
            int K = Rng() % 30;
            for (int I = 0; I < K; ++I)
                Text += Pieces[Rng() % 9];
            if (Rng() % 2 && Row + Count - 1 < N && Count > 0)
                D.List->AppendLineBreak(Row + Count - 1, Text);
            if (Count == 0 && Text.empty())
                Text = "a"; // every step records one undo step
            D.List->ReplaceRows(Row, Count, Text);
            CheckInvariants(*D.List);
            Texts.push_back(D.Lines.Text());
        }
        ASSERT_EQ(D.List->UndoObj().UndoCount(), Steps);
        for (int Step = Steps - 1; Step >= 0; --Step) {
            D.List->Undo();
            ASSERT_EQ(D.Lines.Text(), Texts[static_cast<std::size_t>(Step)])
                << "seed " << Seed << " round " << Round << " undo of step " << Step;
            ASSERT_EQ(std::make_pair(D.View.Row(), D.View.Col()),
                      Carets[static_cast<std::size_t>(Step)]);
        }
        EXPECT_FALSE(D.List->UndoObj().CanUndo());
        for (int Step = 1; Step <= Steps; ++Step) {
            D.List->Redo();
            ASSERT_EQ(D.Lines.Text(), Texts[static_cast<std::size_t>(Step)])
                << "seed " << Seed << " round " << Round << " redo of step " << Step;
        }
        EXPECT_FALSE(D.List->UndoObj().CanRedo());
        // A new edit after undoing ends the redo history.
        D.List->Undo();
        D.List->ReplaceRows(0, 0, "x");
        EXPECT_FALSE(D.List->UndoObj().CanRedo());
    }
}

TEST(RowListModel, EachStepUndoneAndRedoneGivesSameRows) {
    std::mt19937 Rng(1459258655u);
    const char* Pieces[] = {"a", "b ", "\t", "\x82\xa0", "\x81\x42", "\xb1", "(", "\r\n", "xyz"};
    Doc D;
    D.List->UndoObj().SetUndoListMax(1000);
    D.List->SetWordWrap(Rng() % 2);
    D.List->WrapOption().SetWrapByte(20 + Rng() % 20);
    D.List->WrapOption().SetLeading(Rng() % 2);
    D.List->WrapOption().SetFollowPunctuation(Rng() % 2);
    D.List->WrapOption().SetWordBreak(Rng() % 2);
    D.Lines.SetText("start\r\n");
    for (int Step = 0; Step < 200; ++Step) {
        int N = D.List->Count();
        int Row = static_cast<int>(Rng() % (N + 1));
        int Count = Row < N ? static_cast<int>(Rng() % std::min(3, N - Row + 1)) : 0;
        std::string Text;
        int K = Rng() % 30;
        for (int I = 0; I < K; ++I)
            Text += Pieces[Rng() % 9];
        if (Rng() % 2 && Row + Count - 1 < N && Count > 0)
            D.List->AppendLineBreak(Row + Count - 1, Text);
        std::string Before = D.Rows();
        D.List->ReplaceRows(Row, Count, Text);
        std::string After = D.Rows();
        D.List->Undo();
        std::string Undone = D.Rows();
        D.List->Redo();
        ASSERT_EQ(D.Rows(), After) << Step << " row " << Row << " count " << Count << " [" << Text << "] before " << Before << " undone " << Undone;
    }
}

// A line break typed before an empty end-of-text row that continues a wrapped line
// must survive, and undo must bring back the rows it replaced.
TEST(RowListUndo, LineBreakBeforeEmptyEndOfTextRowIsKept) {
    Doc D;
    D.List->SetWordWrap(true);
    D.List->WrapOption().SetWrapByte(20);
    D.Lines.SetText("start\r\n");
    // Exactly 20 columns: a full wrapped row followed by an empty end-of-text row.
    D.List->ReplaceRows(1, 0, "(b axyzb \x81\x42\x81\x42\x82\xa0" "b \t");
    ASSERT_EQ(D.List->Count(), 3);
    std::string Before = D.Lines.Text();
    D.List->ReplaceRows(2, 0, "a\r\n\r\n");
    EXPECT_EQ(D.Lines.Text(), Before + "a\r\n\r\n");
    D.List->Undo();
    EXPECT_EQ(D.Lines.Text(), Before);
    D.List->Redo();
    EXPECT_EQ(D.Lines.Text(), Before + "a\r\n\r\n");
}

// Rows are always cut from the start of their logical line, so an undo step that
// re-cuts its text from there restores exactly the rows it recorded.
TEST(RowListUndo, TabStopsAfterAWrappedRowSurviveUndo) {
    Doc D;
    D.List->SetWordWrap(true);
    D.List->WrapOption().SetWrapByte(20);
    D.Lines.SetText("start\r\n");
    D.List->ReplaceRows(1, 0, "\x81\x42xyz\x81\x42xyzxyz\t(ab ");
    std::string S1 = D.Lines.Text();
    D.List->ReplaceRows(3, 0, "(b \x81\x42" "axyzab \xb1\xb1\t\xb1");
    std::string S2 = D.Lines.Text();
    D.List->ReplaceRows(2, 0, "\tb b \x81\x42");
    D.List->Undo();
    EXPECT_EQ(D.Lines.Text(), S2);
    D.List->Undo();
    EXPECT_EQ(D.Lines.Text(), S1);
    D.List->Undo();
    EXPECT_EQ(D.Lines.Text(), "start\r\n");
}

// Deleting a row whose line goes on in an empty end-of-text row, then replacing the
// row before it: undo gives back the text with its line break.
TEST(RowListUndo, UndoRestoresTheLineBreakBeforeAnEmptyEndRow) {
    Doc D;
    D.List->SetWordWrap(true);
    D.List->WrapOption().SetWrapByte(22);
    D.List->WrapOption().SetLeading(true);
    D.List->WrapOption().SetWordBreak(true);
    D.Lines.SetText("start\r\n");
    D.List->ReplaceRows(1, 0, "\x82\xa0\t\x82\xa0" "b \x82\xa0(\xb1" "b \t");
    D.List->ReplaceRows(1, 1, "");
    std::string S2 = D.Lines.Text();
    D.List->ReplaceRows(0, 1, "\r\nab \xb1\xb1\xb1" "b \x82\xa0");
    D.List->Undo();
    EXPECT_EQ(D.Lines.Text(), S2);
}

// The stored form holds one string per logical line and reads back as raw rows, which
// wrapping at the end of loading cuts again exactly as before.
TEST(RowList, StoredFormRoundTrip) {
    Doc D;
    D.List->WrapOption().SetWrapByte(20);
    D.List->SetWordWrap(true);
    std::string Long(45, 'w');
    D.Lines.SetText("one\r\n" + Long + "\r\n\r\n\x82\xa0\tz");
    std::vector<std::string> Stored = WriteStoredLines(*D.List);
    ASSERT_EQ(Stored, (std::vector<std::string>{"one", Long, "", "\x82\xa0\tz"}));

    Doc E;
    E.View.IsLoading = true;
    E.List->WrapOption().SetWrapByte(20);
    E.List->SetWordWrap(true);
    ReadStoredLines(*E.List, Stored);
    EXPECT_EQ(E.List->Count(), 4); // raw rows, not cut while loading
    E.List->WrapAll();
    EXPECT_EQ(E.List->Count(), 4);
    E.View.IsLoading = false;
    E.List->WrapAll();
    EXPECT_EQ(E.Rows(), D.Rows());
}

// A text that ends with a lone CR ends with a line break like one ending with LF.
TEST(RowList, TextEndingWithCarriageReturnKeepsItsLineBreak) {
    Doc D;
    D.List->ReplaceRows(0, 0, "\r\x04`\xe7\r");
    EXPECT_EQ(D.Lines.Text(), "\r\n\x04`\xe7\r\n");
    Doc E;
    E.List->SetWordWrap(true);
    E.List->WrapOption().SetWrapByte(20);
    E.List->ReplaceRows(0, 0, std::string(20, 'a') + "\r");
    E.List->ReplaceRows(E.List->Count(), 0, "b\r");
    EXPECT_EQ(E.Lines.Text(), std::string(20, 'a') + "\r\nb\r\n");
}
