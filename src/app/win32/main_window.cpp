#include "app/win32/main_window.h"

#include "app/external/win32/about_box_win32.h"
#include "app/main_menu.h"
#include "app/win32/common_dialogs_win32.h"
#include "app/status_bar.h"
#include "app/window_manager.h"
#include "platform/app_paths.h"
#include "platform/win32/window_binding.h"

#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>
#include <windowsx.h>

namespace {

// Tool bar buttons in order; an empty name is a separator (Width 0 hides it).
struct TToolButton {
    const char* Name;
    const char* MenuItem;
    const char* Hint;
    int StandardImage; // an image of the platform's standard set, or -1
    int OwnImage;      // an image of ToolBarImages, or -1
};

const TToolButton ToolButtons[] = {
    {"tbNew", "New1", "新規作成", STD_FILENEW, -1},
    {"tbOpen", "Open1", "開く", STD_FILEOPEN, -1},
    {"tbSave", "Save1", "上書き保存", STD_FILESAVE, -1},
    {"", nullptr, nullptr, -1, -1},
    {"ToolButton2", "Print1", "印刷", STD_PRINT, -1},
    {"", nullptr, nullptr, -1, -1},
    {"tbCut", "mCut", "切り取り", STD_CUT, -1},
    {"tbCopy", "mCopy", "コピー", STD_COPY, -1},
    {"tbPaste", "mPaste", "貼り付け", STD_PASTE, -1},
    {"", nullptr, nullptr, -1, -1},
    {"tbUndo", "mUndo", "元に戻す", STD_UNDO, -1},
    {"tbRedo", "mRedo", "やり直し", STD_REDOW, -1},
    {"", nullptr, nullptr, -1, -1},
    {"tbFind", "Find2", "検索", STD_FIND, -1},
    {"ToolButton1", "mFindUp", "上を検索", -1, 0},
    {"tbFindNext", "mFindDown", "下を検索", -1, 1},
    {"tbBwSp", nullptr, nullptr, -1, -1},
    {"tbIE", "Menu_IE", "Internet Explorer", -1, 2},
    {"tbNN", "Menu_NN", "Netscape Navigator", -1, 3},
};
constexpr int ToolButtonCount = sizeof ToolButtons / sizeof ToolButtons[0];
constexpr int ToolButtonIdBase = 0x7000;
constexpr int StandardImageCount = 15;

// The hidden file-name box: an edit control under the class name other processes look
// for.
bool RegisterFilePathClass(HINSTANCE Instance) {
    WNDCLASSA Edit = {};
    if (!GetClassInfoA(nullptr, "EDIT", &Edit)) return false;
    Edit.hInstance = Instance;
    Edit.lpszClassName = FilePathClassName;
    RegisterClassA(&Edit);
    return true;
}

TShortCut KeyShortCut(WPARAM Key) {
    TShortCut S(static_cast<int>(Key), 0);
    if (GetKeyState(VK_SHIFT) < 0) S.Modifiers |= TShortCut::scShift;
    if (GetKeyState(VK_CONTROL) < 0) S.Modifiers |= TShortCut::scCtrl;
    if (GetKeyState(VK_MENU) < 0) S.Modifiers |= TShortCut::scAlt;
    return S;
}

} // namespace

TMainWindow::TMainWindow() : FStatusTexts(StatusPanelCount) {}

TMainWindow::~TMainWindow() {
    if (FWindow && IsWindow(FWindow)) {
        UnbindWindow(FWindow);
        DestroyWindow(FWindow);
    }
    if (FToolImages) ImageList_Destroy(FToolImages);
}

