#include "platform/headless/headless_canvas.h"

void THeadlessCanvas::OutputText(int X, int Y, unsigned Options, const TRect& Clip,
                                 const char* Text, int Length, const int* Advances) {
    ++TextCalls;
    BytesDrawn += Length;
    if (!Recording) return;
    TDraw D;
    D.Kind = dkText;
    D.X = X;
    D.Y = Y;
    D.Rect = Clip;
    D.Options = Options;
    D.Text.assign(Text, static_cast<std::size_t>(Length > 0 ? Length : 0));
    D.Color = FTextColor;
    D.BkColor = FBkColor;
    D.Style = FStyle;
    if (Length > 0) {
        D.Advance = Advances[0];
        // Reads every advance the call claims, so that an array too short for the text
        // shows up under the address sanitizer.
        for (int I = 1; I < Length; ++I)
            if (Advances[I] != D.Advance) D.EvenAdvances = false;
    }
    Draws.push_back(D);
}

void THeadlessCanvas::FillRect(const TRect& Rect, TColor Color) {
    ++FillCalls;
    if (!Recording) return;
    TDraw D;
    D.Kind = dkFill;
    D.Rect = Rect;
    D.Color = Color;
    Draws.push_back(D);
}

void THeadlessCanvas::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    ++LineCalls;
    if (!Recording) return;
    TDraw D;
    D.Kind = dkLine;
    D.X = X1;
    D.Y = Y1;
    D.X2 = X2;
    D.Y2 = Y2;
    D.Color = Color;
    Draws.push_back(D);
}

std::vector<THeadlessCanvas::TDraw> THeadlessCanvas::Of(TKind Kind) const {
    std::vector<TDraw> Out;
    for (const TDraw& D : Draws)
        if (D.Kind == Kind) Out.push_back(D);
    return Out;
}

bool THeadlessCanvas::TextAt(int X, int Y, TColor& Color, TColor& BkColor) const {
    bool Found = false;
    for (const TDraw& D : Draws) {
        if (D.Kind != dkText) continue;
        const TRect& R = D.Rect;
        if (X < R.Left || X >= R.Right || Y < R.Top || Y >= R.Bottom) continue;
        int End = D.X + static_cast<int>(D.Text.size()) * D.Advance;
        bool OnText = X >= D.X && X < End;
        if (!OnText && !(D.Options & toOpaque)) continue;
        Color = D.Color;
        BkColor = D.BkColor;
        Found = true;
    }
    return Found;
}
