#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <algorithm>
#include <commctrl.h>

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

const Paths& TestPaths() {
    return paths;
}

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

void ZefnoteProcess::Kill() {
    if (!process_) return;
    TerminateProcess(process_, 9);
    WaitForSingleObject(process_, 10000);
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

namespace e2e {

std::string EditorText(HWND Editor) {
    LRESULT n = SendMessageA(Editor, WM_GETTEXTLENGTH, 0, 0);
    if (n <= 0) return std::string();
    std::string buf(static_cast<size_t>(n) + 1, '\0');
    LRESULT got = SendMessageA(Editor, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(&buf[0]));
    buf.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return buf;
}

std::string StatusPanelText(HWND Main, int Panel) {
    HWND bar = FindWindowExA(Main, nullptr, "msctls_statusbar32", nullptr);
    if (!bar) return std::string();
    DWORD id = 0;
    GetWindowThreadProcessId(bar, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process) return std::string();
    // SB_GETTEXT writes into the status bar's own process: a buffer is lent there.
    const SIZE_T size = 512;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    std::string text;
    if (remote) {
        LRESULT n = SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(Panel), 0);
        if (LOWORD(n) < size) {
            SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(Panel), reinterpret_cast<LPARAM>(remote));
            std::string buf(size, '\0');
            SIZE_T got = 0;
            if (ReadProcessMemory(process, remote, &buf[0], size, &got))
                text = buf.c_str();
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    // Leading tabs only centre or right-align the text.
    return text.substr(std::min(text.size(), text.find_first_not_of('\t')));
}

namespace {
void SendKey(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_HOME ||
        vk == VK_END || vk == VK_PRIOR || vk == VK_NEXT || vk == VK_DELETE)
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &in, sizeof in);
}
void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = x;
    in.mi.dy = y;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}
// Input is handled by the other process in its own time: a short pause after each
// event keeps the order of key states and messages as a typing user's.
void Settle() {
    Sleep(30);
}
} // namespace

void KeyDown(WORD vk) {
    SendKey(vk, false);
    Settle();
}
void KeyUp(WORD vk) {
    SendKey(vk, true);
    Settle();
}

void Press(WORD vk, std::initializer_list<WORD> mods) {
    // Wine gives a thread that is busy while a modifier goes down and up again the
    // modifier's state as it is when the thread gets to the key: the shortcut would
    // arrive as a plain key.  The foreground window's thread is waited for first.
    if (mods.size() > 0) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(GetForegroundWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    }
    for (WORD m : mods)
        KeyDown(m);
    KeyDown(vk);
    KeyUp(vk);
    for (auto it = mods.end(); it != mods.begin();)
        KeyUp(*--it);
}

void Type(const std::string& text) {
    for (char c : text) {
        WORD vk = c == ' ' ? VK_SPACE : static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        Press(vk);
    }
}

void MouseTo(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (p.x * 65536 + w / 2) / w,
              (p.y * 65536 + h / 2) / h);
    Settle();
}
void LeftDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
}
void LeftUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
}

void RightClick() {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    Settle();
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Settle();
}

