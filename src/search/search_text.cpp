#include "search/search_text.h"

#include "base/shift_jis.h"

#include <cstddef>

std::string UnescapeSearchText(const std::string& Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        if (IsSjisLeadByte(C) && I + 1 < Text.size()) {
            // A double-byte character whose second byte is 0x5C is no backslash.
            Result.append(Text, I, 2);
            ++I;
            continue;
        }
        if (C != '\\' || I + 1 == Text.size()) {
            Result += C;
            continue;
        }
        const char Next = Text[++I];
        if (Next == 'n')
            Result += "\r\n";
        else if (Next == 't')
            Result += '\t';
        else if (Next == '\\')
            Result += '\\';
        else {
            Result += '\\';
            Result += Next;
        }
    }
    return Result;
}

std::string EscapeSearchText(const std::string& Text) {
    std::string Result;
    Result.reserve(Text.size() + Text.size() / 8);
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        if (IsSjisLeadByte(C) && I + 1 < Text.size()) {
            Result.append(Text, I, 2);
            ++I;
            continue;
        }
        if (C == '\r') {
            // CR LF becomes \n; a lone CR is dropped and the byte after it copied.
            if (I + 1 < Text.size() && Text[I + 1] == '\n') {
                Result += "\\n";
                ++I;
            }
        } else if (C == '\t') {
            Result += "\\t";
        } else if (C == '\\') {
            Result += "\\\\";
        } else {
            Result += C;
        }
    }
    return Result;
}

std::string SelectionToSearchText(const std::string& Selection, bool& Escaped) {
    constexpr std::size_t Limit = 250;
    std::string Text = Selection.substr(0, Limit);
    if (Text.size() == Limit && Text.back() == '\r') Text.pop_back();
    // Escaping changes exactly the texts that hold a line break, a TAB or a backslash
    // (the editor holds no lone CR).
    std::string Escapes = EscapeSearchText(Text);
    Escaped = Escapes != Text;
    return Escaped ? Escapes : Text;
}
