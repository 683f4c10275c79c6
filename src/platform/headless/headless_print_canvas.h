#pragma once
// A printer for native tests: a printer list of its own, a page and metrics fixed by the
// test, and a record of every job with its pages and the texts printed on them.  A
// single-byte character is AveCharWidth wide, a double-byte one twice that.  A test can
// make the printer refuse a job or a page.
#include "platform/print_canvas.h"

#include <string>
#include <vector>

class THeadlessPrintCanvas : public TPrintCanvas {
public:
    struct TPrinted {
        int X = 0, Y = 0;
        std::string Text;
        std::string FontName;
        int FontSize = 0;
        TFontStyles FontStyle{};
    };
    struct TPrintedPage {
        std::vector<TPrinted> Texts;
    };
    struct TJob {
        std::string Printer;
        std::string Title;
        std::vector<TPrintedPage> Pages;
        bool Ended = false;
        bool Aborted = false;
    };

    std::vector<std::string> Printers() const override { return PrinterNames; }
    int PrinterIndex() const override;
    void SetPrinterIndex(int Index) override { FIndex = Index; }

    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return FPrinting; }

    TPrintPage Page() const override { return PageSize; }
    void SetFont(const TFont& Font) override;
    TTextMetrics TextMetrics() const override { return Metrics; }
    int TextWidth(const std::string& Text) const override;
    void PrintText(int X, int Y, const std::string& Text) override;

    // The last job (a test asks after one was begun).
    const TJob& LastJob() const { return Jobs.back(); }

    std::vector<std::string> PrinterNames{"Headless Printer"};
    int DefaultIndex = 0;
    // A4 at 600 dots per inch, less 5 mm of unprintable border on each side.
    TPrintPage PageSize{4724, 6780, 600, 600};
    TTextMetrics Metrics{50, 0, 25, true};
    std::vector<TJob> Jobs;
    // Refusals: BeginDoc, or NewPage once the job has this many pages (0: never).
    bool RefuseJob = false;
    int RefusePageAfter = 0;

private:
    TPrintedPage& CurrentPage();

    int FIndex = -1;
    bool FPrinting = false;
    std::string FFontName;
    int FFontSize = 0;
    TFontStyles FFontStyle{};
};
