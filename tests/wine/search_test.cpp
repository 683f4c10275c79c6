// Find, replace and go to line in Zefnote.exe as a user runs them: the dialogs opened
// with their shortcuts, the text typed into them, the selection and the caret read back
// from the clipboard and the status bar, the text with WM_GETTEXT, the history from the
// settings file across a restart.  Screenshots of each dialog stay in the artifacts.
#include "wine/editor_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The ids of the dialogs' controls.
constexpr int ComboBox1 = 3110;
constexpr int ComboBox2 = 3111;
constexpr int ReplaceConfirmBox = 3117;

class Search : public EditorSession {
protected:
    void Open(const std::string& bytes) {
        EditorSession::Open(bytes, "search-sample.txt");
        ASSERT_EQ(bytes, WaitText(bytes));
    }
    // The dialog with that caption once it has come and taken the focus.
    HWND Dialog(const std::string& caption) {
        HWND dialog = nullptr;
        e2e::WaitFor(
            [&] {
                dialog = e2e::FindDialog(zefnote_->Id(), caption);
                return dialog && GetForegroundWindow() == dialog;
            },
            10000);
        if (dialog) Sleep(300); // its controls take their first paint
        return dialog;
    }
    bool Gone(const std::string& caption) {
        return e2e::WaitFor([&] { return e2e::FindDialog(zefnote_->Id(), caption) == nullptr; },
                            10000);
    }
    // "行:桁" of the status bar, as numbers: the caret's row and column from 1.
    std::string Caret() {
        std::string text = e2e::StatusPanelText(main_, 1);
        int row = 0, col = 0;
        std::sscanf(text.c_str(), "%d行: %d桁", &row, &col);
        return std::to_string(row) + ":" + std::to_string(col);
    }
    std::string WaitCaret(const std::string& expected) {
        std::string at;
        e2e::WaitFor([&] { return (at = Caret()) == expected; }, 5000);
        return at;
    }
    // The selection, copied with Ctrl+C.
    std::string Selection() {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        e2e::Press('C', {VK_CONTROL});
        std::string text;
        e2e::WaitFor([&] { return !(text = e2e::ClipboardText()).empty(); }, 5000);
        return text;
    }
    // A control's text through WM_GETTEXT, once the typed keys have come.
    std::string ControlText(HWND dialog, int id, const std::string& expected) {
        std::string text;
        e2e::WaitFor([&] { return (text = e2e::EditorText(GetDlgItem(dialog, id))) == expected; },
                     5000);
        return text;
    }
    // A screenshot of the whole display named Name in the artifacts folder.
    void Shoot(const std::string& name) {
        std::string dir = e2e::ToUnixPath(e2e::TestPaths().artifacts);
        std::string png = e2e::TestPaths().artifacts + "\\" + name + ".png";
        DeleteFileA(png.c_str());
        e2e::RunUnix("/usr/bin/import -window root " + dir + "/" + name + ".png", 30000);
        EXPECT_TRUE(e2e::WaitFor(
            [&] { return GetFileAttributesA(png.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000))
            << "no screenshot " << name;
        Sleep(500); // the file is complete
    }
};

} // namespace

TEST_F(Search, FindSelectsTheMatchAndF3FindsTheNext) {
    Open("alpha beta\r\nbeta gamma\r\nend beta\r\n");
    e2e::Press('F', {VK_CONTROL});
    HWND dialog = Dialog("検索");
    ASSERT_NE(nullptr, dialog) << "no find dialog";
    e2e::Type("beta");
    EXPECT_EQ("beta", ControlText(dialog, ComboBox1, "beta"));
    Shoot("search-find-dialog");
    e2e::Press(VK_RETURN);
    ASSERT_TRUE(Gone("検索"));
    EXPECT_EQ("1:11", WaitCaret("1:11")) << "the caret after the match";
    EXPECT_EQ("beta", Selection());

    e2e::Press(VK_F3);
    EXPECT_EQ("2:5", WaitCaret("2:5"));
    e2e::Press(VK_F3);
    EXPECT_EQ("3:9", WaitCaret("3:9"));
    // Nothing further down: the selection stays.
    e2e::Press(VK_F3);
    Sleep(300);
    EXPECT_EQ("3:9", Caret());
    e2e::Press(VK_F3, {VK_SHIFT});
    EXPECT_EQ("2:5", WaitCaret("2:5")) << "Shift+F3 searches up";
}

TEST_F(Search, ReplaceAllChangesTheTextAndUndoTakesBackTheLastReplacement) {
    Open("cat dog cat\r\ncat\r\n");
    e2e::Press('R', {VK_CONTROL});
    HWND dialog = Dialog("置換");
    ASSERT_NE(nullptr, dialog) << "no replace dialog";
    e2e::Type("cat");
    e2e::Press(VK_TAB);
    e2e::Type("cow");
    EXPECT_EQ("cow", ControlText(dialog, ComboBox2, "cow"));
    // Without confirmation, from the start of the text down.
    if (SendMessageA(GetDlgItem(dialog, ReplaceConfirmBox), BM_GETCHECK, 0, 0) == BST_CHECKED)
        e2e::Press('P', {VK_MENU});
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dialog, ReplaceConfirmBox), BM_GETCHECK, 0, 0));
    Shoot("search-replace-dialog");
    e2e::Press('A', {VK_MENU});
    ASSERT_TRUE(Gone("置換"));
    EXPECT_EQ("cow dog cow\r\ncow\r\n", WaitText("cow dog cow\r\ncow\r\n"));
    e2e::Press('Z', {VK_CONTROL});
    EXPECT_EQ("cow dog cow\r\ncat\r\n", WaitText("cow dog cow\r\ncat\r\n"))
        << "one undo step per replacement";
}

