#include "print/win32/print_dialog_win32.h"

#include "app/win32/common_dialogs_win32.h"
#include "app/win32/dialog_template_win32.h"
#include "print/win32/print_dialog_ids.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>
#include <vector>

namespace {

struct TMarginControl {
    int Edit;
    int UpDown;
    std::string TPrintFormControls::*Text;
};
const TMarginControl Margins[] = {
    {IDC_LEFTMARGIN, IDC_LEFTMARGIN_UPDOWN, &TPrintFormControls::LeftMargin},
    {IDC_RIGHTMARGIN, IDC_RIGHTMARGIN_UPDOWN, &TPrintFormControls::RightMargin},
    {IDC_TOPMARGIN, IDC_TOPMARGIN_UPDOWN, &TPrintFormControls::TopMargin},
    {IDC_BOTTOMMARGIN, IDC_BOTTOMMARGIN_UPDOWN, &TPrintFormControls::BottomMargin},
};

std::string ItemText(HWND Dialog, int Id) { return ControlText(GetDlgItem(Dialog, Id)); }

// A DEVNAMES block naming Printer, for the printer setup dialog to start with.
HGLOBAL DeviceNames(const std::string& Printer) {
    const std::string Driver = "winspool";
    const std::size_t Size = sizeof(DEVNAMES) + Driver.size() + Printer.size() + 3;
    HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, Size);
    if (!Block) return nullptr;
    auto* Names = static_cast<DEVNAMES*>(GlobalLock(Block));
    char* Chars = reinterpret_cast<char*>(Names);
    WORD At = sizeof(DEVNAMES);
    Names->wDriverOffset = At;
    std::memcpy(Chars + At, Driver.c_str(), Driver.size() + 1);
    At = static_cast<WORD>(At + Driver.size() + 1);
    Names->wDeviceOffset = At;
    std::memcpy(Chars + At, Printer.c_str(), Printer.size() + 1);
    At = static_cast<WORD>(At + Printer.size() + 1);
    Names->wOutputOffset = At;
    GlobalUnlock(Block);
    return Block;
}

HGLOBAL DeviceModeCopy(const DEVMODEA* Mode) {
    if (!Mode) return nullptr;
    const std::size_t Size = Mode->dmSize + Mode->dmDriverExtra;
    HGLOBAL Block = GlobalAlloc(GMEM_MOVEABLE, Size);
    if (!Block) return nullptr;
    std::memcpy(GlobalLock(Block), Mode, Size);
    GlobalUnlock(Block);
    return Block;
}

} // namespace

bool TWin32PrintDialog::ShowModal(TPrintForm& Form, int Left, int Top) {
    FForm = &Form;
    FAt = {Left, Top};
    INITCOMMONCONTROLSEX Init = {sizeof Init, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&Init);
    HINSTANCE Instance = GetModuleHandleA(nullptr);
    const INT_PTR Result = DialogBoxParamA(Instance, MAKEINTRESOURCEA(ZEF_PRINT_DIALOG), FOwner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    FForm = nullptr;
    FDialog = nullptr;
    return Result == IDOK;
}

INT_PTR CALLBACK TWin32PrintDialog::DialogProc(HWND Dialog, UINT Message, WPARAM W, LPARAM L) {
    if (Message == WM_INITDIALOG) {
        auto* Self = reinterpret_cast<TWin32PrintDialog*>(L);
        SetWindowLongPtrA(Dialog, DWLP_USER, L);
        Self->FDialog = Dialog;
        Self->InitDialog();
        return TRUE;
    }
    auto* Self = reinterpret_cast<TWin32PrintDialog*>(GetWindowLongPtrA(Dialog, DWLP_USER));
    if (!Self || !Self->FForm) return FALSE;
    if (Message == WM_COMMAND) {
        Self->Command(LOWORD(W), HIWORD(W));
        return TRUE;
    }
    return FALSE;
}

void TWin32PrintDialog::InitDialog() {
    MoveIntoWorkArea(FDialog, FAt.x, FAt.y);
    for (const TMarginControl& M : Margins)
        SendDlgItemMessageA(FDialog, M.UpDown, UDM_SETRANGE32, 0, 100);
    for (int Box : {IDC_HEADERALIGN, IDC_FOOTERALIGN})
        for (const char* Item : AlignItems)
            SendDlgItemMessageA(FDialog, Box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Item));
    ShowControls();
}

