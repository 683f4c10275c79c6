// The browser preview, the external tools and the save rule they share, driven through
// the main window's model with a recording DDE client and tool-bar host.
#include "app/external/about_box.h"
#include "app/external/external_commands.h"
#include "app/settings/settings_lists.h"
#include "main_form_test_support.h"
#include "platform/dde_client.h"

#include <map>

namespace {

class TRecordingDde : public TDdeClient {
public:
    struct TCall {
        std::string Kind, Service, Topic, Text; // Kind: "open", "request", "close"
    };
    std::vector<TCall> Calls;
    bool Answers = true;

    bool OpenLink(const std::string& Service, const std::string& Topic,
                  const std::string& ServiceApplication) override {
        Calls.push_back({"open", Service, Topic, ServiceApplication});
        FTopic = Topic;
        return Answers;
    }
    bool RequestData(const std::string& Item, std::string& Data) override {
        Calls.push_back({"request", "", FTopic, Item});
        Data = "1";
        return Answers;
    }
    void CloseLink() override { Calls.push_back({"close", "", "", ""}); }
    std::vector<std::string> Requests() const {
        std::vector<std::string> R;
        for (const TCall& C : Calls)
            if (C.Kind == "request") R.push_back(C.Topic + " " + C.Text);
        return R;
    }

private:
    std::string FTopic;
};

class TRecordingExternalHost : public TExternalHost {
public:
    std::map<std::string, bool> Visible;
    std::map<std::string, int> Widths;
    int AboutBoxes = 0;
    TAboutBox Shown;

    void SetToolButtonVisible(const std::string& Name, bool Value) override { Visible[Name] = Value; }
    void SetToolSeparatorWidth(const std::string& Name, int Width) override { Widths[Name] = Width; }
    bool ShowAboutBox(TAboutBox& Box) override {
        ++AboutBoxes;
        Box.FormShow();
        Shown = Box;
        return true;
    }
};

constexpr const char* IePath = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
constexpr const char* NnPath = "C:\\Netscape\\Program\\Netscape.exe";

struct ExternalFixture : MainFormFixture {
    TRecordingDde Dde;
    TRecordingExternalHost External;
    std::unique_ptr<TExternalCommands> Commands;

    TExternalCommands& Start(const std::vector<std::string>& Params = {}) {
        Create(Params);
        Commands = std::make_unique<TExternalCommands>(
            TExternalServices{*Form, Host, External, Editor, Messages, Files, Desktop, Shell, Dde});
        Form->ApplySettings();
        return *Commands;
    }
    void Browsers(int Menu, int Save) {
        Ini.WriteString("Browser", "Menu", std::to_string(Menu));
        Ini.WriteString("Browser", "Save", std::to_string(Save));
        Ini.WriteString("Browser", "IePath", IePath);
        Ini.WriteString("Browser", "NnPath", NnPath);
        Files.SetFile(IePath, "MZ");
        Files.SetFile(NnPath, "MZ");
    }
    void Tool(const std::string& File, const std::string& Param, int Save) {
        TToolItem T;
        T.Title = "Tool";
        T.File = File;
        T.Param = Param;
        T.TmpDir = "C:\\work";
        T.Save = Save;
        WriteToolList(Ini, {T});
    }
    // A named document with unsaved changes.
    void ModifiedDocument(const std::string& Name) {
        Files.SetFile(Name, "old");
        Form->OpenFile(Name);
        Type("new ");
    }
};

} // namespace

// ---------------------------------------------------------------------------------------
// The save rule

TEST_F(ExternalFixture, SaveBeforeExternalFollowsItsModeAndTheDocumentsState) {
    Start();
    // Mode 2 never saves, even untitled and modified.
    Type("x");
    EXPECT_TRUE(Commands->SaveBeforeExternal(sbNoSave));
    EXPECT_TRUE(Host.SaveRequests.empty());

    // Mode 0: an untitled document goes through Save As and its answer is the result.
    Host.SaveAnswers = {""};
    EXPECT_FALSE(Commands->SaveBeforeExternal(sbSave));
    Host.SaveAnswers = {"C:\\doc\\new.txt"};
    EXPECT_TRUE(Commands->SaveBeforeExternal(sbSave));
    EXPECT_EQ("x", Files.Bytes("C:\\doc\\new.txt"));
    EXPECT_TRUE(Messages.Messages.empty());

    // Mode 1: nothing to ask for a saved named document.
    EXPECT_TRUE(Commands->SaveBeforeExternal(sbAsk));
    EXPECT_TRUE(Messages.Messages.empty());
    // A modified one is asked about; Cancel keeps the file as it was.
    Type("y");
    Messages.Answer = TMessageResult::mrCancel;
    EXPECT_FALSE(Commands->SaveBeforeExternal(sbAsk));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("編集中のファイルを上書き保存します。", Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageButtons::mbOkCancel, Messages.Messages[0].Buttons);
    EXPECT_EQ(TMessageIcon::miInformation, Messages.Messages[0].Icon);
    EXPECT_EQ("x", Files.Bytes("C:\\doc\\new.txt"));
    // OK saves it under its name without a dialog.
    Messages.Answer = TMessageResult::mrOk;
    EXPECT_TRUE(Commands->SaveBeforeExternal(sbAsk));
    EXPECT_EQ("xy", Files.Bytes("C:\\doc\\new.txt"));
    EXPECT_EQ(2u, Host.SaveRequests.size());
}

