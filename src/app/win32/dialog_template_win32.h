#pragma once
// A dialog template built in memory, for dialogs whose controls come from a description
// instead of a resource: places in dialog units, captions in the program's code page.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class TDialogTemplate {
public:
    // A modal frame with a caption and a system menu, in Font at PointSize.
    TDialogTemplate(const std::string& Caption, int Width, int Height, int PointSize, const std::string& Font);

    // Appends a control of ClassName ("BUTTON", "EDIT", "SysListView32" ...) with the
    // style bits besides WS_CHILD; controls come in tab order.
    void Add(const char* ClassName, const std::string& Text, DWORD Style, int X, int Y, int W, int H, int Id,
             DWORD ExStyle = 0);

    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(FWords.data()); }

private:
    void AddText(const std::string& Text);
    void AddDword(DWORD Value);
    void Align();

    std::vector<WORD> FWords;
    WORD FCount = 0;
};

// Text in the program's code page as UTF-16.
std::wstring WideText(const std::string& Text);

// The text of a window or control.
std::string ControlText(HWND Control);

// Shows Template modally over Owner, the common control classes Classes registered, with
// Self's dialog procedure: TDialog has InitDialog(HWND) (its result that of WM_INITDIALOG)
// and Handle(Message, W, L) for the messages after it.  Returns EndDialog's result.
template <class TDialog>
INT_PTR ShowModalTemplate(const TDialogTemplate& Template, HWND Owner, DWORD Classes, TDialog& Self) {
    INITCOMMONCONTROLSEX Init = {sizeof Init, Classes | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&Init);
    struct TProc {
        static INT_PTR CALLBACK Run(HWND Dialog, UINT Message, WPARAM W, LPARAM L) {
            if (Message == WM_INITDIALOG) {
                SetWindowLongPtrA(Dialog, DWLP_USER, L);
                return reinterpret_cast<TDialog*>(L)->InitDialog(Dialog);
            }
            auto* Owned = reinterpret_cast<TDialog*>(GetWindowLongPtrA(Dialog, DWLP_USER));
            return Owned ? Owned->Handle(Message, W, L) : FALSE;
        }
    };
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Template.Data(), Owner, TProc::Run,
                                   reinterpret_cast<LPARAM>(&Self));
}
