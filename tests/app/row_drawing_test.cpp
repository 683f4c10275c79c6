// What the main window paints over the editor's rows in each edit mode, read back from
// the recording canvas at the cells of the 8 x 16 grid.
#include "app/edit_mode.h"
#include "app/main_form_test_support.h"
#include "editor/editor_prop.h"
#include "platform/headless/headless_canvas.h"

#include <set>

namespace {

struct RowDrawing : MainFormFixture {
    THeadlessCanvas Canvas;

    // Starts the form with Switch (empty: standard mode) on Text.
    void Open(const std::string& Switch, const std::string& Text) {
        Create(Switch.empty() ? std::vector<std::string>{} : std::vector<std::string>{Switch});
        Headless.Load(Text);
        // Only the marks of this window draw lines.
        Editor.Marks().RetMark().SetVisible(false);
        Editor.Marks().Underline().SetVisible(false);
    }
    void Paint(TRect Clip = TRect{}) {
        if (Clip.Empty()) Clip = TRect{0, 0, Editor.Width(), Editor.Height()};
        Canvas.Clear();
        Editor.Paint(Canvas, Clip);
    }
    int ColX(int Col) const { return Editor.Margin().Left() + Col * Editor.CharWidth(); }
    int RowY(int Row) const { return Editor.Margin().Top() + Row * Editor.RowHeight(); }
    // The text colour the middle of the cell (Row, Col) was last drawn in.
    TColor Fg(int Row, int Col) const {
        TColor Color = 0, Bk = 0;
        EXPECT_TRUE(Canvas.TextAt(ColX(Col) + Editor.CharWidth() / 2, RowY(Row), Color, Bk))
            << "row " << Row << " col " << Col;
        return Color;
    }
    // The cells of Row drawn last in Color.
    std::set<int> ColsIn(int Row, TColor Color, int Cols = 40) const {
        std::set<int> Result;
        for (int C = 0; C < Cols; ++C) {
            TColor Fg = 0, Bk = 0;
            if (Canvas.TextAt(ColX(C) + 1, RowY(Row), Fg, Bk) && Fg == Color) Result.insert(C);
        }
        return Result;
    }
    // The lines drawn on Row, as the x of their start.
    std::vector<THeadlessCanvas::TDraw> LinesOn(int Row) const {
        std::vector<THeadlessCanvas::TDraw> Result;
        for (const auto& D : Canvas.Of(THeadlessCanvas::dkLine))
            if (D.Y >= RowY(Row) && D.Y < RowY(Row) + Editor.RowHeight() && D.Y2 >= RowY(Row))
                Result.push_back(D);
        return Result;
    }
    const TOptionColors& Colors() { return Form->Options().Colors; }
};

std::set<int> Range(int From, int To) {
    std::set<int> S;
    for (int C = From; C < To; ++C) S.insert(C);
    return S;
}

} // namespace

TEST_F(RowDrawing, IniValuesSectionsAndIndentedComments) {
    Open("/ini", "key=value\r\n  　;note=x\r\nlast=\r\n[Sec] a=b\r\n#hash\r\nplain");
    Paint();
    const TOptionColors& K = Colors();
    // The value from the column after the "=", the key in the font colour.
    EXPECT_EQ(Range(4, 9), ColsIn(0, K.Ini_Key));
    EXPECT_EQ(K.Font, Fg(0, 0));
    // Blanks, full-width ones too, before ";" make no difference; no value is drawn there.
    EXPECT_EQ(K.Ini_Comment, Fg(1, 5));
    EXPECT_EQ(K.Ini_Comment, Fg(1, 10));
    EXPECT_TRUE(ColsIn(1, K.Ini_Key).empty());
    // "=" as the last character: nothing beyond the editor's own drawing.
    EXPECT_TRUE(ColsIn(2, K.Ini_Key).empty());
    EXPECT_EQ(K.Font, Fg(2, 4));
    // A section row keeps its colour after an "=".
    EXPECT_EQ(K.Ini_Sec, Fg(3, 0));
    EXPECT_EQ(K.Ini_Sec, Fg(3, 8));
    EXPECT_EQ(K.Ini_Comment, Fg(4, 1));
    EXPECT_EQ(K.Font, Fg(5, 0));
}

TEST_F(RowDrawing, BatCommentsByRemInAnyCaseOrHash) {
    Open("/bat", "REM upper\r\n\tReMark mixed\r\n@echo rem later\r\n  # hash\r\nre\r\necho");
    Paint();
    const TColor C = Colors().Bat_Comment;
    EXPECT_EQ(C, Fg(0, 0));
    EXPECT_EQ(C, Fg(0, 4));
    EXPECT_EQ(C, Fg(1, 9));
    // "rem" after another word does not make a comment.
    EXPECT_TRUE(ColsIn(2, C).empty());
    EXPECT_EQ(C, Fg(3, 2));
    EXPECT_TRUE(ColsIn(4, C).empty());
}

