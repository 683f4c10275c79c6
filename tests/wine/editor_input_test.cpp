// Zefnote.exe edited as a user does: keys, the mouse and the clipboard through real
// input, the result read back with WM_GETTEXT.
#include "wine/editor_session.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class EditorInput : public EditorSession {
protected:
    void Drag(const e2e::EditorCells& c, int row1, int col1, int row2, int col2) {
        e2e::MouseTo(editor_, c.X(col1), c.Y(row1));
        e2e::LeftDown();
        e2e::MouseTo(editor_, (c.X(col1) + c.X(col2)) / 2, (c.Y(row1) + c.Y(row2)) / 2);
        e2e::MouseTo(editor_, c.X(col2), c.Y(row2));
        e2e::LeftUp();
    }

    // Whether the program's window thread is in a menu's loop (the menu bar or a popup).
    bool InMenuMode() {
        GUITHREADINFO gui = {sizeof gui};
        return GetGUIThreadInfo(GetWindowThreadProcessId(editor_, nullptr), &gui) &&
               (gui.flags & GUI_INMENUMODE) != 0;
    }
};

} // namespace

TEST_F(EditorInput, TypingMovingSelectingCopyPasteAndUndo) {
    Open("日本語\r\nabc\r\n");
    ASSERT_EQ("日本語\r\nabc\r\n", WaitText("日本語\r\nabc\r\n"));

    e2e::Type("xy");
    EXPECT_EQ("xy日本語\r\nabc\r\n", WaitText("xy日本語\r\nabc\r\n"));
    e2e::Press(VK_DOWN);
    e2e::Press(VK_END);
    e2e::Type("z");
    EXPECT_EQ("xy日本語\r\nabcz\r\n", WaitText("xy日本語\r\nabcz\r\n"));

    // Shift+Home selects the row, Ctrl+C copies it, Ctrl+End and Ctrl+V paste it.
    e2e::Press(VK_HOME, {VK_SHIFT});
    e2e::Press('C', {VK_CONTROL});
    EXPECT_TRUE(e2e::WaitFor([] { return e2e::ClipboardText() == "abcz"; }, 5000))
        << e2e::ClipboardText();
    e2e::Press(VK_END, {VK_CONTROL});
    e2e::Press('V', {VK_CONTROL});
    EXPECT_EQ("xy日本語\r\nabcz\r\nabcz", WaitText("xy日本語\r\nabcz\r\nabcz"));
    e2e::Press('Z', {VK_CONTROL});
    EXPECT_EQ("xy日本語\r\nabcz\r\n", WaitText("xy日本語\r\nabcz\r\n"));

    // A mouse drag over the two double-byte characters 日本 (columns 2 to 6), then cut.
    e2e::EditorCells cells(editor_);
    Drag(cells, 0, 2, 0, 6);
    e2e::Press('X', {VK_CONTROL});
    EXPECT_EQ("xy語\r\nabcz\r\n", WaitText("xy語\r\nabcz\r\n"));
    EXPECT_TRUE(e2e::WaitFor([] { return e2e::ClipboardText() == "日本"; }, 5000));
}

TEST_F(EditorInput, ABoxCopyReachesAnotherProgramAsPlainText) {
    Open("abcdef\r\nghijkl\r\nmnopqr\r\n");
    ASSERT_EQ("abcdef\r\nghijkl\r\nmnopqr\r\n", WaitText("abcdef\r\nghijkl\r\nmnopqr\r\n"));
    // Box mode from the context menu's shortcut, then a selection with Shift and arrows.
    e2e::Press(VK_RIGHT);
    e2e::Press('K', {VK_CONTROL});
    e2e::Press(VK_DOWN, {VK_SHIFT});
    e2e::Press(VK_DOWN, {VK_SHIFT});
    e2e::Press(VK_RIGHT, {VK_SHIFT});
    e2e::Press(VK_RIGHT, {VK_SHIFT});
    e2e::Press('C', {VK_CONTROL});
    std::string text;
    EXPECT_TRUE(e2e::WaitFor([&] { return (text = e2e::ClipboardText()).find("bc") == 0; }, 5000));
    EXPECT_EQ(0u, text.find("bc\r\nhi\r\nno")) << text;
    EXPECT_TRUE(e2e::ClipboardHasFormat("TEditor Box Type"));
    // The text is unchanged by the copy.
    EXPECT_EQ("abcdef\r\nghijkl\r\nmnopqr\r\n", e2e::EditorText(editor_));
}

