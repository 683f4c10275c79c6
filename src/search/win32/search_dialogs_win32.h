#pragma once
// The search dialogs as Win32 dialog boxes over their models (templates in
// data/resources/search.rc), placed from the editor window's client area.
#include "search/search_dialogs.h"

#include <windows.h>

class TEditor;

class TWin32SearchDialogs : public TSearchDialogs {
public:
    TWin32SearchDialogs(HWND Owner, HWND EditorWindow) : FOwner(Owner), FEditorWindow(EditorWindow) {}

    bool ExecuteFind(TFormSearch& Form) override;
    TReplaceDialogResult ExecuteReplace(TFormReplace& Form) override;
    bool ExecuteJump(TFormJump& Form) override;
    TReplaceAnswer ConfirmReplace(int CaretX, int CaretY, int RowHeight) override;

    // Puts Dialog at the editor's client point 24, 24, kept inside the work area.
    void PlaceDialog(HWND Dialog) const;
    HWND EditorWindow() const { return FEditorWindow; }

private:
    HWND FOwner;
    HWND FEditorWindow;
};
