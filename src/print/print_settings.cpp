#include "print/print_settings.h"

#include "app/app_info.h"
#include "app/settings/profile_values.h"

namespace {

constexpr const char* S = TPrintSettings::Section;

TStringsPrinterHeaderAlign AlignOf(int Index) {
    return Index >= haNone && Index <= haRight ? static_cast<TStringsPrinterHeaderAlign>(Index) : haNone;
}

} // namespace

bool TPrintSettings::operator==(const TPrintSettings& O) const {
    return LeftMargin == O.LeftMargin && RightMargin == O.RightMargin && TopMargin == O.TopMargin &&
           BottomMargin == O.BottomMargin && ColNum == O.ColNum && HeaderStr == O.HeaderStr &&
           HeaderAlign == O.HeaderAlign && FooterStr == O.FooterStr && FooterAlign == O.FooterAlign &&
           FontName == O.FontName && FontSize == O.FontSize;
}

TPrintSettings LoadPrintSettings(TProfileFile& Ini) {
    const TPrintSettings D;
    TPrintSettings R;
    R.LeftMargin = ReadInteger(Ini, S, "LeftMargin", D.LeftMargin);
    R.RightMargin = ReadInteger(Ini, S, "RightMargin", D.RightMargin);
    R.TopMargin = ReadInteger(Ini, S, "TopMargin", D.TopMargin);
    R.BottomMargin = ReadInteger(Ini, S, "BottomMargin", D.BottomMargin);
    R.ColNum = ReadBool(Ini, S, "ColNum", D.ColNum);
    R.HeaderStr = ReadString(Ini, S, "HeaderStr", D.HeaderStr);
    R.HeaderAlign = AlignOf(ReadInteger(Ini, S, "HeaderAlign", D.HeaderAlign));
    R.FooterStr = ReadString(Ini, S, "FooterStr", D.FooterStr);
    R.FooterAlign = AlignOf(ReadInteger(Ini, S, "FooterAlign", D.FooterAlign));
    R.FontName = ReadString(Ini, S, "FontName", D.FontName);
    R.FontSize = ReadInteger(Ini, S, "FontSize", D.FontSize);
    if (R.FontSize < 1) R.FontSize = D.FontSize;
    DeleteObsoleteKey(Ini, S, "ColPitch");
    return R;
}

bool SavePrintSettings(TProfileFile& Ini, const TPrintSettings& R) {
    bool Ok = WriteInteger(Ini, S, "LeftMargin", R.LeftMargin);
    Ok = WriteInteger(Ini, S, "RightMargin", R.RightMargin) && Ok;
    Ok = WriteInteger(Ini, S, "TopMargin", R.TopMargin) && Ok;
    Ok = WriteInteger(Ini, S, "BottomMargin", R.BottomMargin) && Ok;
    Ok = WriteBool(Ini, S, "ColNum", R.ColNum) && Ok;
    Ok = WriteString(Ini, S, "HeaderStr", R.HeaderStr) && Ok;
    Ok = WriteInteger(Ini, S, "HeaderAlign", R.HeaderAlign) && Ok;
    Ok = WriteString(Ini, S, "FooterStr", R.FooterStr) && Ok;
    Ok = WriteInteger(Ini, S, "FooterAlign", R.FooterAlign) && Ok;
    Ok = WriteString(Ini, S, "FontName", R.FontName) && Ok;
    Ok = WriteInteger(Ini, S, "FontSize", R.FontSize) && Ok;
    return Ok;
}

void ApplyPrintSettings(const TPrintSettings& R, TStringsPrinter& Printer, const std::string& FileName) {
    Printer.SetMarginLeft(R.LeftMargin);
    Printer.SetMarginRight(R.RightMargin);
    Printer.SetMarginTop(R.TopMargin);
    Printer.SetMarginBottom(R.BottomMargin);
    Printer.SetLineNumber(R.ColNum);
    Printer.SetColumnCount(1);
    Printer.SetColumnSpace(0);
    Printer.SetHeader(R.HeaderStr);
    Printer.SetFooter(R.FooterStr);
    Printer.Font().SetName(R.FontName);
    Printer.Font().SetSize(R.FontSize);
    Printer.SetHeaderAlign(AlignOf(R.HeaderAlign));
    Printer.SetFooterAlign(AlignOf(R.FooterAlign));
    Printer.SetFileName(FileName.empty() ? "無題" : FileName);
    Printer.Canvas().SetTitle(ApplicationTitle);
}
