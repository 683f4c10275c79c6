#pragma once
// The Window menu's commands over the main windows of every running process of the
// program.  There is no registry of processes: each command enumerates the desktop's
// top-level windows of the main window's class afresh, so a process that started or
// ended since the last command is simply there or not.
//
// A main window may be owned by an application window of its process that carries its
// minimised state and answers minimise and restore requests; where a main window has no
// owner, the desktop reports the window itself as its owner.
#include "platform/desktop.h"

#include <string>
#include <vector>

class TMenuItem;
class TMessageBox;

constexpr const char* MainFormClassName = "TZefnoteMainForm";
// The class of the main window's hidden file-name box, whose text is the document's path.
constexpr const char* FilePathClassName = "TEdit";
constexpr int FilePathMaxBytes = 256;
// User messages between the processes' main windows.
constexpr unsigned umRestoreRequest = 100;  // restore the application if minimised
constexpr unsigned umSettingsChanged = 101; // reload and apply the settings file

// Fixed items of the Window menu ahead of the window list (the commands and separators).
constexpr int WindowMenuFixedItems = 13;
// The access keys of the first 35 window-list entries (no T: the menu's Tile has it).
constexpr const char* WindowListAccelerators = "1234567890ABCDEFGHIJKLMNOPQRSUVWXYZ";

// The option values that the user-defined size and position depend on.
struct TUserWindowOptions {
    int StartWindow = 0; // 3: user-defined size and position
    bool UserWindowSize = true;
    int UserWindowSize_W = 0, UserWindowSize_H = 0;
    bool UserWindowPos = true;
    int UserWindowPos_X = 0, UserWindowPos_Y = 0;
};

// True when "指定のサイズと位置" has something to do.
bool UserWindowSizeEnabled(const TUserWindowOptions& Options);

// The caption of the window-list entry Index (0-based) for a window titled Title: "&",
// the accelerator and ": " for the first 35, the decimal number and ": " after them; the
// title loses its last ten characters (" - Zefnote") and shows its "&" as they are.
std::string WindowListCaption(int Index, const std::string& Title);

class TWindowManager {
public:
    // Self is this process's main window.
    TWindowManager(TDesktop& Desktop, TMessageBox& MessageBox, TWindowHandle Self);

    TWindowHandle Self() const { return FSelf; }

    // The window lists, topmost first (NormalWindowsReversed: bottommost first).  Normal
    // windows are those whose owner is not minimised.
    std::vector<TWindowHandle> AllWindows();
    std::vector<TWindowHandle> NormalWindows();
    std::vector<TWindowHandle> NormalWindowsReversed();
    std::vector<TWindowHandle> MinimizedWindows();

    // The arranging commands place the normal windows without changing their stacking
    // order, after returning maximised ones to their normal size.  Grid, stacked and side
    // by side activate the first window placed; when a tile would be smaller than 120 by
    // 140 they tell the user so and move nothing.  The cascade activates the last one
    // placed, the one that was topmost.
    void ArrangeGrid();
    void ArrangeStacked();
    void ArrangeSideBySide();
    void ArrangeCascade();
    // Asks the owner of every normal window to minimise.
    void MinimizeAllWindows();
    // Asks the owner of every minimised window to restore, then brings this process's
    // window to the front.
    void RestoreAllWindows();
    // Brings the bottommost normal window to the front; repeated, it visits every window.
    void ActivateNextWindow();
    // Sends the topmost normal window to the back and brings the second to the front.
    void ActivatePreviousWindow();

    // The Window menu opens: the window list is rebuilt after the fixed items (one entry
    // per main window, the topmost checked, each keeping its window in Tag and choosing
    // it when clicked), then the user-size item and its separator are shown and enabled
    // by Options.
    void WindowMenuPopup(TMenuItem& WindowMenu, const TUserWindowOptions& Options);
    void BuildWindowList(TMenuItem& WindowMenu);
    // A window-list entry was chosen: restores the window's minimised owner, or shows the
    // window in its maximised or normal state, and brings it to the front.
    void ChooseWindow(TWindowHandle Window);

    // With StartWindow 3: moves this window to the user position and sizes it to the user
    // size (each when its switch is on), after returning it from maximised.
    void ApplyUserWindowSize(const TUserWindowOptions& Options);

    // Whether another process's main window shows FileName (compared in ASCII lower case;
    // the last match in stacking order wins); if so, that window is sent the restore
    // request, shown in its maximised or normal state and brought to the front.
    bool FindInstanceWithFile(const std::string& FileName);
    // Posts the settings-changed message to every other main window.
    void BroadcastSettingsChanged();

private:
    std::vector<TWindowHandle> WindowsByOwnerState(bool Minimized);
    void ShowAndActivate(TWindowHandle Target, TWindowHandle Window);
    // Places Windows at Bounds in turn (nothing when Bounds is empty: too small).
    void Arrange(const std::vector<TWindowHandle>& Windows, const std::vector<TWindowRect>& Bounds,
                 bool ActivateFirst);
    void TellTooMany();

    TDesktop& FDesktop;
    TMessageBox& FMessageBox;
    TWindowHandle FSelf;
};
