#pragma once
// The desktop's top-level windows through the window manager of Win32.  Messages to
// another process's window that wait for an answer give up after a few seconds when that
// process does not respond, so a hung instance cannot hang this one.
#include "platform/desktop.h"

#include <windows.h>

inline HWND ToHwnd(TWindowHandle Window) { return reinterpret_cast<HWND>(Window); }
inline TWindowHandle FromHwnd(HWND Window) { return reinterpret_cast<TWindowHandle>(Window); }

class TWin32Desktop : public TDesktop {
public:
    std::vector<TWindowHandle> WindowsOfClass(const std::string& ClassName) override;
    std::vector<TTopLevelWindow> TopLevelWindows() override;
    std::string ChildText(TWindowHandle Window, const std::string& ChildClass, int MaxBytes) override;
    std::string Caption(TWindowHandle Window) override;
    TWindowHandle Owner(TWindowHandle Window) override;
    bool IsMinimized(TWindowHandle Window) override;
    bool IsMaximized(TWindowHandle Window) override;
    TWindowRect Bounds(TWindowHandle Window) override;
    void PostUserMessage(TWindowHandle Window, unsigned Message) override;
    void SendUserMessage(TWindowHandle Window, unsigned Message) override;
    void Show(TWindowHandle Window, bool Maximized) override;
    void SetForeground(TWindowHandle Window) override;
    void RequestMinimize(TWindowHandle Window) override;
    void RequestRestore(TWindowHandle Window) override;
    void RestoreSize(TWindowHandle Window) override;
    void Place(TWindowHandle Window, const TWindowRect& Bounds, bool Activate) override;
    void SendToBack(TWindowHandle Window) override;
    TWindowRect WorkArea() override;
    int CascadeStep() override;
};
