#pragma once
// Reading and writing the settings file: the option record whole, the immediate writes
// of menu toggles, and the window placement at the last exit.  Every write that changes
// settings other processes show is followed by BroadcastSettingsChanged, so that the
// other main windows reload the file.
#include "app/settings/option_record.h"
#include "app/settings/settings_lists.h"
#include "platform/profile_file.h"

#include <functional>
#include <string>
#include <vector>

// The settings file: the program's path with its extension replaced by ".INI".
std::string SettingsFileName(const std::string& ProgramPath);

// A window's normal (not maximised) size and position in screen pixels.
struct TWindowBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct TWindowPlacement {
    TWindowBounds Bounds;
    bool Maximized = false;
};

// What loading gives the menus besides the option record.
struct TSettingsLists {
    std::vector<int> WrapWidths;
    std::vector<TSettingsMenuItem> WrapWidthItems; // WrapWidthMenuItems(WrapWidths)
    std::vector<TToolItem> Tools;
    std::vector<TSettingsMenuItem> ToolItems; // ToolMenuItems(Tools)
};

class TSettingsStore {
public:
    static constexpr const char* OptionSection = "Option";
    static constexpr const char* PlacementSection = "TZefnoteMainForm";

    TSettingsStore(TProfileFile& File, TOptionRecord& Options) : FFile(File), FOptions(Options) {}

    // Posts the settings-changed message to every other main window; set by the window.
    std::function<void()> BroadcastSettingsChanged;
    // The path the system records for a program file name ("IEXPLORE.EXE"), empty when
    // none: the defaults of the browser paths.
    std::function<std::string(const std::string& ProgramFile)> RegisteredAppPath;

    TOptionRecord& Options() { return FOptions; }
    TProfileFile& File() { return FFile; }

    // Reads every stored value of the option record anew (a missing key gives its
    // default; Current gives those of the "UserWindow..." keys), deletes the obsolete
    // "BFreeCaret" key, and reads the wrap-width and tool lists.  The values that are not
    // stored keep theirs.
    TSettingsLists LoadSettings(const TWindowBounds& Current);
    // Writes the whole option record and the wrap-width list (even with menu writes off:
    // their switch is one of the keys written), then announces.  False when some key
    // could not be written.
    bool SaveSettings(const std::vector<int>& WrapWidths);

    // The immediate write of a menu toggle: nothing when Menu_NoSaveIni is on; else the
    // key, then the announcement.  False only when the write failed.
    bool WriteOptionBool(const std::string& Section, const std::string& Key, bool Value);
    // The same for the key pairs WordWrap and WrapCount, FontName and FontSize, from the
    // option record.
    bool WriteWrapPair();
    bool WriteFontPair();

    // Where the window goes at start, by StartWindow: 1 the place of the last exit
    // (maximised when it ended so), 2 maximised, 3 the user's size and position (each
    // when switched on), else Current as the system gave it.
    TWindowPlacement RestoreWindowPlacement(const TWindowBounds& Current);
    // At exit, only with StartWindow 1: a maximised window writes WindowMax alone (the
    // normal place written at an earlier exit stays); else the place and WindowMax 0.
    bool SaveWindowPlacement(const TWindowPlacement& Window);

private:
    bool Announce(bool Written);
    std::string AppPath(const char* ProgramFile) const;

    TProfileFile& FFile;
    TOptionRecord& FOptions;
};
