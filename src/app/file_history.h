#pragma once
// The file history: the items at the top of the "開き直す" submenu, newest first, at
// most ten, each keeping its full path in its hint and showing a numbered caption.  An
// empty history shows one disabled "(なし)" item in their place.
#include "app/settings/settings_lists.h"

#include <string>
#include <vector>

class TMenuItem;

class TFileHistory {
public:
    // Menu is the submenu; history items are inserted ahead of its other items (a
    // separator and the clear item), all of which carry Command HistoryCommand.
    TFileHistory(TMenuItem& Menu, int HistoryCommand);

    // Replaces the history items by Paths (at most ten are taken); "(なし)" when empty.
    void Build(const std::vector<std::string>& Paths);
    // Puts Path at the top, removing an entry of the same path in any letter case and the
    // eleventh entry.  Returns false for an empty path (nothing changes).
    bool Add(const std::string& Path);
    // Removes entry Index; "(なし)" when none is left.
    void Remove(int Index);
    void Clear();

    // The entries' paths, newest first; empty when the history shows "(なし)".
    std::vector<std::string> Paths() const;
    int Count() const { return static_cast<int>(Paths().size()); }
    // True while the first item is a real entry (not the disabled "(なし)").
    bool FirstItemEnabled() const;
    // The caption of entry Index: "&1: path" ... "&9: path", "&0: path" for the tenth.
    static std::string Caption(int Index, const std::string& Path);

private:
    int ItemCount() const;
    void Renumber();
    void InsertNone();

    TMenuItem& FMenu;
    int FCommand;
};
