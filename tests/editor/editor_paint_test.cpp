// What the paint pass draws, and where, on the recording canvas: 8 x 16 cells, the text
// area from (19, 2).
#include "support/headless_editor.h"

#include "editor/editor_popup_menu.h"
#include "editor/editor_prop.h"
#include "editor/editor_prop_copy.h"
#include "platform/headless/headless_canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Yellow = 0x00FFFF;

struct Painter : THeadlessEditor {
    THeadlessCanvas Canvas;
    void PaintAll() {
        Canvas.Clear();
        E().Paint(Canvas, TRect{0, 0, E().Width(), E().Height()});
    }
    // x of the middle of a cell, y inside row Row.
    int CX(int Col) { return X(Col) + 4; }
    TColor FgAt(int Row, int Col) {
        TColor F = 0, B = 0;
        EXPECT_TRUE(Canvas.TextAt(CX(Col), Y(Row), F, B)) << Row << "," << Col;
        return F;
    }
    TColor BkAt(int Row, int Col) {
        TColor F = 0, B = 0;
        EXPECT_TRUE(Canvas.TextAt(CX(Col), Y(Row), F, B)) << Row << "," << Col;
        return B;
    }
    std::vector<THeadlessCanvas::TDraw> TextsSaying(const std::string& S) {
        std::vector<THeadlessCanvas::TDraw> Out;
        for (const auto& D : Canvas.Of(THeadlessCanvas::dkText))
            if (D.Text == S) Out.push_back(D);
        return Out;
    }
};

} // namespace

TEST(EditorPaint, RowsAreDrawnOnceAndOnlyColouredTokensAgain) {
    Painter P;
    P.Load("if x = 12\r\nabc\r\n");
    P->View().Colors().Int().SetColor(Red);
    P->View().Colors().Reserve().SetColor(Blue);
    TWordList Words;
    Words.Add("IF");
    P->SetReserveWordList(Words);
    P.PaintAll();

    auto Rows = P.TextsSaying("if x = 12");
    ASSERT_EQ(1u, Rows.size());
    EXPECT_EQ(19, Rows[0].X);
    EXPECT_EQ(2, Rows[0].Y);
    EXPECT_EQ(8, Rows[0].Advance);
    EXPECT_TRUE(Rows[0].EvenAdvances);
    EXPECT_TRUE(Has(Rows[0].Options, TTextOutOption::toOpaque));
    // The reserved word (found without regard to case) and the number, nothing else.
    auto If = P.TextsSaying("if");
    ASSERT_EQ(1u, If.size());
    EXPECT_EQ(Blue, If[0].Color);
    auto Twelve = P.TextsSaying("12");
    ASSERT_EQ(1u, Twelve.size());
    EXPECT_EQ(19 + 7 * 8, Twelve[0].X);
    EXPECT_EQ(Red, Twelve[0].Color);
    EXPECT_EQ(clWindowText, P.FgAt(0, 2));
    EXPECT_EQ(Red, P.FgAt(0, 8));
    EXPECT_TRUE(P.TextsSaying("x").empty());
}

TEST(EditorPaint, ABlockCommentColoursEveryRowItCovers) {
    Painter P;
    TEditorBracketItem* Item = P->View().Brackets().Add();
    Item->SetLeftBracket("/*");
    Item->SetRightBracket("*/");
    Item->ItemColor().SetColor(Green);
    P.Load("a /* b\r\nc d\r\ne */ f\r\n");
    P.PaintAll();
    EXPECT_EQ(clWindowText, P.FgAt(0, 0));
    EXPECT_EQ(Green, P.FgAt(0, 3));
    EXPECT_EQ(Green, P.FgAt(1, 2));
    EXPECT_EQ(Green, P.FgAt(2, 3));
    EXPECT_EQ(clWindowText, P.FgAt(2, 5));
}

TEST(EditorPaint, TheEndOfFileMarkFollowsTheLastLine) {
    Painter P;
    P->Marks().EofMark().SetVisible(true);
    P->Marks().EofMark().SetColor(Yellow);
    auto EofAt = [&](const std::string& Text) {
        P.Load(Text);
        P.PaintAll();
        auto Marks = P.TextsSaying("[EOF]");
        EXPECT_EQ(1u, Marks.size()) << Text;
        if (Marks.empty()) return std::make_pair(-1, -1);
        EXPECT_EQ(Yellow, Marks[0].Color);
        EXPECT_EQ(clWindow, Marks[0].BkColor);
        return std::make_pair(Marks[0].X, Marks[0].Y);
    };
    EXPECT_EQ(std::make_pair(19 + 2 * 8, 2 + 16), EofAt("ab\r\nあ"));
    EXPECT_EQ(std::make_pair(19, 2 + 2 * 16), EofAt("ab\r\ncd\r\n"));
    EXPECT_EQ(std::make_pair(19, 2), EofAt(""));
}

