#include "app/main_form.h"

#include "app/edit_mode_colors.h"
#include "app/row_drawing.h"
#include "base/file_name.h"
#include "app/settings/apply_settings.h"
#include "app/settings/settings_store.h"
#include "app/status_bar.h"
#include "app/transform_commands.h"
#include "codec/nkf.h"
#include "editor/editor.h"
#include "editor/editor_prop_copy.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/profile_file.h"
#include "platform/shell.h"


namespace {

TMenuItem& BuiltMenuItem(TMenuItem& Root, const char* Name) {
    if (Root.Count() == 0) BuildMainMenu(Root);
    return *Root.Find(Name);
}

} // namespace

TMainForm::TMainForm(const TMainFormServices& Services)
    : FS(Services), FHost(Services.Host), FEditor(Services.Editor), FEditorFile(Services.Editor),
      FNkf(Services.Libraries ? std::make_unique<TNkf>(*Services.Libraries, Services.Messages)
                              : nullptr),
      FTextFiles(Services.Files, Services.Messages, FNkf.get()), FStore(Services.Ini, FOptions),
      FHistory(BuiltMenuItem(FMainMenu, "mReOpen"), mcHistoryItem),
      FWindows(Services.Desktop, Services.Messages, Services.Host.Handle()),
      FHandlers(mcCount) {
    BuildContextMenu(FPopupMenu);
    FTextFiles.OnShowKanjiCode = [this](const std::string& Text) {
        FHost.SetStatusText(spKanji, Text);
    };
    FTextFiles.ProcessMessages = [this] { FHost.ProcessMessages(); };
    for (int Panel = 0; Panel < StatusPanelCount; ++Panel)
        FHost.SetStatusText(Panel, InitialStatusText(Panel));
    FStore.BroadcastSettingsChanged = [this] { FWindows.BroadcastSettingsChanged(); };
    ConnectMenus();
    ConnectEditorEvents();
    FTransforms = std::make_unique<TTransformCommands>(*this, FHost, FEditor);
}

TMainForm::~TMainForm() = default;

void TMainForm::ConnectCommand(int Command, TCommandHandler Handler) {
    if (Command <= mcNone || Command >= mcCount) return;
    FHandlers[static_cast<std::size_t>(Command)] = std::move(Handler);
    UpdateCommandStates();
}

bool TMainForm::CommandConnected(int Command) const {
    return Command > mcNone && Command < mcCount && FHandlers[static_cast<std::size_t>(Command)];
}

void TMainForm::Click(TMenuItem& Item) {
    if (!Item.Enabled || Item.IsLine()) return;
    if (CommandConnected(Item.Command)) FHandlers[static_cast<std::size_t>(Item.Command)](Item);
}

bool TMainForm::ShortCut(TShortCut Key) {
    bool Ran = false;
    if (!DispatchShortCut(FMainMenu, Key, &Ran)) return false;
    // A command that cannot act now sounds the beep.
    if (!Ran) FHost.Beep();
    return true;
}

void TMainForm::RunMenuItem(const std::string& Name) {
    bool Ran = false;
    if (RunAsOpened(FMainMenu, [&Name](TMenuItem& Root) { return Root.Find(Name); }, &Ran) && !Ran)
        FHost.Beep();
}

void TMainForm::MenuHint(const TMenuItem* Item) {
    FHost.SetStatusText(spHint, Item ? Item->Hint : std::string());
}

// ---------------------------------------------------------------------------------------
// Creation and closing

void TMainForm::FormCreate(const std::vector<std::string>& Params) {
    if (FNkf) FNkf->LoadNkf();
    FOptions.NkfLoaded = FNkf && FNkf->NkfLoaded();
    LoadSettings();
    ApplySettings();
    RestoreWindowPlacement();
    BuildHistory();
    SetFileName(std::string());
    ProcessCommandLine(Params);
}

void TMainForm::FormShow() {
    if (FShown) return;
    FShown = true;
    if (FOptions.StartIme) FHost.OpenInputMethod();
    FPrintOnStart = false;
}

bool TMainForm::CloseQuery() {
    switch (SavePrompt()) {
    case TMessageResult::mrCancel: return false;
    case TMessageResult::mrYes: return Save();
    default: return true;
    }
}

