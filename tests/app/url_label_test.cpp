// The link label's colours as the mouse comes, presses, goes, and what a press opens.
#include "app/external/url_label.h"
#include "main_form_test_support.h"

#include <gtest/gtest.h>

namespace {

struct URLLabelTest : ::testing::Test {
    TFakeShell Shell;
    TURLLabel Label{Shell};
    int Repaints = 0;

    URLLabelTest() {
        Label.SetTextColor(clNavy);
        Label.SetCaption("mailto:someone@example.jp");
        Label.OnRepaint = [this] { ++Repaints; };
    }
};

} // namespace

TEST_F(URLLabelTest, HotTrackingColoursAndRestoresTheText) {
    EXPECT_EQ(clAqua, Label.HotColor());
    EXPECT_EQ(clRed, Label.PushedColor());
    Label.SetHotColor(clBlue);
    Label.MouseEnter();
    EXPECT_EQ(clBlue, Label.TextColor());
    // A repeated enter keeps the colour to come back to.
    Label.MouseEnter();
    Label.MouseDown();
    EXPECT_EQ(clRed, Label.TextColor());
    Label.MouseUp(true);
    EXPECT_EQ(clBlue, Label.TextColor());
    Label.MouseLeave();
    EXPECT_EQ(clNavy, Label.TextColor());
    EXPECT_GE(Repaints, 5);

    // Released outside after a press: the normal colour at once.
    Label.MouseEnter();
    Label.MouseDown();
    Label.MouseUp(false);
    EXPECT_EQ(clNavy, Label.TextColor());
    Label.MouseLeave();
    EXPECT_EQ(clNavy, Label.TextColor());
}

TEST_F(URLLabelTest, WithoutHotTrackTheColourStays) {
    Label.SetHotTrack(false);
    EXPECT_EQ(1, Repaints);
    Label.MouseEnter();
    Label.MouseDown();
    Label.MouseUp(true);
    Label.MouseLeave();
    EXPECT_EQ(clNavy, Label.TextColor());
    // Setting an equal value repaints nothing.
    Label.SetHotTrack(false);
    Label.SetPushedColor(clRed);
    EXPECT_EQ(1, Repaints);
}

TEST_F(URLLabelTest, OnlyAnExecutableLabelOpensItsCaption) {
    Label.MouseDown();
    EXPECT_TRUE(Shell.Runs.empty());
    Label.SetExecutable(true);
    Label.MouseDown();
    ASSERT_EQ(1u, Shell.Runs.size());
    EXPECT_EQ("OPEN", Shell.Runs[0].Verb);
    EXPECT_EQ("mailto:someone@example.jp", Shell.Runs[0].File);
    EXPECT_EQ("", Shell.Runs[0].Parameters);
    EXPECT_EQ("", Shell.Runs[0].Directory);
}
