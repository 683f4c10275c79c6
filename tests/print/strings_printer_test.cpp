#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_print_canvas.h"
#include "print/strings_printer.h"

#include <gtest/gtest.h>

namespace {

using TPrinted = THeadlessPrintCanvas::TPrinted;

TEST(StringsPrinterProperties, ClampDefaultAndAssign) {
    THeadlessPrintCanvas Canvas;
    THeadlessClock Clock;
    TStringsPrinter P(Canvas, Clock);
    EXPECT_EQ(1, P.ColumnCount());
    EXPECT_EQ(4, P.ColumnSpace());
    EXPECT_EQ(haNone, P.HeaderAlign());
    EXPECT_EQ(haNone, P.FooterAlign());

    P.SetColumnCount(0);
    EXPECT_EQ(1, P.ColumnCount());
    P.SetColumnCount(5);
    EXPECT_EQ(3, P.ColumnCount());
    P.SetColumnSpace(101);
    EXPECT_EQ(100, P.ColumnSpace());
    P.SetColumnSpace(-1);
    EXPECT_EQ(0, P.ColumnSpace());
    P.SetMarginLeft(150);
    P.SetMarginRight(-5);
    P.SetMarginTop(100);
    P.SetMarginBottom(7);
    EXPECT_EQ(100, P.MarginLeft());
    EXPECT_EQ(0, P.MarginRight());
    EXPECT_EQ(100, P.MarginTop());
    EXPECT_EQ(7, P.MarginBottom());

    P.SetColumnCount(2);
    P.SetFileName("C:\\a.txt");
    P.SetHeader("H");
    P.SetHeaderAlign(haRight);
    P.SetFooter("F");
    P.SetFooterAlign(haLeft);
    P.SetLineNumber(true);
    P.Font().SetName("Courier");
    P.Font().SetSize(9);
    TStringsPrinter Copy(Canvas, Clock);
    Copy.Assign(P);
    EXPECT_EQ(2, Copy.ColumnCount());
    EXPECT_EQ(0, Copy.ColumnSpace());
    EXPECT_EQ("C:\\a.txt", Copy.FileName());
    EXPECT_EQ("H", Copy.Header());
    EXPECT_EQ(haRight, Copy.HeaderAlign());
    EXPECT_EQ("F", Copy.Footer());
    EXPECT_EQ(haLeft, Copy.FooterAlign());
    EXPECT_TRUE(Copy.LineNumber());
    EXPECT_EQ(100, Copy.MarginLeft());
    EXPECT_EQ(0, Copy.MarginRight());
    EXPECT_EQ(100, Copy.MarginTop());
    EXPECT_EQ(7, Copy.MarginBottom());
    EXPECT_EQ("Courier", Copy.Font().Name());
    EXPECT_EQ(9, Copy.Font().Size());
}

TEST(StringsPrinterProperties, MillimetresRoundToTheNearestPixel) {
    EXPECT_EQ(295, MillimetersToPixels(25, 300));            // 295.28
    EXPECT_EQ(472, MillimetersToPixels(20, 600));            // 472.44
    EXPECT_EQ(177, MillimetersToPixels(15, 300));            // 177.17
    EXPECT_EQ(118, MillimetersToPixels(10, 300));            // 118.11
    EXPECT_EQ(4, MillimetersToPixels(1, 96));                // 3.78
    EXPECT_EQ(1181, MillimetersToPixels(100, 300));          // 1181.10
    EXPECT_EQ(0, MillimetersToPixels(0, 600));
    EXPECT_EQ(-4, MillimetersToPixels(-1, 96)); // -3.78
    EXPECT_EQ(1000, MillimetersToPixels(100, 254));
}

TEST(StringsPrinterFormat, EveryPlaceholder) {
    THeadlessPrintCanvas Canvas;
    THeadlessClock Clock;
    Clock.Time = {2009, 1, 5, 9, 3, 7};
    TStringsPrinter P(Canvas, Clock);
    P.SetFileName("C:\\doc\\memo.txt");
    EXPECT_EQ("[ memo.txt ]", P.FormatHeaderText("[ %F ]"));
    EXPECT_EQ("C:\\doc\\memo.txt", P.FormatHeaderText("%f"));
    EXPECT_EQ("2009/1/5 9:03:07", P.FormatHeaderText("%y/%m/%d %t"));
    EXPECT_EQ("100% x; 日", P.FormatHeaderText("100%% %x; %日"));
    // A "%" that ends the template is printed as typed.
    EXPECT_EQ("50%", P.FormatHeaderText("50%"));
    EXPECT_EQ("%", P.FormatHeaderText("%"));
    EXPECT_EQ("", P.FormatHeaderText(""));

    P.SetFileName("D:memo.txt");
    EXPECT_EQ("memo.txt", P.FormatHeaderText("%F"));
    // The second byte of "表" and "ソ" is a backslash's byte; it parts no path.
    P.SetFileName("C:\\文書\\表ソ.txt");
    EXPECT_EQ("表ソ.txt", P.FormatHeaderText("%F"));
    P.SetFileName("無題");
    EXPECT_EQ("[ 無題 ]", P.FormatHeaderText("[ %F ]"));
}

// A page of 2000 x 3000 pixels at 254 dots per inch: one millimetre is 10 pixels.
// Lines are 40 pixels high, a single-byte character 20 wide, a double-byte one 40.
class StringsPrinterLayout : public testing::Test {
protected:
    StringsPrinterLayout() : P(Canvas, Clock) {
        Canvas.PageSize = {2000, 3000, 254, 254};
        Canvas.Metrics = {36, 4, 20, true};
        P.SetMarginLeft(10);
        P.SetMarginRight(10);
        P.SetMarginTop(10);
        P.SetMarginBottom(10);
    }
    static std::vector<std::string> Numbered(int Count, const std::string& Text = "行") {
        std::vector<std::string> Lines;
        for (int I = 1; I <= Count; ++I)
            Lines.push_back(Text + std::to_string(I));
        return Lines;
    }
    const std::vector<THeadlessPrintCanvas::TPrintedPage>& Pages() const {
        return Canvas.LastJob().Pages;
    }
    // The texts of a page whose text begins with Prefix.
    std::vector<TPrinted> Find(std::size_t Page, const std::string& Prefix) const {
        std::vector<TPrinted> Out;
        for (const TPrinted& T : Pages().at(Page).Texts)
            if (T.Text.compare(0, Prefix.size(), Prefix) == 0) Out.push_back(T);
        return Out;
    }
    TPrinted Only(std::size_t Page, const std::string& Text) const {
        std::vector<TPrinted> Found;
        for (const TPrinted& T : Pages().at(Page).Texts)
            if (T.Text == Text) Found.push_back(T);
        EXPECT_EQ(1u, Found.size()) << Text << " on page " << Page + 1;
        return Found.empty() ? TPrinted() : Found[0];
    }

