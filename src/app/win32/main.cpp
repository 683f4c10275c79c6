// Zefnote.exe entry point.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "Zefnote", "Zefnote", MB_OK);
    return 0;
}