void TMainForm::FormDestroy() { SaveWindowPlacement(); }

TMessageResult TMainForm::SavePrompt() {
    if (!FEditor.Modified()) return TMessageResult::mrNo;
    return FS.Messages.Show("内容が変更されています。変更を保存しますか？", ApplicationTitle,
                            TMessageButtons::mbYesNoCancel, TMessageIcon::miWarning);
}

void TMainForm::RestoreRequest() {
    FS.Desktop.RequestRestore(FS.Desktop.Owner(FHost.Handle()));
}

void TMainForm::SettingsChanged() {
    LoadSettings();
    ApplySettings();
}

void TMainForm::MouseWheel(int Delta) {
    for (int I = 0; I < 3; ++I) FEditor.VScroll(Delta > 0 ? TScrollCode::scLineUp : TScrollCode::scLineDown);
}

void TMainForm::Resize() {
    UpdateScrollBars();
    FHost.SetHintPanelWidth(HintPanelWidth(FHost.Width()));
}

// ---------------------------------------------------------------------------------------
// Title and status bar

std::string TMainForm::DisplayName() const {
    if (FCurrentFileName.empty()) return "無題";
    return FOptions.FullPathFileName ? FCurrentFileName : ExtractFileName(FCurrentFileName);
}

void TMainForm::UpdateTitle(bool Modified) {
    const std::string Wanted = DisplayName() + (Modified ? " * - " : " - ") + ApplicationTitle;
    if (FHost.Caption() != Wanted) FHost.SetCaption(Wanted);
}

void TMainForm::ShowCaretPosition() {
    FHost.SetStatusText(spCaret, CaretPositionText(FEditor.Row() + 1, FEditor.Col() + 1));
}

void TMainForm::SetFileName(const std::string& Name) {
    const std::string Previous = FCurrentFileName;
    FCurrentFileName = Name;
    FOpenDialog.FileName = Name;
    FSaveDialog.FileName = Name;
    FHost.SetFilePathText(Name);
    FHost.SetCaption(DisplayName() + " - " + ApplicationTitle);
    if (FHistory.Add(Name)) SaveHistory();
    if (AnsiLowerCaseAscii(ExtractFileExt(Name)) != AnsiLowerCaseAscii(ExtractFileExt(Previous)))
        ChangeEditMode(ModeFromFileName());
}

// ---------------------------------------------------------------------------------------
// Settings

TWindowBounds TMainForm::CurrentBounds() {
    return FHost.Placement().Bounds;
}

void TMainForm::LoadSettings() {
    const TSettingsLists Lists = FStore.LoadSettings(CurrentBounds());
    BuildWrapWidthMenu(Lists.WrapWidthItems);
    BuildToolMenu(Lists.ToolItems);
}

namespace {

// Appends the items the settings lists give to Menu, their shortcuts parsed.
void AppendSettingsItems(TMenuItem& Menu, const std::vector<TSettingsMenuItem>& Items, int Command,
                         const TMenuItem::TNotify& OnClick) {
    for (const TSettingsMenuItem& S : Items) {
        if (S.Caption == "-") {
            Menu.AddSeparator();
            continue;
        }
        TMenuItem& Item = Menu.Add("", S.Caption, S.Hint, S.ShortCut, Command);
        Item.Enabled = S.Enabled;
        Item.Tag = S.Tag;
        Item.OnClick = OnClick;
    }
}

} // namespace

void TMainForm::BuildWrapWidthMenu(const std::vector<TSettingsMenuItem>& Items) {
    TMenuItem& Menu = *FMainMenu.Find("Menu_WordWrapList");
    while (Menu.Count() > 1) Menu.Delete(1);
    AppendSettingsItems(Menu, Items, mcWrapWidthItem, {});
}

void TMainForm::BuildToolMenu(const std::vector<TSettingsMenuItem>& Items) {
    TMenuItem& Menu = *FMainMenu.Find("Menu_Tool");
    while (Menu.Count() > ToolMenuFixedItems) Menu.Delete(ToolMenuFixedItems);
    AppendSettingsItems(Menu, Items, mcTool, {});
}