HWND FindPopupMenu(DWORD processId) {
    WindowSearch s{processId, "#32768", nullptr};
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool Activate(HWND top, HWND focus, DWORD timeoutMs) {
    auto focused = [&] {
        GUITHREADINFO gi = {};
        gi.cbSize = sizeof gi;
        DWORD thread = GetWindowThreadProcessId(top, nullptr);
        return GetGUIThreadInfo(thread, &gi) && gi.hwndFocus == focus && GetForegroundWindow() == top;
    };
    if (!WaitFor([&] { SetForegroundWindow(top); return focused(); }, timeoutMs)) return false;
    // Wine's X11 driver sets the keyboard state again from the X server's when the X focus
    // arrives, some time after the window became the foreground one; a modifier pressed
    // through SendInput before that would count as released.
    Sleep(500);
    return focused();
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

bool ClipboardHasFormat(const char* name) {
    UINT f = RegisterClipboardFormatA(name);
    return f && IsClipboardFormatAvailable(f);
}

} // namespace e2e

namespace e2e {

EditorCells::EditorCells(HWND editor) {
    HDC dc = GetDC(editor);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(lf.lfFaceName, "FixedSys", LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(editor, dc);
    width = tm.tmAveCharWidth;
    height = tm.tmHeight + tm.tmExternalLeading;
}

std::string WriteArtifact(const std::string& name, const std::string& bytes) {
    std::string path = TestPaths().artifacts + "\\" + name;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }
    return path;
}

std::string ToUnixPath(const std::string& path) {
    if (path.size() < 2 || (path[0] != 'Z' && path[0] != 'z') || path[1] != ':') return path;
    std::string out = path.substr(2);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

bool StartProgram(const std::string& commandLine, HANDLE* process) {
    std::string cmd = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    if (process)
        *process = pi.hProcess;
    else
        CloseHandle(pi.hProcess);
    return true;
}

bool RunUnix(const std::string& commandLine, DWORD timeoutMs) {
    HANDLE process = nullptr;
    if (!StartProgram(commandLine, &process)) return false;
    WaitForSingleObject(process, timeoutMs);
    CloseHandle(process);
    return true;
}

} // namespace e2e

namespace e2e {

namespace {

struct DialogSearch {
    DWORD Id;
    const std::string& Caption;
    HWND Found;
};

BOOL CALLBACK MatchDialog(HWND W, LPARAM L) {
    auto* S = reinterpret_cast<DialogSearch*>(L);
    DWORD Id = 0;
    GetWindowThreadProcessId(W, &Id);
    char Class[64] = {};
    GetClassNameA(W, Class, sizeof Class);
    if (Id != S->Id || !IsWindowVisible(W) || std::string(Class) != "#32770") return TRUE;
    if (!S->Caption.empty() && WindowText(W) != S->Caption) return TRUE;
    S->Found = W;
    return FALSE;
}

} // namespace

HWND FindDialog(DWORD ProcessId, const std::string& Caption) {
    DialogSearch S{ProcessId, Caption, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&S));
    return S.Found;
}

std::string SettingsFile::Path() {
    std::string Exe = TestPaths().zefnote;
    std::size_t Dot = Exe.rfind('.');
    return (Dot == std::string::npos ? Exe : Exe.substr(0, Dot)) + ".INI";
}

SettingsFile::SettingsFile(const std::string& Content) {
    HANDLE F = CreateFileA(Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (F == INVALID_HANDLE_VALUE) return;
    DWORD Written = 0;
    WriteFile(F, Content.data(), static_cast<DWORD>(Content.size()), &Written, nullptr);
    CloseHandle(F);
}

SettingsFile::~SettingsFile() { DeleteFileA(Path().c_str()); }

std::string SettingsFile::Read() const {
    std::string Text;
    HANDLE F = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (F == INVALID_HANDLE_VALUE) return Text;
    char Buffer[4096];
    DWORD N = 0;
    while (ReadFile(F, Buffer, sizeof Buffer, &N, nullptr) && N > 0) Text.append(Buffer, N);
    CloseHandle(F);
    return Text;
}

} // namespace e2e

namespace e2e {

HWND WaitForDialog(DWORD ProcessId, DWORD TimeoutMs) {
    HWND Found = nullptr;
    WaitFor([&] { return (Found = FindDialog(ProcessId)) != nullptr; }, TimeoutMs);
    return Found;
}

std::string StaticTexts(HWND Dialog) {
    std::string Texts;
    for (HWND C = FindWindowExA(Dialog, nullptr, "Static", nullptr); C;
         C = FindWindowExA(Dialog, C, "Static", nullptr))
        Texts += WindowText(C);
    return Texts;
}

bool ChildVisible(HWND Main, const char* ClassName) {
    HWND Child = FindWindowExA(Main, nullptr, ClassName, nullptr);
    return Child && IsWindowVisible(Child);
}

std::string ReadFileBytes(const std::string& Path) {
    std::string Bytes;
    HANDLE F = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (F == INVALID_HANDLE_VALUE) return Bytes;
    char Buffer[65536];
    DWORD N = 0;
    while (ReadFile(F, Buffer, sizeof Buffer, &N, nullptr) && N > 0) Bytes.append(Buffer, N);
    CloseHandle(F);
    return Bytes;
}

} // namespace e2e
