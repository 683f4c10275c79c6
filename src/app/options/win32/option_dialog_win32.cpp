#include "app/options/win32/option_dialog_win32.h"

#include "app/win32/common_dialogs_win32.h"
#include "app/win32/dialog_template_win32.h"
#include "app/options/win32/option_dialog_ids.h"

#include <commctrl.h>
#include <commdlg.h>
#include <uxtheme.h>

#include <algorithm>
#include <vector>

namespace {

using K = TOptionControlKind;

const int TabId = OptionTabId, ApplyId = OptionApplyId, FirstId = OptionFirstId, UpDownOffset = OptionUpDownOffset;

const char* const DialogFont = "ＭＳ Ｐゴシック";
const int DialogPointSize = 9;

const std::vector<TOptionControl>& Controls() { return OptionFormControls(); }

int IdOf(std::size_t Index) { return FirstId + static_cast<int>(Index); }

bool HasUpDown(K Kind) { return Kind == K::ocNumber || Kind == K::ocWrapCombo; }

const DWORD UpDownStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

TDialogTemplate BuildTemplate() {
    const TOptionFormFrame& F = OptionFormFrame;
    TDialogTemplate T("オプション", F.Width, F.Height, DialogPointSize, DialogFont);
    T.Add(WC_TABCONTROLA, "", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, F.TabX, F.TabY, F.TabW, F.TabH, TabId);
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        const int Id = IdOf(I);
        switch (C.Kind) {
        case K::ocGroup:
            T.Add("BUTTON", C.Caption, BS_GROUPBOX, C.X, C.Y, C.W, C.H, Id);
            break;
        case K::ocLabel:
            T.Add("STATIC", C.Caption, SS_LEFT, C.X, C.Y, C.W, C.H, Id);
            break;
        case K::ocText:
            T.Add("STATIC", "", SS_LEFT | SS_NOPREFIX | (C.H > 8 ? SS_CENTERIMAGE | SS_SUNKEN : 0), C.X, C.Y, C.W,
                  C.H, Id);
            break;
        case K::ocCheck:
            T.Add("BUTTON", C.Caption, BS_AUTOCHECKBOX | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id);
            break;
        case K::ocEdit:
            T.Add("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id, WS_EX_CLIENTEDGE);
            break;
        case K::ocNumber:
            T.Add("EDIT", "", ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id, WS_EX_CLIENTEDGE);
            T.Add(UPDOWN_CLASSA, "", UpDownStyle, 0, 0, 0, 0, Id + UpDownOffset);
            break;
        case K::ocList:
            T.Add("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id);
            break;
        case K::ocWrapCombo:
            T.Add("COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id);
            T.Add(UPDOWN_CLASSA, "", UpDownStyle, 0, 0, 0, 0, Id + UpDownOffset);
            break;
        case K::ocButton:
            T.Add("BUTTON", C.Caption, BS_PUSHBUTTON | WS_TABSTOP, C.X, C.Y, C.W, C.H, Id);
            break;
        case K::ocColorList:
        case K::ocToolList:
            T.Add(WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, C.X, C.Y, C.W,
                  C.H, Id, WS_EX_CLIENTEDGE);
            break;
        case K::ocSwatch:
            T.Add("STATIC", "", SS_LEFT, C.X, C.Y, C.W, C.H, Id, WS_EX_CLIENTEDGE);
            break;
        }
    }
    const int Right = F.TabX + F.TabW;
    const int Gap = 6;
    T.Add("BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, Right - 3 * F.ButtonW - 2 * Gap, F.ButtonY,
          F.ButtonW, F.ButtonH, IDOK);
    T.Add("BUTTON", "キャンセル", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, Right - 2 * F.ButtonW - Gap, F.ButtonY,
          F.ButtonW, F.ButtonH, IDCANCEL);
    T.Add("BUTTON", "反映のみ(&A)", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, Right - F.ButtonW, F.ButtonY, F.ButtonW,
          F.ButtonH, ApplyId);
    return T;
}

void SetColumns(HWND List, const std::vector<std::string>& Captions, const std::vector<int>& Widths) {
    for (std::size_t I = 0; I < Captions.size(); ++I) {
        LVCOLUMNA Column = {};
        Column.mask = LVCF_TEXT | LVCF_WIDTH;
        Column.pszText = const_cast<char*>(Captions[I].c_str());
        Column.cx = Widths[I];
        SendMessageA(List, LVM_INSERTCOLUMNA, I, reinterpret_cast<LPARAM>(&Column));
    }
}

// The rows of a list view: Rows[i][j] is cell j of row i; Selected gets the focus mark.
void SetRows(HWND List, const std::vector<std::vector<std::string>>& Rows, int Selected) {
    SendMessageA(List, WM_SETREDRAW, FALSE, 0);
    const int Count = static_cast<int>(SendMessageA(List, LVM_GETITEMCOUNT, 0, 0));
    for (int I = Count; I > static_cast<int>(Rows.size()); --I) SendMessageA(List, LVM_DELETEITEM, I - 1, 0);
    for (std::size_t I = 0; I < Rows.size(); ++I) {
        for (std::size_t J = 0; J < Rows[I].size(); ++J) {
            LVITEMA Item = {};
            Item.mask = LVIF_TEXT;
            Item.iItem = static_cast<int>(I);
            Item.iSubItem = static_cast<int>(J);
            Item.pszText = const_cast<char*>(Rows[I][J].c_str());
            if (J == 0 && static_cast<int>(I) >= Count)
                SendMessageA(List, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Item));
            else
                SendMessageA(List, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&Item));
        }
        LVITEMA State = {};
        State.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        State.state = static_cast<int>(I) == Selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        SendMessageA(List, LVM_SETITEMSTATE, I, reinterpret_cast<LPARAM>(&State));
    }
    if (Selected >= 0) SendMessageA(List, LVM_ENSUREVISIBLE, static_cast<WPARAM>(Selected), FALSE);
    SendMessageA(List, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(List, nullptr, TRUE);
}

LRESULT CALLBACK PageBackground(HWND Window, UINT Message, WPARAM W, LPARAM L, UINT_PTR, DWORD_PTR) {
    if (Message == WM_ERASEBKGND) {
        RECT Client;
        GetClientRect(Window, &Client);
        FillRect(reinterpret_cast<HDC>(W), &Client, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    if (Message == WM_NCDESTROY) RemoveWindowSubclass(Window, PageBackground, 0);
    return DefSubclassProc(Window, Message, W, L);
}

std::size_t IndexOf(const std::string& Name) { return static_cast<std::size_t>(OptionControlIndex(Name)); }

} // namespace

TWin32OptionDialog::~TWin32OptionDialog() {
    if (FSwatch) DeleteObject(FSwatch);
}

TOptionResult TWin32OptionDialog::ShowModal(TOptionForm& Form, int Left, int Top, int Page) {
    FForm = &Form;
    FAt = {Left, Top};
    FPage = Page >= 0 && Page < OptionPageCount ? Page : 0;
    const INT_PTR Result = ShowModalTemplate(BuildTemplate(), FOwner,
                                             ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES, *this);
    FForm = nullptr;
    FDialog = nullptr;
    switch (Result) {
    case IDOK: return TOptionResult::orOk;
    case ApplyId: return TOptionResult::orApply;
    default: return TOptionResult::orCancel;
    }
}

HWND TWin32OptionDialog::Item(std::size_t Index) const { return GetDlgItem(FDialog, IdOf(Index)); }

INT_PTR TWin32OptionDialog::Handle(UINT Message, WPARAM W, LPARAM L) {
    if (!FForm) return FALSE;
    switch (Message) {
    case WM_COMMAND:
        Command(LOWORD(W), HIWORD(W), reinterpret_cast<HWND>(L));
        return TRUE;
    case WM_NOTIFY:
        Notify(*reinterpret_cast<const NMHDR*>(L));
        return TRUE;
    case WM_VSCROLL: {
        // An up-down has set its buddy's text: a combo box buddy sends no change of its own.
        const std::size_t Wrap = IndexOf("WrapCount");
        if (reinterpret_cast<HWND>(L) == GetDlgItem(FDialog, IdOf(Wrap) + UpDownOffset) && !FShowing) {
            FForm->SetText("WrapCount", ControlText(Item(Wrap)));
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(L) == Item(IndexOf("Swatch")) && FSwatch) return reinterpret_cast<INT_PTR>(FSwatch);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR TWin32OptionDialog::InitDialog(HWND Dialog) {
    FDialog = Dialog;
    MoveIntoWorkArea(FDialog, FAt.x, FAt.y);
    HWND Tab = GetDlgItem(FDialog, TabId);
    // The pages in the dialog's colour, that of its labels and check boxes: a themed tab
    // control paints them in a colour of its own.
    SetWindowTheme(Tab, L" ", L" ");
    SetWindowSubclass(Tab, PageBackground, 0, 0);
    for (int P = 0; P < OptionPageCount; ++P) {
        TCITEMA Page = {};
        Page.mask = TCIF_TEXT;
        Page.pszText = const_cast<char*>(OptionPageCaptions[P]);
        SendMessageA(Tab, TCM_INSERTITEMA, static_cast<WPARAM>(P), reinterpret_cast<LPARAM>(&Page));
    }
    RECT Unit = {0, 0, 4, 8};
    MapDialogRect(FDialog, &Unit); // pixels per 4 horizontal and 8 vertical dialog units
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        HWND Window = Item(I);
        if (HasUpDown(C.Kind)) {
            HWND UpDown = GetDlgItem(FDialog, IdOf(I) + UpDownOffset);
            SendMessageA(UpDown, UDM_SETRANGE32, static_cast<WPARAM>(C.Min), C.Max);
            UDACCEL Accel = {0, static_cast<UINT>(C.Step)};
            SendMessageA(UpDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&Accel));
        }
        if (C.Kind == K::ocList)
            for (const std::string& Text : C.Items)
                SendMessageA(Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text.c_str()));
        if (C.Kind == K::ocColorList || C.Kind == K::ocToolList) {
            SendMessageA(Window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
            RECT Client;
            GetClientRect(Window, &Client);
            const int Width = Client.right - GetSystemMetrics(SM_CXVSCROLL);
            if (C.Kind == K::ocColorList) {
                SetColumns(Window, C.Items, {Width * 64 / 100, Width - Width * 64 / 100});
            } else {
                const int U = Unit.right; // four dialog units
                SetColumns(Window, C.Items, {U * 14, U * 20, U * 24, U * 18, U * 20, U * 14});
            }
            std::vector<std::vector<std::string>> Rows;
            if (C.Kind == K::ocColorList)
                for (const TColorRowInfo& Row : ColorRows) Rows.push_back({Row.Caption, ""});
            SetRows(Window, Rows, -1);
        }
    }
    SendMessageA(Tab, TCM_SETCURSEL, static_cast<WPARAM>(FPage), 0);
    ShowControls();
    ShowPage(FPage, true);
    return FALSE; // ShowPage has set the focus
}

void TWin32OptionDialog::ShowPage(int Page, bool Focus) {
    FPage = Page;
    if (Page == 2) FForm->ColorPageShow();
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        const int Show = C.Page == Page ? SW_SHOW : SW_HIDE;
        ShowWindow(Item(I), Show);
        if (HasUpDown(C.Kind)) ShowWindow(GetDlgItem(FDialog, IdOf(I) + UpDownOffset), Show);
    }
    ShowControls();
    if (!Focus) return;
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        HWND Window = Item(I);
        if (C.Page != Page || !Window || !(GetWindowLongPtrA(Window, GWL_STYLE) & WS_TABSTOP) ||
            !IsWindowEnabled(Window))
            continue;
        SendMessageA(FDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Window), TRUE);
        break;
    }
}

void TWin32OptionDialog::ShowControls() {
    FShowing = true;
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        HWND Window = Item(I);
        const std::string Name = C.Name;
        switch (C.Kind) {
        case K::ocCheck:
            SendMessageA(Window, BM_SETCHECK, FForm->Checked(Name) ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case K::ocEdit:
        case K::ocNumber:
            if (ControlText(Window) != FForm->Text(Name)) SetWindowTextA(Window, FForm->Text(Name).c_str());
            break;
        case K::ocList: {
            const int Count = static_cast<int>(C.Items.size());
            // An index the list does not hold shows its last entry (a tab index above 3 is 8).
            const int Index = std::min(FForm->ItemIndex(Name), Count - 1);
            SendMessageA(Window, CB_SETCURSEL, static_cast<WPARAM>(Index), 0);
            break;
        }
        case K::ocWrapCombo: {
            SendMessageA(Window, CB_RESETCONTENT, 0, 0);
            for (int Width : FForm->WrapWidths())
                SendMessageA(Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(Width).c_str()));
            SetWindowTextA(Window, FForm->Text(Name).c_str());
            break;
        }
        case K::ocText:
            SetWindowTextA(Window, (Name == "FontText" ? FForm->FontText() : FForm->NkfText()).c_str());
            break;
        case K::ocColorList: {
            std::vector<std::vector<std::string>> Rows;
            for (std::size_t R = 0; R < FForm->ColorList().size(); ++R)
                Rows.push_back({ColorRows[R].Caption, FForm->ColorList()[R].Color});
            SetRows(Window, Rows, FForm->SelectedColorRow());
            break;
        }
        case K::ocToolList: {
            std::vector<std::vector<std::string>> Rows;
            for (const TToolItem& Tool : FForm->Tools()) Rows.push_back(ToolRowTexts(Tool));
            SetRows(Window, Rows, FForm->SelectedTool());
            break;
        }
        case K::ocSwatch:
            if (!FSwatch || FSwatchColor != FForm->SwatchColor()) {
                if (FSwatch) DeleteObject(FSwatch);
                FSwatchColor = FForm->SwatchColor();
                FSwatch = CreateSolidBrush(static_cast<COLORREF>(FSwatchColor));
                InvalidateRect(Window, nullptr, TRUE);
            }
            break;
        default:
            break;
        }
    }
    FShowing = false;
    ShowEnabling();
}

