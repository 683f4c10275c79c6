// What the control asks of its window: scroll bars, scrolling by rows and columns, the
// rows repainted after a change, and the keys it wants from the dialog manager.
#include "support/headless_editor.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 10 visible rows of 16 pixels and 40 visible columns of 8.
void TenRows(THeadlessEditor& D, int Lines) {
    D->SetBounds(19 + 4 + 16 + 40 * 8, 16 * 10 + 2 + 5 + 16);
    std::string Text;
    for (int I = 0; I < Lines; ++I)
        Text += "row " + std::to_string(I) + "\r\n";
    D.Load(Text);
}

} // namespace

TEST(EditorView, ScrollBarsAndTheScrollBarMessages) {
    THeadlessEditor D;
    TenRows(D, 100);
    ASSERT_EQ(D->VisibleRows(), 10);
    ASSERT_EQ(D->VisibleCols(), 40);
    EXPECT_EQ(D->MaxTopRow(), 100 - 1 + 10 - 1);
    EXPECT_EQ(D.Host.Bar(TScrollBarKind::sbVertical).Max, 108);
    EXPECT_EQ(D.Host.Bar(TScrollBarKind::sbVertical).Page, 10);
    EXPECT_EQ(D.Host.Bar(TScrollBarKind::sbHorizontal).Max, 1000)
        << "a fixed extent of 8000 pixels";
    D->VScroll(TScrollCode::scPageDown);
    EXPECT_EQ(D->TopRow(), 10);
    EXPECT_EQ(D.Host.Bar(TScrollBarKind::sbVertical).Pos, 10);
    EXPECT_EQ(D->Row(), 0) << "without LockScroll the caret stays";
    D->Caret().SetLockScroll(true);
    D->VScroll(TScrollCode::scLineDown);
    EXPECT_EQ(D->TopRow(), 11);
    EXPECT_EQ(D->Row(), 1) << "LockScroll moves the caret with the view";
    D->VScroll(TScrollCode::scTop);
    EXPECT_EQ(D->TopRow(), 0);
    D.Host.Bar(TScrollBarKind::sbVertical).TrackPos = 500;
    D->VScroll(TScrollCode::scThumbTrack);
    EXPECT_EQ(D->TopRow(), 100) << "the step is clamped to the rows";
    D->HScroll(TScrollCode::scBottom);
    EXPECT_EQ(D->TopCol(), 1000);
}

TEST(EditorView, TheViewJumpsAQuarterWhenTheCaretLeavesItSideways) {
    THeadlessEditor D;
    TenRows(D, 3);
    D.Load(std::string(200, 'x'));
    int TopColChanges = 0;
    D->OnTopColChange = [&](TEditor*) { ++TopColChanges; };
    D->SetCol(40);
    EXPECT_EQ(D->TopCol(), 10) << "at least a quarter of the width";
    D->SetCol(45);
    EXPECT_EQ(D->TopCol(), 10);
    D->SetCol(5);
    EXPECT_EQ(D->TopCol(), 0);
    EXPECT_EQ(TopColChanges, 2);
    EXPECT_EQ(D.Host.LastScrollDX, 10 * 8) << "pixels scroll by whole columns";
    D->SetCol(100000);
    EXPECT_EQ(D->Col(), 1000 + 40) << "the caret reaches VisibleCols past the scroll limit";
}

TEST(EditorView, ATextChangeRepaintsOnlyTheChangedRows) {
    THeadlessEditor D;
    TenRows(D, 30);
    D->SetRowCol(3, 2);
    D.Host.ClearLog();
    D.Type("x");
    EXPECT_FALSE(D.Host.AllInvalidated);
    ASSERT_FALSE(D.Host.Invalidated.empty());
    const TRect& R = D.Host.Invalidated.back();
    EXPECT_EQ(R.Top, D->Margin().Top() + 3 * 16);
    EXPECT_LE(R.Bottom, D->Margin().Top() + 6 * 16) << "the edited line and the next one";
    EXPECT_EQ(D.Host.Scrolls, 0);
    D.Host.ClearLog();
    D.Type("\r");
    EXPECT_EQ(D.Host.Scrolls, 1) << "the rows below move down by one row";
    EXPECT_EQ(D.Host.LastScrollDY, 16);
    D.Host.ClearLog();
    D->SelectAll();
    D.Key(vkDelete);
    EXPECT_TRUE(D.Host.AllInvalidated) << "more than a page changed";
}

