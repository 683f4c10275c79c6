#pragma once
// Support for end-to-end tests that run the real Zefnote.exe under Wine:
// starting it and waiting for its windows with a timeout.  (Pixels are
// checked from screenshots of the X display: Wine cannot copy another
// process's window from a Windows program.)
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace e2e {

// Paths given on the test program's command line (--zefnote=, --samples=,
// --artifacts=), converted from Unix form to Wine's Z: drive form.
struct Paths {
    std::string zefnote;
    std::string samples;
    std::string artifacts;
};
const Paths& TestPaths();
void ParseTestPaths(int argc, char** argv);
std::string ToWindowsPath(const std::string& path);

// Polls Condition every 20 ms until it holds or TimeoutMs pass.
bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs);

// A started Zefnote.exe; ends it (WM_CLOSE, then TerminateProcess) when destroyed.
// The settings file beside Zefnote.exe with Content for as long as the object lives;
// without one the program starts from the defaults.
class SettingsFile {
public:
    explicit SettingsFile(const std::string& Content);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;
    static std::string Path();
    // What the program wrote into it.
    std::string Read() const;
};

class ZefnoteProcess {
public:
    explicit ZefnoteProcess(const std::string& Arguments);
    ~ZefnoteProcess();
    ZefnoteProcess(const ZefnoteProcess&) = delete;
    ZefnoteProcess& operator=(const ZefnoteProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    // The visible top-level window of ClassName that belongs to this process.
    HWND WaitForMainWindow(const char* ClassName, DWORD TimeoutMs);
    bool WaitForExit(DWORD TimeoutMs);
    DWORD ExitCode() const;
    DWORD Id() const { return id_; }
    // Ends the process at once, as a crash or the task manager would.
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

std::string WindowText(HWND Window);
// The whole text of a control of another process, through WM_GETTEXTLENGTH and
// WM_GETTEXT.
std::string EditorText(HWND Editor);

// The text of panel Panel of the status bar of Main (another process's window), without
// the tabs that align it.
std::string StatusPanelText(HWND Main, int Panel);

// Real input through SendInput, as the user's keyboard and mouse would give it; it goes
// to the foreground window.
void KeyDown(WORD VirtualKey);
void KeyUp(WORD VirtualKey);
// Presses Key with the modifiers (VK_SHIFT, VK_CONTROL, VK_MENU) held.
void Press(WORD VirtualKey, std::initializer_list<WORD> Modifiers = {});
// Types lower-case letters, digits and spaces.
void Type(const std::string& Text);
// Moves the pointer to a client point of Window; presses and releases the left button.
void MouseTo(HWND Window, int X, int Y);
void LeftDown();
void LeftUp();
void RightClick();
// The visible pop-up menu window (class "#32768") of the process, null when none.
HWND FindPopupMenu(DWORD ProcessId);
// The visible dialog window (class "#32770", message boxes too) of the process, with the
// caption Caption unless that is empty; null when none.
HWND FindDialog(DWORD ProcessId, const std::string& Caption = std::string());
// Brings Window's top-level window to the front and waits until it has the focus.
bool Activate(HWND TopLevel, HWND Focus, DWORD TimeoutMs);
// Text of the clipboard's CF_TEXT, empty when there is none.
std::string ClipboardText();
bool ClipboardHasFormat(const char* Name);

// The editor's cell grid: the metrics of its font ("FixedSys", 12 points, the default
// character set: the control's start font) and the text area's margins (left 19, top 2).
// The settings under which EditorCells measures the editor's cells: the font at 12 points
// and the left margin of 19 pixels.
constexpr const char* CellSettings = "[Option]\r\nFontSize=12\r\nLeftMargin=19\r\n";

struct EditorCells {
    int width = 8, height = 16;
    explicit EditorCells(HWND Editor);
    // The left edge of a column (a click there puts the caret before it) and the middle
    // of a row, in client pixels.
    int X(int Col) const { return 19 + Col * width; }
    int Y(int Row) const { return 2 + Row * height + height / 2; }
    int Top(int Row) const { return 2 + Row * height; }
};

// Waits for such a dialog; null when none came within TimeoutMs.
HWND WaitForDialog(DWORD ProcessId, DWORD TimeoutMs);
// The texts of a dialog's static controls, joined.
std::string StaticTexts(HWND Dialog);
// Whether the child window of that class (the tool bar, the status bar) is shown.
bool ChildVisible(HWND Main, const char* ClassName);

// Writes Bytes to a file of that name in the artifacts folder; returns its path.
std::string WriteArtifact(const std::string& Name, const std::string& Bytes);
// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& Path);
// The Unix form of a Z: drive path.
std::string ToUnixPath(const std::string& Path);
// Starts a Unix program (Wine execs it for us); false when it could not be started.
// Wine gives no usable handle or exit status for a Unix program, so callers wait for
// what the program makes.
bool RunUnix(const std::string& CommandLine, DWORD TimeoutMs);
// Starts a program without waiting for it; false when it could not be started.  Process,
// when given, receives its handle for the caller to close (Wine may give none).
bool StartProgram(const std::string& CommandLine, HANDLE* Process = nullptr);

} // namespace e2e
