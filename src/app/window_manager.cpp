#include "app/window_manager.h"

#include "app/app_info.h"
#include "app/command_line.h"
#include "base/file_name.h"
#include "app/main_menu.h"
#include "app/menu/menu_item.h"
#include "app/window_layout.h"
#include "base/shift_jis.h"
#include "platform/message_box.h"

#include <memory>

namespace {



// Title without its last Count characters, a double-byte character counting as one.
std::string DropLastCharacters(const std::string& Title, int Count) {
    std::vector<std::size_t> Starts;
    for (std::size_t I = 0; I < Title.size(); ++I) {
        Starts.push_back(I);
        if (IsSjisLeadByte(static_cast<unsigned char>(Title[I])) && I + 1 < Title.size()) ++I;
    }
    if (static_cast<int>(Starts.size()) <= Count) return std::string();
    return Title.substr(0, Starts[Starts.size() - static_cast<std::size_t>(Count)]);
}

// "&" doubled, so that a menu shows it instead of taking it for an access-key mark.  A
// trail byte is never "&" (0x26): trail bytes start at 0x40.
std::string EscapeAmpersands(const std::string& Text) {
    std::string Result;
    for (char C : Text) {
        Result += C;
        if (C == '&') Result += '&';
    }
    return Result;
}

} // namespace

bool UserWindowSizeEnabled(const TUserWindowOptions& Options) {
    return Options.StartWindow == 3 && (Options.UserWindowSize || Options.UserWindowPos);
}

std::string WindowListCaption(int Index, const std::string& Title) {
    const std::string Text = EscapeAmpersands(DropLastCharacters(Title, 10));
    const std::string Accelerators = WindowListAccelerators;
    if (Index >= 0 && Index < static_cast<int>(Accelerators.size()))
        return std::string("&") + Accelerators[static_cast<std::size_t>(Index)] + ": " + Text;
    return std::to_string(Index + 1) + ": " + Text;
}

TWindowManager::TWindowManager(TDesktop& Desktop, TMessageBox& MessageBox, TWindowHandle Self)
    : FDesktop(Desktop), FMessageBox(MessageBox), FSelf(Self) {}

std::vector<TWindowHandle> TWindowManager::AllWindows() {
    return FDesktop.WindowsOfClass(MainFormClassName);
}

std::vector<TWindowHandle> TWindowManager::WindowsByOwnerState(bool Minimized) {
    std::vector<TWindowHandle> Result;
    for (TWindowHandle Window : AllWindows())
        if (FDesktop.IsMinimized(FDesktop.Owner(Window)) == Minimized) Result.push_back(Window);
    return Result;
}

std::vector<TWindowHandle> TWindowManager::NormalWindows() { return WindowsByOwnerState(false); }

std::vector<TWindowHandle> TWindowManager::NormalWindowsReversed() {
    std::vector<TWindowHandle> Result = NormalWindows();
    return std::vector<TWindowHandle>(Result.rbegin(), Result.rend());
}

std::vector<TWindowHandle> TWindowManager::MinimizedWindows() { return WindowsByOwnerState(true); }

void TWindowManager::TellTooMany() {
    FMessageBox.Show("対象のウィンドウが多すぎます。", ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miInformation);
}

void TWindowManager::Arrange(const std::vector<TWindowHandle>& Windows,
                             const std::vector<TWindowRect>& Bounds, bool ActivateFirst) {
    if (Windows.empty()) return;
    if (Bounds.size() != Windows.size()) {
        TellTooMany();
        return;
    }
    for (std::size_t I = 0; I < Windows.size(); ++I) {
        if (FDesktop.IsMaximized(Windows[I])) FDesktop.RestoreSize(Windows[I]);
        const bool Activate = ActivateFirst ? I == 0 : I + 1 == Windows.size();
        FDesktop.Place(Windows[I], Bounds[I], Activate);
    }
}

void TWindowManager::ArrangeGrid() {
    const std::vector<TWindowHandle> Windows = NormalWindows();
    Arrange(Windows, GridLayout(FDesktop.WorkArea(), static_cast<int>(Windows.size())), true);
}

void TWindowManager::ArrangeStacked() {
    const std::vector<TWindowHandle> Windows = NormalWindows();
    Arrange(Windows, StackedLayout(FDesktop.WorkArea(), static_cast<int>(Windows.size())), true);
}

void TWindowManager::ArrangeSideBySide() {
    const std::vector<TWindowHandle> Windows = NormalWindows();
    Arrange(Windows, SideBySideLayout(FDesktop.WorkArea(), static_cast<int>(Windows.size())), true);
}

void TWindowManager::ArrangeCascade() {
    const std::vector<TWindowHandle> Windows = NormalWindowsReversed();
    Arrange(Windows,
            CascadeLayout(FDesktop.WorkArea(), static_cast<int>(Windows.size()),
                          FDesktop.CascadeStep() - 1),
            false);
}

