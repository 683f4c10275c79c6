// Random edits of a row list checked against a plain byte-string model of the text.
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/undo.h"
#include "editor/word_wrap.h"
#include "support/fake_row_list_view.h"

#include "support/enum_print.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

namespace {

const char* const Pieces[] = {"a",        "b ",       "\t",   "\x82\xa0", "\x81\x42", "\xb1",
                              "(",        "\r\n",     "xyz",  "\x81\x75", "\x81\x41", "word ",
                              "\x83\x41", "\x81\x5b", "\xde", "  "};

std::string RandomText(std::mt19937& Rng, int MaxPieces) {
    std::string S;
    int K = static_cast<int>(Rng() % (MaxPieces + 1));
    for (int I = 0; I < K; ++I)
        S += Pieces[Rng() % (sizeof Pieces / sizeof Pieces[0])];
    return S;
}

// Byte offset of line Index in Text (Text.size() past the last line).
std::size_t ModelLineStart(const std::string& Text, int Index) {
    std::size_t P = 0;
    for (int I = 0; I < Index; ++I) {
        std::size_t E = Text.find("\r\n", P);
        P = E == std::string::npos ? Text.size() : E + 2;
    }
    return P;
}

// Byte offset of a row's first byte.
std::size_t RowOffset(TEditorScreenStrings& L, int Row) {
    std::size_t Offset = 0;
    for (int R = 0; R < Row && R < L.Count(); ++R)
        Offset += L.Get(R).size() + (L.GetRowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0);
    return Offset;
}

std::string Normalized(const std::string& Value) {
    // What loading a text through Lines makes of it: every line ends with CR LF.
    std::string S;
    std::size_t P = 0;
    while (P < Value.size()) {
        std::size_t E = Value.find_first_of("\r\n", P);
        if (E == std::string::npos) {
            S += Value.substr(P) + "\r\n";
            break;
        }
        S += Value.substr(P, E - P) + "\r\n";
        P = E + (Value[E] == '\r' && E + 1 < Value.size() && Value[E + 1] == '\n' ? 2 : 1);
    }
    return S;
}

struct ModelDoc {
    TEditorScreenStrings* List = new TEditorScreenStrings;
    TFakeRowListView View{List};
    TEditorStrings Lines{View};
    std::string Model;
    // The model's texts before each step on the undo list, and before each undone step.
    std::vector<std::string> Undos, Redos;
};

// Rows are exactly the cut of their logical lines; attributes are consistent.
::testing::AssertionResult RowsMatchLines(ModelDoc& D) {
    TEditorScreenStrings& L = *D.List;
    int N = L.Count();
    for (int R = 0; R < N; ++R) {
        if (L.Get(R).find_first_of("\r\n") != std::string::npos)
            return ::testing::AssertionFailure() << "line break inside row " << R;
        if (R < N - 1 && L.GetRowAttribute(R) == TEditorRowAttribute::raEof)
            return ::testing::AssertionFailure() << "raEof before the last row at " << R;
        if (!L.WordWrap() && L.GetRowAttribute(R) == TEditorRowAttribute::raWrapped)
            return ::testing::AssertionFailure() << "wrapped row " << R << " with wrap off";
    }
    if (!L.WordWrap()) return ::testing::AssertionSuccess();
    int Row = 0;
    int LineCount = D.Lines.Count();
    for (int I = 0; I < LineCount; ++I) {
        if (D.Lines.LineToRow(I) != Row)
            return ::testing::AssertionFailure()
                   << "line " << I << " starts at row " << D.Lines.LineToRow(I) << ", not " << Row;
        std::string Line = D.Lines.Get(I);
        TEditorStringList Alone;
        L.WrapText(Line, Alone);
        for (int K = 0; K < Alone.Count(); ++K, ++Row) {
            if (Row >= N)
                return ::testing::AssertionFailure()
                       << "line " << I << " needs row " << Row << " of " << N;
            if (L.Get(Row) != Alone.Get(K))
                return ::testing::AssertionFailure()
                       << "line " << I << " row " << K << ": [" << L.Get(Row) << "] instead of ["
                       << Alone.Get(K) << "]";
            bool LastOfLine = K == Alone.Count() - 1;
            if ((L.GetRowAttribute(Row) == TEditorRowAttribute::raWrapped) == LastOfLine)
                return ::testing::AssertionFailure()
                       << "attribute " << L.GetRowAttribute(Row) << " of row " << Row;
        }
    }
    if (Row != N)
        return ::testing::AssertionFailure() << Row << " rows from lines, " << N << " in the list";
    return ::testing::AssertionSuccess();
}

void RandomWrapOption(std::mt19937& Rng, TEditorScreenStrings& L) {
    TEditorWrapOption& W = L.WrapOption();
    switch (Rng() % 6) {
    case 0:
        W.SetWrapByte(20 + static_cast<int>(Rng() % 30));
        break;
    case 1:
        W.SetLeading(!W.Leading());
        break;
    case 2:
        W.SetFollowPunctuation(!W.FollowPunctuation());
        break;
    case 3:
        W.SetWordBreak(!W.WordBreak());
        break;
    case 4:
        W.SetFollowRetMark(!W.FollowRetMark());
        break;
    default:
        L.SetWordWrap(!L.WordWrap());
        break;
    }
}

// Adding a line after a last row without a line break (an empty end-of-text row after a
// line break included) puts the break before the new line, not after it.
bool LastRowOpen(TEditorScreenStrings& L) {
    return L.Count() > 0 && L.GetRowAttribute(L.Count() - 1) != TEditorRowAttribute::raCrlf;
}

// One random step, applied to the row list and the model alike; returns its description.
std::string RandomStep(std::mt19937& Rng, ModelDoc& D) {
    TEditorScreenStrings& L = *D.List;
    std::ostringstream Out;
    unsigned Kind = Rng() % 100;
    int LineCount = D.Lines.Count();
    if (D.Model.size() > 1500) Kind = 70; // keep the text small: delete lines
    if (Kind < 50) {
        int N = L.Count();
        int Row = static_cast<int>(Rng() % (N + 1));
        int Count = Row < N ? static_cast<int>(Rng() % std::min(4, N - Row + 1)) : 0;
        std::string Text = RandomText(Rng, 12);
        if (Rng() % 2 && Count > 0) L.AppendLineBreak(Row + Count - 1, Text);
        Out << "ReplaceRows(" << Row << ", " << Count << ", [" << Text << "])";
        std::size_t From = RowOffset(L, Row), To = RowOffset(L, Row + Count);
        L.ReplaceRows(Row, Count, Text);
        if (Count > 0 || !Text.empty()) D.Model.replace(From, To - From, Text);
    } else if (Kind < 60 && LineCount > 0) {
        int I = static_cast<int>(Rng() % LineCount);
        std::string S = RandomText(Rng, 8);
        // Put takes a line without breaks.
        for (std::size_t P; (P = S.find("\r\n")) != std::string::npos;)
            S.erase(P, 2);
        Out << "Put(" << I << ", [" << S << "])";
        D.Lines.Put(I, S);
        std::size_t From = ModelLineStart(D.Model, I);
        std::size_t E = D.Model.find("\r\n", From);
        D.Model.replace(From, (E == std::string::npos ? D.Model.size() : E) - From, S);
    } else if (Kind < 68) {
        int I = static_cast<int>(Rng() % (LineCount + 1));
        std::string S = RandomText(Rng, 6);
        for (std::size_t P; (P = S.find("\r\n")) != std::string::npos;)
            S.erase(P, 2);
        Out << "Insert(" << I << ", [" << S << "])";
        bool AtEnd = I == LineCount;
        D.Lines.Insert(I, S);
        if (AtEnd) {
            if (LastRowOpen(L))
                D.Model += "\r\n" + S;
            else
                D.Model += S + "\r\n";
        } else {
            D.Model.insert(ModelLineStart(D.Model, I), S + "\r\n");
        }
    } else if (Kind < 78 && LineCount > 0) {
        int I = static_cast<int>(Rng() % LineCount);
        Out << "Delete(" << I << ")";
        D.Lines.Delete(I);
        std::size_t From = ModelLineStart(D.Model, I);
        std::size_t E = D.Model.find("\r\n", From);
        D.Model.erase(From, (E == std::string::npos ? D.Model.size() : E + 2) - From);
    } else if (Kind < 84) {
        std::string S = RandomText(Rng, 6);
        for (std::size_t P; (P = S.find("\r\n")) != std::string::npos;)
            S.erase(P, 2);
        Out << "Add([" << S << "])";
        D.Lines.Add(S);
        if (LastRowOpen(L))
            D.Model += "\r\n" + S;
        else
            D.Model += S + "\r\n";
    } else if (Kind < 86) {
        std::string S = RandomText(Rng, 40);
        if (Rng() % 3 == 0) S += "\n" + RandomText(Rng, 5) + "\r" + RandomText(Rng, 5);
        Out << "SetText([" << S << "])";
        D.Lines.SetText(S);
        D.Model = Normalized(S);
    } else if (Kind < 90) {
        Out << "wrap option change";
        RandomWrapOption(Rng, L);
    } else if (Kind < 93) {
        D.View.Tabs = 2 + 2 * static_cast<int>(Rng() % 4);
        Out << "tab width " << D.View.Tabs;
        L.ViewTabWidthChanged();
    } else if (Kind < 97) {
        Out << "Undo";
        if (L.UndoObj().CanUndo()) {
            L.Undo();
            D.Redos.push_back(D.Model);
            D.Model = D.Undos.back();
            D.Undos.pop_back();
        }
    } else {
        Out << "Redo";
        if (L.UndoObj().CanRedo()) {
            L.Redo();
            D.Undos.push_back(D.Model);
            D.Model = D.Redos.back();
            D.Redos.pop_back();
        }
    }
    return Out.str();
}

// Follows the undo lists after a step that was not an undo or redo: a new step records
// the text before it, a re-cut clears both lists.
void TrackUndo(ModelDoc& D, const std::string& Before, int UndoCountBefore) {
    TEditorUndoObj& U = D.List->UndoObj();
    if (U.UndoCount() == 0) D.Undos.clear();
    if (U.RedoCount() == 0) D.Redos.clear();
    if (U.UndoCount() == UndoCountBefore + 1) D.Undos.push_back(Before);
}

std::string Dump(TEditorScreenStrings& L) {
    std::string S;
    for (int R = 0; R < L.Count(); ++R)
        S += "[" + L.Get(R) + "]" + EnumText(L.GetRowAttribute(R)) + " ";
    return S;
}

std::string Options(TEditorScreenStrings& L) {
    const TEditorWrapOption& W = L.WrapOption();
    std::ostringstream Out;
    Out << " wrap " << L.WordWrap() << " width " << W.WrapByte() << " leading " << W.Leading()
        << " punct " << W.FollowPunctuation() << " wordbreak " << W.WordBreak() << " retmark "
        << W.FollowRetMark();
    return Out.str();
}

unsigned SeedFromEnvironment(unsigned Default) {
    const char* S = std::getenv("ZEF_SEED");
    return S ? static_cast<unsigned>(std::strtoul(S, nullptr, 10)) : Default;
}

void RunModel(unsigned Seed, int Steps) {
    std::mt19937 Rng(Seed);
    ModelDoc D;
    D.List->WrapOption().SetWrapByte(20);
    D.List->SetWordWrap(true);
    D.List->UndoObj().SetUndoListMax(1000000);
    for (int Step = 0; Step < Steps; ++Step) {
        std::string Before = Dump(*D.List) + Options(*D.List);
        std::string ModelBefore = D.Model;
        int UndoCount = D.List->UndoObj().UndoCount();
        int RedoCount = D.List->UndoObj().RedoCount();
        std::string What = RandomStep(Rng, D);
        if (What != "Undo" && What != "Redo") TrackUndo(D, ModelBefore, UndoCount);
        ASSERT_EQ(D.List->UndoObj().UndoCount(), static_cast<int>(D.Undos.size()))
            << "seed " << Seed << " step " << Step << ": " << What << " (undo " << UndoCount
            << " redo " << RedoCount << " before)";
        std::string Text = D.Lines.Text();
        ASSERT_EQ(Text, D.Model) << "seed " << Seed << " step " << Step << ": " << What
                                 << "\nbefore [" << Before << "]";
        ASSERT_TRUE(RowsMatchLines(D))
            << Dump(*D.List) << "\nseed " << Seed << " step " << Step << ": " << What << " wrap "
            << D.List->WordWrap() << " width " << D.List->WrapOption().WrapByte();
    }
}

} // namespace

