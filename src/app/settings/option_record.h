#pragma once
// The process-wide option record: every value of the settings sections "Option",
// "Color", "Browser" and "JCode", with the defaults a missing key reads as, and two
// values that are never stored.  The window's own size and position, the defaults of
// the "UserWindow..." keys, are filled in when the settings are loaded.
#include "app/settings/color_string.h"
#include "base/platform_values.h"
#include "editor/word_wrap.h"

#include <string>

// Section "Color": the colour of each kind of text.
struct TOptionColors {
    TColor Font = clBlack;
    TColor Bk = clWhite;
    TColor SelStr = clWhite;
    TColor SelBk = clNavy;
    TColor Ret = clTeal;
    TColor Tab = clSilver;
    TColor Link = 0x00C00000;
    TColor Inyou = 0x00C00000;
    TColor UnderLine = clSilver;
    TColor Html_Comment = clGray;
    TColor Html_Tag = clBlue;
    TColor Html_Option = clGreen;
    TColor Perl_Comment = clGreen;
    TColor Perl_Str = clBlue;
    TColor Perl_KeyWord = clBlack;
    TColor Ini_Comment = clGreen;
    TColor Ini_Sec = clBlue;
    TColor Ini_Key = clNavy;
    TColor Bat_Comment = clGreen;
    TColor Cpp_Comment = clGreen;
    TColor Cpp_Str = clBlue;
    TColor Cpp_KeyWord = clBlack;
    TColor Java_Comment = clGreen;
    TColor Java_Str = clBlue;
    TColor Java_KeyWord = clBlack;
    TColor Vb_Comment = clGreen;
    TColor Vb_Str = clBlue;
    TColor Vb_KeyWord = clBlack;
    TColor Pas_Comment = clGreen;
    TColor Pas_Str = clBlue;
    TColor Pas_KeyWord = clBlack;
};

// Section "Browser".
struct TBrowserOptions {
    int Menu = 0;       // 0 HTML mode only, 1 always, 2 never
    int Save = 0;       // 0 save, 1 ask, 2 do not save before showing the file
    std::string IePath; // default: the path the system records for the browser, else empty
    std::string NnPath;
};

// Section "JCode".
struct TJCodeOptions {
    bool LoadAutoCvt = false; // detect and convert the kanji code when loading
    int SaveCvt = 1;          // 0 the loaded file's code, 1 Shift_JIS, 2 JIS, 3 EUC, 4 UTF-8, 5 UTF-8 with BOM
};

struct TOptionRecord {
    // Section "Option", in the order the keys are read and written.
    int StartWindow = 0; // 0 system default, 1 last exit, 2 maximised, 3 user-specified
    int UserWindowSize_W = 0;
    int UserWindowSize_H = 0;
    bool UserWindowPos = true;
    int UserWindowPos_X = 0;
    int UserWindowPos_Y = 0;
    std::string UserFileFilter = "*.txt;*.htm;*.html;*.cgi;*.pl";
    bool StatusBar = true;
    bool ToolBar = true;
    bool FlatToolBar = false;
    bool WordWrap = false;
    bool WordBreak = true;
    bool FollowRetMark = true;
    bool Leading = true;
    std::string FollowStr = TEditorWrapOption::DefaultFollowStr;
    std::string LeadStr = TEditorWrapOption::DefaultLeadStr;
    bool FollowPunctuation = true;
    std::string PunctuationStr = TEditorWrapOption::DefaultPunctuationStr;
    std::string FontName = "FixedSys";
    int FontSize = 14;
    bool ScrollBar_Tate = true;
    bool ScrollBar_Yoko = true;
    int TabCount = 3; // an index: 0 -> 2, 1 -> 4, 2 -> 6, else 8 columns
    int WrapCount = 80;
    bool AutoIndent = false;
    bool FreeCaret = false;
    bool RetMark = true;
    bool EofMark = true;
    bool TabMark = false;
    bool SpMark = false;
    std::string Inyouhu = ">|＞｜";
    bool InyouRow = true;
    // The quoted-paste prefix itself; the file holds it between two "%" characters so
    // that its blanks survive.
    std::string PasteInyouhu = "> ";
    bool LinkWord = true;
    std::string HtmlDocFilter = "*.htm;*.html";
    int UndoMax = 64;
    bool StartIme = false;
    bool FullPathFileName = false;
    int LinePitch = 0;
    int CharPitch = 0;
    bool CaretUnderLine = false;
    bool NotDoubleOpen = true;
    bool Menu_NoSaveIni = false;
    int LeftMargin = 8;
    int TopMargin = 2;
    bool UserWindowSize = true;
    std::string PerlDocFilter = "*.cgi;*.pl";
    std::string IniDocFilter = "*.ini;*.inf;*.url";
    std::string BatDocFilter = "*.bat";
    std::string CppDocFilter = "*.c;*.cpp;*.h";
    std::string PasDocFilter = "*.pas;*.dpr";
    std::string JavaDocFilter = "*.java";
    std::string VbDocFilter = "*.bas";
    bool Perl_KeyWord_Bold = true;
    bool Cpp_KeyWord_Bold = true;
    bool Java_KeyWord_Bold = true;
    bool Vb_KeyWord_Bold = true;
    bool Pas_KeyWord_Bold = true;

    TOptionColors Colors;
    TBrowserOptions Browser;
    TJCodeOptions JCode;

    // Not stored: whether NKF32.DLL was loaded, and the URL or mail address under the
    // mouse pointer (empty when none).
    bool NkfLoaded = false;
    std::string LinkWordUnderMouse;
};