TEST(EditorPaint, ReturnMarksUnderlineAndTheRowHeight) {
    Painter P;
    P->Marks().RetMark().SetVisible(true);
    P->Marks().RetMark().SetColor(Red);
    P.Load("ab\r\ncd");
    P.PaintAll();
    auto Lines = P.Canvas.Of(THeadlessCanvas::dkLine);
    ASSERT_EQ(3u, Lines.size()); // one arrow, after "ab" only
    EXPECT_EQ(19 + 2 * 8 + 4, Lines[0].X);
    EXPECT_EQ(2 + 6, Lines[0].Y);
    EXPECT_EQ(2 + 6 + 16 - 10, Lines[0].Y2);
    EXPECT_EQ(Red, Lines[0].Color);

    P->Marks().RetMark().SetVisible(false);
    P->Marks().Underline().SetVisible(true);
    P->Marks().Underline().SetColor(Blue);
    EXPECT_EQ(17, P->RowHeight());
    P.PaintAll();
    Lines = P.Canvas.Of(THeadlessCanvas::dkLine);
    ASSERT_EQ(1u, Lines.size());
    EXPECT_EQ(2 + 16, Lines[0].Y);
    EXPECT_EQ(Blue, Lines[0].Color);

    P.Key(vkRight, TShiftState::ssShift);
    ASSERT_TRUE(P->Selected());
    P.PaintAll();
    EXPECT_TRUE(P.Canvas.Of(THeadlessCanvas::dkLine).empty()) << "no underline under a selection";
}

TEST(EditorPaint, StreamSelectionSpans) {
    Painter P;
    P.Load("abcdef\r\nghijkl\r\nmnopqr\r\n");
    const TColor SelBk = P->View().Colors().Select().BkColor();
    P.Click(0, 2);
    P.Key(vkDown, TShiftState::ssShift);
    P.Key(vkDown, TShiftState::ssShift);
    P.Key(vkRight, TShiftState::ssShift); // rows 0 col 2 ... row 2 col 3
    P.PaintAll();
    EXPECT_EQ(clWindow, P.BkAt(0, 1));
    EXPECT_EQ(SelBk, P.BkAt(0, 2));
    EXPECT_EQ(SelBk, P.BkAt(0, 30)); // to the right edge
    EXPECT_EQ(SelBk, P.BkAt(1, 0));
    EXPECT_EQ(SelBk, P.BkAt(2, 2));
    EXPECT_EQ(clWindow, P.BkAt(2, 3));
    EXPECT_EQ(P->View().Colors().Select().Color(), P.FgAt(1, 3));
}

TEST(EditorPaint, BoxSelectionStopsAtRowEndsAndCoversWholeDoubleByteCharacters) {
    Painter P;
    P.Load("abあいう\r\nx\r\nabcdefgh\r\n");
    const TColor SelBk = P->View().Colors().Select().BkColor();
    P.Drag(0, 1, 2, 3, TShiftState::ssAlt); // box from column 1 to column 3 (the trail of あ)
    ASSERT_TRUE(P->BoxMode());
    P.PaintAll();
    EXPECT_EQ(clWindow, P.BkAt(0, 0));
    EXPECT_EQ(SelBk, P.BkAt(0, 1));
    EXPECT_EQ(SelBk, P.BkAt(0, 3)); // the right edge moved off the trail byte
    EXPECT_EQ(clWindow, P.BkAt(0, 4));
    EXPECT_EQ(clWindow, P.BkAt(1, 2)); // beyond the short row's text
    EXPECT_EQ(SelBk, P.BkAt(2, 2));
    EXPECT_EQ(clWindow, P.BkAt(2, 3));
}