std::vector<int> TMainForm::WrapWidthList() {
    std::vector<int> Widths;
    TMenuItem& Menu = *FMainMenu.Find("Menu_WordWrapList");
    for (int I = 1; I < Menu.Count(); ++I)
        if (Menu[I].Command == mcWrapWidthItem) Widths.push_back(static_cast<int>(Menu[I].Tag));
    return Widths;
}

void TMainForm::SetWrapWidthList(const std::vector<int>& Widths) {
    BuildWrapWidthMenu(WrapWidthMenuItems(Widths));
}

void TMainForm::ReloadToolMenu() { BuildToolMenu(ToolMenuItems(ReadToolList(FS.Ini))); }

void TMainForm::RefreshTitle() { UpdateTitle(FEditor.Modified()); }

TModeExtensionLists TMainForm::ModeExtensionLists() const {
    TModeExtensionLists Lists;
    const std::vector<TModeFilter> Filters = ModeFilters(FOptions);
    for (std::size_t I = 0; I < Filters.size() && I + 1 < Lists.size(); ++I)
        Lists[I + 1] = Filters[I].Extensions;
    return Lists;
}

void TMainForm::ApplySettings() {
    TWaitCursor Wait(FHost);
    AssignEditorProp(FEditorProp1, FEditor);
    const TDialogFilters Filters = BuildDialogFilters(FOptions.UserFileFilter, ModeFilters(FOptions));
    FOpenDialog.Filter = Filters.Open;
    FSaveDialog.Filter = Filters.Save;
    if (FOptions.FlatToolBar != FHost.ToolBarFlat()) FHost.SetToolBarFlat(FOptions.FlatToolBar);
    FHost.SetPanel1Visible(FOptions.ToolBar && !FOptions.FlatToolBar);
    FHost.SetToolBarVisible(FOptions.ToolBar);
    FHost.SetStatusBarVisible(FOptions.StatusBar);
    ApplyOptionsToEditorProp(FOptions, FEditorProp1);
    FEditor.SetUndoListMax(FOptions.UndoMax);
    FEditMode = ModeFromFileName();
    ApplyEditMode(false);
    AssignEditorPropTo(FEditorProp1, FEditor);
    UpdateScrollBars();
    if (FEditor.BoxMode()) FEditor.SetBoxMode(false);
    FEditor.SetCol(FEditor.Col());
    ShowEditMode();
    FEditor.Invalidate();
}

void TMainForm::UpdateScrollBars() {
    FEditor.SetScrollBars(::UpdateScrollBars(FOptions.ScrollBar_Tate, FOptions.ScrollBar_Yoko,
                                             FEditor.WordWrap(), FEditor.WrapOption().WrapByte(),
                                             FEditor.VisibleCols()));
}

void TMainForm::WriteOptionBool(const std::string& Key, bool Value) {
    FStore.WriteOptionBool(TSettingsStore::OptionSection, Key, Value);
}

void TMainForm::RestoreWindowPlacement() {
    const TWindowBounds Current = CurrentBounds();
    const TWindowPlacement Place = FStore.RestoreWindowPlacement(Current);
    const TWindowBounds& B = Place.Bounds;
    if (B.Left != Current.Left || B.Top != Current.Top || B.Width != Current.Width ||
        B.Height != Current.Height)
        FHost.SetBounds(B.Left, B.Top, B.Width, B.Height);
    if (Place.Maximized) FHost.Maximize();
}

void TMainForm::SaveWindowPlacement() { FStore.SaveWindowPlacement(FHost.Placement()); }

// ---------------------------------------------------------------------------------------
// Edit modes: the colouring each mode configures

void TMainForm::ApplyEditMode(bool Reset) {
    if (Reset) AssignEditorProp(FEditorProp1, FEditor);
    const int Mode = EffectiveEditMode(FEditMode, ModeExtensionLists());
    FColouringMode = Mode;
    FOpenDialog.FilterIndex = Mode + 1;
    FSaveDialog.FilterIndex = Mode + 2;
    ConfigureEditMode(FEditorProp1, Mode, FOptions, [this](const std::string& File, TWordList& Words) {
        return LoadKeywordFile(FS.Files, ExtractFileDir(FS.Shell.ProgramFileName()) + "\\" + File, Words);
    });
    if (Reset) AssignEditorPropTo(FEditorProp1, FEditor);
    if (OnEditModeApplied) OnEditModeApplied();
}

