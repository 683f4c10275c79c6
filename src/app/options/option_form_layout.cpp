// The options dialog as data: its pages, its controls in tab order and their places in
// dialog units, laid out for a 9-point Japanese dialog font.  Labels sit 2 units below the
// top of the edit box they name; rows are 14 (check boxes) or 16 (edit boxes) units apart.
#include "app/options/option_form.h"

#include "editor/word_wrap.h"

const char* const OptionPageCaptions[OptionPageCount] = {
    "基本", "表示", "色", "禁則処理", "ツール", "ブラウザ", "ファイル", "他"};

const TOptionFormFrame OptionFormFrame = {
    320, 246, // dialog
    6, 6, 308, 214, // page control
    226, 56, 14, // buttons
};

const char* const SaveModeTexts[SaveModeCount] = {"上書き保存する", "確認メッセージを表示する",
                                                  "上書き保存しない"};

const TColorRowInfo ColorRows[ColorRowCount] = {
    {"通常文字", "Font", 0},
    {"通常背景", "Bk", 0},
    {"選択文字", "SelStr", 0},
    {"選択背景", "SelBk", 0},
    {"改行と[EOF]記号", "Ret", 0},
    {"TABと全角スペース記号", "Tab", 0},
    {"リンク(URL, Mail)", "Link", 0},
    {"引用行", "Inyou", 0},
    {"カーソル行のアンダーライン", "UnderLine", 0},
    {"HTML コメント", "Html_Comment", 0},
    {"HTML タグ全体", "Html_Tag", 0},
    {"HTML タグオプション値", "Html_Option", 0},
    {"Perl コメント", "Perl_Comment", 0},
    {"Perl 文字列", "Perl_Str", 0},
    {"Perl キーワード", "Perl_KeyWord", 2},
    {"INI コメント", "Ini_Comment", 0},
    {"INI セクション", "Ini_Sec", 0},
    {"INI キーの値", "Ini_Key", 0},
    {"BAT コメント", "Bat_Comment", 0},
    {"C/C++ コメント", "Cpp_Comment", 0},
    {"C/C++ 文字列", "Cpp_Str", 0},
    {"C/C++ キーワード", "Cpp_KeyWord", 5},
    {"Java コメント", "Java_Comment", 0},
    {"Java 文字列", "Java_Str", 0},
    {"Java キーワード", "Java_KeyWord", 6},
    {"VB コメント", "Vb_Comment", 0},
    {"VB 文字列", "Vb_Str", 0},
    {"VB キーワード", "Vb_KeyWord", 7},
    {"Delphi コメント", "Pas_Comment", 0},
    {"Delphi 文字列", "Pas_Str", 0},
    {"Delphi キーワード", "Pas_KeyWord", 8},
};

