#pragma once
// The main window of Zefnote.exe: window class "TZefnoteMainForm" with a tool bar, the
// two-pixel strip under it, the editor control, the status bar and the hidden file-name
// box "TEdit" that other processes read.  It implements TMainFormHost for the main
// window's model and turns the window's messages into the model's calls.
#include "app/external/external_commands.h"
#include "app/main_form.h"
#include "app/win32/menu_win32.h"
#include "editor/win32/editor_window.h"
#include "platform/win32/dde_client_win32.h"
#include "platform/win32/message_box_win32.h"
#include "search/search_commands.h"
#include "search/win32/search_dialogs_win32.h"
#include "print/win32/print_dialog_win32.h"
#include "app/options/options_command.h"
#include "app/options/win32/option_dialog_win32.h"
#include "platform/win32/folder_browser_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// The platform's services the window hands its model.
struct TMainWindowServices {
    TFileSystem& Files;
    TProfileFile& Ini;
    TDesktop& Desktop;
    TShell& Shell;
    TLibraryLoader* Libraries = nullptr;
};

class TMainWindow : public TMainFormHost, public TExternalHost {
public:
    TMainWindow();
    ~TMainWindow() override;

    // Creates the window and its model and runs creation with the command line's
    // parameters; false when the window could not be made or is not to be shown (the
    // document is shown by another process, or was printed).
    bool Create(HINSTANCE Instance, const std::vector<std::string>& Params,
                const TMainWindowServices& Services);
    HWND Window() const { return FWindow; }
    TMainForm* Form() { return FForm.get(); }
    // Runs the message loop until the window closes; returns the exit code.
    int Run(int Show);

    // TMainFormHost
    TWindowHandle Handle() override;
    std::string Caption() override;
    void SetCaption(const std::string& Text) override;
    void SetFilePathText(const std::string& Text) override;
    std::string StatusText(int Panel) override;
    void SetStatusText(int Panel, const std::string& Text) override;
    void SetHintPanelWidth(int Width) override;
    bool StatusBarVisible() override;
    void SetStatusBarVisible(bool Value) override;
    void SetToolBarVisible(bool Value) override;
    bool ToolBarFlat() override;
    void SetToolBarFlat(bool Value) override;
    void SetPanel1Visible(bool Value) override;
    int Width() override;
    TWindowPlacement Placement() override;
    void SetBounds(int Left, int Top, int Width, int Height) override;
    void Maximize() override;
    TWindowRect WorkArea() override;
    void SetWaitCursor(bool Value) override;
    void Beep() override;
    bool ShiftDown() override;
    void ProcessMessages() override;
    void BringToFront() override;
    void OpenInputMethod() override;
    bool ExecuteOpenDialog(TFileDialogParams& Params) override;
    bool ExecuteSaveDialog(TFileDialogParams& Params) override;
    bool ExecuteFontDialog(TFontDialogParams& Params) override;
    void Close() override;
    void Terminate() override;

    // TExternalHost
    void SetToolButtonVisible(const std::string& Name, bool Visible) override;
    void SetToolSeparatorWidth(const std::string& Name, int Width) override;
    bool ShowAboutBox(TAboutBox& Box) override;

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L);
    LRESULT Handle(UINT Message, WPARAM W, LPARAM L);
    bool CreateChildren();
    void CreateToolBar();
    void UpdateStatusParts();
    void Layout();
    bool PreTranslate(MSG& Msg);
    void ContextMenu(int X, int Y);
    void ToolButtonClick(int Index);
    // The command identifier of the tool-bar button Name; 0 for none.
    int ToolButtonId(const std::string& Name) const;

    HWND FWindow = nullptr;
    HWND FToolBar = nullptr;
    HWND FPanel1 = nullptr;
    HWND FStatusBar = nullptr;
    HWND FFilePath = nullptr;
    HIMAGELIST FToolImages = nullptr;
    TWin32MessageBox FMessages;
    TEditorWindow FEditor;
    std::unique_ptr<TMainForm> FForm;
    std::unique_ptr<TWin32Menu> FMenu;
    std::unique_ptr<TWin32Menu> FPopup;
    std::unique_ptr<TWin32SearchDialogs> FSearchDialogs;
    std::unique_ptr<TSearchCommands> FSearch;
    std::unique_ptr<TWin32Printing> FPrinting;
    TWin32FolderBrowser FFolders;
    std::unique_ptr<TWin32OptionDialog> FOptionDialog;
    std::unique_ptr<TOptionsCommand> FOptions;
    TWin32DdeClient FDde;
    std::unique_ptr<TExternalCommands> FExternal;
    TShell* FShell = nullptr;
    std::vector<std::string> FStatusTexts;
    int FHintWidth = 205;
    bool FToolBarVisible = true;
    bool FPanel1Visible = true;
    bool FStatusBarVisible = true;
    bool FFlat = false;
    int FWaitCount = 0;
    bool FTerminated = false;
    bool FStartMaximized = false;
};
