// The editor window and the input method of the window system: a composition result
// committed through the input context arrives as the platform delivers it (a
// composition message, then one character message per byte), and neither doubles the
// text nor swallows the keys typed after it.
#include "editor/win32/editor_window.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <string>

namespace {

class EditorWindowIme : public testing::Test {
protected:
    void SetUp() override {
        Parent = CreateWindowExA(0, "STATIC", "ime", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
        ASSERT_NE(Parent, nullptr);
        ASSERT_TRUE(Window.Create(Parent, 0, 0, 380, 260));
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
    // Commits Text through the window's input context, as the input method does when
    // the user confirms a conversion.
    void Commit(const std::wstring& Text) {
        HIMC Imc = ImmGetContext(Window.Handle());
        ASSERT_NE(Imc, nullptr);
        ImmSetOpenStatus(Imc, TRUE);
        ASSERT_TRUE(ImmSetCompositionStringW(Imc, SCS_SETSTR, const_cast<wchar_t*>(Text.c_str()),
                                             static_cast<DWORD>(Text.size() * sizeof(wchar_t)),
                                             nullptr, 0));
        ASSERT_TRUE(ImmNotifyIME(Imc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
        ImmReleaseContext(Window.Handle(), Imc);
        Pump();
    }
    void Char(char C) { PostMessageA(Window.Handle(), WM_CHAR, static_cast<unsigned char>(C), 1); }
    std::string Text() {
        char Buffer[256] = {};
        GetWindowTextA(Window.Handle(), Buffer, sizeof Buffer);
        return Buffer;
    }

    HWND Parent = nullptr;
    TEditorWindow Window;
};

TEST_F(EditorWindowIme, TheKeysAfterACommittedResultAreTyped) {
    Commit(L"日本語");
    EXPECT_EQ(Text(), "日本語");
    Char('a');
    Char('b');
    Char('\b');
    Char('c');
    Pump();
    EXPECT_EQ(Text(), "日本語ac");
    Commit(L"漢字");
    Char('\r');
    Char('d');
    Pump();
    EXPECT_EQ(Text(), "日本語ac漢字\r\nd");
}

TEST_F(EditorWindowIme, AReadOnlyEditorTakesNoResultAndLosesNoKey) {
    Window.Editor().SetReadOnly(true);
    Commit(L"日本語");
    EXPECT_EQ(Text(), "");
    Window.Editor().SetReadOnly(false);
    Char('a');
    Pump();
    EXPECT_EQ(Text(), "a");
}

} // namespace
