#pragma once
// Stand-ins for the main windows of running instances, made inside a Windows test
// program: top-level windows of the main window's class, each with a child "TEdit"
// holding a path, which record the user messages they receive.
#include "platform/desktop.h"
#include "platform/win32/desktop_win32.h"
#include "support/window_rect.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class TTestMainWindows {
public:
    TTestMainWindows() {
        WNDCLASSA WC{};
        WC.lpfnWndProc = MainProc;
        WC.hInstance = GetModuleHandleA(nullptr);
        WC.hCursor = LoadCursor(nullptr, IDC_ARROW);
        WC.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        WC.lpszClassName = "TZefnoteMainForm";
        RegisterClassA(&WC); // fails harmlessly when a test before registered it
        WC.lpfnWndProc = DefWindowProcA;
        WC.lpszClassName = "TEdit";
        RegisterClassA(&WC);
    }
    ~TTestMainWindows() {
        for (auto It = FWindows.rbegin(); It != FWindows.rend(); ++It) DestroyWindow(*It);
        Pump();
    }
    TTestMainWindows(const TTestMainWindows&) = delete;
    TTestMainWindows& operator=(const TTestMainWindows&) = delete;

    // A new shown main window, active and on top of the others; Owner owns it when given.
    HWND Add(const std::string& Title, const std::string& Path, HWND Owner = nullptr) {
        const int N = static_cast<int>(FWindows.size());
        HWND W = CreateWindowExA(0, "TZefnoteMainForm", Title.c_str(), WS_OVERLAPPEDWINDOW,
                                 60 + 30 * N, 40 + 30 * N, 400, 300, Owner, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "TEdit", Path.c_str(), WS_CHILD, 0, 0, 0, 0, W, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
        ShowWindow(W, SW_SHOWNORMAL);
        SetForegroundWindow(W);
        FWindows.push_back(W);
        Pump();
        return W;
    }
    // A hidden top-level window to own main windows, as some frameworks have.
    HWND AddOwner() {
        HWND W = CreateWindowExA(0, "TEdit", "owner", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        FWindows.push_back(W);
        return W;
    }

    static void Pump() {
        MSG M;
        while (PeekMessageA(&M, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&M);
            DispatchMessageA(&M);
        }
    }
    // Pumps messages until Condition holds or TimeoutMs pass.
    static bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs = 3000) {
        const DWORD Start = GetTickCount();
        for (;;) {
            Pump();
            if (Condition()) return true;
            if (GetTickCount() - Start > TimeoutMs) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    // The user messages (N of WM_USER + N) Window received.
    static std::vector<unsigned>& UserMessages(HWND Window) { return Received()[Window]; }

    static TWindowRect Rect(HWND Window) {
        RECT R{};
        GetWindowRect(Window, &R);
        return TWindowRect{R.left, R.top, R.right, R.bottom};
    }

private:
    static std::map<HWND, std::vector<unsigned>>& Received() {
        static std::map<HWND, std::vector<unsigned>> Map;
        return Map;
    }
    static LRESULT CALLBACK MainProc(HWND W, UINT Msg, WPARAM WP, LPARAM LP) {
        if (Msg >= WM_USER && Msg < WM_USER + 1000) {
            Received()[W].push_back(Msg - WM_USER);
            return 0;
        }
        if (Msg == WM_NCDESTROY) Received().erase(W);
        return DefWindowProcA(W, Msg, WP, LP);
    }

    std::vector<HWND> FWindows;
};

// The Win32 desktop seen through this test process only, so that windows of other
// programs under the same Wine server stay out of the test.
class TOwnProcessDesktop : public TWin32Desktop {
public:
    std::vector<TWindowHandle> WindowsOfClass(const std::string& ClassName) override {
        std::vector<TWindowHandle> Result;
        for (TWindowHandle W : TWin32Desktop::WindowsOfClass(ClassName)) {
            DWORD Process = 0;
            GetWindowThreadProcessId(ToHwnd(W), &Process);
            if (Process == GetCurrentProcessId()) Result.push_back(W);
        }
        return Result;
    }
};
