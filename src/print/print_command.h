#pragma once
// The main window's printing: the command "印刷(&P)..." (Ctrl+P, the tool button "印刷")
// shows the print dialog and prints the editor's lines with its settings; "/p" on the
// command line prints the document with the stored settings without the dialog.
#include "print/print_form.h"

class TEditor;
class TMainForm;
class TMainFormHost;
class TMessageBox;

struct TPrintServices {
    TMainForm& Form;
    TMainFormHost& Window;
    TEditor& Editor;
    TMessageBox& Messages;
    TStringsPrinter& Printer; // StringsPrinter1
    TPrintFormHost& Dialog;
};

class TPrintCommand {
public:
    // Connects the Print command and printing on start to Services.Form.
    explicit TPrintCommand(const TPrintServices& Services);
    TPrintCommand(const TPrintCommand&) = delete;
    TPrintCommand& operator=(const TPrintCommand&) = delete;

    // The dialog; true when the user printed.
    bool ExecutePrintDialog();
    // The stored settings applied, the document printed.
    void PrintOnStart();

private:
    // ApplyPrintSettings and the job; a printer's refusal is shown in a message box.
    void Print(const TPrintSettings& Settings);

    TPrintServices FS;
};
