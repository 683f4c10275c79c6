#include "app/settings/settings_store.h"

#include "app/settings/option_keys.h"
#include "app/settings/profile_values.h"

namespace {

// Reads each visited key into its field; the field's value is the default.
struct TKeyReader {
    TProfileFile& File;
    const char* Section;

    void operator()(const char* Key, int& Value) const {
        Value = ReadInteger(File, Section, Key, Value);
    }
    void operator()(const char* Key, bool& Value) const {
        Value = ReadBool(File, Section, Key, Value);
    }
    void operator()(const char* Key, std::string& Value) const {
        Value = ReadString(File, Section, Key, Value);
    }
    void operator()(const char* Key, TPadded<std::string> Value) const {
        Value.Value = ReadPaddedString(File, Section, Key, Value.Value);
    }
    void operator()(const char* Key, TColor& Value) const {
        Value = ReadColor(File, Section, Key, Value);
    }
};

// Writes each visited key; Ok turns false at the first failed write.
struct TKeyWriter {
    TProfileFile& File;
    const char* Section;
    bool& Ok;

    void operator()(const char* Key, int Value) const {
        Done(WriteInteger(File, Section, Key, Value));
    }
    void operator()(const char* Key, bool Value) const {
        Done(WriteBool(File, Section, Key, Value));
    }
    void operator()(const char* Key, const std::string& Value) const {
        Done(WriteString(File, Section, Key, Value));
    }
    void operator()(const char* Key, TPadded<const std::string> Value) const {
        Done(WritePaddedString(File, Section, Key, Value.Value));
    }
    void operator()(const char* Key, TColor Value) const {
        Done(WriteColor(File, Section, Key, Value));
    }
    void Done(bool Written) const { Ok = Written && Ok; }
};

} // namespace

std::string SettingsFileName(const std::string& ProgramPath) {
    std::size_t Dot = ProgramPath.find_last_of(".\\/:");
    if (Dot == std::string::npos || ProgramPath[Dot] != '.') return ProgramPath + ".INI";
    return ProgramPath.substr(0, Dot) + ".INI";
}

std::string TSettingsStore::AppPath(const char* ProgramFile) const {
    return RegisteredAppPath ? RegisteredAppPath(ProgramFile) : std::string();
}

TSettingsLists TSettingsStore::LoadSettings(const TWindowBounds& Current) {
    TOptionRecord Fresh;
    Fresh.UserWindowSize_W = Current.Width;
    Fresh.UserWindowSize_H = Current.Height;
    Fresh.UserWindowPos_X = Current.Left;
    Fresh.UserWindowPos_Y = Current.Top;
    Fresh.Browser.IePath = AppPath("IEXPLORE.EXE");
    Fresh.Browser.NnPath = AppPath("Netscape.exe");
    Fresh.NkfLoaded = FOptions.NkfLoaded;
    Fresh.LinkWordUnderMouse = FOptions.LinkWordUnderMouse;

    VisitOptionKeys(Fresh, TKeyReader{FFile, OptionSection});
    VisitColorKeys(Fresh.Colors, TKeyReader{FFile, "Color"});
    DeleteObsoleteKey(FFile, OptionSection, "BFreeCaret");
    VisitBrowserKeys(Fresh, TKeyReader{FFile, "Browser"});
    VisitJCodeKeys(Fresh, TKeyReader{FFile, "JCode"});
    FOptions = Fresh;

    TSettingsLists Lists;
    Lists.WrapWidths = ReadWrapWidthList(FFile);
    Lists.WrapWidthItems = WrapWidthMenuItems(Lists.WrapWidths);
    Lists.Tools = ReadToolList(FFile);
    Lists.ToolItems = ToolMenuItems(Lists.Tools);
    return Lists;
}

bool TSettingsStore::SaveSettings(const std::vector<int>& WrapWidths) {
    bool Ok = true;
    const TOptionRecord& R = FOptions;
    VisitOptionKeys(R, TKeyWriter{FFile, OptionSection, Ok});
    VisitColorKeys(R.Colors, TKeyWriter{FFile, "Color", Ok});
    VisitBrowserKeys(R, TKeyWriter{FFile, "Browser", Ok});
    VisitJCodeKeys(R, TKeyWriter{FFile, "JCode", Ok});
    Ok = WriteWrapWidthList(FFile, WrapWidths) && Ok;
    return Announce(Ok);
}

bool TSettingsStore::Announce(bool Written) {
    if (BroadcastSettingsChanged) BroadcastSettingsChanged();
    return Written;
}

bool TSettingsStore::WriteOptionBool(const std::string& Section, const std::string& Key,
                                     bool Value) {
    if (FOptions.Menu_NoSaveIni) return true;
    return Announce(WriteBool(FFile, Section, Key, Value));
}

bool TSettingsStore::WriteWrapPair() {
    if (FOptions.Menu_NoSaveIni) return true;
    bool Ok = WriteBool(FFile, OptionSection, "WordWrap", FOptions.WordWrap);
    Ok = WriteInteger(FFile, OptionSection, "WrapCount", FOptions.WrapCount) && Ok;
    return Announce(Ok);
}

bool TSettingsStore::WriteFontPair() {
    if (FOptions.Menu_NoSaveIni) return true;
    bool Ok = WriteString(FFile, OptionSection, "FontName", FOptions.FontName);
    Ok = WriteInteger(FFile, OptionSection, "FontSize", FOptions.FontSize) && Ok;
    return Announce(Ok);
}

TWindowPlacement TSettingsStore::RestoreWindowPlacement(const TWindowBounds& Current) {
    TWindowPlacement P{Current, false};
    const TOptionRecord& R = FOptions;
    switch (R.StartWindow) {
    case 1:
        P.Bounds.Width = ReadInteger(FFile, PlacementSection, "WindowWidth", Current.Width);
        P.Bounds.Height = ReadInteger(FFile, PlacementSection, "WindowHeight", Current.Height);
        P.Bounds.Top = ReadInteger(FFile, PlacementSection, "WindowTop", Current.Top);
        P.Bounds.Left = ReadInteger(FFile, PlacementSection, "WindowLeft", Current.Left);
        P.Maximized = ReadBool(FFile, PlacementSection, "WindowMax", false);
        break;
    case 2:
        P.Maximized = true;
        break;
    case 3:
        if (R.UserWindowSize) {
            P.Bounds.Width = R.UserWindowSize_W;
            P.Bounds.Height = R.UserWindowSize_H;
        }
        if (R.UserWindowPos) {
            P.Bounds.Left = R.UserWindowPos_X;
            P.Bounds.Top = R.UserWindowPos_Y;
        }
        break;
    default:
        break;
    }
    return P;
}

bool TSettingsStore::SaveWindowPlacement(const TWindowPlacement& Window) {
    if (FOptions.StartWindow != 1) return true;
    if (Window.Maximized) return WriteBool(FFile, PlacementSection, "WindowMax", true);
    const TWindowBounds& B = Window.Bounds;
    bool Ok = WriteInteger(FFile, PlacementSection, "WindowWidth", B.Width);
    Ok = WriteInteger(FFile, PlacementSection, "WindowHeight", B.Height) && Ok;
    Ok = WriteInteger(FFile, PlacementSection, "WindowTop", B.Top) && Ok;
    Ok = WriteInteger(FFile, PlacementSection, "WindowLeft", B.Left) && Ok;
    return WriteBool(FFile, PlacementSection, "WindowMax", false) && Ok;
}
