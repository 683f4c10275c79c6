#pragma once
// The nine edit modes: their names, switches, extension lists and keyword files, and the
// choice of a mode from a file name.
#include <array>
#include <string>

constexpr int EditModeCount = 9;

struct TEditModeInfo {
    const char* StatusName;   // panel 2
    const char* Switch;       // command line; empty for mode 0
    const char* FilterKey;    // the extension list's settings key; empty for mode 0
    const char* FilterName;   // the file dialogs' entry name; empty for mode 0
    const char* KeywordFile;  // beside the program; empty when the mode has none
    const char* BoldKey;      // keywords in bold; empty when the mode has none
};

const TEditModeInfo& EditModeInfo(int Mode);
std::string EditModeStatusName(int Mode);

// The extension lists of modes 0 to 8 ("*.htm;*.html"); entry 0 stays empty.
using TModeExtensionLists = std::array<std::string, EditModeCount>;

// True when one of List's non-empty pieces has the extension Ext (from the last "." of
// the piece on; a piece without "." matches an empty Ext), letter case ignored.
bool ExtensionListContains(const std::string& List, const std::string& Ext);

// The mode for FileName: modes 1 to 8 in order, the first whose list holds the file's
// extension, else 0.  An untitled document keeps CurrentMode when that mode is available
// (1 to 8 with a non-empty list), else 0.
int ModeFromFileName(const std::string& FileName, int CurrentMode, const TModeExtensionLists& Lists);

// Mode when it is available, else 0.
int EffectiveEditMode(int Mode, const TModeExtensionLists& Lists);
