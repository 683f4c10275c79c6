#pragma once
// The printer a print job goes to: the platform's printer list and the current printer,
// a job of pages, the printable page's size and resolution, the font that text is
// printed in with its metrics and the widths of texts, and text output at a point.
// Coordinates are device pixels from the top-left corner of the printable area.
// Laying text out (wrapping, tab stops, alignment) is left to the caller, so that the
// same layout is computed on every platform and in tests.
#include "base/font.h"
#include "platform/canvas_metrics.h"

#include <stdexcept>
#include <string>
#include <vector>

// A printer that cannot do what was asked: no printer, a job that does not start, a
// page the spooler refuses.  The message tells what failed.
class EPrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printable area of a page in pixels and the printer's dots per inch.
struct TPrintPage {
    int Width = 0;
    int Height = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
};

class TPrintCanvas {
public:
    virtual ~TPrintCanvas() = default;

    // The names of the printers the platform knows, and the index of the current one in
    // that list (the default printer until another is chosen; -1 when there is none).
    virtual std::vector<std::string> Printers() const = 0;
    virtual int PrinterIndex() const = 0;
    virtual void SetPrinterIndex(int Index) = 0;

    // The name the spooler shows for the next job.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

    // A job: BeginDoc opens it on the current printer with its first page, NewPage ends
    // a page and opens the next, EndDoc ends the last page and the job, Abort throws the
    // job away.  Each raises EPrinter when the printer refuses; BeginDoc also while a
    // job is open.
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;

    // The page of the current printer (of the open job while printing).
    virtual TPrintPage Page() const = 0;

    // The font later text is printed and measured in; its size is in points.
    virtual void SetFont(const TFont& Font) = 0;
    virtual TTextMetrics TextMetrics() const = 0;
    // The width of Text (Shift_JIS, no tabs) in the current font.
    virtual int TextWidth(const std::string& Text) const = 0;
    // Prints Text (Shift_JIS, one line, no tabs) with its top-left corner at (X, Y),
    // transparently: what is already on the page stays.
    virtual void PrintText(int X, int Y, const std::string& Text) = 0;

private:
    std::string FTitle;
};
