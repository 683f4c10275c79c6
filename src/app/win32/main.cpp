// Zefnote.exe: one main window, whose client area is the editor control, and the message
// loop.
#include "app/win32/main_window.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR CommandLine, int Show) {
    TMainWindow Window;
    if (!Window.Create(Instance, CommandLine ? CommandLine : "")) return 1;
    ShowWindow(Window.Handle(), Show);
    UpdateWindow(Window.Handle());
    SetFocus(Window.EditorHandle());
    MSG Msg;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    return static_cast<int>(Msg.wParam);
}
