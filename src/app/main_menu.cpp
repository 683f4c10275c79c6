#include "app/main_menu.h"

void BuildConversionMenu(TMenuItem& Parent, const char* Prefix) {
    const std::string P = Prefix;
    Parent.Add(P + "Lower", "小文字に変換(&L)", "選択範囲を小文字に変換", "Ctrl+L", mcLower);
    Parent.Add(P + "Upper", "大文字に変換(&U)", "選択範囲を大文字に変換", "Shift+Ctrl+L", mcUpper);
    Parent.AddSeparator();
    Parent.Add(P + "Hankaku", "半角に変換(&H)", "選択範囲を半角に変換", "Ctrl+H", mcHankaku);
    Parent.Add(P + "Zenkaku", "全角に変換(&Z)", "選択範囲を全角に変換", "Shift+Ctrl+H", mcZenkaku);
    Parent.AddSeparator();
    // Tab is no shortcut of these two: the key text only shows in the caption.
    Parent.Add(P + "TabIndent", "TAB インデント(&T)\tTab", "選択範囲の先頭に TAB を挿入", "",
               mcTabIndent);
    Parent.Add(P + "UnTabIndent", "TAB 逆インデント(&A)\tShift+Tab",
               "選択範囲の先頭の TAB を削除", "", mcUnTabIndent);
    Parent.AddSeparator();
    Parent.Add(P + "Indent", "空白 インデント(&S)", "選択範囲の先頭に半角空白を挿入", "Shift+Ctrl+I",
               mcIndent);
    Parent.Add(P + "UnIndent", "空白 逆インデント(&P)", "選択範囲の先頭の半角空白を削除",
               "Shift+Ctrl+U", mcUnIndent);
    Parent.AddSeparator();
    Parent.Add(P + "WorpRet", "折り返しへ改行挿入(&E)", "折り返し行の最後に改行を挿入", "Ctrl+T",
               mcWrapToReturns);
    Parent.Add(P + "DelRet", "改行削除(&D)", "選択範囲の改行を削除", "Shift+Ctrl+T", mcDeleteReturns);
}

