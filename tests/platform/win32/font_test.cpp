// The editor measures text in cells: a double-byte character is two cells.
// Under Wine the fonts it asks for by name must therefore resolve to a
// Japanese fixed-pitch font.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct FontProbe {
    TEXTMETRICA metrics = {};
    SIZE single = {}, dbcs = {};
    bool ok = false;
};

FontProbe Probe(const char* face, BYTE charset) {
    FontProbe p;
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfCharSet = charset;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    p.ok = GetTextMetricsA(dc, &p.metrics) && GetTextExtentPoint32A(dc, "A", 1, &p.single) &&
           GetTextExtentPoint32A(dc, "漢", 2, &p.dbcs);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return p;
}

} // namespace

TEST(Win32Fonts, MsGothicResolvesToAJapaneseFixedPitchFont) {
    FontProbe p = Probe("ＭＳ ゴシック", SHIFTJIS_CHARSET);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(SHIFTJIS_CHARSET, p.metrics.tmCharSet);
    EXPECT_GT(p.single.cx, 0);
    EXPECT_EQ(2 * p.single.cx, p.dbcs.cx)
        << "a double-byte character should be two cells wide; one cell is " << p.single.cx;
}

TEST(Win32Fonts, FixedSysDrawsJapanese) {
    FontProbe p = Probe("FixedSys", SHIFTJIS_CHARSET);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(SHIFTJIS_CHARSET, p.metrics.tmCharSet);
    EXPECT_EQ(2 * p.single.cx, p.dbcs.cx);
}
