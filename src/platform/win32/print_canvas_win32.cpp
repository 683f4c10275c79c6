#include "platform/win32/print_canvas_win32.h"

#include <cstring>

TWin32PrintCanvas::~TWin32PrintCanvas() {
    Abort();
}

std::vector<std::string> TWin32PrintCanvas::Printers() const {
    std::vector<std::string> Names;
    const DWORD Flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD Needed = 0, Count = 0;
    EnumPrintersA(Flags, nullptr, 4, nullptr, 0, &Needed, &Count);
    if (Needed == 0) return Names;
    std::vector<BYTE> Buffer(Needed);
    if (!EnumPrintersA(Flags, nullptr, 4, Buffer.data(), Needed, &Needed, &Count)) return Names;
    const PRINTER_INFO_4A* Info = reinterpret_cast<const PRINTER_INFO_4A*>(Buffer.data());
    for (DWORD I = 0; I < Count; ++I)
        Names.push_back(Info[I].pPrinterName ? Info[I].pPrinterName : "");
    return Names;
}

int TWin32PrintCanvas::PrinterIndex() const {
    std::vector<std::string> Names = Printers();
    int Count = static_cast<int>(Names.size());
    if (FIndex >= 0 && FIndex < Count) return FIndex;
    char Default[512];
    DWORD Size = sizeof Default;
    if (GetDefaultPrinterA(Default, &Size))
        for (int I = 0; I < Count; ++I)
            if (Names[static_cast<std::size_t>(I)] == Default) return I;
    return Count > 0 ? 0 : -1;
}

void TWin32PrintCanvas::SetPrinterIndex(int Index) {
    if (Index != FIndex) FDeviceMode.clear();
    FIndex = Index;
}

void TWin32PrintCanvas::SetDeviceMode(const DEVMODEA* Mode) {
    FDeviceMode.clear();
    if (!Mode) return;
    std::size_t Size = static_cast<std::size_t>(Mode->dmSize) + Mode->dmDriverExtra;
    FDeviceMode.resize(Size);
    std::memcpy(FDeviceMode.data(), Mode, Size);
}

std::string TWin32PrintCanvas::CurrentPrinter() const {
    std::vector<std::string> Names = Printers();
    int Index = PrinterIndex();
    return Index < 0 ? std::string() : Names[static_cast<std::size_t>(Index)];
}

const DEVMODEA* TWin32PrintCanvas::DeviceMode() const {
    return FDeviceMode.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(FDeviceMode.data());
}

// A context of the current printer with the font selected, to ask about the page and the
// font: the job's, else an information context made for the question.
class TWin32PrintCanvas::TQuery {
public:
    explicit TQuery(const TWin32PrintCanvas& Canvas) : FCanvas(Canvas), DC(Canvas.FDC) {
        if (DC) return;
        std::string Name = Canvas.CurrentPrinter();
        if (!Name.empty()) DC = CreateICA("WINSPOOL", Name.c_str(), nullptr, Canvas.DeviceMode());
        FOwned = DC != nullptr;
        if (FOwned) Canvas.SelectFont(DC);
    }
    ~TQuery() {
        if (!FOwned) return;
        FCanvas.UnselectFont(DC);
        DeleteDC(DC);
    }
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;

private:
    const TWin32PrintCanvas& FCanvas;
    bool FOwned = false;

public:
    HDC DC;
};

void TWin32PrintCanvas::BeginDoc() {
    if (FDC) throw EPrinter("Printing in progress");
    const std::string Name = CurrentPrinter();
    if (Name.empty()) throw EPrinter("There is no default printer currently selected");
    HDC DC = CreateDCA("WINSPOOL", Name.c_str(), nullptr, DeviceMode());
    if (!DC) throw EPrinter("The printer \"" + Name + "\" cannot be opened");
    // The spooler may keep the strings until the job ends.
    FJobTitle = Title();
    DOCINFOA Doc = {};
    Doc.cbSize = sizeof Doc;
    Doc.lpszDocName = FJobTitle.c_str();
    Doc.lpszOutput = FOutputFile.empty() ? nullptr : FOutputFile.c_str();
    if (StartDocA(DC, &Doc) <= 0) {
        DeleteDC(DC);
        throw EPrinter("The printer \"" + Name + "\" did not start the job");
    }
    FDC = DC;
    if (StartPage(FDC) <= 0) {
        Abort();
        throw EPrinter("The printer \"" + Name + "\" did not start a page");
    }
    SelectFont(FDC);
}

