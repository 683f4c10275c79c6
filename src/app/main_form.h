#pragma once
// TMainForm: the model of the main window.  It owns the document (its file name, edit mode
// and kanji code), the option record, the menus and the file history, routes every menu,
// shortcut and tool-bar command to the editor, the loader and saver, the settings store
// and the dialogs, and keeps the caption and the status bar current.  It reaches its
// window only through TMainFormHost and the rest of the platform through the seams, so
// native tests drive it whole.
//
// main_form.cpp: creation, settings, title, status bar, closing.
// main_form_file.cpp: the file commands, the history, the command line and dropped files.
// main_form_edit.cpp: the edit commands, menu opening rules, keys and the mouse.
// main_form_view.cpp: view toggles, word wrap, font, edit modes.
#include "app/app_info.h"
#include "app/editor_text_file.h"
#include "app/file_history.h"
#include "app/window_manager.h"
#include "app/main_form_host.h"
#include "app/main_menu.h"
#include "app/edit_mode.h"
#include "app/settings/option_record.h"
#include "app/settings/settings_store.h"
#include "app/document_files.h"
#include "editor/editor_prop.h"
#include "platform/message_box.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class TDesktop;
class TEditor;
class TFileSystem;
class TLibraryLoader;
class TMessageBox;
class TNkf;
class TProfileFile;
class TShell;
class TTransformCommands;


struct TMainFormServices {
    TMainFormHost& Host;
    TEditor& Editor;
    TMessageBox& Messages;
    TFileSystem& Files;
    TProfileFile& Ini;
    TDesktop& Desktop;
    TShell& Shell;
    // NKF32.DLL is looked for through it at creation; null: never loaded.
    TLibraryLoader* Libraries = nullptr;
};

class TMainForm {
public:
    explicit TMainForm(const TMainFormServices& Services);
    virtual ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Window creation: settings loaded and applied, placement restored, the history
    // built, the document untitled, then the command line (its parameters without the
    // program's name).
    void FormCreate(const std::vector<std::string>& Params);
    // The window's first showing.
    void FormShow();
    // The close query: false keeps the window open.
    bool CloseQuery();
    // The window's destruction: the placement saved when so configured.
    void FormDestroy();
    // True when creation decided the window is not to be shown (the file is shown by
    // another process, or it was printed by "/p"); the host then ends the process.
    bool Terminated() const { return FTerminated; }

    // Messages from outside and from the window.
    void RestoreRequest();
    void SettingsChanged();
    void MouseWheel(int Delta);
    void Resize();
    void DropFiles(const std::vector<std::string>& Files);
    // A key pressed anywhere in the window: runs the menu item it is the shortcut of.
    // True when the key was a shortcut (consumed, run or beeped).
    bool ShortCut(TShortCut Key);
    // Runs a chosen menu item (main menu or context menu).
    void Click(TMenuItem& Item);
    // Runs the main menu's item Name as its shortcut would (a tool-bar button): enabling
    // brought up to date, a beep when it cannot act.
    void RunMenuItem(const std::string& Name);
    // A highlighted menu item: its hint in panel 0.
    void MenuHint(const TMenuItem* Item);
    // The tool bar's buttons: the menu item each one runs, by the button's name.
    TMenuItem* ToolButtonItem(const std::string& ButtonName);

    // The document.
    const std::string& CurrentFileName() const { return FCurrentFileName; }
    int EditMode() const { return FEditMode; }
    bool PrintOnStart() const { return FPrintOnStart; }
    TTextFiles& TextFiles() { return FTextFiles; }
    TOptionRecord& Options() { return FOptions; }
    TEditorProp& EditorProp1() { return FEditorProp1; }
    TMenuItem& MainMenu() { return FMainMenu; }
    TMenuItem& PopupMenu() { return FPopupMenu; }
    TFileHistory& History() { return FHistory; }
    TWindowManager& Windows() { return FWindows; }
    // The display name of the document: "無題", the full path or the file's name.
    std::string DisplayName() const;

    // Document operations (Part of the file menu's work, callable by later commands).
    void SetFileName(const std::string& Name);
    // Loads Name here; false when another process shows it or the load failed.
    bool OpenFile(const std::string& Name);
    // Saves to Name in the code the settings choose; false when abandoned or failed.
    bool SaveFile(const std::string& Name);
    // The save dialog, then SaveFile; false when cancelled or failed.
    bool SaveAs();
    // Saves to the current file, or through SaveAs when untitled.
    bool Save();
    // The save prompt: TMessageResult::mrNo without asking when the text is unchanged.
    TMessageResult SavePrompt();
    // Starts a new process of the program on File (quoted, its folder as working folder).
    void OpenInNewProcess(const std::string& File);

