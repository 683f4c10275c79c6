#include "search/win32/search_dialogs_win32.h"

#include "platform/win32/window_binding.h"
#include "search/search_forms.h"
#include "search/win32/search_resource.h"

#include <string>
#include <vector>

namespace {

const char* const EscCaption = "\\n=改行, \\t=TAB, \\\\=\\(&E)";

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

std::string ControlText(HWND Dialog, int Id) {
    HWND Control = GetDlgItem(Dialog, Id);
    const int Length = GetWindowTextLengthA(Control);
    std::string Text(static_cast<std::size_t>(Length) + 1, '\0');
    GetWindowTextA(Control, &Text[0], Length + 1);
    Text.resize(static_cast<std::size_t>(Length));
    return Text;
}

// A combo box's text after a choice from its list (the edit part is not yet updated).
std::string ChosenText(HWND Dialog, int Id) {
    HWND Combo = GetDlgItem(Dialog, Id);
    const LRESULT Index = SendMessageA(Combo, CB_GETCURSEL, 0, 0);
    if (Index == CB_ERR) return ControlText(Dialog, Id);
    const LRESULT Length = SendMessageA(Combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(Index), 0);
    std::string Text(static_cast<std::size_t>(Length) + 1, '\0');
    SendMessageA(Combo, CB_GETLBTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Text[0]));
    Text.resize(static_cast<std::size_t>(Length));
    return Text;
}

void FillCombo(HWND Dialog, int Id, const std::vector<std::string>& Items, const std::string& Text) {
    HWND Combo = GetDlgItem(Dialog, Id);
    SendMessageA(Combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& Item : Items)
        SendMessageA(Combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Item.c_str()));
    SetWindowTextA(Combo, Text.c_str());
}

bool Checked(HWND Dialog, int Id) { return IsDlgButtonChecked(Dialog, Id) == BST_CHECKED; }
void Check(HWND Dialog, int Id, bool Value) {
    CheckDlgButton(Dialog, Id, Value ? BST_CHECKED : BST_UNCHECKED);
}

// The find and the replace dialog: one procedure over the controls they share.
struct TSearchDialogState {
    TWin32SearchDialogs* Owner;
    TSearchFormBase* Form;
    TFormReplace* Replace; // null in the find dialog
};

void ShowForm(HWND D, TSearchDialogState& S) {
    TSearchFormBase& F = *S.Form;
    SetDlgItemTextA(D, IDC_ESC, EscCaption);
    FillCombo(D, IDC_COMBOBOX1, F.Items, F.Text);
    Check(D, F.Direction == 0 ? IDC_UP : IDC_DOWN, true);
    Check(D, IDC_MATCHCASE, F.MatchCase);
    Check(D, IDC_WHOLEWORD, F.WholeWord);
    Check(D, IDC_ESC, F.Esc);
    if (S.Replace) {
        FillCombo(D, IDC_COMBOBOX2, S.Replace->ReplaceItems, S.Replace->ReplaceText);
        Check(D, IDC_REPLACECONFIRM, S.Replace->ReplaceConfirm);
    }
}

void ReadForm(HWND D, TSearchDialogState& S) {
    TSearchFormBase& F = *S.Form;
    F.Text = ControlText(D, IDC_COMBOBOX1);
    F.Direction = Checked(D, IDC_UP) ? 0 : 1;
    F.MatchCase = Checked(D, IDC_MATCHCASE);
    F.WholeWord = Checked(D, IDC_WHOLEWORD);
    F.Esc = Checked(D, IDC_ESC);
    if (S.Replace) {
        S.Replace->ReplaceText = ControlText(D, IDC_COMBOBOX2);
        S.Replace->ReplaceConfirm = Checked(D, IDC_REPLACECONFIRM);
    }
}

void UpdateButtons(HWND D, TSearchDialogState& S) {
    EnableWindow(GetDlgItem(D, IDOK), S.Form->OkEnabled());
    EnableWindow(GetDlgItem(D, IDC_SCHHISDEL), S.Form->SearchHistoryDeleteEnabled());
    if (S.Replace) {
        EnableWindow(GetDlgItem(D, IDC_ALL), S.Replace->OkEnabled());
        EnableWindow(GetDlgItem(D, IDC_REPHISDEL), S.Replace->ReplaceHistoryDeleteEnabled());
    }
}

