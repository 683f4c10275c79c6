#pragma once
// The main window of class "TZefnoteMainForm": its client area is the editor control; the
// window procedure turns messages into TMainForm calls and shows the caption the model
// builds.
#include "app/main_form.h"
#include "editor/win32/editor_window.h"
#include "platform/win32/message_box_win32.h"

#include <windows.h>

#include <memory>
#include <string>

class TMainWindow {
public:
    static const char* const ClassName;

    TMainWindow();
    ~TMainWindow();
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    // Makes the window (hidden) with its editor, then runs the model's window creation
    // with the parameters of CommandLine; false when the window could not be made.
    bool Create(HINSTANCE Instance, const std::string& CommandLine);
    HWND Handle() const { return FWindow; }
    HWND EditorHandle() const { return FEditor.Handle(); }
    TMainForm& Form() { return *FForm; }

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L);
    LRESULT Handle(UINT Message, WPARAM W, LPARAM L);

    HWND FWindow = nullptr;
    TEditorWindow FEditor;
    TWin32MessageBox FMessages;
    std::unique_ptr<TMainForm> FForm;
};