bool TMainWindow::Create(HINSTANCE Instance, const std::vector<std::string>& Params,
                         const TMainWindowServices& Services) {
    INITCOMMONCONTROLSEX Init = {sizeof Init, ICC_BAR_CLASSES};
    InitCommonControlsEx(&Init);
    if (!RegisterFilePathClass(Instance)) return false;
    WNDCLASSA WC = {};
    WC.style = CS_DBLCLKS;
    WC.lpfnWndProc = WindowProc;
    WC.hInstance = Instance;
    WC.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    WC.hCursor = LoadCursor(nullptr, IDC_ARROW);
    WC.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    WC.lpszClassName = MainFormClassName;
    RegisterClassA(&WC);
    FWindow = CreateWindowExA(WS_EX_ACCEPTFILES, MainFormClassName, "Zefnote",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Instance, this);
    if (!FWindow || !FEditor.Handle()) return false;
    FMessages.SetOwner(FWindow);
    TMainFormServices S{*this,        FEditor.Editor(), FMessages,      Services.Files,
                        Services.Ini, Services.Desktop, Services.Shell, Services.Libraries};
    FForm = std::make_unique<TMainForm>(S);
    FForm->Store().RegisteredAppPath = [](const std::string& Program) {
        return RegisteredAppPath(Program);
    };
    FSearchDialogs = std::make_unique<TWin32SearchDialogs>(FWindow, FEditor.Handle());
    FSearch = std::make_unique<TSearchCommands>(
        TSearchServices{*FForm, FEditor.Editor(), *this, FMessages, *FSearchDialogs});
    FPrinting = std::make_unique<TWin32Printing>(FWindow, *FForm, *this, FEditor.Editor(), FMessages);
    FOptionDialog = std::make_unique<TWin32OptionDialog>(FWindow, FFolders);
    FOptions = std::make_unique<TOptionsCommand>(
        TOptionsServices{*FForm, *this, FMessages, Services.Files, Services.Shell, *FOptionDialog});
    FShell = &Services.Shell;
    FExternal = std::make_unique<TExternalCommands>(
        TExternalServices{*FForm, *this, *this, FEditor.Editor(), FMessages, Services.Files,
                          Services.Desktop, Services.Shell, FDde});
    FMenu = std::make_unique<TWin32Menu>(FForm->MainMenu(), true);
    FPopup = std::make_unique<TWin32Menu>(FForm->PopupMenu(), false);
    SetMenu(FWindow, FMenu->Handle());
    FEditor.OnContextMenu = [this](int X, int Y) { ContextMenu(X, Y); };
    DragAcceptFiles(FWindow, TRUE);
    FForm->FormCreate(Params);
    if (FTerminated || FForm->Terminated()) return false;
    Layout();
    return true;
}

bool TMainWindow::CreateChildren() {
    HINSTANCE Instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(FWindow, GWLP_HINSTANCE));
    CreateToolBar();
    FPanel1 = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 0, 2,
                              FWindow, nullptr, Instance, nullptr);
    FStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP |
                                                              SBARS_TOOLTIPS,
                                 0, 0, 0, 0, FWindow, nullptr, Instance, nullptr);
    FFilePath = CreateWindowExA(0, FilePathClassName, "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, FWindow,
                                nullptr, Instance, nullptr);
    UpdateStatusParts();
    RECT R;
    GetClientRect(FWindow, &R);
    return FEditor.Create(FWindow, 0, 0, R.right, R.bottom);
}

