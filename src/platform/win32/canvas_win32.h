#pragma once
// The canvas on a GDI device context.  Fonts are made once per face, size, style and
// character set and kept until the last canvas sharing them goes.
#include "platform/canvas.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The logical font of Font drawn in Style, at the screen's resolution.
LOGFONTA LogFontOf(const TFont& Font, TFontStyles Style);

class TWin32Canvas : public TCanvas {
public:
    // DC: the device context to draw on; null makes a canvas that only measures (on a
    // screen-compatible context of its own).
    explicit TWin32Canvas(HDC DC = nullptr);
    // A canvas on DC that uses (and adds to) the fonts of Fonts.
    TWin32Canvas(HDC DC, const TWin32Canvas& Fonts);
    ~TWin32Canvas() override;
    TWin32Canvas(const TWin32Canvas&) = delete;
    TWin32Canvas& operator=(const TWin32Canvas&) = delete;

    TTextMetrics TextMetrics(const TFont& Font) const override;
    void SetFont(const TFont& Font, TFontStyles Style) override;
    void SetTextColor(TColor Color) override;
    void SetBkColor(TColor Color) override;
    void OutputText(int X, int Y, TTextOutOption Options, const TRect& Clip, const char* Text,
                    int Length, const int* Advances) override;
    void FillRect(const TRect& Rect, TColor Color) override;
    void Line(int X1, int Y1, int X2, int Y2, TColor Color) override;

private:
    struct TCachedFont {
        std::string Name;
        int Size;
        TFontStyles Style;
        std::uint8_t Charset;
        HFONT Font;
    };
    struct TFontCache {
        std::vector<TCachedFont> Fonts;
        ~TFontCache();
    };
    HFONT FontFor(const TFont& Font, TFontStyles Style) const;

    HDC FDC;
    bool FOwnDC;
    HGDIOBJ FOldFont = nullptr;
    HGDIOBJ FOldPen = nullptr;
    HPEN FPen = nullptr;
    COLORREF FPenColor = 0;
    COLORREF FBk = 0;
    std::shared_ptr<TFontCache> FFonts;
};