// Wine takes the modifier keys of a mouse message from the X server's state, which
// SendInput does not change; so this gesture goes through the X server (xdotool), as a
// user's hands would.
TEST_F(EditorInput, AnAltDragSelectsABoxThatAnotherProgramReadsAsPlainText) {
    Open("abcdef\r\nghijkl\r\nmnopqr\r\n");
    ASSERT_EQ("abcdef\r\nghijkl\r\nmnopqr\r\n", WaitText("abcdef\r\nghijkl\r\nmnopqr\r\n"));
    e2e::EditorCells cells(editor_);
    POINT from = {cells.X(1), cells.Y(0)}, mid = {cells.X(2), cells.Y(1)},
          to = {cells.X(3), cells.Y(2)};
    ClientToScreen(editor_, &from);
    ClientToScreen(editor_, &mid);
    ClientToScreen(editor_, &to);
    auto at = [](POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    ASSERT_TRUE(e2e::RunUnix("/usr/bin/xdotool keydown alt mousemove " + at(from) +
                                 " mousedown 1 mousemove " + at(mid) + " mousemove " + at(to) +
                                 " mouseup 1 keyup alt key ctrl+c",
                             10000));
    std::string text;
    EXPECT_TRUE(e2e::WaitFor([&] { return (text = e2e::ClipboardText()).find("bc") == 0; }, 10000))
        << text;
    EXPECT_EQ(0u, text.find("bc\r\nhi\r\nno")) << text;
    EXPECT_TRUE(e2e::ClipboardHasFormat("TEditor Box Type"));
    // The release of Alt after the gesture left the menu bar closed.
    EXPECT_FALSE(InMenuMode()) << "the Alt key-up opened the menu bar";
}

// A drag of the selection holds the keyboard: the main menu's Ctrl+X and F10 do nothing
// until Escape ends the drag.
TEST_F(EditorInput, DuringADragOfTheSelectionOnlyEscapeAndCtrlAct) {
    Open("hello world\r\nsecond\r\n");
    ASSERT_EQ("hello world\r\nsecond\r\n", WaitText("hello world\r\nsecond\r\n"));
    e2e::EditorCells cells(editor_);
    Drag(cells, 0, 0, 0, 5);
    e2e::MouseTo(editor_, cells.X(2) + 2, cells.Y(0));
    e2e::LeftDown();
    e2e::MouseTo(editor_, cells.X(4), cells.Y(1));
    e2e::MouseTo(editor_, cells.X(3), cells.Y(1));
    e2e::Press('X', {VK_CONTROL});
    e2e::Press(VK_F10);
    EXPECT_FALSE(InMenuMode()) << "F10 opened the menu bar in the middle of a drag";
    e2e::Press(VK_ESCAPE);
    e2e::LeftUp();
    // The keys act again; what they type shows that nothing before them changed the text.
    e2e::Press(VK_END, {VK_CONTROL});
    e2e::Type("z");
    EXPECT_EQ("hello world\r\nsecond\r\nz", WaitText("hello world\r\nsecond\r\nz"));
}

TEST_F(EditorInput, TheContextMenuSelectsAllAndCuts) {
    Open("one\r\ntwo\r\n");
    ASSERT_EQ("one\r\ntwo\r\n", WaitText("one\r\ntwo\r\n"));
    e2e::EditorCells cells(editor_);
    auto menuChoice = [&](WORD mnemonic) {
        e2e::MouseTo(editor_, cells.X(1), cells.Y(0));
        e2e::RightClick();
        bool shown =
            e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) != nullptr; }, 5000);
        if (shown) e2e::Press(mnemonic);
        e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) == nullptr; }, 5000);
        return shown;
    };
    ASSERT_TRUE(menuChoice('A')) << "no context menu"; // すべて選択(&A)
    ASSERT_TRUE(menuChoice('T'));                      // 切り取り(&T)
    EXPECT_EQ("", WaitText(""));
    EXPECT_TRUE(e2e::WaitFor([] { return e2e::ClipboardText() == "one\r\ntwo\r\n"; }, 5000));
    ASSERT_TRUE(menuChoice('U')); // 元に戻す(&U)
    EXPECT_EQ("one\r\ntwo\r\n", WaitText("one\r\ntwo\r\n"));
}

// A menu asked for from the keyboard (Shift+F10, the Application key) comes with both
// coordinates -1, and opens below the caret.  In a 64-bit lParam the two words are
// 0x00000000FFFFFFFF, not -1: posted here as Windows makes it.
TEST_F(EditorInput, AContextMenuFromTheKeyboardOpensBelowTheCaret) {
    Open("one\r\ntwo\r\n");
    ASSERT_EQ("one\r\ntwo\r\n", WaitText("one\r\ntwo\r\n"));
    e2e::Press(VK_DOWN);
    e2e::Press(VK_RIGHT);
    e2e::EditorCells cells(editor_);
    POINT below = {cells.X(1), cells.Top(2)};
    ClientToScreen(editor_, &below);
    ASSERT_TRUE(PostMessageA(editor_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor_),
                             MAKELPARAM(-1, -1)));
    HWND menu = nullptr;
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return (menu = e2e::FindPopupMenu(zefnote_->Id())) != nullptr; }, 5000))
        << "no context menu";
    RECT at = {};
    GetWindowRect(menu, &at);
    e2e::Press(VK_ESCAPE);
    EXPECT_TRUE(
        e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) == nullptr; }, 5000));
    EXPECT_NEAR(below.x, at.left, 2);
    EXPECT_NEAR(below.y, at.top, 2);
}
