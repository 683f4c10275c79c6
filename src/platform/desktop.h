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

class TDesktop {
public:
    virtual ~TDesktop() = default;

    // The top-level windows whose class is ClassName, topmost first.
    virtual std::vector<TWindowHandle> WindowsOfClass(const std::string& ClassName) = 0;
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

    virtual void PostUserMessage(TWindowHandle Window, unsigned Message) = 0;
    virtual void SendUserMessage(TWindowHandle Window, unsigned Message) = 0;
    // Shows Window maximised when Maximized, else in its normal state.
    virtual void Show(TWindowHandle Window, bool Maximized) = 0;
    virtual void SetForeground(TWindowHandle Window) = 0;
    // System-command requests, as the taskbar sends them.
    virtual void RequestMinimize(TWindowHandle Window) = 0;
    virtual void RequestRestore(TWindowHandle Window) = 0;
    // Puts Window at Bounds without changing the stacking order; Activate brings it forward.
    virtual void Place(TWindowHandle Window, const TWindowRect& Bounds, bool Activate) = 0;
    // Sends Window to the bottom of the stacking order without activating it.
    virtual void SendToBack(TWindowHandle Window) = 0;

    // The desktop area not covered by task bars.
    virtual TWindowRect WorkArea() = 0;
    // The platform's caption height plus sizing-frame height, for the cascade's step.
    virtual int CascadeStep() = 0;
};