// ---------------------------------------------------------------------------------------
// Wiring

void TMainForm::ConnectMenus() {
    auto On = [this](int Command, TCommandHandler Handler) { ConnectCommand(Command, std::move(Handler)); };
    auto Plain = [this](int Command, void (TMainForm::*Method)()) {
        ConnectCommand(Command, [this, Method](TMenuItem&) { (this->*Method)(); });
    };
    // File
    Plain(mcNew, &TMainForm::NewClick);
    Plain(mcOpen, &TMainForm::OpenClick);
    Plain(mcCloseAndOpen, &TMainForm::CloseAndOpenClick);
    On(mcHistoryItem, [this](TMenuItem& Item) { HistoryClick(Item); });
    Plain(mcClearHistory, &TMainForm::ClearHistoryClick);
    On(mcSave, [this](TMenuItem&) { Save(); });
    On(mcSaveAs, [this](TMenuItem&) { SaveAs(); });
    On(mcSaveSJis, [this](TMenuItem&) { SaveInCodeClick(0); });
    On(mcSaveJis, [this](TMenuItem&) { SaveInCodeClick(1); });
    On(mcSaveEuc, [this](TMenuItem&) { SaveInCodeClick(2); });
    On(mcSaveUtf8, [this](TMenuItem&) { SaveInCodeClick(3); });
    On(mcSaveUtf8Bom, [this](TMenuItem&) { SaveInCodeClick(4); });
    Plain(mcSaveAndExit, &TMainForm::SaveAndExitClick);
    On(mcExit, [this](TMenuItem&) { FHost.Close(); });
    // Edit
    Plain(mcUndo, &TMainForm::UndoClick);
    Plain(mcRedo, &TMainForm::RedoClick);
    for (int Command : {mcCut, mcCopy, mcPaste, mcDelete})
        On(Command, [this, Command](TMenuItem&) { ClipboardClick(Command); });
    Plain(mcSelectAll, &TMainForm::SelectAllClick);
    On(mcBoxMode, [this](TMenuItem&) { FEditor.ToggleBoxMode(); });
    Plain(mcFreeCaret, &TMainForm::FreeCaretClick);
    // View
    On(mcEditMode, [this](TMenuItem& Item) { EditModeClick(Item); });
    On(mcToolBar, [this](TMenuItem& Item) { ToolBarClick(Item); });
    On(mcStatusBar, [this](TMenuItem& Item) { StatusBarClick(Item); });
    On(mcInyouRow, [this](TMenuItem& Item) { InyouRowClick(Item); });
    On(mcLinkWord, [this](TMenuItem& Item) { LinkWordClick(Item); });
    On(mcWordWrap, [this](TMenuItem& Item) { WordWrapClick(Item); });
    On(mcNowWidth, [this](TMenuItem&) { WrapWidthClick(WindowEdgeWidth()); });
    On(mcWrapWidthItem, [this](TMenuItem& Item) { WrapWidthClick(static_cast<int>(Item.Tag)); });
    Plain(mcTextSize, &TMainForm::TextSizeClick);
    Plain(mcFont, &TMainForm::FontClick);
    // Window
    On(mcWinUserSize, [this](TMenuItem&) { FWindows.ApplyUserWindowSize(UserWindowOptions()); });
    On(mcTile, [this](TMenuItem&) { FWindows.ArrangeGrid(); });
    On(mcCascade, [this](TMenuItem&) { FWindows.ArrangeCascade(); });
    On(mcTileHorizontal, [this](TMenuItem&) { FWindows.ArrangeStacked(); });
    On(mcTileVertical, [this](TMenuItem&) { FWindows.ArrangeSideBySide(); });
    On(mcRestoreAll, [this](TMenuItem&) { FWindows.RestoreAllWindows(); });
    On(mcMinimizeAll, [this](TMenuItem&) { FWindows.MinimizeAllWindows(); });
    On(mcNextWindow, [this](TMenuItem&) { FWindows.ActivateNextWindow(); });
    On(mcPreviousWindow, [this](TMenuItem&) { FWindows.ActivatePreviousWindow(); });
    On(mcWindowItem, [this](TMenuItem& Item) { FWindows.ChooseWindow(static_cast<TWindowHandle>(Item.Tag)); });
    // Help
    Plain(mcHelp, &TMainForm::HelpClick);
    On(mcHomePage, [this](TMenuItem&) { FS.Shell.Execute("open", HomePageUrl, "", ""); });

    // Every item runs its command through Click, so that an unconnected command is never
    // run.
    FMainMenu.OnChildClick = [this](TMenuItem& Item) { Click(Item); };
    FPopupMenu.OnChildClick = [this](TMenuItem& Item) { Click(Item); };

    FMainMenu.Find("File1")->OnPopup = [this](TMenuItem&) { FileMenuPopup(); };
    FMainMenu.Find("mReOpen")->OnPopup = [this](TMenuItem&) {
        FMainMenu.Find("mFileHisDel")->Enabled = FHistory.FirstItemEnabled();
    };
    FMainMenu.Find("Edit1")->OnPopup = [this](TMenuItem& Menu) { EditMenuPopup(Menu); };
    FPopupMenu.OnPopup = [this](TMenuItem& Menu) { EditMenuPopup(Menu); };
    FMainMenu.Find("Show1")->OnPopup = [this](TMenuItem&) { ViewMenuPopup(); };
    FMainMenu.Find("mMode")->OnPopup = [this](TMenuItem& Menu) { ModeMenuPopup(Menu); };
    FMainMenu.Find("Menu_WordWrapList")->OnPopup = [this](TMenuItem&) { WrapListPopup(); };
    FMainMenu.Find("mWindow")->OnPopup = [this](TMenuItem& Menu) {
        FWindows.WindowMenuPopup(Menu, UserWindowOptions());
    };
    FMainMenu.Find("Help1")->OnPopup = [this](TMenuItem&) { HelpMenuPopup(); };
    UpdateCommandStates();
}

