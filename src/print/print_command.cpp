#include "print/print_command.h"

#include "app/main_form.h"
#include "editor/editor.h"

#include <vector>

namespace {

std::vector<std::string> LinesOf(TEditor& Editor) {
    TEditorStrings& Lines = Editor.Lines();
    std::vector<std::string> Result;
    const int Count = Lines.Count();
    Result.reserve(static_cast<std::size_t>(Count));
    for (int I = 0; I < Count; ++I) Result.push_back(Lines.Get(I));
    return Result;
}

} // namespace

TPrintCommand::TPrintCommand(const TPrintServices& Services) : FS(Services) {
    FS.Form.ConnectCommand(mcPrint, [this](TMenuItem&) { ExecutePrintDialog(); });
    FS.Form.OnPrintOnStart = [this] { PrintOnStart(); };
}

bool TPrintCommand::ExecutePrintDialog() {
    TPrintForm Dialog(FS.Form.Store().File(), FS.Printer, FS.Dialog);
    Dialog.FormShow();
    const TWindowPlacement Place = FS.Window.Placement();
    if (!FS.Dialog.ShowModal(Dialog, Place.Bounds.Left + 16, Place.Bounds.Top + 16)) return false;
    Dialog.StoreAndSave();
    Print(Dialog.Settings());
    return true;
}

void TPrintCommand::PrintOnStart() { Print(LoadPrintSettings(FS.Form.Store().File())); }

void TPrintCommand::Print(const TPrintSettings& Settings) {
    ApplyPrintSettings(Settings, FS.Printer, FS.Form.CurrentFileName());
    try {
        TWaitCursor Wait(FS.Window);
        FS.Printer.PrintStrings(LinesOf(FS.Editor));
    } catch (const EPrinter& Error) {
        FS.Messages.Show(Error.what(), ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
    }
}
