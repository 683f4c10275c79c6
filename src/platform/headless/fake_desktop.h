#pragma once
// A desktop for tests: a list of top-level windows in stacking order with their class,
// caption, child texts, owner, state and rectangle.  Every request is recorded and acts
// on the windows as the window system would: showing, activating and restoring bring a
// window (with the windows it owns) to the top, minimising and sending to the back put it
// at the bottom.
#include "platform/desktop.h"

#include <map>
#include <string>
#include <vector>

class TFakeDesktop : public TDesktop {
public:
    struct TWindow {
        std::string ClassName, Caption;
        // Child window class -> text.
        std::map<std::string, std::string> Children;
        TWindowHandle Owner = 0;
        bool Visible = true, Enabled = true, Minimized = false, Maximized = false;
        TWindowRect Bounds{0, 0, 400, 300};
    };

    enum TCallKind {
        ckPost, ckSend, ckShow, ckForeground, ckMinimize, ckRestore, ckRestoreSize, ckPlace,
        ckSendToBack
    };
    struct TCall {
        TCallKind Kind;
        TWindowHandle Window;
        unsigned Message = 0;   // ckPost, ckSend
        bool Flag = false;      // ckShow: maximised; ckPlace: activate
        TWindowRect Bounds{};   // ckPlace
    };

    // Adds a window below all the others and returns its handle.
    TWindowHandle AddWindow(const std::string& ClassName, const std::string& Caption,
                            TWindowHandle Owner = 0);
    TWindow& Window(TWindowHandle Handle);

    // The recorded calls of one kind, in order.
    std::vector<TCall> CallsOf(TCallKind Kind) const;
    // The windows placed, in order.
    std::vector<TWindowHandle> PlacedWindows() const;

    std::vector<TWindowHandle> StackingOrder; // topmost first
    TWindowHandle Foreground = 0;
    TWindowRect WorkAreaRect{0, 0, 1024, 738};
    int CaptionAndFrame = 23;
    std::vector<TCall> Calls;

    // TDesktop
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
    TWindowRect WorkArea() override { return WorkAreaRect; }
    int CascadeStep() override { return CaptionAndFrame; }

private:
    // Moves Window and the windows it owns to the top or the bottom, keeping their order.
    void Restack(TWindowHandle Window, bool ToTop);
    void Activate(TWindowHandle Window);

    std::map<TWindowHandle, TWindow> FWindows;
    TWindowHandle FNext = 0x100;
};
