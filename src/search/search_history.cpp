#include "search/search_history.h"

#include "app/settings/profile_values.h"
#include "platform/profile_file.h"

#include <algorithm>

const char* const SearchTextSection = "SearchText";
const char* const ReplaceTextSection = "ReplaceText";
const char* const SearchOptionsSection = "SearchOptions";

std::vector<std::string> ReadSearchHistory(TProfileFile& File, const std::string& Section) {
    const int Count = std::min(ReadInteger(File, Section, "ItemCount", 0), SearchHistoryMax);
    std::vector<std::string> Items;
    for (int I = 0; I < Count; ++I) {
        const std::string Value = File.ReadString(Section, "Item" + std::to_string(I), "");
        Items.push_back(Value.size() < 2 ? std::string() : Value.substr(1, Value.size() - 2));
    }
    return Items;
}

void WriteSearchHistory(TProfileFile& File, const std::string& Section,
                        const std::vector<std::string>& Items) {
    File.EraseSection(Section);
    if (Items.empty()) return;
    const int Count = std::min(static_cast<int>(Items.size()), SearchHistoryMax);
    WriteInteger(File, Section, "ItemCount", Count);
    for (int I = 0; I < Count; ++I)
        File.WriteString(Section, "Item" + std::to_string(I), "%" + Items[static_cast<std::size_t>(I)] + "%");
}

void AddToSearchHistory(std::vector<std::string>& Items, const std::string& Text) {
    auto Equal = std::find(Items.begin(), Items.end(), Text);
    if (Equal != Items.end()) Items.erase(Equal);
    Items.insert(Items.begin(), Text);
    if (Items.size() > static_cast<std::size_t>(SearchHistoryMax)) Items.pop_back();
}