void TWin32PrintDialog::ShowControls() {
    FShowing = true;
    const TPrintFormControls& C = FForm->Controls();
    for (const TMarginControl& M : Margins) SetDlgItemTextA(FDialog, M.Edit, (C.*M.Text).c_str());
    CheckDlgButton(FDialog, IDC_COLNUM, C.ColNum ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(FDialog, IDC_HEADERSTR, C.HeaderStr.c_str());
    SetDlgItemTextA(FDialog, IDC_FOOTERSTR, C.FooterStr.c_str());
    SendDlgItemMessageA(FDialog, IDC_HEADERALIGN, CB_SETCURSEL, static_cast<WPARAM>(C.HeaderAlign), 0);
    SendDlgItemMessageA(FDialog, IDC_FOOTERALIGN, CB_SETCURSEL, static_cast<WPARAM>(C.FooterAlign), 0);
    SetDlgItemTextA(FDialog, IDC_PRINTERNAME, C.PrinterName.c_str());
    SetDlgItemTextA(FDialog, IDC_FONTNAME, C.FontName.c_str());
    SetDlgItemTextA(FDialog, IDC_FONTSIZE, std::to_string(C.FontSize).c_str());
    FShowing = false;
    ShowEnabling();
}

void TWin32PrintDialog::ShowEnabling() {
    EnableWindow(GetDlgItem(FDialog, IDC_HEADERSTR), FForm->HeaderEnabled());
    EnableWindow(GetDlgItem(FDialog, IDC_BUTTON3), FForm->HeaderEnabled());
    EnableWindow(GetDlgItem(FDialog, IDC_FOOTERSTR), FForm->FooterEnabled());
    EnableWindow(GetDlgItem(FDialog, IDC_BUTTON4), FForm->FooterEnabled());
    EnableWindow(GetDlgItem(FDialog, IDC_BUTTON7), FForm->ApplyEnabled());
}

void TWin32PrintDialog::ReadControls() {
    TPrintFormControls& C = FForm->Controls();
    for (const TMarginControl& M : Margins) C.*M.Text = ItemText(FDialog, M.Edit);
    C.ColNum = IsDlgButtonChecked(FDialog, IDC_COLNUM) == BST_CHECKED;
    C.HeaderStr = ItemText(FDialog, IDC_HEADERSTR);
    C.FooterStr = ItemText(FDialog, IDC_FOOTERSTR);
    C.HeaderAlign = static_cast<int>(SendDlgItemMessageA(FDialog, IDC_HEADERALIGN, CB_GETCURSEL, 0, 0));
    C.FooterAlign = static_cast<int>(SendDlgItemMessageA(FDialog, IDC_FOOTERALIGN, CB_GETCURSEL, 0, 0));
}

void TWin32PrintDialog::Command(int Id, int Code) {
    switch (Id) {
    case IDC_LEFTMARGIN:
    case IDC_RIGHTMARGIN:
    case IDC_TOPMARGIN:
    case IDC_BOTTOMMARGIN:
    case IDC_HEADERSTR:
    case IDC_FOOTERSTR:
        if (Code != EN_CHANGE || FShowing) return;
        break;
    case IDC_HEADERALIGN:
    case IDC_FOOTERALIGN:
        if (Code != CBN_SELCHANGE) return;
        break;
    case IDC_COLNUM:
        if (Code != BN_CLICKED) return;
        break;
    case IDC_BUTTON3:
        PlaceholderMenu(IDC_BUTTON3, IDC_HEADERSTR);
        return;
    case IDC_BUTTON4:
        PlaceholderMenu(IDC_BUTTON4, IDC_FOOTERSTR);
        return;
    case IDC_BUTTON5:
        ReadControls();
        FForm->PrinterSetupClick();
        ShowControls();
        return;
    case IDC_BUTTON6: {
        ReadControls();
        POINT Origin = {0, 0};
        ClientToScreen(FDialog, &Origin);
        FForm->FontClick(Origin.x, Origin.y);
        ShowControls();
        return;
    }
    case IDC_BUTTON7:
        ReadControls();
        FForm->ApplyClick();
        ShowEnabling();
        return;
    case IDOK:
        ReadControls();
        EndDialog(FDialog, IDOK);
        return;
    case IDCANCEL:
        EndDialog(FDialog, IDCANCEL);
        return;
    default:
        return;
    }
    ReadControls();
    FForm->ControlChanged();
    ShowEnabling();
}

void TWin32PrintDialog::PlaceholderMenu(int Button, int Box) {
    FForm->PlaceholderButtonClick(Box == IDC_HEADERSTR ? TTemplateBox::tbHeader : TTemplateBox::tbFooter);
    std::vector<std::string> Captions;
    for (const TPlaceholderItem& Item : PlaceholderItems) Captions.push_back(Item.Caption);
    const int Chosen = ChoosePlaceholder(FDialog, Button, Captions);
    if (Chosen < 0) return;
    ReadControls();
    int Start = 0, Length = 0;
    EditSelection(FDialog, Box, Start, Length);
    const int Caret = FForm->PlaceholderClick(Chosen, Start, Length);
    ShowControls();
    FocusEditAt(FDialog, Box, Caret);
}

bool TWin32PrintDialog::ExecuteFontDialog(TFontDialogParams& Params) {
    return ExecuteFixedPitchFontDialog(FDialog, Params);
}

bool TWin32PrintDialog::ExecutePrinterSetup() {
    POINT Origin = {0, 0};
    ClientToScreen(FDialog, &Origin);
    PRINTDLGA PD = {};
    PD.lStructSize = sizeof PD;
    PD.hwndOwner = FDialog;
    PD.Flags = PD_PRINTSETUP | PD_ENABLESETUPHOOK;
    PD.lpfnSetupHook = PlacingHook<PRINTDLGA>;
    PD.lCustData = reinterpret_cast<LPARAM>(&Origin);
    const std::string Current = FPrinter.CurrentPrinter();
    if (!Current.empty()) {
        PD.hDevNames = DeviceNames(Current);
        PD.hDevMode = DeviceModeCopy(FPrinter.DeviceMode());
    }
    const bool Ok = PrintDlgA(&PD) != FALSE;
    if (Ok && PD.hDevNames) {
        auto* Names = static_cast<DEVNAMES*>(GlobalLock(PD.hDevNames));
        const std::string Chosen = reinterpret_cast<const char*>(Names) + Names->wDeviceOffset;
        GlobalUnlock(PD.hDevNames);
        const std::vector<std::string> List = FPrinter.Printers();
        for (std::size_t I = 0; I < List.size(); ++I)
            if (List[I] == Chosen) FPrinter.SetPrinterIndex(static_cast<int>(I));
        if (PD.hDevMode) {
            FPrinter.SetDeviceMode(static_cast<const DEVMODEA*>(GlobalLock(PD.hDevMode)));
            GlobalUnlock(PD.hDevMode);
        }
    }
    if (PD.hDevNames) GlobalFree(PD.hDevNames);
    if (PD.hDevMode) GlobalFree(PD.hDevMode);
    return Ok;
}

void TWin32PrintDialog::FocusLeftMargin() {
    HWND Box = GetDlgItem(FDialog, IDC_LEFTMARGIN);
    SendMessageA(FDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Box), TRUE);
}

TWin32Printing::TWin32Printing(HWND Owner, TMainForm& Form, TMainFormHost& Window, TEditor& Editor,
                               TMessageBox& Messages)
    : FDialog(Owner, FCanvas),
      FCommand(TPrintServices{Form, Window, Editor, Messages, FPrinter, FDialog}) {}
