#include "platform/headless/headless_canvas.h"

THeadlessCanvas::TDraw* THeadlessCanvas::Record(TKind Kind, long long& Calls, TColor Color) {
    ++Calls;
    if (!Recording) return nullptr;
    Draws.emplace_back();
    Draws.back().Kind = Kind;
    Draws.back().Color = Color;
    return &Draws.back();
}

void THeadlessCanvas::OutputText(int X, int Y, TTextOutOption Options, const TRect& Clip,
                                 const char* Text, int Length, const int* Advances) {
    BytesDrawn += Length;
    // Every advance the call claims is read, as the platform reads them, so that an array
    // too short for the text shows up under the address sanitizer.
    bool Even = true;
    for (int I = 1; I < Length; ++I)
        if (Advances[I] != Advances[0]) Even = false;
    TDraw* D = Record(dkText, TextCalls, FTextColor);
    if (!D) return;
    D->X = X;
    D->Y = Y;
    D->Rect = Clip;
    D->Options = Options;
    D->Text.assign(Text, static_cast<std::size_t>(Length > 0 ? Length : 0));
    D->BkColor = FBkColor;
    D->Style = FStyle;
    D->Advance = Length > 0 ? Advances[0] : 0;
    D->EvenAdvances = Even;
}

void THeadlessCanvas::FillRect(const TRect& Rect, TColor Color) {
    if (TDraw* D = Record(dkFill, FillCalls, Color)) D->Rect = Rect;
}

void THeadlessCanvas::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    if (TDraw* D = Record(dkLine, LineCalls, Color)) {
        D->X = X1;
        D->Y = Y1;
        D->X2 = X2;
        D->Y2 = Y2;
    }
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
        if (!OnText && !Has(D.Options, TTextOutOption::toOpaque)) continue;
        Color = D.Color;
        BkColor = D.BkColor;
        Found = true;
    }
    return Found;
}
