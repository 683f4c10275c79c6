// Printing as a user prints: Zefnote.exe prints a three-page Japanese document on the
// test printer (Wine's PostScript driver writing to a file) from the menu through the
// print dialog, and with "/p" from the command line; the job is read back as text and
// page images (kept in artifacts/print-e2e).
#include "support/win32/printed_document.h"
#include "support/win32/test_printer.h"
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace pd = printed_document;
using pd::Line;
using pd::LineOf;
using pd::Utf8;
using pd::WithoutSpaces;

const char* const Sentences[] = {
    "吾輩は猫である。名前はまだ無い。",
    "どこで生れたかとんと見当がつかぬ。",
    "何でも薄暗いじめじめした所で泣いていた事だけは記憶している。",
    "表示・ソフト・能力：二バイト目が 0x5C の文字。",
};

// The rows of the default settings' font that fit between the header and the footer band
// of a page of the test printer (margins 15 mm top and bottom).
int RowsPerPage() {
    HDC DC = CreateDCA("WINSPOOL", test_printer::Name, nullptr, nullptr);
    if (!DC) return 0;
    LOGFONTA LF = {};
    LF.lfHeight = -MulDiv(12, GetDeviceCaps(DC, LOGPIXELSY), 72);
    LF.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(LF.lfFaceName, "ＭＳ ゴシック", LF_FACESIZE);
    HFONT Font = CreateFontIndirectA(&LF);
    HGDIOBJ Old = SelectObject(DC, Font);
    TEXTMETRICA M = {};
    GetTextMetricsA(DC, &M);
    const int H = M.tmHeight + M.tmExternalLeading;
    const int Margin = static_cast<int>(std::lround(GetDeviceCaps(DC, LOGPIXELSX) * 15 / 25.4));
    const int Rows = (GetDeviceCaps(DC, VERTRES) - 2 * Margin - 6 * H) / H;
    SelectObject(DC, Old);
    DeleteObject(Font);
    DeleteDC(DC);
    return Rows;
}

class PrintFromZefnote : public testing::Test {
protected:
    void SetUp() override {
        Folder = e2e::TestPaths().artifacts + "\\print-e2e";
        CreateDirectoryA(e2e::TestPaths().artifacts.c_str(), nullptr);
        CreateDirectoryA(Folder.c_str(), nullptr);
        Port = Folder + "\\printer-port.ps";
        ASSERT_EQ("", test_printer::Install(Port));
        DeleteFileA(Port.c_str());
        Rows = RowsPerPage();
        ASSERT_GT(Rows, 10);
        // Two and a half pages of lines.
        for (int I = 1; I <= 2 * Rows + Rows / 2; ++I)
            Lines.push_back("第" + std::to_string(I) + "行：" + Sentences[I % 4]);
        std::string Bytes;
        for (const std::string& L : Lines) Bytes += L + "\r\n";
        Document = e2e::WriteArtifact("print-sample.txt", Bytes);
    }

    // The job in the port file once the driver has ended it, read back.
    pd::Document ReadJob(const std::string& Name) {
        EXPECT_TRUE(e2e::WaitFor([&] { return pd::ReadFileBytes(Port).find("%%EOF") != std::string::npos; }, 60000))
            << "nothing printed into " << Port;
        std::string All = "[ print-sample.txt ]-:0123456789";
        for (const std::string& L : Lines) All += L;
        return pd::Convert(Port, "ＭＳ ゴシック", pd::Wide(All, 932), Folder + "\\" + Name);
    }

    // Three pages: the header with the file name at the top, the footer with the page
    // number at the bottom, both centred, and between them the document's text (each line
    // after its number with Numbers).
    void CheckPages(const pd::Document& Doc, bool Numbers) {
        ASSERT_EQ("", Doc.Error);
        ASSERT_EQ(3u, Doc.Pages.size());
        const std::string Header = "[print-sample.txt]";
        std::string Body;
        for (std::size_t Page = 0; Page < 3; ++Page) {
            const std::string Text = WithoutSpaces(Doc.Pages[Page]);
            const std::string Footer = "-" + std::to_string(Page + 1) + "-";
            ASSERT_EQ(0u, Text.find(Header)) << Doc.Pages[Page];
            ASSERT_EQ(Footer, Text.substr(Text.size() - Footer.size())) << Doc.Pages[Page];
            Body += Text.substr(Header.size(), Text.size() - Header.size() - Footer.size());
            ASSERT_FALSE(Doc.Words[Page].empty());
            const Line Top = LineOf(Doc.Words[Page], Doc.Words[Page].front());
            const Line Bottom = LineOf(Doc.Words[Page], Doc.Words[Page].back());
            EXPECT_EQ(Header, Top.Text);
            EXPECT_EQ(Footer, Bottom.Text);
            // 15 mm is 42.5 points; the printable area starts 36 points in.
            EXPECT_NEAR(36 + 42.5, Top.YMin, 6);
            EXPECT_NEAR(Doc.PageHeight - 36 - 42.5, Bottom.YMax, 6);
            EXPECT_NEAR(Doc.PageWidth / 2, (Top.XMin + Top.XMax) / 2, 6);
            EXPECT_NEAR(Doc.PageWidth / 2, (Bottom.XMin + Bottom.XMax) / 2, 6);
        }
        std::string Expected;
        for (std::size_t I = 0; I < Lines.size(); ++I)
            Expected += (Numbers ? std::to_string(I + 1) + ":" : "") + Utf8(Lines[I]);
        EXPECT_EQ(WithoutSpaces(Expected), Body);
    }

