// The Window menu over several Zefnote.exe processes, each started on its own file as a
// user would: one window's menu tiles, cascades, stacks, places side by side, minimises
// and restores them all, switches to the next and previous one and lists them.  After
// each command the windows' rectangles, states and the foreground window are read from
// outside and checked against the work area and the platform's metrics.  The screen is
// kept after each command.
#include "wine/e2e_support.h"
#include "wine/screenshot_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char MainClass[] = "TZefnoteMainForm";

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const Rect& O) const {
        return Left == O.Left && Top == O.Top && Right == O.Right && Bottom == O.Bottom;
    }
};

std::ostream& operator<<(std::ostream& Out, const Rect& R) {
    return Out << "(" << R.Left << "," << R.Top << ")-(" << R.Right << "," << R.Bottom << ") "
               << R.Width() << "x" << R.Height();
}

Rect At(int Left, int Top, int Width, int Height) { return Rect{Left, Top, Left + Width, Top + Height}; }

Rect WindowRect(HWND Window) {
    RECT R = {};
    GetWindowRect(Window, &R);
    return Rect{R.left, R.top, R.right, R.bottom};
}

Rect WorkArea() {
    RECT R = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &R, 0);
    return Rect{R.left, R.top, R.right, R.bottom};
}

BOOL CALLBACK CollectMainWindow(HWND Window, LPARAM Param) {
    char Name[64] = {};
    GetClassNameA(Window, Name, sizeof Name);
    if (lstrcmpA(Name, MainClass) == 0 && IsWindowVisible(Window))
        reinterpret_cast<std::vector<HWND>*>(Param)->push_back(Window);
    return TRUE;
}

// The main windows of every process, topmost first.
std::vector<HWND> StackingOrder() {
    std::vector<HWND> Result;
    EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&Result));
    return Result;
}

struct Instance {
    std::unique_ptr<e2e::ZefnoteProcess> Process;
    HWND Main = nullptr;
    HWND Editor = nullptr;
    std::string Name;
};

class WindowMenu : public e2e::Screenshot {
protected:
    void SetUp() override { Settings.reset(new e2e::SettingsFile("")); }

    // Starts Count processes on the files window-1.txt, window-2.txt ... and waits for
    // each to show its file.
    void StartProcesses(int Count) {
        for (int I = 1; I <= Count; ++I) {
            Instance P;
            P.Name = "window-" + std::to_string(I) + ".txt";
            const std::string Path = e2e::WriteArtifact(P.Name, "window " + std::to_string(I) + "\r\n");
            P.Process.reset(new e2e::ZefnoteProcess("\"" + Path + "\""));
            ASSERT_TRUE(P.Process->Started());
            P.Main = P.Process->WaitForMainWindow(MainClass, 30000);
            ASSERT_NE(nullptr, P.Main) << P.Name;
            P.Editor = FindWindowExA(P.Main, nullptr, "TEditor", nullptr);
            ASSERT_NE(nullptr, P.Editor);
            const std::string Title = P.Name + " - Zefnote";
            ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(P.Main) == Title; }, 10000))
                << e2e::WindowText(P.Main);
            Processes.push_back(std::move(P));
        }
    }

    Instance& Of(HWND Main) {
        for (Instance& P : Processes)
            if (P.Main == Main) return P;
        throw std::invalid_argument("not one of ours");
    }

    // Brings P's window to the front, as a click on it would: raised to the top and
    // activated.  (Wine under a bare X server activates without raising.)
    void Activate(Instance& P) {
        // Asked again while a process that has just started may still raise its own.
        ASSERT_TRUE(e2e::WaitFor(
            [&] {
                SetWindowPos(P.Main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                return StackingOrder().front() == P.Main;
            },
            10000))
            << P.Name << " below " << e2e::WindowText(StackingOrder().front());
        ASSERT_TRUE(e2e::Activate(P.Main, P.Editor, 10000)) << P.Name;
    }

    // Opens the Window menu of the foreground window with Alt+W and chooses Key in it.
    void WindowCommand(WORD Key) {
        e2e::Press('W', {VK_MENU});
        e2e::Press(Key);
    }

    // Minimises P as a click on its minimise button would, and waits for it.
    void Minimize(Instance& P) {
        PostMessageA(P.Main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(e2e::WaitFor([&] { return IsIconic(P.Main) != FALSE; }, 10000)) << P.Name;
        // The window system then activates another window.
        e2e::WaitFor([&] { return GetForegroundWindow() != P.Main; }, 5000);
    }

    // The windows not minimised, topmost first.
    std::vector<HWND> NormalOrder() {
        std::vector<HWND> Result;
        for (HWND W : StackingOrder())
            if (!IsIconic(W)) Result.push_back(W);
        return Result;
    }

    // Waits until each window of Windows has the rectangle of Expected at its index,
    // then checks them one by one.
    void ExpectRects(const std::vector<HWND>& Windows, const std::vector<Rect>& Expected) {
        ASSERT_EQ(Windows.size(), Expected.size());
        e2e::WaitFor(
            [&] {
                for (std::size_t I = 0; I < Windows.size(); ++I)
                    if (!(WindowRect(Windows[I]) == Expected[I])) return false;
                return true;
            },
            10000);
        for (std::size_t I = 0; I < Windows.size(); ++I)
            EXPECT_EQ(Expected[I], WindowRect(Windows[I])) << Of(Windows[I]).Name;
    }

    bool ForegroundIs(HWND Window) {
        return e2e::WaitFor([&] { return GetForegroundWindow() == Window; }, 10000);
    }

    void Keep(const std::string& Name) { EXPECT_TRUE(Take(Name)) << "no screenshot " << Name; }

    std::unique_ptr<e2e::SettingsFile> Settings;
    std::vector<Instance> Processes;
};

} // namespace

