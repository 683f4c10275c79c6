#include "print/strings_printer.h"

#include "base/shift_jis.h"

#include <algorithm>

namespace {

int Clamp(int Value, int Low, int High) {
    return std::min(std::max(Value, Low), High);
}

// The part of a Shift_JIS path after its last backslash or colon.  The path is walked
// character by character, since a backslash byte may be the second byte of a kanji
// ("表" is 0x95 0x5C).
std::string NameWithoutPath(const std::string& Path) {
    std::size_t Start = 0;
    for (std::size_t I = 0; I < Path.size(); ++I) {
        if (IsSjisLeadByte(static_cast<unsigned char>(Path[I])) && I + 1 < Path.size()) {
            ++I;
            continue;
        }
        if (Path[I] == '\\' || Path[I] == ':') Start = I + 1;
    }
    return Path.substr(Start);
}

} // namespace

int MillimetersToPixels(int Millimeters, int DotsPerInch) {
    // DotsPerInch * Millimeters / 25.4 == DotsPerInch * Millimeters * 5 / 127.  As 127 is
    // odd, no quotient of integers lies halfway between two integers: the nearest one is
    // always unique and the rule for ties never comes into play.
    const long long Numerator = static_cast<long long>(DotsPerInch) * Millimeters * 5;
    const long long Denominator = 127;
    long long Quotient = Numerator / Denominator;
    long long Rest = Numerator % Denominator;
    if (Rest < 0) {
        Rest += Denominator;
        --Quotient;
    }
    if (2 * Rest > Denominator) ++Quotient;
    return static_cast<int>(Quotient);
}

std::string TStringsPrinterInfo::GetPrinterName() const {
    std::vector<std::string> Names = FPrinter.Printers();
    int Index = FPrinter.PrinterIndex();
    if (Index < 0 || Index >= static_cast<int>(Names.size())) return std::string();
    return Names[static_cast<std::size_t>(Index)];
}

TStringsPrinter::TStringsPrinter(TPrintCanvas& Printer, const TClock& Clock)
    : FPrinter(Printer), FClock(Clock), FInfo(Printer) {
    // A Japanese fixed-pitch font, the one the print settings start with.
    FFont.SetName("ＭＳ ゴシック");
    FFont.SetSize(12);
}

void TStringsPrinter::Assign(const TStringsPrinter& Source) {
    if (&Source == this) return;
    FColumnCount = Source.FColumnCount;
    FColumnSpace = Source.FColumnSpace;
    FFileName = Source.FFileName;
    FFont.Assign(Source.FFont);
    FFooter = Source.FFooter;
    FFooterAlign = Source.FFooterAlign;
    FHeader = Source.FHeader;
    FHeaderAlign = Source.FHeaderAlign;
    FLineNumber = Source.FLineNumber;
    FMarginBottom = Source.FMarginBottom;
    FMarginLeft = Source.FMarginLeft;
    FMarginRight = Source.FMarginRight;
    FMarginTop = Source.FMarginTop;
}

void TStringsPrinter::SetColumnCount(int Value) {
    FColumnCount = Clamp(Value, 1, 3);
}

void TStringsPrinter::SetColumnSpace(int Value) {
    FColumnSpace = Clamp(Value, 0, 100);
}

void TStringsPrinter::SetMarginBottom(int Value) {
    FMarginBottom = Clamp(Value, 0, 100);
}

void TStringsPrinter::SetMarginLeft(int Value) {
    FMarginLeft = Clamp(Value, 0, 100);
}

void TStringsPrinter::SetMarginRight(int Value) {
    FMarginRight = Clamp(Value, 0, 100);
}

void TStringsPrinter::SetMarginTop(int Value) {
    FMarginTop = Clamp(Value, 0, 100);
}

std::string TStringsPrinter::FormatHeaderText(const std::string& Template) {
    const TDateTime Now = FClock.Now();
    std::string Out;
    const std::size_t Size = Template.size();
    for (std::size_t I = 0; I < Size; ++I) {
        const char C = Template[I];
        if (IsSjisLeadByte(static_cast<unsigned char>(C)) && I + 1 < Size) {
            Out.append(Template, I, 2);
            ++I;
            continue;
        }
        if (C != '%' || I + 1 == Size) {
            Out += C;
            continue;
        }
        const char Code = Template[++I];
        switch (Code) {
        case 'p': Out += std::to_string(FPageNumber); break;
        case 'f': Out += FFileName; break;
        case 'F': Out += NameWithoutPath(FFileName); break;
        case 'y': Out += std::to_string(Now.Year); break;
        case 'm': Out += std::to_string(Now.Month); break;
        case 'd': Out += std::to_string(Now.Day); break;
        case 't': Out += FClock.LongTimeText(Now); break;
        default:
            // The character after "%" stands for itself, a double-byte one whole.
            if (IsSjisLeadByte(static_cast<unsigned char>(Code)) && I + 1 < Size) {
                Out.append(Template, I, 2);
                ++I;
            } else {
                Out += Code;
            }
        }
    }
    return Out;
}
