#pragma once
// The other top-level windows of the desktop, as the processes of the program find and
// move each other's main windows: enumeration in stacking order, class names, the text
// of a child control, messages, showing, placing and activating.
#include <cstdint>
#include <string>
#include <vector>

// A top-level window of any process; 0 for none.
using TWindowHandle = std::uintptr_t;

struct TWindowRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// A top-level window as a search through all of them sees it.
struct TTopLevelWindow {
    TWindowHandle Handle = 0;
    std::string ClassName, Caption;
    bool Visible = false, Enabled = false;
};

class TDesktop {
public:
    virtual ~TDesktop() = default;

    // The visible top-level windows whose class is ClassName (minimised ones included),
    // topmost first.
    virtual std::vector<TWindowHandle> WindowsOfClass(const std::string& ClassName) = 0;
    // Every top-level window, hidden and disabled ones too, topmost first.
    virtual std::vector<TTopLevelWindow> TopLevelWindows() = 0;
    // The text of Window's first child of class ChildClass (at most MaxBytes bytes);
    // empty when it has none.
    virtual std::string ChildText(TWindowHandle Window, const std::string& ChildClass,
                                  int MaxBytes) = 0;
    virtual std::string Caption(TWindowHandle Window) = 0;
    // The window that owns Window's taskbar entry and minimised state (Window itself for
    // a window without an owner).
    virtual TWindowHandle Owner(TWindowHandle Window) = 0;
    virtual bool IsMinimized(TWindowHandle Window) = 0;
    virtual bool IsMaximized(TWindowHandle Window) = 0;
    // Window's outer rectangle in screen coordinates.
    virtual TWindowRect Bounds(TWindowHandle Window) = 0;

    // User message N (the platform's first user message + N), posted or sent; a send
    // returns when Window has handled it (or its process does not answer).
    virtual void PostUserMessage(TWindowHandle Window, unsigned Message) = 0;
    virtual void SendUserMessage(TWindowHandle Window, unsigned Message) = 0;
    // Shows Window maximised when Maximized, else in its normal state.
    virtual void Show(TWindowHandle Window, bool Maximized) = 0;
    virtual void SetForeground(TWindowHandle Window) = 0;
    // System-command requests, as the taskbar sends them; they return when handled.
    virtual void RequestMinimize(TWindowHandle Window) = 0;
    virtual void RequestRestore(TWindowHandle Window) = 0;
    // Returns a maximised Window to its normal size and position without activating it.
    virtual void RestoreSize(TWindowHandle Window) = 0;
    // Puts Window at Bounds without changing the stacking order; Activate brings it forward.
    virtual void Place(TWindowHandle Window, const TWindowRect& Bounds, bool Activate) = 0;
    // Sends Window to the bottom of the stacking order without activating it.
    virtual void SendToBack(TWindowHandle Window) = 0;

    // The desktop area not covered by task bars.
    virtual TWindowRect WorkArea() = 0;
    // The platform's caption height plus sizing-frame height, for the cascade's step.
    virtual int CascadeStep() = 0;
};
