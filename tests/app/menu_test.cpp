#include "app/main_menu.h"
#include "app/menu/menu_item.h"
#include "app/menu/shortcut.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

void CollectShortCuts(TMenuItem& Item, std::multiset<std::string>& Out) {
    if (!Item.ShortCut.IsNone()) Out.insert(ShortCutToText(Item.ShortCut));
    for (int I = 0; I < Item.Count(); ++I) CollectShortCuts(Item[I], Out);
}

} // namespace

TEST(ShortCut, TextsOfTheMenusReadBackAsTheyAreWritten) {
    for (const char* Text : {"Ctrl+N", "Shift+Ctrl+F", "Alt+BkSp", "Shift+Del", "Ctrl+Ins",
                             "Shift+Ins", "Ctrl+Enter", "Shift+F3", "F3", "F12", "Alt+Right",
                             "Alt+Left", "Shift+Ctrl+0", "Shift+Ctrl+9"}) {
        TShortCut S = TextToShortCut(Text);
        EXPECT_FALSE(S.IsNone()) << Text;
        EXPECT_EQ(Text, ShortCutToText(S));
    }
    EXPECT_EQ(TShortCut(0x0D, TShortCut::scCtrl), TextToShortCut("Ctrl+Enter"));
    EXPECT_EQ(TShortCut('1', TShortCut::scShift | TShortCut::scCtrl), TextToShortCut("Shift+Ctrl+1"));
}

TEST(ShortCut, UserTextIsReadLeniently) {
    // Tool keys are typed by users: any order and letter case, long key names.
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+A"), TextToShortCut("shift+ctrl+a"));
    EXPECT_EQ(TextToShortCut("Alt+BkSp"), TextToShortCut("Alt+Backspace"));
    EXPECT_TRUE(TextToShortCut("").IsNone());
    EXPECT_TRUE(TextToShortCut("Ctrl+").IsNone());
    EXPECT_TRUE(TextToShortCut("Hyper+A").IsNone());
    EXPECT_TRUE(TextToShortCut("F25").IsNone());
    EXPECT_TRUE(TextToShortCut("Ctrl+Banana").IsNone());
}

TEST(MainMenu, NoShortCutIsGivenTwice) {
    TMenuItem Root;
    BuildMainMenu(Root);
    std::multiset<std::string> All;
    CollectShortCuts(Root, All);
    for (const std::string& S : All) EXPECT_EQ(1u, All.count(S)) << S;
    EXPECT_GE(All.size(), 40u);
}

TEST(MainMenu, ContextMenuItemsAreTwinsOfTheEditMenu) {
    TMenuItem Main, Popup;
    BuildMainMenu(Main);
    BuildContextMenu(Popup);
    int Twins = 0;
    for (const char* Name : {"Undo", "Redo", "Cut", "Copy", "Paste", "InyouPaste", "Delete",
                             "LineDel", "SelectAll", "BoxMode", "FreeCaret", "Henkan", "Lower",
                             "Upper", "Hankaku", "Zenkaku", "TabIndent", "UnTabIndent", "Indent",
                             "UnIndent", "WorpRet", "DelRet"}) {
        TMenuItem* M = Main.Find(std::string("m") + Name);
        TMenuItem* P = Popup.Find(std::string("p") + Name);
        ASSERT_TRUE(M && P) << Name;
        EXPECT_EQ(M->Caption, P->Caption);
        EXPECT_EQ(M->Hint, P->Hint);
        EXPECT_EQ(M->ShortCut, P->ShortCut);
        EXPECT_EQ(M->Command, P->Command);
        EXPECT_EQ(M->MenuIndex(), P->MenuIndex()) << Name;
        ++Twins;
    }
    EXPECT_EQ(22, Twins);
}

TEST(MainMenu, InvisibleTwinsCarryTheSecondShortCuts) {
    TMenuItem Root;
    BuildMainMenu(Root);
    for (const char* Name : {"mUndo2", "mCut2", "mCopy2", "mPaste2"}) {
        TMenuItem* Twin = Root.Find(Name);
        ASSERT_TRUE(Twin);
        EXPECT_FALSE(Twin->Visible);
        std::string Visible(Name);
        Visible.pop_back();
        EXPECT_EQ(Root.Find(Visible)->Command, Twin->Command);
        EXPECT_EQ(Twin, Root.FindShortCut(Twin->ShortCut));
    }
    EXPECT_EQ(ToolMenuFixedItems, Root.Find("Menu_Tool")->Count());
    EXPECT_EQ(9, Root.Find("mMode")->Count());
    EXPECT_EQ(8, Root.Find("mMode_Delphi")->MenuIndex());
}

TEST(MenuDispatch, ShortCutBringsEnablingUpToDateBeforeRunning) {
    TMenuItem Root;
    TMenuItem& Edit = Root.Add("Edit", "編集(&E)");
    TMenuItem& Cut = Edit.Add("mCut", "切り取り(&T)", "", "Ctrl+X", 1);
    bool HasSelection = false;
    int Runs = 0;
    Edit.OnPopup = [&](TMenuItem&) { Cut.Enabled = HasSelection; };
    Cut.OnClick = [&](TMenuItem&) { ++Runs; };
    Cut.Enabled = true; // stale state from an earlier opening
    bool Ran = true;
    EXPECT_EQ(&Cut, DispatchShortCut(Root, TextToShortCut("Ctrl+X"), &Ran));
    EXPECT_FALSE(Ran);
    EXPECT_EQ(0, Runs);
    HasSelection = true;
    DispatchShortCut(Root, TextToShortCut("Ctrl+X"), &Ran);
    EXPECT_TRUE(Ran);
    EXPECT_EQ(1, Runs);
    EXPECT_EQ(nullptr, DispatchShortCut(Root, TextToShortCut("Ctrl+Q"), &Ran));
}

TEST(MenuDispatch, ItemsRebuiltByAnOuterMenuAreFoundAgain) {
    // Opening the outer menu replaces the item holding the shortcut (as the file history
    // and the window list are rebuilt): the new item runs, never the deleted one.
    TMenuItem Root;
    TMenuItem& Outer = Root.Add("Outer", "外");
    Outer.Add("Old", "旧", "", "Ctrl+K", 1);
    int NewRuns = 0;
    Outer.OnPopup = [&](TMenuItem& M) {
        M.Clear();
        M.Add("New", "新", "", "Ctrl+K", 2).OnClick = [&](TMenuItem&) { ++NewRuns; };
    };
    bool Ran = false;
    TMenuItem* Item = DispatchShortCut(Root, TextToShortCut("Ctrl+K"), &Ran);
    ASSERT_TRUE(Item);
    EXPECT_EQ("New", Item->Name);
    EXPECT_TRUE(Ran);
    EXPECT_EQ(1, NewRuns);
}

TEST(MenuItem, AcceleratorMarksAreStrippedForDisplay) {
    EXPECT_EQ("開く(O)...", StripAccelerator("開く(&O)..."));
    EXPECT_EQ("TAB インデント(T)", StripAccelerator("TAB インデント(&T)\tTab"));
    EXPECT_EQ("A&B", StripAccelerator("A&&B"));
    // 表 ends in the byte 0x5C; ソ in 0x5C too: nothing of a double-byte character is lost.
    EXPECT_EQ("表示ソ(V)", StripAccelerator("表示ソ(&V)"));
}
