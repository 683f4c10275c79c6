#include "app/external/win32/about_box_win32.h"

#include "app/external/url_label.h"
#include "app/external/win32/about_resource.h"
#include "app/external/win32/url_label_win32.h"
#include "platform/win32/window_binding.h"

#include <memory>

namespace {

struct TAboutDialog {
    TAboutBox& Box;
    TShell& Shell;
    HWND Editor;
    TURLLabel Link1{Shell}, Link2{Shell};
    std::unique_ptr<TWin32URLLabel> Label1, Label2;
    HFONT NameFont = nullptr;

    TAboutDialog(TAboutBox& B, TShell& S, HWND E) : Box(B), Shell(S), Editor(E) {}
    ~TAboutDialog() {
        if (NameFont) DeleteObject(NameFont);
    }

    void Init(HWND D) {
        Box.FormShow();
        SetWindowTextA(D, Box.Caption.c_str());
        SetDlgItemTextA(D, IDC_ABOUT_APPNAME, Box.AppName.c_str());
        SetDlgItemTextA(D, IDC_ABOUT_VERNO, Box.VerNo.c_str());
        SetDlgItemTextA(D, IDC_ABOUT_LINE, Box.StaticLine.c_str());
        SendDlgItemMessageA(D, IDC_ABOUT_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_APPLICATION)), 0);
        // The name in bold, 16 pixels high, in the dialog's face.
        LOGFONTA Font = {};
        HFONT DialogFont = reinterpret_cast<HFONT>(SendMessageA(D, WM_GETFONT, 0, 0));
        if (DialogFont && GetObjectA(DialogFont, sizeof Font, &Font)) {
            Font.lfHeight = -16;
            Font.lfWidth = 0;
            Font.lfWeight = FW_BOLD;
            NameFont = CreateFontIndirectA(&Font);
            if (NameFont)
                SendDlgItemMessageA(D, IDC_ABOUT_APPNAME, WM_SETFONT, reinterpret_cast<WPARAM>(NameFont), FALSE);
        }
        for (TURLLabel* Link : {&Link1, &Link2}) {
            Link->SetExecutable(true);
            Link->SetHotColor(clBlue);
            Link->SetTextColor(clNavy);
        }
        Link1.SetCaption(Box.URLLabel1);
        Link2.SetCaption(Box.URLLabel2);
        Label1 = std::make_unique<TWin32URLLabel>(GetDlgItem(D, IDC_ABOUT_URL1), Link1);
        Label2 = std::make_unique<TWin32URLLabel>(GetDlgItem(D, IDC_ABOUT_URL2), Link2);
        Place(D);
    }

    void Place(HWND D) {
        RECT Dialog, EditorRect = {};
        GetWindowRect(D, &Dialog);
        if (Editor) GetWindowRect(Editor, &EditorRect);
        RECT Work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
        const TWindowRect At = TAboutBox::Placement(
            EditorRect.left, EditorRect.top, Dialog.right - Dialog.left, Dialog.bottom - Dialog.top,
            TWindowRect{Work.left, Work.top, Work.right, Work.bottom});
        SetWindowPos(D, nullptr, At.Left, At.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    INT_PTR ColorStatic(HWND Control, HDC DC) {
        for (TWin32URLLabel* Label : {Label1.get(), Label2.get()})
            if (Label && Label->Control() == Control) return reinterpret_cast<INT_PTR>(Label->ColorStatic(DC));
        return 0;
    }
};

INT_PTR CALLBACK AboutProc(HWND D, UINT Message, WPARAM W, LPARAM L) {
    TAboutDialog* Self = BindWindow<TAboutDialog>(D, Message, L);
    if (!Self) return FALSE;
    switch (Message) {
    case WM_INITDIALOG:
        Self->Init(D);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return Self->ColorStatic(reinterpret_cast<HWND>(L), reinterpret_cast<HDC>(W));
    case WM_COMMAND:
        // OK is the default and the cancel button alike.
        if (LOWORD(W) == IDOK || LOWORD(W) == IDCANCEL) {
            Self->Label1.reset();
            Self->Label2.reset();
            EndDialog(D, IDOK);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        Self->Label1.reset();
        Self->Label2.reset();
        UnbindWindow(D);
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

bool ShowAboutBoxWin32(HWND Owner, HWND Editor, TAboutBox& Box, TShell& Shell) {
    TAboutDialog Dialog(Box, Shell, Editor);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), Owner, AboutProc,
                           reinterpret_cast<LPARAM>(&Dialog)) == IDOK;
}
