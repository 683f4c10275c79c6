#pragma once
// TToolFrm: the model of the tool entry dialog "ツールの編集", which edits one external tool
// for the options dialog.  The dialog window implements TToolFrmHost and reports every
// change of its controls here.
#include "app/main_form_host.h"
#include "app/menu/shortcut.h"
#include "app/settings/settings_lists.h"
#include "app/tools/browse_folder_dlg.h"

#include <string>

class TToolFrm;

class TToolFrmHost {
public:
    virtual ~TToolFrmHost() = default;
    // Shows Form modally with its top-left corner at (Left, Top) moved into the work area;
    // true when closed with OK.
    virtual bool ShowModal(TToolFrm& Form, int Left, int Top) = 0;
    // The file chooser for an existing file; the chosen path comes back in Params.
    virtual bool ExecuteOpenDialog(TFileDialogParams& Params) = 0;
    // The dialog's window: the owner of the folder browser.
    virtual TWindowHandle Handle() = 0;
};

// The placeholder menu of the ">" button.
struct TToolPlaceholder {
    const char* Caption;
    const char* Placeholder;
};
constexpr int ToolPlaceholderCount = 4;
extern const TToolPlaceholder ToolPlaceholders[ToolPlaceholderCount];

class TToolFrm {
public:
    TToolFrm(TToolFrmHost& Host, TFolderBrowser& Folders) : FHost(Host), FFolders(Folders) {}

    // The fields, as the controls show them.
    std::string ToolName, ToolExe, ToolOption, ToolTemp;
    int ToolSave = 0;
    TShortCut ToolKey;

    // A tool's key must have Ctrl or Alt: a key alone or with Shift alone is refused.
    static bool KeyAccepted(TShortCut Key);
    // The key field: an accepted key (or none) replaces ToolKey; false when refused.
    bool SetKey(TShortCut Key);

    // The fields from Tool.
    void Load(const TToolItem& Tool);
    // OK: a name and an executable, or the separator name "-".
    bool OkEnabled() const;
    // The "..." of the executable and of the folder.
    void ExeBrowseClick();
    void FolderBrowseClick();
    // A placeholder menu entry replaces the selection of ToolOption; returns the caret.
    int PlaceholderClick(int Entry, int SelStart, int SelLength);
    // OK: the fields into Tool; a separator keeps only its name.
    void Store(TToolItem& Tool) const;

private:
    TToolFrmHost& FHost;
    TFolderBrowser& FFolders;
};

// Opens the tool entry dialog on Tool at (Left, Top); true, with Tool edited, on OK.
bool ExecuteToolDialog(TToolItem& Tool, TToolFrmHost& Host, TFolderBrowser& Folders, int Left, int Top);
