#pragma once
// The about box on Win32: the dialog resource IDD_ABOUT filled from TAboutBox, its two
// links made TURLLabels, placed by the model just inside the main window's editor.
#include "app/external/about_box.h"

#include <windows.h>

class TShell;

// Shows Box modally over Owner, placed from the editor window Editor; true when it
// closed with OK.
bool ShowAboutBoxWin32(HWND Owner, HWND Editor, TAboutBox& Box, TShell& Shell);