    // Commands of later features connect here; an unconnected command stays disabled.
    using TCommandHandler = std::function<void(TMenuItem& Sender)>;
    void ConnectCommand(int Command, TCommandHandler Handler);
    bool CommandConnected(int Command) const;

    // Settings.
    void LoadSettings();
    void ApplySettings();
    TSettingsStore& Store() { return FStore; }
    // Writes a boolean of section Option at once (unless Menu_NoSaveIni), then tells the
    // other windows.
    void WriteOptionBool(const std::string& Key, bool Value);
    void UpdateScrollBars();

    // Edit modes.
    void ShowEditMode();
    // Sets the mode, applies it with reset and shows it.
    void ChangeEditMode(int Mode);

    // Tells other parts of the program that the document's mode or name changed (the
    // browser commands follow it).
    std::function<void()> OnEditModeApplied;
    // Prints the document and ends the process: the "/p" switch with a document.
    std::function<void()> OnPrintOnStart;

    // The extension lists of the modes, from the option record.
    TModeExtensionLists ModeExtensionLists() const;

    // The widths of the wrap-width submenu, in menu order; setting them rebuilds it.
    std::vector<int> WrapWidthList();
    void SetWrapWidthList(const std::vector<int>& Widths);
    // Rebuilds the tool submenu from the settings file's tool list.
    void ReloadToolMenu();
    // The caption anew from the document's name, modified state and FullPathFileName.
    void RefreshTitle();
    // The wrap width at the window's right edge: visible columns - 3, within 20 to 250.
    int WindowEdgeWidth() const;

protected:
    // Overridable steps other features refine.
    virtual void ApplyEditMode(bool Reset);
    virtual int ModeFromFileName() const;

private:
    // main_form.cpp
    void ConnectMenus();
    void UpdateCommandStates();
    TUserWindowOptions UserWindowOptions() const;
    void ConnectEditorEvents();
    void UpdateTitle(bool Modified);
    void ShowCaretPosition();
    void RestoreWindowPlacement();
    void SaveWindowPlacement();
    TWindowBounds CurrentBounds();
    void BuildWrapWidthMenu(const std::vector<TSettingsMenuItem>& Items);
    void BuildToolMenu(const std::vector<TSettingsMenuItem>& Items);

    // main_form_file.cpp
    void ProcessCommandLine(const std::vector<std::string>& Params);
    std::string ResolveDocumentName(const std::string& Name);
    void BuildHistory();
    void SaveHistory();
    void NewClick();
    void OpenClick();
    void CloseAndOpenClick();
    void SaveInCodeClick(int Entry);
    void SaveAndExitClick();
    void HistoryClick(TMenuItem& Item);
    void ClearHistoryClick();
    bool HoldsDocument() const;
    // Dialog starts in the current file's folder when there is one.
    void StartInFileFolder(TFileDialogParams& Dialog) const;
    void HelpClick();
    void FileMenuPopup();
    void HelpMenuPopup();
    std::string HelpFileName() const;

    // main_form_edit.cpp
    void EditMenuPopup(TMenuItem& Menu);
    void UndoClick();
    void RedoClick();
    void ClipboardClick(int Command);
    void SelectAllClick();
    void EditorKeyDown(int& Key, TShiftState Shift);
    void SelectionModeChanged();
    void FreeCaretClick();
    void TextSizeClick();
    void EditorMouseMove(int X, int Y);
    void EditorDblClick();

    // main_form_view.cpp
    void ViewMenuPopup();
    void WrapListPopup();
    void ToolBarClick(TMenuItem& Item);
    void StatusBarClick(TMenuItem& Item);
    void InyouRowClick(TMenuItem& Item);
    void LinkWordClick(TMenuItem& Item);
    void WordWrapClick(TMenuItem& Item);
    void WrapWidthClick(int Width);
    void FontClick();
    void EditModeClick(TMenuItem& Item);
    void ModeMenuPopup(TMenuItem& Menu);

    TMainFormServices FS;
    TMainFormHost& FHost;
    TEditor& FEditor;
    std::unique_ptr<TNkf> FNkf;
    TEditorTextFile FEditorFile;
    TTextFiles FTextFiles;
    TOptionRecord FOptions;
    TSettingsStore FStore;
    TEditorProp FEditorProp1;
    TMenuItem FMainMenu;
    TMenuItem FPopupMenu;
    TFileHistory FHistory;
    TWindowManager FWindows;
    std::vector<TCommandHandler> FHandlers;
    std::unique_ptr<TTransformCommands> FTransforms;

    std::string FCurrentFileName;
    int FEditMode = 0;
    int FColouringMode = 0; // the mode the editor is coloured for: EditMode when available, else 0
    bool FPrintOnStart = false;
    bool FTerminated = false;
    bool FShown = false;
    TFileDialogParams FOpenDialog;
    TFileDialogParams FSaveDialog;
};