TEST_F(RowDrawing, HtmlAttributeValuesInsideTagsOnly) {
    Open("/html", "<a href=\"x.htm\">\"t\"</a><!-- \"c\" -->\r\n<img\r\nsrc=\"p.png\" alt='q'>");
    Paint();
    const TColor Option = Colors().Html_Option;
    EXPECT_EQ(Range(8, 15), ColsIn(0, Option));
    // Row 2 continues the tag that row 1 opened.
    EXPECT_EQ(Range(4, 11), ColsIn(2, Option));
}

TEST_F(RowDrawing, QuoteLinesInStandardMode) {
    Open("", "＞full\r\n  |half\r\n> paste\r\nplain > no\r\n｜bar");
    Paint();
    const TColor Inyou = Colors().Inyou;
    EXPECT_EQ(Inyou, Fg(0, 0));
    EXPECT_EQ(Inyou, Fg(1, 3));
    EXPECT_EQ(Inyou, Fg(2, 2));
    EXPECT_TRUE(ColsIn(3, Inyou).empty());
    EXPECT_EQ(Inyou, Fg(4, 2));

    // The paste prefix alone makes a quote line; an empty one matches nothing.
    Form->Options().Inyouhu = "｜";
    Form->Options().PasteInyouhu = "> ";
    Paint();
    EXPECT_TRUE(ColsIn(0, Inyou).empty());
    EXPECT_TRUE(ColsIn(1, Inyou).empty());
    EXPECT_EQ(Inyou, Fg(2, 2));
    Form->Options().PasteInyouhu = "";
    Paint();
    EXPECT_TRUE(ColsIn(2, Inyou).empty());

    Choose("Menu_InyouRow");
    Paint();
    EXPECT_TRUE(ColsIn(4, Inyou).empty());
}

TEST_F(RowDrawing, SelectedTextKeepsTheSelectionColours) {
    Open("/ini", "key=value\r\n");
    Editor.SelectAll();
    Paint();
    EXPECT_TRUE(ColsIn(0, Colors().Ini_Key).empty());
    EXPECT_EQ(Editor.View().Colors().Select().Color(), Fg(0, 5));
}

TEST_F(RowDrawing, TabMarksFollowTheTabStops) {
    Open("", "\t\tA\r\nab\tc\r\n");
    Form->Options().TabMark = true;
    Editor.Caret().SetTabSpaceCount(8);
    Paint();
    const int L = ColX(0);
    // A tab at column 0 puts the next one eight columns further.
    std::vector<THeadlessCanvas::TDraw> Row0 = LinesOn(0);
    ASSERT_EQ(4u, Row0.size());
    EXPECT_EQ(L + 2, Row0[0].X);
    EXPECT_EQ(L + 64 + 2, Row0[2].X);
    // The chevron of a narrow font: arm 1, length 3, pen width 1, around the text middle.
    const int Mid = RowY(0) + (Editor.RowHeight() - Editor.Margin().Line()) / 2;
    EXPECT_EQ(Mid - 1, Row0[0].Y);
    EXPECT_EQ(L + 5, Row0[0].X2);
    EXPECT_EQ(Mid, Row0[0].Y2);
    EXPECT_EQ(Mid + 1, Row0[1].Y);
    EXPECT_EQ(Colors().Tab, Row0[0].Color);
    // A tab after two characters is drawn at its own column.
    std::vector<THeadlessCanvas::TDraw> Row1 = LinesOn(1);
    ASSERT_EQ(2u, Row1.size());
    EXPECT_EQ(L + 16 + 2, Row1[0].X);
}

TEST_F(RowDrawing, MarksStayOffTheRightEdge) {
    Open("", "ab\tc\r\n");
    Form->Options().TabMark = true;
    const int X = ColX(2);
    const int Bottom = RowY(1);
    Paint(TRect{0, 0, X + Editor.CharWidth() - 1, Bottom});
    EXPECT_TRUE(LinesOn(0).empty());
    Paint(TRect{0, 0, X + Editor.CharWidth(), Bottom});
    EXPECT_EQ(2u, LinesOn(0).size());
}

