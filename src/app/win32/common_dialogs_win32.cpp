#include "app/win32/common_dialogs_win32.h"

#include <commdlg.h>

void MoveIntoWorkArea(HWND Window, int X, int Y) {
    RECT R;
    GetWindowRect(Window, &R);
    RECT Work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
    if (X + (R.right - R.left) > Work.right) X = Work.right - (R.right - R.left);
    if (Y + (R.bottom - R.top) > Work.bottom) Y = Work.bottom - (R.bottom - R.top);
    if (X < Work.left) X = Work.left;
    if (Y < Work.top) Y = Work.top;
    SetWindowPos(Window, nullptr, X, Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ExecuteFixedPitchFontDialog(HWND Owner, TFontDialogParams& Params) {
    LOGFONTA Font = {};
    HDC DC = GetDC(Owner);
    Font.lfHeight = -MulDiv(Params.Size, GetDeviceCaps(DC, LOGPIXELSY), 72);
    ReleaseDC(Owner, DC);
    Font.lfCharSet = DEFAULT_CHARSET;
    Font.lfWeight = FW_NORMAL;
    lstrcpynA(Font.lfFaceName, Params.Name.c_str(), LF_FACESIZE);
    POINT At = {Params.Left, Params.Top};
    CHOOSEFONTA C = {};
    C.lStructSize = sizeof C;
    C.hwndOwner = Owner;
    C.lpLogFont = &Font;
    C.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY | CF_SCRIPTSONLY |
              CF_FORCEFONTEXIST | CF_ENABLEHOOK;
    C.lpfnHook = PlacingHook<CHOOSEFONTA>;
    C.lCustData = reinterpret_cast<LPARAM>(&At);
    if (!ChooseFontA(&C)) return false;
    Params.Name = Font.lfFaceName;
    Params.Size = C.iPointSize / 10;
    return true;
}
