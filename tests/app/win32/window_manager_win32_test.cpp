// The window manager moving, minimising and activating real windows of the main
// window's class: the rectangles read back from the window system are those the layout
// arithmetic gives.
#include "app/main_menu.h"
#include "app/menu/menu_item.h"
#include "app/window_layout.h"
#include "app/window_manager.h"
#include "platform/headless/recording_message_box.h"
#include "support/win32_main_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class Win32WindowManagerTest : public testing::Test {
protected:
    // N windows "fileI.txt - Zefnote"; the last made is on top and is "this" window.
    void Open(int N) {
        for (int I = 0; I < N; ++I)
            Mine.push_back(Windows.Add("file" + std::to_string(I) + ".txt - Zefnote",
                                       "C:\\work\\file" + std::to_string(I) + ".txt"));
        Manager.reset(new TWindowManager(Desktop, Messages, FromHwnd(Mine.back())));
    }
    std::vector<TWindowRect> Rects(const std::vector<TWindowHandle>& List) {
        std::vector<TWindowRect> Result;
        for (TWindowHandle W : List) Result.push_back(TTestMainWindows::Rect(ToHwnd(W)));
        return Result;
    }
    bool Foreground(HWND W) {
        return TTestMainWindows::WaitFor([&] { return GetForegroundWindow() == W; });
    }

    TOwnProcessDesktop Desktop;
    TRecordingMessageBox Messages;
    TTestMainWindows Windows;
    std::vector<HWND> Mine;
    std::unique_ptr<TWindowManager> Manager;
};

} // namespace

TEST_F(Win32WindowManagerTest, ArrangementsMoveTheWindowsToTheirLayouts) {
    Open(5);
    ShowWindow(Mine[1], SW_MINIMIZE); // left alone by every arrangement
    ShowWindow(Mine[3], SW_MAXIMIZE);
    Desktop.SetForeground(FromHwnd(Mine[4]));
    ASSERT_TRUE(Foreground(Mine[4]));
    const TWindowRect MinimizedRect = TTestMainWindows::Rect(Mine[1]);
    const TWindowRect Area = Desktop.WorkArea();
    const auto Normal = Manager->NormalWindows();
    ASSERT_EQ(4u, Normal.size());
    EXPECT_EQ(FromHwnd(Mine[4]), Normal[0]);

    Manager->ArrangeGrid();
    EXPECT_EQ(GridLayout(Area, 4), Rects(Normal));
    EXPECT_FALSE(IsZoomed(Mine[3]));
    EXPECT_EQ(Normal, Manager->NormalWindows()); // the stacking order stays
    EXPECT_TRUE(Foreground(Mine[4]));

    Manager->ArrangeStacked();
    EXPECT_EQ(StackedLayout(Area, 4), Rects(Normal));
    Manager->ArrangeSideBySide();
    EXPECT_EQ(SideBySideLayout(Area, 4), Rects(Normal));
    Manager->ArrangeCascade();
    const auto Reversed = Manager->NormalWindowsReversed();
    EXPECT_EQ(CascadeLayout(Area, 4, Desktop.CascadeStep() - 1), Rects(Reversed));
    EXPECT_EQ(Normal, Manager->NormalWindows());
    EXPECT_TRUE(Foreground(Mine[4]));

    EXPECT_TRUE(IsIconic(Mine[1]));
    EXPECT_EQ(MinimizedRect, TTestMainWindows::Rect(Mine[1]));
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(Win32WindowManagerTest, MinimizeAllThenRestoreAll) {
    Open(3);
    ShowWindow(Mine[0], SW_MAXIMIZE);
    Desktop.SetForeground(FromHwnd(Mine[2]));
    Manager->MinimizeAllWindows();
    for (HWND W : Mine) EXPECT_TRUE(IsIconic(W));
    EXPECT_TRUE(Manager->NormalWindows().empty());

    Manager->RestoreAllWindows();
    for (HWND W : Mine) EXPECT_FALSE(IsIconic(W));
    EXPECT_TRUE(IsZoomed(Mine[0])); // back as it was
    EXPECT_TRUE(Foreground(Mine[2]));
}

TEST_F(Win32WindowManagerTest, NextAndPreviousBringEachWindowForward) {
    Open(3);
    ASSERT_TRUE(Foreground(Mine[2]));
    // Stacking order 2 1 0: next brings the bottommost forward each time.
    for (HWND Expected : {Mine[0], Mine[1], Mine[2]}) {
        Manager->ActivateNextWindow();
        EXPECT_TRUE(Foreground(Expected));
        EXPECT_EQ(FromHwnd(Expected), Manager->NormalWindows().front());
    }
    // Previous sends the top one back and brings the second forward.
    for (HWND Expected : {Mine[1], Mine[0], Mine[2]}) {
        Manager->ActivatePreviousWindow();
        EXPECT_TRUE(Foreground(Expected));
        EXPECT_EQ(FromHwnd(Expected), Manager->NormalWindows().front());
    }
}

TEST_F(Win32WindowManagerTest, WindowListChoosesAWindow) {
    Open(3);
    ShowWindow(Mine[0], SW_MINIMIZE);
    Desktop.SetForeground(FromHwnd(Mine[2]));
    ASSERT_TRUE(Foreground(Mine[2]));
    TMenuItem Root;
    BuildMainMenu(Root);
    TMenuItem& Menu = *Root.Find("mWindow");
    Manager->WindowMenuPopup(Menu, TUserWindowOptions());
    ASSERT_EQ(WindowMenuFixedItems + 3, Menu.Count());
    EXPECT_EQ("&1: file2.txt", Menu[WindowMenuFixedItems].Caption);
    EXPECT_TRUE(Menu[WindowMenuFixedItems].Checked);
    EXPECT_FALSE(Menu.Find("mWin_UserSize")->Visible);

    TMenuItem* Minimized = nullptr;
    for (int I = WindowMenuFixedItems; I < Menu.Count(); ++I)
        if (Menu[I].Tag == static_cast<long long>(FromHwnd(Mine[0]))) Minimized = &Menu[I];
    ASSERT_NE(nullptr, Minimized);
    EXPECT_EQ("&3: file0.txt", Minimized->Caption);
    Minimized->Click();
    EXPECT_FALSE(IsIconic(Mine[0]));
    EXPECT_TRUE(Foreground(Mine[0]));
}

TEST_F(Win32WindowManagerTest, FindInstanceWithFileBringsItForwardAndBroadcastReachesTheOthers) {
    Open(3);
    ShowWindow(Mine[1], SW_MINIMIZE);
    EXPECT_FALSE(Manager->FindInstanceWithFile("C:\\WORK\\FILE2.TXT")); // this window's own
    EXPECT_TRUE(Manager->FindInstanceWithFile("C:\\WORK\\FILE1.TXT"));
    EXPECT_EQ((std::vector<unsigned>{umRestoreRequest}), TTestMainWindows::UserMessages(Mine[1]));
    EXPECT_FALSE(IsIconic(Mine[1]));
    EXPECT_TRUE(Foreground(Mine[1]));

    Manager->BroadcastSettingsChanged();
    EXPECT_TRUE(TTestMainWindows::WaitFor([&] {
        return TTestMainWindows::UserMessages(Mine[0]).size() == 1 &&
               TTestMainWindows::UserMessages(Mine[1]).size() == 2;
    }));
    EXPECT_EQ(umSettingsChanged, TTestMainWindows::UserMessages(Mine[0])[0]);
    EXPECT_TRUE(TTestMainWindows::UserMessages(Mine[2]).empty());
}
