#include "platform/win32/clock_win32.h"

#include <windows.h>

TDateTime TWin32Clock::Now() const {
    SYSTEMTIME S;
    GetLocalTime(&S);
    return {S.wYear, S.wMonth, S.wDay, S.wHour, S.wMinute, S.wSecond};
}

std::string TWin32Clock::LongTimeText(const TDateTime& Time) const {
    SYSTEMTIME S = {};
    S.wYear = static_cast<WORD>(Time.Year);
    S.wMonth = static_cast<WORD>(Time.Month);
    S.wDay = static_cast<WORD>(Time.Day);
    S.wHour = static_cast<WORD>(Time.Hour);
    S.wMinute = static_cast<WORD>(Time.Minute);
    S.wSecond = static_cast<WORD>(Time.Second);
    char Text[80];
    int Length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &S, nullptr, Text, sizeof Text);
    return Length > 0 ? std::string(Text, static_cast<std::size_t>(Length - 1)) : std::string();
}
