#pragma once
// What a text-view control needs of the window it lives in: invalidation and immediate
// painting, pixel scrolling, the two scroll bars, the caret, the input method's
// composition window, cursors, mouse capture, the keyboard state and the focus.
// The control decides everything; the host only carries the requests to the platform.
#include "base/font.h"
#include "base/platform_values.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TTextViewHost {
public:
    virtual ~TTextViewHost() = default;

    // False until the platform window exists (and after it is gone).
    virtual bool HasWindow() const = 0;
    virtual bool Focused() const = 0;
    virtual void SetFocus() = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // Width of a vertical and height of a horizontal scroll bar.
    virtual int VScrollBarWidth() const = 0;
    virtual int HScrollBarHeight() const = 0;

    // Painting: mark a rectangle (or everything) for painting later; paint what is
    // marked now; scroll Area by (DX, DY) pixels and mark the uncovered part.
    virtual void InvalidateRect(const TRect& Rect) = 0;
    virtual void InvalidateAll() = 0;
    virtual void UpdateNow() = 0;
    virtual void ScrollPixels(int DX, int DY, const TRect& Area) = 0;
    // Turns the platform's redrawing of the window off and on.
    virtual void SetRedraw(bool Value) = 0;

    // Scroll bars: the range Min ... Max, the page size and the thumb position.
    virtual void SetScrollBar(TScrollBarKind Bar, int Min, int Max, int Page, int Pos) = 0;
    virtual void SetScrollPos(TScrollBarKind Bar, int Pos) = 0;
    // The thumb position while it is being dragged.
    virtual int ScrollTrackPos(TScrollBarKind Bar) const = 0;
    // Shows or hides each bar (the window gets a new client size).
    virtual void ShowScrollBars(bool Horizontal, bool Vertical) {}
    // Shows or removes the window's border (a sunken client edge).
    virtual void ShowBorder(bool Visible) {}

    // The caret: exists only between CreateCaret and DestroyCaret; created hidden.
    virtual void CreateCaret(int Width, int Height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void SetCaretPos(int X, int Y) = 0;

    // Moves the input method's composition window to a client point and gives it Font.
    virtual void SetImeWindowPos(int X, int Y, const TFont& Font) = 0;

    // The cursor of the control and the cursor shown on the whole screen (crDefault
    // lets the control's cursor show again).
    virtual void SetControlCursor(TCursor Cursor) = 0;
    virtual void SetScreenCursor(TCursor Cursor) = 0;
    virtual void SetMouseCapture(bool Capture) = 0;

    // The keyboard state at this moment.
    virtual bool CtrlDown() const = 0;
    virtual bool AltDown() const = 0;
    virtual bool ShiftDown() const = 0;

    // The default beep.
    virtual void Beep() = 0;
};
