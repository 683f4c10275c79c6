// Real print jobs under Wine: the strings printer on the spooler's printer device
// context, through Wine's PostScript driver into a file, read back as text and pictures.
#include "platform/win32/clock_win32.h"
#include "platform/win32/print_canvas_win32.h"
#include "print/strings_printer.h"
#include "support/win32/printed_document.h"
#include "support/win32/test_printer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace pd = printed_document;
using pd::Line;
using pd::LineOf;
using pd::Utf8;
using pd::WithoutSpaces;

// build/<preset>/artifacts/print, beside the bin folder of this program.
std::string ArtifactsFolder() {
    char Path[MAX_PATH];
    GetModuleFileNameA(nullptr, Path, MAX_PATH);
    std::string Folder(Path);
    Folder = Folder.substr(0, Folder.find_last_of('\\')); // bin
    Folder = Folder.substr(0, Folder.find_last_of('\\')) + "\\artifacts";
    CreateDirectoryA(Folder.c_str(), nullptr);
    Folder += "\\print";
    CreateDirectoryA(Folder.c_str(), nullptr);
    return Folder;
}

const char* const Sentences[] = {
    "吾輩は猫である。名前はまだ無い。",
    "どこで生れたかとんと見当がつかぬ。",
    "何でも薄暗いじめじめした所で泣いていた事だけは記憶している。",
    "「カタカナ」と、ひらがな、漢字、ABC 123 が混ざった行。",
    "表示・ソフト・能力：二バイト目が 0x5C の文字。",
};

class PrintJob : public testing::Test {
protected:
    void SetUp() override {
        Folder = ArtifactsFolder();
        Port = Folder + "\\printer-port.ps";
        std::string Failed = test_printer::Install(Port);
        ASSERT_EQ("", Failed);
        Printer.SetTitle("Zefnote");
        P.SetMarginLeft(20);
        P.SetMarginRight(20);
        P.SetMarginTop(15);
        P.SetMarginBottom(15);
        P.SetHeader("[ %F ]");
        P.SetHeaderAlign(haCenter);
        P.SetFooter("- %p -");
        P.SetFooterAlign(haCenter);
        P.SetFileName("C:\\doc\\印刷見本.txt");
        P.Font().SetName("ＭＳ ゴシック");
        P.Font().SetSize(12);
    }
    // Lines of Japanese prose, one of them wrapped over several rows.
    static std::vector<std::string> Prose(int Count) {
        std::vector<std::string> Lines;
        for (int I = 1; I <= Count; ++I) {
            std::string Line = "第" + std::to_string(I) + "行：" + Sentences[I % 5];
            if (I == 7)
                for (int K = 0; K < 4; ++K)
                    Line += Sentences[K];
            Lines.push_back(Line);
        }
        return Lines;
    }
    // The rows that fit on a page between the header and the footer band.
    int RowsPerPage() {
        Printer.SetFont(P.Font());
        TTextMetrics M = Printer.TextMetrics();
        TPrintPage Page = Printer.Page();
        int H = M.Height + M.ExternalLeading;
        int Margins = 2 * MillimetersToPixels(15, Page.PixelsPerInchX);
        return (Page.Height - Margins - 6 * H) / H;
    }
    // Prints Lines and reads the job back from PsFile; false (with the test skipped or
    // failed) when it cannot be read.
    pd::Document PrintAndRead(const std::vector<std::string>& Lines, const std::string& PsFile,
                              const std::string& Name) {
        DeleteFileA(PsFile.c_str());
        P.PrintStrings(Lines);
        // The driver ends a job's PostScript with "%%EOF".
        EXPECT_TRUE(pd::WaitFor([&] { return pd::ReadFileBytes(PsFile).find("%%EOF") != std::string::npos; }, 30000))
            << "no PostScript in " << PsFile;
        std::string All = P.FormatHeaderText(P.Header());
        for (const std::string& L : Lines)
            All += L;
        return pd::Convert(PsFile, P.Font().Name(), pd::Wide(All + "-:0123456789", 932), Folder + "\\" + Name);
    }

    std::string Folder, Port;
    TWin32PrintCanvas Printer;
    TWin32Clock Clock;
    TStringsPrinter P{Printer, Clock};
};

