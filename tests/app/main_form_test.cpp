#include "main_form_test_support.h"

#include "codec/kanji_convert.h"

namespace {

const char EucText[] = "漢字の行\r\n二行目";

} // namespace

TEST_F(MainFormFixture, FreshStartShowsTheDefaults) {
    Create();
    EXPECT_EQ("無題 - Zefnote", Host.CaptionText);
    EXPECT_EQ("", Host.FilePath);
    EXPECT_EQ("標準", Host.Panels[spMode]);
    EXPECT_EQ("", Host.Panels[spWrap]);
    EXPECT_EQ("挿入", Host.Panels[spInsert]);
    EXPECT_TRUE(Host.StatusBar);
    EXPECT_TRUE(Host.ToolBar);
    EXPECT_TRUE(Host.Panel1);
    EXPECT_FALSE(Editor.WordWrap());
    EXPECT_EQ(8, Editor.Caret().TabSpaceCount());
    EXPECT_EQ("FixedSys", Editor.Font().Name());
    EXPECT_EQ(0, Host.WaitDepth);
    // The empty history shows "(なし)" and the clear item is off.
    Item("File1").Popup();
    Item("mReOpen").Popup();
    EXPECT_EQ("(なし)", Item("mReOpen")[0].Caption);
    EXPECT_FALSE(Item("mFileHisDel").Enabled);
}

TEST_F(MainFormFixture, OpenEditSaveKeepsTheFileCodeAndTheTitleFollows) {
    Files.SetFile("C:\\doc\\euc.txt", ConvertKanjiCode(EucText, TKanjiCode::kcEuc));
    Ini.WriteString("JCode", "LoadAutoCvt", "1");
    Ini.WriteString("JCode", "SaveCvt", "0");
    Create({"C:\\doc\\euc.txt"});
    EXPECT_EQ("euc.txt - Zefnote", Host.CaptionText);
    EXPECT_EQ("C:\\doc\\euc.txt", Host.FilePath);
    EXPECT_EQ("EUC", Host.Panels[spKanji]);
    Editor.SetRowCol(1, 6);
    Type("X");
    EXPECT_EQ("euc.txt * - Zefnote", Host.CaptionText);
    ASSERT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+S")));
    EXPECT_EQ("euc.txt - Zefnote", Host.CaptionText);
    EXPECT_FALSE(Editor.Modified());
    EXPECT_EQ(ConvertKanjiCode("漢字の行\r\n二行目X", TKanjiCode::kcEuc), Files.Bytes("C:\\doc\\euc.txt"));
    EXPECT_EQ("C:\\doc\\euc.txt", Ini_("FileHistory", "Item0"));
}

TEST_F(MainFormFixture, SaveInAChosenCodePutsTheCodeBackWhetherSavedOrNot) {
    Create();
    Type("abc");
    Host.SaveAnswers = {"", "C:\\doc\\jis.txt"};
    Choose("mSave_Euc"); // cancelled
    EXPECT_EQ(1, Form->Options().JCode.SaveCvt);
    EXPECT_TRUE(Editor.Modified());
    Editor.SetSelText("日本");
    Choose("mSave_Jis");
    EXPECT_EQ(1, Form->Options().JCode.SaveCvt);
    EXPECT_EQ(ConvertKanjiCode("abc日本", TKanjiCode::kcJis), Files.Bytes("C:\\doc\\jis.txt"));
    EXPECT_EQ("JIS", Host.Panels[spKanji]);
    EXPECT_EQ("jis.txt - Zefnote", Host.CaptionText);
    ASSERT_EQ(2u, Host.SaveRequests.size());
    EXPECT_EQ("txt", Host.SaveRequests[1].DefaultExt);
}

