#include "app/tools/win32/tool_dialog_win32.h"

#include "app/options/option_form.h"
#include "app/options/win32/option_dialog_ids.h"
#include "app/win32/common_dialogs_win32.h"
#include "app/win32/dialog_template_win32.h"

#include <commctrl.h>

#include <vector>

namespace {

enum : int {
    IdName = ToolNameId, IdExe = ToolExeId, IdExeBrowse = ToolExeBrowseId, IdOption = ToolOptionId,
    IdPlaceholder = ToolPlaceholderId, IdTemp = ToolTempId, IdTempBrowse = ToolTempBrowseId, IdSave = ToolSaveId,
    IdKey = ToolKeyId,
};

const DWORD EditStyle = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
const DWORD ButtonStyle = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

TDialogTemplate BuildTemplate() {
    TDialogTemplate T("ツールの編集", 260, 182, 9, "ＭＳ Ｐゴシック");
    T.Add("STATIC", "名前 (「-」は区切り線) :", WS_VISIBLE, 8, 8, 200, 8, -1);
    T.Add("EDIT", "", EditStyle, 8, 18, 244, 12, IdName, WS_EX_CLIENTEDGE);
    T.Add("STATIC", "実行ファイル :", WS_VISIBLE, 8, 36, 200, 8, -1);
    T.Add("EDIT", "", EditStyle, 8, 46, 224, 12, IdExe, WS_EX_CLIENTEDGE);
    T.Add("BUTTON", "...", ButtonStyle, 236, 46, 16, 12, IdExeBrowse);
    T.Add("STATIC", "コマンドラインパラメータ :", WS_VISIBLE, 8, 64, 200, 8, -1);
    T.Add("EDIT", "", EditStyle, 8, 74, 224, 12, IdOption, WS_EX_CLIENTEDGE);
    T.Add("BUTTON", ">", ButtonStyle, 236, 74, 16, 12, IdPlaceholder);
    T.Add("STATIC", "作業フォルダ :", WS_VISIBLE, 8, 92, 200, 8, -1);
    T.Add("EDIT", "", EditStyle, 8, 102, 224, 12, IdTemp, WS_EX_CLIENTEDGE);
    T.Add("BUTTON", "...", ButtonStyle, 236, 102, 16, 12, IdTempBrowse);
    T.Add("STATIC", "ファイルの上書き保存 :", WS_VISIBLE, 8, 124, 90, 8, -1);
    T.Add("COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 100, 122, 152, 60, IdSave);
    T.Add("STATIC", "キー :", WS_VISIBLE, 8, 142, 90, 8, -1);
    T.Add(HOTKEY_CLASSA, "", WS_VISIBLE | WS_TABSTOP, 100, 140, 100, 12, IdKey, WS_EX_CLIENTEDGE);
    T.Add("BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 146, 162, 50, 14, IDOK);
    T.Add("BUTTON", "キャンセル", ButtonStyle, 202, 162, 50, 14, IDCANCEL);
    return T;
}

std::string DialogItemText(HWND Dialog, int Id) { return ControlText(GetDlgItem(Dialog, Id)); }

WORD HotKeyOf(TShortCut Key) {
    BYTE Modifiers = 0;
    if (Key.Shift()) Modifiers |= HOTKEYF_SHIFT;
    if (Key.Ctrl()) Modifiers |= HOTKEYF_CONTROL;
    if (Key.Alt()) Modifiers |= HOTKEYF_ALT;
    return MAKEWORD(static_cast<BYTE>(Key.Key), Modifiers);
}

TShortCut ShortCutOf(WORD HotKey) {
    const BYTE Modifiers = HIBYTE(HotKey);
    std::uint8_t M = 0;
    if (Modifiers & HOTKEYF_SHIFT) M |= TShortCut::scShift;
    if (Modifiers & HOTKEYF_CONTROL) M |= TShortCut::scCtrl;
    if (Modifiers & HOTKEYF_ALT) M |= TShortCut::scAlt;
    return LOBYTE(HotKey) ? TShortCut(LOBYTE(HotKey), M) : TShortCut();
}

} // namespace

bool TWin32ToolDialog::Execute(HWND Owner, TToolItem& Tool, int Left, int Top) {
    FOwner = Owner;
    return ::ExecuteToolDialog(Tool, *this, FFolders, Left, Top);
}

bool TWin32ToolDialog::ShowModal(TToolFrm& Form, int Left, int Top) {
    FForm = &Form;
    FAt = {Left, Top};
    const INT_PTR Result = ShowModalTemplate(BuildTemplate(), FOwner, ICC_HOTKEY_CLASS, *this);
    FForm = nullptr;
    FDialog = nullptr;
    return Result == IDOK;
}

TWindowHandle TWin32ToolDialog::Handle() { return reinterpret_cast<TWindowHandle>(FDialog); }

bool TWin32ToolDialog::ExecuteOpenDialog(TFileDialogParams& Params) {
    return RunFileDialog(FDialog, Params, false);
}

INT_PTR TWin32ToolDialog::Handle(UINT Message, WPARAM W, LPARAM) {
    if (!FForm || Message != WM_COMMAND) return FALSE;
    Command(LOWORD(W), HIWORD(W));
    return TRUE;
}

INT_PTR TWin32ToolDialog::InitDialog(HWND Dialog) {
    FDialog = Dialog;
    MoveIntoWorkArea(FDialog, FAt.x, FAt.y);
    for (const char* Text : SaveModeTexts)
        SendDlgItemMessageA(FDialog, IdSave, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text));
    ShowFields();
    return TRUE;
}

void TWin32ToolDialog::ShowFields() {
    FShowing = true;
    SetDlgItemTextA(FDialog, IdName, FForm->ToolName.c_str());
    SetDlgItemTextA(FDialog, IdExe, FForm->ToolExe.c_str());
    SetDlgItemTextA(FDialog, IdOption, FForm->ToolOption.c_str());
    SetDlgItemTextA(FDialog, IdTemp, FForm->ToolTemp.c_str());
    SendDlgItemMessageA(FDialog, IdSave, CB_SETCURSEL, static_cast<WPARAM>(FForm->ToolSave), 0);
    SendDlgItemMessageA(FDialog, IdKey, HKM_SETHOTKEY, HotKeyOf(FForm->ToolKey), 0);
    FShowing = false;
    EnableWindow(GetDlgItem(FDialog, IDOK), FForm->OkEnabled());
}

void TWin32ToolDialog::Command(int Id, int Code) {
    switch (Id) {
    case IdName:
    case IdExe:
    case IdOption:
    case IdTemp:
        if (Code != EN_CHANGE || FShowing) return;
        FForm->ToolName = DialogItemText(FDialog, IdName);
        FForm->ToolExe = DialogItemText(FDialog, IdExe);
        FForm->ToolOption = DialogItemText(FDialog, IdOption);
        FForm->ToolTemp = DialogItemText(FDialog, IdTemp);
        EnableWindow(GetDlgItem(FDialog, IDOK), FForm->OkEnabled());
        return;
    case IdSave:
        if (Code == CBN_SELCHANGE)
            FForm->ToolSave = static_cast<int>(SendDlgItemMessageA(FDialog, IdSave, CB_GETCURSEL, 0, 0));
        return;
    case IdKey:
        if (Code != EN_CHANGE || FShowing) return;
        if (!FForm->SetKey(ShortCutOf(static_cast<WORD>(SendDlgItemMessageA(FDialog, IdKey, HKM_GETHOTKEY, 0, 0))))) {
            FShowing = true;
            SendDlgItemMessageA(FDialog, IdKey, HKM_SETHOTKEY, HotKeyOf(FForm->ToolKey), 0);
            FShowing = false;
        }
        return;
    case IdExeBrowse:
        FForm->ExeBrowseClick();
        ShowFields();
        return;
    case IdTempBrowse:
        FForm->FolderBrowseClick();
        ShowFields();
        return;
    case IdPlaceholder:
        PlaceholderMenu();
        return;
    case IDOK:
        if (FForm->OkEnabled()) EndDialog(FDialog, IDOK);
        return;
    case IDCANCEL:
        EndDialog(FDialog, IDCANCEL);
        return;
    default:
        return;
    }
}

void TWin32ToolDialog::PlaceholderMenu() {
    std::vector<std::string> Captions;
    for (const TToolPlaceholder& Item : ToolPlaceholders) Captions.push_back(Item.Caption);
    const int Chosen = ChoosePlaceholder(FDialog, IdPlaceholder, Captions);
    if (Chosen < 0) return;
    int Start = 0, Length = 0;
    EditSelection(FDialog, IdOption, Start, Length);
    const int Caret = FForm->PlaceholderClick(Chosen, Start, Length);
    ShowFields();
    FocusEditAt(FDialog, IdOption, Caret);
}
