#pragma once
// The cell metrics a text view takes from its font.  Every cell of the view has the same
// width, so the metrics of one font are all the control needs to lay out rows, place the
// caret and map the pointer to positions; no text is measured while painting.
#include "editor/platform_values.h"

#include <string>

// The font a view draws with, as the platform needs it to create one.
struct TFontSpec {
    std::string Name = "FixedSys";
    int Size = 10; // points
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    std::uint8_t Charset = SHIFTJIS_CHARSET_VALUE;

    bool operator==(const TFontSpec& Other) const {
        return Name == Other.Name && Size == Other.Size && Style == Other.Style &&
               Color == Other.Color && Charset == Other.Charset;
    }
    bool operator!=(const TFontSpec& Other) const { return !(*this == Other); }
};

// The text metrics of a font: cell height (Height + ExternalLeading) and the average
// character width of one single-byte cell.
struct TTextMetrics {
    int Height = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    bool FixedPitch = true;
};

class TCanvasMetrics {
public:
    virtual ~TCanvasMetrics() = default;
    virtual TTextMetrics TextMetrics(const TFontSpec& Font) const = 0;
};
