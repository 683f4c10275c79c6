#include "app/settings/apply_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplySettings, TheRecordReachesEverySettingOfTheEditor) {
    TOptionRecord O;
    O.WordWrap = true;
    O.WordBreak = false;
    O.LeadStr = "「";
    O.WrapCount = 300;
    O.FontName = "Terminal";
    O.FontSize = 9;
    O.TabCount = 1;
    O.FreeCaret = true;
    O.RetMark = false;
    O.CaretUnderLine = true;
    O.LinePitch = 2;
    O.CharPitch = 3;
    O.LeftMargin = -4;
    O.TopMargin = 6;
    O.LinkWord = false;
    O.Colors.Font = clMaroon;
    O.Colors.Bk = clCream;
    O.Colors.SelStr = clYellow;
    O.Colors.SelBk = clPurple;
    O.Colors.Ret = clRed;
    O.Colors.Link = clLime;
    O.Colors.UnderLine = clAqua;

    TEditorProp P;
    P.View().SetUrl(true);
    P.View().Brackets().Add()->SetLeftBracket("/*");
    ApplyOptionsToEditorProp(O, P);

    EXPECT_TRUE(P.WordWrap());
    EXPECT_FALSE(P.WrapOption().WordBreak());
    EXPECT_EQ(P.WrapOption().LeadStr(), "「");
    EXPECT_EQ(P.WrapOption().WrapByte(), 250);
    EXPECT_EQ(P.Font().Name(), "Terminal");
    EXPECT_EQ(P.Font().Size(), 9);
    EXPECT_EQ(P.Caret().TabSpaceCount(), 4);
    EXPECT_TRUE(P.Caret().FreeCaret());
    EXPECT_FALSE(P.Marks().RetMark().Visible());
    EXPECT_TRUE(P.Marks().EofMark().Visible());
    EXPECT_TRUE(P.Marks().Underline().Visible());
    EXPECT_EQ(P.Margin().Line(), 2);
    EXPECT_EQ(P.Margin().Character(), 3);
    EXPECT_EQ(P.Margin().Left(), -4);
    EXPECT_EQ(P.Margin().Top(), 6);
    EXPECT_FALSE(P.View().Url());
    EXPECT_FALSE(P.View().Mail());

    const TEditorColors& C = P.View().Colors();
    EXPECT_EQ(C.Select().Color(), clYellow);
    EXPECT_EQ(C.Select().BkColor(), clPurple); // the background of all others is Bk
    EXPECT_EQ(P.Marks().RetMark().Color(), clRed);
    EXPECT_EQ(P.Marks().EofMark().Color(), clRed);
    EXPECT_EQ(P.Marks().Underline().Color(), clAqua);
    EXPECT_EQ(C.Url().Color(), clLime);
    EXPECT_EQ(C.Mail().Color(), clLime);
    EXPECT_EQ(P.Font().Color(), clMaroon);
    for (const TEditorColor* E : {&C.Ank(), &C.DBCS(), &C.Int(), &C.Reserve(), &C.Symbol()})
        EXPECT_EQ(E->Color(), clMaroon);
    EXPECT_EQ(C.Comment().Color(), clWindowText); // the edit mode sets comments and strings
    EXPECT_EQ(P.Color(), clCream);
    for (const TEditorColor* E : {&C.Ank(), &C.Comment(), &C.DBCS(), &C.Int(), &C.Mail(),
                                  &C.Reserve(), &C.Str(), &C.Symbol(), &C.Url()})
        EXPECT_EQ(E->BkColor(), clCream);
    EXPECT_EQ(P.View().Brackets().Items(0)->ItemColor().Color(), clMaroon);
    EXPECT_EQ(P.View().Brackets().Items(0)->ItemColor().BkColor(), clCream);
}

TEST(ApplySettings, TabWidthIndex) {
    EXPECT_EQ(TabWidthFromIndex(0), 2);
    EXPECT_EQ(TabWidthFromIndex(1), 4);
    EXPECT_EQ(TabWidthFromIndex(2), 6);
    EXPECT_EQ(TabWidthFromIndex(3), 8);
    EXPECT_EQ(TabWidthFromIndex(7), 8);
    EXPECT_EQ(TabWidthFromIndex(-1), 8);
}

TEST(ApplySettings, ScrollBars) {
    // Wrap width 77 fits into 80 visible columns, 78 does not.
    EXPECT_EQ(UpdateScrollBars(true, true, false, 77, 80), TScrollStyle::ssBoth);
    EXPECT_EQ(UpdateScrollBars(true, true, true, 77, 80), TScrollStyle::ssVertical);
    EXPECT_EQ(UpdateScrollBars(true, true, true, 78, 80), TScrollStyle::ssBoth);
    EXPECT_EQ(UpdateScrollBars(true, false, false, 77, 80), TScrollStyle::ssVertical);
    EXPECT_EQ(UpdateScrollBars(true, false, true, 200, 80), TScrollStyle::ssVertical);
    EXPECT_EQ(UpdateScrollBars(false, true, false, 77, 80), TScrollStyle::ssHorizontal);
    EXPECT_EQ(UpdateScrollBars(false, true, true, 77, 80), TScrollStyle::ssNone);
    EXPECT_EQ(UpdateScrollBars(false, true, true, 78, 80), TScrollStyle::ssHorizontal);
    EXPECT_EQ(UpdateScrollBars(false, false, true, 200, 80), TScrollStyle::ssNone);
}

TEST(ApplySettings, DialogFilters) {
    TOptionRecord O;
    TDialogFilters F = BuildDialogFilters(O.UserFileFilter, ModeFilters(O));
    EXPECT_EQ(F.Open, "ユーザー(*.txt,*.htm,*.html,*.cgi,*.pl)|*.txt;*.htm;*.html;*.cgi;*.pl"
                      "|HTMLファイル(*.htm,*.html)|*.htm;*.html|Perlファイル(*.cgi,*.pl)|*.cgi;*.pl"
                      "|INIファイル(*.ini,*.inf,*.url)|*.ini;*.inf;*.url|BATファイル(*.bat)|*.bat"
                      "|C/C++ファイル(*.c,*.cpp,*.h)|*.c;*.cpp;*.h|Javaファイル(*.java)|*.java"
                      "|VBファイル(*.bas)|*.bas|Delphiファイル(*.pas,*.dpr)|*.pas;*.dpr"
                      "|すべてのファイル(*.*)|*.*");
    EXPECT_EQ(F.Save, "テキストファイル(*.txt)|*.txt|" + F.Open);

    O.HtmlDocFilter = "";
    O.UserFileFilter = "";
    F = BuildDialogFilters(O.UserFileFilter, ModeFilters(O));
    EXPECT_EQ(F.Open.substr(0, F.Open.find("|Perl")), "ユーザー(*.*)|*.*|HTMLファイル(*.*)|*.*");
}

} // namespace