TEST_F(MainFormFixture, TheUtf8EntriesOfTheSaveInCodeSubmenuSaveAsUtf8AndKeepIt) {
    Ini.WriteString("JCode", "LoadAutoCvt", "1");
    Ini.WriteString("JCode", "SaveCvt", "0");
    Create();
    TMenuItem& Code = Item("N33");
    ASSERT_EQ(5, Code.Count());
    EXPECT_EQ("UTF-8(&U)", Code[3].Caption);
    EXPECT_EQ("UTF-8 BOM 付き(&B)", Code[4].Caption);
    EXPECT_TRUE(Code[3].Enabled);
    EXPECT_TRUE(Code[4].Enabled);
    Editor.SetSelText("日本");
    Host.SaveAnswers = {"C:\\doc\\u8.txt", "C:\\doc\\bom.txt"};
    Choose("mSave_Utf8");
    EXPECT_EQ("\xE6\x97\xA5\xE6\x9C\xAC", Files.Bytes("C:\\doc\\u8.txt"));
    EXPECT_EQ("UTF-8", Host.Panels[spKanji]);
    EXPECT_EQ(0, Form->Options().JCode.SaveCvt);
    Choose("mSave_Utf8Bom");
    EXPECT_EQ("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC", Files.Bytes("C:\\doc\\bom.txt"));
    EXPECT_EQ("UTF-8 BOM", Host.Panels[spKanji]);
    // Saving in the code it is in keeps the mark.
    Type("x");
    ASSERT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+S")));
    EXPECT_EQ("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xACx", Files.Bytes("C:\\doc\\bom.txt"));
    EXPECT_EQ("UTF-8 BOM", Host.Panels[spKanji]);
}

TEST_F(MainFormFixture, ClosingAsksOnlyForAChangedText) {
    Create();
    EXPECT_TRUE(Form->CloseQuery());
    EXPECT_TRUE(Messages.Messages.empty());
    Type("x");
    Messages.Answer = TMessageResult::mrCancel;
    EXPECT_FALSE(Form->CloseQuery());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("内容が変更されています。変更を保存しますか？", Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageButtons::mbYesNoCancel, Messages.Messages[0].Buttons);
    Messages.Answer = TMessageResult::mrNo;
    EXPECT_TRUE(Form->CloseQuery());
    // Yes on an untitled text goes through Save as; cancelling it keeps the window.
    Messages.Answer = TMessageResult::mrYes;
    EXPECT_FALSE(Form->CloseQuery());
    Host.SaveAnswers = {"C:\\new.txt"};
    EXPECT_TRUE(Form->CloseQuery());
    EXPECT_EQ("x", Files.Bytes("C:\\new.txt"));
}

TEST_F(MainFormFixture, CommandLineSwitchesFilesAndNewProcesses) {
    Files.SetFile("C:\\doc\\a.txt", "a");
    Files.SetFile("C:\\doc\\b b.txt", "b");
    Create({"/perl", "/html", "C:\\doc\\a.txt", "missing.txt", "C:\\doc\\b b.txt"});
    // Perl was chosen first, then opening a .txt file chose the standard mode.
    EXPECT_EQ(0, Form->EditMode());
    EXPECT_EQ("a", Editor.Lines().Text());
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("open", Shell.Runs[0].Verb);
    EXPECT_EQ("C:\\Zefnote\\Zefnote.exe", Shell.Runs[0].File);
    EXPECT_EQ("\"C:\\doc\\b b.txt\"", Shell.Runs[0].Parameters);
    EXPECT_EQ("\"C:\\doc\"", Shell.Runs[0].Directory);
}

TEST_F(MainFormFixture, SwitchWithoutFileAppliesTheMode) {
    Create({"/cpp"});
    EXPECT_EQ(5, Form->EditMode());
    EXPECT_EQ("C/C++", Host.Panels[spMode]);
    EXPECT_EQ("//", Editor.View().Commenter());
    // New starts a process in the same mode.
    Choose("New1");
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("/cpp", Shell.Runs[0].Parameters);
}