// Four processes, the fourth minimised and the second maximised.  Tile, cascade, stack and
// side by side place the three others from the work area's corner without changing
// their stacking order; the minimised one keeps its place and state.
TEST_F(WindowMenu, ArrangementsPlaceTheWindowsThatAreNotMinimised) {
    StartProcesses(4);
    Instance &First = Processes[0], &Second = Processes[1], &Fourth = Processes[3];
    Minimize(Fourth);
    const Rect MinimizedRect = WindowRect(Fourth.Main);
    Activate(Second);
    ShowWindow(Second.Main, SW_MAXIMIZE);
    ASSERT_TRUE(e2e::WaitFor([&] { return IsZoomed(Second.Main) != FALSE; }, 10000));
    Activate(First);
    const std::vector<HWND> Normal = NormalOrder();
    ASSERT_EQ(3u, Normal.size());
    ASSERT_EQ(First.Main, Normal[0]);
    const Rect A = WorkArea();
    const int W = A.Width(), H = A.Height();
    // Each command from the first window's menu: the windows where the rules put them, in
    // the stacking order they had, the first window active, the minimised one untouched.
    auto Arranged = [&](WORD Key, const std::vector<Rect>& Expected, const std::string& Shot) {
        SCOPED_TRACE(Shot);
        Activate(First);
        WindowCommand(Key);
        ExpectRects(Normal, Expected);
        // Wine may restack a window it has just un-maximised a moment later.
        e2e::WaitFor([&] { return Normal == NormalOrder(); }, 3000);
        EXPECT_EQ(Normal, NormalOrder()) << "the stacking order changed";
        EXPECT_TRUE(ForegroundIs(First.Main));
        EXPECT_TRUE(IsIconic(Fourth.Main));
        EXPECT_EQ(MinimizedRect, WindowRect(Fourth.Main));
        Keep(Shot);
    };

    // A grid of two columns and two rows; the right column and the bottom row take the
    // odd pixels; the fourth cell stays empty.
    Arranged('T',
             {At(A.Left, A.Top, W / 2, H / 2), At(A.Left + W / 2, A.Top, W / 2 + W % 2, H / 2),
              At(A.Left, A.Top + H / 2, W / 2, H / 2 + H % 2)},
             "window-tile");
    EXPECT_FALSE(IsZoomed(Second.Main));

    // Cascade: from the bottommost window up, each a step right of and below the one
    // before; the topmost is placed last, furthest in, and activated.
    const int Step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME) - 1;
    const int CW = W / 4 * 3, CH = H / 25 * 18;
    Arranged('C',
             {At(A.Left + 2 * Step, A.Top + 2 * Step, CW, CH), At(A.Left + Step, A.Top + Step, CW, CH),
              At(A.Left, A.Top, CW, CH)},
             "window-cascade");

    // Stacked: the whole width, a third of the height each, the last taking the rest.
    Arranged('H',
             {At(A.Left, A.Top, W, H / 3), At(A.Left, A.Top + H / 3, W, H / 3),
              At(A.Left, A.Top + 2 * (H / 3), W, H / 3 + H % 3)},
             "window-stacked");

    // Side by side: the whole height, a third of the width each.
    Arranged('V',
             {At(A.Left, A.Top, W / 3, H), At(A.Left + W / 3, A.Top, W / 3, H),
              At(A.Left + 2 * (W / 3), A.Top, W / 3 + W % 3, H)},
             "window-side-by-side");
}

// Minimise all minimises every window; restore all, from the window the user restored
// first, brings the others back as they were (a maximised one maximised) and keeps that
// window in front.
TEST_F(WindowMenu, MinimiseAllThenRestoreAll) {
    StartProcesses(3);
    Instance &First = Processes[0], &Third = Processes[2];
    Activate(Third);
    ShowWindow(Third.Main, SW_MAXIMIZE);
    ASSERT_TRUE(e2e::WaitFor([&] { return IsZoomed(Third.Main) != FALSE; }, 10000));
    Activate(First);
    std::vector<Rect> Before;
    for (Instance& P : Processes) Before.push_back(WindowRect(P.Main));

    WindowCommand('M');
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            for (Instance& P : Processes)
                if (!IsIconic(P.Main)) return false;
            return true;
        },
        10000));
    for (Instance& P : Processes) EXPECT_TRUE(IsIconic(P.Main)) << P.Name;
    Keep("window-minimised-all");

    // The user restores one from its minimised form and asks for the others.
    PostMessageA(First.Main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsIconic(First.Main); }, 10000));
    Activate(First);
    WindowCommand('R');
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            for (Instance& P : Processes)
                if (IsIconic(P.Main)) return false;
            return true;
        },
        10000));
    std::vector<HWND> All;
    for (Instance& P : Processes) {
        EXPECT_FALSE(IsIconic(P.Main)) << P.Name;
        All.push_back(P.Main);
    }
    // A window leaves its minimised state a moment before it is back at its place.
    ExpectRects(All, Before);
    EXPECT_TRUE(IsZoomed(Third.Main));
    EXPECT_TRUE(ForegroundIs(First.Main));
    Keep("window-restored-all");
}

