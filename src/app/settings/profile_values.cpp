#include "app/settings/profile_values.h"

#include "app/settings/color_string.h"

#include <climits>

namespace {

bool ParseLeadingInteger(const std::string& Text, int& Value) {
    std::size_t I = 0;
    while (I < Text.size() && (Text[I] == ' ' || Text[I] == '\t'))
        ++I;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) Negative = Text[I++] == '-';
    std::size_t First = I;
    long long N = 0;
    for (; I < Text.size() && Text[I] >= '0' && Text[I] <= '9'; ++I)
        if (N <= INT_MAX) N = N * 10 + (Text[I] - '0');
    if (I == First) return false;
    if (Negative) N = -N;
    Value = N > INT_MAX ? INT_MAX : N < INT_MIN ? INT_MIN : static_cast<int>(N);
    return true;
}

std::string FirstLine(const std::string& Value) {
    return Value.substr(0, Value.find_first_of("\r\n"));
}

} // namespace

int ReadInteger(TProfileFile& File, const std::string& Section, const std::string& Key,
                int Default) {
    int Value;
    return ParseLeadingInteger(File.ReadString(Section, Key, ""), Value) ? Value : Default;
}

bool ReadBool(TProfileFile& File, const std::string& Section, const std::string& Key,
              bool Default) {
    return ReadInteger(File, Section, Key, Default ? 1 : 0) != 0;
}

std::string ReadString(TProfileFile& File, const std::string& Section, const std::string& Key,
                       const std::string& Default) {
    return File.ReadString(Section, Key, Default);
}

std::string ReadPaddedString(TProfileFile& File, const std::string& Section, const std::string& Key,
                             const std::string& Default) {
    std::string Value = File.ReadString(Section, Key, "%" + Default + "%");
    if (Value.size() >= 2 && Value.front() == '%' && Value.back() == '%')
        return Value.substr(1, Value.size() - 2);
    return Value;
}

TColor ReadColor(TProfileFile& File, const std::string& Section, const std::string& Key,
                 TColor Default) {
    TColor Color = Default;
    StringToColor(File.ReadString(Section, Key, ""), Color);
    return Color;
}

bool WriteInteger(TProfileFile& File, const std::string& Section, const std::string& Key,
                  int Value) {
    return File.WriteString(Section, Key, std::to_string(Value));
}

bool WriteBool(TProfileFile& File, const std::string& Section, const std::string& Key, bool Value) {
    return File.WriteString(Section, Key, Value ? "1" : "0");
}

bool WriteString(TProfileFile& File, const std::string& Section, const std::string& Key,
                 const std::string& Value) {
    return File.WriteString(Section, Key, FirstLine(Value));
}

bool WritePaddedString(TProfileFile& File, const std::string& Section, const std::string& Key,
                       const std::string& Value) {
    return File.WriteString(Section, Key, "%" + FirstLine(Value) + "%");
}

bool WriteColor(TProfileFile& File, const std::string& Section, const std::string& Key,
                TColor Value) {
    return File.WriteString(Section, Key, ColorToString(Value));
}

void DeleteObsoleteKey(TProfileFile& File, const std::string& Section, const std::string& Key) {
    if (ReadInteger(File, Section, Key, -1) > 0) File.DeleteKey(Section, Key);
}