namespace {

using K = TOptionControlKind;

TOptionControl C(int Page, K Kind, const char* Name, const char* Caption, int X, int Y, int W, int H) {
    TOptionControl Control;
    Control.Page = Page;
    Control.Kind = Kind;
    Control.Name = Name;
    Control.Caption = Caption;
    Control.X = X;
    Control.Y = Y;
    Control.W = W;
    Control.H = H;
    return Control;
}

TOptionControl Group(int Page, const char* Caption, int Y, int H) {
    return C(Page, K::ocGroup, "", Caption, 12, Y, 296, H);
}
TOptionControl Label(int Page, const char* Caption, int X, int Y, int W) {
    return C(Page, K::ocLabel, "", Caption, X, Y + 2, W, 8);
}
TOptionControl Check(int Page, const char* Name, const char* Caption, int X, int Y, int W) {
    return C(Page, K::ocCheck, Name, Caption, X, Y, W, 10);
}
TOptionControl Edit(int Page, const char* Name, int X, int Y, int W) {
    return C(Page, K::ocEdit, Name, "", X, Y, W, 12);
}
TOptionControl Number(int Page, const char* Name, int X, int Y, int W, int Min, int Max, int Step = 1) {
    TOptionControl Control = C(Page, K::ocNumber, Name, "", X, Y, W, 12);
    Control.Min = Min;
    Control.Max = Max;
    Control.Step = Step;
    return Control;
}
TOptionControl List(int Page, const char* Name, int X, int Y, int W, std::vector<std::string> Items) {
    TOptionControl Control = C(Page, K::ocList, Name, "", X, Y, W, 80);
    Control.Items = std::move(Items);
    return Control;
}
TOptionControl Button(int Page, const char* Name, const char* Caption, int X, int Y, int W) {
    return C(Page, K::ocButton, Name, Caption, X, Y, W, 14);
}

std::vector<TOptionControl> Build() {
    std::vector<TOptionControl> L;
    // 0 基本
    L.push_back(Group(0, "編集", 24, 110));
    L.push_back(Label(0, "タブ幅 :", 20, 38, 60));
    L.push_back(List(0, "TabCount", 84, 38, 44, {"2", "4", "6", "8"}));
    L.push_back(Label(0, "元に戻す回数 :", 20, 56, 60));
    L.push_back(Number(0, "UndoMax", 84, 56, 44, 64, 10000, 10));
    L.push_back(Label(0, "行間隔 :", 20, 74, 60));
    L.push_back(Number(0, "LinePitch", 84, 74, 44, 0, 10));
    L.push_back(Label(0, "文字間隔 :", 20, 92, 60));
    L.push_back(Number(0, "CharPitch", 84, 92, 44, 0, 5));
    L.push_back(Label(0, "左余白 :", 20, 110, 36));
    L.push_back(Number(0, "LeftMargin", 56, 110, 36, 0, 100));
    L.push_back(Label(0, "上余白 :", 98, 110, 36));
    L.push_back(Number(0, "TopMargin", 134, 110, 36, 0, 100));
    L.push_back(Check(0, "AutoIndent", "オートインデント", 176, 38, 124));
    L.push_back(Check(0, "FreeCaret", "フリーカーソル", 176, 54, 124));
    L.push_back(Check(0, "CaretUnderLine", "カーソル行に下線を表示", 176, 70, 124));
    L.push_back(Check(0, "StartIme", "起動時にIMEをON", 176, 86, 124));
    L.push_back(Label(0, "引用符 :", 176, 110, 34));
    L.push_back(Edit(0, "PasteInyouhu", 212, 110, 88));
    L.push_back(Group(0, "文字折り返し", 140, 66));
    L.push_back(Check(0, "WordWrap", "指定の桁数で折り返し", 20, 156, 200));
    L.push_back(Label(0, "桁 :", 20, 178, 16));
    {
        TOptionControl Wrap = C(0, K::ocWrapCombo, "WrapCount", "", 38, 178, 52, 100);
        Wrap.Min = TEditorWrapOption::MinWrapByte;
        Wrap.Max = TEditorWrapOption::MaxWrapByte;
        L.push_back(Wrap);
    }
    L.push_back(Button(0, "NowWidth", "現在の幅を取得(&N)", 108, 177, 80));
    L.push_back(Button(0, "AddWidth", "追加(&I)", 192, 177, 52));
    L.push_back(Button(0, "DeleteWidth", "削除(&D)", 248, 177, 52));

    // 1 表示
    L.push_back(Group(1, "マーク／別色表示／フォント", 24, 102));
    L.push_back(Check(1, "RetMark", "改行マーク表示", 20, 38, 140));
    L.push_back(Check(1, "EofMark", "[EOF]マーク表示", 20, 54, 140));
    L.push_back(Check(1, "TabMark", "TABマーク表示", 20, 70, 140));
    L.push_back(Check(1, "SpMark", "全角空白マーク表示", 20, 86, 140));
    L.push_back(Check(1, "InyouRow", "引用行の別色表示", 164, 38, 136));
    L.push_back(Label(1, "引用符 :", 176, 53, 34));
    L.push_back(Edit(1, "Inyouhu", 212, 53, 88));
    L.push_back(Check(1, "LinkWord", "リンクの別色表示", 164, 72, 136));
    L.push_back(Label(1, "フォント :", 20, 106, 40));
    L.push_back(C(1, K::ocText, "FontText", "", 62, 106, 146, 12));
    L.push_back(Button(1, "FontButton", "フォント設定(&F)...", 212, 105, 88));
    L.push_back(Group(1, "ウィンドウ", 130, 76));
    L.push_back(Check(1, "StatusBar", "ステータスバー", 20, 144, 120));
    L.push_back(Check(1, "ScrollBar_Tate", "縦スクロールバー", 20, 158, 120));
    L.push_back(Check(1, "ScrollBar_Yoko", "横スクロールバー", 20, 172, 120));
    L.push_back(Check(1, "ToolBar", "ツールバー", 164, 144, 136));
    L.push_back(Check(1, "FlatToolBar", "フラットにする", 176, 158, 124));
    L.push_back(Check(1, "FullPathFileName", "タイトルバーのファイル名をフルパスで表示する", 20, 188, 280));

    // 2 色
    L.push_back(Group(2, "色の設定", 24, 182));
    {
        TOptionControl Colors = C(2, K::ocColorList, "ColorList", "", 20, 38, 176, 160);
        Colors.Items = {"項目", "色"};
        L.push_back(Colors);
    }
    L.push_back(C(2, K::ocSwatch, "Swatch", "", 204, 38, 96, 24));
    L.push_back(Button(2, "ColorButton", "色の選択(&C)...", 204, 68, 96));
    L.push_back(Check(2, "KeywordBold", "キーワード強調", 204, 96, 96));
    L.push_back(Button(2, "KeywordEdit", "キーワード編集(&K)...", 204, 110, 96));
    L.push_back(Button(2, "ResetColors", "すべてリセット(&R)", 204, 184, 96));

    // 3 禁則処理
    L.push_back(Group(3, "禁則処理の設定", 24, 182));
    L.push_back(Check(3, "WordBreak", "英文ワードラップ", 20, 40, 200));
    L.push_back(Check(3, "FollowRetMark", "改行のぶら下げ", 20, 56, 200));
    L.push_back(Check(3, "Leading", "禁則処理", 20, 76, 200));
    L.push_back(Label(3, "行頭禁則文字 :", 32, 92, 64));
    L.push_back(Edit(3, "FollowStr", 98, 92, 202));
    L.push_back(Label(3, "行末禁則文字 :", 32, 110, 64));
    L.push_back(Edit(3, "LeadStr", 98, 110, 202));
    L.push_back(Check(3, "FollowPunctuation", "句読点のぶら下げ", 20, 132, 200));
    L.push_back(Label(3, "句読点 :", 32, 148, 64));
    L.push_back(Edit(3, "PunctuationStr", 98, 148, 202));
    L.push_back(C(3, K::ocLabel, "", "これらのオプションは折り返しがONの時のみ有効です。", 20, 184, 280, 8));

    // 4 ツール
    {
        TOptionControl Tools = C(4, K::ocToolList, "ToolList", "", 12, 24, 296, 160);
        Tools.Items = {"名前", "実行ファイル", "コマンドラインパラメータ", "作業フォルダ", "ファイル保存", "キー"};
        L.push_back(Tools);
    }
    L.push_back(Button(4, "ToolAdd", "追加(&I)...", 12, 190, 54));
    L.push_back(Button(4, "ToolEdit", "編集(&E)...", 70, 190, 54));
    L.push_back(Button(4, "ToolDelete", "削除(&D)", 128, 190, 54));
    L.push_back(Button(4, "ToolUp", "上へ(&U)", 196, 190, 54));
    L.push_back(Button(4, "ToolDown", "下へ(&N)", 254, 190, 54));

    // 5 ブラウザ
    L.push_back(Group(5, "動作の設定", 24, 62));
    L.push_back(Label(5, "メニュー、ツールボタンの表示 :", 20, 40, 128));
    L.push_back(List(5, "Menu", 150, 40, 150, {"HTMLモードのみ表示する", "常に表示する", "表示しない"}));
    L.push_back(Label(5, "編集中ファイルの上書き保存 :", 20, 60, 128));
    L.push_back(List(5, "Save", 150, 60, 150, {SaveModeTexts[0], SaveModeTexts[1], SaveModeTexts[2]}));
    L.push_back(Group(5, "パスの設定", 92, 84));
    L.push_back(C(5, K::ocLabel, "", "Internet Explorerのパス :", 20, 106, 200, 8));
    L.push_back(Edit(5, "IePath", 20, 118, 258));
    L.push_back(Button(5, "IeBrowse", "...", 282, 118, 18));
    L.back().H = 12;
    L.push_back(C(5, K::ocLabel, "", "Netscape Navigatorのパス :", 20, 140, 200, 8));
    L.push_back(Edit(5, "NnPath", 20, 152, 258));
    L.push_back(Button(5, "NnBrowse", "...", 282, 152, 18));
    L.back().H = 12;

    // 6 ファイル
    L.push_back(Group(6, "ファイル拡張子", 24, 182));
    const char* const Filters[][2] = {
        {"HtmlDocFilter", "HTMLモードで開く拡張子 :"}, {"PerlDocFilter", "Perlモードで開く拡張子 :"},
        {"IniDocFilter", "INIモードで開く拡張子 :"},   {"BatDocFilter", "BATモードで開く拡張子 :"},
        {"VbDocFilter", "VBモードで開く拡張子 :"},     {"JavaDocFilter", "Javaモードで開く拡張子 :"},
        {"CppDocFilter", "C/C++モードで開く拡張子 :"}, {"PasDocFilter", "Delphiモードで開く拡張子 :"},
        {"UserFileFilter", "ユーザーファイルフィルタ :"}};
    int Y = 38;
    for (const auto& F : Filters) {
        L.push_back(Label(6, F[1], 20, Y, 116));
        L.push_back(Edit(6, F[0], 138, Y, 162));
        Y += 18;
    }

    // 7 他
    L.push_back(Group(7, "起動時のウィンドウサイズ", 24, 84));
    L.push_back(Label(7, "状態 :", 20, 40, 26));
    L.push_back(List(7, "StartWindow", 48, 40, 130,
                     {"デフォルト", "終了時のサイズと位置を復元", "最大化", "ユーザー指定"}));
    L.push_back(Check(7, "UserWindowSize", "サイズ", 20, 63, 44));
    L.push_back(Label(7, "幅 :", 70, 62, 18));
    L.push_back(Number(7, "UserWindowSize_W", 90, 62, 40, 0, 2048));
    L.push_back(Label(7, "高さ :", 140, 62, 24));
    L.push_back(Number(7, "UserWindowSize_H", 166, 62, 40, 0, 2048));
    L.push_back(Button(7, "CurrentSize", "現在のサイズ(&S)", 220, 61, 80));
    L.push_back(Check(7, "UserWindowPos", "位置", 20, 83, 44));
    L.push_back(Label(7, "X :", 70, 82, 18));
    L.push_back(Number(7, "UserWindowPos_X", 90, 82, 40, 0, 2048));
    L.push_back(Label(7, "Y :", 140, 82, 24));
    L.push_back(Number(7, "UserWindowPos_Y", 166, 82, 40, 0, 2048));
    L.push_back(Button(7, "CurrentPos", "現在の位置(&P)", 220, 81, 80));
    L.push_back(Group(7, "その他", 114, 44));
    L.push_back(Check(7, "Menu_NoSaveIni", "メニューでの変更は保存しない", 20, 128, 200));
    L.push_back(Check(7, "NotDoubleOpen", "ファイル重複オープン禁止", 20, 142, 200));
    L.push_back(Group(7, "漢字コード", 164, 42));
    L.push_back(Check(7, "LoadAutoCvt", "読み込み時に漢字コードを自動認識する", 20, 176, 200));
    L.push_back(Label(7, "保存時の漢字コード :", 20, 190, 80));
    L.push_back(List(7, "SaveCvt", 102, 190, 120, {"読み込み時の漢字コードと同じ", "SHIFT-JIS", "JIS", "EUC", "UTF-8", "UTF-8 BOM 付き"}));
    L.push_back(C(7, K::ocText, "NkfText", "", 228, 192, 72, 8));
    return L;
}

} // namespace

const std::vector<TOptionControl>& OptionFormControls() {
    static const std::vector<TOptionControl> Controls = Build();
    return Controls;
}

int OptionControlIndex(const std::string& Name) {
    const std::vector<TOptionControl>& Controls = OptionFormControls();
    if (Name.empty()) return -1;
    for (std::size_t I = 0; I < Controls.size(); ++I)
        if (Name == Controls[I].Name) return static_cast<int>(I);
    return -1;
}

const TOptionControl* FindOptionControl(const std::string& Name) {
    const int Index = OptionControlIndex(Name);
    return Index < 0 ? nullptr : &OptionFormControls()[static_cast<std::size_t>(Index)];
}
