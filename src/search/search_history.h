#pragma once
// The histories of the find and replace dialogs in the settings file: section
// "SearchText" (search texts) or "ReplaceText" (replacements), "ItemCount" and "Item0"..
// newest first, each value between one "%" on each side so that its blanks survive.
#include <string>
#include <vector>

class TProfileFile;

constexpr int SearchHistoryMax = 32;
extern const char* const SearchTextSection;
extern const char* const ReplaceTextSection;
extern const char* const SearchOptionsSection;

// Up to 32 items; an item shorter than two characters reads as empty.
std::vector<std::string> ReadSearchHistory(TProfileFile& File, const std::string& Section);
// Erases Section and writes the items (at most 32) when there are any.
void WriteSearchHistory(TProfileFile& File, const std::string& Section,
                        const std::vector<std::string>& Items);
// Text goes to the top: the first equal item (case-sensitive) is removed and the list
// cut to 32 items.
void AddToSearchHistory(std::vector<std::string>& Items, const std::string& Text);
