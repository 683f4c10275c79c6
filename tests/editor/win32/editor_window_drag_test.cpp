// The editor window's messages in the middle of a drag of the selection, and the focus
// that a click on a scroll bar gives it.
#include "editor_window_fixture.h"

#include <string>

namespace {

class EditorWindowDrag : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorTop = 40;
        EditorWindowTest::SetUp();
        Other = CreateWindowExA(0, "BUTTON", "other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 80,
                                30, Parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(Other, nullptr);
        SetWindowTextA(Window.Handle(), "hello world\r\nsecond\r\n");
        Pump();
    }
    void TearDown() override {
        SetCtrl(false);
        EditorWindowTest::TearDown();
    }
    LPARAM Cell(int Row, int Col) {
        TEditor& E = Window.Editor();
        int X = E.Margin().Left() + Col * E.CharWidth() + 1;
        int Y = E.Margin().Top() + Row * E.RowHeight() + 2;
        return MAKELPARAM(X, Y);
    }
    void Mouse(UINT Message, WPARAM Keys, LPARAM At) {
        SendMessageA(Window.Handle(), Message, Keys, At);
    }
    // The thread's keyboard state, which the window reads with GetKeyState.
    static void SetCtrl(bool Down) {
        BYTE State[256];
        GetKeyboardState(State);
        State[VK_CONTROL] = Down ? 0x80 : 0;
        SetKeyboardState(State);
    }

    HWND Other = nullptr;
};

} // namespace

TEST_F(EditorWindowDrag, TheControlsShortcutsAndCharactersWaitForTheDragsEnd) {
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, Cell(0, 0));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, Cell(0, 5));
    Mouse(WM_LBUTTONUP, 0, Cell(0, 5));
    ASSERT_EQ(Window.Editor().SelText(), "hello");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, Cell(0, 2));
    ASSERT_TRUE(Window.Editor().Dragging());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, Cell(1, 3));

    // Ctrl+X and Ctrl+V of the context menu, and a character, as the keyboard sends them.
    SetCtrl(true);
    PostMessageA(Window.Handle(), WM_KEYDOWN, VK_CONTROL, 1);
    PostMessageA(Window.Handle(), WM_KEYDOWN, 'X', 1);
    PostMessageA(Window.Handle(), WM_KEYUP, 'X', 0xC0000001);
    PostMessageA(Window.Handle(), WM_KEYDOWN, 'V', 1);
    Pump();
    SetCtrl(false);
    PostMessageA(Window.Handle(), WM_CHAR, 'q', 1);
    Pump();
    EXPECT_EQ(Text(), "hello world\r\nsecond\r\n");
    EXPECT_TRUE(Window.Editor().Dragging());
    EXPECT_EQ(Window.Editor().SelText(), "hello");

    // Escape ends the drag; the keys act again.
    PostMessageA(Window.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump();
    EXPECT_FALSE(Window.Editor().Dragging());
    Mouse(WM_LBUTTONUP, 0, Cell(1, 3));
    PostMessageA(Window.Handle(), WM_CHAR, 'q', 1);
    Pump();
    EXPECT_NE(Text().find('q'), std::string::npos);
}

TEST_F(EditorWindowDrag, AClickOnAScrollBarGivesTheControlTheFocus) {
    SetFocus(Other);
    Pump();
    ASSERT_EQ(GetFocus(), Other);
    RECT R;
    GetWindowRect(Window.Handle(), &R);
    // The vertical bar's middle, in screen coordinates; the default processing would
    // track the button until it goes up, so it goes up before the press is handled.
    POINT P = {R.right - GetSystemMetrics(SM_CXVSCROLL) / 2 - 2, (R.top + R.bottom) / 2};
    ASSERT_EQ(SendMessageA(Window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)), HTVSCROLL);
    PostMessageA(Window.Handle(), WM_LBUTTONUP, 0, 0);
    SendMessageA(Window.Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(P.x, P.y));
    Pump();
    EXPECT_EQ(GetFocus(), Window.Handle());
}
