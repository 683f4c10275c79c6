// The View menu of the main window: tool bar, status bar, quote lines and links, word
// wrap and the wrap widths, the text size, the font and the edit modes.
#include "app/edit_mode.h"
#include "app/main_form.h"
#include "app/status_bar.h"
#include "editor/editor.h"

#include <algorithm>

void TMainForm::ViewMenuPopup() {
    auto Item = [this](const char* Name) { return FMainMenu.Find(Name); };
    Item("Menu_ToolBar")->Checked = FOptions.ToolBar;
    Item("Menu_StatusBar")->Checked = FOptions.StatusBar;
    Item("Menu_InyouRow")->Checked = FOptions.InyouRow;
    Item("Menu_LinkWord")->Checked = FOptions.LinkWord;
    Item("mOnWordWrap")->Checked = FOptions.WordWrap;
    Item("mOnWordWrap")->Caption = std::to_string(FEditor.WrapOption().WrapByte()) + "桁で折り返し(&W)";
    Item("mByte")->Visible = FHost.StatusBarVisible();
    Item("mByte")->Checked = IsTextSizeText(FHost.StatusText(spCaret));
    Item("Menu_InyouRow")->Enabled = FEditMode == 0;
    Item("Menu_LinkWord")->Enabled = FEditMode == 0 || FEditMode == 3 || FEditMode == 4;
}

void TMainForm::ToolBarClick(TMenuItem& Item) {
    FOptions.ToolBar = !Item.Checked;
    Item.Checked = FOptions.ToolBar;
    FHost.SetToolBarVisible(FOptions.ToolBar);
    FHost.SetPanel1Visible(FOptions.ToolBar && !FOptions.FlatToolBar);
    WriteOptionBool("ToolBar", FOptions.ToolBar);
}

void TMainForm::StatusBarClick(TMenuItem& Item) {
    FOptions.StatusBar = !Item.Checked;
    Item.Checked = FOptions.StatusBar;
    FHost.SetStatusBarVisible(FOptions.StatusBar);
    WriteOptionBool("StatusBar", FOptions.StatusBar);
}

void TMainForm::InyouRowClick(TMenuItem& Item) {
    FOptions.InyouRow = !Item.Checked;
    Item.Checked = FOptions.InyouRow;
    FEditor.Invalidate();
    WriteOptionBool("InyouRow", FOptions.InyouRow);
}

void TMainForm::LinkWordClick(TMenuItem& Item) {
    FOptions.LinkWord = !Item.Checked;
    Item.Checked = FOptions.LinkWord;
    FEditor.View().SetUrl(FOptions.LinkWord);
    FEditor.View().SetMail(FOptions.LinkWord);
    WriteOptionBool("LinkWord", FOptions.LinkWord);
}

// ---------------------------------------------------------------------------------------
// Word wrap

int TMainForm::WindowEdgeWidth() const {
    return std::min(250, std::max(20, FEditor.VisibleCols() - 3));
}

void TMainForm::WordWrapClick(TMenuItem& Item) {
    TWaitCursor Wait(FHost);
    FOptions.WordWrap = !Item.Checked;
    Item.Checked = FOptions.WordWrap;
    if (FOptions.WordWrap) FEditor.WrapOption().SetWrapByte(FOptions.WrapCount);
    FEditor.SetWordWrap(FOptions.WordWrap);
    UpdateScrollBars();
    ShowEditMode();
    WriteOptionBool("WordWrap", FOptions.WordWrap);
}

void TMainForm::WrapListPopup() {
    FMainMenu.Find("mNowWidth")->Caption = "&0: " + std::to_string(WindowEdgeWidth()) + "桁 (右端)";
}

void TMainForm::WrapWidthClick(int Width) {
    TWaitCursor Wait(FHost);
    FOptions.WordWrap = true;
    FOptions.WrapCount = Width;
    FMainMenu.Find("mOnWordWrap")->Checked = true;
    FEditor.WrapOption().SetWrapByte(Width);
    FEditor.SetWordWrap(true);
    UpdateScrollBars();
    ShowEditMode();
    FStore.WriteWrapPair();
}

// ---------------------------------------------------------------------------------------
// Font

void TMainForm::FontClick() {
    TFontDialogParams Params;
    Params.Name = FEditor.Font().Name();
    Params.Size = FEditor.Font().Size();
    const TWindowPlacement Place = FHost.Placement();
    Params.Left = Place.Bounds.Left + 16;
    Params.Top = Place.Bounds.Top + 16;
    if (!FHost.ExecuteFontDialog(Params)) return;
    if (Params.Name == FEditor.Font().Name() && Params.Size == FEditor.Font().Size()) return;
    TWaitCursor Wait(FHost);
    FOptions.FontName = Params.Name;
    FOptions.FontSize = Params.Size;
    FEditor.Font().SetSize(Params.Size);
    FEditor.Font().SetName(Params.Name);
    FStore.WriteFontPair();
}

// ---------------------------------------------------------------------------------------
// Edit modes

void TMainForm::ModeMenuPopup(TMenuItem& Menu) {
    for (int I = 0; I < Menu.Count(); ++I) Menu[I].Checked = I == FEditMode;
}

void TMainForm::EditModeClick(TMenuItem& Item) {
    const int Mode = Item.MenuIndex();
    if (Mode == FEditMode) return;
    TWaitCursor Wait(FHost);
    ChangeEditMode(Mode);
}

void TMainForm::ChangeEditMode(int Mode) {
    FEditMode = Mode;
    ApplyEditMode(true);
    ShowEditMode();
}

void TMainForm::ShowEditMode() {
    FHost.SetStatusText(spMode, EditModeStatusName(FEditMode));
    FHost.SetStatusText(spWrap, WrapPanelText(FEditor.WordWrap(), FEditor.WrapOption().WrapByte()));
}

int TMainForm::ModeFromFileName() const {
    return ::ModeFromFileName(FCurrentFileName, FEditMode, ModeExtensionLists());
}