    std::string Folder, Port, Document;
    int Rows = 0;
    std::vector<std::string> Lines;
};

HWND ButtonOf(HWND Dialog, const char* Caption) { return FindWindowExA(Dialog, nullptr, "Button", Caption); }

// A left click in the middle of Control, as the user's mouse gives it.
void Click(HWND Control) {
    RECT R;
    GetClientRect(Control, &R);
    e2e::MouseTo(Control, (R.right - R.left) / 2, (R.bottom - R.top) / 2);
    e2e::LeftDown();
    e2e::LeftUp();
}

TEST_F(PrintFromZefnote, CtrlPOpensTheDialogWhoseLineNumbersArePrinted) {
    e2e::SettingsFile Settings("");
    e2e::ZefnoteProcess Zefnote("\"" + Document + "\"");
    ASSERT_TRUE(Zefnote.Started());
    HWND Main = Zefnote.WaitForMainWindow("TZefnoteMainForm", 30000);
    ASSERT_NE(nullptr, Main);
    HWND Editor = FindWindowExA(Main, nullptr, "TEditor", nullptr);
    ASSERT_TRUE(e2e::Activate(Main, Editor, 10000));
    SendMessageA(Main, WM_NULL, 0, 0); // the window has taken its start-up messages
    e2e::Press('P', {VK_CONTROL});
    HWND Dialog = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (Dialog = e2e::FindDialog(Zefnote.Id(), "印刷")) != nullptr; }, 10000))
        << "no print dialog";

    // The defaults, and the printer's name.
    HWND Left = GetDlgItem(Dialog, 301);
    EXPECT_EQ("20", e2e::EditorText(Left));
    EXPECT_NE(nullptr, FindWindowExA(Dialog, nullptr, "Static", test_printer::Name));
    HWND Apply = ButtonOf(Dialog, "適用(&A)");
    ASSERT_NE(nullptr, Apply);
    EXPECT_FALSE(IsWindowEnabled(Apply));

    HWND Numbers = ButtonOf(Dialog, "行番号を出力");
    ASSERT_NE(nullptr, Numbers);
    Click(Numbers);
    ASSERT_TRUE(e2e::WaitFor([&] { return SendMessageA(Numbers, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000));
    EXPECT_TRUE(e2e::WaitFor([&] { return IsWindowEnabled(Apply) != FALSE; }, 5000));
    Click(ButtonOf(Dialog, "印刷(&P)"));

    pd::Document Doc = ReadJob("menu-with-numbers");
    if (Doc.Error.compare(0, 7, "missing") == 0) GTEST_SKIP() << Doc.Error;
    CheckPages(Doc, true);
    EXPECT_NE(std::string::npos, Settings.Read().find("ColNum=1")) << Settings.Read();
}

TEST_F(PrintFromZefnote, SlashPPrintsTheDocumentAndEndsWithoutAWindow) {
    e2e::SettingsFile Settings("[Print]\r\nColNum=0\r\nColPitch=2\r\n");
    e2e::ZefnoteProcess Zefnote("/p \"" + Document + "\"");
    ASSERT_TRUE(Zefnote.Started());
    ASSERT_TRUE(Zefnote.WaitForExit(60000)) << "Zefnote.exe /p did not end";
    EXPECT_EQ(0u, Zefnote.ExitCode());
    EXPECT_EQ(std::string::npos, Settings.Read().find("ColPitch")) << Settings.Read();

    pd::Document Doc = ReadJob("slash-p");
    if (Doc.Error.compare(0, 7, "missing") == 0) GTEST_SKIP() << Doc.Error;
    CheckPages(Doc, false);
}

} // namespace
