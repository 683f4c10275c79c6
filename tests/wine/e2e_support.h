#pragma once
// Support for end-to-end tests that run the real Zefnote.exe under Wine:
// starting it, waiting for its windows with a timeout, reading pixels.
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

// The client area of Window as 32-bit BGRA pixels, captured from the screen.
struct Capture {
    int width = 0, height = 0;
    std::string pixels;  // width * height * 4 bytes, top row first
    COLORREF At(int x, int y) const;
    bool SaveBmp(const std::string& path) const;
};
Capture CaptureClient(HWND Window);

} // namespace e2e
