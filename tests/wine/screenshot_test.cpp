// Zefnote.exe as it shows on the X display: the editor's text, tabs, wrap, end mark
// and selection at their cells.
#include "wine/screenshot_support.h"

using e2e::Screenshot;

TEST_F(Screenshot, TextTabsWrapEndMarkAndSelectionAtTheirCells) {
    // Row 0: 16 columns of Japanese, a tab to column 24, two more characters.  Row 1 and 2:
    // one line of 100 columns wrapped at 80.  Row 3: the last line, without line break.
    std::string longLine(100, 'w');
    std::string text = "日本語のテキスト\tタブ\r\n" + longLine + "\r\n最後の行";
    std::string path = e2e::WriteArtifact("screenshot-sample.txt", text);
    // The editor keeps its start font and margin, the ones the cells are measured in.
    e2e::SettingsFile settings(e2e::CellSettings + std::string("WordWrap=1\r\nWrapCount=80\r\nWordBreak=0\r\n"));
    ASSERT_NO_FATAL_FAILURE(Start("\"" + path + "\"", text));

    // Row 1, columns 0 ... 4 selected.
    e2e::Press(VK_DOWN);
    for (int i = 0; i < 5; ++i)
        e2e::Press(VK_RIGHT, {VK_SHIFT});
    UpdateWindow(editor_);
    // The paint is done when the editor answers again.
    SendMessageA(editor_, WM_NULL, 0, 0);
    ASSERT_TRUE(Take("screenshot")) << "no screenshot from import";

    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF gray = RGB(0x00, 0x80, 0x80);  // the end-of-file mark: teal
    const COLORREF navy = RGB(0x00, 0x00, 0x80);  // the selection background
    const COLORREF white = RGB(0xFF, 0xFF, 0xFF); // the selected text

    EXPECT_GT(Count(0, 0, 16, ink), Area(16) / 20) << "the Japanese text is not drawn";
    EXPECT_EQ(Area(7), Count(0, 17, 7, window)) << "the tab's columns are not blank";
    EXPECT_GT(Count(0, 24, 4, ink), Area(4) / 20) << "no text after the tab stop";
    EXPECT_GT(Count(2, 0, 20, ink), Area(20) / 20) << "the wrapped part is not drawn";
    // Column 20 holds the return mark.
    EXPECT_EQ(Area(20), Count(2, 21, 20, window)) << "the wrapped row is longer than 20";
    EXPECT_GT(Count(3, 8, 5, gray), Area(5) / 30) << "no [EOF] in the mark colour after the text";
    EXPECT_EQ(0, Count(3, 8, 5, ink));
    EXPECT_GT(Count(1, 0, 5, navy), Area(5) / 2) << "no selection background";
    EXPECT_GT(Count(1, 0, 5, white), 0) << "no selected text";
    EXPECT_EQ(0, Count(1, 6, 10, navy)) << "the selection reaches too far";
}

// The main window as the user sees it, kept in the artifacts folder: the tool bar and
// the status bar, the File menu with its history submenu, the View menu, the context
// menu.  Each menu is open when its picture is taken.
TEST_F(Screenshot, MainWindowWithItsBarsAndMenus) {
    const std::string sample = e2e::TestPaths().samples + "\\sample-sjis.txt";
    e2e::SettingsFile settings("[Option]\r\nWordWrap=1\r\n[FileHistory]\r\nItemCount=2\r\nItem0=" + sample +
                               "\r\nItem1=C:\\missing\\gone.txt\r\n");
    e2e::ZefnoteProcess zefnote("\"" + sample + "\"");
    ASSERT_TRUE(zefnote.Started());
    main_ = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main_);
    editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, editor_);
    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    SendMessageA(main_, WM_NULL, 0, 0);
    ASSERT_TRUE(Take("main-window"));
    EXPECT_TRUE(e2e::ChildVisible(main_, "ToolbarWindow32"));
    EXPECT_TRUE(e2e::ChildVisible(main_, "msctls_statusbar32"));
    EXPECT_EQ("[80]", e2e::StatusPanelText(main_, 3));

    struct Menu {
        const char* Name;
        std::initializer_list<WORD> Keys;
    } menus[] = {{"menu-file-history", {'F', 'R'}}, {"menu-view", {'V'}}, {"menu-edit", {'E'}}};
    for (const Menu& m : menus) {
        SCOPED_TRACE(m.Name);
        bool first = true;
        for (WORD key : m.Keys) {
            if (first)
                e2e::Press(key, {VK_MENU});
            else
                e2e::Press(key);
            first = false;
        }
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote.Id()) != nullptr; }, 5000));
        Sleep(300);
        EXPECT_TRUE(Take(m.Name));
        for (size_t i = 0; i < m.Keys.size(); ++i)
            e2e::Press(VK_ESCAPE);
        e2e::Press(VK_ESCAPE);
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote.Id()) == nullptr; }, 5000));
    }

    // The context menu from the keyboard.
    e2e::Press(VK_F10, {VK_SHIFT});
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FindPopupMenu(zefnote.Id()) != nullptr; }, 5000));
    Sleep(300);
    EXPECT_TRUE(Take("menu-context"));
    e2e::Press(VK_ESCAPE);
}
