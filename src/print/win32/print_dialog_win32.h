#pragma once
// The print dialog on Win32: the dialog resource ZEF_PRINT_DIALOG driven by TPrintForm,
// the font chooser and the printer setup dialog; and the main window's printing made of
// the spooler's printer, the strings printer, this dialog and the print command.
#include "platform/win32/clock_win32.h"
#include "platform/win32/print_canvas_win32.h"
#include "print/print_command.h"

#include <windows.h>

class TWin32PrintDialog : public TPrintFormHost {
public:
    TWin32PrintDialog(HWND Owner, TWin32PrintCanvas& Printer) : FOwner(Owner), FPrinter(Printer) {}

    bool ShowModal(TPrintForm& Form, int Left, int Top) override;
    bool ExecuteFontDialog(TFontDialogParams& Params) override;
    bool ExecutePrinterSetup() override;
    void FocusLeftMargin() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND Dialog, UINT Message, WPARAM W, LPARAM L);
    void InitDialog();
    void Command(int Id, int Code);
    // The controls from the model, and back.
    void ShowControls();
    void ShowEnabling();
    void ReadControls();
    void PlaceholderMenu(int Button, int Box);

    HWND FOwner;
    TWin32PrintCanvas& FPrinter;
    HWND FDialog = nullptr;
    TPrintForm* FForm = nullptr;
    POINT FAt{};
    // While the dialog sets its controls: their change notifications are not the user's.
    bool FShowing = false;
};

class TWin32Printing {
public:
    TWin32Printing(HWND Owner, TMainForm& Form, TMainFormHost& Window, TEditor& Editor,
                   TMessageBox& Messages);
    TWin32PrintCanvas& Canvas() { return FCanvas; }

private:
    TWin32PrintCanvas FCanvas;
    TWin32Clock FClock;
    TStringsPrinter FPrinter{FCanvas, FClock};
    TWin32PrintDialog FDialog;
    TPrintCommand FCommand;
};
