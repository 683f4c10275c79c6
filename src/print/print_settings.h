#pragma once
// The print settings: one record kept in section "Print" of the settings file, read and
// written by the print dialog and by printing from the command line, and copied into the
// strings printer before a job.
#include "platform/profile_file.h"
#include "print/strings_printer.h"

#include <string>

struct TPrintSettings {
    static constexpr const char* Section = "Print";

    // Millimetres.
    int LeftMargin = 20;
    int RightMargin = 20;
    int TopMargin = 15;
    int BottomMargin = 15;
    // Line numbers.
    bool ColNum = false;
    std::string HeaderStr = "[ %F ]";
    int HeaderAlign = haCenter; // a TStringsPrinterHeaderAlign, 0 to 3
    std::string FooterStr = "- %p -";
    int FooterAlign = haCenter;
    std::string FontName = "ＭＳ ゴシック";
    int FontSize = 12; // points

    bool operator==(const TPrintSettings& Other) const;
};

// The stored record; a missing key gives its default, an alignment out of 0 to 3 gives
// "(なし)" and a font size below 1 the default size.  The obsolete "ColPitch" is deleted
// when it holds a positive integer.
TPrintSettings LoadPrintSettings(TProfileFile& Ini);
// Writes every key; false when some key could not be written.
bool SavePrintSettings(TProfileFile& Ini, const TPrintSettings& Settings);

// Copies the record into Printer for a job of one column: margins, line numbers, the
// templates with their alignments, the font, FileName (or "無題" for an untitled text) and
// the job's title, the application's.
void ApplyPrintSettings(const TPrintSettings& Settings, TStringsPrinter& Printer,
                        const std::string& FileName);