// Alt+Right brings the bottommost window forward, Alt+Left sends the topmost back: each
// visits every window not minimised, in turn, and the minimised one stays so.
TEST_F(WindowMenu, NextAndPreviousVisitEveryWindowInTurn) {
    StartProcesses(4);
    Minimize(Processes[3]);
    Activate(Processes[0]);
    const std::vector<HWND> Start = NormalOrder();
    ASSERT_EQ(3u, Start.size());

    // Next: the bottommost each time, so the order comes round to the start.
    for (int I = 0; I < 3; ++I) {
        const HWND Expected = NormalOrder().back();
        e2e::Press(VK_RIGHT, {VK_MENU});
        EXPECT_TRUE(ForegroundIs(Expected)) << "next " << I << ": " << Of(Expected).Name;
        EXPECT_EQ(Expected, NormalOrder().front());
        Activate(Of(Expected));
    }
    EXPECT_EQ(Start, NormalOrder());
    Keep("window-next");

    // Previous: the topmost goes to the bottom and the second comes forward.
    for (int I = 0; I < 3; ++I) {
        const std::vector<HWND> Order = NormalOrder();
        e2e::Press(VK_LEFT, {VK_MENU});
        EXPECT_TRUE(ForegroundIs(Order[1])) << "previous " << I << ": " << Of(Order[1]).Name;
        const std::vector<HWND> Expected = {Order[1], Order[2], Order[0]};
        EXPECT_TRUE(e2e::WaitFor([&] { return NormalOrder() == Expected; }, 5000));
        EXPECT_EQ(Expected, NormalOrder());
        Activate(Of(Order[1]));
    }
    EXPECT_EQ(Start, NormalOrder());
    EXPECT_TRUE(IsIconic(Processes[3].Main));
    Keep("window-previous");
}

// The window list at the end of the Window menu names every window, the minimised one
// too, by its file, topmost first; choosing an entry restores a minimised window and
// brings a covered one forward.
TEST_F(WindowMenu, TheWindowListChoosesAWindow) {
    StartProcesses(3);
    Instance &First = Processes[0], &Second = Processes[1], &Third = Processes[2];
    Minimize(Second);
    Activate(First);
    // The list is made as the menu opens, in the stacking order of that moment.
    e2e::Press('W', {VK_MENU});
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(First.Process->Id()) != nullptr; }, 5000));
    const std::vector<HWND> Listed = StackingOrder();
    ASSERT_EQ(3u, Listed.size());
    const auto Entry = std::find(Listed.begin(), Listed.end(), Second.Main) - Listed.begin();
    Keep("window-list-menu");
    e2e::Press(static_cast<WORD>('1' + Entry));
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsIconic(Second.Main); }, 10000)) << "not restored";
    EXPECT_TRUE(ForegroundIs(Second.Main));

    // Third is covered: choosing it from Second's menu brings it forward.
    Activate(Second);
    const std::vector<HWND> Now = StackingOrder();
    const auto Index = std::find(Now.begin(), Now.end(), Third.Main) - Now.begin();
    WindowCommand(static_cast<WORD>('1' + Index));
    EXPECT_TRUE(ForegroundIs(Third.Main));
    EXPECT_EQ(Third.Main, StackingOrder().front());
    EXPECT_FALSE(IsIconic(First.Main));
    Keep("window-list-chosen");
}

// Stacking more windows than the work area holds at 140 pixels each tells the user so
// and moves none of them.
TEST_F(WindowMenu, TooManyWindowsToStackAreToldAndNothingMoves) {
    const int Count = WorkArea().Height() / 140 + 1;
    StartProcesses(Count);
    Activate(Processes[0]);
    std::vector<Rect> Before;
    for (Instance& P : Processes) Before.push_back(WindowRect(P.Main));

    WindowCommand('H');
    HWND Box = e2e::WaitForDialog(Processes[0].Process->Id(), 10000);
    ASSERT_NE(nullptr, Box) << "no message";
    EXPECT_EQ("Zefnote", e2e::WindowText(Box));
    EXPECT_NE(std::string::npos, e2e::StaticTexts(Box).find("対象のウィンドウが多すぎます。"))
        << e2e::StaticTexts(Box);
    Keep("window-too-many");
    PostMessageA(Box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(Box); }, 5000));
    for (std::size_t I = 0; I < Processes.size(); ++I)
        EXPECT_EQ(Before[I], WindowRect(Processes[I].Main)) << Processes[I].Name;
}
