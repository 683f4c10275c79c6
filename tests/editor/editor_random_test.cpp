// Random keys, characters, input-method results, mouse gestures, clipboard operations and
// box-mode switches over random Shift_JIS documents, with word wrap on and off.  After
// every step the caret stands on a character boundary, the rows keep their invariants and
// a stream selection's text is the text at its offsets; at the end, undoing every step
// gives back the document it started from, and redoing them all the final one.
#include "support/headless_editor.h"

#include "support/enum_print.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

class TRandomSession {
public:
    TRandomSession(unsigned Seed, bool Wrap) : FRandom(Seed), FWrap(Wrap) {}

    void Run(int Steps) {
        THeadlessEditor D;
        D.Host.Recording = false;
        D.Host.Width = 400;
        D.Host.Height = 200;
        D->SetBounds(400, 200);
        D->SetUndoListMax(1000000);
        D->WrapOption().SetWrapByte(20);
        D->WrapOption().SetFollowRetMark(Pick(2) == 0);
        D->SetWordWrap(FWrap);
        D->Caret().SetTabSpaceCount(4);
        D->Caret().SetFreeCaret(Pick(2) == 0);
        D->Caret().SetInTab(Pick(4) == 0);
        D->Caret().SetKeepCaret(Pick(2) == 0);
        D->Caret().SetNextLine(Pick(2) == 0);
        D->Caret().SetSoftTab(Pick(3) == 0);
        D->Caret().SetTabIndent(Pick(3) == 0);
        D->Caret().SetPrevSpaceIndent(Pick(2) == 0);
        D.Load(Document());
        FStart = D.Text();
        for (int Step = 0; Step < Steps; ++Step) {
            std::string Action = Act(D);
            FTrail += Action + " ";
            Check(D, Step, Action);
            if (::testing::Test::HasFatalFailure()) return;
        }
        const std::string Final = D.Text();
        int Undone = 0;
        while (D->CanUndo()) {
            D->Undo();
            ++Undone;
        }
        EXPECT_EQ(D.Text(), FStart) << "after undoing " << Undone << " steps; " << FTrail;
        for (int I = 0; I < Undone; ++I)
            D->Redo();
        EXPECT_EQ(D.Text(), Final) << "after redoing; " << FTrail;
    }

private:
    static bool HasFailure() { return ::testing::Test::HasFailure(); }

    int Pick(int N) { return std::uniform_int_distribution<int>(0, N - 1)(FRandom); }

    std::string Char() {
        switch (Pick(9)) {
        case 0:
            return " ";
        case 1:
            return "\t";
        case 2:
            return std::string(1, static_cast<char>(0xA1 + Pick(63))); // half-width kana
        case 3:
            return "\x81\x40"; // full-width space
        case 4:
        case 5: {
            int Lead = Pick(2) ? 0x81 + Pick(31) : 0xE0 + Pick(29);
            int Trail = 0x40 + Pick(189);
            if (Trail == 0x7F) ++Trail;
            return std::string{static_cast<char>(Lead), static_cast<char>(Trail)};
        }
        case 6:
            return std::string(1, "(){};,.-+=*/\"'"[Pick(14)]);
        default:
            return std::string(1, static_cast<char>('a' + Pick(26)));
        }
    }

    std::string Line() {
        std::string S;
        int N = Pick(4) == 0 ? Pick(40) : Pick(12);
        for (int I = 0; I < N; ++I)
            S += Char();
        return S;
    }

    std::string Document() {
        std::string S;
        int Lines = Pick(12);
        for (int I = 0; I < Lines; ++I) {
            S += Line();
            if (I + 1 < Lines || Pick(2)) S += "\r\n";
        }
        return S;
    }

