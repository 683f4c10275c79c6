// The pointer over the control: the cursor the host chooses over the text, the cursors of
// a drag of the selection inside and outside the client area, the keys a drag lets
// through, and what a font change does to a view scrolled sideways.
#include "editor/editor_popup_menu.h"
#include "support/headless_editor.h"

#include <gtest/gtest.h>

namespace {

// The host's handler as the main window has it: a hand over a link, else the control's
// own cursor.
void HandOverLinks(THeadlessEditor& D) {
    D->OnMouseMove = [](TEditor* Sender, TShiftState, int X, int) {
        Sender->SetCursor(X > 100 ? crHandPoint : crDefault);
    };
}

// Selects "hello" and presses the button inside it: a drag of the selection begins.
void StartDrag(THeadlessEditor& D) {
    D.Load("hello world\r\nsecond\r\n");
    D.Drag(0, 0, 0, 5);
    ASSERT_EQ(D->SelText(), "hello");
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(1) + 1, D.Y(0));
    ASSERT_TRUE(D->Dragging());
}

} // namespace

TEST(EditorPointer, TheHostsCursorComesBackOverTheTextAfterTheMargin) {
    THeadlessEditor D;
    D.Load("abc http://x.jp\r\n");
    HandOverLinks(D);
    const TCursor Text = D->Caret().Cursors().DefaultCursor();
    D->MouseMove(TShiftState(), D.X(1), D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, Text);
    D->MouseMove(TShiftState(), 2, D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, D->Caret().Cursors().LeftMarginCursor());
    D->MouseMove(TShiftState(), D.X(1), D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, Text) << "the margin's arrow stuck over the text";

    D->MouseMove(TShiftState(), D.X(14), D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, crHandPoint);
    D->MouseMove(TShiftState(), 2, D.Y(0));
    D->MouseMove(TShiftState(), D.X(14), D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, crHandPoint) << "the hand comes back after the margin";

    // Over a selection the control shows its in-selection cursor, and the host's cursor
    // again when the pointer leaves it.
    D->SetRowCol(0, 0);
    D->SetSelLength(3);
    D->MouseMove(TShiftState(), D.X(1) + 1, D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, D->Caret().Cursors().InSelCursor());
    D->Caret().Cursors().SetInSelCursor(crArrow);
    D->MouseMove(TShiftState(), D.X(1) + 1, D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, crArrow);
    D->MouseMove(TShiftState(), D.X(5) + 1, D.Y(0));
    EXPECT_EQ(D.Host.ControlCursor, Text);
}

TEST(EditorPointer, DragCursorsInsideAndOutsideTheClientArea) {
    THeadlessEditor D;
    StartDrag(D);
    EXPECT_EQ(D.Host.ScreenCursor, crDrag);
    int K = vkControl;
    D.Host.Ctrl = true;
    D->KeyDown(K, TShiftState::ssCtrl);
    EXPECT_EQ(D.Host.ScreenCursor, crCopyDrop) << "Ctrl inside: a copy";

    // The vertical scroll bar is outside the client area.
    const int OverBar = D.Host.Width - D.Host.ScrollBarSize / 2;
    D->MouseMove(TShiftState::ssLeft | TShiftState::ssCtrl, OverBar, D.Y(0));
    EXPECT_EQ(D.Host.ScreenCursor, crNoDrop);
    K = vkControl;
    D->KeyDown(K, TShiftState::ssCtrl, true);
    EXPECT_EQ(D.Host.ScreenCursor, crNoDrop) << "Ctrl held outside drops nothing";
    D.Host.Ctrl = false;
    K = vkControl;
    D->KeyUp(K, TShiftState());
    EXPECT_EQ(D.Host.ScreenCursor, crNoDrop) << "releasing Ctrl outside drops nothing either";
    D->MouseMove(TShiftState::ssLeft, D.X(3), D.Host.Height - D.Host.ScrollBarSize / 2);
    EXPECT_EQ(D.Host.ScreenCursor, crNoDrop) << "nor over the horizontal bar";
    D->MouseMove(TShiftState::ssLeft, -3, D.Y(1));
    EXPECT_EQ(D.Host.ScreenCursor, crNoDrop);

    D->MouseMove(TShiftState::ssLeft, D.X(3), D.Y(1));
    EXPECT_EQ(D.Host.ScreenCursor, crDrag) << "a move back inside";
    D.Host.Ctrl = true;
    K = vkControl;
    D->KeyDown(K, TShiftState::ssCtrl);
    EXPECT_EQ(D.Host.ScreenCursor, crCopyDrop);
    D.Host.Ctrl = false;
    K = vkControl;
    D->KeyUp(K, TShiftState());
    EXPECT_EQ(D.Host.ScreenCursor, crDrag);
}