TEST_F(RowDrawing, FullWidthSpaceSquares) {
    Open("", "a　b　\r\n漢字\r\n");
    Form->Options().SpMark = true;
    Paint();
    const int CW = Editor.CharWidth();
    std::vector<THeadlessCanvas::TDraw> Row0 = LinesOn(0);
    ASSERT_EQ(8u, Row0.size());
    const int X = ColX(1), Y = RowY(0);
    // The outline covers (X+2, Y+2) to (X + 2 CW - 3, Y + 2 CW - 3).
    std::set<std::pair<int, int>> Corners;
    for (const auto& D : Row0) Corners.insert({D.X, D.Y});
    EXPECT_TRUE(Corners.count({X + 2, Y + 2}));
    EXPECT_TRUE(Corners.count({X + 2 * CW - 3, Y + 2 * CW - 3}));
    EXPECT_TRUE(LinesOn(1).empty());
    // Off: nothing.
    Form->Options().SpMark = false;
    Paint();
    EXPECT_TRUE(LinesOn(0).empty());
    // Selected: the selection's text colour.
    Form->Options().SpMark = true;
    Editor.SelectAll();
    Paint();
    ASSERT_FALSE(LinesOn(0).empty());
    EXPECT_EQ(Editor.View().Colors().Select().Color(), LinesOn(0)[0].Color);
}

TEST_F(RowDrawing, WideCharactersGetTheBoldChevron) {
    Open("", "\tx\r\n");
    Form->Options().TabMark = true;
    Headless.Metrics.Metrics.AveCharWidth = 14;
    Editor.Font().SetSize(Editor.Font().Size() + 1);
    ASSERT_EQ(14, Editor.CharWidth());
    Paint();
    // Pen width 2: every arm twice, one pixel apart; arm 5, length 5.
    std::vector<THeadlessCanvas::TDraw> Row0 = LinesOn(0);
    ASSERT_EQ(4u, Row0.size());
    EXPECT_EQ(Row0[0].X + 1, Row0[1].X);
    EXPECT_EQ(Row0[0].X2 - Row0[0].X, 5);
    EXPECT_EQ(Row0[2].Y - Row0[0].Y, 10);
}

// ---------------------------------------------------------------------------------------
// The colouring each mode configures

TEST_F(RowDrawing, LinksFollowTheLinkWordOptionWhereModesShowThem) {
    Ini.WriteString("Option", "LinkWord", "0");
    Create();
    EXPECT_FALSE(Editor.View().Url());
    Choose("Menu_LinkWord");
    EXPECT_TRUE(Editor.View().Url());
    // Re-applying the settings keeps the user's choice.
    Form->SettingsChanged();
    EXPECT_TRUE(Editor.View().Mail());
    Choose("Menu_LinkWord");
    Form->SettingsChanged();
    EXPECT_FALSE(Editor.View().Url());
    Choose("mMode_Ini");
    EXPECT_FALSE(Editor.View().Url());
    Choose("Menu_LinkWord");
    Choose("mMode_Cpp");
    EXPECT_FALSE(Editor.View().Url());
    Choose("mMode_Bat");
    EXPECT_TRUE(Editor.View().Url());
}

TEST_F(RowDrawing, KeywordFilesBesideTheProgram) {
    Files.SetFile("C:\\Zefnote\\cpp.kwd", "int\r\nreturn\r\nint\r\n");
    Ini.WriteString("Option", "Cpp_KeyWord_Bold", "1");
    Create({"/cpp"});
    EXPECT_EQ(2, Editor.ReserveWordList().Count());
    EXPECT_TRUE(Has(Editor.View().Colors().Reserve().Style(), TFontStyle::fsBold));
    EXPECT_EQ(Colors().Cpp_KeyWord, Editor.View().Colors().Reserve().Color());
    EXPECT_EQ("//", Editor.View().Commenter());
    // Java has no file here: no keywords, plain, the font colour.
    Choose("mMode_Java");
    EXPECT_EQ(0, Editor.ReserveWordList().Count());
    EXPECT_FALSE(Has(Editor.View().Colors().Reserve().Style(), TFontStyle::fsBold));
    EXPECT_EQ(Colors().Font, Editor.View().Colors().Reserve().Color());
}

TEST_F(RowDrawing, EmptyExtensionListTurnsTheModeIntoStandard) {
    Files.SetFile("C:\\Zefnote\\cpp.kwd", "int\r\n");
    Files.SetFile("C:\\src\\a.c", "int x; // c\r\n> quoted\r\n");
    Ini.WriteString("Option", "CppDocFilter", "");
    Create({"C:\\src\\a.c"});
    EXPECT_EQ(0, Form->EditMode());
    Choose("mMode_Cpp");
    EXPECT_EQ(5, Form->EditMode());
    EXPECT_EQ("", Editor.View().Commenter());
    EXPECT_EQ(0, Editor.ReserveWordList().Count());
    // The row drawing is the standard mode's too.
    Paint();
    EXPECT_EQ(Colors().Inyou, Fg(1, 3));
}