TEST(EditorPaint, DrawLineGetsTheWrappedNeighboursAndALeftShiftedX) {
    Painter P;
    P->WrapOption().SetWrapByte(20);
    P->SetWordWrap(true);
    P.Load("abcdefghij0123456789klmnop\r\n");
    ASSERT_EQ(2, P->RowCount());
    struct Call {
        std::string Line;
        int X, Y, Index;
        bool Selected;
    };
    std::vector<Call> Calls;
    P->OnDrawLine = [&](TEditor*, const std::string& L, int X, int Y, int Index, const TRect&,
                        bool Sel) {
        Calls.push_back({L, X, Y, Index, Sel});
    };
    P.PaintAll();
    ASSERT_EQ(2u, Calls.size());
    EXPECT_EQ("abcdefghij0123456789klmnop", Calls[0].Line);
    EXPECT_EQ(19, Calls[0].X);
    EXPECT_EQ("abcdefghij0123456789klmnop", Calls[1].Line);
    EXPECT_EQ(19 - 20 * 8, Calls[1].X);
    EXPECT_EQ(2 + 16, Calls[1].Y);
    EXPECT_EQ(1, Calls[1].Index);
    EXPECT_FALSE(Calls[1].Selected);
}

TEST(EditorPaint, ALongRowIsCutAtCharactersAndOnlyTheVisiblePartIsDrawn) {
    Painter P;
    std::string Row = "a";
    for (int I = 0; I < 1500; ++I)
        Row += "あ";
    P.Load(Row);
    P->SetTopCol(P->MaxTopCol());
    P.PaintAll();
    for (const auto& D : P.Canvas.Of(THeadlessCanvas::dkText)) {
        EXPECT_LE(D.Text.size(), 1000u);
        EXPECT_TRUE(D.EvenAdvances);
        EXPECT_EQ(0u, (D.Text.size() - (D.Text[0] == 'a')) % 2) << "a character was cut";
    }
    // The first part (bytes 0 ... 998: "a" and 499 characters) lies left of the view; the
    // second, starting at column 999, holds every visible column.
    auto Texts = P.Canvas.Of(THeadlessCanvas::dkText);
    ASSERT_EQ(1u, Texts.size());
    EXPECT_EQ(19 + (999 - 1000) * 8, Texts[0].X);
    EXPECT_EQ(1000u, Texts[0].Text.size());
}

TEST(EditorPaint, ItalicColoursDrawTokenByTokenOverAFilledBackground) {
    Painter P;
    P.Load("x 1\r\n");
    P->View().Colors().Int().SetStyle(TFontStyle::fsItalic);
    EXPECT_TRUE(P->ItalicMode());
    P.PaintAll();
    for (const auto& D : P.Canvas.Of(THeadlessCanvas::dkText)) {
        if (D.Y == 2) {
            EXPECT_FALSE(Has(D.Options, TTextOutOption::toOpaque)) << D.Text;
        }
    }
    auto One = P.TextsSaying("1");
    ASSERT_EQ(1u, One.size());
    EXPECT_EQ(TFontStyle::fsItalic, One[0].Style);
}

TEST(EditorPaint, ScrollingARowPaintsOnlyTheUncoveredRow) {
    Painter P;
    std::string Text;
    for (int I = 0; I < 100; ++I)
        Text += "row " + std::to_string(I) + "\r\n";
    P.Load(Text);
    P.Host.ClearLog();
    P->VScroll(TScrollCode::scLineDown);
    EXPECT_EQ(1, P.Host.Scrolls);
    EXPECT_EQ(-16, P.Host.LastScrollDY);
    EXPECT_EQ(1, P->TopRow());
    // The platform repaints the uncovered strip at the bottom.
    int Bottom = 2 + P->VisibleRows() * 16;
    P.Canvas.Clear();
    P->Paint(P.Canvas, TRect{0, Bottom - 16, P->Width(), Bottom});
    auto Texts = P.Canvas.Of(THeadlessCanvas::dkText);
    ASSERT_EQ(1u, Texts.size());
    EXPECT_EQ("row " + std::to_string(P->VisibleRows()), Texts[0].Text);
}