void TWin32OptionDialog::ShowEnabling() {
    for (std::size_t I = 0; I < Controls().size(); ++I) {
        const TOptionControl& C = Controls()[I];
        if (!*C.Name) continue;
        const BOOL Enabled = FForm->Enabled(C.Name) ? TRUE : FALSE;
        EnableWindow(Item(I), Enabled);
        if (HasUpDown(C.Kind)) EnableWindow(GetDlgItem(FDialog, IdOf(I) + UpDownOffset), Enabled);
    }
}

void TWin32OptionDialog::Command(int Id, int Code, HWND Control) {
    if (Id == IDOK || Id == ApplyId || Id == IDCANCEL) {
        EndDialog(FDialog, Id);
        return;
    }
    if (Id < FirstId || Id >= FirstId + static_cast<int>(Controls().size()) || FShowing) return;
    const std::size_t Index = static_cast<std::size_t>(Id - FirstId);
    const TOptionControl& C = Controls()[Index];
    const std::string Name = C.Name;
    switch (C.Kind) {
    case K::ocCheck:
        if (Code != BN_CLICKED) return;
        FForm->SetChecked(Name, SendMessageA(Control, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case K::ocEdit:
        if (Code != EN_CHANGE) return;
        FForm->SetText(Name, ControlText(Control));
        return; // no rule follows an edit box
    case K::ocNumber:
        if (Code == EN_CHANGE) {
            FForm->SetText(Name, ControlText(Control));
            return;
        }
        if (Code != EN_KILLFOCUS) return;
        FForm->SetNumber(Name, FForm->Number(Name)); // the box shows the up-down's value
        break;
    case K::ocList:
        if (Code != CBN_SELCHANGE) return;
        FForm->SetItemIndex(Name, static_cast<int>(SendMessageA(Control, CB_GETCURSEL, 0, 0)));
        break;
    case K::ocWrapCombo:
        if (Code == CBN_EDITCHANGE) {
            FForm->SetText(Name, ControlText(Control));
            return;
        }
        if (Code == CBN_SELCHANGE) {
            FForm->WrapWidthSelected(static_cast<int>(SendMessageA(Control, CB_GETCURSEL, 0, 0)));
            return; // the box sets its text after this notification
        }
        if (Code != CBN_KILLFOCUS) return;
        FForm->WrapCountExit();
        break;
    case K::ocButton:
        if (Code != BN_CLICKED) return;
        ButtonClick(Name);
        break;
    default:
        return;
    }
    ShowControls();
}

void TWin32OptionDialog::ButtonClick(const std::string& Name) {
    if (Name == "NowWidth") FForm->NowWidthClick();
    else if (Name == "AddWidth") FForm->AddWidthClick();
    else if (Name == "DeleteWidth") FForm->DeleteWidthClick();
    else if (Name == "FontButton") FForm->FontClick();
    else if (Name == "CurrentSize") FForm->CurrentSizeClick();
    else if (Name == "CurrentPos") FForm->CurrentPosClick();
    else if (Name == "IeBrowse") FForm->BrowseClick("IePath");
    else if (Name == "NnBrowse") FForm->BrowseClick("NnPath");
    else if (Name == "ColorButton") FForm->ColorClick();
    else if (Name == "KeywordEdit") FForm->KeywordEditClick();
    else if (Name == "ResetColors") FForm->ResetColorsClick();
    else if (Name == "ToolAdd") FForm->AddToolClick();
    else if (Name == "ToolEdit") FForm->EditToolClick();
    else if (Name == "ToolDelete") FForm->DeleteToolClick();
    else if (Name == "ToolUp") FForm->ToolUpClick();
    else if (Name == "ToolDown") FForm->ToolDownClick();
}

void TWin32OptionDialog::Notify(const NMHDR& Header) {
    if (Header.idFrom == TabId && Header.code == TCN_SELCHANGE) {
        ShowPage(static_cast<int>(SendMessageA(Header.hwndFrom, TCM_GETCURSEL, 0, 0)), false);
        return;
    }
    const int Id = static_cast<int>(Header.idFrom);
    if (Id < FirstId || Id >= FirstId + static_cast<int>(Controls().size()) || FShowing) return;
    const TOptionControl& C = Controls()[static_cast<std::size_t>(Id - FirstId)];
    if (C.Kind != K::ocColorList && C.Kind != K::ocToolList) return;
    const bool Colors = C.Kind == K::ocColorList;
    if (Header.code == LVN_ITEMCHANGED) {
        const auto& Change = reinterpret_cast<const NMLISTVIEW&>(Header);
        if (!(Change.uChanged & LVIF_STATE) || !(Change.uNewState & LVIS_SELECTED) ||
            (Change.uOldState & LVIS_SELECTED))
            return;
        if (Colors) FForm->SelectColorRow(Change.iItem);
        else FForm->SelectTool(Change.iItem);
    } else if (Header.code == NM_DBLCLK) {
        if (Colors) FForm->ColorClick();
        else FForm->EditToolClick();
    } else {
        return;
    }
    ShowControls();
}

void TWin32OptionDialog::ClientOrigin(int& Left, int& Top) {
    POINT Origin = {0, 0};
    ClientToScreen(FDialog, &Origin);
    Left = Origin.x;
    Top = Origin.y;
}

bool TWin32OptionDialog::ExecuteFontDialog(TFontDialogParams& Params) {
    return ExecuteFixedPitchFontDialog(FDialog, Params);
}

bool TWin32OptionDialog::ExecuteColorDialog(TColor& Color, int Left, int Top) {
    POINT At = {Left, Top};
    CHOOSECOLORA C = {};
    C.lStructSize = sizeof C;
    C.hwndOwner = FDialog;
    C.rgbResult = static_cast<COLORREF>(Color);
    C.lpCustColors = FCustomColors;
    C.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    C.lpfnHook = PlacingHook<CHOOSECOLORA>;
    C.lCustData = reinterpret_cast<LPARAM>(&At);
    if (!ChooseColorA(&C)) return false;
    Color = static_cast<TColor>(C.rgbResult);
    return true;
}

bool TWin32OptionDialog::ExecuteOpenDialog(const std::string& Title, TFileDialogParams& Params) {
    return RunFileDialog(FDialog, Params, false, Title.c_str());
}

bool TWin32OptionDialog::ExecuteToolDialog(TToolItem& Tool) {
    POINT Origin = {0, 0};
    ClientToScreen(Item(IndexOf("ToolList")), &Origin);
    return FToolDialog.Execute(FDialog, Tool, Origin.x, Origin.y);
}