TEST(EditorView, DialogCodes) {
    THeadlessEditor D;
    EXPECT_EQ(Bits(D->DialogCode()), Bits(TDialogCode::dcWantArrows | TDialogCode::dcWantChars |
                                          TDialogCode::dcWantTab | TDialogCode::dcWantAllKeys));
    D->SetWantTabs(false);
    D->SetWantReturns(false);
    EXPECT_EQ(Bits(D->DialogCode()), Bits(TDialogCode::dcWantArrows | TDialogCode::dcWantChars));
}

TEST(EditorView, CompositionWindowWaitsWhileAKeyRepeats) {
    THeadlessEditor D;
    D.Load("abcdef");
    int Before = D.Host.ImeMoves;
    int K = vkRight;
    D->KeyDown(K, TShiftState(), true);
    D->KeyDown(K, TShiftState(), true);
    EXPECT_EQ(D.Host.ImeMoves, Before) << "deferred while the key repeats";
    D->KeyUp(K, TShiftState());
    EXPECT_EQ(D.Host.ImeMoves, Before + 1);
    EXPECT_EQ(D.Host.ImeX, D->Margin().Left() + 2 * 8);
    D->KeyDown(K, TShiftState(), true);
    D.Type("x");
    EXPECT_EQ(D.Host.ImeMoves, Before + 2) << "placed before a typed character";
    D->KeyUp(K, TShiftState());
    EXPECT_EQ(D.Host.ImeX, D->Margin().Left() + 4 * 8) << "and after it on the key-up";
}

TEST(EditorView, ControlsSharingARowList) {
    THeadlessEditor A;
    THeadlessEditor B(false);
    A.Load("shared\r\ntext");
    B->ShareList(A.Editor.get());
    EXPECT_EQ(B.Text(), "shared\r\ntext");
    B->SelectAll();
    int BChanges = 0;
    B->OnChange = [&](TEditor*) { ++BChanges; };
    A->SetRowCol(1, 4);
    A.Type("!");
    EXPECT_EQ(B.Text(), "shared\r\ntext!");
    EXPECT_EQ(BChanges, 1) << "every control that shows the rows is notified";
    EXPECT_TRUE(B->Modified());
    EXPECT_FALSE(B->Selected()) << "a selection over rows that changed is dropped";
    B.Editor.reset(); // the list stays while a control shows it
    EXPECT_EQ(A.Text(), "shared\r\ntext!");
}

TEST(EditorView, AControlWithoutWindowStillEdits) {
    TEditor E; // no host, clipboard or metrics
    E.Lines().SetText("abc");
    E.SetRowCol(0, 1);
    E.KeyPress('x');
    EXPECT_EQ(E.Lines().Text(), "axbc\r\n");
    int K = vkEnd;
    E.KeyDown(K, TShiftState::ssShift);
    EXPECT_EQ(E.SelText(), "bc");
    E.CutClipboard(); // nothing to cut into
    EXPECT_EQ(E.Lines().Text(), "axbc\r\n");
    E.CleanSelection();
    EXPECT_FALSE(E.Selected()) << "a selection is dropped without a window too";
    E.Undo();
    EXPECT_EQ(E.Lines().Text(), "abc\r\n");
}

// Without a border the client area takes the border's place: the window is told once.
TEST(EditorView, BorderStyleReachesTheWindowOnce) {
    THeadlessEditor D;
    EXPECT_EQ(D->BorderStyle(), TBorderStyle::bsSingle);
    D.Host.ClearLog();
    D->SetBorderStyle(TBorderStyle::bsNone);
    D->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_FALSE(D.Host.BorderShown);
    EXPECT_EQ(std::count(D.Host.Log.begin(), D.Host.Log.end(), "BorderOff"), 1);
    D->SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_TRUE(D.Host.BorderShown);
}