TEST_F(ExternalFixture, AskingModeAsksEvenForAnUntitledUnchangedDocument) {
    Start();
    Messages.Answer = TMessageResult::mrOk;
    Host.SaveAnswers = {"C:\\doc\\empty.txt"};
    EXPECT_TRUE(Commands->SaveBeforeExternal(sbAsk));
    EXPECT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("C:\\doc\\empty.txt", Form->CurrentFileName());
}

TEST_F(ExternalFixture, AFailedSaveStopsTheCommand) {
    Start();
    ModifiedDocument("C:\\doc\\a.txt");
    Files.ReadOnlyFiles.insert("C:\\doc\\a.txt"); // the save fails
    Tool("C:\\bin\\tool.exe", "%f", sbSave);
    Commands->RunTool(0);
    EXPECT_TRUE(Shell.Runs.empty()) << "the tool got a file without the edits";
}

// ---------------------------------------------------------------------------------------
// Tools

TEST_F(ExternalFixture, ToolPlaceholdersBecomeThePathAndFolderOfTheSavedFile) {
    Start();
    ModifiedDocument("C:\\doc\\a.txt");
    Tool("C:\\bin\\tool.exe", "%f %d -x %f", sbSave);
    Commands->RunTool(0);
    EXPECT_EQ("new old", Files.Bytes("C:\\doc\\a.txt"));
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("open", Shell.Runs[0].Verb);
    EXPECT_EQ("C:\\bin\\tool.exe", Shell.Runs[0].File);
    EXPECT_EQ("C:\\doc\\a.txt C:\\doc -x C:\\doc\\a.txt", Shell.Runs[0].Parameters);
    EXPECT_EQ("C:\\work", Shell.Runs[0].Directory);
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(ExternalFixture, ShortFormsHaveNoBlanksAndARootFolderKeepsItsBackslash) {
    Start();
    Files.SetFile("C:\\My Documents\\long name.txt", "t");
    Form->OpenFile("C:\\My Documents\\long name.txt");
    Shell.ShortNames["C:\\My Documents\\long name.txt"] = "C:\\MYDOCU~1\\LONGNA~1.TXT";
    Shell.ShortNames["C:\\My Documents"] = "C:\\MYDOCU~1";
    Tool("tool.exe", "%F|%D|%d", sbSave);
    Commands->RunTool(0);
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("C:\\MYDOCU~1\\LONGNA~1.TXT|C:\\MYDOCU~1|C:\\My Documents", Shell.Runs[0].Parameters);

    // No short form: the long one stands in.  A file at a drive's root: "C:\".
    Files.SetFile("C:\\root.txt", "r");
    Form->OpenFile("C:\\root.txt");
    Tool("tool.exe", "[%d] [%D] [%F]", sbSave);
    Commands->RunTool(0);
    ASSERT_EQ(2u, Shell.Runs.size());
    EXPECT_EQ("[C:\\] [C:\\] [C:\\root.txt]", Shell.Runs[1].Parameters);
}

TEST(ToolParameters, ValuesAreNotSearchedForPlaceholdersAgain) {
    TToolPlaceholders V{"C:\\100%done\\%F.txt", "C:\\100DON~1\\F~1.TXT", "C:\\100%done", "C:\\100DON~1"};
    EXPECT_EQ("C:\\100%done\\%F.txt C:\\100DON~1", ExpandToolParameters("%f %D", V));
    // Other "%" sequences and a final "%" stay as they are.
    EXPECT_EQ("%x 50% %", ExpandToolParameters("%x 50% %", V));
    EXPECT_EQ("", ExpandToolParameters("", V));
}

TEST_F(ExternalFixture, AToolWithoutPlaceholdersRunsWithoutSaving) {
    Start();
    Type("unsaved");
    Tool("C:\\bin\\tool.exe", "-v", sbSave);
    Commands->RunTool(0);
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("-v", Shell.Runs[0].Parameters);
    EXPECT_TRUE(Host.SaveRequests.empty());
    EXPECT_TRUE(Editor.Modified());
    EXPECT_TRUE(Form->CurrentFileName().empty());
}

TEST_F(ExternalFixture, AnUntitledDocumentStopsAToolThatNeedsItsName) {
    Start();
    Type("x");
    // Not saving leaves it without a name: a beep, nothing runs.
    Tool("tool.exe", "%d", sbNoSave);
    Commands->RunTool(0);
    EXPECT_EQ(1, Host.Beeps);
    // Cancelling Save As stops it without a beep.
    Tool("tool.exe", "%f", sbSave);
    Host.SaveAnswers = {""};
    Commands->RunTool(0);
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_EQ(1u, Host.SaveRequests.size());
    EXPECT_TRUE(Shell.Runs.empty());
}

TEST_F(ExternalFixture, AToolThatCannotStartShowsTheShellsResult) {
    Start();
    Tool("C:\\missing.exe", "", sbSave);
    Shell.Result = 2;
    Commands->RunTool(0);
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("ツールの起動に失敗しました。(2)", Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
}

TEST_F(ExternalFixture, ToolItemsOfTheMenuRunTheirOwnTool) {
    TToolItem A, Sep, B;
    A.Title = "A";
    A.File = "a.exe";
    Sep.Title = "-";
    B.Title = "B";
    B.File = "b.exe";
    B.Key = "F9";
    WriteToolList(Ini, {A, Sep, B});
    Start();
    Host.Beeps = 0;
    ASSERT_TRUE(Form->ShortCut(TShortCut(0x78 /* F9 */, 0)));
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("b.exe", Shell.Runs[0].File);
    EXPECT_EQ(0, Host.Beeps);
}

// ---------------------------------------------------------------------------------------
// Browser menu and buttons

TEST_F(ExternalFixture, BrowserItemsFollowTheMenuSettingAndTheMode) {
    struct TCase {
        int Menu;
        bool Html;
        bool Items, Buttons;
    };
    const TCase Cases[] = {
        {0, false, false, false}, {0, true, true, true},  {1, false, true, true},
        {1, true, true, true},    {2, false, false, false}, {2, true, false, false},
    };
    for (const TCase& C : Cases) {
        Browsers(C.Menu, 0);
        Start();
        Form->ChangeEditMode(C.Html ? 1 : 0);
        SCOPED_TRACE("Menu=" + std::to_string(C.Menu) + (C.Html ? " HTML" : " text"));
        for (const char* Name : {"Menu_IE", "Menu_NN", "Menu_BwBar"})
            EXPECT_EQ(C.Items, Item(Name).Visible) << Name;
        EXPECT_EQ(C.Items, Item("Menu_IE").Enabled);
        EXPECT_EQ(C.Items, Item("Menu_NN").Enabled);
        for (const char* Name : {"tbIE", "tbNN", "tbBwSp"}) EXPECT_EQ(C.Buttons, External.Visible[Name]) << Name;
        EXPECT_EQ(C.Buttons ? 8 : 0, External.Widths["tbBwSp"]);
    }
}

TEST_F(ExternalFixture, AnEmptyPathOrHtmlFilterDisablesOrHidesTheItems) {
    Browsers(1, 0);
    Ini.WriteString("Browser", "NnPath", "");
    Start();
    EXPECT_TRUE(Item("Menu_IE").Enabled);
    EXPECT_FALSE(Item("Menu_NN").Enabled);
    EXPECT_TRUE(Item("Menu_NN").Visible);
    // F12 on the disabled item only beeps.
    Host.Beeps = 0;
    EXPECT_TRUE(Form->ShortCut(TShortCut(0x7B /* F12 */, 0)));
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_TRUE(Dde.Calls.empty());
    EXPECT_TRUE(Shell.Runs.empty());

    // Menu 0 in the HTML mode without HTML files: the items hide, the buttons stay.
    Browsers(0, 0);
    Ini.WriteString("Option", "HtmlDocFilter", "");
    Start();
    Form->ChangeEditMode(1);
    EXPECT_FALSE(Item("Menu_IE").Visible);
    EXPECT_TRUE(External.Visible["tbIE"]);
}

TEST_F(ExternalFixture, TheSettingsChangingInAnotherWindowRedecideTheItems) {
    Browsers(2, 0);
    Start();
    EXPECT_FALSE(Item("Menu_IE").Visible);
    Ini.WriteString("Browser", "Menu", "1");
    Form->SettingsChanged();
    EXPECT_TRUE(Item("Menu_IE").Visible);
    EXPECT_TRUE(Item("Menu_IE").Enabled);
}

// ---------------------------------------------------------------------------------------
// Browsers

TEST_F(ExternalFixture, ARunningInternetExplorerGetsTheFileOverDde) {
    Browsers(1, 2);
    Start();
    Files.SetFile("C:\\web\\a b.html", "<p>");
    Form->OpenFile("C:\\web\\a b.html");
    const TWindowHandle Hidden = Desktop.AddWindow("IEFrame", "hidden");
    Desktop.Window(Hidden).Visible = false;
    const TWindowHandle Disabled = Desktop.AddWindow("IEFrame", "disabled");
    Desktop.Window(Disabled).Enabled = false;
    const TWindowHandle IE = Desktop.AddWindow("IEFrame", "page - Microsoft Internet Explorer");
    Desktop.Window(IE).Maximized = true;
    Form->ShortCut(TShortCut(0x7A /* F11 */, 0));

    const auto Shows = Desktop.CallsOf(TFakeDesktop::ckShow);
    ASSERT_EQ(1u, Shows.size());
    EXPECT_EQ(IE, Shows[0].Window);
    EXPECT_TRUE(Shows[0].Flag) << "a maximised browser stays maximised";
    EXPECT_EQ(IE, Desktop.Foreground);
    ASSERT_EQ(5u, Dde.Calls.size());
    EXPECT_EQ("Iexplore", Dde.Calls[0].Service);
    EXPECT_EQ("WWW_OpenURL", Dde.Calls[0].Topic);
    EXPECT_EQ("\"c:\\program files\\internet explorer\\iexplore\" -nohome", Dde.Calls[0].Text);
    EXPECT_EQ((std::vector<std::string>{"WWW_OpenURL \"file:C:\\web\\a b.html\",,-1,,,,,",
                                        "WWW_Activate 0xFFFFFFFF,0x0"}),
              Dde.Requests());
    EXPECT_EQ("close", Dde.Calls.back().Kind);
    EXPECT_TRUE(Shell.Runs.empty());
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(ExternalFixture, NetscapeIsFoundByItsTitleButNotByItsOtherWindows) {
    Browsers(1, 2);
    Start();
    Files.SetFile("C:\\web\\a.html", "<p>");
    Form->OpenFile("C:\\web\\a.html");
    for (const char* Title : {"受信箱 - Netscape フォルダ", "Netscape ニュースグループ", "Netscape Composer"})
        Desktop.AddWindow("MozillaWindowClass", Title);
    const TWindowHandle NN = Desktop.AddWindow("MozillaWindowClass", "Netscape - [a.html]");
    Form->ShortCut(TShortCut(0x7B /* F12 */, 0));
    ASSERT_EQ(1u, Desktop.CallsOf(TFakeDesktop::ckShow).size());
    EXPECT_EQ(NN, Desktop.CallsOf(TFakeDesktop::ckShow)[0].Window);
    EXPECT_FALSE(Desktop.CallsOf(TFakeDesktop::ckShow)[0].Flag);
    ASSERT_FALSE(Dde.Calls.empty());
    EXPECT_EQ("Netscape", Dde.Calls[0].Service);
    EXPECT_EQ("\"c:\\netscape\\program\\netscape\" \"file:///C:\\web\\a.html", Dde.Calls[0].Text);
    EXPECT_EQ((std::vector<std::string>{"WWW_OpenURL \"file:///C:\\web\\a.html\",,0xFFFFFFFF,0x3,,,",
                                        "WWW_Activate 0xFFFFFFFF,0x0"}),
              Dde.Requests());
}

TEST_F(ExternalFixture, ATitleWithNetscapeInsideAKanjiIsNoBrowser) {
    Browsers(1, 2);
    Start();
    Files.SetFile("C:\\web\\a.html", "<p>");
    Form->OpenFile("C:\\web\\a.html");
    // 0x82 0x4E is "Ｎ"'s neighbour: its trail byte is "N", then "etscape".
    Desktop.AddWindow("Other", std::string("\x82") + "Netscape");
    Form->ShortCut(TShortCut(0x7B /* F12 */, 0));
    EXPECT_TRUE(Dde.Calls.empty());
    ASSERT_EQ(1u, Shell.Runs.size());
}

TEST_F(ExternalFixture, WithoutABrowserWindowTheBrowserStartsOnTheFile) {
    Browsers(1, 0);
    Start();
    ModifiedDocument("C:\\web site\\a.html");
    Form->ShortCut(TShortCut(0x7A /* F11 */, 0));
    EXPECT_EQ("new old", Files.Bytes("C:\\web site\\a.html"));
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("open", Shell.Runs[0].Verb);
    EXPECT_EQ(IePath, Shell.Runs[0].File);
    EXPECT_EQ("\"C:\\web site\\a.html\"", Shell.Runs[0].Parameters);
    EXPECT_EQ("C:\\web site", Shell.Runs[0].Directory);
    EXPECT_TRUE(Dde.Calls.empty());

    Shell.Result = 5;
    Form->ShortCut(TShortCut(0x7A /* F11 */, 0));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("Internet Explorer の起動に失敗しました。パスの設定を確認して下さい。", Messages.Messages[0].Text);
}

TEST_F(ExternalFixture, AMissingBrowserOrAnAbandonedSaveOpensNothing) {
    Browsers(1, 0);
    Start();
    Files.Delete(NnPath);
    Files.SetFile("C:\\web\\a.html", "<p>");
    Form->OpenFile("C:\\web\\a.html");
    Form->ShortCut(TShortCut(0x7B /* F12 */, 0));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("Netscape Navigator の起動に失敗しました。パスの設定を確認して下さい。", Messages.Messages[0].Text);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
}

TEST_F(ExternalFixture, CancellingTheSaveOfAnUntitledDocumentOpensNothing) {
    Browsers(1, 0);
    Start();
    Type("x");
    Host.SaveAnswers = {""};
    Desktop.AddWindow("IEFrame", "IE");
    Form->ShortCut(TShortCut(0x7A /* F11 */, 0));
    EXPECT_EQ(1u, Host.SaveRequests.size());
    EXPECT_TRUE(Dde.Calls.empty());
    EXPECT_TRUE(Shell.Runs.empty());
}

TEST_F(ExternalFixture, AnUntitledDocumentIsShownUnderTheNameItWasSavedAs) {
    Browsers(1, 0);
    Start();
    Type("<p>");
    Host.SaveAnswers = {"C:\\web\\new.html"};
    Commands->OpenInInternetExplorer(Form->CurrentFileName());
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("C:\\web\\new.html", Shell.Runs[0].Parameters);
}

TEST_F(ExternalFixture, ABrowserThatDoesNotAnswerOverDdeIsReported) {
    Browsers(1, 2);
    Start();
    Files.SetFile("C:\\web\\a.html", "<p>");
    Form->OpenFile("C:\\web\\a.html");
    Desktop.AddWindow("IEFrame", "IE");
    Dde.Answers = false;
    Form->ShortCut(TShortCut(0x7A /* F11 */, 0));
    EXPECT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("close", Dde.Calls.back().Kind);
}

// ---------------------------------------------------------------------------------------
// About box

TEST_F(ExternalFixture, TheAboutBoxShowsNameVersionAndLinks) {
    Start();
    Choose("About1");
    ASSERT_EQ(1, External.AboutBoxes);
    EXPECT_EQ("Zefnote", External.Shown.AppName);
    EXPECT_EQ("Version 0.50", External.Shown.VerNo);
    EXPECT_EQ("バージョン情報", External.Shown.Caption);
    EXPECT_EQ(0u, External.Shown.URLLabel2.find("mailto:"));
    EXPECT_EQ(0u, External.Shown.URLLabel1.find("http"));
}

TEST(AboutBox, SitsInsideTheEditorAndInsideTheWorkArea) {
    const TWindowRect Work{0, 0, 1024, 738};
    const TWindowRect Inside = TAboutBox::Placement(100, 50, 300, 200, Work);
    EXPECT_EQ(124, Inside.Left);
    EXPECT_EQ(74, Inside.Top);
    EXPECT_EQ(424, Inside.Right);
    const TWindowRect Corner = TAboutBox::Placement(900, 700, 300, 200, Work);
    EXPECT_EQ(724, Corner.Left);
    EXPECT_EQ(538, Corner.Top);
    EXPECT_EQ(1024, Corner.Right);
    EXPECT_EQ(738, Corner.Bottom);
}
