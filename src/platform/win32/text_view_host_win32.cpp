#include "platform/win32/text_view_host_win32.h"

#include "platform/win32/canvas_win32.h"
#include "platform/win32/win32_colors.h"

#include <imm.h>

HCURSOR CursorHandle(TCursor Cursor) {
    HINSTANCE Exe = GetModuleHandleA(nullptr);
    switch (Cursor) {
    case crRightArrow:
        return LoadCursorA(Exe, "RightArrow");
    case crCopyDrop:
        return LoadCursorA(Exe, "CopyDrop");
    case crDrag: {
        // Windows has no stock drag cursor: the program's own (an arrow with a box).
        HCURSOR Drag = LoadCursorA(Exe, "Drag");
        return Drag ? Drag : LoadCursor(nullptr, IDC_ARROW);
    }
    case crArrow:
    case crDefault:
        return LoadCursor(nullptr, IDC_ARROW);
    case crIBeam:
        return LoadCursor(nullptr, IDC_IBEAM);
    case crNoDrop:
        return LoadCursor(nullptr, IDC_NO);
    case -3:
        return LoadCursor(nullptr, IDC_CROSS);
    case -11:
        return LoadCursor(nullptr, IDC_WAIT);
    case -21:
        return LoadCursor(nullptr, IDC_HAND);
    default:
        return LoadCursor(nullptr, IDC_ARROW);
    }
}

void TWin32TextViewHost::SetFocus() {
    if (FWindow) ::SetFocus(FWindow);
}

int TWin32TextViewHost::ClientWidth() const {
    RECT R = {};
    if (FWindow) GetClientRect(FWindow, &R);
    return R.right;
}

int TWin32TextViewHost::ClientHeight() const {
    RECT R = {};
    if (FWindow) GetClientRect(FWindow, &R);
    return R.bottom;
}

void TWin32TextViewHost::InvalidateRect(const TRect& Rect) {
    RECT R = {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    ::InvalidateRect(FWindow, &R, FALSE);
}

void TWin32TextViewHost::InvalidateAll() {
    ::InvalidateRect(FWindow, nullptr, FALSE);
}

void TWin32TextViewHost::UpdateNow() {
    UpdateWindow(FWindow);
}

void TWin32TextViewHost::ScrollPixels(int DX, int DY, const TRect& Area) {
    RECT R = {Area.Left, Area.Top, Area.Right, Area.Bottom};
    ScrollWindowEx(FWindow, DX, DY, &R, &R, nullptr, nullptr, SW_INVALIDATE);
    UpdateWindow(FWindow);
}

void TWin32TextViewHost::SetRedraw(bool Value) {
    SendMessageA(FWindow, WM_SETREDRAW, Value ? TRUE : FALSE, 0);
    if (Value) ::InvalidateRect(FWindow, nullptr, FALSE);
}

void TWin32TextViewHost::SetScrollBar(TScrollBarKind Bar, int Min, int Max, int Page, int Pos) {
    SCROLLINFO SI = {};
    SI.cbSize = sizeof SI;
    SI.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    SI.nMin = Min;
    SI.nMax = Max;
    SI.nPage = static_cast<UINT>(Page < 0 ? 0 : Page);
    SI.nPos = Pos;
    SetScrollInfo(FWindow, Bar == TScrollBarKind::sbVertical ? SB_VERT : SB_HORZ, &SI, TRUE);
}

void TWin32TextViewHost::SetScrollPos(TScrollBarKind Bar, int Pos) {
    ::SetScrollPos(FWindow, Bar == TScrollBarKind::sbVertical ? SB_VERT : SB_HORZ, Pos, TRUE);
}

int TWin32TextViewHost::ScrollTrackPos(TScrollBarKind Bar) const {
    SCROLLINFO SI = {};
    SI.cbSize = sizeof SI;
    SI.fMask = SIF_TRACKPOS;
    GetScrollInfo(FWindow, Bar == TScrollBarKind::sbVertical ? SB_VERT : SB_HORZ, &SI);
    return SI.nTrackPos;
}

void TWin32TextViewHost::ShowScrollBars(bool Horizontal, bool Vertical) {
    ShowScrollBar(FWindow, SB_HORZ, Horizontal ? TRUE : FALSE);
    ShowScrollBar(FWindow, SB_VERT, Vertical ? TRUE : FALSE);
}

void TWin32TextViewHost::ShowBorder(bool Visible) {
    LONG_PTR Ex = GetWindowLongPtrA(FWindow, GWL_EXSTYLE);
    Ex = Visible ? (Ex | WS_EX_CLIENTEDGE) : (Ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrA(FWindow, GWL_EXSTYLE, Ex);
    // The frame is computed again, so the client area grows or shrinks by the edge.
    SetWindowPos(FWindow, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWin32TextViewHost::CreateCaret(int Width, int Height) {
    FCaretExists = ::CreateCaret(FWindow, nullptr, Width, Height) != 0;
}

void TWin32TextViewHost::DestroyCaret() {
    if (FCaretExists) ::DestroyCaret();
    FCaretExists = false;
}

void TWin32TextViewHost::ShowCaret() {
    if (FCaretExists) ::ShowCaret(FWindow);
}

void TWin32TextViewHost::HideCaret() {
    if (FCaretExists) ::HideCaret(FWindow);
}

void TWin32TextViewHost::SetCaretPos(int X, int Y) {
    if (FCaretExists) ::SetCaretPos(X, Y);
}

void TWin32TextViewHost::SetImeWindowPos(int X, int Y, const TFont& Font) {
    HIMC Imc = ImmGetContext(FWindow);
    if (!Imc) return;
    LOGFONTA LF = LogFontOf(Font, Font.Style());
    ImmSetCompositionFontA(Imc, &LF);
    COMPOSITIONFORM CF = {};
    CF.dwStyle = CFS_POINT;
    CF.ptCurrentPos.x = X;
    CF.ptCurrentPos.y = Y;
    ImmSetCompositionWindow(Imc, &CF);
    ImmReleaseContext(FWindow, Imc);
}

void TWin32TextViewHost::ApplyCursor() const {
    SetCursor(CursorHandle(FScreenCursor != crDefault ? FScreenCursor : FControlCursor));
}

void TWin32TextViewHost::SetControlCursor(TCursor Cursor) {
    FControlCursor = Cursor;
    POINT P;
    if (FWindow && GetCursorPos(&P) && WindowFromPoint(P) == FWindow) ApplyCursor();
}

void TWin32TextViewHost::SetScreenCursor(TCursor Cursor) {
    FScreenCursor = Cursor;
    SetCursor(CursorHandle(Cursor != crDefault ? Cursor : FControlCursor));
}

void TWin32TextViewHost::SetMouseCapture(bool Capture) {
    if (Capture)
        SetCapture(FWindow);
    else if (GetCapture() == FWindow)
        ReleaseCapture();
}
