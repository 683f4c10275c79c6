#include "app/window_manager.h"

#include "app/main_menu.h"
#include "app/menu/menu_item.h"
#include "platform/headless/fake_desktop.h"
#include "platform/headless/recording_message_box.h"
#include "support/window_rect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using D = TFakeDesktop;

// N main windows, the first (this process's) topmost, titled "fileI.txt - Zefnote".
class WindowManagerTest : public testing::Test {
protected:
    void Open(int N, bool WithOwners = false) {
        for (int I = 0; I < N; ++I) {
            const TWindowHandle Owner = WithOwners ? Desktop.AddWindow("TApplication", "") : 0;
            if (Owner) Desktop.Window(Owner).Visible = false;
            Windows.push_back(Desktop.AddWindow(MainFormClassName,
                                                "file" + std::to_string(I) + ".txt - Zefnote", Owner));
        }
    }
    TWindowManager& Manager() {
        if (!FManager) FManager.reset(new TWindowManager(Desktop, Messages, Windows.at(0)));
        return *FManager;
    }
    void Minimize(int I) { Desktop.Window(Desktop.Owner(Windows[I])).Minimized = true; }
    std::vector<TWindowHandle> MainWindowOrder() { return Desktop.WindowsOfClass(MainFormClassName); }

    TFakeDesktop Desktop;
    TRecordingMessageBox Messages;
    std::vector<TWindowHandle> Windows;

private:
    std::unique_ptr<TWindowManager> FManager;
};

} // namespace

TEST_F(WindowManagerTest, OneWindowTilesOverTheWholeWorkAreaAndHasNoNextOrPrevious) {
    Open(1);
    Desktop.WorkAreaRect = TWindowRect{0, 0, 1280, 994};
    Manager().ArrangeGrid();
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 0, 0, 1280, 994);
    Desktop.Calls.clear();
    Manager().ActivateNextWindow();
    Manager().ActivatePreviousWindow();
    EXPECT_TRUE(Desktop.Calls.empty());
}

TEST_F(WindowManagerTest, TileActivatesTheFirstAndKeepsTheStackingOrder) {
    Open(3);
    const auto Before = Desktop.StackingOrder;
    Manager().ArrangeGrid();
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 0, 0, 512, 369);
    ExpectRect(Desktop.Window(Windows[1]).Bounds, 512, 0, 512, 369);
    ExpectRect(Desktop.Window(Windows[2]).Bounds, 0, 369, 512, 369);
    auto Places = Desktop.CallsOf(D::ckPlace);
    ASSERT_EQ(3u, Places.size());
    EXPECT_TRUE(Places[0].Flag);
    EXPECT_FALSE(Places[1].Flag);
    EXPECT_FALSE(Places[2].Flag);
    EXPECT_EQ(Before, Desktop.StackingOrder);
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(WindowManagerTest, TooManyWindowsAreToldAndNothingMoves) {
    Open(40);
    Manager().ArrangeGrid();
    Manager().ArrangeStacked();
    Manager().ArrangeSideBySide();
    EXPECT_TRUE(Desktop.Calls.empty());
    ASSERT_EQ(3u, Messages.Messages.size());
    for (const auto& M : Messages.Messages) {
        EXPECT_EQ("対象のウィンドウが多すぎます。", M.Text);
        EXPECT_EQ("Zefnote", M.Caption);
        EXPECT_EQ(TMessageButtons::mbOk, M.Buttons);
        EXPECT_EQ(TMessageIcon::miInformation, M.Icon);
    }
}

TEST_F(WindowManagerTest, ArrangementsLeaveMinimizedWindowsAlone) {
    Open(4);
    Minimize(1);
    Minimize(3);
    const std::vector<TWindowHandle> Normal = {Windows[0], Windows[2]};
    EXPECT_EQ(Normal, Manager().NormalWindows());
    EXPECT_EQ((std::vector<TWindowHandle>{Windows[1], Windows[3]}), Manager().MinimizedWindows());

    Manager().ArrangeGrid();
    EXPECT_EQ(Normal, Desktop.PlacedWindows());
    ExpectRect(Desktop.Window(Windows[2]).Bounds, 512, 0, 512, 738);
    Desktop.Calls.clear();
    Manager().ArrangeStacked();
    EXPECT_EQ(Normal, Desktop.PlacedWindows());
    ExpectRect(Desktop.Window(Windows[2]).Bounds, 0, 369, 1024, 369);
    Desktop.Calls.clear();
    Manager().ArrangeSideBySide();
    EXPECT_EQ(Normal, Desktop.PlacedWindows());
    Desktop.Calls.clear();
    Manager().ArrangeCascade();
    EXPECT_EQ((std::vector<TWindowHandle>{Windows[2], Windows[0]}), Desktop.PlacedWindows());
}

