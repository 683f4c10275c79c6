#include "platform/headless/headless_print_canvas.h"

#include "base/shift_jis.h"

int THeadlessPrintCanvas::PrinterIndex() const {
    int Count = static_cast<int>(PrinterNames.size());
    if (FIndex >= 0 && FIndex < Count) return FIndex;
    return DefaultIndex < Count ? DefaultIndex : -1;
}

void THeadlessPrintCanvas::BeginDoc() {
    if (FPrinting) throw EPrinter("Printing in progress");
    int Index = PrinterIndex();
    if (Index < 0) throw EPrinter("There is no default printer currently selected");
    if (RefuseJob) throw EPrinter("The printer refused the job");
    Jobs.emplace_back();
    Jobs.back().Printer = PrinterNames[static_cast<std::size_t>(Index)];
    Jobs.back().Title = Title();
    Jobs.back().Pages.emplace_back();
    FPrinting = true;
}

THeadlessPrintCanvas::TPrintedPage& THeadlessPrintCanvas::CurrentPage() {
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
    return Jobs.back().Pages.back();
}

void THeadlessPrintCanvas::NewPage() {
    CurrentPage();
    if (RefusePageAfter > 0 && static_cast<int>(Jobs.back().Pages.size()) >= RefusePageAfter)
        throw EPrinter("The printer refused a page");
    Jobs.back().Pages.emplace_back();
}

void THeadlessPrintCanvas::EndDoc() {
    CurrentPage();
    Jobs.back().Ended = true;
    FPrinting = false;
}

void THeadlessPrintCanvas::Abort() {
    if (!FPrinting) return;
    Jobs.back().Aborted = true;
    FPrinting = false;
}

void THeadlessPrintCanvas::SetFont(const TFont& Font) {
    FFontName = Font.Name();
    FFontSize = Font.Size();
    FFontStyle = Font.Style();
}

int THeadlessPrintCanvas::TextWidth(const std::string& Text) const {
    int Width = 0;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        bool Double = IsSjisLeadByte(static_cast<unsigned char>(Text[I])) && I + 1 < Text.size();
        Width += Double ? 2 * Metrics.AveCharWidth : Metrics.AveCharWidth;
        if (Double) ++I;
    }
    return Width;
}

void THeadlessPrintCanvas::PrintText(int X, int Y, const std::string& Text) {
    TPrinted P;
    P.X = X;
    P.Y = Y;
    P.Text = Text;
    P.FontName = FFontName;
    P.FontSize = FFontSize;
    P.FontStyle = FFontStyle;
    CurrentPage().Texts.push_back(P);
}
