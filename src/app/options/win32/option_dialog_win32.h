#pragma once
// The options dialog on Win32: a dialog built from the form's description of its pages
// (a tab control, each page's controls shown while its tab is), reporting each change of
// a control to TOptionForm and showing the form's values and enabling back.
#include "app/options/option_form.h"
#include "app/tools/win32/tool_dialog_win32.h"

#include <windows.h>

class TWin32OptionDialog : public TOptionFormHost {
public:
    TWin32OptionDialog(HWND Owner, TFolderBrowser& Folders) : FOwner(Owner), FToolDialog(Folders) {}
    ~TWin32OptionDialog() override;

    TOptionResult ShowModal(TOptionForm& Form, int Left, int Top, int Page) override;
    void ClientOrigin(int& Left, int& Top) override;
    bool ExecuteFontDialog(TFontDialogParams& Params) override;
    bool ExecuteColorDialog(TColor& Color, int Left, int Top) override;
    bool ExecuteOpenDialog(const std::string& Title, TFileDialogParams& Params) override;
    bool ExecuteToolDialog(TToolItem& Tool) override;

    // The dialog procedure's two halves.
    INT_PTR InitDialog(HWND Dialog);
    INT_PTR Handle(UINT Message, WPARAM W, LPARAM L);

private:
    void ShowPage(int Page, bool Focus);
    void ShowControls();
    void ShowEnabling();
    void Command(int Id, int Code, HWND Control);
    void ButtonClick(const std::string& Name);
    void Notify(const NMHDR& Header);
    HWND Item(std::size_t Index) const;

    HWND FOwner;
    TWin32ToolDialog FToolDialog;
    HWND FDialog = nullptr;
    TOptionForm* FForm = nullptr;
    POINT FAt{};
    int FPage = 0;
    HBRUSH FSwatch = nullptr;
    TColor FSwatchColor = 0;
    COLORREF FCustomColors[16] = {};
    // While the dialog sets its controls: their notifications are not the user's.
    bool FShowing = false;
};
