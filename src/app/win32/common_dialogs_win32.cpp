#include "app/win32/common_dialogs_win32.h"

#include <commdlg.h>

#include <string>

namespace {

// "name|patterns|..." with every "|" a NUL, ended by two NULs.
std::string DialogFilter(const std::string& Filter) {
    std::string Result = Filter;
    for (char& C : Result)
        if (C == '|') C = '\0';
    return Result + std::string(2, '\0');
}

} // namespace

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

bool RunFileDialog(HWND Owner, TFileDialogParams& Params, bool Save, const char* Title) {
    char Name[MAX_PATH * 4] = "";
    lstrcpynA(Name, Params.FileName.c_str(), sizeof Name);
    const std::string Filter = DialogFilter(Params.Filter);
    OPENFILENAMEA O = {};
    O.lStructSize = sizeof O;
    O.hwndOwner = Owner;
    O.lpstrFilter = Filter.c_str();
    O.nFilterIndex = static_cast<DWORD>(Params.FilterIndex);
    O.lpstrTitle = Title;
    O.lpstrFile = Name;
    O.nMaxFile = sizeof Name;
    O.lpstrInitialDir = Params.InitialDir.empty() ? nullptr : Params.InitialDir.c_str();
    O.lpstrDefExt = Params.DefaultExt.empty() ? nullptr : Params.DefaultExt.c_str();
    O.Flags = OFN_EXPLORER | OFN_HIDEREADONLY |
              (Save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!(Save ? GetSaveFileNameA(&O) : GetOpenFileNameA(&O))) return false;
    Params.FileName = Name;
    Params.FilterIndex = static_cast<int>(O.nFilterIndex);
    return true;
}

int ChoosePlaceholder(HWND Dialog, int Button, const std::vector<std::string>& Captions) {
    const UINT First = 1;
    HMENU Menu = CreatePopupMenu();
    for (std::size_t I = 0; I < Captions.size(); ++I)
        AppendMenuA(Menu, MF_STRING, First + I, Captions[I].c_str());
    RECT R;
    GetWindowRect(GetDlgItem(Dialog, Button), &R);
    const int Chosen = static_cast<int>(
        TrackPopupMenu(Menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, R.right, R.top, 0, Dialog, nullptr));
    DestroyMenu(Menu);
    return Chosen >= static_cast<int>(First) ? Chosen - static_cast<int>(First) : -1;
}

void EditSelection(HWND Dialog, int Box, int& Start, int& Length) {
    DWORD From = 0, To = 0;
    SendDlgItemMessageA(Dialog, Box, EM_GETSEL, reinterpret_cast<WPARAM>(&From), reinterpret_cast<LPARAM>(&To));
    Start = static_cast<int>(From);
    Length = static_cast<int>(To - From);
}

void FocusEditAt(HWND Dialog, int Box, int Caret) {
    SetFocus(GetDlgItem(Dialog, Box));
    SendDlgItemMessageA(Dialog, Box, EM_SETSEL, static_cast<WPARAM>(Caret), Caret);
}
