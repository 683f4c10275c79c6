// The code page tables against the platform's own conversion of code page 932: every
// byte and byte pair decoded as MultiByteToWideChar decodes it, and every character of
// the BMP encoded as WideCharToMultiByte encodes it without best fit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "codec/unicode_text.h"

namespace {

std::string Hex(unsigned V) {
    char B[16];
    std::snprintf(B, sizeof B, "%04X", V);
    return B;
}

// The character of a code page 932 code by the platform; 0 where it has none.
unsigned PlatformChar(const std::string& Code) {
    wchar_t W[4] = {};
    int N = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, Code.data(), static_cast<int>(Code.size()), W, 4);
    return N == 1 ? static_cast<unsigned>(W[0]) : 0;
}

// Wine's code page 932 has no character for the single bytes 0xA0 and 0xFD-0xFF, which
// Windows' own table gives as U+F8F0-U+F8F3; the tables keep Windows' mapping, so that
// such a byte in a Shift_JIS text survives a trip through Unicode.
bool WineLacks(const std::string& Code) {
    if (Code.size() != 1) return false;
    const unsigned char B = static_cast<unsigned char>(Code[0]);
    return B == 0xA0 || B >= 0xFD;
}

TEST(Cp932Platform, EveryCodeDecodesAsThePlatformDecodesIt) {
    int Differences = 0;
    auto Check = [&](const std::string& Code) {
        const unsigned Platform = PlatformChar(Code);
        long long Lost = 0;
        const std::string U = SjisToUnicode(Code, TKanjiCode::kcUtf16Le, &Lost);
        const unsigned Ours = Lost || U.size() != 4 ? 0u
                                                    : static_cast<unsigned char>(U[2]) |
                                                          (static_cast<unsigned char>(U[3]) << 8);
        if (Ours != Platform && !WineLacks(Code) && ++Differences <= 20)
            ADD_FAILURE() << "code " << Hex(static_cast<unsigned char>(Code[0]) << (Code.size() > 1 ? 8 : 0) |
                                            (Code.size() > 1 ? static_cast<unsigned char>(Code[1]) : 0))
                          << ": ours U+" << Hex(Ours) << ", the platform's U+" << Hex(Platform);
    };
    for (int B = 0x80; B < 0x100; ++B)
        if (!((B >= 0x81 && B <= 0x9F) || (B >= 0xE0 && B <= 0xFC))) Check(std::string(1, static_cast<char>(B)));
    for (int L = 0x81; L <= 0xFC; ++L) {
        if (L > 0x9F && L < 0xE0) continue;
        for (int T = 0x40; T <= 0xFC; ++T)
            if (T != 0x7F) Check(std::string{static_cast<char>(L), static_cast<char>(T)});
    }
    EXPECT_EQ(0, Differences);
}

TEST(Cp932Platform, EveryCharacterEncodesAsThePlatformEncodesItWithoutBestFit) {
    int Differences = 0;
    for (unsigned U = 0x80; U < 0x10000; ++U) {
        if (U >= 0xD800 && U <= 0xDFFF) continue;
        wchar_t W = static_cast<wchar_t>(U);
        char Out[4] = {};
        BOOL Default = FALSE;
        int N = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &W, 1, Out, 4, nullptr, &Default);
        std::string Platform = N > 0 && !Default ? std::string(Out, static_cast<std::size_t>(N)) : "\x81\xAC";
        if (U >= 0xF8F0 && U <= 0xF8F3 && Platform == "\x81\xAC") continue; // as above
        // After a byte-order mark, so that U+FEFF is read as a character.
        const std::string Utf16{'\xFF', '\xFE', static_cast<char>(U & 0xFF), static_cast<char>(U >> 8)};
        const std::string Ours = UnicodeToSjis(Utf16, TKanjiCode::kcUtf16Le);
        if (U == 0x3013) continue; // the geta mark itself
        if (Ours != Platform && ++Differences <= 20)
            ADD_FAILURE() << "U+" << Hex(U) << ": ours " << testing::PrintToString(Ours)
                          << ", the platform's " << testing::PrintToString(Platform);
    }
    EXPECT_EQ(0, Differences);
}

} // namespace
