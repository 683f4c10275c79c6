#pragma once
// A text-view host without a window system: a client area of a given size, a caret and
// scroll bars held as plain state, and a log of every request, so that native tests can
// see what the control asked of its window.
#include "platform/text_view_host.h"

#include <functional>
#include <string>
#include <vector>

class THeadlessTextViewHost : public TTextViewHost {
public:
    struct TScrollBarState {
        int Min = 0, Max = 0, Page = 0, Pos = 0;
        int TrackPos = 0; // what ScrollTrackPos reports
    };

    bool HasWindow() const override { return WindowExists; }
    bool Focused() const override { return HasFocus; }
    void SetFocus() override;
    int ClientWidth() const override { return Width; }
    int ClientHeight() const override { return Height; }
    int VScrollBarWidth() const override { return ScrollBarSize; }
    int HScrollBarHeight() const override { return ScrollBarSize; }

    void InvalidateRect(const TRect& Rect) override;
    void InvalidateAll() override;
    void UpdateNow() override;
    void ScrollPixels(int DX, int DY, const TRect& Area) override;
    void ShowBorder(bool Visible) override;
    void SetRedraw(bool Value) override;

    void SetScrollBar(TScrollBarKind Bar, int Min, int Max, int Page, int Pos) override;
    void SetScrollPos(TScrollBarKind Bar, int Pos) override;
    int ScrollTrackPos(TScrollBarKind Bar) const override { return this->Bar(Bar).TrackPos; }

    void CreateCaret(int W, int H) override;
    void DestroyCaret() override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(int X, int Y) override;

    void SetImeWindowPos(int X, int Y, const TFont& Font) override;
    void SetControlCursor(TCursor Cursor) override;
    void SetScreenCursor(TCursor Cursor) override;
    void SetMouseCapture(bool Capture) override;

    bool CtrlDown() const override { return Ctrl; }
    bool AltDown() const override { return Alt; }
    bool ShiftDown() const override { return Shift; }
    void Beep() override;

    // Called when the control asks for the focus (the platform would send the
    // focus message then).
    std::function<void()> OnSetFocus;

    // Forgets the log and the painting record (the state stays).
    void ClearLog();

    // Settable state.
    bool WindowExists = true;
    bool HasFocus = false;
    int Width = 640;
    int Height = 400;
    int ScrollBarSize = 16;
    bool Ctrl = false, Alt = false, Shift = false;
    // When false nothing is appended to Log (long runs).
    bool Recording = true;

    // Recorded state.
    std::vector<std::string> Log;
    std::vector<TRect> Invalidated;
    bool AllInvalidated = false;
    int Paints = 0;  // UpdateNow calls
    int Scrolls = 0; // ScrollPixels calls
    int LastScrollDX = 0, LastScrollDY = 0;
    bool RedrawOn = true;
    bool BorderShown = true;
    TScrollBarState Bars[2];
    TScrollBarState& Bar(TScrollBarKind Kind) { return Bars[static_cast<int>(Kind)]; }
    const TScrollBarState& Bar(TScrollBarKind Kind) const { return Bars[static_cast<int>(Kind)]; }
    bool CaretExists = false;
    int CaretShowLevel = 0; // > 0: shown
    int CaretWidth = 0, CaretHeight = 0;
    int CaretX = 0, CaretY = 0;
    int CaretCreations = 0;
    int ImeX = -1, ImeY = -1;
    int ImeMoves = 0;
    std::string ImeFontName;
    int ImeFontSize = 0;
    TCursor ControlCursor = crDefault;
    TCursor ScreenCursor = crDefault;
    bool Captured = false;
    int Beeps = 0;

private:
    void Note(const std::string& Entry);
};
