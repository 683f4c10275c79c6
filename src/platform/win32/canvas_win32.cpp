#include "platform/win32/canvas_win32.h"

#include "platform/win32/win32_colors.h"

#include <cstring>

TWin32Canvas::TWin32Canvas(HDC DC)
    : FDC(DC), FOwnDC(DC == nullptr), FFonts(std::make_shared<TFontCache>()) {
    if (FOwnDC) FDC = CreateCompatibleDC(nullptr);
}

TWin32Canvas::TWin32Canvas(HDC DC, const TWin32Canvas& Fonts)
    : FDC(DC), FOwnDC(false), FFonts(Fonts.FFonts) {}

TWin32Canvas::TFontCache::~TFontCache() {
    for (TCachedFont& F : Fonts)
        DeleteObject(F.Font);
}

TWin32Canvas::~TWin32Canvas() {
    if (FOldFont) SelectObject(FDC, FOldFont);
    if (FOldPen) SelectObject(FDC, FOldPen);
    if (FPen) DeleteObject(FPen);
    if (FOwnDC) DeleteDC(FDC);
}

LOGFONTA LogFontOf(const TFont& Font, TFontStyles Style) {
    LOGFONTA LF = {};
    HDC Screen = GetDC(nullptr);
    LF.lfHeight = -MulDiv(Font.Size(), GetDeviceCaps(Screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, Screen);
    LF.lfWeight = Has(Style, TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    LF.lfItalic = Has(Style, TFontStyle::fsItalic) ? TRUE : FALSE;
    LF.lfUnderline = Has(Style, TFontStyle::fsUnderline) ? TRUE : FALSE;
    LF.lfStrikeOut = Has(Style, TFontStyle::fsStrikeOut) ? TRUE : FALSE;
    LF.lfCharSet = Font.Charset();
    LF.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(LF.lfFaceName, Font.Name().c_str(), LF_FACESIZE);
    return LF;
}

HFONT TWin32Canvas::FontFor(const TFont& Font, TFontStyles Style) const {
    for (const TCachedFont& F : FFonts->Fonts)
        if (F.Name == Font.Name() && F.Size == Font.Size() && F.Style == Style &&
            F.Charset == Font.Charset())
            return F.Font;
    LOGFONTA LF = LogFontOf(Font, Style);
    HFONT Handle = CreateFontIndirectA(&LF);
    FFonts->Fonts.push_back({Font.Name(), Font.Size(), Style, Font.Charset(), Handle});
    return Handle;
}

TTextMetrics TWin32Canvas::TextMetrics(const TFont& Font) const {
    HGDIOBJ Old = SelectObject(FDC, FontFor(Font, Font.Style()));
    TEXTMETRICA TM = {};
    GetTextMetricsA(FDC, &TM);
    SelectObject(FDC, Old);
    TTextMetrics M;
    M.Height = TM.tmHeight;
    M.ExternalLeading = TM.tmExternalLeading;
    M.AveCharWidth = TM.tmAveCharWidth;
    // TMPF_FIXED_PITCH set means a variable pitch font.
    M.FixedPitch = (TM.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    return M;
}

void TWin32Canvas::SetFont(const TFont& Font, TFontStyles Style) {
    HGDIOBJ Old = SelectObject(FDC, FontFor(Font, Style));
    if (!FOldFont) FOldFont = Old;
}

void TWin32Canvas::SetTextColor(TColor Color) {
    ::SetTextColor(FDC, ToColorRef(Color));
}

void TWin32Canvas::SetBkColor(TColor Color) {
    FBk = ToColorRef(Color);
    ::SetBkColor(FDC, FBk);
}

void TWin32Canvas::OutputText(int X, int Y, TTextOutOption Options, const TRect& Clip,
                              const char* Text, int Length, const int* Advances) {
    RECT R = {Clip.Left, Clip.Top, Clip.Right, Clip.Bottom};
    UINT Flags = 0;
    if (Has(Options, TTextOutOption::toOpaque)) Flags |= ETO_OPAQUE;
    if (Has(Options, TTextOutOption::toClipped)) Flags |= ETO_CLIPPED;
    SetBkMode(FDC, Has(Options, TTextOutOption::toOpaque) ? OPAQUE : TRANSPARENT);
    ExtTextOutA(FDC, X, Y, Flags, &R, Text, static_cast<UINT>(Length), const_cast<INT*>(Advances));
}

void TWin32Canvas::FillRect(const TRect& Rect, TColor Color) {
    RECT R = {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    if (Rect.Empty()) return;
    COLORREF Old = ::SetBkColor(FDC, ToColorRef(Color));
    ExtTextOutA(FDC, 0, 0, ETO_OPAQUE, &R, "", 0, nullptr);
    ::SetBkColor(FDC, Old);
}

void TWin32Canvas::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    COLORREF C = ToColorRef(Color);
    if (!FPen || C != FPenColor) {
        HPEN Pen = CreatePen(PS_SOLID, 1, C);
        HGDIOBJ Old = SelectObject(FDC, Pen);
        if (!FOldPen) FOldPen = Old;
        if (FPen) DeleteObject(FPen);
        FPen = Pen;
        FPenColor = C;
    }
    MoveToEx(FDC, X1, Y1, nullptr);
    LineTo(FDC, X2, Y2);
}
