#pragma once
// A printer for tests under Wine, needing no print server: Wine's own PostScript driver
// with an A4 description of our own, whose port is a file.  Every job printed on it,
// by a test or by Zefnote.exe, is written as PostScript to that file.
#include <windows.h>

#include <string>
#include <vector>

namespace test_printer {

constexpr const char* Name = "Zefnote Test Printer";
constexpr const char* Driver = "Zefnote Test PostScript";

// A4 (595 x 842 points) with a printable area 18 points in from the sides and 36 from
// top and bottom, at 300 dots per inch.
constexpr const char* Ppd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZEFTEST.PPD"
*Manufacturer: "Zefnote"
*Product: "(Zefnote Test Printer)"
*ModelName: "Zefnote Test Printer"
*ShortNickName: "Zefnote Test Printer"
*NickName: "Zefnote Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*TTRasterizer: Type42
*DefaultResolution: 300dpi
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)PPD";

inline bool WriteFileBytes(const std::string& Path, const std::string& Bytes) {
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (File == INVALID_HANDLE_VALUE) return false;
    DWORD Written = 0;
    BOOL Ok = WriteFile(File, Bytes.data(), static_cast<DWORD>(Bytes.size()), &Written, nullptr);
    CloseHandle(File);
    return Ok && Written == Bytes.size();
}

// The port of the installed printer, empty when it is not installed.
inline std::string InstalledPort() {
    HANDLE Printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(Name), &Printer, nullptr)) return std::string();
    DWORD Needed = 0;
    GetPrinterA(Printer, 2, nullptr, 0, &Needed);
    std::vector<BYTE> Buffer(Needed ? Needed : 1);
    std::string Port;
    if (Needed && GetPrinterA(Printer, 2, Buffer.data(), Needed, &Needed)) {
        const char* P = reinterpret_cast<PRINTER_INFO_2A*>(Buffer.data())->pPortName;
        Port = P ? P : "";
    }
    ClosePrinter(Printer);
    return Port;
}

// Installs the printer with PortFile (a Windows path) as its port, once per prefix, and
// makes it the default printer.  Returns what failed, empty on success.
inline std::string Install(const std::string& PortFile) {
    if (InstalledPort() != PortFile) {
        char Directory[MAX_PATH];
        DWORD Needed = 0;
        if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(Directory),
                                        sizeof Directory, &Needed))
            return "no printer driver directory";
        // The driver reads its description from the driver files' folder.
        std::string Files = std::string(Directory) + "\\3";
        CreateDirectoryA(Directory, nullptr);
        CreateDirectoryA(Files.c_str(), nullptr);
        if (!WriteFileBytes(Files + "\\zefnote-test.ppd", Ppd)) return "cannot write " + Files;
        DRIVER_INFO_3A Info = {};
        Info.cVersion = 3;
        Info.pName = const_cast<char*>(Driver);
        Info.pDriverPath = const_cast<char*>("wineps.drv");
        Info.pDataFile = const_cast<char*>("zefnote-test.ppd");
        Info.pConfigFile = const_cast<char*>("wineps.drv");
        if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&Info), APD_COPY_NEW_FILES))
            return "AddPrinterDriverEx failed (" + std::to_string(GetLastError()) + ")";

        HANDLE Old = nullptr;
        if (OpenPrinterA(const_cast<char*>(Name), &Old, nullptr)) {
            DeletePrinter(Old);
            ClosePrinter(Old);
        }
        PRINTER_INFO_2A Printer = {};
        Printer.pPrinterName = const_cast<char*>(Name);
        Printer.pPortName = const_cast<char*>(PortFile.c_str());
        Printer.pDriverName = const_cast<char*>(Driver);
        Printer.pPrintProcessor = const_cast<char*>("WinPrint");
        Printer.pDatatype = const_cast<char*>("RAW");
        Printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE Added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&Printer));
        if (!Added) return "AddPrinter failed (" + std::to_string(GetLastError()) + ")";
        ClosePrinter(Added);
    }
    if (!SetDefaultPrinterA(Name)) return "SetDefaultPrinter failed";
    return std::string();
}

} // namespace test_printer
