#include "base/errors.h"
#include "editor/view_info.h"
#include "support/enum_print.h"

#include <gtest/gtest.h>

namespace {


struct Counter {
    int n = 0;
    void Watch(TNotifyPersistent& Obj) {
        Obj.OnChange = [this](TNotifyPersistent*) { ++n; };
    }
};

}  // namespace

TEST(CaretSettings, TabSpaceCountIsClampedAndEven) {
    TEditorCaret caret;
    const int cases[][2] = {{1, 2}, {5, 4}, {9, 8}, {-3, 2}, {7, 6}, {100, 8}};
    for (auto& c : cases) {
        caret.SetTabSpaceCount(c[0]);
        EXPECT_EQ(c[1], caret.TabSpaceCount()) << c[0];
    }
}

TEST(CaretSettings, OnlyStyleAndTabCountNotify) {
    TEditorCaret caret;
    Counter c;
    c.Watch(caret);
    caret.SetAutoIndent(false);
    caret.SetSoftTab(true);
    caret.Cursors().SetDefaultCursor(crDefault);
    EXPECT_EQ(0, c.n);
    caret.SetStyle(TEditorCaretStyle::csBrief);
    caret.SetStyle(TEditorCaretStyle::csBrief);
    EXPECT_EQ(1, c.n);
    caret.SetTabSpaceCount(9);  // clamps to the current 8: no change
    EXPECT_EQ(1, c.n);
    caret.SetTabSpaceCount(4);
    EXPECT_EQ(2, c.n);
}

TEST(CaretSettings, AssignCopiesUnclampedOnceNotified) {
    TEditorCaret a, b;
    a.SetAutoIndent(false);
    a.SetSelDragMode(TDragMode::dmManual);
    a.Cursors().SetInSelCursor(crDrag);
    Counter c;
    c.Watch(b);
    b.Assign(a);
    EXPECT_EQ(1, c.n);
    EXPECT_FALSE(b.AutoIndent());
    EXPECT_EQ(TDragMode::dmManual, b.SelDragMode());
    EXPECT_EQ(crDrag, b.Cursors().InSelCursor());
    TEditorMargin m;
    EXPECT_THROW(b.Assign(m), EConvertError);
}

TEST(MarginSettings, CharacterClampAndUnderlinePixelCopied) {
    TEditorMargin a, b;
    a.SetCharacter(250);
    EXPECT_EQ(100, a.Character());
    a.SetCharacter(-1);
    EXPECT_EQ(0, a.Character());
    a.SetUnderlinePixel(1);
    a.SetLeft(5);
    b.Assign(a);
    EXPECT_EQ(1, b.UnderlinePixel());
    EXPECT_EQ(5, b.Left());
}

TEST(MarksSettings, ChildChangesReachOwnerOnceAssignOnce) {
    TEditorMarks a, b;
    Counter c;
    c.Watch(a);
    a.EofMark().SetVisible(true);
    a.EofMark().SetVisible(true);
    a.Underline().SetColor(clNavy);
    EXPECT_EQ(2, c.n);
    Counter d;
    d.Watch(b);
    b.Assign(a);
    EXPECT_EQ(1, d.n);
    EXPECT_TRUE(b.EofMark().Visible());
    EXPECT_EQ(clNavy, b.Underline().Color());
}

TEST(ColorSettings, AssignNotifiesOnceAndSetAllLeavesSelect) {
    TEditorColors a, b;
    EXPECT_EQ(clNavy, a.Select().BkColor());
    EXPECT_EQ(clWhite, a.Select().Color());
    a.Comment().SetColor(0x123456);
    Counter c;
    c.Watch(b);
    b.Assign(a);
    EXPECT_EQ(1, c.n);
    EXPECT_EQ(0x123456u, b.Comment().Color());
    b.SetAllBkColor(clBlack);
    EXPECT_EQ(2, c.n);
    EXPECT_EQ(clBlack, b.Url().BkColor());
    EXPECT_EQ(clBlack, b.Ank().BkColor());
    EXPECT_EQ(clNavy, b.Select().BkColor());
    b.SetAllStyle(TFontStyle::fsBold);
    EXPECT_EQ(TFontStyle::fsBold, b.Reserve().Style());
    EXPECT_EQ(TFontStyles(), b.Select().Style());
}

TEST(ViewSettings, QuotationKeepsFirstByte) {
    TEditorViewInfo v;
    Counter c;
    c.Watch(v);
    v.SetQuotation("'ab");
    EXPECT_EQ("'", v.Quotation());
    EXPECT_EQ(1, c.n);
    v.SetQuotation("'xy");
    EXPECT_EQ(1, c.n);
    v.SetPerlQuotation("");
    EXPECT_EQ("", v.PerlQuotation());
    EXPECT_EQ(1, c.n);
}

TEST(ViewSettings, BracketLimitAndAssign) {
    TEditorViewInfo v;
    Counter c;
    c.Watch(v);
    for (int i = 0; i < 14; ++i) v.Brackets().Add()->SetLeftBracket(std::to_string(i));
    EXPECT_EQ(14, c.n);
    try {
        v.Brackets().Add();
        FAIL() << "no error";
    } catch (const EBracketCollectionFull& e) {
        EXPECT_STREQ("TEditorBracketCollection\r\nYou can not add item over 14", e.what());
    }
    EXPECT_EQ(14, v.Brackets().Count());
    TEditorViewInfo w;
    Counter d;
    d.Watch(w);
    w.Brackets().Add();
    d.n = 0;
    w.Assign(v);
    EXPECT_EQ(1, d.n);
    EXPECT_EQ(14, w.Brackets().Count());
    EXPECT_EQ("13", w.Brackets().Items(13)->LeftBracket());
    EXPECT_THROW(w.Brackets().Items(14), EListError);
    // Assigning a list to itself keeps its items.
    w.Brackets().Assign(w.Brackets());
    EXPECT_EQ(14, w.Brackets().Count());
}
