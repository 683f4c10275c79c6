#pragma once
// The control's own context menu: twelve items (nine commands and three separators)
// whose enabled and checked states follow the control when the menu is about to show.
// The platform builds its menu from Items(); a chosen item comes back through Click,
// and a key that matches an item's shortcut through IsShortCut.
#include <string>
#include <vector>

class TEditor;

class TEditorPopupMenu {
public:
    enum TCommand {
        pcNone, // a separator
        pcUndo,
        pcRedo,
        pcCut,
        pcCopy,
        pcPaste,
        pcBoxPaste,
        pcDelete,
        pcSelectAll,
        pcBoxMode,
    };
    struct TItem {
        std::string Caption;
        std::string ShortCutText; // "Ctrl+Z"; empty for none
        int ShortCutKey = 0;      // the virtual key pressed with Ctrl; 0 for none
        TCommand Command = pcNone;
        bool Enabled = true;
        bool Checked = false;
    };

    explicit TEditorPopupMenu(TEditor* Editor);
    virtual ~TEditorPopupMenu() = default;
    TEditorPopupMenu(const TEditorPopupMenu&) = delete;
    TEditorPopupMenu& operator=(const TEditorPopupMenu&) = delete;

    TEditor* Editor() const { return FEditor; }
    void SetEditor(TEditor* Value) { FEditor = Value; }
    const std::vector<TItem>& Items() const { return FItems; }

    // The before-show event: enabled and checked states from the control.
    virtual void UpdateItems();
    // Runs the command of item Index when it is enabled.
    void Click(int Index);
    // Ctrl + Key: when it is the shortcut of an item, updates the states and runs the item
    // when enabled; true when the key was an item's shortcut.
    bool IsShortCut(int Key, bool Ctrl, bool Shift, bool Alt);

protected:
    virtual void CreateItems();
    virtual void UndoClick();
    virtual void RedoClick();
    virtual void CutClick();
    virtual void CopyClick();
    virtual void PasteClick();
    virtual void BoxPasteClick();
    virtual void DeleteClick();
    virtual void SelectAllClick();
    virtual void BoxModeClick();

    std::vector<TItem> FItems;

private:
    void Run(TCommand Command);
    TEditor* FEditor;
};