TEST_F(MainFormFixture, AFileShownElsewhereBringsThatWindowForward) {
    Files.SetFile("C:\\doc\\a.txt", "a");
    TWindowHandle Other = Desktop.AddWindow("TZefnoteMainForm", "a.txt - Zefnote");
    Desktop.Window(Other).Children["TEdit"] = "c:\\DOC\\A.TXT";
    Create({"C:\\doc\\a.txt"});
    EXPECT_TRUE(Form->Terminated());
    EXPECT_EQ("", Editor.Lines().Text());
    EXPECT_EQ(Other, Desktop.Foreground);
    ASSERT_FALSE(Desktop.CallsOf(TFakeDesktop::ckSend).empty());
    EXPECT_EQ(100u, Desktop.CallsOf(TFakeDesktop::ckSend)[0].Message);
}

TEST_F(MainFormFixture, ShortcutsAndTheTargetOfADocumentName) {
    Files.SetFile("C:\\doc\\target.txt", "t");
    Files.SetFile("C:\\Desktop\\link.LNK", "shell link");
    Shell.Shortcuts["C:\\Desktop\\link.LNK"] = "C:\\doc\\target.txt";
    Files.SetFile("C:\\PROGRA~1\\LONGNA~1.TXT", "long");
    Shell.LongNames["C:\\PROGRA~1\\LONGNA~1.TXT"] = "C:\\Program Files\\Long name.txt";
    Files.SetFile("C:\\Program Files\\Long name.txt", "long");
    Create({"C:\\Desktop\\link.LNK"});
    EXPECT_EQ("C:\\doc\\target.txt", Form->CurrentFileName());
    Form.reset();
    Create({"C:\\PROGRA~1\\LONGNA~1.TXT"});
    EXPECT_EQ("C:\\Program Files\\Long name.txt", Form->CurrentFileName());
}

TEST_F(MainFormFixture, HistoryClicksOpenHereOrElsewhereRemoveAndReportMissingFiles) {
    Files.SetFile("C:\\a.txt", "a");
    Files.SetFile("C:\\b.txt", "b");
    WriteFileHistory(Ini, {"C:\\a.txt", "C:\\gone.txt", "C:\\b.txt"});
    Create();
    Item("File1").Popup();
    TMenuItem& ReOpen = Item("mReOpen");
    EXPECT_EQ("&2: C:\\gone.txt", ReOpen[1].Caption);
    ReOpen[1].Click();
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("\"C:\\gone.txt\" が見当たりません。", Messages.Messages[0].Text);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
    // Shift-click asks, then removes.
    Host.Shift = true;
    Messages.Answer = TMessageResult::mrOk;
    Item("mReOpen")[1].Click();
    EXPECT_EQ("ファイル履歴 \"C:\\gone.txt\" を削除します。", Messages.Messages[1].Text);
    EXPECT_EQ(std::vector<std::string>({"C:\\a.txt", "C:\\b.txt"}), ReadFileHistory(Ini));
    Host.Shift = false;
    // An empty window opens the entry itself and the entry moves to the top.
    Item("File1").Popup();
    Item("mReOpen")[1].Click();
    EXPECT_EQ("C:\\b.txt", Form->CurrentFileName());
    EXPECT_EQ(std::vector<std::string>({"C:\\b.txt", "C:\\a.txt"}), ReadFileHistory(Ini));
    // A window with a document sends it to a new process.
    Item("File1").Popup();
    Item("mReOpen")[1].Click();
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("\"C:\\a.txt\"", Shell.Runs[0].Parameters);
    // Clearing asks and leaves "(なし)".
    Choose("mFileHisDel");
    EXPECT_EQ("すべてのファイル履歴を削除します。", Messages.Messages.back().Text);
    EXPECT_TRUE(ReadFileHistory(Ini).empty());
}