TEST(EditorPointer, ADropOverAScrollBarDropsNothing) {
    for (bool Vertical : {true, false}) {
        THeadlessEditor D;
        StartDrag(D);
        int X = Vertical ? D.Host.Width - 3 : D.X(8);
        int Y = Vertical ? D.Y(1) : D.Host.Height - 3;
        D->MouseMove(TShiftState::ssLeft, X, Y);
        D->MouseUp(TMouseButton::mbLeft, TShiftState(), X, Y);
        EXPECT_FALSE(D->Dragging());
        EXPECT_FALSE(D->Selected());
        EXPECT_EQ(D.Text(), "hello world\r\nsecond\r\n") << (Vertical ? "vertical" : "horizontal");
        EXPECT_EQ(D.Host.ScreenCursor, crDefault);
    }
    // Just inside the client area the drop happens.
    THeadlessEditor D;
    StartDrag(D);
    int X = D.Host.Width - D.Host.ScrollBarSize - 1;
    D->MouseMove(TShiftState::ssLeft, X, D.Y(1));
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), X, D.Y(1));
    EXPECT_NE(D.Text(), "hello world\r\nsecond\r\n");
}

TEST(EditorPointer, DuringADragOnlyEscapeAndCtrlGetThrough) {
    THeadlessEditor D;
    StartDrag(D);
    // The control's own shortcuts (its context menu's Ctrl keys) are locked too.
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, 'X'));
    EXPECT_TRUE(D->ShortCut('X', TShiftState::ssCtrl)) << "the key is taken, and dropped";
    EXPECT_TRUE(D->ShortCut('V', TShiftState::ssCtrl));
    EXPECT_TRUE(D->ShortCut('Z', TShiftState::ssCtrl));
    D->KeyPress('q');
    EXPECT_EQ(D.Text(), "hello world\r\nsecond\r\n");
    EXPECT_TRUE(D->Dragging());
    EXPECT_FALSE(D.Clipboard.Available);
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmChar, 'q'));
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyUp, 'X'));
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyUp, vkEscape));
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, vkMenu)) << "Alt opens no menu";
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, 121)) << "F10";
    EXPECT_FALSE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, vkEscape));
    EXPECT_FALSE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, vkControl));
    EXPECT_FALSE(D->KeyMessageLocked(TKeyMessage::kmKeyUp, vkControl));

    int K = vkEscape;
    D->KeyDown(K, TShiftState());
    EXPECT_FALSE(D->Dragging());
    EXPECT_FALSE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, 'X'));
    // Without a drag the shortcut runs.
    D->SetRowCol(0, 0);
    D->SetSelLength(5);
    EXPECT_TRUE(D->ShortCut('X', TShiftState::ssCtrl));
    EXPECT_EQ(D.Text(), " world\r\nsecond\r\n");
    EXPECT_FALSE(D->ShortCut('X', TShiftState::ssCtrl | TShiftState::ssShift))
        << "not a shortcut of the control";

    // A row-selection drag in the left margin locks the keyboard the same way.
    D->Caret().SetRowSelect(true);
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, 2, D.Y(0));
    ASSERT_TRUE(D->RowSelecting());
    EXPECT_TRUE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, vkDelete));
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), 2, D.Y(0));
    EXPECT_FALSE(D->KeyMessageLocked(TKeyMessage::kmKeyDown, vkDelete));
}

TEST(EditorPointer, AFontChangeOnAViewScrolledSidewaysPutsTheCaretAtColumnZero) {
    THeadlessEditor D;
    D.Load(std::string(300, 'x') + "\r\nshort\r\n");
    D->SetRowCol(0, 200);
    ASSERT_GT(D->TopCol(), 0);
    TFont F;
    F.Assign(D->Font());
    F.SetSize(F.Size() + 4);
    D->SetFont(F);
    EXPECT_EQ(D.Pos(), "0,0");
    EXPECT_EQ(D->TopCol(), 0);

    // An unscrolled view keeps the caret's column.
    D->SetRowCol(1, 3);
    ASSERT_EQ(D->TopCol(), 0);
    F.SetSize(F.Size() + 2);
    D->SetFont(F);
    EXPECT_EQ(D.Pos(), "1,3");
}