// Items whose command nothing runs yet are disabled, in every menu.
void TMainForm::UpdateCommandStates() {
    std::function<void(TMenuItem&)> Walk = [&](TMenuItem& Menu) {
        for (int I = 0; I < Menu.Count(); ++I) {
            TMenuItem& Item = Menu[I];
            if (Item.Command != mcNone && Item.Command != mcHistoryItem)
                Item.Enabled = CommandConnected(Item.Command);
            Walk(Item);
        }
    };
    Walk(FMainMenu);
    Walk(FPopupMenu);
}

TUserWindowOptions TMainForm::UserWindowOptions() const {
    TUserWindowOptions U;
    U.StartWindow = FOptions.StartWindow;
    U.UserWindowSize = FOptions.UserWindowSize;
    U.UserWindowSize_W = FOptions.UserWindowSize_W;
    U.UserWindowSize_H = FOptions.UserWindowSize_H;
    U.UserWindowPos = FOptions.UserWindowPos;
    U.UserWindowPos_X = FOptions.UserWindowPos_X;
    U.UserWindowPos_Y = FOptions.UserWindowPos_Y;
    return U;
}

void TMainForm::ConnectEditorEvents() {
    FEditor.OnCaretMoved = [this](TEditor*) { ShowCaretPosition(); };
    FEditor.OnChange = [this](TEditor*) { UpdateTitle(true); };
    FEditor.OnSelectionModeChange = [this](TEditor*) { SelectionModeChanged(); };
    FEditor.OnKeyDown = [this](TEditor*, int& Key, TShiftState Shift) { EditorKeyDown(Key, Shift); };
    FEditor.OnMouseMove = [this](TEditor*, TShiftState, int X, int Y) { EditorMouseMove(X, Y); };
    FEditor.OnDblClick = [this](TEditor*) { EditorDblClick(); };
    FEditor.OnDrawLine = [this](TEditor* Sender, const std::string& LineStr, int X, int Y, int Index,
                                const TRect& ARect, bool Selected) {
        Editor1DrawLine(*Sender, FColouringMode, FOptions, LineStr, X, Y, Index, ARect, Selected);
    };
}
