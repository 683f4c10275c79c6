#pragma once
// Colours as the settings file stores them: a colour name ("clBlue", "clWindow") or "$"
// and eight hexadecimal digits in the order 00BBGGRR.
#include "base/platform_values.h"

#include <string>

// The standard colours that have names, besides those every settings object uses.
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// The colour's name when it has one, else "$" and eight upper-case hexadecimal digits.
std::string ColorToString(TColor Color);

// Reads a name (any letter case) or a number: "$" and one to eight hexadecimal digits,
// "0x" and hexadecimal digits, or decimal digits.  False, Color unchanged, when Text is
// none of these or the number is no colour (neither an RGB value nor a system colour
// index).
bool StringToColor(const std::string& Text, TColor& Color);
