#include "app/settings/apply_settings.h"
#include "settings_test_support.h"

namespace {

const TWindowBounds Current{30, 40, 700, 500};

TEST_F(SettingsFixture, AFreshStartWithoutAFileGivesTheDefaults) {
    Options.NkfLoaded = true;
    Options.LinkWordUnderMouse = "http://example.jp/";
    Store.RegisteredAppPath = [](const std::string& Program) {
        return Program == "IEXPLORE.EXE" ? std::string("C:\\IE\\IEXPLORE.EXE") : std::string();
    };
    TSettingsLists Lists = Store.LoadSettings(Current);

    EXPECT_TRUE(Options.ToolBar);
    EXPECT_TRUE(Options.StatusBar);
    EXPECT_FALSE(Options.WordWrap);
    EXPECT_EQ(Options.FontName, "FixedSys");
    EXPECT_EQ(Options.FontSize, 14);
    EXPECT_EQ(TabWidthFromIndex(Options.TabCount), 8);
    EXPECT_EQ(Options.WrapCount, 80);
    EXPECT_EQ(Options.PasteInyouhu, "> ");
    EXPECT_EQ(Options.Inyouhu, ">|＞｜");
    EXPECT_EQ(Options.Colors.Link, 0x00C00000u);
    EXPECT_EQ(Options.Colors.Ret, clTeal);
    EXPECT_EQ(Options.JCode.SaveCvt, 1);
    // The window's own place is the default of the user's size and position.
    EXPECT_EQ(Options.UserWindowSize_W, 700);
    EXPECT_EQ(Options.UserWindowSize_H, 500);
    EXPECT_EQ(Options.UserWindowPos_X, 30);
    EXPECT_EQ(Options.UserWindowPos_Y, 40);
    EXPECT_EQ(Options.Browser.IePath, "C:\\IE\\IEXPLORE.EXE");
    EXPECT_EQ(Options.Browser.NnPath, "");
    // What is not stored survives a reload.
    EXPECT_TRUE(Options.NkfLoaded);
    EXPECT_EQ(Options.LinkWordUnderMouse, "http://example.jp/");

    EXPECT_TRUE(Lists.WrapWidths.empty());
    EXPECT_TRUE(Lists.WrapWidthItems.empty());
    ASSERT_EQ(Lists.ToolItems.size(), 1u);
    EXPECT_EQ(Lists.ToolItems[0].Caption, "(ツール未登録)");
    EXPECT_FALSE(Lists.ToolItems[0].Enabled);
    EXPECT_EQ(Files.FileCount(), 0u); // loading writes nothing
    EXPECT_EQ(Announcements, 0);
}

// Every stored value differs from its default; colours in each form.
const char* const EveryKeyFile =
    "[Option]\r\n"
    "StartWindow=3\r\nUserWindowSize_W=640\r\nUserWindowSize_H=480\r\nUserWindowPos=0\r\n"
    "UserWindowPos_X=-10\r\nUserWindowPos_Y=20\r\nUserFileFilter=*.txt;*.log\r\n"
    "StatusBar=0\r\nToolBar=0\r\nFlatToolBar=1\r\nWordWrap=1\r\nWordBreak=0\r\n"
    "FollowRetMark=0\r\nLeading=0\r\nFollowStr=、。\r\nLeadStr=「\r\nFollowPunctuation=0\r\n"
    "PunctuationStr=。\r\nFontName=ＭＳ ゴシック\r\nFontSize=12\r\nScrollBar_Tate=0\r\n"
    "ScrollBar_Yoko=0\r\nTabCount=1\r\nWrapCount=72\r\nAutoIndent=1\r\nFreeCaret=1\r\n"
    "RetMark=0\r\nEofMark=0\r\nTabMark=1\r\nSpMark=1\r\nInyouhu=＞\r\nInyouRow=0\r\n"
    "PasteInyouhu=% | %\r\nLinkWord=0\r\nHtmlDocFilter=\r\nUndoMax=500\r\nStartIme=1\r\n"
    "FullPathFileName=1\r\nLinePitch=3\r\nCharPitch=1\r\nCaretUnderLine=1\r\n"
    "NotDoubleOpen=0\r\nMenu_NoSaveIni=1\r\nLeftMargin=4\r\nTopMargin=5\r\n"
    "UserWindowSize=0\r\nPerlDocFilter=*.pl\r\nIniDocFilter=*.ini\r\nBatDocFilter=*.cmd\r\n"
    "CppDocFilter=*.cc\r\nPasDocFilter=*.pp\r\nJavaDocFilter=*.jav\r\nVbDocFilter=*.vb\r\n"
    "Perl_KeyWord_Bold=0\r\nCpp_KeyWord_Bold=0\r\nJava_KeyWord_Bold=0\r\n"
    "Vb_KeyWord_Bold=0\r\nPas_KeyWord_Bold=0\r\n"
    "[Color]\r\n"
    "Font=clMaroon\r\nBk=clCream\r\nSelStr=$00123456\r\nSelBk=clHighlight\r\nRet=clRed\r\n"
    "Tab=clLime\r\nLink=clYellow\r\nInyou=clFuchsia\r\nUnderLine=clAqua\r\n"
    "Html_Comment=clOlive\r\nHtml_Tag=clPurple\r\nHtml_Option=clMoneyGreen\r\n"
    "Perl_Comment=clSkyBlue\r\nPerl_Str=clMedGray\r\nPerl_KeyWord=clWindowText\r\n"
    "Ini_Comment=clWindow\r\nIni_Sec=clBtnFace\r\nIni_Key=$00000001\r\n"
    "Bat_Comment=$00010000\r\nCpp_Comment=$00ABCDEF\r\nCpp_Str=clTeal\r\nCpp_KeyWord=clNavy\r\n"
    "Java_Comment=clSilver\r\nJava_Str=clGray\r\nJava_KeyWord=clWhite\r\nVb_Comment=clBlack\r\n"
    "Vb_Str=clGreen\r\nVb_KeyWord=clBlue\r\nPas_Comment=clInfoBk\r\nPas_Str=$00FEDCBA\r\n"
    "Pas_KeyWord=$00000100\r\n"
    "[Browser]\r\n"
    "Menu=1\r\nSave=2\r\nIePath=C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\r\nNnPath=\r\n"
    "[JCode]\r\n"
    "LoadAutoCvt=1\r\nSaveCvt=3\r\n"
    "[WrapByteList]\r\n"
    "ItemCount=2\r\nItem0=72\r\nItem1=100\r\n";

TEST_F(SettingsFixture, EveryKeyAndEveryColourFormSurvivesARoundTrip) {
    SetIni(EveryKeyFile);
    TSettingsLists Lists = Store.LoadSettings(Current);
    EXPECT_EQ(Options.StartWindow, 3);
    EXPECT_FALSE(Options.ToolBar);
    EXPECT_EQ(Options.FontName, "ＭＳ ゴシック");
    EXPECT_EQ(Options.PasteInyouhu, " | ");
    EXPECT_EQ(Options.HtmlDocFilter, "");
    EXPECT_EQ(Options.UserWindowPos_X, -10);
    EXPECT_EQ(Options.Colors.SelStr, 0x00123456u);
    EXPECT_EQ(Options.Colors.SelBk, 0x8000000Du);
    EXPECT_EQ(Options.Colors.Pas_KeyWord, 0x00000100u);
    EXPECT_EQ(Options.Browser.Save, 2);
    EXPECT_EQ(Options.JCode.SaveCvt, 3);
    EXPECT_EQ(Lists.WrapWidths, (std::vector<int>{72, 100}));

    SetIni("");
    EXPECT_TRUE(Store.SaveSettings(Lists.WrapWidths)); // Menu_NoSaveIni does not hold it back
    EXPECT_EQ(IniText(), EveryKeyFile);
    EXPECT_EQ(Announcements, 1);
}

TEST_F(SettingsFixture, SavingRewritesTheWrapListAndKeepsUnknownKeys) {
    SetIni("[Option]\r\nMine=1\r\n[WrapByteList]\r\nItemCount=3\r\nItem0=1\r\nItem1=2\r\n"
           "Item2=3\r\n[Other]\r\nx=y\r\n");
    EXPECT_TRUE(Store.SaveSettings({}));
    std::string Text = IniText();
    EXPECT_EQ(Text.find("[WrapByteList]"), std::string::npos);
    EXPECT_EQ(Text.find("[Option]\r\nMine=1\r\nStartWindow=0\r\n"), 0u);
    EXPECT_NE(Text.find("[Other]\r\nx=y\r\n"), std::string::npos);
}

TEST_F(SettingsFixture, ValuesAsAUserMayHaveTypedThem) {
    SetIni("[Option]\r\nFontSize=10pt\r\nWrapCount=abc\r\nWordWrap=2\r\nToolBar=no\r\n"
           "StatusBar=0\r\nUndoMax=99999999999\r\nLeftMargin=-4\r\nPasteInyouhu=>\r\n"
           "Inyouhu=%>%\r\n[Color]\r\nFont=$000000FF\r\nInyou=$ff\r\nBk=255\r\nSelStr=blue\r\n"
           "SelBk=CLBLUE\r\nRet=$123456789\r\nTab=$01000000\r\nLink=0x00FF00\r\n");
    Store.LoadSettings(Current);
    EXPECT_EQ(Options.FontSize, 10);
    EXPECT_EQ(Options.WrapCount, 80); // no number: the default
    EXPECT_TRUE(Options.WordWrap);    // any non-zero number is on
    EXPECT_TRUE(Options.ToolBar);     // no number: the default
    EXPECT_FALSE(Options.StatusBar);
    EXPECT_EQ(Options.UndoMax, 2147483647);
    EXPECT_EQ(Options.LeftMargin, -4); // passed on as read
    EXPECT_EQ(Options.PasteInyouhu, ">");
    EXPECT_EQ(Options.Inyouhu, "%>%"); // only the padded keys lose their "%"
    EXPECT_EQ(Options.Colors.Font, clRed);
    EXPECT_EQ(Options.Colors.Inyou, clRed);
    EXPECT_EQ(Options.Colors.Bk, clRed);
    EXPECT_EQ(Options.Colors.SelStr, clWhite); // not a colour: the key's default
    EXPECT_EQ(Options.Colors.SelBk, clBlue);
    EXPECT_EQ(Options.Colors.Ret, clTeal);
    EXPECT_EQ(Options.Colors.Tab, clSilver);
    EXPECT_EQ(Options.Colors.Link, clLime);
}

TEST_F(SettingsFixture, ObsoleteFreeCaretKeyIsDeletedOnlyWhenAboveZero) {
    SetIni("[Option]\r\nBFreeCaret=1\r\nWordWrap=1\r\n");
    Store.LoadSettings(Current);
    EXPECT_EQ(IniText(), "[Option]\r\nWordWrap=1\r\n");
    for (const char* Kept : {"[Option]\r\nBFreeCaret=0\r\n", "[Option]\r\nBFreeCaret=-1\r\n",
                             "[Option]\r\nBFreeCaret=x\r\n"}) {
        SetIni(Kept);
        Store.LoadSettings(Current);
        EXPECT_EQ(IniText(), Kept);
    }
    EXPECT_EQ(Announcements, 0);
}

TEST_F(SettingsFixture, ImmediateWritesAreSkippedWithMenuWritesOff) {
    const std::string Before = "[Option]\r\nStatusBar=1\r\n";
    SetIni(Before);
    Options.Menu_NoSaveIni = true;
    EXPECT_TRUE(Store.WriteOptionBool("Option", "StatusBar", false));
    EXPECT_TRUE(Store.WriteWrapPair());
    EXPECT_TRUE(Store.WriteFontPair());
    EXPECT_EQ(IniText(), Before);
    EXPECT_EQ(Announcements, 0);

    Options.Menu_NoSaveIni = false;
    Options.WordWrap = true;
    Options.WrapCount = 64;
    Options.FontName = "Terminal";
    Options.FontSize = 9;
    EXPECT_TRUE(Store.WriteOptionBool("Option", "StatusBar", false));
    EXPECT_EQ(Announcements, 1);
    EXPECT_TRUE(Store.WriteWrapPair());
    EXPECT_EQ(Announcements, 2);
    EXPECT_TRUE(Store.WriteFontPair());
    EXPECT_EQ(Announcements, 3);
    EXPECT_EQ(IniText(), "[Option]\r\nStatusBar=0\r\nWordWrap=1\r\nWrapCount=64\r\n"
                         "FontName=Terminal\r\nFontSize=9\r\n");
}

TEST_F(SettingsFixture, AFailedWriteIsReported) {
    Files.FailCreate = true;
    EXPECT_FALSE(Store.WriteOptionBool("Option", "ToolBar", true));
    EXPECT_FALSE(Store.SaveSettings({80}));
}

TEST_F(SettingsFixture, AMaximisedExitKeepsTheNormalPlaceOfAnEarlierOne) {
    Options.StartWindow = 1;
    EXPECT_TRUE(Store.SaveWindowPlacement({{10, 20, 800, 600}, false}));
    EXPECT_TRUE(Store.SaveWindowPlacement({{0, 0, 1280, 1024}, true}));
    EXPECT_EQ(IniText(), "[TZefnoteMainForm]\r\nWindowWidth=800\r\nWindowHeight=600\r\n"
                         "WindowTop=20\r\nWindowLeft=10\r\nWindowMax=1\r\n");
    TWindowPlacement P = Store.RestoreWindowPlacement(Current);
    EXPECT_EQ(P.Bounds.Left, 10);
    EXPECT_EQ(P.Bounds.Top, 20);
    EXPECT_EQ(P.Bounds.Width, 800);
    EXPECT_EQ(P.Bounds.Height, 600);
    EXPECT_TRUE(P.Maximized);
    EXPECT_EQ(Announcements, 0);
}

TEST_F(SettingsFixture, StartPlacementByStartWindow) {
    SetIni("[TZefnoteMainForm]\r\nWindowWidth=800\r\nWindowMax=1\r\n");
    Options.UserWindowSize_W = 300;
    Options.UserWindowSize_H = 200;
    Options.UserWindowPos_X = 5;
    Options.UserWindowPos_Y = 6;
    auto Place = [&](int StartWindow, bool Size, bool Pos) {
        Options.StartWindow = StartWindow;
        Options.UserWindowSize = Size;
        Options.UserWindowPos = Pos;
        TWindowPlacement P = Store.RestoreWindowPlacement(Current);
        return std::vector<int>{P.Bounds.Left, P.Bounds.Top, P.Bounds.Width, P.Bounds.Height,
                                P.Maximized};
    };
    EXPECT_EQ(Place(0, true, true), (std::vector<int>{30, 40, 700, 500, 0}));
    EXPECT_EQ(Place(1, true, true), (std::vector<int>{30, 40, 800, 500, 1})); // missing: current
    EXPECT_EQ(Place(2, true, true), (std::vector<int>{30, 40, 700, 500, 1}));
    EXPECT_EQ(Place(3, true, true), (std::vector<int>{5, 6, 300, 200, 0}));
    EXPECT_EQ(Place(3, false, true), (std::vector<int>{5, 6, 700, 500, 0}));
    EXPECT_EQ(Place(3, true, false), (std::vector<int>{30, 40, 300, 200, 0}));
    EXPECT_EQ(Place(7, true, true), (std::vector<int>{30, 40, 700, 500, 0}));

    const std::string Before = IniText();
    for (int StartWindow : {0, 2, 3}) {
        Options.StartWindow = StartWindow;
        EXPECT_TRUE(Store.SaveWindowPlacement({{1, 2, 3, 4}, false}));
    }
    EXPECT_EQ(IniText(), Before);
}

TEST(SettingsFileName, ReplacesTheProgramsExtension) {
    EXPECT_EQ(SettingsFileName("C:\\Program Files\\Zefnote\\Zefnote.exe"),
              "C:\\Program Files\\Zefnote\\Zefnote.INI");
    EXPECT_EQ(SettingsFileName("C:\\v1.2\\zefnote"), "C:\\v1.2\\zefnote.INI");
}

} // namespace
