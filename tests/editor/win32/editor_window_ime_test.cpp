// The editor window and the input method of the window system: a composition result
// committed through the input context arrives as the platform delivers it (a
// composition message, then one character message per byte), and neither doubles the
// text nor swallows the keys typed after it.
#include "editor_window_fixture.h"

#include <imm.h>

#include <string>

namespace {

class EditorWindowIme : public EditorWindowTest {
protected:
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