TEST_F(MainFormFixture, EditMenuFollowsTheEditorAndShortcutsBeepWhenNothingCanBeDone) {
    Create();
    Type("hello");
    Item("Edit1").Popup();
    EXPECT_TRUE(Item("mUndo").Enabled);
    EXPECT_TRUE(Item("mUndo2").Enabled);
    EXPECT_FALSE(Item("mCut").Enabled);
    EXPECT_FALSE(Item("mCut2").Enabled);
    EXPECT_FALSE(Item("mHenkan").Enabled);
    EXPECT_TRUE(Item("mBoxMode").Enabled);
    // Ctrl+X with nothing selected: a beep, no change.
    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+X")));
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_EQ("hello", Editor.Lines().Text());
    // Ctrl+A then Shift+Del (the cut twin) cuts through the clipboard.
    Form->ShortCut(TextToShortCut("Ctrl+A"));
    EXPECT_EQ(5, Editor.SelLength());
    Form->ShortCut(TextToShortCut("Shift+Del"));
    EXPECT_EQ("", Editor.Lines().Text());
    std::string Clip;
    ASSERT_TRUE(Clipboard.GetText(Clip));
    EXPECT_EQ("hello", Clip);
    Form->ShortCut(TextToShortCut("Alt+BkSp"));
    EXPECT_EQ("hello", Editor.Lines().Text());
    // The box-mode item is off while text is selected.
    Form->ShortCut(TextToShortCut("Ctrl+A"));
    Form->PopupMenu().Popup();
    EXPECT_FALSE(Form->PopupMenu().Find("pBoxMode")->Enabled);
    EXPECT_TRUE(Form->PopupMenu().Find("pCut")->Enabled);
}

TEST_F(MainFormFixture, ViewTogglesWriteAtOnceUnlessMenuWritesAreOff) {
    TWindowHandle Other = Desktop.AddWindow("TZefnoteMainForm", "other - Zefnote");
    Create();
    Choose("Menu_StatusBar");
    EXPECT_FALSE(Host.StatusBar);
    EXPECT_EQ("0", Ini_("Option", "StatusBar"));
    auto Posts = Desktop.CallsOf(TFakeDesktop::ckPost);
    ASSERT_EQ(1u, Posts.size());
    EXPECT_EQ(Other, Posts[0].Window);
    EXPECT_EQ(101u, Posts[0].Message);
    // With menu writes off the file and the other windows stay as they were.
    Ini.WriteString("Option", "Menu_NoSaveIni", "1");
    Form->SettingsChanged();
    EXPECT_FALSE(Host.StatusBar);
    Choose("Menu_ToolBar");
    EXPECT_FALSE(Host.ToolBar);
    EXPECT_EQ("?", Ini_("Option", "ToolBar"));
    EXPECT_EQ(1u, Desktop.CallsOf(TFakeDesktop::ckPost).size());
    // Another process's announcement replaces what was only in memory.
    Form->SettingsChanged();
    EXPECT_TRUE(Host.ToolBar);
}

TEST_F(MainFormFixture, WordWrapCommandsAndTheWrapWidthList) {
    Ini.WriteString("WrapByteList", "ItemCount", "2");
    Ini.WriteString("WrapByteList", "Item0", "40");
    Ini.WriteString("WrapByteList", "Item1", "72");
    Create();
    Item("Show1").Popup();
    EXPECT_EQ("80桁で折り返し(&W)", Item("mOnWordWrap").Caption);
    TMenuItem& List = Item("Menu_WordWrapList");
    ASSERT_EQ(4, List.Count());
    EXPECT_EQ("&2: 72桁", List[3].Caption);
    EXPECT_EQ("Shift+Ctrl+2", ShortCutToText(List[3].ShortCut));
    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Shift+Ctrl+2")));
    EXPECT_TRUE(Editor.WordWrap());
    EXPECT_EQ(72, Editor.WrapOption().WrapByte());
    EXPECT_EQ("[72]", Host.Panels[spWrap]);
    EXPECT_EQ("72", Ini_("Option", "WrapCount"));
    EXPECT_EQ("1", Ini_("Option", "WordWrap"));
    Choose("mOnWordWrap");
    EXPECT_FALSE(Editor.WordWrap());
    EXPECT_EQ("", Host.Panels[spWrap]);
    EXPECT_GE(Host.MaxWaitDepth, 1);
    EXPECT_EQ(0, Host.WaitDepth);
}