void TMainWindow::CreateToolBar() {
    HINSTANCE Instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(FWindow, GWLP_HINSTANCE));
    FToolBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN |
                                   CCS_NORESIZE | CCS_NODIVIDER,
                               0, 0, 0, 0, FWindow, nullptr, Instance, nullptr);
    SendMessageA(FToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // One image list: the platform's standard images, then ours.
    FToolImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, StandardImageCount + 4, 0);
    SendMessageA(FToolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FToolImages));
    SendMessageA(FToolBar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    HBITMAP Own = static_cast<HBITMAP>(
        LoadImageA(Instance, "ToolBarImages", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const int OwnBase = ImageList_GetImageCount(FToolImages);
    if (Own) {
        ImageList_AddMasked(FToolImages, Own, RGB(255, 0, 255));
        DeleteObject(Own);
    }
    std::vector<TBBUTTON> Buttons;
    for (int I = 0; I < ToolButtonCount; ++I) {
        const TToolButton& B = ToolButtons[I];
        TBBUTTON T = {};
        if (!B.MenuItem) {
            // Separators have identifiers too: the browsers' spacer is shown, hidden and
            // sized by its own.
            T.fsStyle = BTNS_SEP;
            T.iBitmap = 6;
            T.idCommand = ToolButtonIdBase + I;
        } else {
            T.iBitmap = B.StandardImage >= 0 ? B.StandardImage : OwnBase + B.OwnImage;
            T.idCommand = ToolButtonIdBase + I;
            T.fsState = TBSTATE_ENABLED;
            T.fsStyle = BTNS_BUTTON;
        }
        Buttons.push_back(T);
    }
    SendMessageA(FToolBar, TB_ADDBUTTONSA, Buttons.size(), reinterpret_cast<LPARAM>(Buttons.data()));
    // The browser buttons and their spacer show only when the browser commands say so.
    for (const char* Name : {"tbBwSp", "tbIE", "tbNN"})
        SendMessageA(FToolBar, TB_HIDEBUTTON, static_cast<WPARAM>(ToolButtonId(Name)), TRUE);
    SendMessageA(FToolBar, TB_AUTOSIZE, 0, 0);
}

int TMainWindow::ToolButtonId(const std::string& Name) const {
    for (int I = 0; I < ToolButtonCount; ++I)
        if (*ToolButtons[I].Name && Name == ToolButtons[I].Name) return ToolButtonIdBase + I;
    return 0;
}

void TMainWindow::SetToolButtonVisible(const std::string& Name, bool Visible) {
    if (const int Id = ToolButtonId(Name))
        SendMessageA(FToolBar, TB_HIDEBUTTON, static_cast<WPARAM>(Id), Visible ? FALSE : TRUE);
}

void TMainWindow::SetToolSeparatorWidth(const std::string& Name, int Width) {
    const int Id = ToolButtonId(Name);
    if (!Id) return;
    TBBUTTONINFOA Info = {};
    Info.cbSize = sizeof Info;
    Info.dwMask = TBIF_SIZE;
    Info.cx = static_cast<WORD>(Width);
    SendMessageA(FToolBar, TB_SETBUTTONINFOA, static_cast<WPARAM>(Id), reinterpret_cast<LPARAM>(&Info));
}

bool TMainWindow::ShowAboutBox(TAboutBox& Box) {
    return ShowAboutBoxWin32(FWindow, FEditor.Handle(), Box, *FShell);
}

void TMainWindow::ToolButtonClick(int Index) {
    if (Index < 0 || Index >= ToolButtonCount || !ToolButtons[Index].MenuItem) return;
    ProcessMessages();
    FForm->RunMenuItem(ToolButtons[Index].MenuItem);
}

void TMainWindow::UpdateStatusParts() {
    if (!FStatusBar) return;
    int Edges[StatusPanelCount];
    int X = 0;
    for (int I = 0; I < StatusPanelCount; ++I) {
        X += I == 0 ? FHintWidth : StatusPanelStyle(I).Width;
        Edges[I] = I == StatusPanelCount - 1 ? -1 : X;
    }
    SendMessageA(FStatusBar, SB_SETPARTS, StatusPanelCount, reinterpret_cast<LPARAM>(Edges));
    for (int I = 0; I < StatusPanelCount; ++I) SetStatusText(I, FStatusTexts[static_cast<std::size_t>(I)]);
}

void TMainWindow::Layout() {
    if (!FWindow) return;
    RECT R;
    GetClientRect(FWindow, &R);
    int Top = 0, Bottom = R.bottom;
    if (FToolBar && FToolBarVisible) {
        RECT T;
        SendMessageA(FToolBar, TB_AUTOSIZE, 0, 0);
        GetWindowRect(FToolBar, &T);
        const int H = static_cast<int>(HIWORD(SendMessageA(FToolBar, TB_GETBUTTONSIZE, 0, 0))) + 6;
        MoveWindow(FToolBar, 0, 0, R.right, H, TRUE);
        Top = H;
    }
    if (FPanel1 && FPanel1Visible && FToolBarVisible) {
        MoveWindow(FPanel1, 0, Top, R.right, 2, TRUE);
        Top += 2;
    }
    if (FStatusBar && FStatusBarVisible) {
        SendMessageA(FStatusBar, WM_SIZE, 0, 0);
        RECT S;
        GetWindowRect(FStatusBar, &S);
        Bottom -= S.bottom - S.top;
    }
    if (FEditor.Handle()) MoveWindow(FEditor.Handle(), 0, Top, R.right, Bottom > Top ? Bottom - Top : 0, TRUE);
}

// ---------------------------------------------------------------------------------------
// TMainFormHost

TWindowHandle TMainWindow::Handle() { return reinterpret_cast<TWindowHandle>(FWindow); }

std::string TMainWindow::Caption() {
    char Buffer[1024] = "";
    GetWindowTextA(FWindow, Buffer, sizeof Buffer);
    return Buffer;
}

void TMainWindow::SetCaption(const std::string& Text) { SetWindowTextA(FWindow, Text.c_str()); }

void TMainWindow::SetFilePathText(const std::string& Text) {
    if (FFilePath) SetWindowTextA(FFilePath, Text.c_str());
}

std::string TMainWindow::StatusText(int Panel) {
    if (Panel < 0 || Panel >= StatusPanelCount) return std::string();
    return FStatusTexts[static_cast<std::size_t>(Panel)];
}

void TMainWindow::SetStatusText(int Panel, const std::string& Text) {
    if (Panel < 0 || Panel >= StatusPanelCount) return;
    FStatusTexts[static_cast<std::size_t>(Panel)] = Text;
    if (!FStatusBar) return;
    const TStatusPanelStyle& Style = StatusPanelStyle(Panel);
    // A tab before the text centres it, two align it right.
    std::string Shown = Style.Alignment == TStatusPanelStyle::taCenter      ? "\t" + Text
                        : Style.Alignment == TStatusPanelStyle::taRightJustify ? "\t\t" + Text
                                                                               : Text;
    SendMessageA(FStatusBar, SB_SETTEXTA, static_cast<WPARAM>(Panel) | (Style.Bevel ? 0 : SBT_NOBORDERS),
                 reinterpret_cast<LPARAM>(Shown.c_str()));
}

void TMainWindow::SetHintPanelWidth(int Width) {
    if (Width == FHintWidth) return;
    FHintWidth = Width;
    UpdateStatusParts();
}

bool TMainWindow::StatusBarVisible() { return FStatusBarVisible; }

void TMainWindow::SetStatusBarVisible(bool Value) {
    FStatusBarVisible = Value;
    ShowWindow(FStatusBar, Value ? SW_SHOW : SW_HIDE);
    Layout();
}

void TMainWindow::SetToolBarVisible(bool Value) {
    FToolBarVisible = Value;
    ShowWindow(FToolBar, Value ? SW_SHOW : SW_HIDE);
    ShowWindow(FPanel1, Value && FPanel1Visible ? SW_SHOW : SW_HIDE);
    Layout();
}

bool TMainWindow::ToolBarFlat() { return FFlat; }

void TMainWindow::SetToolBarFlat(bool Value) {
    FFlat = Value;
    LONG_PTR Style = GetWindowLongPtrA(FToolBar, GWL_STYLE);
    Style = Value ? (Style | TBSTYLE_FLAT) : (Style & ~static_cast<LONG_PTR>(TBSTYLE_FLAT));
    SetWindowLongPtrA(FToolBar, GWL_STYLE, Style);
    SendMessageA(FToolBar, TB_SETINDENT, Value ? 4 : 6, 0);
    InvalidateRect(FToolBar, nullptr, TRUE);
    Layout();
}

void TMainWindow::SetPanel1Visible(bool Value) {
    FPanel1Visible = Value;
    ShowWindow(FPanel1, Value && FToolBarVisible ? SW_SHOW : SW_HIDE);
    Layout();
}

int TMainWindow::Width() {
    RECT R;
    GetWindowRect(FWindow, &R);
    return R.right - R.left;
}

TWindowPlacement TMainWindow::Placement() {
    WINDOWPLACEMENT P = {sizeof P};
    GetWindowPlacement(FWindow, &P);
    TWindowPlacement Result;
    Result.Bounds.Left = P.rcNormalPosition.left;
    Result.Bounds.Top = P.rcNormalPosition.top;
    Result.Bounds.Width = P.rcNormalPosition.right - P.rcNormalPosition.left;
    Result.Bounds.Height = P.rcNormalPosition.bottom - P.rcNormalPosition.top;
    Result.Maximized = IsZoomed(FWindow) != 0;
    return Result;
}

void TMainWindow::SetBounds(int Left, int Top, int Width, int Height) {
    WINDOWPLACEMENT P = {sizeof P};
    GetWindowPlacement(FWindow, &P);
    P.rcNormalPosition = {Left, Top, Left + Width, Top + Height};
    if (!IsWindowVisible(FWindow)) P.showCmd = SW_HIDE;
    SetWindowPlacement(FWindow, &P);
}

void TMainWindow::Maximize() {
    if (IsWindowVisible(FWindow))
        ShowWindow(FWindow, SW_MAXIMIZE);
    else
        FStartMaximized = true;
}

TWindowRect TMainWindow::WorkArea() {
    RECT R;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &R, 0);
    return TWindowRect{R.left, R.top, R.right, R.bottom};
}

void TMainWindow::SetWaitCursor(bool Value) {
    FWaitCount += Value ? 1 : -1;
    if (FWaitCount < 0) FWaitCount = 0;
    SetCursor(LoadCursor(nullptr, FWaitCount > 0 ? IDC_WAIT : IDC_ARROW));
}

void TMainWindow::Beep() { MessageBeep(MB_OK); }

bool TMainWindow::ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

void TMainWindow::ProcessMessages() {
    MSG Msg;
    while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        if (Msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(Msg.wParam));
            break;
        }
        if (PreTranslate(Msg)) continue;
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
}

