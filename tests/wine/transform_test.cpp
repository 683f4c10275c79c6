// The conversion commands of Zefnote.exe as a user runs them: a selection made with the
// keyboard, the command from its shortcut or from the context menu's conversion
// submenu, the text read back with WM_GETTEXT, and Ctrl+Z undoing each in one step.
#include "wine/editor_session.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

bool PutClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool put = false;
    if (memory) {
        memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        put = SetClipboardData(CF_TEXT, memory) != nullptr;
        if (!put) GlobalFree(memory);
    }
    CloseClipboard();
    return put;
}

class Transforms : public EditorSession {
protected:
    void Open(const std::string& bytes) {
        EditorSession::Open(bytes, "transform-sample.txt");
        ASSERT_EQ(bytes, WaitText(bytes));
    }
    // Runs the item of the context menu's conversion submenu (変換(&V)) with Mnemonic.
    bool ConversionMenu(WORD mnemonic) {
        e2e::MouseTo(editor_, 300, 300);
        e2e::RightClick();
        if (!e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) != nullptr; }, 5000))
            return false;
        e2e::Press('V');
        e2e::Press(mnemonic);
        return e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote_->Id()) == nullptr; }, 5000);
    }
    void Undo(const std::string& expected) {
        e2e::Press('Z', {VK_CONTROL});
        EXPECT_EQ(expected, WaitText(expected));
    }

};

} // namespace

TEST_F(Transforms, ShortcutsAndTheMenuConvertTheSelectionAndUndoInOneStep) {
    const std::string start = "abc 漢字 def\r\nxyz\r\nend";
    Open(start);

    // Shift+End selects the first line; upper case from its shortcut.
    e2e::Press(VK_END, {VK_SHIFT});
    e2e::Press('L', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ("ABC 漢字 DEF\r\nxyz\r\nend", WaitText("ABC 漢字 DEF\r\nxyz\r\nend"));
    // The converted text stays selected: lower case from the menu brings it back.
    ASSERT_TRUE(ConversionMenu('L')) << "no conversion submenu";
    EXPECT_EQ(start, WaitText(start));
    Undo("ABC 漢字 DEF\r\nxyz\r\nend");
    Undo(start);

    // Full width from the shortcut, half width from the menu.
    e2e::Press(VK_HOME, {VK_CONTROL});
    for (int i = 0; i < 3; ++i) e2e::Press(VK_RIGHT, {VK_SHIFT});
    e2e::Press('H', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ("ａｂｃ 漢字 def\r\nxyz\r\nend", WaitText("ａｂｃ 漢字 def\r\nxyz\r\nend"));
    ASSERT_TRUE(ConversionMenu('H'));
    EXPECT_EQ(start, WaitText(start));
    Undo("ａｂｃ 漢字 def\r\nxyz\r\nend");
    Undo(start);

    // Line breaks deleted over three lines.
    e2e::Press(VK_HOME, {VK_CONTROL});
    e2e::Press(VK_RIGHT);
    e2e::Press(VK_DOWN, {VK_SHIFT});
    e2e::Press(VK_DOWN, {VK_SHIFT});
    e2e::Press('T', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ("abc 漢字 defxyzend", WaitText("abc 漢字 defxyzend"));
    Undo(start);

    // Tab over two lines indents both, Shift+Ctrl+I adds a space to each.
    e2e::Press(VK_HOME, {VK_CONTROL});
    e2e::Press(VK_DOWN, {VK_SHIFT});
    e2e::Press(VK_RIGHT, {VK_SHIFT});
    e2e::Press(VK_TAB);
    EXPECT_EQ("\tabc 漢字 def\r\n\txyz\r\nend", WaitText("\tabc 漢字 def\r\n\txyz\r\nend"));
    // Shift+Ctrl+I adds a space to each line, storing its tab as spaces.
    e2e::Press('I', {VK_CONTROL, VK_SHIFT});
    std::string text;
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            text = e2e::EditorText(editor_);
            return text.find('\t') == std::string::npos && text.find("  ") == 0 &&
                   text.find(" abc") != std::string::npos && text.find("\r\n  ") != std::string::npos &&
                   text.find(" xyz\r\nend") != std::string::npos;
        },
        5000))
        << text;
    Undo("\tabc 漢字 def\r\n\txyz\r\nend");
    Undo(start);

    // Ctrl+Enter deletes the caret's row.
    e2e::Press(VK_HOME, {VK_CONTROL});
    e2e::Press(VK_DOWN);
    e2e::Press(VK_RETURN, {VK_CONTROL});
    EXPECT_EQ("abc 漢字 def\r\nend", WaitText("abc 漢字 def\r\nend"));
    Undo(start);

    // Quoted paste at the end of the text.
    ASSERT_TRUE(PutClipboardText("p\r\nq"));
    e2e::Press(VK_END, {VK_CONTROL});
    e2e::Press('Q', {VK_CONTROL});
    EXPECT_EQ(start + "> p\r\n> q", WaitText(start + "> p\r\n> q"));
    Undo(start);
}

TEST_F(Transforms, ASelectionOverTheLimitChangesNothing) {
    // 101 lines of 98 letters: more than the 10 000 bytes width conversion takes.
    std::string start;
    for (int i = 0; i < 101; ++i) start += std::string(98, 'a') + "\r\n";
    Open(start);
    e2e::Press('A', {VK_CONTROL});
    e2e::Press('H', {VK_CONTROL, VK_SHIFT});
    // Upper case has room for it: it proves the keys arrived and the width one did not act.
    e2e::Press('L', {VK_CONTROL, VK_SHIFT});
    std::string upper;
    for (int i = 0; i < 101; ++i) upper += std::string(98, 'A') + "\r\n";
    EXPECT_TRUE(WaitText(upper) == upper) << "the text was not upper-cased alone";
    Undo(start);
}
