// Handing the document to other programs, with stand-ins of our own beside Zefnote.exe:
// a browser that serves DDE as Internet Explorer or Netscape Navigator, and a tool that
// notes its command line and working folder.  Both write what they were asked into a log
// file named by ZEF_STANDIN_LOG, which Zefnote.exe and the programs it starts inherit
// from this test.
#include "wine/e2e_support.h"
#include "wine/screenshot_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string BinFile(const char* Name) {
    const std::string& Exe = e2e::TestPaths().zefnote;
    return Exe.substr(0, Exe.rfind('\\') + 1) + Name;
}

std::vector<std::string> Split(const std::string& Text, char Separator) {
    std::vector<std::string> Parts;
    std::stringstream In(Text);
    for (std::string Part; std::getline(In, Part, Separator);) Parts.push_back(Part);
    return Parts;
}

// A started stand-in browser, closed at the end.
class StandInBrowser {
public:
    explicit StandInBrowser(const char* WindowClass) : class_(WindowClass) {}
    ~StandInBrowser() { CloseAll(); }
    bool Start() {
        if (!e2e::StartProgram("\"" + BinFile("BrowserStandIn.exe") + "\"")) return false;
        return e2e::WaitFor([&] { return Window() != nullptr; }, 20000);
    }
    HWND Window() const {
        HWND W = FindWindowA(class_, nullptr);
        return W && IsWindowVisible(W) ? W : nullptr;
    }
    // Closes every stand-in window of the class, also one that Zefnote started.
    void CloseAll() {
        for (HWND W; (W = FindWindowA(class_, nullptr)) != nullptr;) {
            DWORD Id = 0;
            GetWindowThreadProcessId(W, &Id);
            PostMessageA(W, WM_CLOSE, 0, 0);
            if (!e2e::WaitFor([&] { return !IsWindow(W); }, 10000)) {
                if (HANDLE P = OpenProcess(PROCESS_TERMINATE, FALSE, Id)) {
                    TerminateProcess(P, 1);
                    CloseHandle(P);
                }
                break;
            }
        }
    }

private:
    const char* class_;
};

// The default value of a key of the machine's classes set for as long as the object
// lives, then put back as it was.
class ClassesValue {
public:
    ClassesValue(const std::string& Key, const std::string& Value) : key_("Software\\Classes\\" + Key) {
        HKEY K;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, KEY_READ, &K) == ERROR_SUCCESS) {
            char Old[1024] = "";
            DWORD Size = sizeof Old;
            if (RegQueryValueExA(K, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(Old), &Size) == ERROR_SUCCESS)
                old_ = Old, had_ = true;
            RegCloseKey(K);
        }
        Set(Value);
    }
    ~ClassesValue() {
        if (had_) Set(old_);
        else RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_.c_str());
    }
    ClassesValue(const ClassesValue&) = delete;
    ClassesValue& operator=(const ClassesValue&) = delete;

private:
    void Set(const std::string& Value) {
        HKEY K;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &K, nullptr) !=
            ERROR_SUCCESS)
            return;
        RegSetValueExA(K, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                       static_cast<DWORD>(Value.size() + 1));
        RegCloseKey(K);
    }
    std::string key_, old_;
    bool had_ = false;
};

// The shell's handler of a URL scheme or a file class pointed at the tool stand-in.
class SchemeHandler {
public:
    explicit SchemeHandler(const std::string& Scheme)
        : command_(Scheme + "\\shell\\open\\command", "\"" + BinFile("ToolStandIn.exe") + "\" \"%1\"") {}

private:
    ClassesValue command_;
};

