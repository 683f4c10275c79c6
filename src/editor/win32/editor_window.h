#pragma once
// The editor control as a Win32 child window of class "TEditor": the window procedure
// turns the window's messages into TEditor calls; everything else is the control's.
#include "editor/editor.h"
#include "platform/win32/canvas_win32.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/text_view_host_win32.h"

#include <windows.h>

#include <functional>
#include <memory>

// True when Message is a keyboard message that the editor drops in the middle of a drag:
// the program's message loop drops it before its shortcuts see it.
bool EditorDropsKeyMessage(const TEditor& Editor, UINT Message, WPARAM W);

class TEditorWindow {
public:
    static const char* const ClassName;

    TEditorWindow();
    ~TEditorWindow();
    TEditorWindow(const TEditorWindow&) = delete;
    TEditorWindow& operator=(const TEditorWindow&) = delete;

    // Makes the window as a child of Parent; false when it could not be made.
    bool Create(HWND Parent, int X, int Y, int Width, int Height, int Id = 1);
    HWND Handle() const { return FHost.Window(); }
    TEditor& Editor() { return *FEditor; }

    // The context menu at a screen point (-1, -1 from the keyboard); unset: the
    // control's own menu.
    std::function<void(int X, int Y)> OnContextMenu;

    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L);

private:
    LRESULT Handle(UINT Message, WPARAM W, LPARAM L);
    void Resized();
    void Paint();
    void ContextMenu(LPARAM L);
    void Wheel(int Delta);

    TWin32TextViewHost FHost;
    TWin32Clipboard FClipboard;
    TWin32Canvas FMetrics; // measures fonts only
    std::unique_ptr<TEditor> FEditor;
    int FWheelRest = 0;
    bool FAltWithMouse = false; // Alt is down and went with a mouse button
};
