#pragma once
// The printer through the spooler: the printers EnumPrinters lists, a job on a printer
// device context (CreateDC, StartDoc ... EndDoc), text in a GDI font made for the
// printer's resolution.
#include "platform/print_canvas.h"

#include <windows.h>

#include <string>
#include <vector>

class TWin32PrintCanvas : public TPrintCanvas {
public:
    TWin32PrintCanvas() = default;
    // An open job is thrown away.
    ~TWin32PrintCanvas() override;
    TWin32PrintCanvas(const TWin32PrintCanvas&) = delete;
    TWin32PrintCanvas& operator=(const TWin32PrintCanvas&) = delete;

    std::vector<std::string> Printers() const override;
    int PrinterIndex() const override;
    void SetPrinterIndex(int Index) override;
    // The device settings of the current printer (a DEVMODE, as the printer setup dialog
    // gives it); none means the printer's defaults.  Choosing another printer drops them.
    void SetDeviceMode(const DEVMODEA* Mode);
    const DEVMODEA* DeviceMode() const;
    // The current printer's name, empty when there is none.
    std::string CurrentPrinter() const;
    // A file the next jobs are written to instead of the printer's port; empty: the port.
    void SetOutputFile(const std::string& Path) { FOutputFile = Path; }

    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return FDC != nullptr; }

    TPrintPage Page() const override;
    void SetFont(const TFont& Font) override;
    TTextMetrics TextMetrics() const override;
    int TextWidth(const std::string& Text) const override;
    void PrintText(int X, int Y, const std::string& Text) override;

private:
    class TQuery;
    void SelectFont(HDC DC) const;
    void UnselectFont(HDC DC) const;
    void Release();

    int FIndex = -1;
    std::vector<char> FDeviceMode;
    std::string FOutputFile;
    std::string FJobTitle;
    HDC FDC = nullptr;
    // The font as set, made for each context it is selected into.
    std::string FFontName;
    int FFontSize = 12;
    TFontStyles FFontStyle{};
    std::uint8_t FFontCharset = DEFAULT_CHARSET_VALUE;
    mutable HFONT FFont = nullptr;
    mutable HGDIOBJ FOldFont = nullptr;
};
