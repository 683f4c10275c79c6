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

HDC TWin32PrintCanvas::QueryContext(bool& Owned) const {
    Owned = false;
    if (FDC) return FDC;
    std::vector<std::string> Names = Printers();
    int Index = PrinterIndex();
    if (Index < 0) return nullptr;
    const DEVMODEA* Mode =
        FDeviceMode.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(FDeviceMode.data());
    HDC DC = CreateICA("WINSPOOL", Names[static_cast<std::size_t>(Index)].c_str(), nullptr, Mode);
    Owned = DC != nullptr;
    return DC;
}

void TWin32PrintCanvas::BeginDoc() {
    if (FDC) throw EPrinter("Printing in progress");
    std::vector<std::string> Names = Printers();
    int Index = PrinterIndex();
    if (Index < 0) throw EPrinter("There is no default printer currently selected");
    const std::string& Name = Names[static_cast<std::size_t>(Index)];
    const DEVMODEA* Mode =
        FDeviceMode.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(FDeviceMode.data());
    HDC DC = CreateDCA("WINSPOOL", Name.c_str(), nullptr, Mode);
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
    bool Owned = false;
    HDC DC = QueryContext(Owned);
    if (!DC) return Page;
    Page.Width = GetDeviceCaps(DC, HORZRES);
    Page.Height = GetDeviceCaps(DC, VERTRES);
    Page.PixelsPerInchX = GetDeviceCaps(DC, LOGPIXELSX);
    Page.PixelsPerInchY = GetDeviceCaps(DC, LOGPIXELSY);
    if (Owned) DeleteDC(DC);
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
    LF.lfWeight = (FFontStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    LF.lfItalic = (FFontStyle & fsItalic) ? TRUE : FALSE;
    LF.lfUnderline = (FFontStyle & fsUnderline) ? TRUE : FALSE;
    LF.lfStrikeOut = (FFontStyle & fsStrikeOut) ? TRUE : FALSE;
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
    bool Owned = false;
    HDC DC = QueryContext(Owned);
    if (!DC) return M;
    if (Owned) SelectFont(DC);
    TEXTMETRICA TM = {};
    GetTextMetricsA(DC, &TM);
    if (Owned) {
        UnselectFont(DC);
        DeleteDC(DC);
    }
    M.Height = TM.tmHeight;
    M.ExternalLeading = TM.tmExternalLeading;
    M.AveCharWidth = TM.tmAveCharWidth;
    // TMPF_FIXED_PITCH set means a variable pitch font.
    M.FixedPitch = (TM.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    return M;
}

int TWin32PrintCanvas::TextWidth(const std::string& Text) const {
    bool Owned = false;
    HDC DC = QueryContext(Owned);
    if (!DC) return 0;
    if (Owned) SelectFont(DC);
    SIZE Size = {};
    GetTextExtentPoint32A(DC, Text.data(), static_cast<int>(Text.size()), &Size);
    if (Owned) {
        UnselectFont(DC);
        DeleteDC(DC);
    }
    return Size.cx;
}

void TWin32PrintCanvas::PrintText(int X, int Y, const std::string& Text) {
    if (!FDC) throw EPrinter("Printer is not currently printing");
    TextOutA(FDC, X, Y, Text.data(), static_cast<int>(Text.size()));
}