    THeadlessPrintCanvas Canvas;
    THeadlessClock Clock;
    TStringsPrinter P;
};

TEST_F(StringsPrinterLayout, HeaderAndFooterBandsWithFileNameAndPageNumber) {
    P.SetFileName("C:\\doc\\memo.txt");
    P.SetHeader("[ %F ]");
    P.SetHeaderAlign(haCenter);
    P.SetFooter("- %p -");
    P.SetFooterAlign(haCenter);
    // Text area: 100 + 3 * 40 = 220 down to 2900 - 3 * 40 = 2780, 64 lines a page.
    P.PrintStrings(Numbered(150));
    ASSERT_EQ(3u, Pages().size());
    EXPECT_TRUE(Canvas.LastJob().Ended);
    for (std::size_t Page = 0; Page < 3; ++Page) {
        TPrinted Header = Only(Page, "[ memo.txt ]");
        EXPECT_EQ(100, Header.Y);
        EXPECT_EQ(100 + (1800 - 12 * 20) / 2, Header.X);
        std::string Number = "- " + std::to_string(Page + 1) + " -";
        TPrinted Footer = Only(Page, Number);
        EXPECT_EQ(2900 - 36, Footer.Y);
        EXPECT_EQ(100 + (1800 - 5 * 20) / 2, Footer.X);
        EXPECT_EQ(Page < 2 ? 66u : 24u, Pages()[Page].Texts.size());
    }
    EXPECT_EQ(220, Only(0, "行1").Y);
    EXPECT_EQ(220 + 63 * 40, Only(0, "行64").Y);
    EXPECT_EQ(220, Only(1, "行65").Y);
    EXPECT_EQ(220, Only(2, "行129").Y);
    EXPECT_EQ(100, Only(2, "行129").X);
    EXPECT_EQ(0, P.PageNumber());

    // Left and right alignment; each job numbers its pages from 1 again.
    P.SetHeaderAlign(haLeft);
    P.SetFooterAlign(haRight);
    P.PrintStrings(Numbered(3));
    ASSERT_EQ(1u, Pages().size());
    EXPECT_EQ(100, Only(0, "[ memo.txt ]").X);
    EXPECT_EQ(1900 - 5 * 20, Only(0, "- 1 -").X);
}

TEST_F(StringsPrinterLayout, NoBandWithoutAlignmentOrTemplate) {
    P.SetHeader("[ %F ]");
    P.SetHeaderAlign(haNone);
    P.SetFooter("");
    P.SetFooterAlign(haCenter);
    // The text runs from the top margin to the bottom margin: 70 lines a page.
    P.PrintStrings(Numbered(71));
    ASSERT_EQ(2u, Pages().size());
    EXPECT_EQ(70u, Pages()[0].Texts.size());
    EXPECT_EQ(100, Only(0, "行1").Y);
    EXPECT_EQ(100 + 69 * 40, Only(0, "行70").Y);
    EXPECT_EQ(100, Only(1, "行71").Y);
}

TEST_F(StringsPrinterLayout, LineNumbersRightAlignedInAGutterOfDigitsPlusTwo) {
    P.SetLineNumber(true);
    P.PrintStrings(Numbered(120, "本文"));
    ASSERT_EQ(2u, Pages().size());
    // 3 digits + 2: a gutter of 5 average widths, the text right after it.
    const int TextLeft = 100 + 5 * 20;
    int Seen = 0;
    for (std::size_t Page = 0; Page < Pages().size(); ++Page)
        for (const TPrinted& T : Pages()[Page].Texts) {
            if (T.Text.compare(0, 4, "本文") == 0) {
                EXPECT_EQ(TextLeft, T.X);
                continue;
            }
            int Number = std::stoi(T.Text);
            EXPECT_EQ(std::to_string(Number) + ":", T.Text);
            EXPECT_EQ(TextLeft, T.X + static_cast<int>(T.Text.size()) * 20) << T.Text;
            EXPECT_EQ(T.Y, Only(Page, "本文" + std::to_string(Number)).Y);
            ++Seen;
        }
    EXPECT_EQ(120, Seen);
    EXPECT_EQ(100 + 3 * 20, Only(0, "1:").X);
    EXPECT_EQ(100 + 1 * 20, Only(1, "120:").X);

    // Columns: each one its own gutter, shifted by gap + gutter + column width.
    P.SetColumnCount(3);
    P.SetColumnSpace(5);
    P.PrintStrings(Numbered(150, "本文"));
    // (1900 - (100 + 100) - (50 + 100) * 2) div 3 = 466
    ASSERT_EQ(1u, Pages().size());
    EXPECT_EQ(100 + 100, Only(0, "本文1").X);
    EXPECT_EQ(100 + 100 + 50 + 100 + 466, Only(0, "本文71").X);
    EXPECT_EQ(100, Only(0, "本文71").Y);
    EXPECT_EQ(100 + 2 * (50 + 100 + 466) + 100 - 4 * 20, Only(0, "141:").X);
}

TEST_F(StringsPrinterLayout, AWrappedLineMovesWholeToTheNextColumnOrPage) {
    // 68 short lines leave room for two rows in the first column; the long line needs
    // three, so it starts at the top of the second column.  Column width:
    // (1900 - 100 - 100) div 2 = 850: 21 double-byte characters a row.
    std::vector<std::string> Lines = Numbered(68);
    std::string Long;
    for (int I = 0; I < 50; ++I)
        Long += "あ";
    Lines.push_back(Long);
    Lines.push_back("次");
    P.SetColumnCount(2);
    P.SetColumnSpace(10);
    P.PrintStrings(Lines);
    ASSERT_EQ(1u, Pages().size());
    std::vector<TPrinted> Rows = Find(0, "あ");
    ASSERT_EQ(3u, Rows.size());
    EXPECT_EQ(42u, Rows[0].Text.size());
    EXPECT_EQ(16u, Rows[2].Text.size());
    for (int R = 0; R < 3; ++R) {
        EXPECT_EQ(100 + 850 + 100, Rows[R].X);
        EXPECT_EQ(100 + R * 40, Rows[R].Y);
    }
    EXPECT_EQ(100 + 3 * 40, Only(0, "次").Y);

    // With one column it moves to the next page.
    P.SetColumnCount(1);
    P.PrintStrings(Numbered(69));
    Lines = Numbered(69);
    Lines.push_back(std::string(200, 'x'));
    P.PrintStrings(Lines);
    ASSERT_EQ(2u, Pages().size());
    EXPECT_EQ(69u, Pages()[0].Texts.size());
    std::vector<TPrinted> Second = Pages()[1].Texts;
    ASSERT_EQ(3u, Second.size()); // 90 + 90 + 20 characters
    EXPECT_EQ(100, Second[0].Y);
    EXPECT_EQ(180, Second[2].Y);
}

TEST_F(StringsPrinterLayout, ALineTallerThanAPageGoesOnOnTheNextPageWithNothingLost) {
    P.SetFooter("- %p -");
    P.SetFooterAlign(haCenter);
    P.SetLineNumber(true);
    // 100 + 2800 - 120: 67 rows a page; 160 rows of 90 characters.
    std::string Huge;
    for (int I = 0; I < 160 * 90; ++I)
        Huge += static_cast<char>('a' + I % 26);
    P.PrintStrings({"前", Huge, "後"});
    // It does not fit in the rest of page 1, so it starts on page 2 and goes on at the
    // top of pages 3 and 4.  A gutter of 3 widths leaves 87 characters a row; 166 rows
    // of 67 a page.
    ASSERT_EQ(4u, Pages().size());
    EXPECT_EQ(3u, Pages()[0].Texts.size()); // 1:, 前 and the footer
    std::string Printed;
    for (std::size_t Page = 1; Page < 4; ++Page) {
        for (const TPrinted& T : Pages()[Page].Texts)
            if (T.Text[0] >= 'a' && T.Text[0] <= 'z') {
                Printed += T.Text;
                EXPECT_LE(T.Y + 40, 2900 - 120);
            }
        Only(Page, "- " + std::to_string(Page + 1) + " -");
    }
    EXPECT_EQ(Huge, Printed);
    EXPECT_EQ(100, Only(1, "2:").Y);
    EXPECT_EQ(100, Find(1, "abc").at(0).Y);
    EXPECT_EQ(100, Find(2, "").at(0).Y);
    EXPECT_EQ(100 + 31 * 40, Find(3, "").at(31).Y);
    EXPECT_EQ(100 + 32 * 40, Only(3, "後").Y);
}

TEST_F(StringsPrinterLayout, AnEmptyLineTakesOneLineHeight) {
    P.PrintStrings({"a", "", "", "b"});
    EXPECT_EQ(100, Only(0, "a").Y);
    EXPECT_EQ(100 + 3 * 40, Only(0, "b").Y);
    EXPECT_EQ(2u, Pages()[0].Texts.size());

    // No lines: one page with its bands.
    P.SetHeader("H");
    P.SetHeaderAlign(haLeft);
    P.PrintStrings({});
    ASSERT_EQ(1u, Pages().size());
    EXPECT_EQ(1u, Pages()[0].Texts.size());
}

TEST_F(StringsPrinterLayout, MarginsTooWideForAnyTextStillPrintEveryLine) {
    Canvas.PageSize = {2000, 2100, 254, 254};
    P.SetMarginLeft(100);
    P.SetMarginRight(100);
    P.SetMarginTop(100);
    P.SetMarginBottom(100);
    P.SetHeader("H");
    P.SetHeaderAlign(haCenter);
    P.SetFooter("F");
    P.SetFooterAlign(haCenter);
    P.PrintStrings({"ab", "cd"});
    // The column has no width and the bands overlap: a character a row, a row a page.
    ASSERT_EQ(4u, Pages().size());
    const char* Expected[] = {"a", "b", "c", "d"};
    for (std::size_t Page = 0; Page < 4; ++Page) {
        EXPECT_EQ(1120, Only(Page, Expected[Page]).Y);
        EXPECT_EQ(1000, Only(Page, Expected[Page]).X);
    }
}

TEST_F(StringsPrinterLayout, ARefusedJobOrPageLeavesThePrinterFree) {
    Canvas.SetTitle("Zefnote");
    Canvas.RefuseJob = true;
    EXPECT_THROW(P.PrintStrings(Numbered(3)), EPrinter);
    EXPECT_TRUE(Canvas.Jobs.empty());
    Canvas.RefuseJob = false;

    Canvas.RefusePageAfter = 1;
    EXPECT_THROW(P.PrintStrings(Numbered(200)), EPrinter);
    EXPECT_TRUE(Canvas.LastJob().Aborted);
    EXPECT_FALSE(Canvas.Printing());
    EXPECT_EQ(0, P.PageNumber());

    Canvas.RefusePageAfter = 0;
    P.PrintStrings(Numbered(200));
    EXPECT_TRUE(Canvas.LastJob().Ended);
    EXPECT_EQ(3u, Pages().size());
    EXPECT_EQ("Zefnote", Canvas.LastJob().Title);
    EXPECT_EQ("Headless Printer", Canvas.LastJob().Printer);
    EXPECT_EQ("ＭＳ ゴシック", Pages()[0].Texts[0].FontName);
}

TEST(StringsPrinterInfo, NameOfTheCurrentPrinter) {
    THeadlessPrintCanvas Canvas;
    THeadlessClock Clock;
    TStringsPrinter P(Canvas, Clock);
    Canvas.PrinterNames = {"One", "Two"};
    Canvas.DefaultIndex = 1;
    EXPECT_EQ("Two", P.Info().GetPrinterName());
    Canvas.SetPrinterIndex(0);
    EXPECT_EQ("One", P.Info().GetPrinterName());
    Canvas.PrinterNames.clear();
    EXPECT_EQ("", P.Info().GetPrinterName());
    EXPECT_THROW(P.PrintStrings({"x"}), EPrinter);
}

} // namespace
