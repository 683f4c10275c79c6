#pragma once
// The services of a text-view window on a Win32 window: invalidation and painting,
// ScrollWindowEx, the two scroll bars, the system caret, the IME composition window,
// cursors (kept here and shown on WM_SETCURSOR), capture and the key state.
#include "platform/text_view_host.h"

#include <windows.h>

class TWin32TextViewHost : public TTextViewHost {
public:
    void SetWindow(HWND Window) { FWindow = Window; }
    HWND Window() const { return FWindow; }

    bool HasWindow() const override { return FWindow != nullptr && IsWindow(FWindow); }
    bool Focused() const override { return FWindow && GetFocus() == FWindow; }
    void SetFocus() override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    int VScrollBarWidth() const override { return GetSystemMetrics(SM_CXVSCROLL); }
    int HScrollBarHeight() const override { return GetSystemMetrics(SM_CYHSCROLL); }

    void InvalidateRect(const TRect& Rect) override;
    void InvalidateAll() override;
    void UpdateNow() override;
    void ScrollPixels(int DX, int DY, const TRect& Area) override;
    void SetRedraw(bool Value) override;

    void SetScrollBar(TScrollBarKind Bar, int Min, int Max, int Page, int Pos) override;
    void SetScrollPos(TScrollBarKind Bar, int Pos) override;
    int ScrollTrackPos(TScrollBarKind Bar) const override;
    void ShowScrollBars(bool Horizontal, bool Vertical) override;
    void ShowBorder(bool Visible) override;

    void CreateCaret(int Width, int Height) override;
    void DestroyCaret() override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(int X, int Y) override;

    void SetImeWindowPos(int X, int Y, const TFont& Font) override;

    void SetControlCursor(TCursor Cursor) override;
    void SetScreenCursor(TCursor Cursor) override;
    void SetMouseCapture(bool Capture) override;

    bool CtrlDown() const override { return GetKeyState(VK_CONTROL) < 0; }
    bool AltDown() const override { return GetKeyState(VK_MENU) < 0; }
    bool ShiftDown() const override { return GetKeyState(VK_SHIFT) < 0; }
    void Beep() override { MessageBeep(0); }

    // WM_SETCURSOR over the client area: the screen cursor while one is set, else the
    // control's.
    void ApplyCursor() const;

private:
    HWND FWindow = nullptr;
    TCursor FControlCursor = crIBeam;
    TCursor FScreenCursor = crDefault;
    bool FCaretExists = false;
};
