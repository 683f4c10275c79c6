// The save rule before a document goes to another program, the external tools of the
// Tools menu, the wiring of the commands and the about box.
#include "app/external/external_commands.h"

#include "app/external/about_box.h"
#include "app/main_form.h"
#include "base/file_name.h"
#include "editor/editor.h"
#include "platform/message_box.h"
#include "platform/shell.h"

#include <utility>

TExternalCommands::TExternalCommands(const TExternalServices& Services) : FS(Services) {
    TMainForm& Form = FS.Form;
    Form.ConnectCommand(mcInternetExplorer, [this](TMenuItem&) {
        OpenInInternetExplorer(FS.Form.CurrentFileName());
    });
    Form.ConnectCommand(mcNetscape, [this](TMenuItem&) { OpenInNetscape(FS.Form.CurrentFileName()); });
    Form.ConnectCommand(mcTool, [this](TMenuItem& Item) { RunTool(static_cast<int>(Item.Tag)); });
    Form.ConnectCommand(mcAbout, [this](TMenuItem&) { ShowAbout(); });
    // The settings and the mode decide the browser items; opening the menu (or a shortcut
    // of it) brings them up to date over what connecting other commands set.
    auto Previous = std::move(Form.OnEditModeApplied);
    Form.OnEditModeApplied = [this, Previous] {
        if (Previous) Previous();
        UpdateBrowserCommands();
    };
    TMenuItem& Tools = *Form.MainMenu().Find("Menu_Tool");
    auto PreviousPopup = std::move(Tools.OnPopup);
    Tools.OnPopup = [this, PreviousPopup](TMenuItem& Menu) {
        if (PreviousPopup) PreviousPopup(Menu);
        UpdateBrowserCommands();
    };
    UpdateBrowserCommands();
}

bool TExternalCommands::SaveBeforeExternal(int Mode) {
    if (Mode == sbNoSave) return true;
    const bool Named = !FS.Form.CurrentFileName().empty();
    const bool Modified = FS.Editor.Modified();
    if (Mode == sbAsk) {
        if (Named && !Modified) return true;
        if (FS.Messages.Show("編集中のファイルを上書き保存します。", ApplicationTitle,
                             TMessageButtons::mbOkCancel,
                             TMessageIcon::miInformation) != TMessageResult::mrOk)
            return false;
    }
    if (!Named) return FS.Form.SaveAs();
    // A failed save stops the command: the other program would get the old file.
    if (Modified) return FS.Form.SaveFile(FS.Form.CurrentFileName());
    return true;
}

std::string ExpandToolParameters(const std::string& Parameters, const TToolPlaceholders& Values) {
    std::string Result;
    for (std::size_t I = 0; I < Parameters.size(); ++I) {
        const std::string* Value = nullptr;
        if (Parameters[I] == '%' && I + 1 < Parameters.size()) {
            switch (Parameters[I + 1]) {
            case 'f': Value = &Values.FileName; break;
            case 'F': Value = &Values.ShortFileName; break;
            case 'd': Value = &Values.Folder; break;
            case 'D': Value = &Values.ShortFolder; break;
            default: break;
            }
        }
        if (Value) {
            Result += *Value;
            ++I;
        } else {
            Result += Parameters[I];
        }
    }
    return Result;
}

void TExternalCommands::RunTool(int Index) {
    const std::vector<TToolItem> Tools = ReadToolList(FS.Form.Store().File());
    const TToolItem Tool =
        Index >= 0 && Index < static_cast<int>(Tools.size()) ? Tools[static_cast<std::size_t>(Index)] : TToolItem();
    for (const char* Placeholder : {"%f", "%F", "%d", "%D"}) {
        if (Tool.Param.find(Placeholder) == std::string::npos) continue;
        if (!SaveBeforeExternal(Tool.Save)) return;
        if (FS.Form.CurrentFileName().empty()) {
            FS.Window.Beep();
            return;
        }
    }
    TToolPlaceholders Values;
    Values.FileName = FS.Form.CurrentFileName();
    if (!Values.FileName.empty()) {
        Values.Folder = ExtractFileDir(Values.FileName);
        Values.ShortFileName = FS.Shell.ShortPathName(Values.FileName);
        if (Values.ShortFileName.empty()) Values.ShortFileName = Values.FileName;
        Values.ShortFolder = FS.Shell.ShortPathName(Values.Folder);
        if (Values.ShortFolder.empty()) Values.ShortFolder = Values.Folder;
    }
    const int Result =
        FS.Shell.Execute("open", Tool.File, ExpandToolParameters(Tool.Param, Values), Tool.TmpDir);
    if (Result <= 32) Failure("ツールの起動に失敗しました。(" + std::to_string(Result) + ")");
}

bool TExternalCommands::ShowAbout() {
    TAboutBox Box;
    return FS.Host.ShowAboutBox(Box);
}
