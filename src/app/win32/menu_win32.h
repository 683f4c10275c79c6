#pragma once
// Platform menus built from the menu model: a menu bar or a popup menu whose submenus are
// filled from their model items each time they open, so that enabling, checking,
// captions and rebuilt items (the file history, the window list) show as the model has
// them.  Chosen commands and highlighted items come back as model items.
#include <windows.h>

#include <map>
#include <vector>

class TMenuItem;

class TWin32Menu {
public:
    // Root is the model of a menu bar (Bar true) or of a popup menu.
    TWin32Menu(TMenuItem& Root, bool Bar);
    ~TWin32Menu();
    TWin32Menu(const TWin32Menu&) = delete;
    TWin32Menu& operator=(const TWin32Menu&) = delete;

    HMENU Handle() const { return FHandle; }
    // WM_INITMENUPOPUP: when Menu is one of ours, lets the model update the item and
    // refills Menu from it.  True when Menu was ours.
    bool InitPopup(HMENU Menu);
    // The model item of a WM_COMMAND identifier; nullptr when not ours.
    TMenuItem* ItemOfCommand(UINT Id) const;
    // The model item WM_MENUSELECT names (an identifier, or a submenu's position in Menu).
    TMenuItem* ItemOfSelect(WPARAM WParam, LPARAM LParam) const;
    // Shows the popup menu at a screen point for Owner and returns the chosen item
    // (nullptr when none); the model's root is updated first.
    TMenuItem* TrackPopup(HWND Owner, int X, int Y);
    // Refills the top level (a menu bar after its items changed visibility).
    void Refresh();

private:
    void Fill(HMENU Menu, TMenuItem& Model);
    void Forget(HMENU Menu);

    TMenuItem& FRoot;
    bool FBar;
    HMENU FHandle;
    UINT FNextId = 100;
    std::map<HMENU, TMenuItem*> FMenus;
    std::map<HMENU, std::vector<HMENU>> FChildren;
    std::map<HMENU, std::vector<UINT>> FIds;
    std::map<UINT, TMenuItem*> FItems;
};
