#pragma once
// Support for end-to-end tests that run the real Zefnote.exe under Wine:
// starting it and waiting for its windows with a timeout.  (Pixels are
// checked from screenshots of the X display: Wine cannot copy another
// process's window from a Windows program.)
#include <windows.h>

#include <functional>
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

} // namespace e2e