TEST_F(PrintJob, AThreePageJapaneseDocumentWithHeaderAndFooterInTheirPlaces) {
    EXPECT_EQ(test_printer::Name, P.Info().GetPrinterName());
    const int Rows = RowsPerPage();
    ASSERT_GT(Rows, 10);
    // Two and a half pages of rows, the wrapped line among them.
    std::vector<std::string> Lines = Prose(2 * Rows + Rows / 2 - 4);
    pd::Document Doc = PrintAndRead(Lines, Port, "three-pages");
    if (Doc.Error.compare(0, 7, "missing") == 0) GTEST_SKIP() << Doc.Error;
    ASSERT_EQ("", Doc.Error);

    ASSERT_EQ(3u, Doc.Pages.size());
    std::string Header = Utf8("[印刷見本.txt]");
    std::string Body;
    for (std::size_t Page = 0; Page < 3; ++Page) {
        std::string Text = WithoutSpaces(Doc.Pages[Page]);
        std::string Footer = "-" + std::to_string(Page + 1) + "-";
        ASSERT_EQ(0u, Text.find(Header)) << Doc.Pages[Page];
        ASSERT_GE(Text.size(), Header.size() + Footer.size());
        ASSERT_EQ(Footer, Text.substr(Text.size() - Footer.size())) << Doc.Pages[Page];
        Body += Text.substr(Header.size(), Text.size() - Header.size() - Footer.size());

        // Header at the top margin, footer at the bottom one, both centred (in points:
        // 15 mm is 42.5, the printable area starts 36 points down).
        ASSERT_FALSE(Doc.Words[Page].empty());
        Line Top = LineOf(Doc.Words[Page], Doc.Words[Page].front());
        Line Bottom = LineOf(Doc.Words[Page], Doc.Words[Page].back());
        EXPECT_EQ(Header, Top.Text);
        EXPECT_EQ(Footer, Bottom.Text);
        EXPECT_NEAR(36 + 42.5, Top.YMin, 6);
        EXPECT_NEAR(Doc.PageHeight - 36 - 42.5, Bottom.YMax, 6);
        EXPECT_NEAR(Doc.PageWidth / 2, (Top.XMin + Top.XMax) / 2, 6);
        EXPECT_NEAR(Doc.PageWidth / 2, (Bottom.XMin + Bottom.XMax) / 2, 6);
    }
    std::string Expected;
    for (const std::string& L : Lines)
        Expected += Utf8(L);
    EXPECT_EQ(WithoutSpaces(Expected), Body);
}

TEST_F(PrintJob, LineNumbersRightAlignedIntoAnOutputFileOfTheJob) {
    P.SetLineNumber(true);
    P.SetHeaderAlign(haNone);
    std::string File = Folder + "\\numbered-output.ps";
    Printer.SetOutputFile(File);
    std::vector<std::string> Lines = Prose(12);
    Lines[3].clear(); // an empty line keeps its number
    pd::Document Doc = PrintAndRead(Lines, File, "numbered");
    if (Doc.Error.compare(0, 7, "missing") == 0) GTEST_SKIP() << Doc.Error;
    ASSERT_EQ("", Doc.Error);
    ASSERT_EQ(1u, Doc.Pages.size());

    std::string Expected;
    for (std::size_t I = 0; I < Lines.size(); ++I)
        Expected += std::to_string(I + 1) + ":" + Utf8(Lines[I]);
    EXPECT_EQ(WithoutSpaces(Expected) + "-1-", WithoutSpaces(Doc.Pages[0]));
    // No header band: the first line is at the top margin.
    EXPECT_NEAR(36 + 42.5, Doc.Words[0].front().YMin, 6);
    // "9:" and "10:" end in the same column.
    std::string Text = Doc.Pages[0];
    std::size_t Nine = Text.find("9:" + Utf8("第9行"));
    std::size_t Ten = Text.find("10:" + Utf8("第10行"));
    ASSERT_NE(std::string::npos, Nine);
    ASSERT_NE(std::string::npos, Ten);
    EXPECT_EQ(Nine - Text.rfind('\n', Nine), Ten + 1 - Text.rfind('\n', Ten));
}

} // namespace