TEST_F(WindowManagerTest, AMaximizedWindowReturnsToNormalSizeBeforeItIsPlaced) {
    Open(2);
    Desktop.Window(Windows[1]).Maximized = true;
    Manager().ArrangeSideBySide();
    ASSERT_EQ(3u, Desktop.Calls.size());
    EXPECT_EQ(D::ckRestoreSize, Desktop.Calls[1].Kind);
    EXPECT_EQ(Windows[1], Desktop.Calls[1].Window);
    EXPECT_EQ(D::ckPlace, Desktop.Calls[2].Kind);
    EXPECT_FALSE(Desktop.Window(Windows[1]).Maximized);
}

TEST_F(WindowManagerTest, CascadeGoesFromTheBottomAndActivatesTheTopmostLast) {
    Open(12);
    Desktop.WorkAreaRect = TWindowRect{0, 30, 1024, 768};
    Desktop.CaptionAndFrame = 23; // a step of 22
    const auto Before = Desktop.StackingOrder;
    Manager().ArrangeCascade();
    auto Places = Desktop.CallsOf(D::ckPlace);
    ASSERT_EQ(12u, Places.size());
    for (int I = 0; I < 12; ++I) {
        EXPECT_EQ(Windows[11 - I], Places[I].Window);
        EXPECT_EQ(I == 11, Places[I].Flag) << I;
    }
    ExpectRect(Desktop.Window(Windows[11]).Bounds, 0, 30, 768, 522);
    ExpectRect(Desktop.Window(Windows[2]).Bounds, 9 * 22, 30 + 9 * 22, 768, 522);
    ExpectRect(Desktop.Window(Windows[1]).Bounds, 0, 30, 768, 522);
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 22, 52, 768, 522);
    EXPECT_EQ(Before, Desktop.StackingOrder);
    EXPECT_EQ(Windows[0], Desktop.Foreground);
}

TEST_F(WindowManagerTest, MinimizeAllAndRestoreAllAskTheOwnersOfTheirListOnly) {
    Open(4, true);
    Desktop.Window(Windows[0]).Maximized = true;
    Minimize(2);
    Manager().RestoreAllWindows();
    auto Restored = Desktop.CallsOf(D::ckRestore);
    ASSERT_EQ(1u, Restored.size());
    EXPECT_EQ(Desktop.Owner(Windows[2]), Restored[0].Window);
    // Then this window comes forward, maximised as it was.
    ASSERT_EQ(3u, Desktop.Calls.size());
    EXPECT_EQ(D::ckShow, Desktop.Calls[1].Kind);
    EXPECT_TRUE(Desktop.Calls[1].Flag);
    EXPECT_EQ(D::ckForeground, Desktop.Calls[2].Kind);
    EXPECT_EQ(Desktop.Owner(Windows[0]), Desktop.Calls[2].Window);

    Desktop.Calls.clear();
    Manager().RestoreAllWindows(); // nothing minimised: nothing at all
    EXPECT_TRUE(Desktop.Calls.empty());

    Minimize(1);
    Manager().MinimizeAllWindows();
    auto Minimized = Desktop.CallsOf(D::ckMinimize);
    ASSERT_EQ(3u, Minimized.size());
    EXPECT_EQ(Desktop.Owner(Windows[0]), Minimized[0].Window);
    EXPECT_EQ(Desktop.Owner(Windows[3]), Minimized[2].Window);
    EXPECT_TRUE(Manager().NormalWindows().empty());
    Desktop.Calls.clear();
    Manager().MinimizeAllWindows();
    EXPECT_TRUE(Desktop.Calls.empty());
}

