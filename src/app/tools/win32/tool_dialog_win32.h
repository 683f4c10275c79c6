#pragma once
// The tool entry dialog "ツールの編集" on Win32, reporting each change of its controls to
// TToolFrm.
#include "app/tools/tool_entry_form.h"

#include <windows.h>

class TWin32ToolDialog : public TToolFrmHost {
public:
    explicit TWin32ToolDialog(TFolderBrowser& Folders) : FFolders(Folders) {}

    // Edits Tool in a dialog over Owner opened at (Left, Top); true on OK.
    bool Execute(HWND Owner, TToolItem& Tool, int Left, int Top);

    bool ShowModal(TToolFrm& Form, int Left, int Top) override;
    bool ExecuteOpenDialog(TFileDialogParams& Params) override;
    TWindowHandle Handle() override;

    // The dialog procedure's two halves.
    INT_PTR InitDialog(HWND Dialog);
    INT_PTR Handle(UINT Message, WPARAM W, LPARAM L);

private:
    void ShowFields();
    void Command(int Id, int Code);
    void PlaceholderMenu();

    TFolderBrowser& FFolders;
    HWND FOwner = nullptr;
    HWND FDialog = nullptr;
    TToolFrm* FForm = nullptr;
    POINT FAt{};
    bool FShowing = false;
};