TEST_F(MainFormFixture, TextSizeAndCaretPanel) {
    Create();
    Editor.SetSelText("日本語");
    Type("abc");
    EXPECT_EQ("    1行:   10桁 ", Host.Panels[spCaret]);
    Form->ShortCut(TextToShortCut("F4"));
    EXPECT_EQ("9バイト ", Host.Panels[spCaret]);
    Item("Show1").Popup();
    EXPECT_TRUE(Item("mByte").Checked);
    int Esc = vkEscape;
    Editor.KeyDown(Esc, TShiftState());
    EXPECT_EQ("    1行:   10桁 ", Host.Panels[spCaret]);
    int Ins = vkInsert;
    Editor.KeyDown(Ins, TShiftState());
    EXPECT_EQ("上書", Host.Panels[spInsert]);
    EXPECT_TRUE(Editor.Overwrite());
}

TEST_F(MainFormFixture, BoxModeForcesFreeCaretOnlyWhileOn) {
    Create();
    Type("ab\r\ncd");
    Form->ShortCut(TextToShortCut("Ctrl+B"));
    EXPECT_TRUE(Editor.BoxMode());
    EXPECT_EQ("矩形", Host.Panels[spBox]);
    EXPECT_TRUE(Editor.Caret().FreeCaret());
    Item("Edit1").Popup();
    EXPECT_FALSE(Item("mFreeCaret").Enabled);
    Form->ShortCut(TextToShortCut("Ctrl+B"));
    EXPECT_FALSE(Editor.Caret().FreeCaret());
    EXPECT_EQ("", Host.Panels[spBox]);
    // The free-caret command turns the setting, not the editor's forced state.
    Form->ShortCut(TextToShortCut("Shift+Ctrl+F"));
    EXPECT_TRUE(Form->Options().FreeCaret);
    EXPECT_EQ("1", Ini_("Option", "FreeCaret"));
}

TEST_F(MainFormFixture, DroppedFilesOpenHereOnlyInAnEmptyWindow) {
    Files.SetFile("C:\\a.txt", "a");
    Files.SetFile("C:\\b.txt", "b");
    Files.SetFile("C:\\Zefnote\\ZEFNOTE.EXE", "MZ");
    Create();
    Form->DropFiles({"C:\\a.txt", "C:\\b.txt", "C:\\none.txt", "C:\\Zefnote\\ZEFNOTE.EXE"});
    EXPECT_EQ("C:\\a.txt", Form->CurrentFileName());
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("\"C:\\b.txt\"", Shell.Runs[0].Parameters);
    Form->DropFiles({"C:\\a.txt", "C:\\b.txt", "C:\\a.txt"});
    EXPECT_EQ(4u, Shell.Runs.size());
}

TEST_F(MainFormFixture, OpenCommandUsesANewProcessForAWindowWithADocument) {
    Files.SetFile("C:\\doc\\a.txt", "a");
    Files.SetFile("C:\\doc\\b.txt", "b");
    Create();
    Host.OpenAnswers = {"C:\\doc\\a.txt", "C:\\doc\\b.txt"};
    Form->ShortCut(TextToShortCut("Ctrl+O"));
    EXPECT_EQ("C:\\doc\\a.txt", Form->CurrentFileName());
    Form->ShortCut(TextToShortCut("Ctrl+O"));
    EXPECT_EQ("C:\\doc\\a.txt", Form->CurrentFileName());
    ASSERT_EQ(2u, Host.OpenRequests.size());
    EXPECT_EQ("C:\\doc", Host.OpenRequests[1].InitialDir);
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("\"C:\\doc\\b.txt\"", Shell.Runs[0].Parameters);
}

