// Links under the mouse: the hand pointer over a URL or mail address and the editor's own
// cursor elsewhere (also after the pointer crossed the margin), and what a double click
// does on a link and beside one.
#include "app/main_form_test_support.h"

#include <gtest/gtest.h>

namespace {

class MainFormLinks : public MainFormFixture {
protected:
    void SetUp() override {
        Create();
        if (!Form->Options().LinkWord) Choose("Menu_LinkWord");
        ASSERT_TRUE(Form->Options().LinkWord);
        Headless.Load("see http://example.jp or mail foo@example.jp\r\n");
    }
    void MoveTo(int Col) { Editor.MouseMove(TShiftState(), Headless.X(Col) + 1, Headless.Y(0)); }
    void DoubleClick(int Col) {
        MoveTo(Col);
        int X = Headless.X(Col) + 1, Y = Headless.Y(0);
        Editor.MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, X, Y);
        Editor.MouseUp(TMouseButton::mbLeft, TShiftState(), X, Y);
        Editor.MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft | TShiftState::ssDouble, X, Y);
        Editor.DblClick();
        Editor.MouseUp(TMouseButton::mbLeft, TShiftState(), X, Y);
    }
};

} // namespace

TEST_F(MainFormLinks, TheHandOverALinkAndTheTextCursorEverywhereElse) {
    const TCursor Text = Editor.Caret().Cursors().DefaultCursor();
    MoveTo(8);
    EXPECT_EQ(Headless.Host.ControlCursor, crHandPoint);
    EXPECT_EQ(Form->Options().LinkWordUnderMouse, "http://example.jp");
    MoveTo(1);
    EXPECT_EQ(Headless.Host.ControlCursor, Text);
    EXPECT_EQ(Form->Options().LinkWordUnderMouse, "");

    // Across the left margin and back onto the text.
    Editor.MouseMove(TShiftState(), 2, Headless.Y(0));
    EXPECT_EQ(Headless.Host.ControlCursor, Editor.Caret().Cursors().LeftMarginCursor());
    MoveTo(1);
    EXPECT_EQ(Headless.Host.ControlCursor, Text);
    Editor.MouseMove(TShiftState(), 2, Headless.Y(0));
    MoveTo(35);
    EXPECT_EQ(Headless.Host.ControlCursor, crHandPoint);

    // Links off: no hand.
    Choose("Menu_LinkWord");
    MoveTo(8);
    EXPECT_EQ(Headless.Host.ControlCursor, Text);
}

TEST_F(MainFormLinks, ADoubleClickOpensTheLinkOrSelectsTheWord) {
    DoubleClick(10);
    ASSERT_EQ(Shell.Runs.size(), 1u);
    EXPECT_EQ(Shell.Runs[0].Verb, "open");
    EXPECT_EQ(Shell.Runs[0].File, "http://example.jp");
    EXPECT_FALSE(Editor.Selected());

    DoubleClick(31);
    ASSERT_EQ(Shell.Runs.size(), 2u);
    EXPECT_EQ(Shell.Runs[1].File, "mailto:foo@example.jp");

    // Beside a link the double click selects the word under the caret.
    DoubleClick(25);
    EXPECT_EQ(Shell.Runs.size(), 2u);
    EXPECT_EQ(Editor.SelText(), "mail");
}
