#include "app/menu/shortcut.h"

#include <cctype>
#include <cstring>

namespace {

struct TKeyName {
    const char* Name;
    int Key;
};

// The names menus show, first; the others are read as well.
const TKeyName KeyNames[] = {
    {"BkSp", 0x08},     {"Tab", 0x09},     {"Enter", 0x0D},     {"Esc", 0x1B},
    {"Space", 0x20},    {"PgUp", 0x21},    {"PgDn", 0x22},      {"End", 0x23},
    {"Home", 0x24},     {"Left", 0x25},    {"Up", 0x26},        {"Right", 0x27},
    {"Down", 0x28},     {"Ins", 0x2D},     {"Del", 0x2E},       {"Backspace", 0x08},
    {"Return", 0x0D},   {"Escape", 0x1B},  {"PageUp", 0x21},    {"PageDown", 0x22},
    {"Insert", 0x2D},   {"Delete", 0x2E},
};

bool SameText(const std::string& A, const char* B) {
    std::size_t N = std::strlen(B);
    if (A.size() != N) return false;
    for (std::size_t I = 0; I < N; ++I)
        if (std::tolower(static_cast<unsigned char>(A[I])) !=
            std::tolower(static_cast<unsigned char>(B[I])))
            return false;
    return true;
}

int KeyFromName(const std::string& Name) {
    if (Name.size() == 1) {
        unsigned char C = static_cast<unsigned char>(Name[0]);
        if (C >= '0' && C <= '9') return C;
        if (std::isalpha(C)) return std::toupper(C);
        return 0;
    }
    for (const TKeyName& K : KeyNames)
        if (SameText(Name, K.Name)) return K.Key;
    if ((Name[0] == 'F' || Name[0] == 'f') && Name.size() <= 3) {
        int N = 0;
        for (std::size_t I = 1; I < Name.size(); ++I) {
            if (!std::isdigit(static_cast<unsigned char>(Name[I]))) return 0;
            N = N * 10 + (Name[I] - '0');
        }
        if (N >= 1 && N <= 24) return 0x70 + N - 1;
    }
    return 0;
}

} // namespace

TShortCut TextToShortCut(const std::string& Text) {
    TShortCut Result;
    std::size_t Start = 0;
    for (;;) {
        // A "+" that is the last character is the key itself, not a separator.
        std::size_t Plus = Text.find('+', Start);
        if (Plus == std::string::npos || Plus + 1 == Text.size()) break;
        std::string Word = Text.substr(Start, Plus - Start);
        if (SameText(Word, "Shift"))
            Result.Modifiers |= TShortCut::scShift;
        else if (SameText(Word, "Ctrl"))
            Result.Modifiers |= TShortCut::scCtrl;
        else if (SameText(Word, "Alt"))
            Result.Modifiers |= TShortCut::scAlt;
        else
            return TShortCut();
        Start = Plus + 1;
    }
    Result.Key = KeyFromName(Text.substr(Start));
    if (Result.Key == 0) return TShortCut();
    return Result;
}

std::string ShortCutToText(TShortCut ShortCut) {
    if (ShortCut.IsNone()) return std::string();
    std::string Text;
    if (ShortCut.Shift()) Text += "Shift+";
    if (ShortCut.Ctrl()) Text += "Ctrl+";
    if (ShortCut.Alt()) Text += "Alt+";
    const int K = ShortCut.Key;
    if ((K >= '0' && K <= '9') || (K >= 'A' && K <= 'Z')) return Text + static_cast<char>(K);
    if (K >= 0x70 && K <= 0x87) return Text + "F" + std::to_string(K - 0x70 + 1);
    for (const TKeyName& N : KeyNames)
        if (N.Key == K) return Text + N.Name;
    return Text + "#" + std::to_string(K);
}
