// The edit commands of the main window, the opening rules of the Edit menu and the
// context menu, the keys the window takes from the editor, box mode and free caret,
// and the link under the mouse.
#include "base/file_name.h"
#include "app/main_form.h"
#include "app/status_bar.h"
#include "editor/editor.h"
#include "editor/parser.h"
#include "platform/shell.h"

namespace {

bool IsLinkMode(int Mode) { return Mode == 0 || Mode == 3 || Mode == 4; }

void SetEnabled(TMenuItem& Menu, const char* Name, bool Value) {
    if (TMenuItem* Item = Menu.Find(Name)) Item->Enabled = Value;
}

} // namespace

// Both the Edit menu (names with "m") and the context menu (names with "p") follow the
// editor when they open.
void TMainForm::EditMenuPopup(TMenuItem& Menu) {
    const std::string P = Menu.Name == "Edit1" ? "m" : "p";
    auto Item = [&](const char* Name) { return Menu.Find(P + Name); };
    const int SelLength = FEditor.SelLength();
    const bool HasSelection = SelLength > 0;
    const bool HasText = FEditor.ClipboardHasText();
    Item("Undo")->Enabled = FEditor.CanUndo();
    Item("Redo")->Enabled = FEditor.CanRedo();
    Item("Cut")->Enabled = HasSelection;
    Item("Copy")->Enabled = HasSelection;
    Item("Delete")->Enabled = HasSelection;
    Item("Henkan")->Enabled = HasSelection;
    Item("Paste")->Enabled = HasText;
    Item("InyouPaste")->Enabled = HasText && CommandConnected(mcInyouPaste);
    Item("LineDel")->Enabled = !HasSelection && CommandConnected(mcLineDel);
    Item("BoxMode")->Enabled = !HasSelection;
    Item("BoxMode")->Checked = FEditor.BoxMode();
    Item("FreeCaret")->Enabled = !FEditor.BoxMode();
    Item("FreeCaret")->Checked = FOptions.FreeCaret;
    Item("SelectAll")->Enabled = true;
    if (P == "m") {
        SetEnabled(Menu, "mUndo2", Item("Undo")->Enabled);
        SetEnabled(Menu, "mCut2", Item("Cut")->Enabled);
        SetEnabled(Menu, "mCopy2", Item("Copy")->Enabled);
        SetEnabled(Menu, "mPaste2", Item("Paste")->Enabled);
    }
}

void TMainForm::UndoClick() {
    if (!FEditor.CanUndo()) return FHost.Beep();
    if (FEditor.SelLength() > 0) FEditor.SetSelLength(0);
    FEditor.Undo();
}

void TMainForm::RedoClick() {
    if (!FEditor.CanRedo()) return FHost.Beep();
    if (FEditor.SelLength() > 0) FEditor.SetSelLength(0);
    FEditor.Redo();
}

void TMainForm::ClipboardClick(int Command) {
    switch (Command) {
    case mcCut:
        if (FEditor.SelLength() > 0) return FEditor.CutClipboard();
        break;
    case mcCopy:
        if (FEditor.SelLength() > 0) return FEditor.CopyClipboard();
        break;
    case mcPaste:
        if (FEditor.ClipboardHasText()) return FEditor.PasteClipboard();
        break;
    case mcDelete:
        if (FEditor.SelLength() > 0) return FEditor.ClearSelection();
        break;
    }
    FHost.Beep();
}

void TMainForm::SelectAllClick() {
    if (FEditor.SelLength() > 0) FEditor.SetSelLength(0);
    FEditor.SelectAll();
}

void TMainForm::SelectionModeChanged() {
    if (FEditor.BoxMode()) {
        FHost.SetStatusText(spBox, BoxPanelText(true));
        if (!FOptions.FreeCaret) FEditor.Caret().SetFreeCaret(true);
    } else {
        FHost.SetStatusText(spBox, BoxPanelText(false));
        if (!FOptions.FreeCaret) FEditor.Caret().SetFreeCaret(false);
        FEditor.SetCol(FEditor.Col());
    }
}

void TMainForm::FreeCaretClick() {
    FEditor.Caret().SetFreeCaret(!FOptions.FreeCaret);
    FEditor.SetCol(FEditor.Col());
    FOptions.FreeCaret = FEditor.Caret().FreeCaret();
    WriteOptionBool("FreeCaret", FOptions.FreeCaret);
}

void TMainForm::TextSizeClick() {
    if (!IsTextSizeText(FHost.StatusText(spCaret)))
        FHost.SetStatusText(spCaret, TextSizeText(FEditor.GetTextLen()));
    else
        ShowCaretPosition();
}

void TMainForm::EditorKeyDown(int& Key, TShiftState Shift) {
    switch (Key) {
    case vkLeft:
    case vkUp:
    case vkRight:
    case vkDown:
        if (!Has(Shift, TShiftState::ssShift) && !Has(Shift, TShiftState::ssCtrl) && FEditor.Selected() &&
            FEditor.SelLength() > 0) {
            const bool ToStart = Key == vkLeft || Key == vkUp;
            const int Row = ToStart ? FEditor.BlockTopRow() : FEditor.BlockBottomRow();
            const int Col = ToStart ? FEditor.BlockLeftCol() : FEditor.BlockRightCol();
            FEditor.CleanSelection();
            FEditor.SetRowCol(Row, Col);
            Key = 0;
        }
        break;
    case vkEscape:
        if (IsTextSizeText(FHost.StatusText(spCaret))) ShowCaretPosition();
        break;
    case vkInsert:
        FEditor.SetOverwrite(!FEditor.Overwrite());
        FHost.SetStatusText(spInsert, InsertPanelText(FEditor.Overwrite()));
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Links

void TMainForm::EditorMouseMove(int X, int Y) {
    std::string Link;
    if (FOptions.LinkWord && IsLinkMode(FEditMode)) {
        std::string Text;
        TEditorTokenKind Kind = TEditorTokenKind::toEOF;
        if (FEditor.GetTokenAt(X, Y, Text, Kind) && (Kind == TEditorTokenKind::toUrl || Kind == TEditorTokenKind::toMail)) Link = Text;
    }
    FOptions.LinkWordUnderMouse = Link;
    FEditor.SetCursor(Link.empty() ? crDefault : crHandPoint);
}

std::string LinkToOpen(const std::string& Word) {
    if (Word.find('@') != std::string::npos &&
        AnsiLowerCaseAscii(Word).find("mailto:") == std::string::npos)
        return "mailto:" + Word;
    return Word;
}

void TMainForm::EditorDblClick() {
    int X = 0, Y = 0;
    FEditor.CaretPixelPos(X, Y);
    if (FOptions.LinkWord && IsLinkMode(FEditMode) && !FOptions.LinkWordUnderMouse.empty() &&
        FEditor.SelLength() == 0) {
        // Clicks at the caret end the double click's own selection gesture.
        FEditor.MouseDown(TMouseButton::mbLeft, TShiftState(), X, Y);
        FEditor.MouseUp(TMouseButton::mbLeft, TShiftState(), X, Y);
        FS.Shell.Execute("open", LinkToOpen(FOptions.LinkWordUnderMouse), std::string(),
                         std::string());
        FEditor.MouseDown(TMouseButton::mbLeft, TShiftState(), X, Y);
        FEditor.MouseUp(TMouseButton::mbLeft, TShiftState(), X, Y);
        return;
    }
    FEditor.SelectTokenAt(X, Y);
}