TEST_F(WindowManagerTest, NextAndPreviousCycleThroughEveryWindow) {
    for (bool WithOwners : {false, true}) {
        SCOPED_TRACE(WithOwners);
        Desktop = TFakeDesktop();
        Windows.clear();
        Open(4, WithOwners);
        Minimize(3); // not in the cycle
        const std::vector<TWindowHandle> Start = {Windows[0], Windows[1], Windows[2], Windows[3]};
        std::vector<TWindowHandle> Fronts;
        for (int I = 0; I < 3; ++I) {
            Manager().ActivateNextWindow();
            Fronts.push_back(MainWindowOrder().front());
        }
        EXPECT_EQ((std::vector<TWindowHandle>{Windows[2], Windows[1], Windows[0]}), Fronts);
        EXPECT_EQ(Start, MainWindowOrder());

        Fronts.clear();
        for (int I = 0; I < 3; ++I) {
            Manager().ActivatePreviousWindow();
            Fronts.push_back(MainWindowOrder().front());
        }
        EXPECT_EQ((std::vector<TWindowHandle>{Windows[1], Windows[2], Windows[0]}), Fronts);
        EXPECT_TRUE(Desktop.Window(Desktop.Owner(Windows[3])).Minimized);
    }
}

TEST_F(WindowManagerTest, WindowListFollowsTheFixedItems) {
    TMenuItem Root;
    BuildMainMenu(Root);
    TMenuItem& Menu = *Root.Find("mWindow");
    ASSERT_EQ(WindowMenuFixedItems, Menu.Count());
    Open(37);
    Desktop.Window(Windows[4]).Caption = "C:\\Q&A\\メモ.txt * - Zefnote";
    Minimize(5); // minimised windows are listed too
    Manager().BuildWindowList(Menu);
    Manager().BuildWindowList(Menu); // the old list goes
    ASSERT_EQ(WindowMenuFixedItems + 37, Menu.Count());
    auto Entry = [&](int I) -> TMenuItem& { return Menu[WindowMenuFixedItems + I]; };
    EXPECT_EQ("&1: file0.txt", Entry(0).Caption);
    EXPECT_TRUE(Entry(0).Checked);
    EXPECT_FALSE(Entry(1).Checked);
    EXPECT_EQ("&5: C:\\Q&&A\\メモ.txt *", Entry(4).Caption);
    EXPECT_EQ("&0: file9.txt", Entry(9).Caption);
    EXPECT_EQ("&S: file28.txt", Entry(28).Caption);
    EXPECT_EQ("&U: file29.txt", Entry(29).Caption);
    EXPECT_EQ("&Z: file34.txt", Entry(34).Caption);
    EXPECT_EQ("36: file35.txt", Entry(35).Caption);
    EXPECT_EQ("37: file36.txt", Entry(36).Caption);
    EXPECT_EQ(static_cast<long long>(Windows[36]), Entry(36).Tag);
    EXPECT_EQ(mcWindowItem, Entry(36).Command);

    // Choosing: a minimised one is restored through its owner, another is shown.
    EXPECT_TRUE(Entry(5).Click());
    ASSERT_EQ(1u, Desktop.CallsOf(D::ckRestore).size());
    EXPECT_TRUE(Desktop.CallsOf(D::ckShow).empty());
    EXPECT_EQ(Windows[5], Desktop.Foreground);
    Desktop.Window(Windows[7]).Maximized = true;
    EXPECT_TRUE(Entry(7).Click());
    ASSERT_EQ(1u, Desktop.CallsOf(D::ckShow).size());
    EXPECT_TRUE(Desktop.CallsOf(D::ckShow)[0].Flag);
    EXPECT_EQ(Windows[7], Desktop.Foreground);
}

TEST(WindowListCaption, TitleLosesItsLastTenCharacters) {
    EXPECT_EQ("&1: 無題", WindowListCaption(0, "無題 - Zefnote"));
    // Characters, not bytes: a title that does not end in the application name.
    EXPECT_EQ("&2: 日本語", WindowListCaption(1, "日本語のファイル名です。あ"));
    EXPECT_EQ("&3: ", WindowListCaption(2, "short"));
}

