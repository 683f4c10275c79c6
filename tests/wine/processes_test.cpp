// Zefnote.exe keeps one document per process: what one process does with the settings
// file, the file history, a file already open or dropped files, as the other processes
// and the user see it.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>
#include <string>

namespace {

const char MainClass[] = "TZefnoteMainForm";

// A started Zefnote.exe whose main window is up.
struct Running {
    std::unique_ptr<e2e::ZefnoteProcess> Process;
    HWND Main = nullptr;
    HWND Editor = nullptr;
};

void StartOn(Running& R, const std::string& Arguments) {
    R.Process.reset(new e2e::ZefnoteProcess(Arguments));
    ASSERT_TRUE(R.Process->Started());
    R.Main = R.Process->WaitForMainWindow(MainClass, 30000);
    ASSERT_NE(nullptr, R.Main);
    R.Editor = FindWindowExA(R.Main, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, R.Editor);
}

std::string Quoted(const std::string& Path) { return "\"" + Path + "\""; }

void CloseAndWait(Running& R) {
    PostMessageA(R.Main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(R.Process->WaitForExit(10000));
}

// The visible main window whose title is Title, of any process.
HWND FindMainWindow(const std::string& Title) {
    HWND W = FindWindowA(MainClass, Title.c_str());
    return W && IsWindowVisible(W) ? W : nullptr;
}

} // namespace

// Files opened in three processes, one after the other, are the File menu's history in
// a fourth, newest first: its first and its third item open them again.
TEST(Processes, TheHistoryAfterThreeFilesAndARestart) {
    e2e::SettingsFile Settings("");
    const std::string Names[] = {"history-a.txt", "history-b.txt", "history-c.txt"};
    for (const std::string& Name : Names) {
        Running R;
        StartOn(R, Quoted(e2e::WriteArtifact(Name, Name + "\r\n")));
        CloseAndWait(R);
    }
    const std::string Ini = Settings.Read();
    EXPECT_NE(std::string::npos, Ini.find("[FileHistory]")) << Ini;

    struct Pick {
        WORD Key;
        const std::string& Name;
    } Picks[] = {{'1', Names[2]}, {'3', Names[0]}};
    for (const Pick& P : Picks) {
        Running R;
        StartOn(R, "");
        ASSERT_TRUE(e2e::Activate(R.Main, R.Editor, 10000));
        e2e::Press('F', {VK_MENU});
        e2e::Press('R');
        e2e::Press(P.Key);
        const std::string Title = P.Name + " - Zefnote";
        EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(R.Main) == Title; }, 10000))
            << "history item " << static_cast<char>(P.Key) << " opened " << e2e::WindowText(R.Main);
        EXPECT_EQ(P.Name + "\r\n", e2e::EditorText(R.Editor));
        CloseAndWait(R);
    }
}

// A view toggle in one process is written to the settings file and announced: the other
// process reloads it and follows.  With Menu_NoSaveIni the toggle stays in its process.
TEST(Processes, AViewToggleReachesTheOtherProcessUnlessSettingsAreNotSaved) {
    for (bool NoSave : {false, true}) {
        SCOPED_TRACE(NoSave ? "Menu_NoSaveIni=1" : "Menu_NoSaveIni=0");
        e2e::SettingsFile Settings(NoSave ? "[Option]\r\nMenu_NoSaveIni=1\r\n" : "");
        Running First, Second;
        StartOn(First, "");
        StartOn(Second, "");
        ASSERT_TRUE(e2e::ChildVisible(First.Main, TOOLBARCLASSNAMEA));
        ASSERT_TRUE(e2e::ChildVisible(Second.Main, TOOLBARCLASSNAMEA));

        ASSERT_TRUE(e2e::Activate(First.Main, First.Editor, 10000));
        e2e::Press('V', {VK_MENU});
        e2e::Press('T');
        ASSERT_TRUE(e2e::WaitFor([&] { return !e2e::ChildVisible(First.Main, TOOLBARCLASSNAMEA); }, 5000))
            << "View > Tool bar did not hide the tool bar";
        if (NoSave) {
            Sleep(1500);
            EXPECT_TRUE(e2e::ChildVisible(Second.Main, TOOLBARCLASSNAMEA));
            EXPECT_EQ(std::string::npos, Settings.Read().find("ToolBar=0")) << Settings.Read();
        } else {
            EXPECT_TRUE(
                e2e::WaitFor([&] { return !e2e::ChildVisible(Second.Main, TOOLBARCLASSNAMEA); }, 5000))
                << "the other process kept its tool bar";
            EXPECT_NE(std::string::npos, Settings.Read().find("ToolBar=0")) << Settings.Read();
        }
        CloseAndWait(First);
        CloseAndWait(Second);
    }
}