class External : public e2e::Screenshot {
protected:
    void SetUp() override {
        log_ = e2e::TestPaths().artifacts + "\\external-log.txt";
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("ZEF_STANDIN_LOG", log_.c_str());
        SetEnvironmentVariableA("ZEF_STANDIN_BROWSER", nullptr);
    }
    void TearDown() override {
        zefnote_.reset();
        SetEnvironmentVariableA("ZEF_STANDIN_LOG", nullptr);
        SetEnvironmentVariableA("ZEF_STANDIN_BROWSER", nullptr);
    }
    void Open(const std::string& Ini, const std::string& File) {
        settings_.reset(new e2e::SettingsFile(Ini));
        zefnote_.reset(new e2e::ZefnoteProcess(File.empty() ? "" : "\"" + File + "\""));
        ASSERT_TRUE(zefnote_->Started());
        main_ = zefnote_->WaitForMainWindow("TZefnoteMainForm", 30000);
        ASSERT_NE(nullptr, main_);
        editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
        ASSERT_NE(nullptr, editor_);
        ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    }
    // The log's records, each split at its tabs; waits until it holds Count of them.
    std::vector<std::vector<std::string>> Records(std::size_t Count) {
        std::vector<std::vector<std::string>> R;
        e2e::WaitFor(
            [&] {
                R.clear();
                for (const std::string& Line : Split(e2e::ReadFileBytes(log_), '\n'))
                    if (!Line.empty()) R.push_back(Split(Line, '\t'));
                return R.size() >= Count;
            },
            20000);
        return R;
    }
    static bool EndsWith(const std::string& Text, const std::string& End) {
        return Text.size() >= End.size() && Text.compare(Text.size() - End.size(), End.size(), End) == 0;
    }
    // Presses Key and expects the running stand-in browser (its start the first record)
    // to have been asked to open OpenUrlItem and then to come forward.
    void ExpectDdeRequests(WORD Key, const std::string& OpenUrlItem) {
        e2e::Press(Key);
        auto R = Records(3);
        ASSERT_EQ(3u, R.size()) << e2e::ReadFileBytes(log_);
        EXPECT_EQ("start", R[0][0]);
        EXPECT_EQ((std::vector<std::string>{"request", "WWW_OpenURL", OpenUrlItem}), R[1]);
        EXPECT_EQ((std::vector<std::string>{"request", "WWW_Activate", "0xFFFFFFFF,0x0"}), R[2]);
    }
    static std::string Folder(const std::string& Path) { return Path.substr(0, Path.rfind('\\')); }

    std::string log_;
    std::unique_ptr<e2e::SettingsFile> settings_;
};

TEST_F(External, F11GivesARunningInternetExplorerTheFileOverDde) {
    const std::string Page = e2e::WriteArtifact("preview.html", "<p>preview</p>\r\n");
    StandInBrowser Browser("IEFrame");
    ASSERT_TRUE(Browser.Start());
    Open("[Browser]\r\nMenu=0\r\nSave=0\r\nIePath=" + BinFile("BrowserStandIn.exe") + "\r\n", Page);
    ExpectDdeRequests(VK_F11, "\"file:" + Page + "\",,-1,,,,,");
    EXPECT_EQ(Browser.Window(), GetForegroundWindow());
    // The browser buttons after their spacer at the end of the tool bar.
    SetForegroundWindow(main_);
    EXPECT_TRUE(Take("browser-buttons"));
}

TEST_F(External, F12GivesARunningNetscapeTheFileOverDde) {
    SetEnvironmentVariableA("ZEF_STANDIN_BROWSER", "netscape");
    const std::string Page = e2e::WriteArtifact("preview-nn.html", "<p>preview</p>\r\n");
    StandInBrowser Browser("StandInNavigator");
    ASSERT_TRUE(Browser.Start());
    Open("[Browser]\r\nMenu=1\r\nSave=2\r\nNnPath=" + BinFile("BrowserStandIn.exe") + "\r\n", Page);
    ExpectDdeRequests(VK_F12, "\"file:///" + Page + "\",,0xFFFFFFFF,0x3,,,");
}

TEST_F(External, TheHelpCommandOpensTheLocalPage) {
    ClassesValue Extension(".html", "htmlfile");
    SchemeHandler Html("htmlfile");
    Open(e2e::CellSettings, "");
    e2e::Press('H', {VK_MENU});
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) != nullptr; }, 5000));
    e2e::Press('H');
    auto R = Records(1);
    ASSERT_EQ(1u, R.size()) << e2e::ReadFileBytes(log_);
    EXPECT_NE(std::string::npos, R[0][2].find(BinFile("help\\index.html"))) << R[0][2];
}

TEST_F(External, WithoutABrowserWindowTheBrowserStartsOnTheSavedFile) {
    StandInBrowser Browser("IEFrame");
    const std::string Page = e2e::WriteArtifact("started.html", "<p>old</p>\r\n");
    Open("[Browser]\r\nMenu=1\r\nSave=0\r\nIePath=" + BinFile("BrowserStandIn.exe") + "\r\n", Page);
    e2e::Type("new ");
    e2e::Press(VK_F11);
    auto R = Records(1);
    ASSERT_EQ(1u, R.size()) << e2e::ReadFileBytes(log_);
    ASSERT_EQ(3u, R[0].size());
    EXPECT_EQ("start", R[0][0]);
    EXPECT_EQ(Folder(Page), R[0][1]) << "the file's folder is the working folder";
    EXPECT_TRUE(EndsWith(R[0][2], " " + Page)) << R[0][2];
    EXPECT_EQ("new <p>old</p>\r\n", e2e::ReadFileBytes(Page)) << "saved before it was shown";
    EXPECT_TRUE(e2e::WaitFor([&] { return Browser.Window() != nullptr; }, 10000));
}