void TWin32PrintCanvas::NewPage() {
    if (!FDC) throw EPrinter("Printer is not currently printing");
    if (EndPage(FDC) <= 0 || StartPage(FDC) <= 0) throw EPrinter("The printer did not start a page");
    // Some drivers reset the context's objects with each page.
    UnselectFont(FDC);
    SelectFont(FDC);
}

void TWin32PrintCanvas::EndDoc() {
    if (!FDC) throw EPrinter("Printer is not currently printing");
    bool Ended = EndPage(FDC) > 0;
    Ended = ::EndDoc(FDC) > 0 && Ended;
    Release();
    if (!Ended) throw EPrinter("The printer did not end the job");
}

void TWin32PrintCanvas::Abort() {
    if (!FDC) return;
    AbortDoc(FDC);
    Release();
}

void TWin32PrintCanvas::Release() {
    UnselectFont(FDC);
    DeleteDC(FDC);
    FDC = nullptr;
}

TPrintPage TWin32PrintCanvas::Page() const {
    TPrintPage Page;
    TQuery Query(*this);
    if (!Query.DC) return Page;
    Page.Width = GetDeviceCaps(Query.DC, HORZRES);
    Page.Height = GetDeviceCaps(Query.DC, VERTRES);
    Page.PixelsPerInchX = GetDeviceCaps(Query.DC, LOGPIXELSX);
    Page.PixelsPerInchY = GetDeviceCaps(Query.DC, LOGPIXELSY);
    return Page;
}

void TWin32PrintCanvas::SetFont(const TFont& Font) {
    if (FDC) UnselectFont(FDC);
    FFontName = Font.Name();
    FFontSize = Font.Size();
    FFontStyle = Font.Style();
    FFontCharset = Font.Charset();
    if (FDC) SelectFont(FDC);
}

void TWin32PrintCanvas::SelectFont(HDC DC) const {
    LOGFONTA LF = {};
    // Points at the printer's own resolution.
    LF.lfHeight = -MulDiv(FFontSize, GetDeviceCaps(DC, LOGPIXELSY), 72);
    LF.lfWeight = Has(FFontStyle, TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    LF.lfItalic = Has(FFontStyle, TFontStyle::fsItalic) ? TRUE : FALSE;
    LF.lfUnderline = Has(FFontStyle, TFontStyle::fsUnderline) ? TRUE : FALSE;
    LF.lfStrikeOut = Has(FFontStyle, TFontStyle::fsStrikeOut) ? TRUE : FALSE;
    LF.lfCharSet = FFontCharset;
    LF.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(LF.lfFaceName, FFontName.c_str(), LF_FACESIZE);
    FFont = CreateFontIndirectA(&LF);
    FOldFont = SelectObject(DC, FFont);
    SetBkMode(DC, TRANSPARENT);
}

void TWin32PrintCanvas::UnselectFont(HDC DC) const {
    if (!FFont) return;
    SelectObject(DC, FOldFont);
    DeleteObject(FFont);
    FFont = nullptr;
    FOldFont = nullptr;
}

TTextMetrics TWin32PrintCanvas::TextMetrics() const {
    TTextMetrics M;
    TQuery Query(*this);
    TEXTMETRICA TM = {};
    if (!Query.DC || !GetTextMetricsA(Query.DC, &TM)) return M;
    M.Height = TM.tmHeight;
    M.ExternalLeading = TM.tmExternalLeading;
    M.AveCharWidth = TM.tmAveCharWidth;
    // TMPF_FIXED_PITCH set means a variable pitch font.
    M.FixedPitch = (TM.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    return M;
}

int TWin32PrintCanvas::TextWidth(const std::string& Text) const {
    TQuery Query(*this);
    SIZE Size = {};
    if (!Query.DC) return 0;
    GetTextExtentPoint32A(Query.DC, Text.data(), static_cast<int>(Text.size()), &Size);
    return Size.cx;
}

void TWin32PrintCanvas::PrintText(int X, int Y, const std::string& Text) {
    if (!FDC) throw EPrinter("Printer is not currently printing");
    TextOutA(FDC, X, Y, Text.data(), static_cast<int>(Text.size()));
}
