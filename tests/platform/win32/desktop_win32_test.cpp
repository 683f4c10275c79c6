// The Win32 desktop against real top-level windows made by this test program.
#include "platform/win32/desktop_win32.h"
#include "support/win32_main_windows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const MainClass = "TZefnoteMainForm";

class Win32DesktopTest : public testing::Test {
protected:
    TWin32Desktop Desktop;
    TTestMainWindows Windows;

    // Our windows of the main class, in the order the desktop reports them.
    std::vector<TWindowHandle> Ours(const std::vector<HWND>& Mine) {
        std::vector<TWindowHandle> Result;
        for (TWindowHandle W : Desktop.WindowsOfClass(MainClass))
            if (std::find(Mine.begin(), Mine.end(), ToHwnd(W)) != Mine.end()) Result.push_back(W);
        return Result;
    }
};

} // namespace

TEST_F(Win32DesktopTest, FindsVisibleWindowsOfTheClassTopmostFirst) {
    HWND A = Windows.Add("a.txt - Zefnote", "C:\\a.txt");
    HWND B = Windows.Add("b.txt - Zefnote", "C:\\b.txt");
    HWND C = Windows.Add("c.txt - Zefnote", "C:\\c.txt");
    HWND Hidden = Windows.Add("hidden - Zefnote", "");
    ShowWindow(Hidden, SW_HIDE);
    // C was shown last: it is on top.
    EXPECT_EQ((std::vector<TWindowHandle>{FromHwnd(C), FromHwnd(B), FromHwnd(A)}),
              Ours({A, B, C, Hidden}));
    // Class names compare regardless of letter case, as Windows registers them.
    EXPECT_EQ(Desktop.WindowsOfClass(MainClass), Desktop.WindowsOfClass("tzefnotemainform"));

    Desktop.SendToBack(FromHwnd(C));
    EXPECT_EQ((std::vector<TWindowHandle>{FromHwnd(B), FromHwnd(A), FromHwnd(C)}), Ours({A, B, C}));
    EXPECT_EQ("b.txt - Zefnote", Desktop.Caption(FromHwnd(B)));
}

TEST_F(Win32DesktopTest, ReadsTheFilePathBoxAndTheOwner) {
    const std::string Path = "C:\\データ\\表示ソース.txt"; // trail bytes 0x5C
    HWND A = Windows.Add("x - Zefnote", Path);
    EXPECT_EQ(Path, Desktop.ChildText(FromHwnd(A), "TEdit", 256));
    EXPECT_EQ(Path.substr(0, 7), Desktop.ChildText(FromHwnd(A), "TEdit", 7));
    EXPECT_EQ("", Desktop.ChildText(FromHwnd(A), "TButton", 256));
    EXPECT_EQ(FromHwnd(A), Desktop.Owner(FromHwnd(A)));

    HWND Owner = Windows.AddOwner();
    HWND Owned = Windows.Add("owned - Zefnote", "", Owner);
    EXPECT_EQ(FromHwnd(Owner), Desktop.Owner(FromHwnd(Owned)));
}

TEST_F(Win32DesktopTest, PlacesMinimizesRestoresAndMaximizes) {
    HWND A = Windows.Add("a - Zefnote", "");
    HWND B = Windows.Add("b - Zefnote", "");
    const TWindowRect Target{10, 20, 310, 260};
    Desktop.Place(FromHwnd(A), Target, false);
    EXPECT_EQ(Target, Desktop.Bounds(FromHwnd(A)));
    EXPECT_EQ(Target, TTestMainWindows::Rect(A));
    // Placed without activation and without changing the stacking order.
    EXPECT_EQ((std::vector<TWindowHandle>{FromHwnd(B), FromHwnd(A)}), Ours({A, B}));
    EXPECT_EQ(B, GetForegroundWindow());

    Desktop.RequestMinimize(FromHwnd(B));
    EXPECT_TRUE(Desktop.IsMinimized(FromHwnd(B)));
    Desktop.RequestRestore(FromHwnd(B));
    EXPECT_FALSE(Desktop.IsMinimized(FromHwnd(B)));

    Desktop.Show(FromHwnd(A), true);
    EXPECT_TRUE(Desktop.IsMaximized(FromHwnd(A)));
    EXPECT_TRUE(TTestMainWindows::WaitFor([&] { return GetForegroundWindow() == A; }));
    Desktop.SetForeground(FromHwnd(B));
    EXPECT_TRUE(TTestMainWindows::WaitFor([&] { return GetForegroundWindow() == B; }));
    Desktop.RestoreSize(FromHwnd(A));
    EXPECT_FALSE(Desktop.IsMaximized(FromHwnd(A)));
    EXPECT_EQ(Target, Desktop.Bounds(FromHwnd(A)));
    EXPECT_EQ(B, GetForegroundWindow());
}

TEST_F(Win32DesktopTest, UserMessagesArriveAsTheirNumbers) {
    HWND A = Windows.Add("a - Zefnote", "");
    Desktop.SendUserMessage(FromHwnd(A), 100);
    EXPECT_EQ((std::vector<unsigned>{100}), TTestMainWindows::UserMessages(A));
    Desktop.PostUserMessage(FromHwnd(A), 101);
    EXPECT_TRUE(TTestMainWindows::WaitFor([&] { return TTestMainWindows::UserMessages(A).size() == 2; }));
    EXPECT_EQ(101u, TTestMainWindows::UserMessages(A).back());
}
