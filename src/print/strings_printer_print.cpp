// PrintStrings: the page layout of a job.
#include "print/print_wrap.h"
#include "print/strings_printer.h"

#include <algorithm>

// The bands and columns of a page, and where the next line goes.
class TStringsPrinter::TPageLayout {
public:
    TPageLayout(TStringsPrinter& Owner, std::size_t LineCount);
    void Print(const std::vector<std::string>& Lines);

private:
    void PrintLine(int Index, const std::string& Line);
    void NextColumn();
    void PrintBand(const std::string& Template, TStringsPrinterHeaderAlign Align, int Y);
    void PrintHeader();
    void PrintFooter();
    int GutterLeft() const { return FLeft + FColumn * (FGap + FGutter + FColumnWidth); }
    int TextLeft() const { return GutterLeft() + FGutter; }

    TStringsPrinter& FOwner;
    TPrintCanvas& FCanvas;
    TPrintLineLayout FLines;
    TTextMetrics FMetrics;
    int FLineHeight = 0;
    // The page rectangle, the text area between the bands, the columns.
    int FLeft = 0, FTop = 0, FRight = 0, FBottom = 0;
    int FTextTop = 0, FTextBottom = 0;
    int FGutter = 0, FGap = 0, FColumnWidth = 0;
    int FColumn = 0; // 0-based
    int FY = 0;
};

namespace {

int DigitCount(std::size_t Value) {
    int Digits = 1;
    for (; Value >= 10; Value /= 10)
        ++Digits;
    return Digits;
}

bool HasBand(const std::string& Template, TStringsPrinterHeaderAlign Align) {
    return Align != haNone && !Template.empty();
}

// The canvas with the font set, so that the line layout measures in it.
TPrintCanvas& WithFont(TPrintCanvas& Canvas, const TFont& Font) {
    Canvas.SetFont(Font);
    return Canvas;
}

} // namespace

TStringsPrinter::TPageLayout::TPageLayout(TStringsPrinter& Owner, std::size_t LineCount)
    : FOwner(Owner), FCanvas(WithFont(Owner.FPrinter, Owner.FFont)), FLines(FCanvas) {
    FMetrics = FCanvas.TextMetrics();
    FLineHeight = std::max(1, FMetrics.Height + FMetrics.ExternalLeading);
    const TPrintPage Page = FCanvas.Page();
    // Every distance on the page, the vertical ones too, in the horizontal resolution.
    auto Pixels = [&](int Millimeters) { return MillimetersToPixels(Millimeters, Page.PixelsPerInchX); };
    FLeft = Pixels(Owner.FMarginLeft);
    FTop = Pixels(Owner.FMarginTop);
    FRight = Page.Width - Pixels(Owner.FMarginRight);
    FBottom = Page.Height - Pixels(Owner.FMarginBottom);
    FTextTop = HasBand(Owner.FHeader, Owner.FHeaderAlign) ? FTop + 3 * FLineHeight : FTop;
    FTextBottom = HasBand(Owner.FFooter, Owner.FFooterAlign) ? FBottom - 3 * FLineHeight : FBottom;
    FGutter = Owner.FLineNumber ? (DigitCount(LineCount) + 2) * FMetrics.AveCharWidth : 0;
    FGap = Pixels(Owner.FColumnSpace);
    const int Count = Owner.FColumnCount;
    FColumnWidth = (FRight - (FLeft + FGutter) - (FGap + FGutter) * (Count - 1)) / Count;
}

void TStringsPrinter::TPageLayout::Print(const std::vector<std::string>& Lines) {
    PrintHeader();
    FY = FTextTop;
    for (std::size_t I = 0; I < Lines.size(); ++I)
        PrintLine(static_cast<int>(I), Lines[I]);
    PrintFooter();
}

void TStringsPrinter::TPageLayout::PrintLine(int Index, const std::string& Line) {
    const std::vector<TPrintRow> Rows = FLines.Wrap(Line, FColumnWidth);
    const int Rest = static_cast<int>(Rows.size());
    // A line that does not fit in the rest of the column starts at the top of the next
    // one; at the top of a column it stays, as no column has more room.
    const long long Height = std::max<long long>(1, Rest) * FLineHeight;
    if (FY > FTextTop && FY + Height > FTextBottom) NextColumn();
    if (FOwner.FLineNumber) {
        const std::string Number = std::to_string(Index + 1) + ":";
        FCanvas.PrintText(TextLeft() - FCanvas.TextWidth(Number), FY, Number);
    }
    if (Rows.empty()) {
        FY += FLineHeight; // an empty line still takes one line
        return;
    }
    // A line taller than a column goes on at the top of the next column, row by row.
    std::size_t Row = 0;
    for (;;) {
        const int Fit = std::max(1, (FTextBottom - FY) / FLineHeight);
        const std::size_t Count = std::min(static_cast<std::size_t>(Fit), Rows.size() - Row);
        for (std::size_t K = 0; K < Count; ++K)
            FLines.PrintRow(TextLeft(), FY + static_cast<int>(K) * FLineHeight, Line, Rows[Row + K]);
        Row += Count;
        if (Row == Rows.size()) {
            FY += static_cast<int>(Count) * FLineHeight;
            return;
        }
        NextColumn();
    }
}

void TStringsPrinter::TPageLayout::NextColumn() {
    if (FColumn + 1 >= FOwner.FColumnCount) {
        PrintFooter();
        FCanvas.NewPage();
        ++FOwner.FPageNumber;
        PrintHeader();
        FColumn = 0;
    } else {
        ++FColumn;
    }
    FY = FTextTop;
}

void TStringsPrinter::TPageLayout::PrintBand(const std::string& Template,
                                             TStringsPrinterHeaderAlign Align, int Y) {
    if (!HasBand(Template, Align)) return;
    const std::string Text = FOwner.FormatHeaderText(Template);
    const int Width = FCanvas.TextWidth(Text);
    int X = FLeft;
    if (Align == haCenter) X = FLeft + (FRight - FLeft - Width) / 2;
    if (Align == haRight) X = FRight - Width;
    FCanvas.PrintText(X, Y, Text);
}

void TStringsPrinter::TPageLayout::PrintHeader() {
    PrintBand(FOwner.FHeader, FOwner.FHeaderAlign, FTop);
}

void TStringsPrinter::TPageLayout::PrintFooter() {
    PrintBand(FOwner.FFooter, FOwner.FFooterAlign, FBottom - FMetrics.Height);
}

void TStringsPrinter::PrintStrings(const std::vector<std::string>& Lines) {
    FPrinter.BeginDoc();
    FPageNumber = 1;
    try {
        TPageLayout Layout(*this, Lines.size());
        Layout.Print(Lines);
        FPrinter.EndDoc();
    } catch (...) {
        // A job the printer broke off is thrown away, so that the next one can begin.
        FPrinter.Abort();
        FPageNumber = 0;
        throw;
    }
    FPageNumber = 0;
}
