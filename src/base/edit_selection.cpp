#include "base/edit_selection.h"

int ReplaceSelectedText(std::string& Text, int SelStart, int SelLength, const std::string& Insert) {
    const std::size_t Size = Text.size();
    std::size_t Start = SelStart < 0 ? 0 : static_cast<std::size_t>(SelStart);
    if (Start > Size) Start = Size;
    std::size_t Length = SelLength < 0 ? 0 : static_cast<std::size_t>(SelLength);
    if (Length > Size - Start) Length = Size - Start;
    Text.replace(Start, Length, Insert);
    return static_cast<int>(Start + Insert.size());
}
