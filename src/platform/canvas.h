#pragma once
// The surface a text view paints on: a selected font, text output in which every byte
// advances by its own entry of an advance array (so that a fixed cell grid holds
// whatever the font's real widths), rectangle fills and 1-pixel solid lines.  The
// canvas also answers the font's cell metrics.
#include "platform/canvas_metrics.h"
#include "platform/text_view_host.h"

// Text-output options: fill the clip rectangle with the background colour first, and
// keep every pixel inside the clip rectangle.
enum class TTextOutOption : unsigned {
    toOpaque = 1,
    toClipped = 2,
};
ZEF_FLAGS(TTextOutOption);

class TCanvas : public TCanvasMetrics {
public:
    // The font later text output uses, in Style instead of its own style (its colour is
    // set apart with SetTextColor).
    virtual void SetFont(const TFont& Font, TFontStyles Style) = 0;
    virtual void SetTextColor(TColor Color) = 0;
    virtual void SetBkColor(TColor Color) = 0;
    // Draws Length bytes at (X, Y); byte I advances by Advances[I].  Advances holds at
    // least Length entries.  Options: TTextOutOption flags; without TTextOutOption::toOpaque the
    // text is drawn transparently.
    virtual void OutputText(int X, int Y, TTextOutOption Options, const TRect& Clip,
                            const char* Text, int Length, const int* Advances) = 0;
    virtual void FillRect(const TRect& Rect, TColor Color) = 0;
    // A solid 1-pixel line from (X1, Y1) up to, not including, (X2, Y2).
    virtual void Line(int X1, int Y1, int X2, int Y2, TColor Color) = 0;
};
