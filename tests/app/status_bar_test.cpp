#include "app/status_bar.h"

#include <gtest/gtest.h>

TEST(StatusBar, CaretAndSizeTexts) {
    EXPECT_EQ("    1行:    1桁 ", CaretPositionText(1, 1));
    EXPECT_EQ("123456行: 12345桁 ", CaretPositionText(123456, 12345));
    EXPECT_EQ("0バイト ", TextSizeText(0));
    EXPECT_EQ("999バイト ", TextSizeText(999));
    EXPECT_EQ("1,000バイト ", TextSizeText(1000));
    EXPECT_EQ("104,857,600バイト ", TextSizeText(104857600));
    EXPECT_TRUE(IsTextSizeText(TextSizeText(5)));
    EXPECT_FALSE(IsTextSizeText(CaretPositionText(3, 4)));
}

TEST(StatusBar, HintPanelTakesTheRestButAtLeast150) {
    // The seven other panels are 388 pixels wide (the kanji code panel 64 of them).
    EXPECT_EQ(1000 - 388 + 24, HintPanelWidth(1000));
    EXPECT_EQ(150, HintPanelWidth(514));
    EXPECT_EQ(151, HintPanelWidth(515));
    EXPECT_EQ(150, HintPanelWidth(0));
}

TEST(StatusBar, PanelsAndTheirFirstTexts) {
    EXPECT_FALSE(StatusPanelStyle(spHint).Bevel);
    EXPECT_FALSE(StatusPanelStyle(spEmpty).Bevel);
    EXPECT_EQ(TStatusPanelStyle::taRightJustify, StatusPanelStyle(spCaret).Alignment);
    EXPECT_EQ(TStatusPanelStyle::taCenter, StatusPanelStyle(spInsert).Alignment);
    EXPECT_EQ("[000]", InitialStatusText(spWrap));
    EXPECT_EQ("[72]", WrapPanelText(true, 72));
    EXPECT_EQ("", WrapPanelText(false, 72));
    EXPECT_EQ("上書", InsertPanelText(true));
}
