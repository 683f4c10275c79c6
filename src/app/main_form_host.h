#pragma once
// What the main window's model needs of its window: the caption, the hidden file-name
// box, the status bar and the tool bar, the window's placement, the wait cursor, the
// common dialogs, and closing.  The Win32 main window implements it; tests use a fake.
#include "app/settings/settings_store.h"
#include "platform/desktop.h"

#include <string>

struct TFileDialogParams {
    // "name|patterns|name|patterns..." as the settings build it.
    std::string Filter;
    int FilterIndex = 1; // 1-based, as the dialogs count
    std::string InitialDir;
    std::string FileName;
    std::string DefaultExt;
};

struct TFontDialogParams {
    std::string Name;
    int Size = 0;
    // The dialog's top-left corner on the screen, already kept inside the work area.
    int Left = 0, Top = 0;
};


class TMainFormHost {
public:
    virtual ~TMainFormHost() = default;

    virtual TWindowHandle Handle() = 0;
    virtual std::string Caption() = 0;
    // Sets the window's caption and the application's title alike.
    virtual void SetCaption(const std::string& Text) = 0;
    // The hidden box other processes read to find the window of a file.
    virtual void SetFilePathText(const std::string& Text) = 0;

    virtual std::string StatusText(int Panel) = 0;
    virtual void SetStatusText(int Panel, const std::string& Text) = 0;
    virtual void SetHintPanelWidth(int Width) = 0;
    virtual bool StatusBarVisible() = 0;
    virtual void SetStatusBarVisible(bool Value) = 0;
    virtual void SetToolBarVisible(bool Value) = 0;
    virtual bool ToolBarFlat() = 0;
    // Flat: indent 4 and border width 1; raised: indent 6 and border width 0.
    virtual void SetToolBarFlat(bool Value) = 0;
    // The two-pixel strip under the tool bar.
    virtual void SetPanel1Visible(bool Value) = 0;

    // The window's outer width in pixels.
    virtual int Width() = 0;
    // The normal bounds and whether the window is maximised.
    virtual TWindowPlacement Placement() = 0;
    // Sets the normal (restored) bounds; a maximised window stays maximised.
    virtual void SetBounds(int Left, int Top, int Width, int Height) = 0;
    virtual void Maximize() = 0;
    // The work area of the desktop the window is on.
    virtual TWindowRect WorkArea() = 0;

    // The hourglass cursor while Value is true (nested calls count).
    virtual void SetWaitCursor(bool Value) = 0;
    virtual void Beep() = 0;
    // True while a Shift key is held.
    virtual bool ShiftDown() = 0;
    // Lets the window's messages be handled (a long wait, a tool-bar click).
    virtual void ProcessMessages() = 0;
    virtual void BringToFront() = 0;
    // Switches the input method of the window on (kana input).
    virtual void OpenInputMethod() = 0;

    // The common dialogs; false when cancelled.  The chosen name and filter come back in
    // Params.
    virtual bool ExecuteOpenDialog(TFileDialogParams& Params) = 0;
    virtual bool ExecuteSaveDialog(TFileDialogParams& Params) = 0;
    virtual bool ExecuteFontDialog(TFontDialogParams& Params) = 0;

    // Asks the window to close; the close query decides.
    virtual void Close() = 0;
    // Ends the process without showing the window (a file shown elsewhere, "/p").
    virtual void Terminate() = 0;
};

// RAII for the hourglass cursor.
class TWaitCursor {
public:
    explicit TWaitCursor(TMainFormHost& Host) : FHost(Host) { FHost.SetWaitCursor(true); }
    ~TWaitCursor() { FHost.SetWaitCursor(false); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    TMainFormHost& FHost;
};
