// The options dialog of Zefnote.exe as the user meets it: opened from the View and Tools
// menus, its pages photographed, a colour, a check box and the tab width changed and
// confirmed (the settings file and another process follow), "反映のみ(&A)" changing only
// this window, and a tool added on the tool page that then stands in the Tools menu.
#include "wine/e2e_support.h"
#include "wine/screenshot_support.h"

#include "app/options/option_form.h"
#include "app/options/win32/option_dialog_ids.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

const char MainClass[] = "TZefnoteMainForm";
const char TabText[] = "\tx\r\n"; // the x stands at the tab width's column

HWND Control(HWND Dialog, const char* Name) { return GetDlgItem(Dialog, OptionFirstId + OptionControlIndex(Name)); }

// Opens the dialog through the View menu, or the Tools menu's tool settings.
HWND OpenOptions(HWND Main, HWND Editor, DWORD Pid, bool FromTools) {
    if (!e2e::Activate(Main, Editor, 10000)) return nullptr;
    e2e::Press(FromTools ? 'T' : 'V', {VK_MENU});
    e2e::Press(FromTools ? 'T' : 'O');
    HWND Dialog = nullptr;
    e2e::WaitFor([&] { return (Dialog = e2e::FindDialog(Pid, "オプション")) != nullptr; }, 10000);
    return Dialog;
}

void ShowPage(HWND Dialog, int Page) {
    SendMessageA(GetDlgItem(Dialog, OptionTabId), TCM_SETCURFOCUS, static_cast<WPARAM>(Page), 0);
    RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Choose(HWND Dialog, const char* Name, int Index) {
    HWND Box = Control(Dialog, Name);
    SendMessageA(Box, CB_SETCURSEL, static_cast<WPARAM>(Index), 0);
    SendMessageA(Dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(Box));
}

// Another dialog of the process than Except, with Caption when not empty.
struct DialogSearch {
    DWORD Pid;
    HWND Except;
    HWND Found;
};
BOOL CALLBACK MatchOther(HWND Window, LPARAM L) {
    auto& S = *reinterpret_cast<DialogSearch*>(L);
    DWORD Pid = 0;
    GetWindowThreadProcessId(Window, &Pid);
    char Class[16] = "";
    GetClassNameA(Window, Class, sizeof Class);
    if (Pid != S.Pid || Window == S.Except || !IsWindowVisible(Window) || std::string(Class) != "#32770") return TRUE;
    S.Found = Window;
    return FALSE;
}
HWND WaitForOtherDialog(DWORD Pid, HWND Except) {
    DialogSearch S{Pid, Except, nullptr};
    e2e::WaitFor([&] {
        EnumWindows(MatchOther, reinterpret_cast<LPARAM>(&S));
        return S.Found != nullptr;
    }, 10000);
    return S.Found;
}

bool Closes(HWND Dialog) {
    return e2e::WaitFor([&] { return !IsWindow(Dialog); }, 10000);
}

class OptionsDialog : public e2e::Screenshot {
protected:
    // Pixels of colour C in the cell of row 0, column Col.
    int InCell(int Col, COLORREF C) { return Count(0, Col, 1, C); }
    // Screenshots until Test holds (the other process repaints when it has read the file).
    bool ShotUntil(const std::string& Name, const std::function<bool()>& Test) {
        for (int I = 0; I < 10; ++I) {
            if (!Take(Name)) return false;
            if (Test()) return true;
            Sleep(300);
        }
        return false;
    }
};

struct Other {
    std::unique_ptr<e2e::ZefnoteProcess> Process;
    HWND Main = nullptr, Editor = nullptr;
    void Start(const std::string& Arguments) {
        Process.reset(new e2e::ZefnoteProcess(Arguments));
        ASSERT_TRUE(Process->Started());
        Main = Process->WaitForMainWindow(MainClass, 30000);
        ASSERT_NE(nullptr, Main);
        Editor = FindWindowExA(Main, nullptr, "TEditor", nullptr);
        ASSERT_NE(nullptr, Editor);
    }
};

std::string Quoted(const std::string& Path) { return "\"" + Path + "\""; }

} // namespace