void TMainWindow::BringToFront() { SetForegroundWindow(FWindow); }

void TMainWindow::OpenInputMethod() {
    if (HIMC Context = ImmGetContext(FEditor.Handle())) {
        ImmSetOpenStatus(Context, TRUE);
        ImmReleaseContext(FEditor.Handle(), Context);
    }
}

bool TMainWindow::ExecuteOpenDialog(TFileDialogParams& Params) {
    return RunFileDialog(FWindow, Params, false);
}

bool TMainWindow::ExecuteSaveDialog(TFileDialogParams& Params) {
    return RunFileDialog(FWindow, Params, true);
}

bool TMainWindow::ExecuteFontDialog(TFontDialogParams& Params) {
    return ExecuteFixedPitchFontDialog(FWindow, Params);
}

void TMainWindow::Close() { PostMessageA(FWindow, WM_CLOSE, 0, 0); }

void TMainWindow::Terminate() {
    FTerminated = true;
    DestroyWindow(FWindow);
}

// ---------------------------------------------------------------------------------------
// Messages

// At a screen point; the editor window has placed a menu asked for from the keyboard.
void TMainWindow::ContextMenu(int X, int Y) {
    if (TMenuItem* Item = FPopup->TrackPopup(FWindow, X, Y)) FForm->Click(*Item);
}

