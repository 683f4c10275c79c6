#include "app/win32/main_window.h"

#include "platform/file_system.h"
#include "platform/win32/window_binding.h"

const char* const TMainWindow::ClassName = "TZefnoteMainForm";

TMainWindow::TMainWindow() {
    FForm = std::make_unique<TMainForm>(FEditor.Editor(),
                                        TMainForm::TServices{PlatformFileSystem(), FMessages});
    FForm->OnCaptionChange = [this](const std::string& Caption) {
        if (FWindow) SetWindowTextA(FWindow, Caption.c_str());
    };
}

TMainWindow::~TMainWindow() {
    if (FWindow && IsWindow(FWindow)) {
        UnbindWindow(FWindow);
        DestroyWindow(FWindow);
    }
}

bool TMainWindow::Create(HINSTANCE Instance, const std::string& CommandLine) {
    WNDCLASSA WC = {};
    WC.lpfnWndProc = WindowProc;
    WC.hInstance = Instance;
    WC.hCursor = LoadCursor(nullptr, IDC_ARROW);
    WC.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    WC.lpszClassName = ClassName;
    RegisterClassA(&WC);
    HWND W = CreateWindowExA(0, ClassName, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                             CW_USEDEFAULT, 1000, 700, nullptr, nullptr, Instance, this);
    if (!W) return false;
    FMessages.SetOwner(W);
    FForm->FormCreate(SplitCommandLine(CommandLine));
    return true;
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
    TMainWindow* Self = BindWindow<TMainWindow>(Window, Message, L);
    if (!Self) return DefWindowProcA(Window, Message, W, L);
    if (Message == WM_NCCREATE) Self->FWindow = Window;
    return Self->Handle(Message, W, L);
}

LRESULT TMainWindow::Handle(UINT Message, WPARAM W, LPARAM L) {
    switch (Message) {
    case WM_CREATE: {
        RECT R;
        GetClientRect(FWindow, &R);
        if (!FEditor.Create(FWindow, 0, 0, R.right, R.bottom)) return -1;
        return 0;
    }
    case WM_SIZE:
        if (FEditor.Handle()) MoveWindow(FEditor.Handle(), 0, 0, LOWORD(L), HIWORD(L), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (FEditor.Handle()) SetFocus(FEditor.Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        HWND Window = FWindow;
        UnbindWindow(Window);
        FWindow = nullptr;
        return DefWindowProcA(Window, Message, W, L);
    }
    }
    return DefWindowProcA(FWindow, Message, W, L);
}