// 10 seeds of 10,000 steps; ZEF_SEED picks another first seed for a local hunt.
TEST(RowListModel, RandomEditsAgreeWithByteModel) {
    unsigned First = SeedFromEnvironment(20261209u);
    for (unsigned I = 0; I < 10; ++I) {
        RunModel(First + I, 10000);
        if (HasFatalFailure()) return;
    }
}

// Edits deep inside long wrapped lines re-cut only the rows near the edit; the rows must
// still be exactly the cut of the whole line, whatever the rules and tabs before it.
TEST(RowListModel, EditsInsideLongWrappedLinesCutLikeTheWholeLine) {
    std::mt19937 Rng(SeedFromEnvironment(4242u));
    for (int Round = 0; Round < 40; ++Round) {
        ModelDoc D;
        D.List->WrapOption().SetWrapByte(20 + static_cast<int>(Rng() % 40));
        D.List->SetWordWrap(true);
        for (int I = 0; I < 4; ++I)
            RandomWrapOption(Rng, *D.List);
        D.List->SetWordWrap(true);
        std::string Text;
        for (int L = 0; L < 3; ++L) {
            for (int I = 0; I < 150; ++I)
                Text += Pieces[Rng() % (sizeof Pieces / sizeof Pieces[0])];
            for (std::size_t P; (P = Text.find("\r\n")) != std::string::npos;)
                Text.erase(P, 2);
            Text += "\r\n";
        }
        D.Lines.SetText(Text);
        D.Model = Text;
        for (int Step = 0; Step < 150; ++Step) {
            int N = D.List->Count();
            if (N == 0) break;
            int Row = static_cast<int>(Rng() % N);
            // Mostly insertions, so that the lines stay long.
            int Count = Rng() % 4 == 0 ? 1 : 0;
            std::string Piece = RandomText(Rng, 3);
            if (Count > 0 && Rng() % 3 == 0) D.List->AppendLineBreak(Row, Piece);
            std::size_t From = RowOffset(*D.List, Row), To = RowOffset(*D.List, Row + Count);
            D.List->ReplaceRows(Row, Count, Piece);
            if (Count > 0 || !Piece.empty()) D.Model.replace(From, To - From, Piece);
            ASSERT_EQ(D.Lines.Text(), D.Model) << "round " << Round << " step " << Step;
            ASSERT_TRUE(RowsMatchLines(D))
                << "round " << Round << " step " << Step << " " << Options(*D.List);
        }
    }
}
