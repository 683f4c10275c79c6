#pragma once
// The strings printer: prints a list of text lines on the current printer as one job,
// with margins in millimetres, a header and a footer band made from templates with
// placeholders, line numbers in a gutter, word wrap inside the text column and one to
// three columns per page.
#include "base/font.h"
#include "platform/clock.h"
#include "platform/print_canvas.h"

#include <string>
#include <vector>

enum TStringsPrinterHeaderAlign { haNone = 0, haLeft = 1, haCenter = 2, haRight = 3 };

// Device pixels for Millimeters at DotsPerInch: the nearest integer to
// DotsPerInch * Millimeters / 25.4, a tie going to the even integer.
int MillimetersToPixels(int Millimeters, int DotsPerInch);

// What the strings printer tells of its printer.
class TStringsPrinterInfo {
public:
    explicit TStringsPrinterInfo(const TPrintCanvas& Printer) : FPrinter(Printer) {}
    // The entry of the printer list at the current printer index; empty when there is
    // no printer.
    std::string GetPrinterName() const;

private:
    const TPrintCanvas& FPrinter;
};

class TStringsPrinter {
public:
    TStringsPrinter(TPrintCanvas& Printer, const TClock& Clock);
    virtual ~TStringsPrinter() = default;
    TStringsPrinter(const TStringsPrinter&) = delete;
    TStringsPrinter& operator=(const TStringsPrinter&) = delete;

    // Copies every property (the font's settings included) from Source.
    void Assign(const TStringsPrinter& Source);

    int ColumnCount() const { return FColumnCount; }
    void SetColumnCount(int Value); // 1 to 3
    int ColumnSpace() const { return FColumnSpace; }
    void SetColumnSpace(int Value); // 0 to 100 mm
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    const std::string& Footer() const { return FFooter; }
    void SetFooter(const std::string& Value) { FFooter = Value; }
    TStringsPrinterHeaderAlign FooterAlign() const { return FFooterAlign; }
    void SetFooterAlign(TStringsPrinterHeaderAlign Value) { FFooterAlign = Value; }
    const std::string& Header() const { return FHeader; }
    void SetHeader(const std::string& Value) { FHeader = Value; }
    TStringsPrinterHeaderAlign HeaderAlign() const { return FHeaderAlign; }
    void SetHeaderAlign(TStringsPrinterHeaderAlign Value) { FHeaderAlign = Value; }
    bool LineNumber() const { return FLineNumber; }
    void SetLineNumber(bool Value) { FLineNumber = Value; }
    // Margins in millimetres, 0 to 100 each.
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int Value);
    int MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int Value);
    int MarginRight() const { return FMarginRight; }
    void SetMarginRight(int Value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int Value);

    TStringsPrinterInfo& Info() { return FInfo; }
    // The printer the jobs go to.
    TPrintCanvas& Canvas() { return FPrinter; }
    // The page being printed (1 on the first page of a job; 0 outside a job).
    int PageNumber() const { return FPageNumber; }

    // Prints Lines as one job on the current printer.  A printer that refuses raises
    // EPrinter; a job already begun is then thrown away, so the printer is free again.
    void PrintStrings(const std::vector<std::string>& Lines);
    // Template with its placeholders replaced: %p the page number, %f FileName, %F the
    // file name without its path, %y %m %d the year, month and day, %t the time in the
    // long time format; "%" and any other character gives that character, and a "%"
    // that ends the template stays as it is.
    virtual std::string FormatHeaderText(const std::string& Template);

private:
    class TPageLayout;

    TPrintCanvas& FPrinter;
    const TClock& FClock;
    TFont FFont;
    TStringsPrinterInfo FInfo;
    int FColumnCount = 1;
    int FColumnSpace = 4;
    std::string FFileName;
    std::string FFooter;
    TStringsPrinterHeaderAlign FFooterAlign = haNone;
    std::string FHeader;
    TStringsPrinterHeaderAlign FHeaderAlign = haNone;
    bool FLineNumber = false;
    int FMarginBottom = 0;
    int FMarginLeft = 0;
    int FMarginRight = 0;
    int FMarginTop = 0;
    int FPageNumber = 0;
};