bool TMainWindow::PreTranslate(MSG& Msg) {
    if (!FForm || Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
    if (Msg.hwnd != FWindow && !IsChild(FWindow, Msg.hwnd)) return false;
    // During a drag of the selection only Escape and Ctrl reach anything: the other keys
    // are dropped here, before a shortcut or the menu bar's Alt and F10 can act.
    if (EditorDropsKeyMessage(FEditor.Editor(), Msg.message, Msg.wParam)) return true;
    if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
    if (FEditor.Editor().Dragging() || FEditor.Editor().RowSelecting()) return false;
    return FForm->ShortCut(KeyShortCut(Msg.wParam));
}

int TMainWindow::Run(int Show) {
    if (FTerminated || FForm->Terminated()) return 0;
    ShowWindow(FWindow, FStartMaximized ? SW_SHOWMAXIMIZED : Show);
    UpdateWindow(FWindow);
    FForm->FormShow();
    SetFocus(FEditor.Handle());
    MSG Msg;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(Msg)) continue;
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    return static_cast<int>(Msg.wParam);
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
    TMainWindow* Self = BindWindow<TMainWindow>(Window, Message, L);
    if (!Self) return DefWindowProcA(Window, Message, W, L);
    if (Message == WM_NCCREATE) Self->FWindow = Window;
    return Self->Handle(Message, W, L);
}

