#include "app/options/options_command.h"

#include "app/main_form.h"
#include "base/file_name.h"
#include "platform/profile_file.h"
#include "platform/shell.h"

namespace {
constexpr int ToolPage = 4;
constexpr int DialogOffset = 16; // the dialog's corner from the main window's corner
} // namespace

TOptionsCommand::TOptionsCommand(const TOptionsServices& Services) : FS(Services) {
    FS.Form.ConnectCommand(mcOptions, [this](TMenuItem&) { Run(0); });
    FS.Form.ConnectCommand(mcToolOptions, [this](TMenuItem&) { Run(ToolPage); });
}

void TOptionsCommand::Run(int Page) {
    if (ShowOptions(Page) != TOptionResult::orCancel) FS.Form.ApplySettings();
}

TOptionResult TOptionsCommand::ShowOptions(int Page) {
    TMainForm& Main = FS.Form;
    TProfileFile& Ini = Main.Store().File();
    TOptionFormOwner Owner{Main.Options(), FS.Messages, FS.Files, FS.Dialog};
    Owner.EditMode = Main.EditMode();
    Owner.WrapWidths = Main.WrapWidthList();
    Owner.Tools = ReadToolList(Ini);
    Owner.ProgramDir = ExtractFileDir(FS.Shell.ProgramFileName());
    Owner.WindowEdgeWidth = [&Main] { return Main.WindowEdgeWidth(); };
    Owner.WindowPlacement = [this] { return FS.Window.Placement(); };
    Owner.OpenInNewProcess = [&Main](const std::string& File) { Main.OpenInNewProcess(File); };

    TOptionForm Dialog(Owner);
    Dialog.FormShow();
    const TWindowBounds Corner = FS.Window.Placement().Bounds;
    const TOptionResult Result =
        FS.Dialog.ShowModal(Dialog, Corner.Left + DialogOffset, Corner.Top + DialogOffset, Page);
    if (Result == TOptionResult::orCancel) return Result;

    Dialog.Collect();
    Main.SetWrapWidthList(Dialog.WrapWidths());
    Main.RefreshTitle();
    if (Result == TOptionResult::orOk) {
        WriteToolList(Ini, Dialog.Tools());
        Main.Store().SaveSettings(Main.WrapWidthList());
        Main.ReloadToolMenu();
    }
    return Result;
}