// The tool list with one tool on F9.
std::string ToolSettings(const std::string& Exe, const std::string& Param, const std::string& Folder) {
    return "[Tools]\r\nItemCount=1\r\nTitle0=Stand-in\r\nFile0=" + Exe + "\r\nParam0=%" + Param +
           "%\r\nTmpDir0=" + Folder + "\r\nSave0=0\r\nKey0=F9\r\n";
}

TEST_F(External, AToolGetsTheSavedFilesPathAndFolder) {
    const std::string Text = e2e::WriteArtifact("tool-input.txt", "abc\r\n");
    const std::string Work = e2e::TestPaths().artifacts;
    Open(ToolSettings(BinFile("ToolStandIn.exe"), "%f %d", Work), Text);
    e2e::Type("x");
    e2e::Press(VK_F9);
    auto R = Records(1);
    ASSERT_EQ(1u, R.size()) << e2e::ReadFileBytes(log_);
    ASSERT_EQ(3u, R[0].size());
    EXPECT_EQ("tool", R[0][0]);
    EXPECT_EQ(Work, R[0][1]);
    EXPECT_TRUE(EndsWith(R[0][2], " " + Text + " " + Folder(Text))) << R[0][2];
    EXPECT_EQ("xabc\r\n", e2e::ReadFileBytes(Text));
}

TEST_F(External, AToolWithoutPlaceholdersStartsForAnUntitledChangedDocument) {
    Open(ToolSettings(BinFile("ToolStandIn.exe"), "-plain", e2e::TestPaths().artifacts), "");
    e2e::Type("x");
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(main_).find('*') != std::string::npos; }, 5000));
    e2e::Press(VK_F9);
    auto R = Records(1);
    ASSERT_EQ(1u, R.size()) << e2e::ReadFileBytes(log_);
    EXPECT_TRUE(EndsWith(R[0][2], " -plain")) << R[0][2];
    EXPECT_EQ(nullptr, e2e::FindDialog(zefnote_->Id())) << "no save dialog";
    EXPECT_EQ("無題 * - Zefnote", e2e::WindowText(main_));
}

TEST_F(External, AMissingToolShowsTheShellsResult) {
    Open(ToolSettings(e2e::TestPaths().artifacts + "\\no-such-tool.exe", "", ""), "");
    e2e::Press(VK_F9);
    HWND Box = e2e::WaitForDialog(zefnote_->Id(), 10000);
    ASSERT_NE(nullptr, Box);
    EXPECT_EQ("Zefnote", e2e::WindowText(Box));
    EXPECT_NE(std::string::npos, e2e::StaticTexts(Box).find("ツールの起動に失敗しました。(2)"))
        << e2e::StaticTexts(Box);
    PostMessageA(Box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::FindDialog(zefnote_->Id()) == nullptr; }, 5000));
}

TEST_F(External, TheAboutBoxShowsNameAndVersionAndItsLinksStartTheShellsHandler) {
    SchemeHandler Web("https"), Mail("mailto");
    Open(e2e::CellSettings, "");
    e2e::Press('H', {VK_MENU});
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) != nullptr; }, 5000));
    e2e::Press('A');
    HWND Box = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (Box = e2e::FindDialog(zefnote_->Id(), "バージョン情報")) != nullptr; },
                             10000));
    const std::string Texts = e2e::StaticTexts(Box);
    EXPECT_NE(std::string::npos, Texts.find("Zefnote")) << Texts;
    EXPECT_NE(std::string::npos, Texts.find("Version 0.50")) << Texts;
    // Inside the editor's top-left corner.
    RECT B, E;
    GetWindowRect(Box, &B);
    GetWindowRect(editor_, &E);
    EXPECT_EQ(E.left + 24, B.left);
    EXPECT_EQ(E.top + 24, B.top);
    ASSERT_TRUE(Take("about-box"));

    // The two links: the home page, then the mail address.
    std::vector<HWND> Links;
    for (HWND C = FindWindowExA(Box, nullptr, "Static", nullptr); C; C = FindWindowExA(Box, C, "Static", nullptr)) {
        const std::string T = e2e::WindowText(C);
        if (T.rfind("https://", 0) == 0 || T.rfind("mailto:", 0) == 0) Links.push_back(C);
    }
    ASSERT_EQ(2u, Links.size());
    for (HWND Link : Links) {
        e2e::MouseTo(Link, 4, 4);
        e2e::LeftDown();
        e2e::LeftUp();
    }
    std::string Log;
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            Log = e2e::ReadFileBytes(log_);
            return Log.find(e2e::WindowText(Links[0])) != std::string::npos &&
                   Log.find(e2e::WindowText(Links[1])) != std::string::npos;
        },
        20000))
        << Log;
    PostMessageA(Box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::FindDialog(zefnote_->Id()) == nullptr; }, 5000));
}

} // namespace
