#pragma once
// The platform's value types: colours, rectangles, cursor identifiers and font
// styles, with the values the Windows build passes on unchanged.  Portable code uses only these
// names.
#include "base/flags.h"

#include <cstdint>

// A 32-bit colour: an RGB value (0x00BBGGRR), or a system colour index
// marked by the top byte 0x80.
using TColor = std::uint32_t;

constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clWhite = 0xFFFFFF;

// True when Color names a system colour rather than an RGB value.
constexpr bool IsSystemColor(TColor Color) {
    return (Color & 0xFF000000u) == 0x80000000u;
}

// A rectangle in client pixels; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect& O) const {
        return Left == O.Left && Top == O.Top && Right == O.Right && Bottom == O.Bottom;
    }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// A cursor identifier of the screen's cursor table (negative for the stock
// cursors, positive for cursors the program registers).
using TCursor = std::int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crDrag = -12;
constexpr TCursor crHandPoint = -21;

// The index the "RightArrow" cursor of the left margin takes in the cursor
// table; the Windows layer registers its image under this index at start-up.
constexpr TCursor crRightArrow = 1;

// Stock cursors a text view shows on the screen during a drag of its selection.
constexpr TCursor crNoDrop = -13;
// The index the "CopyDrop" cursor takes in the screen's cursor table; the Windows layer
// registers its image under this index at start-up, beside crRightArrow.
constexpr TCursor crCopyDrop = 2;

// A set of font styles.
enum class TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
ZEF_FLAGS(TFontStyle);
using TFontStyles = TFontStyle;

// The Windows character set of a font.
constexpr std::uint8_t DEFAULT_CHARSET_VALUE = 1;
constexpr std::uint8_t SHIFTJIS_CHARSET_VALUE = 128;
