#pragma once
// A menu as a tree of items: the main menu, the context menu and their submenus.  The
// shell builds and updates the tree; the platform builds its menus from it when a menu
// opens and hands chosen items and shortcut keys back.
#include "app/menu/shortcut.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMenuItem {
public:
    using TNotify = std::function<void(TMenuItem& Sender)>;

    TMenuItem() = default;
    TMenuItem(std::string AName, std::string ACaption, std::string AHint = std::string(),
              TShortCut AShortCut = TShortCut(), int ACommand = 0);
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::string Name;
    // "-" makes the item a separator.  "&" marks the access key; text after a TAB is
    // shown right-aligned as a key.
    std::string Caption;
    // Shown in the status bar while the item is highlighted.
    std::string Hint;
    TShortCut ShortCut;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    // What choosing the item does, for the owner's dispatch; 0 for none.
    int Command = 0;
    // A datum of the item's own (a wrap width, a window handle, ...).
    long long Tag = 0;

    // Chosen (by the mouse, the keyboard or its shortcut).
    TNotify OnClick;
    // The item's submenu is about to open: enabling, checking, captions, items.
    TNotify OnPopup;
    // An item below this one without an OnClick of its own was chosen (items a menu
    // builds while it opens need no wiring of their own).
    TNotify OnChildClick;

    bool IsLine() const { return Caption == "-"; }
    TMenuItem* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem& operator[](int Index) const { return *FItems.at(static_cast<std::size_t>(Index)); }
    int IndexOf(const TMenuItem* Item) const;
    // The item's position in its parent; -1 for a root.
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

    TMenuItem& Add(std::unique_ptr<TMenuItem> Item);
    TMenuItem& Insert(int Index, std::unique_ptr<TMenuItem> Item);
    // Convenience: a new child at the end.
    TMenuItem& Add(const std::string& Name, const std::string& Caption,
                   const std::string& Hint = std::string(), const std::string& ShortCut = std::string(),
                   int Command = 0);
    TMenuItem& AddSeparator(const std::string& Name = std::string());
    void Delete(int Index);
    void Clear();

    // The item called Name in this tree (this item included); nullptr when none.
    TMenuItem* Find(const std::string& Name);
    // The first item of the tree whose shortcut is ShortCut, visible or not (an invisible
    // twin gives a visible item a second shortcut); nullptr when none.
    TMenuItem* FindShortCut(TShortCut ShortCut);

    // Runs OnPopup (the platform calls it as the submenu opens).
    void Popup();
    // Runs OnClick, or else the nearest ancestor's OnChildClick, when the item is
    // enabled; true when it ran.
    bool Click();

private:
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// Runs the item Find gives below Root as if its menus had been opened: brings its enabling
// up to date by opening its submenus in the model (outermost first), then runs it when it
// and its menus are enabled.  Returns the item (nullptr when none), and in Ran whether it
// ran.
TMenuItem* RunAsOpened(TMenuItem& Root, const std::function<TMenuItem*(TMenuItem&)>& Find,
                       bool* Ran = nullptr);
// A shortcut key pressed while the menu's window is active: RunAsOpened on the item the
// shortcut belongs to.
TMenuItem* DispatchShortCut(TMenuItem& Root, TShortCut ShortCut, bool* Ran = nullptr);

// The caption without its access-key marks and key text ("開く(&O)..." → "開く(O)...").
std::string StripAccelerator(const std::string& Caption);
