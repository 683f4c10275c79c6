// A tool for the Tools menu: notes "tool", its working folder and its command line.
#include "standin_log.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char Folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof Folder, Folder);
    AppendRecord(std::string("tool\t") + Folder + "\t" + GetCommandLineA());
    return 0;
}
