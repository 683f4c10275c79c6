// Zefnote.exe opens the file named on its command line and shows it.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

TEST(Viewer, ShowsTheFileNamedOnTheCommandLine) {
    const std::string sample = e2e::TestPaths().samples + "\\sample-sjis.txt";
    e2e::ZefnoteProcess zefnote("\"" + sample + "\"");
    ASSERT_TRUE(zefnote.Started()) << "could not start " << e2e::TestPaths().zefnote;
    HWND main = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main) << "no visible TZefnoteMainForm window within 30 s";
    EXPECT_EQ("sample-sjis.txt - Zefnote", e2e::WindowText(main));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(zefnote.WaitForExit(10000)) << "Zefnote.exe did not exit after WM_CLOSE";
    EXPECT_EQ(0u, zefnote.ExitCode());
}

TEST(Viewer, WithoutAFileTheDocumentIsUntitled) {
    e2e::ZefnoteProcess zefnote("");
    ASSERT_TRUE(zefnote.Started());
    HWND main = zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(std::string("無題") + " - Zefnote", e2e::WindowText(main));
}
