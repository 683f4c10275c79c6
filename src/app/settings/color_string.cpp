#include "app/settings/color_string.h"

#include <cstdio>

namespace {

struct TColorName {
    const char* Name;
    TColor Color;
};

// Names of equal colours: the first one is the one written.
const TColorName ColorNames[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clLtGray", clSilver},
    {"clDkGray", clGray},
    // The system colours: the top byte 0x80 and the platform's colour index.
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", clWindow},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", clWindowText},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
};

// The highest system colour index a colour value may carry.
constexpr TColor MaxSystemColorIndex = 0x1E;

bool SameLetters(const std::string& A, const char* B) {
    std::size_t I = 0;
    for (; I < A.size() && B[I]; ++I) {
        char X = A[I], Y = B[I];
        if (X >= 'A' && X <= 'Z') X = static_cast<char>(X - 'A' + 'a');
        if (Y >= 'A' && Y <= 'Z') Y = static_cast<char>(Y - 'A' + 'a');
        if (X != Y) return false;
    }
    return I == A.size() && !B[I];
}

int DigitValue(char C, int Base) {
    int V = C >= '0' && C <= '9'   ? C - '0'
            : C >= 'a' && C <= 'f' ? C - 'a' + 10
            : C >= 'A' && C <= 'F' ? C - 'A' + 10
                                   : 99;
    return V < Base ? V : -1;
}

// The digits of Text from Start in Base, at most 32 bits' worth; false for no digits, a
// character that is no digit, or a larger number.
bool ParseNumber(const std::string& Text, std::size_t Start, int Base, TColor& Value) {
    if (Start >= Text.size()) return false;
    unsigned long long N = 0;
    for (std::size_t I = Start; I < Text.size(); ++I) {
        int D = DigitValue(Text[I], Base);
        if (D < 0) return false;
        N = N * static_cast<unsigned>(Base) + static_cast<unsigned>(D);
        if (N > 0xFFFFFFFFull) return false;
    }
    Value = static_cast<TColor>(N);
    return true;
}

bool IsColorValue(TColor Value) {
    return (Value & 0xFF000000u) == 0 ||
           (IsSystemColor(Value) && (Value & 0x00FFFFFFu) <= MaxSystemColorIndex);
}

} // namespace

std::string ColorToString(TColor Color) {
    for (const TColorName& N : ColorNames)
        if (N.Color == Color) return N.Name;
    char Text[16];
    std::snprintf(Text, sizeof Text, "$%08X", static_cast<unsigned>(Color));
    return Text;
}

bool StringToColor(const std::string& Text, TColor& Color) {
    for (const TColorName& N : ColorNames) {
        if (SameLetters(Text, N.Name)) {
            Color = N.Color;
            return true;
        }
    }
    TColor Value = 0;
    bool Parsed;
    if (!Text.empty() && Text[0] == '$')
        Parsed = Text.size() <= 9 && ParseNumber(Text, 1, 16, Value);
    else if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X'))
        Parsed = ParseNumber(Text, 2, 16, Value);
    else
        Parsed = ParseNumber(Text, 0, 10, Value);
    if (!Parsed || !IsColorValue(Value)) return false;
    Color = Value;
    return true;
}