TEST(EditorPopupMenu, ItemsFollowTheControl) {
    THeadlessEditor E;
    E.Load("abc");
    TEditorPopupMenu& M = *E->PopupMenu();
    ASSERT_EQ(12u, M.Items().size());
    EXPECT_EQ("やり直し(&R)", M.Items()[1].Caption);
    EXPECT_EQ("Ctrl+A", M.Items()[1].ShortCutText);
    auto Enabled = [&](int I) { return M.Items()[static_cast<std::size_t>(I)].Enabled; };
    M.UpdateItems();
    EXPECT_FALSE(Enabled(3)); // cut, copy, delete: nothing selected
    EXPECT_FALSE(Enabled(4));
    EXPECT_FALSE(Enabled(7));
    EXPECT_FALSE(Enabled(5)); // an empty clipboard
    EXPECT_FALSE(Enabled(6));
    EXPECT_TRUE(Enabled(9));

    E->SelectAll();
    EXPECT_TRUE(M.IsShortCut('C', true, false, false));
    EXPECT_EQ("abc", E.Clipboard.PlainText);
    M.UpdateItems();
    EXPECT_TRUE(Enabled(3));
    EXPECT_TRUE(Enabled(5));
    M.Click(7); // delete
    EXPECT_EQ("", E.Text());
    EXPECT_TRUE(M.IsShortCut('Z', true, false, false));
    EXPECT_EQ("abc", E.Text());
    EXPECT_TRUE(M.IsShortCut('A', true, false, false)); // Ctrl+A is redo
    EXPECT_EQ("", E.Text());
    E->SetReadOnly(true);
    M.UpdateItems();
    EXPECT_FALSE(Enabled(0));
    EXPECT_FALSE(Enabled(5));

    EXPECT_TRUE(M.IsShortCut('K', true, false, false));
    EXPECT_TRUE(E->BoxMode());
    M.UpdateItems();
    EXPECT_TRUE(M.Items()[11].Checked);
    EXPECT_FALSE(M.IsShortCut('Q', true, false, false));
}

TEST(EditorPropCopy, CopiesToAndFromAControl) {
    THeadlessEditor E;
    E->SetWordWrap(true);
    E->WrapOption().SetWrapByte(20);
    E.Load("0123456789012345678901234567890123456789\r\n");
    EXPECT_EQ(3, E->RowCount());
    E.Type("x");
    ASSERT_TRUE(E->CanUndo());

    TEditorProp Prop;
    AssignEditorProp(Prop, E.E());
    EXPECT_TRUE(Prop.WordWrap());
    EXPECT_EQ(20, Prop.WrapOption().WrapByte());
    EXPECT_EQ(E->Font().Name(), Prop.Font().Name());

    Prop.WrapOption().SetWrapByte(30);
    Prop.SetColor(Green);
    Prop.Marks().EofMark().SetVisible(true);
    Prop.ReserveWordList().Add("begin");
    Prop.Font().SetStyle(TFontStyle::fsBold);
    AssignEditorPropTo(Prop, E.E());
    EXPECT_EQ(Green, E->Color());
    EXPECT_TRUE(E->Marks().EofMark().Visible());
    EXPECT_EQ(1, E->ReserveWordList().Count());
    EXPECT_EQ(TFontStyle::fsBold, E->Font().Style());
    EXPECT_EQ(2, E->RowCount()); // re-cut at 30
    EXPECT_FALSE(E->CanUndo());
}

TEST(EditorPaint, SelectedPiecesReachDrawLineAndTheReturnMarkTakesTheSelectionColour) {
    Painter P;
    P->Marks().RetMark().SetVisible(true);
    P->Marks().RetMark().SetColor(Red);
    P.Load("abcd\r\nef\r\n");
    P.Click(0, 1);
    P.Key(vkDown, TShiftState::ssShift); // row 0 from column 1, row 1 up to column 1
    std::vector<std::pair<TRect, bool>> Pieces;
    P->OnDrawLine = [&](TEditor*, const std::string&, int, int Y, int, const TRect& R, bool Sel) {
        if (Y == 2) Pieces.push_back({R, Sel});
    };
    P.PaintAll();
    ASSERT_EQ(2u, Pieces.size());
    EXPECT_EQ(19, Pieces[0].first.Left);
    EXPECT_EQ(19 + 8, Pieces[0].first.Right);
    EXPECT_FALSE(Pieces[0].second);
    EXPECT_EQ(19 + 8, Pieces[1].first.Left);
    EXPECT_EQ(P->Width(), Pieces[1].first.Right);
    EXPECT_TRUE(Pieces[1].second);
    EXPECT_EQ(2 + P->RowHeight(), Pieces[1].first.Bottom) << "a selected row spans its full height";
    auto Lines = P.Canvas.Of(THeadlessCanvas::dkLine);
    ASSERT_EQ(6u, Lines.size());
    EXPECT_EQ(P->View().Colors().Select().Color(), Lines[0].Color); // row 0: selected
    EXPECT_EQ(Red, Lines[3].Color);                                 // row 1: after the selection
}
