// Zefnote.exe opens the file named on its command line in its editor control.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

TEST(MainWindow, ShowsTheFileNamedOnTheCommandLine) {
    const std::string sample = e2e::TestPaths().samples + "\\sample-sjis.txt";
    e2e::ZefnoteProcess zefnote("\"" + sample + "\"");
    ASSERT_TRUE(zefnote.Started()) << "could not start " << e2e::TestPaths().zefnote;
    HWND main = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main) << "no visible TZefnoteMainForm window within 30 s";
    EXPECT_EQ("sample-sjis.txt - Zefnote", e2e::WindowText(main));
    HWND editor = FindWindowExA(main, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, editor) << "the client area holds no TEditor";
    std::string text = e2e::EditorText(editor);
    EXPECT_EQ(0u, text.find("Zefnote サンプル文書")) << text.substr(0, 40);

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(zefnote.WaitForExit(10000)) << "Zefnote.exe did not exit after WM_CLOSE";
    EXPECT_EQ(0u, zefnote.ExitCode());
}

TEST(MainWindow, WithoutAFileTheDocumentIsUntitled) {
    e2e::ZefnoteProcess zefnote("");
    ASSERT_TRUE(zefnote.Started());
    HWND main = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(std::string("無題") + " - Zefnote", e2e::WindowText(main));
    HWND editor = FindWindowExA(main, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("", e2e::EditorText(editor));
}

// The command line's file goes through the loader's own entry point: zero bytes are
// loaded as spaces and the user is told how many there were.
TEST(MainWindow, ZeroBytesInTheFileAreReported) {
    const std::string file = e2e::WriteArtifact("zero-bytes.txt", std::string("a\0b\0c\r\n", 7));
    e2e::ZefnoteProcess zefnote("\"" + file + "\"");
    ASSERT_TRUE(zefnote.Started());
    HWND box = e2e::WaitForDialog(zefnote.Id(), 30000);
    ASSERT_NE(nullptr, box) << "no message box within 30 s";
    EXPECT_EQ("Zefnote", e2e::WindowText(box));
    EXPECT_NE(std::string::npos, e2e::StaticTexts(box).find("NUL 文字 2 個は空白にして読み込みました"))
        << e2e::StaticTexts(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ("zero-bytes.txt - Zefnote", e2e::WindowText(main));
    HWND editor = FindWindowExA(main, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("a b c\r\n", e2e::EditorText(editor));
}