TEST_F(WindowManagerTest, UserSizeItemIsThereOnlyWhenItHasSomethingToDo) {
    TMenuItem Root;
    BuildMainMenu(Root);
    TMenuItem& Menu = *Root.Find("mWindow");
    Open(1);
    struct TCase {
        int StartWindow;
        bool Size, Pos, Enabled;
    } Cases[] = {{3, true, true, true},   {3, false, true, true}, {3, true, false, true},
                 {3, false, false, false}, {1, true, true, false}, {0, true, true, false}};
    for (const TCase& C : Cases) {
        TUserWindowOptions O;
        O.StartWindow = C.StartWindow;
        O.UserWindowSize = C.Size;
        O.UserWindowPos = C.Pos;
        Manager().WindowMenuPopup(Menu, O);
        EXPECT_EQ(C.Enabled, Menu.Find("mWin_UserSize")->Enabled);
        EXPECT_EQ(C.Enabled, Menu.Find("mWin_UserSize")->Visible);
        EXPECT_EQ(C.Enabled, Menu.Find("mWin_UserSizeBar")->Visible);
        EXPECT_EQ(WindowMenuFixedItems + 1, Menu.Count());
    }
}

TEST_F(WindowManagerTest, UserWindowSizeMovesAndSizesThisWindow) {
    Open(2);
    TUserWindowOptions O;
    O.StartWindow = 3;
    O.UserWindowPos_X = 40;
    O.UserWindowPos_Y = 50;
    O.UserWindowSize_W = 640;
    O.UserWindowSize_H = 480;
    Desktop.Window(Windows[0]).Bounds = TWindowRect{100, 100, 500, 400};
    Desktop.Window(Windows[0]).Maximized = true;
    Manager().ApplyUserWindowSize(O);
    EXPECT_FALSE(Desktop.Window(Windows[0]).Maximized);
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 40, 50, 640, 480);

    O.UserWindowSize = false; // the position alone keeps the size
    O.UserWindowPos_X = 0;
    Manager().ApplyUserWindowSize(O);
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 0, 50, 640, 480);
    O.UserWindowSize = true;
    O.UserWindowPos = false; // the size alone keeps the position
    O.UserWindowSize_W = 300;
    Manager().ApplyUserWindowSize(O);
    ExpectRect(Desktop.Window(Windows[0]).Bounds, 0, 50, 300, 480);

    Desktop.Calls.clear();
    O.StartWindow = 1;
    Manager().ApplyUserWindowSize(O);
    EXPECT_TRUE(Desktop.Calls.empty());
}

TEST_F(WindowManagerTest, FindInstanceWithFileComparesAsciiLettersOnly) {
    Open(4);
    Desktop.Window(Windows[0]).Children["TEdit"] = "C:\\データ\\ア.txt"; // this process
    Desktop.Window(Windows[1]).Children["TEdit"] = "C:\\データ\\ア.TXT";
    Desktop.Window(Windows[2]).Children["TEdit"] = "c:\\データ\\ア.txt";
    Desktop.Window(Windows[3]).Children["TEdit"] = "C:\\other.txt";
    Desktop.Window(Windows[2]).Maximized = true;

    // ア is 83 41: lower-casing its trail byte would make it ヂ (83 61).
    EXPECT_FALSE(Manager().FindInstanceWithFile("C:\\データ\\ヂ.txt"));
    EXPECT_TRUE(Desktop.Calls.empty());

    EXPECT_TRUE(Manager().FindInstanceWithFile("C:\\データ\\ア.Txt"));
    ASSERT_EQ(3u, Desktop.Calls.size());
    EXPECT_EQ(D::ckSend, Desktop.Calls[0].Kind); // the last match in stacking order
    EXPECT_EQ(Windows[2], Desktop.Calls[0].Window);
    EXPECT_EQ(umRestoreRequest, Desktop.Calls[0].Message);
    EXPECT_EQ(D::ckShow, Desktop.Calls[1].Kind);
    EXPECT_TRUE(Desktop.Calls[1].Flag);
    EXPECT_EQ(Windows[2], Desktop.Foreground);
}

TEST_F(WindowManagerTest, SettingsChangedGoesToEveryOtherMainWindow) {
    Open(3);
    Desktop.AddWindow("Shell_TrayWnd", "");
    Manager().BroadcastSettingsChanged();
    auto Posts = Desktop.CallsOf(D::ckPost);
    ASSERT_EQ(2u, Posts.size());
    EXPECT_EQ(Windows[1], Posts[0].Window);
    EXPECT_EQ(Windows[2], Posts[1].Window);
    EXPECT_EQ(umSettingsChanged, Posts[1].Message);
}