// Every page is photographed; then the text colour (through the colour chooser), the
// caret-row underline and the tab width change, OK writes them and the other process,
// which shows the photographed editor, repaints with them.
TEST_F(OptionsDialog, OkWritesTheFileAndTheOtherProcessRepaints) {
    e2e::SettingsFile Settings(e2e::CellSettings);
    Start(Quoted(e2e::WriteArtifact("options-watch.txt", TabText)), TabText);
    ASSERT_TRUE(Take("options-before"));
    ASSERT_GT(InCell(8, RGB(0, 0, 0)), 0) << "x is not at column 8 with the default tab width";

    Other Editing;
    Editing.Start(Quoted(e2e::WriteArtifact("options-edit.txt", TabText)));
    HWND Dialog = OpenOptions(Editing.Main, Editing.Editor, Editing.Process->Id(), false);
    ASSERT_NE(nullptr, Dialog) << "View > Options opened no dialog";
    EXPECT_EQ(0, SendMessageA(GetDlgItem(Dialog, OptionTabId), TCM_GETCURSEL, 0, 0));
    for (int Page = 0; Page < OptionPageCount; ++Page) {
        ShowPage(Dialog, Page);
        if (Page == 2) EXPECT_TRUE(IsWindowVisible(Control(Dialog, "ColorList")));
        if (Page == 4) EXPECT_TRUE(IsWindowVisible(Control(Dialog, "ToolList")));
        if (Page != 0) EXPECT_FALSE(IsWindowVisible(Control(Dialog, "TabCount")));
        ASSERT_TRUE(Take("options-page-" + std::to_string(Page)));
    }

    ShowPage(Dialog, 0);
    Choose(Dialog, "TabCount", 1); // 4 columns
    SendMessageA(Control(Dialog, "CaretUnderLine"), BM_CLICK, 0, 0);
    ShowPage(Dialog, 2); // row 0, the text colour, is selected
    PostMessageA(Control(Dialog, "ColorButton"), BM_CLICK, 0, 0);
    HWND Colors = WaitForOtherDialog(Editing.Process->Id(), Dialog);
    ASSERT_NE(nullptr, Colors) << "no colour chooser";
    ASSERT_TRUE(Take("options-color-chooser"));
    SetDlgItemTextA(Colors, 706, "255"); // red, green and blue of the chooser
    SetDlgItemTextA(Colors, 707, "0");
    SetDlgItemTextA(Colors, 708, "0");
    PostMessageA(Colors, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Closes(Colors));
    PostMessageA(Dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Closes(Dialog));

    // The file is written key by key: the kanji code section comes last.
    EXPECT_TRUE(e2e::WaitFor([&] { return Settings.Read().find("SaveCvt=") != std::string::npos; }, 10000))
        << Settings.Read();
    const std::string Ini = Settings.Read();
    EXPECT_NE(std::string::npos, Ini.find("TabCount=1")) << Ini;
    EXPECT_NE(std::string::npos, Ini.find("CaretUnderLine=1")) << Ini;
    EXPECT_NE(std::string::npos, Ini.find("\r\nFont=clRed")) << Ini;

    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    EXPECT_TRUE(ShotUntil("options-after-ok", [&] { return InCell(4, RGB(255, 0, 0)) > 0; }))
        << "the other process did not repaint x in red at column 4";
    EXPECT_EQ(0, InCell(8, RGB(0, 0, 0)));
}

// "反映のみ(&A)" changes this window at once and writes nothing: a restart shows the file's
// values again.
TEST_F(OptionsDialog, ApplyOnlyLastsUntilTheRestart) {
    e2e::SettingsFile Settings(e2e::CellSettings);
    const std::string File = Quoted(e2e::WriteArtifact("options-apply.txt", TabText));
    Start(File, TabText);
    HWND Dialog = OpenOptions(main_, editor_, zefnote_->Id(), false);
    ASSERT_NE(nullptr, Dialog);
    Choose(Dialog, "TabCount", 0); // 2 columns
    PostMessageA(Dialog, WM_COMMAND, OptionApplyId, 0);
    ASSERT_TRUE(Closes(Dialog));
    EXPECT_TRUE(ShotUntil("options-applied", [&] { return InCell(2, RGB(0, 0, 0)) > 0; }))
        << "x did not move to column 2";
    EXPECT_EQ(std::string::npos, Settings.Read().find("TabCount")) << Settings.Read();

    PostMessageA(main_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(zefnote_->WaitForExit(10000));
    Start(File, TabText);
    ASSERT_TRUE(Take("options-restarted"));
    EXPECT_GT(InCell(8, RGB(0, 0, 0)), 0) << "the restart did not bring back the tab width of the file";
    EXPECT_EQ(0, InCell(2, RGB(0, 0, 0)));
}

// The Tools menu opens the dialog on the tool page; a tool added there through the tool
// entry dialog is saved and stands in the Tools menu.
TEST_F(OptionsDialog, AToolAddedOnTheToolPageAppearsInTheToolsMenu) {
    e2e::SettingsFile Settings(e2e::CellSettings);
    Start("", "");
    HWND Dialog = OpenOptions(main_, editor_, zefnote_->Id(), true);
    ASSERT_NE(nullptr, Dialog) << "Tools > Tool settings opened no dialog";
    EXPECT_EQ(4, SendMessageA(GetDlgItem(Dialog, OptionTabId), TCM_GETCURSEL, 0, 0));

    PostMessageA(Control(Dialog, "ToolAdd"), BM_CLICK, 0, 0);
    HWND Entry = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (Entry = e2e::FindDialog(zefnote_->Id(), "ツールの編集")) != nullptr; }, 10000));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Entry, IDOK))) << "OK is enabled without a name";
    SetDlgItemTextA(Entry, ToolNameId, "メモ帳");
    SetDlgItemTextA(Entry, ToolExeId, "notepad.exe");
    SetDlgItemTextA(Entry, ToolOptionId, "%f");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Entry, IDOK)));
    ASSERT_TRUE(Take("options-tool-entry"));
    PostMessageA(Entry, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Closes(Entry));
    RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(Take("options-tool-added"));
    PostMessageA(Dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Closes(Dialog));

    EXPECT_TRUE(e2e::WaitFor([&] { return Settings.Read().find("SaveCvt=") != std::string::npos; }, 10000))
        << Settings.Read();
    EXPECT_NE(std::string::npos, Settings.Read().find("Title0=メモ帳")) << Settings.Read();
    EXPECT_NE(std::string::npos, Settings.Read().find("File0=notepad.exe")) << Settings.Read();

    // The menu's last item is the new tool: Up from the first highlighted item reaches it and
    // the status bar shows its hint.
    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    e2e::Press('T', {VK_MENU});
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) != nullptr; }, 5000));
    e2e::Press(VK_UP);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::StatusPanelText(main_, 0) == "指定のツールを起動"; }, 5000))
        << e2e::StatusPanelText(main_, 0);
    ASSERT_TRUE(Take("options-tools-menu"));
    e2e::Press(VK_ESCAPE);
    e2e::Press(VK_ESCAPE);
}