TEST_F(Search, ConfirmationBoxStandsNextToTheCaret) {
    // The match twelve rows down: the box fits above the caret's row.
    std::string text = "one dog\r\n";
    for (int i = 0; i < 10; ++i) text += "two\r\n";
    Open(text + "three dog\r\n");
    e2e::Press(VK_DOWN);
    e2e::Press('R', {VK_CONTROL});
    HWND dialog = Dialog("置換");
    ASSERT_NE(nullptr, dialog);
    e2e::Type("dog");
    e2e::Press(VK_TAB);
    e2e::Type("pig");
    if (SendMessageA(GetDlgItem(dialog, ReplaceConfirmBox), BM_GETCHECK, 0, 0) != BST_CHECKED)
        e2e::Press('P', {VK_MENU});
    e2e::Press(VK_RETURN);
    ASSERT_TRUE(Gone("置換"));
    HWND confirm = Dialog("確認");
    ASSERT_NE(nullptr, confirm) << "no confirmation box";
    // The match on row 12 is selected, the caret after it: the box's bottom is a row
    // above the caret's row, its left two pixels right of the caret.
    EXPECT_EQ("12:10", Caret());
    e2e::EditorCells cells(editor_);
    POINT caret = {cells.X(9), cells.Top(11)};
    ClientToScreen(editor_, &caret);
    RECT box;
    GetWindowRect(confirm, &box);
    EXPECT_NEAR(caret.x + 2, box.left, 2);
    EXPECT_NEAR(caret.y - cells.height, box.bottom, 2);
    EXPECT_NE(std::string::npos, e2e::StaticTexts(confirm).find("置き換えますか？"));
    Shoot("search-replace-confirm");
    e2e::Press('Y', {VK_MENU});
    ASSERT_TRUE(Gone("確認"));
    const std::string replaced = text + "three pig\r\n";
    EXPECT_EQ(replaced, WaitText(replaced)) << "OK replaces the next match only";
}

TEST_F(Search, GoToARowFarBelowScrollsItToAThirdFromTheTop) {
    std::string text;
    for (int i = 1; i <= 400; ++i) text += "line " + std::to_string(i) + "\r\n";
    Open(text);
    e2e::Press('J', {VK_CONTROL});
    HWND dialog = Dialog("指定行");
    ASSERT_NE(nullptr, dialog) << "no go-to-line dialog";
    EXPECT_EQ("1", ControlText(dialog, 3121, "1")) << "the caret's row is offered";
    SendMessageA(GetDlgItem(dialog, 3121), EM_SETSEL, 0, -1);
    e2e::Type("300");
    Shoot("search-jump-dialog");
    e2e::Press(VK_RETURN);
    ASSERT_TRUE(Gone("指定行"));
    EXPECT_EQ("300:1", WaitCaret("300:1"));
    // The row at the top of the view, clicked: its number shows in the status bar.
    e2e::EditorCells cells(editor_);
    RECT client;
    GetClientRect(editor_, &client);
    const int visible = (client.bottom - 2) / cells.height;
    e2e::MouseTo(editor_, cells.X(0) + 2, cells.Y(0));
    e2e::LeftDown();
    e2e::LeftUp();
    int top = 0;
    e2e::WaitFor([&] { return std::sscanf(Caret().c_str(), "%d:", &top) == 1 && top != 300; }, 5000);
    EXPECT_NEAR(visible / 3, 300 - top, 1) << visible << " rows shown from row " << top;
}

TEST_F(Search, HistoryEntryWithSpacesSurvivesARestart) {
    Open("a  spaced  b\r\n");
    e2e::Press('F', {VK_CONTROL});
    ASSERT_NE(nullptr, Dialog("検索"));
    e2e::Type("  spaced  ");
    e2e::Press(VK_RETURN);
    ASSERT_TRUE(Gone("検索"));
    EXPECT_EQ("1:12", WaitCaret("1:12"));
    zefnote_.reset();
    EXPECT_NE(std::string::npos, settings_->Read().find("Item0=%  spaced  %"))
        << settings_->Read();

    // Started again on the same settings file, without a selection.
    zefnote_.reset(new e2e::ZefnoteProcess(""));
    main_ = zefnote_->WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main_);
    editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    e2e::Press('F', {VK_CONTROL});
    HWND dialog = Dialog("検索");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("  spaced  ", ControlText(dialog, ComboBox1, "  spaced  ")) << "the newest item, spaces kept";
    e2e::Press(VK_ESCAPE);
    EXPECT_TRUE(Gone("検索"));
}
