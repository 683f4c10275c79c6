// Row states: the bracket state at the start of every row, kept right through edits,
// undo and redo, word wrap and lazy completion.
#include "editor/editor_strings.h"
#include "editor/parser.h"
#include "editor/row_list.h"
#include "editor/undo.h"
#include "editor/view_info.h"
#include "editor/word_wrap.h"
#include "support/fake_row_list_view.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct StateDoc {
    TEditorViewInfo View;
    TEditorScreenStrings* List = new TEditorScreenStrings;
    TFakeRowListView Host{List};
    TEditorStrings Lines{Host};
    StateDoc() {
        TEditorBracketItem* Comment = View.Brackets().Add();
        Comment->SetLeftBracket("/*");
        Comment->SetRightBracket("*/");
        TEditorBracketItem* Braces = View.Brackets().Add();
        Braces->SetLeftBracket("{");
        Braces->SetRightBracket("}");
        Host.Colouring = &View;
    }

    std::vector<int> States() {
        std::vector<int> S;
        for (int R = 0; R < List->Count(); ++R)
            S.push_back(List->GetRowState(R));
        return S;
    }
    // What a full computation from the first row gives.
    std::vector<int> Expected() {
        std::vector<int> S;
        int State = TEditorParser::OutsideBrackets;
        for (int R = 0; R < List->Count(); ++R) {
            S.push_back(State);
            State = List->StateAfterRow(R, State);
        }
        return S;
    }
    // What the painter does before drawing each row.
    void PaintAll() {
        for (int R = 0; R < List->Count(); ++R)
            if (List->GetRowState(R) == RowStateNotComputed) List->UpdateRowStates(R, false);
    }
};

} // namespace

TEST(RowStates, BlockCommentCarriedToTheNextRow) {
    StateDoc D;
    D.Lines.SetText("int a; /* note\r\nstill */ b\r\nc\r\n");
    EXPECT_EQ(D.States(), (std::vector<int>{-1, 0, -1}));
    EXPECT_EQ(D.List->FirstTokenOfRow(1), "still ");
    EXPECT_EQ(D.List->FirstTokenOfRow(2), "c");
}

TEST(RowStates, NoBracketPairsMeansOutsideEverywhere) {
    StateDoc D;
    D.View.Brackets().Clear();
    D.Lines.SetText("/* a\r\nb\r\n");
    EXPECT_EQ(D.States(), (std::vector<int>{-1, -1}));
    D.Host.Colouring = nullptr;
    D.Lines.SetText("/* a\r\nb\r\n");
    EXPECT_EQ(D.States(), (std::vector<int>{-1, -1}));
}

TEST(RowStates, AnEditOpensACommentForTheRowsBelow) {
    StateDoc D;
    D.Host.Page = 2;
    std::string Text;
    for (int I = 0; I < 20; ++I)
        Text += "row\r\n";
    D.Lines.SetText(Text);
    D.Host.RepaintedRows.clear();
    D.List->ReplaceRows(1, 1, "/* row\r\n");
    std::vector<int> S = D.States();
    // The edited row and two screens past it are computed and repainted; the rest wait
    // for painting.
    EXPECT_EQ(S[1], -1);
    for (int R = 2; R <= 5; ++R)
        EXPECT_EQ(S[static_cast<std::size_t>(R)], 0) << R;
    for (int R = 6; R < 20; ++R)
        EXPECT_EQ(S[static_cast<std::size_t>(R)], RowStateNotComputed) << R;
    EXPECT_EQ(D.Host.RepaintedRows, (std::vector<int>{1, 2, 3, 4, 5}));
    D.PaintAll();
    EXPECT_EQ(D.States(), D.Expected());
    EXPECT_EQ(D.States().back(), 0);
}

TEST(RowStates, UnchangedStateStopsTheUpdate) {
    StateDoc D;
    D.Lines.SetText("a\r\nb\r\nc\r\nd\r\n");
    D.Host.RepaintedRows.clear();
    D.List->ReplaceRows(1, 1, "bb\r\n");
    EXPECT_EQ(D.States(), (std::vector<int>{-1, -1, -1, -1}));
    // Only the re-cut rows (the edited line and the one after it, which a replacement
    // of a whole line takes along) were computed again; row 3's state stopped the update.
    EXPECT_EQ(D.Host.RepaintedRows, (std::vector<int>{1, 2}));
}

// A comment opener cut by the soft wrap ("/" at the end of a row, "*" starting the next)
// still opens the comment: the wrapped row is parsed with the next row's first token.
TEST(RowStates, TokenCutBySoftWrapIsParsedWhole) {
    StateDoc D;
    D.List->WrapOption().SetWrapByte(20);
    D.List->SetWordWrap(true);
    D.Lines.SetText(std::string(19, 'a') + "/*xx\r\nnext\r\n");
    ASSERT_EQ(D.List->Get(0), std::string(19, 'a') + "/");
    EXPECT_EQ(D.States(), (std::vector<int>{-1, 0, 0}));
}

// Random edits with undo and redo: after the painter has completed the states, they
// equal a full computation at every step.
TEST(RowStates, RandomEditsUndoAndRedoKeepStatesRight) {
    std::mt19937 Rng(321);
    const char* Pieces[] = {"/*", "*/", "{", "}", "a", " ", "\r\n", "\x82\xa0", "/", "*"};
    StateDoc D;
    D.Host.Page = 3;
    D.List->UndoObj().SetUndoListMax(100000);
    D.Lines.SetText("start\r\n");
    for (int Step = 0; Step < 3000; ++Step) {
        unsigned Kind = Rng() % 10;
        if (Kind < 7) {
            int N = D.List->Count();
            int Row = static_cast<int>(Rng() % (N + 1));
            int Count = Row < N ? static_cast<int>(Rng() % std::min(3, N - Row + 1)) : 0;
            std::string Text;
            for (int I = static_cast<int>(Rng() % 8); I > 0; --I)
                Text += Pieces[Rng() % 10];
            if (Count > 0 && Rng() % 2) D.List->AppendLineBreak(Row + Count - 1, Text);
            D.List->ReplaceRows(Row, Count, Text);
        } else if (Kind < 8) {
            D.List->Undo();
        } else if (Kind < 9) {
            D.List->Redo();
        } else {
            D.List->WrapOption().SetWrapByte(20 + static_cast<int>(Rng() % 10));
            D.List->SetWordWrap(Rng() % 2);
        }
        std::vector<int> S = D.States();
        std::vector<int> E = D.Expected();
        for (std::size_t R = 0; R < S.size(); ++R)
            if (S[R] != RowStateNotComputed && S[R] != E[R]) {
                // A computed state above the first not-computed row must be right.
                bool Earlier = false;
                for (std::size_t K = 0; K < R; ++K)
                    Earlier = Earlier || S[K] == RowStateNotComputed;
                ASSERT_TRUE(Earlier) << "step " << Step << " row " << R;
            }
        D.PaintAll();
        ASSERT_EQ(D.States(), D.Expected()) << "step " << Step;
    }
}
