#pragma once
// An editor window in a top-level window of the test's own process, with the focus, its
// messages pumped by the test and its text read with GetWindowText.
#include "editor/win32/editor_window.h"

#include <gtest/gtest.h>

#include <string>

class EditorWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Parent = CreateWindowExA(0, "STATIC", "editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(Parent, nullptr);
        ASSERT_TRUE(Window.Create(Parent, 0, EditorTop, 380, 260 - EditorTop));
        SetForegroundWindow(Parent);
        SetFocus(Window.Handle());
        Pump();
    }
    void TearDown() override {
        if (Parent) DestroyWindow(Parent);
    }
    static void Pump() {
        MSG M;
        for (int Round = 0; Round < 5; ++Round) {
            while (PeekMessageA(&M, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&M);
                DispatchMessageA(&M);
            }
            Sleep(10);
        }
    }
    std::string Text() {
        char Buffer[256] = {};
        GetWindowTextA(Window.Handle(), Buffer, sizeof Buffer);
        return Buffer;
    }

    // Room above the editor for other controls of a test.
    int EditorTop = 0;
    HWND Parent = nullptr;
    TEditorWindow Window;
};