namespace {

void BuildFileMenu(TMenuItem& M) {
    M.Add("New1", "新規作成(&N)", "新規にファイルを作成", "Ctrl+N", mcNew);
    M.Add("Open1", "開く(&O)...", "既存のファイルを開く", "Ctrl+O", mcOpen);
    M.Add("Open2", "閉じて開く(&C)...", "作業中のファイルを閉じて開く", "", mcCloseAndOpen);
    TMenuItem& ReOpen = M.Add("mReOpen", "開き直す(&R)");
    ReOpen.AddSeparator("N2");
    ReOpen.Add("mFileHisDel", "履歴をクリア(&C)", "すべてのファイル履歴をクリア", "", mcClearHistory);
    M.AddSeparator("N1");
    M.Add("Save1", "上書き保存(&S)", "作業中のファイルを上書き保存", "Ctrl+S", mcSave);
    M.Add("SaveAs1", "名前を付けて保存(&A)...", "作業中のファイルに名前を付けて保存", "", mcSaveAs);
    TMenuItem& Code = M.Add("N33", "漢字コードを指定して保存(&K)");
    Code.Add("mSave_SJis", "SHIFT-JIS(&S)", "作業中のファイルを SHIFT-JIS で保存", "", mcSaveSJis);
    Code.Add("mSave_Jis", "JIS(&J)", "作業中のファイルを JIS で保存", "", mcSaveJis);
    Code.Add("mSave_Euc", "EUC(&E)", "作業中のファイルを EUC で保存", "", mcSaveEuc);
    Code.Add("mSave_Utf8", "UTF-8(&U)", "作業中のファイルを UTF-8 で保存", "", mcSaveUtf8);
    Code.Add("mSave_Utf8Bom", "UTF-8 BOM 付き(&B)", "作業中のファイルを BOM 付きの UTF-8 で保存", "",
             mcSaveUtf8Bom);
    M.AddSeparator("N4");
    M.Add("Print1", "印刷(&P)...", "作業中のファイルを印刷", "Ctrl+P", mcPrint);
    M.AddSeparator("N5");
    M.Add("E1", "保存して終了(&E)", "作業中のファイルを保存して Zefnote を終了", "Ctrl+E",
          mcSaveAndExit);
    M.Add("ZefnoteX1", "終了(&X)", "Zefnote を終了", "", mcExit);
}

// The edit commands shared by the Edit menu and the context menu, in their order.
void BuildEditItems(TMenuItem& M, const char* Prefix) {
    const std::string P = Prefix;
    M.Add(P + "Undo", "元に戻す(&U)", "直前の操作を元に戻す", "Ctrl+Z", mcUndo);
    M.Add(P + "Redo", "やり直し(&R)", "直前の操作をやり直す", "Ctrl+Y", mcRedo);
    M.AddSeparator();
    M.Add(P + "Cut", "切り取り(&T)", "選択範囲を切り取ってクリップボードに保存", "Ctrl+X", mcCut);
    M.Add(P + "Copy", "コピー(&C)", "選択範囲をコピーしてクリップボードに保存", "Ctrl+C", mcCopy);
    M.Add(P + "Paste", "貼り付け(&P)", "クリップボードの内容を貼り付け", "Ctrl+V", mcPaste);
    M.Add(P + "InyouPaste", "引用符付き貼り付け(&Q)", "クリップボードの内容に引用符を付けて貼り付け",
          "Ctrl+Q", mcInyouPaste);
    M.Add(P + "Delete", "削除(&L)", "選択範囲を削除", "", mcDelete);
    M.Add(P + "LineDel", "行削除(&D)", "カーソル行を削除", "Ctrl+Enter", mcLineDel);
    M.AddSeparator();
    M.Add(P + "SelectAll", "すべて選択(&A)", "すべてを選択", "Ctrl+A", mcSelectAll);
    M.AddSeparator();
    M.Add(P + "BoxMode", "矩形選択(&B)", "矩形選択 ON/OFF", "Ctrl+B", mcBoxMode);
    M.Add(P + "FreeCaret", "フリーカーソル(&F)", "フリーカーソル ON/OFF", "Shift+Ctrl+F", mcFreeCaret);
    M.AddSeparator();
    BuildConversionMenu(M.Add(P + "Henkan", "変換(&V)"), Prefix);
}

void BuildEditMenu(TMenuItem& M) {
    BuildEditItems(M, "m");
    // Invisible twins: second shortcuts of visible items.
    const struct {
        const char* Name;
        const char* Caption;
        const char* ShortCut;
        int Command;
    } Twins[] = {
        {"mUndo2", "元に戻す", "Alt+BkSp", mcUndo},
        {"mCut2", "切り取り", "Shift+Del", mcCut},
        {"mCopy2", "コピー", "Ctrl+Ins", mcCopy},
        {"mPaste2", "貼り付け", "Shift+Ins", mcPaste},
    };
    for (const auto& T : Twins) M.Add(T.Name, T.Caption, "", T.ShortCut, T.Command).Visible = false;
}

void BuildSearchMenu(TMenuItem& M) {
    M.Add("Find2", "検索(&F)...", "指定した文字列の検索", "Ctrl+F", mcFind);
    M.Add("mFindUp", "上を検索(&U)", "上を検索", "Shift+F3", mcFindUp);
    M.Add("mFindDown", "下を検索(&D)", "下を検索", "F3", mcFindDown);
    M.AddSeparator();
    M.Add("N7", "置換(&R)...", "指定した文字列を他の文字列で置換", "Ctrl+R", mcReplace);
    M.AddSeparator();
    M.Add("mRowJmp", "指定行(&J)...", "指定の行へ移動", "Ctrl+J", mcRowJump);
}

void BuildViewMenu(TMenuItem& M) {
    TMenuItem& Mode = M.Add("mMode", "編集モード(&M)");
    const struct {
        const char* Name;
        const char* Caption;
        const char* Hint;
    } Modes[] = {
        {"mMode_def", "標準(&N)", "標準モード"},     {"mMode_Html", "HTML(&H)", "HTML モード"},
        {"mMode_Perl", "Perl(&P)", "Perl モード"},   {"mMode_Ini", "INI(&I)", "INI モード"},
        {"mMode_Bat", "BAT(&B)", "BAT モード"},      {"mMode_Cpp", "C/C++(&C)", "C/C++ モード"},
        {"mMode_Java", "Java(&J)", "Java モード"},   {"mMode_VB", "VB(&V)", "VB モード"},
        {"mMode_Delphi", "Delphi(&D)", "Delphi モード"},
    };
    for (const auto& Item : Modes) Mode.Add(Item.Name, Item.Caption, Item.Hint, "", mcEditMode).RadioItem = true;
    M.AddSeparator();
    M.Add("Menu_ToolBar", "ツールバー(&T)", "ツールバーの表示/非表示", "", mcToolBar);
    M.Add("Menu_StatusBar", "ステータスバー(&S)", "ステータスバーの表示/非表示", "", mcStatusBar);
    M.AddSeparator();
    M.Add("Menu_InyouRow", "引用行の別色表示(&Q)", "引用行の別色表示 ON/OFF", "", mcInyouRow);
    M.Add("Menu_LinkWord", "リンクの別色表示(&L)", "リンクの別色表示 ON/OFF", "", mcLinkWord);
    M.AddSeparator();
    M.Add("mOnWordWrap", "**桁で折り返し(&W)", "指定の桁数で折り返し", "Shift+Ctrl+W", mcWordWrap);
    TMenuItem& List = M.Add("Menu_WordWrapList", "折り返し桁指定(&B)");
    List.Add("mNowWidth", "&0: **桁 (右端)", "現在のウィンドウ右端で折り返し", "Shift+Ctrl+0",
             mcNowWidth);
    M.AddSeparator();
    M.Add("mByte", "テキストサイズ表示(&I)", "ステータスバーにテキストサイズを表示", "F4", mcTextSize);
    M.AddSeparator();
    M.Add("Font1", "フォント(&F)...", "フォントの変更", "", mcFont);
    M.Add("O1", "オプション(&O)...", "オプションの設定", "", mcOptions);
}

void BuildWindowMenu(TMenuItem& M) {
    M.Add("mWin_UserSize", "指定のサイズと位置(&U)", "ウィンドウを指定のサイズと位置で表示", "Ctrl+W",
          mcWinUserSize);
    M.AddSeparator("mWin_UserSizeBar");
    M.Add("Tile1", "並べて表示(&T)", "ウィンドウを並べて表示", "", mcTile);
    M.Add("Cascade1", "重ねて表示(&C)", "ウィンドウを重ねて表示", "", mcCascade);
    M.Add("N3", "上下に並べて表示(&H)", "ウィンドウを上下に並べて表示", "", mcTileHorizontal);
    M.Add("N12", "左右に並べて表示(&V)", "ウィンドウを左右に並べて表示", "", mcTileVertical);
    M.AddSeparator();
    M.Add("R1", "すべて表示(&R)", "すべてのウィンドウを表示", "", mcRestoreAll);
    M.Add("M1", "すべて最小化(&M)", "すべてのウィンドウを最小化", "", mcMinimizeAll);
    M.AddSeparator();
    M.Add("N24", "次(&N)", "次のウィンドウ", "Alt+Right", mcNextWindow);
    M.Add("P1", "前(&P)", "前のウィンドウ", "Alt+Left", mcPreviousWindow);
    M.AddSeparator("mWin_ListBar");
}

void BuildToolMenu(TMenuItem& M) {
    M.Add("O2", "ツールの設定(&T)...", "ツールの設定", "", mcToolOptions);
    M.AddSeparator("N6");
    M.Add("Menu_IE", "Internet Explorer(&I)...", "作業中のファイルを Internet Explorer で開く", "F11",
          mcInternetExplorer);
    M.Add("Menu_NN", "Netscape Navigator(&N)...", "作業中のファイルを Netscape Navigator で開く",
          "F12", mcNetscape);
    M.AddSeparator("Menu_BwBar");
}

void BuildHelpMenu(TMenuItem& M) {
    M.Add("Menu_Help", "オンラインヘルプ(&H)...", "ヘルプを表示", "", mcHelp);
    M.Add("H1", "作者のホームページ(&W)...", "作者のホームページを表示", "", mcHomePage);
    M.AddSeparator();
    M.Add("About1", "バージョン情報(&A)...", "バージョン情報の表示", "", mcAbout);
}

} // namespace

void BuildMainMenu(TMenuItem& Root) {
    Root.Clear();
    BuildFileMenu(Root.Add("File1", "ファイル(&F)"));
    BuildEditMenu(Root.Add("Edit1", "編集(&E)"));
    BuildSearchMenu(Root.Add("Find1", "検索(&S)"));
    BuildViewMenu(Root.Add("Show1", "表示(&V)"));
    BuildWindowMenu(Root.Add("mWindow", "ウィンドウ(&W)"));
    BuildToolMenu(Root.Add("Menu_Tool", "ツール(&T)"));
    BuildHelpMenu(Root.Add("Help1", "ヘルプ(&H)"));
}

void BuildContextMenu(TMenuItem& Root) {
    Root.Clear();
    BuildEditItems(Root, "p");
}
