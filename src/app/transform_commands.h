#pragma once
// The conversion commands of the main window: case and width of the selection, the four
// indent commands, soft wraps to line breaks, deleting line breaks, quoted paste and
// deleting the caret row, the enabling of the conversion submenus when they open, and
// the Tab and Return keys the window takes from the editor (Tab indents a block; Return
// indents like the line above when AutoIndent, inverted by Shift, says so).
//
// Every handler checks again what the submenu checks on opening, because a shortcut
// reaches it without the submenu being opened; a command that cannot act beeps and
// changes nothing.
#include "app/menu/menu_item.h"

#include <string>

class TEditor;
class TMainForm;
class TMainFormHost;

// Selection lengths (bytes) above which a command does not act.
constexpr int CaseLimit = 1000000;
constexpr int WidthLimit = 10000;
constexpr int BlockLimit = 50000;

class TTransformCommands {
public:
    // Connects the commands, the submenus' opening rules and the editor's key presses;
    // switches off the editor's own automatic indentation.
    TTransformCommands(TMainForm& Form, TMainFormHost& Host, TEditor& Editor);
    TTransformCommands(const TTransformCommands&) = delete;
    TTransformCommands& operator=(const TTransformCommands&) = delete;

    // The editor's key press (character codes): Tab and Return may be taken (Key 0).
    void EditorKeyPress(char& Key);

private:
    void HenkanPopup(TMenuItem& Menu);
    // The conversion rules of the selection as it is now.
    bool CaseAllowed();
    bool WidthAllowed();
    bool BlockAllowed();
    bool IndentAllowed();
    bool WrapToReturnsAllowed();

    // Replaces the selection by Convert(selection) and selects the result, when Allowed.
    template <typename TConvert> void ReplaceAndReselect(bool Allowed, TConvert Convert);
    void IndentClick(bool Allowed, void (TEditor::*Operation)());
    void WrapToReturnsClick();
    void InyouPasteClick();
    void LineDelClick();
    void TabKey();
    bool ReturnKey();

    TMainForm& FForm;
    TMainFormHost& FHost;
    TEditor& FEditor;
};