// A second process started on a file that a first one holds brings the first one
// forward and exits without a window.
TEST(Processes, ASecondProcessOnAnOpenFileBringsTheFirstForwardAndExits) {
    e2e::SettingsFile Settings("");
    const std::string Path = e2e::WriteArtifact("double-open.txt", "open once\r\n");
    Running First, Other;
    StartOn(First, Quoted(Path));
    // Another window in front.
    StartOn(Other, "");
    ASSERT_TRUE(e2e::Activate(Other.Main, Other.Editor, 10000));

    e2e::ZefnoteProcess Second(Quoted(Path));
    ASSERT_TRUE(Second.Started());
    EXPECT_TRUE(Second.WaitForExit(20000)) << "the second process did not exit";
    EXPECT_EQ(0u, Second.ExitCode());
    EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == First.Main; }, 5000))
        << "the first window was not brought forward";
    EXPECT_EQ("double-open.txt - Zefnote", e2e::WindowText(First.Main));
}

namespace {

// A real HDROP in the memory of the process that receives it, as the shell gives one: a
// fixed global block (its handle is its address) with a DROPFILES header and the names,
// each ended by a zero, the list by another.  A handle of this process would mean
// nothing there.
HDROP MakeDrop(DWORD ProcessId, const std::string& File) {
    std::string Block(sizeof(DROPFILES), '\0');
    auto* Drop = reinterpret_cast<DROPFILES*>(&Block[0]);
    Drop->pFiles = sizeof(DROPFILES);
    Drop->fWide = FALSE;
    Block += File;
    Block.append(2, '\0');
    HANDLE Process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, ProcessId);
    if (!Process) return nullptr;
    void* Remote = VirtualAllocEx(Process, nullptr, Block.size(), MEM_COMMIT, PAGE_READWRITE);
    if (Remote && !WriteProcessMemory(Process, Remote, Block.data(), Block.size(), nullptr)) Remote = nullptr;
    CloseHandle(Process);
    return static_cast<HDROP>(Remote);
}

} // namespace

// A file dropped on a window that holds a document opens in a new process; the window
// keeps its own.
TEST(Processes, AFileDroppedOnAWindowWithADocumentStartsANewProcess) {
    e2e::SettingsFile Settings("");
    const std::string Held = e2e::WriteArtifact("drop-target.txt", "held\r\n");
    const std::string Dropped = e2e::WriteArtifact("dropped.txt", "dropped\r\n");
    Running First;
    StartOn(First, Quoted(Held));
    ASSERT_EQ(nullptr, FindMainWindow("dropped.txt - Zefnote"));

    HDROP Drop = MakeDrop(First.Process->Id(), Dropped);
    ASSERT_NE(nullptr, Drop);
    PostMessageA(First.Main, WM_DROPFILES, reinterpret_cast<WPARAM>(Drop), 0);
    HWND New = nullptr;
    EXPECT_TRUE(e2e::WaitFor([&] { return (New = FindMainWindow("dropped.txt - Zefnote")) != nullptr; }, 30000))
        << "no new window on the dropped file";
    EXPECT_EQ("drop-target.txt - Zefnote", e2e::WindowText(First.Main));
    EXPECT_EQ("held\r\n", e2e::EditorText(FindWindowExA(First.Main, nullptr, "TEditor", nullptr)));
    if (New) {
        DWORD Pid = 0;
        GetWindowThreadProcessId(New, &Pid);
        EXPECT_NE(First.Process->Id(), Pid);
        EXPECT_EQ("dropped\r\n", e2e::EditorText(FindWindowExA(New, nullptr, "TEditor", nullptr)));
        PostMessageA(New, WM_CLOSE, 0, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(New); }, 10000));
    }
}