INT_PTR CALLBACK SearchDialogProc(HWND D, UINT Message, WPARAM W, LPARAM L) {
    TSearchDialogState* S = BindWindow<TSearchDialogState>(D, Message, L);
    if (!S) return FALSE;
    switch (Message) {
    case WM_INITDIALOG:
        S->Owner->PlaceDialog(D);
        ShowForm(D, *S);
        UpdateButtons(D, *S);
        SetFocus(GetDlgItem(D, IDC_COMBOBOX1));
        SendDlgItemMessageA(D, IDC_COMBOBOX1, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return FALSE;
    case WM_COMMAND: {
        const int Id = LOWORD(W), Code = HIWORD(W);
        if ((Id == IDC_COMBOBOX1 || Id == IDC_COMBOBOX2) &&
            (Code == CBN_EDITCHANGE || Code == CBN_SELCHANGE)) {
            ReadForm(D, *S);
            if (Code == CBN_SELCHANGE) {
                if (Id == IDC_COMBOBOX1) S->Form->Text = ChosenText(D, Id);
                else if (S->Replace) S->Replace->ReplaceText = ChosenText(D, Id);
            }
            UpdateButtons(D, *S);
            return TRUE;
        }
        switch (Id) {
        case IDOK:
        case IDC_ALL:
            ReadForm(D, *S);
            if (!S->Form->OkEnabled()) return TRUE;
            if (S->Replace) {
                if (Id == IDOK) S->Replace->btOKClick(); else S->Replace->btAllClick();
                EndDialog(D, Id == IDOK ? 1 : 2);
            } else {
                static_cast<TFormSearch*>(S->Form)->btOKClick();
                EndDialog(D, 1);
            }
            return TRUE;
        case IDCANCEL:
            EndDialog(D, 0);
            return TRUE;
        case IDC_SCHHISDEL:
        case IDC_REPHISDEL: {
            ReadForm(D, *S);
            const bool Search = Id == IDC_SCHHISDEL;
            const bool Deleted = Search ? S->Form->btSchHisDelClick() : S->Replace->btRepHisDelClick();
            if (Deleted) {
                const int Combo = Search ? IDC_COMBOBOX1 : IDC_COMBOBOX2;
                FillCombo(D, Combo, {}, "");
                SetFocus(GetDlgItem(D, Combo));
                UpdateButtons(D, *S);
            }
            return TRUE;
        }
        }
        break;
    }
    }
    return FALSE;
}

struct TJumpState {
    TWin32SearchDialogs* Owner;
    TFormJump* Form;
};

INT_PTR CALLBACK JumpDialogProc(HWND D, UINT Message, WPARAM W, LPARAM L) {
    auto* S = BindWindow<TJumpState>(D, Message, L);
    if (!S) return FALSE;
    if (Message == WM_INITDIALOG) {
        S->Owner->PlaceDialog(D);
        SetDlgItemTextA(D, IDC_EDIT1, S->Form->Text.c_str());
        SetFocus(GetDlgItem(D, IDC_EDIT1));
        SendDlgItemMessageA(D, IDC_EDIT1, EM_SETSEL, 0, -1);
        return FALSE;
    }
    if (Message == WM_COMMAND && (LOWORD(W) == IDOK || LOWORD(W) == IDCANCEL)) {
        if (LOWORD(W) == IDOK) S->Form->Text = ControlText(D, IDC_EDIT1);
        EndDialog(D, LOWORD(W) == IDOK ? 1 : 0);
        return TRUE;
    }
    return FALSE;
}

struct TConfirmState {
    POINT Caret;
    int RowHeight;
};

INT_PTR CALLBACK ConfirmDialogProc(HWND D, UINT Message, WPARAM W, LPARAM L) {
    auto* S = BindWindow<TConfirmState>(D, Message, L);
    if (!S) return FALSE;
    if (Message == WM_INITDIALOG) {
        SendDlgItemMessageA(D, IDC_CONFIRM_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_QUESTION)), 0);
        RECT R;
        GetWindowRect(D, &R);
        int Left = 0, Top = 0;
        ConfirmBoxOrigin(S->Caret.x, S->Caret.y, S->RowHeight, R.right - R.left, R.bottom - R.top,
                         GetSystemMetrics(SM_CXSCREEN), Left, Top);
        SetWindowPos(D, nullptr, Left, Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    if (Message == WM_COMMAND) {
        switch (LOWORD(W)) {
        case IDYES: case IDNO: case IDCANCEL: case IDC_ALL:
            EndDialog(D, LOWORD(W));
            return TRUE;
        }
    }
    return FALSE;
}

} // namespace

void TWin32SearchDialogs::PlaceDialog(HWND Dialog) const {
    POINT At = {24, 24};
    ClientToScreen(FEditorWindow, &At);
    RECT R;
    GetWindowRect(Dialog, &R);
    RECT Work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
    const TWindowRect Placed =
        FitToWorkArea({At.x, At.y, At.x + R.right - R.left, At.y + R.bottom - R.top},
                      {Work.left, Work.top, Work.right, Work.bottom});
    SetWindowPos(Dialog, nullptr, Placed.Left, Placed.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool TWin32SearchDialogs::ExecuteFind(TFormSearch& Form) {
    TSearchDialogState S{this, &Form, nullptr};
    return DialogBoxParamA(Instance(), MAKEINTRESOURCEA(IDD_SEARCH), FOwner, SearchDialogProc,
                           reinterpret_cast<LPARAM>(&S)) == 1;
}

TReplaceDialogResult TWin32SearchDialogs::ExecuteReplace(TFormReplace& Form) {
    TSearchDialogState S{this, &Form, &Form};
    switch (DialogBoxParamA(Instance(), MAKEINTRESOURCEA(IDD_REPLACE), FOwner, SearchDialogProc,
                            reinterpret_cast<LPARAM>(&S))) {
    case 1: return TReplaceDialogResult::rdOk;
    case 2: return TReplaceDialogResult::rdAll;
    default: return TReplaceDialogResult::rdCancel;
    }
}

bool TWin32SearchDialogs::ExecuteJump(TFormJump& Form) {
    TJumpState S{this, &Form};
    return DialogBoxParamA(Instance(), MAKEINTRESOURCEA(IDD_JUMP), FOwner, JumpDialogProc,
                           reinterpret_cast<LPARAM>(&S)) == 1;
}

TReplaceAnswer TWin32SearchDialogs::ConfirmReplace(int CaretX, int CaretY, int RowHeight) {
    TConfirmState S{{CaretX, CaretY}, RowHeight};
    ClientToScreen(FEditorWindow, &S.Caret);
    switch (DialogBoxParamA(Instance(), MAKEINTRESOURCEA(IDD_REPLACE_CONFIRM), FOwner,
                            ConfirmDialogProc, reinterpret_cast<LPARAM>(&S))) {
    case IDYES: return TReplaceAnswer::raYes;
    case IDNO: return TReplaceAnswer::raNo;
    case IDC_ALL: return TReplaceAnswer::raAll;
    default: return TReplaceAnswer::raCancel;
    }
}
