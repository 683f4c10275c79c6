#pragma once
// The options dialog's commands: "オプション(&O)..." opens it on its first page and
// "ツールの設定(&T)..." on the tool page.  OK and "反映のみ(&A)" move the dialog's values
// into the option record, rebuild the wrap-width submenu and the title, and the settings
// are applied; OK also writes the tools and the settings to the file, which makes the
// other processes reload them.
#include "app/options/option_form.h"

class TMainForm;
class TShell;

struct TOptionsServices {
    TMainForm& Form;
    TMainFormHost& Window;
    TMessageBox& Messages;
    TFileSystem& Files;
    TShell& Shell;
    TOptionFormHost& Dialog;
};

class TOptionsCommand {
public:
    // Connects the two menu commands.
    explicit TOptionsCommand(const TOptionsServices& Services);

    // Shows the dialog on Page; on OK the tools and the settings are saved and the tool
    // menu rebuilt from the file.  The caller applies the settings unless cancelled.
    TOptionResult ShowOptions(int Page);

private:
    void Run(int Page);

    TOptionsServices FS;
};
