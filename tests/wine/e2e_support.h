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

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

std::string WindowText(HWND Window);
// The whole text of a control of another process, through WM_GETTEXTLENGTH and
// WM_GETTEXT.
std::string EditorText(HWND Editor);

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
// Brings Window's top-level window to the front and waits until it has the focus.
bool Activate(HWND TopLevel, HWND Focus, DWORD TimeoutMs);
// Text of the clipboard's CF_TEXT, empty when there is none.
std::string ClipboardText();
bool ClipboardHasFormat(const char* Name);

} // namespace e2e