void TWindowManager::MinimizeAllWindows() {
    for (TWindowHandle Window : NormalWindows()) FDesktop.RequestMinimize(FDesktop.Owner(Window));
}

void TWindowManager::RestoreAllWindows() {
    const std::vector<TWindowHandle> Windows = MinimizedWindows();
    if (Windows.empty()) return;
    for (TWindowHandle Window : Windows) FDesktop.RequestRestore(FDesktop.Owner(Window));
    const TWindowHandle Own = FDesktop.Owner(FSelf);
    FDesktop.Show(Own, FDesktop.IsMaximized(FSelf));
    FDesktop.SetForeground(Own);
}

void TWindowManager::ShowAndActivate(TWindowHandle Target, TWindowHandle Window) {
    FDesktop.Show(Target, FDesktop.IsMaximized(Window));
    FDesktop.SetForeground(Target);
}

void TWindowManager::ActivateNextWindow() {
    const std::vector<TWindowHandle> Windows = NormalWindows();
    if (Windows.size() < 2) return;
    ShowAndActivate(FDesktop.Owner(Windows.back()), Windows.back());
}

void TWindowManager::ActivatePreviousWindow() {
    const std::vector<TWindowHandle> Windows = NormalWindows();
    if (Windows.size() < 2) return;
    FDesktop.SendToBack(FDesktop.Owner(Windows[0]));
    ShowAndActivate(FDesktop.Owner(Windows[1]), Windows[1]);
}

void TWindowManager::WindowMenuPopup(TMenuItem& WindowMenu, const TUserWindowOptions& Options) {
    BuildWindowList(WindowMenu);
    const bool Enabled = UserWindowSizeEnabled(Options);
    if (TMenuItem* Item = WindowMenu.Find("mWin_UserSize")) {
        Item->Enabled = Enabled;
        Item->Visible = Enabled;
    }
    if (TMenuItem* Bar = WindowMenu.Find("mWin_UserSizeBar")) Bar->Visible = Enabled;
}

void TWindowManager::BuildWindowList(TMenuItem& WindowMenu) {
    while (WindowMenu.Count() > WindowMenuFixedItems) WindowMenu.Delete(WindowMenuFixedItems);
    const std::vector<TWindowHandle> Windows = AllWindows();
    for (std::size_t I = 0; I < Windows.size(); ++I) {
        auto Item = std::make_unique<TMenuItem>(
            "", WindowListCaption(static_cast<int>(I), FDesktop.Caption(Windows[I])));
        Item->Command = mcWindowItem;
        Item->Tag = static_cast<long long>(Windows[I]);
        Item->Checked = I == 0;
        Item->OnClick = [this](TMenuItem& Sender) {
            ChooseWindow(static_cast<TWindowHandle>(Sender.Tag));
        };
        WindowMenu.Add(std::move(Item));
    }
}

void TWindowManager::ChooseWindow(TWindowHandle Window) {
    const TWindowHandle Owner = FDesktop.Owner(Window);
    if (FDesktop.IsMinimized(Owner))
        FDesktop.RequestRestore(Owner);
    else
        FDesktop.Show(Window, FDesktop.IsMaximized(Window));
    FDesktop.SetForeground(Window);
}

void TWindowManager::ApplyUserWindowSize(const TUserWindowOptions& Options) {
    if (Options.StartWindow != 3 || !(Options.UserWindowPos || Options.UserWindowSize)) return;
    if (FDesktop.IsMaximized(FSelf)) FDesktop.RestoreSize(FSelf);
    TWindowRect R = FDesktop.Bounds(FSelf);
    if (Options.UserWindowPos)
        R = TWindowRect{Options.UserWindowPos_X, Options.UserWindowPos_Y,
                        Options.UserWindowPos_X + R.Width(), Options.UserWindowPos_Y + R.Height()};
    if (Options.UserWindowSize)
        R = TWindowRect{R.Left, R.Top, R.Left + Options.UserWindowSize_W,
                        R.Top + Options.UserWindowSize_H};
    FDesktop.Place(FSelf, R, false);
}

bool TWindowManager::FindInstanceWithFile(const std::string& FileName) {
    const std::string Wanted = AnsiLowerCaseAscii(FileName);
    TWindowHandle Found = 0;
    for (TWindowHandle Window : AllWindows()) {
        if (Window == FSelf) continue;
        const std::string Path = FDesktop.ChildText(Window, FilePathClassName, FilePathMaxBytes);
        if (AnsiLowerCaseAscii(Path) == Wanted) Found = Window;
    }
    if (!Found) return false;
    FDesktop.SendUserMessage(Found, umRestoreRequest);
    ShowAndActivate(Found, Found);
    return true;
}

void TWindowManager::BroadcastSettingsChanged() {
    for (TWindowHandle Window : AllWindows())
        if (Window != FSelf) FDesktop.PostUserMessage(Window, umSettingsChanged);
}
