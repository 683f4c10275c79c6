// The Windows build runs under a Japanese system locale: the ANSI code page
// is 932 and the Japanese literals compiled into the program are Shift_JIS.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Win32Locale, AnsiCodePageIs932) {
    EXPECT_EQ(932u, GetACP());
}

TEST(Win32Locale, JapaneseLiteralsAreShiftJis) {
    // 表 has 0x5C as its trail byte; the literal must not be cut there.
    const char* text = "日本語の表示";
    EXPECT_EQ(12u, std::strlen(text));
    EXPECT_EQ(std::string("\x95\x5C", 2), std::string(text + 8, 2));

    wchar_t wide[16] = {};
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, wide, 16);
    ASSERT_EQ(7, n) << "MultiByteToWideChar failed, error " << GetLastError();
    const wchar_t expected[] = {0x65E5, 0x672C, 0x8A9E, 0x306E, 0x8868, 0x793A, 0};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(expected[i], wide[i]) << "at index " << i;
    }
}

TEST(Win32Locale, HalfWidthKanaIsSingleByte) {
    const char* kana = "ｱｲｳ";
    ASSERT_EQ(3u, std::strlen(kana));
    EXPECT_EQ(0xB1, static_cast<unsigned char>(kana[0]));
    EXPECT_FALSE(IsDBCSLeadByteEx(932, static_cast<BYTE>(kana[0])));
    EXPECT_TRUE(IsDBCSLeadByteEx(932, 0x81));
}
