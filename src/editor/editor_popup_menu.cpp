#include "editor/editor_popup_menu.h"

#include "editor/editor.h"
#include "platform/clipboard.h"

TEditorPopupMenu::TEditorPopupMenu(TEditor* Editor) : FEditor(Editor) {
    CreateItems();
}

void TEditorPopupMenu::CreateItems() {
    FItems.clear();
    auto Add = [this](const char* Caption, const char* ShortCut, char Key, TCommand Command) {
        TItem I;
        I.Caption = Caption;
        I.ShortCutText = ShortCut;
        I.ShortCutKey = Key;
        I.Command = Command;
        FItems.push_back(I);
    };
    Add("元に戻す(&U)", "Ctrl+Z", 'Z', pcUndo);
    Add("やり直し(&R)", "Ctrl+A", 'A', pcRedo);
    Add("-", "", 0, pcNone);
    Add("切り取り(&T)", "Ctrl+X", 'X', pcCut);
    Add("コピー(&C)", "Ctrl+C", 'C', pcCopy);
    Add("貼り付け(&P)", "Ctrl+V", 'V', pcPaste);
    Add("Box貼り付け(&B)", "Ctrl+B", 'B', pcBoxPaste);
    Add("削除(&D)", "", 0, pcDelete);
    Add("-", "", 0, pcNone);
    Add("すべて選択(&A)", "", 0, pcSelectAll);
    Add("-", "", 0, pcNone);
    Add("Box選択モード(&K)", "Ctrl+K", 'K', pcBoxMode);
}

void TEditorPopupMenu::UpdateItems() {
    if (!FEditor) return;
    TEditor& E = *FEditor;
    const bool Writable = !E.ReadOnly();
    const bool HasSelection = E.Selected() && E.SelLength() > 0;
    const bool HasText = E.ClipboardHasText();
    for (TItem& I : FItems) {
        switch (I.Command) {
        case pcUndo:
            I.Enabled = E.CanUndo() && Writable;
            break;
        case pcRedo:
            I.Enabled = E.CanRedo() && Writable;
            break;
        case pcCut:
        case pcDelete:
            I.Enabled = HasSelection && Writable;
            break;
        case pcCopy:
            I.Enabled = HasSelection;
            break;
        case pcPaste:
        case pcBoxPaste:
            I.Enabled = HasText && Writable;
            break;
        case pcSelectAll:
            I.Enabled = E.GetTextLen() > 0;
            break;
        case pcBoxMode:
            I.Enabled = true;
            I.Checked = E.BoxMode();
            break;
        case pcNone:
            break;
        }
    }
}

void TEditorPopupMenu::Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FItems.size())) return;
    UpdateItems();
    const TItem& I = FItems[static_cast<std::size_t>(Index)];
    if (I.Enabled) Run(I.Command);
}

bool TEditorPopupMenu::IsShortCut(int Key, bool Ctrl, bool Shift, bool Alt) {
    if (!Ctrl || Shift || Alt) return false;
    for (std::size_t Index = 0; Index < FItems.size(); ++Index) {
        if (FItems[Index].ShortCutKey == 0 || FItems[Index].ShortCutKey != Key) continue;
        UpdateItems();
        if (FItems[Index].Enabled) Run(FItems[Index].Command);
        return true;
    }
    return false;
}

void TEditorPopupMenu::Run(TCommand Command) {
    if (!FEditor) return;
    switch (Command) {
    case pcUndo:
        UndoClick();
        break;
    case pcRedo:
        RedoClick();
        break;
    case pcCut:
        CutClick();
        break;
    case pcCopy:
        CopyClick();
        break;
    case pcPaste:
        PasteClick();
        break;
    case pcBoxPaste:
        BoxPasteClick();
        break;
    case pcDelete:
        DeleteClick();
        break;
    case pcSelectAll:
        SelectAllClick();
        break;
    case pcBoxMode:
        BoxModeClick();
        break;
    case pcNone:
        break;
    }
}

void TEditorPopupMenu::UndoClick() {
    FEditor->Undo();
}
void TEditorPopupMenu::RedoClick() {
    FEditor->Redo();
}
void TEditorPopupMenu::CutClick() {
    FEditor->CutClipboard();
}
void TEditorPopupMenu::CopyClick() {
    FEditor->CopyClipboard();
}
void TEditorPopupMenu::PasteClick() {
    FEditor->PasteClipboard();
}
void TEditorPopupMenu::BoxPasteClick() {
    FEditor->BoxPasteClipboard();
}
void TEditorPopupMenu::DeleteClick() {
    FEditor->ClearSelection();
}
void TEditorPopupMenu::SelectAllClick() {
    FEditor->SelectAll();
}

// The check mark follows the click; the control's mode follows the check mark.
void TEditorPopupMenu::BoxModeClick() {
    for (TItem& I : FItems)
        if (I.Command == pcBoxMode) {
            I.Checked = !I.Checked;
            FEditor->SetBoxMode(I.Checked);
        }
}

// The control's side ---------------------------------------------------------------------

bool TEditor::ClipboardHasText() const {
    return FClipboard && FClipboard->HasText();
}

bool TEditor::ClipboardText(std::string& Text) const {
    return FClipboard && FClipboard->HasText() && FClipboard->GetText(Text);
}

void TEditor::BoxPasteClipboard() {
    std::string Text;
    if (!FClipboard || !FClipboard->HasText() || !FClipboard->GetText(Text)) return;
    BoxPaste(Text);
}
