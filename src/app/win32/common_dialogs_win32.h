#pragma once
// The common dialogs the main window and its dialogs share: where a dialog opens, and the
// font chooser of fixed-pitch fonts.
#include "app/main_form_host.h"

#include <windows.h>

#include <string>
#include <vector>

// Moves the top-level Window's top-left corner to (X, Y), then left and up as far as
// needed to keep it inside the work area (never past the work area's left or top).
void MoveIntoWorkArea(HWND Window, int X, int Y);

// The font chooser over Owner: existing fixed-pitch fonts of the ANSI character sets,
// starting with Params' name and size in the regular style, opened at (Params.Left,
// Params.Top) moved into the work area.  False when cancelled; else the chosen name and
// size are in Params.
bool ExecuteFixedPitchFontDialog(HWND Owner, TFontDialogParams& Params);

// The open or save dialog over Owner with Params' filter ("name|patterns|..."), folder
// and name, and Title when not null; an open dialog takes existing files only.  False
// when cancelled; else the chosen name and filter are in Params.
bool RunFileDialog(HWND Owner, TFileDialogParams& Params, bool Save, const char* Title = nullptr);

// The menu of a ">" button of Dialog: Captions at the button's right edge; the chosen
// entry's index, or -1 when none was chosen.
int ChoosePlaceholder(HWND Dialog, int Button, const std::vector<std::string>& Captions);
// The selection of the edit box Box: its start and length in bytes.
void EditSelection(HWND Dialog, int Box, int& Start, int& Length);
// The focus to the edit box Box with the caret at Caret.
void FocusEditAt(HWND Dialog, int Box, int Caret);

// The hook of a common dialog whose structure (TDialogStruct, handed to WM_INITDIALOG)
// carries in lCustData a POINT where the dialog is to open.
template <class TDialogStruct>
UINT_PTR CALLBACK PlacingHook(HWND Dialog, UINT Message, WPARAM, LPARAM L) {
    if (Message == WM_INITDIALOG) {
        const auto* At = reinterpret_cast<const POINT*>(reinterpret_cast<TDialogStruct*>(L)->lCustData);
        MoveIntoWorkArea(Dialog, At->x, At->y);
    }
    return 0;
}