LRESULT TMainWindow::Handle(UINT Message, WPARAM W, LPARAM L) {
    switch (Message) {
    case WM_CREATE:
        return CreateChildren() ? 0 : -1;
    case WM_SIZE:
        Layout();
        if (FForm) FForm->Resize();
        return 0;
    case WM_SETFOCUS:
        if (FEditor.Handle()) SetFocus(FEditor.Handle());
        return 0;
    case WM_INITMENUPOPUP:
        if (FMenu && FMenu->InitPopup(reinterpret_cast<HMENU>(W))) return 0;
        if (FPopup && FPopup->InitPopup(reinterpret_cast<HMENU>(W))) return 0;
        break;
    case WM_MENUSELECT:
        if (FForm) {
            TMenuItem* Item = FMenu ? FMenu->ItemOfSelect(W, L) : nullptr;
            if (!Item && FPopup) Item = FPopup->ItemOfSelect(W, L);
            FForm->MenuHint(Item);
        }
        return 0;
    case WM_COMMAND:
        if (HIWORD(W) == 0 && L == 0 && FForm && FMenu) {
            if (TMenuItem* Item = FMenu->ItemOfCommand(LOWORD(W))) FForm->Click(*Item);
            return 0;
        }
        if (reinterpret_cast<HWND>(L) == FToolBar) {
            ToolButtonClick(static_cast<int>(LOWORD(W)) - ToolButtonIdBase);
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* Header = reinterpret_cast<NMHDR*>(L);
        if (Header->code == TTN_GETDISPINFOA) {
            auto* Info = reinterpret_cast<NMTTDISPINFOA*>(L);
            const int Index = static_cast<int>(Header->idFrom) - ToolButtonIdBase;
            if (Index >= 0 && Index < ToolButtonCount && ToolButtons[Index].Hint)
                Info->lpszText = const_cast<char*>(ToolButtons[Index].Hint);
            return 0;
        }
        break;
    }
    case WM_MOUSEWHEEL:
        if (FForm) FForm->MouseWheel(GET_WHEEL_DELTA_WPARAM(W));
        return 0;
    case WM_DROPFILES: {
        HDROP Drop = reinterpret_cast<HDROP>(W);
        std::vector<std::string> Files;
        const UINT Count = DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT I = 0; I < Count; ++I) {
            char Name[MAX_PATH * 4];
            if (DragQueryFileA(Drop, I, Name, sizeof Name)) Files.push_back(Name);
        }
        DragFinish(Drop);
        if (FForm) FForm->DropFiles(Files);
        return 0;
    }
    case WM_CLOSE:
        if (FForm && !FForm->CloseQuery()) return 0;
        DestroyWindow(FWindow);
        return 0;
    case WM_DESTROY:
        if (FForm && !FTerminated && !FForm->Terminated()) FForm->FormDestroy();
        DragAcceptFiles(FWindow, FALSE);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        HWND Window = FWindow;
        UnbindWindow(Window);
        FWindow = nullptr;
        return DefWindowProcA(Window, Message, W, L);
    }
    default:
        if (Message == WM_USER + umRestoreRequest) {
            if (FForm) FForm->RestoreRequest();
            return 0;
        }
        if (Message == WM_USER + umSettingsChanged) {
            if (FForm) FForm->SettingsChanged();
            return 0;
        }
        break;
    }
    return DefWindowProcA(FWindow, Message, W, L);
}