TEST_F(MainFormFixture, AFailedReadLeavesTheDocumentAsItWas) {
    Files.SetFile("C:\\a.txt", "first file");
    Files.SetFile("C:\\b.txt", std::string(20000, 'b'));
    Create({"C:\\a.txt"});
    // The second read of b.txt fails: the text, its file and its state stay a.txt's.
    Files.FailReadAfter = 1;
    EXPECT_FALSE(Form->OpenFile("C:\\b.txt"));
    EXPECT_EQ("C:\\a.txt", Form->CurrentFileName());
    EXPECT_FALSE(Editor.Modified());
    EXPECT_EQ("first file", Editor.Lines().Text().substr(0, 10));
    EXPECT_EQ(1u, Messages.Messages.size());
    // Saving writes a.txt's own text back to a.txt, and b.txt is left alone.
    Editor.SetModified(true);
    Form->ShortCut(TextToShortCut("Ctrl+S"));
    EXPECT_EQ(0u, Host.SaveRequests.size());
    EXPECT_EQ("first file", Files.Bytes("C:\\a.txt"));
    EXPECT_EQ(std::string(20000, 'b'), Files.Bytes("C:\\b.txt"));
}

TEST_F(MainFormFixture, PlacementRestoredAndSavedByStartWindow) {
    Ini.WriteString("Option", "StartWindow", "1");
    Ini.WriteString("TZefnoteMainForm", "WindowLeft", "10");
    Ini.WriteString("TZefnoteMainForm", "WindowTop", "20");
    Ini.WriteString("TZefnoteMainForm", "WindowWidth", "640");
    Ini.WriteString("TZefnoteMainForm", "WindowHeight", "480");
    Create();
    EXPECT_EQ(10, Host.Place.Bounds.Left);
    EXPECT_EQ(480, Host.Place.Bounds.Height);
    Host.Place.Maximized = true;
    Form->FormDestroy();
    EXPECT_EQ("1", Ini_("TZefnoteMainForm", "WindowMax"));
    EXPECT_EQ("640", Ini_("TZefnoteMainForm", "WindowWidth"));
}

// The Window menu through the main window's menus and shortcuts: Ctrl+W places the window
// only under the user-defined start placement and beeps otherwise; Alt+Right and Alt+Left
// switch windows; an entry of the window list chosen from the menu brings its window
// forward.
TEST_F(MainFormFixture, WindowMenuCommandsReachTheOtherWindows) {
    Ini.WriteString("Option", "StartWindow", "3");
    Ini.WriteString("Option", "UserWindowSize", "1");
    Ini.WriteString("Option", "UserWindowSize_W", "640");
    Ini.WriteString("Option", "UserWindowSize_H", "480");
    Ini.WriteString("Option", "UserWindowPos", "0");
    const TWindowHandle Other = Desktop.AddWindow("TZefnoteMainForm", "other.txt - Zefnote");
    Desktop.Window(Host.Self).Bounds = TWindowRect{30, 40, 330, 240};
    Create();
    Desktop.Calls.clear();
    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+W")));
    EXPECT_EQ(0, Host.Beeps);
    const TWindowRect Placed = Desktop.Window(Host.Self).Bounds;
    EXPECT_EQ(30, Placed.Left);
    EXPECT_EQ(40, Placed.Top);
    EXPECT_EQ(640, Placed.Width());
    EXPECT_EQ(480, Placed.Height());

    Ini.WriteString("Option", "StartWindow", "0");
    Form->SettingsChanged();
    Desktop.Calls.clear();
    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+W")));
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_TRUE(Desktop.CallsOf(TFakeDesktop::ckPlace).empty());
    EXPECT_FALSE(Item("mWin_UserSize").Visible);

    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Alt+Right")));
    EXPECT_EQ(Other, Desktop.Foreground);
    EXPECT_TRUE(Form->ShortCut(TextToShortCut("Alt+Left")));
    EXPECT_EQ(Host.Self, Desktop.Foreground);

    TMenuItem& Window = Item("mWindow");
    Window.Popup();
    ASSERT_EQ(WindowMenuFixedItems + 2, Window.Count());
    TMenuItem& Entry = Window[WindowMenuFixedItems + 1];
    EXPECT_EQ("&2: other.txt", Entry.Caption);
    Form->Click(Entry);
    EXPECT_EQ(Other, Desktop.Foreground);
}
