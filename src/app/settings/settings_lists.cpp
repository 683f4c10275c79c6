#include "app/settings/settings_lists.h"

#include "app/settings/profile_values.h"
#include "editor/word_wrap.h"

#include <algorithm>

namespace {

const char* const WrapSection = "WrapByteList";
const char* const ToolSection = "Tools";
const char* const HistorySection = "FileHistory";

std::string Item(const char* Name, int Index) {
    return Name + std::to_string(Index);
}

int ReadCount(TProfileFile& File, const char* Section, int Max) {
    return std::clamp(ReadInteger(File, Section, "ItemCount", 0), 0, Max);
}

// Erases Section; then, when Count > 0, writes "ItemCount" and what WriteItem(i) writes.
template <typename TWriteItem>
bool RewriteList(TProfileFile& File, const char* Section, int Count, TWriteItem&& WriteItem) {
    bool Ok = File.EraseSection(Section);
    if (Count <= 0) return Ok;
    Ok = WriteInteger(File, Section, "ItemCount", Count) && Ok;
    for (int I = 0; I < Count; ++I)
        Ok = WriteItem(I) && Ok;
    return Ok;
}

} // namespace

std::vector<int> ReadWrapWidthList(TProfileFile& File) {
    std::vector<int> Widths;
    int Count = ReadCount(File, WrapSection, WrapWidthListMax);
    for (int I = 0; I < Count; ++I)
        Widths.push_back(std::clamp(
            ReadInteger(File, WrapSection, Item("Item", I), TEditorWrapOption::DefaultWrapByte),
            TEditorWrapOption::MinWrapByte, TEditorWrapOption::MaxWrapByte));
    return Widths;
}

bool WriteWrapWidthList(TProfileFile& File, const std::vector<int>& Widths) {
    int Count = std::min(static_cast<int>(Widths.size()), WrapWidthListMax);
    return RewriteList(File, WrapSection, Count, [&](int I) {
        return WriteInteger(File, WrapSection, Item("Item", I),
                            Widths[static_cast<std::size_t>(I)]);
    });
}

std::vector<TSettingsMenuItem> WrapWidthMenuItems(const std::vector<int>& Widths) {
    std::vector<TSettingsMenuItem> Items;
    if (Widths.empty()) return Items;
    Items.push_back(TSettingsMenuItem{"-", "", "", true, 0});
    for (std::size_t I = 0; I < Widths.size(); ++I) {
        std::string N = std::to_string(I + 1);
        Items.push_back(TSettingsMenuItem{"&" + N + ": " + std::to_string(Widths[I]) + "桁", "",
                                          "Shift+Ctrl+" + N, true, Widths[I]});
    }
    return Items;
}

std::vector<TToolItem> ReadToolList(TProfileFile& File) {
    std::vector<TToolItem> Tools;
    int Count = ReadCount(File, ToolSection, ToolListMax);
    for (int I = 0; I < Count; ++I) {
        TToolItem T;
        T.Title = ReadString(File, ToolSection, Item("Title", I), "");
        T.File = ReadString(File, ToolSection, Item("File", I), "");
        T.Param = ReadPaddedString(File, ToolSection, Item("Param", I), "");
        T.TmpDir = ReadString(File, ToolSection, Item("TmpDir", I), "");
        T.Save = ReadInteger(File, ToolSection, Item("Save", I), 0);
        T.Key = ReadString(File, ToolSection, Item("Key", I), "");
        Tools.push_back(T);
    }
    return Tools;
}

bool WriteToolList(TProfileFile& File, const std::vector<TToolItem>& Tools) {
    int Count = std::min(static_cast<int>(Tools.size()), ToolListMax);
    return RewriteList(File, ToolSection, Count, [&](int I) {
        const TToolItem& T = Tools[static_cast<std::size_t>(I)];
        bool Ok = WriteString(File, ToolSection, Item("Title", I), T.Title);
        Ok = WriteString(File, ToolSection, Item("File", I), T.File) && Ok;
        Ok = WritePaddedString(File, ToolSection, Item("Param", I), T.Param) && Ok;
        Ok = WriteString(File, ToolSection, Item("TmpDir", I), T.TmpDir) && Ok;
        Ok = WriteInteger(File, ToolSection, Item("Save", I), T.Save) && Ok;
        return WriteString(File, ToolSection, Item("Key", I), T.Key) && Ok;
    });
}

std::vector<TSettingsMenuItem> ToolMenuItems(const std::vector<TToolItem>& Tools) {
    std::vector<TSettingsMenuItem> Items;
    for (std::size_t I = 0; I < Tools.size(); ++I)
        Items.push_back(TSettingsMenuItem{Tools[I].Title, "指定のツールを起動", Tools[I].Key, true,
                                          static_cast<int>(I)});
    if (Items.empty()) Items.push_back(TSettingsMenuItem{"(ツール未登録)", "", "", false, 0});
    return Items;
}

std::vector<std::string> ReadFileHistory(TProfileFile& File) {
    std::vector<std::string> Paths;
    int Count = ReadCount(File, HistorySection, FileHistoryMax);
    for (int I = 0; I < Count; ++I) {
        std::string Path = ReadString(File, HistorySection, Item("Item", I), "");
        if (!Path.empty()) Paths.push_back(Path);
    }
    return Paths;
}

bool WriteFileHistory(TProfileFile& File, const std::vector<std::string>& Paths) {
    int Count = std::min(static_cast<int>(Paths.size()), FileHistoryMax);
    return RewriteList(File, HistorySection, Count, [&](int I) {
        return WriteString(File, HistorySection, Item("Item", I),
                           Paths[static_cast<std::size_t>(I)]);
    });
}
