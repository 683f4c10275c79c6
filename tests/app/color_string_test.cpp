#include "app/settings/color_string.h"

#include <gtest/gtest.h>

namespace {

TColor Read(const std::string& Text) {
    TColor Color = 0x00BADBAD;
    StringToColor(Text, Color);
    return Color;
}

TEST(ColorString, NamesAreWrittenWhereTheColourHasOne) {
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clSilver), "clSilver"); // not its alias clLtGray
    EXPECT_EQ(ColorToString(0x80000000), "clScrollBar");
    EXPECT_EQ(ColorToString(0x80000018), "clInfoBk");
    EXPECT_EQ(ColorToString(0x00C00000), "$00C00000");
    EXPECT_EQ(ColorToString(0x8000001E), "$8000001E");
    EXPECT_EQ(Read("clLtGray"), clSilver);
    EXPECT_EQ(Read("CLDKGRAY"), clGray);
    EXPECT_EQ(Read("clbtnface"), 0x8000000Fu);
    EXPECT_EQ(Read("$8000001E"), 0x8000001Eu);
}

TEST(ColorString, WhatIsNoColourLeavesTheValue) {
    for (const char* Bad : {"", "$", "0x", "clBlu", "12a", "$0000FF00FF", "4294967296", "$01000000",
                            "$8000001F", "-255", "$-1"})
        EXPECT_EQ(Read(Bad), 0x00BADBADu) << Bad;
}

} // namespace