    // One random step; returns its name for the failure report.
    std::string Act(THeadlessEditor& D) {
        TEditor& E = D.E();
        auto Shift = [this] {
            TShiftState S = TShiftState();
            if (Pick(3) == 0) S |= TShiftState::ssShift;
            if (Pick(5) == 0) S |= TShiftState::ssCtrl;
            return S;
        };
        auto RandomRow = [&] { return Pick(E.RowCount() + 3) - 1; };
        auto RandomCol = [&] { return Pick(30) - 1; };
        switch (Pick(25)) {
        case 0:
        case 1:
        case 2: {
            static const int Keys[] = {vkLeft, vkRight, vkUp,    vkDown,
                                       vkHome, vkEnd,   vkPrior, vkNext};
            int K = Keys[Pick(8)];
            TShiftState S = Shift();
            D.Key(K, S, Pick(6) == 0);
            return "key" + std::to_string(K) + "/" + EnumText(S);
        }
        case 3:
        case 4:
        case 5: {
            std::string C = Char();
            if (C.size() == 2 || C == "\t") // double-byte text arrives through the IME
                C = "x";
            E.KeyPress(C[0]);
            return "type";
        }
        case 6:
            E.KeyPress('\r');
            return "return";
        case 7:
            E.KeyPress('\t');
            return "tab";
        case 8:
            E.KeyPress('\b');
            return "backspace";
        case 9:
            D.Key(vkDelete);
            return "delete";
        case 10: {
            std::string R;
            int N = 1 + Pick(3);
            for (int I = 0; I < N; ++I) {
                std::string C = Char();
                R += C == "\t" ? "\x82\xA0" : C;
            }
            E.ImeComposition(R);
            for (char C : R) // the platform's character messages after the result
                E.KeyPress(C);
            return "ime";
        }
        case 11:
        case 12: {
            TShiftState S = Pick(3) == 0 ? TShiftState::ssShift : TShiftState();
            if (Pick(4) == 0) S |= TShiftState::ssAlt;
            int R1 = RandomRow(), C1 = RandomCol(), R2 = RandomRow(), C2 = RandomCol();
            if (Pick(5) == 0) C1 = -2; // the left margin
            D.Drag(R1, C1, R2, C2, S);
            return "drag" + std::to_string(R1) + "," + std::to_string(C1) + "-" +
                   std::to_string(R2) + "," + std::to_string(C2);
        }
        case 13: {
            // Down inside the selection when there is one: a drag-move or drag-copy.
            int R1 = E.Selected() ? E.BlockTopRow() : RandomRow();
            int C1 = E.Selected() ? E.BlockLeftCol() + Pick(2) : RandomCol();
            int R2 = RandomRow(), C2 = RandomCol();
            TShiftState S = Pick(2) ? TShiftState::ssCtrl : TShiftState();
            E.MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(C1) + 1, D.Y(R1));
            E.MouseMove(TShiftState::ssLeft, D.X(C2), D.Y(R2));
            if (Pick(6) == 0) {
                int K = vkEscape;
                E.KeyDown(K, TShiftState());
            }
            E.MouseUp(TMouseButton::mbLeft, S, D.X(C2), D.Y(R2));
            return "dragmove";
        }
        case 14:
            E.CopyClipboard();
            return "copy";
        case 15:
            E.CutClipboard();
            return "cut";
        case 16:
            E.PasteClipboard();
            return "paste";
        case 17: {
            if (Pick(2))
                E.ToggleBoxMode();
            else
                D.Key(vkEscape);
            return "box";
        }
        case 18: {
            switch (Pick(4)) {
            case 0:
                E.IndentSelection();
                return "indent";
            case 1:
                E.UnindentSelection();
                return "unindent";
            case 2:
                E.TabIndentSelection();
                return "tabindent";
            default:
                E.UnTabIndentSelection();
                return "untabindent";
            }
        }
        case 19: {
            switch (Pick(4)) {
            case 0:
                E.SelectAll();
                return "selectall";
            case 1:
                E.SetSelStart(Pick(E.GetTextLen() + 3) - 1);
                return "selstart";
            case 2:
                E.SetSelLength(Pick(20) - 2);
                return "sellength";
            default:
                E.SelectTokenAt(D.X(RandomCol()), D.Y(RandomRow()));
                return "token";
            }
        }
        case 20: {
            if (Pick(2))
                E.Undo();
            else
                E.Redo();
            return "undo/redo";
        }
        case 21: {
            switch (Pick(3)) {
            case 0:
                E.DeleteRow(RandomRow());
                return "deleterow";
            case 1:
                E.ConvertWrapToReturns();
                return "wraptoreturns";
            default:
                E.SetSelText(Line() + (Pick(2) ? "\r\n" + Line() : ""));
                return "seltext";
            }
        }
        case 22:
            E.SetOverwrite(!E.Overwrite());
            return "overwrite";
        case 23: {
            // A change of how lines are cut, between edits and undos: with word wrap on
            // it re-cuts every row and clears the undo lists, which start again here.
            std::string Name;
            switch (Pick(3)) {
            case 0:
                E.Caret().SetTabSpaceCount(2 + 2 * Pick(4));
                Name = "tabwidth" + std::to_string(E.Caret().TabSpaceCount());
                break;
            case 1:
                E.WrapOption().SetWrapByte(20 + Pick(3) * 5);
                Name = "wrapbyte" + std::to_string(E.WrapOption().WrapByte());
                break;
            default:
                E.WrapOption().SetFollowRetMark(!E.WrapOption().FollowRetMark());
                Name = "retmark";
                break;
            }
            if (!E.CanUndo() && !E.CanRedo()) FStart = D.Text();
            return Name;
        }
        default: {
            E.SetRowCol(RandomRow(), RandomCol());
            return "setrowcol";
        }
        }
    }

    void Check(THeadlessEditor& D, int Step, const std::string& Action) {
        TEditor& E = D.E();
        TEditorScreenStrings& L = E.RowList();
        // Built only when an assertion fails.
        auto Where = [&] {
            std::ostringstream S;
            S << "step " << Step << " (" << Action << ") rows " << D.Rows() << " caret " << D.Pos()
              << "; " << FTrail;
            return S.str();
        };
        int N = L.Count();
        for (int R = 0; R < N; ++R) {
            ASSERT_EQ(L.Get(R).find_first_of("\r\n"), std::string::npos) << Where();
            if (R < N - 1) {
                ASSERT_NE(L.GetRowAttribute(R), TEditorRowAttribute::raEof) << Where();
            }
            if (!FWrap) {
                ASSERT_NE(L.GetRowAttribute(R), TEditorRowAttribute::raWrapped) << Where();
            }
        }
        if (FWrap) {
            // Every logical line is cut as the current rules cut it.
            TEditorStrings& Lines = E.Lines();
            int Row = 0;
            for (int I = 0; I < Lines.Count(); ++I) {
                TEditorStringList Alone;
                L.WrapText(Lines.Get(I), Alone);
                for (int K = 0; K < Alone.Count(); ++K, ++Row) {
                    ASSERT_LT(Row, N) << Where();
                    ASSERT_EQ(L.Get(Row), Alone.Get(K)) << "line " << I << "; " << Where();
                }
            }
            ASSERT_EQ(Row, N) << Where();
        }
        ASSERT_GE(E.Row(), 0) << Where();
        ASSERT_LE(E.Row(), N) << Where();
        if (N > 0 && L.GetRowAttribute(N - 1) == TEditorRowAttribute::raEof) {
            ASSERT_LT(E.Row(), N) << Where();
        }
        const std::string& M = E.RowMap(E.Row());
        if (E.Col() < static_cast<int>(M.size())) {
            char C = M[static_cast<std::size_t>(E.Col())];
            ASSERT_NE(C, '5') << Where();
            if (!E.Caret().InTab()) {
                ASSERT_NE(C, '3') << Where();
            }
        }
        if (E.Selected() && !E.BoxMode()) {
            std::string Text = D.Text();
            int Start = E.SelStart(), Length = E.SelLength();
            ASSERT_LE(Start + Length, static_cast<int>(Text.size())) << Where();
            ASSERT_EQ(E.SelText(), Text.substr(static_cast<std::size_t>(Start),
                                               static_cast<std::size_t>(Length)))
                << Where();
        }
    }

    std::mt19937 FRandom;
    bool FWrap;
    // The text that undoing every step gives back.
    std::string FStart;
    std::string FTrail;
};

} // namespace

TEST(EditorRandom, WordWrapOff) {
    for (unsigned Seed = 1; Seed <= 80; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        TRandomSession(Seed, false).Run(500);
        if (HasFailure()) return;
    }
}

TEST(EditorRandom, WordWrapOn) {
    for (unsigned Seed = 1; Seed <= 80; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        TRandomSession(1000 + Seed, true).Run(500);
        if (HasFailure()) return;
    }
}
