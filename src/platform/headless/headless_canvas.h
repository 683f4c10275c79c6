#pragma once
// A canvas that records every drawing call with its arguments and the state it was
// drawn in, for native tests of what a view paints and where.  Metrics are those of a
// fixed grid (8 x 16 by default).
#include "platform/canvas.h"

#include <string>
#include <vector>

class THeadlessCanvas : public TCanvas {
public:
    enum TKind { dkText, dkFill, dkLine };
    struct TDraw {
        TKind Kind = dkText;
        int X = 0, Y = 0;   // text origin, or the line's start
        int X2 = 0, Y2 = 0; // the line's end
        TRect Rect;         // clip rectangle of text, filled rectangle
        TTextOutOption Options = TTextOutOption();
        std::string Text;
        TColor Color = 0;   // text colour, fill colour, line colour
        TColor BkColor = 0; // background of text
        TFontStyles Style = TFontStyles();
        int Advance = 0; // the first advance of a text (all are checked equal)
        bool EvenAdvances = true;
    };

    TTextMetrics TextMetrics(const TFont&) const override { return Metrics; }
    void SetFont(const TFont&, TFontStyles Style) override { FStyle = Style; }
    void SetTextColor(TColor Color) override { FTextColor = Color; }
    void SetBkColor(TColor Color) override { FBkColor = Color; }
    void OutputText(int X, int Y, TTextOutOption Options, const TRect& Clip, const char* Text,
                    int Length, const int* Advances) override;
    void FillRect(const TRect& Rect, TColor Color) override;
    void Line(int X1, int Y1, int X2, int Y2, TColor Color) override;

    void Clear() { Draws.clear(); }
    // The draws of one kind, in order.
    std::vector<TDraw> Of(TKind Kind) const;
    // The colour a text pixel-column X of the row whose top is Y was last given: the
    // text colour and background of the last text output covering (X, Y) inside its
    // clip.  False when no text output covers it.
    bool TextAt(int X, int Y, TColor& Color, TColor& BkColor) const;

    TTextMetrics Metrics{16, 0, 8, true};
    std::vector<TDraw> Draws;
    // When false, only counts are kept (long benchmark runs).
    bool Recording = true;
    long long TextCalls = 0, FillCalls = 0, LineCalls = 0;
    long long BytesDrawn = 0;

private:
    // Counts a call; the new entry of Draws when recording, else null.
    TDraw* Record(TKind Kind, long long& Calls, TColor Color);

    TFontStyles FStyle = TFontStyles();
    TColor FTextColor = 0;
    TColor FBkColor = 0xFFFFFF;
};
