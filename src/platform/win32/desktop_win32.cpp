#include "platform/win32/desktop_win32.h"

#include <vector>

namespace {

// How long a message to another process may wait for its answer.
const UINT AnswerTimeoutMs = 5000;

LRESULT SendWithTimeout(HWND Window, UINT Message, WPARAM W, LPARAM L) {
    DWORD_PTR Result = 0;
    if (!SendMessageTimeoutA(Window, Message, W, L, SMTO_ABORTIFHUNG | SMTO_NORMAL, AnswerTimeoutMs,
                             &Result))
        return 0;
    return static_cast<LRESULT>(Result);
}

struct TEnumWindows {
    const std::string* ClassName;
    std::vector<TWindowHandle> Found;
};

BOOL CALLBACK CollectWindowOfClass(HWND Window, LPARAM Param) {
    auto& E = *reinterpret_cast<TEnumWindows*>(Param);
    char Name[256];
    const int Length = GetClassNameA(Window, Name, sizeof Name);
    // Class names compare regardless of letter case, as the window manager registers them.
    if (Length > 0 && lstrcmpiA(Name, E.ClassName->c_str()) == 0 && IsWindowVisible(Window))
        E.Found.push_back(FromHwnd(Window));
    return TRUE;
}

BOOL CALLBACK CollectTopLevelWindow(HWND Window, LPARAM Param) {
    auto& Found = *reinterpret_cast<std::vector<TTopLevelWindow>*>(Param);
    TTopLevelWindow W;
    W.Handle = FromHwnd(Window);
    char Name[256];
    const int Length = GetClassNameA(Window, Name, sizeof Name);
    if (Length > 0) W.ClassName.assign(Name, static_cast<std::size_t>(Length));
    W.Visible = IsWindowVisible(Window) != 0;
    W.Enabled = IsWindowEnabled(Window) != 0;
    Found.push_back(W);
    return TRUE;
}

} // namespace

std::vector<TWindowHandle> TWin32Desktop::WindowsOfClass(const std::string& ClassName) {
    TEnumWindows E{&ClassName, {}};
    EnumWindows(CollectWindowOfClass, reinterpret_cast<LPARAM>(&E));
    return E.Found;
}

std::vector<TTopLevelWindow> TWin32Desktop::TopLevelWindows() {
    std::vector<TTopLevelWindow> Found;
    EnumWindows(CollectTopLevelWindow, reinterpret_cast<LPARAM>(&Found));
    // Captions are read outside the enumeration: reading one does not ask its process.
    for (TTopLevelWindow& W : Found) W.Caption = Caption(W.Handle);
    return Found;
}

std::string TWin32Desktop::ChildText(TWindowHandle Window, const std::string& ChildClass,
                                     int MaxBytes) {
    HWND Child = FindWindowExA(ToHwnd(Window), nullptr, ChildClass.c_str(), nullptr);
    if (!Child || MaxBytes <= 0) return std::string();
    std::vector<char> Buffer(static_cast<std::size_t>(MaxBytes) + 1, '\0');
    LRESULT Length = SendWithTimeout(Child, WM_GETTEXT, static_cast<WPARAM>(Buffer.size()),
                                     reinterpret_cast<LPARAM>(Buffer.data()));
    if (Length < 0 || Length > MaxBytes) Length = 0;
    return std::string(Buffer.data(), static_cast<std::size_t>(Length));
}

std::string TWin32Desktop::Caption(TWindowHandle Window) {
    // GetWindowText reads another process's caption without asking that process.
    const int Length = GetWindowTextLengthA(ToHwnd(Window));
    if (Length <= 0) return std::string();
    std::vector<char> Buffer(static_cast<std::size_t>(Length) + 1, '\0');
    const int Read = GetWindowTextA(ToHwnd(Window), Buffer.data(), Length + 1);
    return std::string(Buffer.data(), static_cast<std::size_t>(Read > 0 ? Read : 0));
}

TWindowHandle TWin32Desktop::Owner(TWindowHandle Window) {
    HWND O = GetWindow(ToHwnd(Window), GW_OWNER);
    return O ? FromHwnd(O) : Window;
}

bool TWin32Desktop::IsMinimized(TWindowHandle Window) { return IsIconic(ToHwnd(Window)) != FALSE; }

bool TWin32Desktop::IsMaximized(TWindowHandle Window) { return IsZoomed(ToHwnd(Window)) != FALSE; }

TWindowRect TWin32Desktop::Bounds(TWindowHandle Window) {
    RECT R{};
    GetWindowRect(ToHwnd(Window), &R);
    return TWindowRect{R.left, R.top, R.right, R.bottom};
}

void TWin32Desktop::PostUserMessage(TWindowHandle Window, unsigned Message) {
    PostMessageA(ToHwnd(Window), WM_USER + Message, 0, 0);
}

void TWin32Desktop::SendUserMessage(TWindowHandle Window, unsigned Message) {
    SendWithTimeout(ToHwnd(Window), WM_USER + Message, 0, 0);
}

void TWin32Desktop::Show(TWindowHandle Window, bool Maximized) {
    ShowWindow(ToHwnd(Window), Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

void TWin32Desktop::SetForeground(TWindowHandle Window) {
    // Raised first: the window comes to the top of the stacking order even where the
    // system refuses to hand the foreground over, and where activating does not raise.
    BringWindowToTop(ToHwnd(Window));
    SetForegroundWindow(ToHwnd(Window));
}

void TWin32Desktop::RequestMinimize(TWindowHandle Window) {
    SendWithTimeout(ToHwnd(Window), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWin32Desktop::RequestRestore(TWindowHandle Window) {
    SendWithTimeout(ToHwnd(Window), WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWin32Desktop::RestoreSize(TWindowHandle Window) {
    ShowWindow(ToHwnd(Window), SW_SHOWNOACTIVATE);
}

void TWin32Desktop::Place(TWindowHandle Window, const TWindowRect& Bounds, bool Activate) {
    SetWindowPos(ToHwnd(Window), nullptr, Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(),
                 SWP_NOZORDER | (Activate ? 0 : SWP_NOACTIVATE));
    if (Activate) SetForeground(Window);
}

void TWin32Desktop::SendToBack(TWindowHandle Window) {
    SetWindowPos(ToHwnd(Window), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowRect TWin32Desktop::WorkArea() {
    RECT R{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &R, 0)) {
        R.right = GetSystemMetrics(SM_CXSCREEN);
        R.bottom = GetSystemMetrics(SM_CYSCREEN);
    }
    return TWindowRect{R.left, R.top, R.right, R.bottom};
}

int TWin32Desktop::CascadeStep() {
    return GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
}
