#pragma once
// The list sections of the settings file, each an "ItemCount" and numbered keys:
// the wrap widths of the wrap-width submenu ("WrapByteList"), the external tools
// ("Tools") and the file history ("FileHistory").  A list is written by erasing its
// section and writing it anew.
#include "platform/profile_file.h"

#include <string>
#include <vector>

// One item a menu builder appends: a caption of "-" is a separator.
struct TSettingsMenuItem {
    std::string Caption;
    std::string Hint;
    std::string ShortCut; // as the menu shows it, "Shift+Ctrl+1"; empty for none
    bool Enabled = true;
    int Tag = 0; // the wrap width, or the tool's index
};

// The wrap widths: at most WrapWidthListMax items, each "Item" + i (default 80), read as
// they are stored and clamped to the widths the editor can wrap at, so that a caption
// shows the width the item gives.
constexpr int WrapWidthListMax = 9;
std::vector<int> ReadWrapWidthList(TProfileFile& File);
// Writes at most WrapWidthListMax widths (none: the section is only erased).
bool WriteWrapWidthList(TProfileFile& File, const std::vector<int>& Widths);
// The items appended after the window-edge item: a separator, then "&" + (i+1) + ": " +
// width + "桁" with the shortcut "Shift+Ctrl+" + (i+1); nothing for an empty list.
std::vector<TSettingsMenuItem> WrapWidthMenuItems(const std::vector<int>& Widths);

// One external tool.
struct TToolItem {
    std::string Title;  // "-" makes a separator
    std::string File;   // the program
    std::string Param;  // the parameters, kept between "%" characters in the file
    std::string TmpDir; // the working folder
    int Save = 0;       // 0 save, 1 ask, 2 do not save before running
    std::string Key;    // the shortcut as text, "Ctrl+T"; empty for none
};

// Reads at most ToolListMax tools, a guard against a damaged count.
constexpr int ToolListMax = 256;
std::vector<TToolItem> ReadToolList(TProfileFile& File);
bool WriteToolList(TProfileFile& File, const std::vector<TToolItem>& Tools);
// The items appended after the fixed items of the tool submenu: one per tool (its title,
// the hint "指定のツールを起動", its shortcut text, its index as the tag), or one
// disabled "(ツール未登録)" when there is none.
std::vector<TSettingsMenuItem> ToolMenuItems(const std::vector<TToolItem>& Tools);

// The file history, newest first: at most FileHistoryMax paths; empty entries are
// skipped.  Written also when menu writes are off: the history is no menu toggle.
constexpr int FileHistoryMax = 10;
std::vector<std::string> ReadFileHistory(TProfileFile& File);
bool WriteFileHistory(TProfileFile& File, const std::vector<std::string>& Paths);
