// Zefnote.exe: the platform's services, the main window and the message loop.
#include "app/command_line.h"
#include "app/settings/settings_store.h"
#include "app/win32/main_window.h"
#include "platform/file_system.h"
#include "platform/library_loader.h"
#include "platform/win32/desktop_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/shell_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR CommandLine, int Show) {
    TWin32Shell Shell;
    TWin32Desktop Desktop;
    TWin32ProfileFile Ini(SettingsFileName(Shell.ProgramFileName()));
    TMainWindow Window;
    const TMainWindowServices Services{PlatformFileSystem(), Ini, Desktop, Shell,
                                       &PlatformLibraryLoader()};
    if (!Window.Create(Instance, SplitCommandLine(CommandLine ? CommandLine : ""), Services))
        return Window.Form() && Window.Form()->Terminated() ? 0 : 1;
    return Window.Run(Show);
}
