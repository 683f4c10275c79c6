#include "app/external/win32/url_label_win32.h"

#include "platform/win32/win32_colors.h"

#include <commctrl.h>

#include <string>

namespace {

const UINT_PTR SubclassId = 0x5552; // "UR"

} // namespace

TWin32URLLabel::TWin32URLLabel(HWND Control, TURLLabel& Label) : FControl(Control), FLabel(Label) {
    FCursor = LoadCursorA(GetModuleHandleA(nullptr), TURLLabel::CursorName);
    if (!FCursor) FCursor = LoadCursor(nullptr, IDC_HAND);
    // The dialog's font, underlined as links are.
    LOGFONTA Font = {};
    HFONT DialogFont = reinterpret_cast<HFONT>(SendMessageA(Control, WM_GETFONT, 0, 0));
    if (DialogFont && GetObjectA(DialogFont, sizeof Font, &Font)) {
        Font.lfUnderline = TRUE;
        FFont = CreateFontIndirectA(&Font);
        if (FFont) SendMessageA(Control, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), FALSE);
    }
    SetWindowTextA(Control, Label.Caption().c_str());
    // As wide as its caption, so that only the text is the link.
    if (HDC DC = GetDC(Control)) {
        HGDIOBJ Old = SelectObject(DC, FFont ? FFont : DialogFont);
        SIZE Size = {};
        GetTextExtentPoint32A(DC, Label.Caption().c_str(), static_cast<int>(Label.Caption().size()), &Size);
        SelectObject(DC, Old);
        ReleaseDC(Control, DC);
        RECT R;
        GetWindowRect(Control, &R);
        SetWindowPos(Control, nullptr, 0, 0, Size.cx + 2, R.bottom - R.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FLabel.OnRepaint = [this] { InvalidateRect(FControl, nullptr, TRUE); };
    SetWindowSubclass(Control, SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TWin32URLLabel::~TWin32URLLabel() {
    FLabel.OnRepaint = nullptr;
    if (IsWindow(FControl)) RemoveWindowSubclass(FControl, SubclassProc, SubclassId);
    if (FFont) DeleteObject(FFont);
}

HBRUSH TWin32URLLabel::ColorStatic(HDC DC) {
    SetTextColor(DC, ToColorRef(FLabel.TextColor()));
    SetBkMode(DC, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool TWin32URLLabel::MouseInside() const {
    POINT P;
    GetCursorPos(&P);
    RECT R;
    GetWindowRect(FControl, &R);
    return PtInRect(&R, P) != 0;
}

LRESULT CALLBACK TWin32URLLabel::SubclassProc(HWND Window, UINT Message, WPARAM W, LPARAM L, UINT_PTR,
                                              DWORD_PTR Data) {
    return reinterpret_cast<TWin32URLLabel*>(Data)->Handle(Message, W, L);
}

LRESULT TWin32URLLabel::Handle(UINT Message, WPARAM W, LPARAM L) {
    switch (Message) {
    case WM_SETCURSOR:
        SetCursor(FCursor);
        return TRUE;
    case WM_MOUSEMOVE:
        if (!FTracking && GetCapture() != FControl) {
            TRACKMOUSEEVENT Track = {sizeof Track, TME_LEAVE, FControl, 0};
            FTracking = TrackMouseEvent(&Track) != 0;
            FLabel.MouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        FTracking = false;
        if (GetCapture() != FControl) FLabel.MouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(FControl);
        FLabel.MouseDown();
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == FControl) {
            ReleaseCapture();
            FLabel.MouseUp(MouseInside());
        }
        return 0;
    default:
        break;
    }
    return DefSubclassProc(FControl, Message, W, L);
}
