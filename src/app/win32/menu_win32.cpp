#include "app/win32/menu_win32.h"

#include "app/menu/menu_item.h"

#include <string>

TWin32Menu::TWin32Menu(TMenuItem& Root, bool Bar)
    : FRoot(Root), FBar(Bar), FHandle(Bar ? CreateMenu() : CreatePopupMenu()) {
    Fill(FHandle, FRoot);
}

TWin32Menu::~TWin32Menu() {
    Forget(FHandle);
    DestroyMenu(FHandle); // destroys the submenus with it
}

void TWin32Menu::Forget(HMENU Menu) {
    for (HMENU Child : FChildren[Menu]) {
        Forget(Child);
        FMenus.erase(Child);
    }
    FChildren.erase(Menu);
    for (UINT Id : FIds[Menu]) FItems.erase(Id);
    FIds.erase(Menu);
}

void TWin32Menu::Fill(HMENU Menu, TMenuItem& Model) {
    // Empty the platform menu; removing detaches submenus, which are destroyed here.
    while (GetMenuItemCount(Menu) > 0) {
        HMENU Sub = GetSubMenu(Menu, 0);
        RemoveMenu(Menu, 0, MF_BYPOSITION);
        if (Sub) DestroyMenu(Sub);
    }
    Forget(Menu);
    FMenus[Menu] = &Model;
    for (int I = 0; I < Model.Count(); ++I) {
        TMenuItem& Item = Model[I];
        if (!Item.Visible) continue;
        if (Item.IsLine()) {
            AppendMenuA(Menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string Text = Item.Caption;
        if (!Item.ShortCut.IsNone() && Text.find('\t') == std::string::npos)
            Text += "\t" + ShortCutToText(Item.ShortCut);
        MENUITEMINFOA Info = {};
        Info.cbSize = sizeof Info;
        Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        Info.fType = MFT_STRING | (Item.RadioItem ? MFT_RADIOCHECK : 0);
        Info.fState = (Item.Enabled ? MFS_ENABLED : MFS_GRAYED) |
                      (Item.Checked ? MFS_CHECKED : MFS_UNCHECKED);
        Info.dwTypeData = const_cast<char*>(Text.c_str());
        Info.wID = FNextId++;
        if (FNextId > 0x7FFF) FNextId = 100;
        FItems[Info.wID] = &Item;
        FIds[Menu].push_back(Info.wID);
        if (Item.Count() > 0 || Item.OnPopup) {
            HMENU Sub = CreatePopupMenu();
            FChildren[Menu].push_back(Sub);
            FMenus[Sub] = &Item;
            Info.hSubMenu = Sub;
            // The submenu is filled when it opens; one placeholder keeps it openable.
            AppendMenuA(Sub, MF_STRING | MF_GRAYED, 0, "");
        }
        InsertMenuItemA(Menu, static_cast<UINT>(GetMenuItemCount(Menu)), TRUE, &Info);
    }
}

bool TWin32Menu::InitPopup(HMENU Menu) {
    auto It = FMenus.find(Menu);
    if (It == FMenus.end()) return false;
    TMenuItem& Model = *It->second;
    Model.Popup();
    Fill(Menu, Model);
    return true;
}

TMenuItem* TWin32Menu::ItemOfCommand(UINT Id) const {
    auto It = FItems.find(Id);
    return It == FItems.end() ? nullptr : It->second;
}

TMenuItem* TWin32Menu::ItemOfSelect(WPARAM WParam, LPARAM LParam) const {
    const UINT Flags = HIWORD(WParam);
    if (Flags == 0xFFFF && LParam == 0) return nullptr; // the menu closed
    if (Flags & MF_POPUP) {
        HMENU Menu = reinterpret_cast<HMENU>(LParam);
        HMENU Sub = GetSubMenu(Menu, LOWORD(WParam));
        auto It = FMenus.find(Sub);
        return It == FMenus.end() ? nullptr : It->second;
    }
    return ItemOfCommand(LOWORD(WParam));
}

TMenuItem* TWin32Menu::TrackPopup(HWND Owner, int X, int Y) {
    FRoot.Popup();
    Fill(FHandle, FRoot);
    const UINT Id = static_cast<UINT>(TrackPopupMenu(FHandle, TPM_RETURNCMD | TPM_RIGHTBUTTON |
                                                                   TPM_LEFTALIGN,
                                                     X, Y, 0, Owner, nullptr));
    return Id ? ItemOfCommand(Id) : nullptr;
}

void TWin32Menu::Refresh() { Fill(FHandle, FRoot); }
