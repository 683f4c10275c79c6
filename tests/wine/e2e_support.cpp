#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace e2e {

namespace {
Paths paths;

BOOL CALLBACK CloseWindowsOfProcess(HWND w, LPARAM p) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == static_cast<DWORD>(p)) PostMessageA(w, WM_CLOSE, 0, 0);
    return TRUE;
}

struct WindowSearch {
    DWORD pid;
    const char* cls;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[256] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (pid == s->pid && IsWindowVisible(w) && std::strcmp(cls, s->cls) == 0) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}
} // namespace

const Paths& TestPaths() { return paths; }

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

void ParseTestPaths(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto take = [&](const char* key, std::string& into) {
            size_t n = std::strlen(key);
            if (a.compare(0, n, key) == 0) into = ToWindowsPath(a.substr(n));
        };
        take("--zefnote=", paths.zefnote);
        take("--samples=", paths.samples);
        take("--artifacts=", paths.artifacts);
    }
}

bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (Condition()) return true;
        if (GetTickCount() - start >= TimeoutMs) return Condition();
        Sleep(20);
    }
}

ZefnoteProcess::ZefnoteProcess(const std::string& Arguments) {
    std::string cmd = "\"" + TestPaths().zefnote + "\"";
    if (!Arguments.empty()) cmd += " " + Arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
        id_ = pi.dwProcessId;
    }
}

ZefnoteProcess::~ZefnoteProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        EnumWindows(CloseWindowsOfProcess, static_cast<LPARAM>(id_));
        if (WaitForSingleObject(process_, 5000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
}

HWND ZefnoteProcess::WaitForMainWindow(const char* ClassName, DWORD TimeoutMs) {
    WindowSearch s{id_, ClassName, nullptr};
    WaitFor(
        [&] {
            s.found = nullptr;
            EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        TimeoutMs);
    return s.found;
}

bool ZefnoteProcess::WaitForExit(DWORD TimeoutMs) {
    return process_ && WaitForSingleObject(process_, TimeoutMs) == WAIT_OBJECT_0;
}

DWORD ZefnoteProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

std::string WindowText(HWND Window) {
    char buf[1024] = {};
    GetWindowTextA(Window, buf, sizeof buf);
    return buf;
}

} // namespace e2e
