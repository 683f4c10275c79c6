#include "print/print_form.h"

#include "base/edit_selection.h"
#include "base/shift_jis.h"

#include <cstdlib>

const TPlaceholderItem PlaceholderItems[PlaceholderCount] = {
    {"&1: ページ番号 [%p]", "%p"},         {"&2: ファイル名パス付き [%f]", "%f"},
    {"&3: ファイル名パスなし [%F]", "%F"}, {"&4: 年 [%y]", "%y"},
    {"&5: 月 [%m]", "%m"},                 {"&6: 日 [%d]", "%d"},
    {"&7: 時間 [%t]", "%t"},
};

const char* const AlignItems[AlignItemCount] = {"(なし)", "左", "中央", "右"};

namespace {

// A margin box's text as millimetres 0 to 100 (the up-down's range); a text that holds
// no number keeps Old.
int MarginOf(const std::string& Text, int Old) {
    const char* Start = Text.c_str();
    while (*Start == ' ') ++Start;
    char* End = nullptr;
    const long Value = std::strtol(Start, &End, 10);
    if (End == Start) return Old;
    return Value < 0 ? 0 : Value > 100 ? 100 : static_cast<int>(Value);
}

int AlignIndex(int Index) { return Index >= haNone && Index <= haRight ? Index : haNone; }

} // namespace

TPrintForm::TPrintForm(TProfileFile& Ini, TStringsPrinter& Printer, TPrintFormHost& Host)
    : FIni(Ini), FPrinter(Printer), FHost(Host) {}

void TPrintForm::FormShow() {
    FSettings = LoadPrintSettings(FIni);
    FControls.LeftMargin = std::to_string(FSettings.LeftMargin);
    FControls.RightMargin = std::to_string(FSettings.RightMargin);
    FControls.TopMargin = std::to_string(FSettings.TopMargin);
    FControls.BottomMargin = std::to_string(FSettings.BottomMargin);
    FControls.ColNum = FSettings.ColNum;
    FControls.HeaderStr = FSettings.HeaderStr;
    FControls.FooterStr = FSettings.FooterStr;
    FControls.HeaderAlign = FSettings.HeaderAlign;
    FControls.FooterAlign = FSettings.FooterAlign;
    FControls.FontName = FSettings.FontName;
    FControls.FontSize = FSettings.FontSize;
    ShowPrinterName();
    FApplyEnabled = false;
}

void TPrintForm::ShowPrinterName() {
    const std::string Name = FPrinter.Info().GetPrinterName();
    std::size_t End = 0;
    for (int Count = 0; Count < MaxPrinterName && End < Name.size(); ++Count)
        End = SjisNext(Name.data(), Name.size(), End);
    FControls.PrinterName = Name.substr(0, End);
}

int TPrintForm::PlaceholderClick(int Entry, int SelStart, int SelLength) {
    std::string& Box = FTarget == TTemplateBox::tbHeader ? FControls.HeaderStr : FControls.FooterStr;
    if (Entry < 0 || Entry >= PlaceholderCount) return SelStart;
    const int Caret = ReplaceSelectedText(Box, SelStart, SelLength, PlaceholderItems[Entry].Placeholder);
    ControlChanged();
    return Caret;
}

void TPrintForm::FontClick(int Left, int Top) {
    TFontDialogParams Params;
    Params.Name = FControls.FontName;
    Params.Size = FControls.FontSize;
    Params.Left = Left;
    Params.Top = Top;
    if (!FHost.ExecuteFontDialog(Params)) return;
    FControls.FontName = Params.Name;
    FControls.FontSize = Params.Size;
    ControlChanged();
}

void TPrintForm::PrinterSetupClick() {
    if (FHost.ExecutePrinterSetup()) ShowPrinterName();
}

void TPrintForm::StoreControls() {
    FSettings.LeftMargin = MarginOf(FControls.LeftMargin, FSettings.LeftMargin);
    FSettings.RightMargin = MarginOf(FControls.RightMargin, FSettings.RightMargin);
    FSettings.TopMargin = MarginOf(FControls.TopMargin, FSettings.TopMargin);
    FSettings.BottomMargin = MarginOf(FControls.BottomMargin, FSettings.BottomMargin);
    FSettings.ColNum = FControls.ColNum;
    FSettings.HeaderStr = FControls.HeaderStr;
    FSettings.FooterStr = FControls.FooterStr;
    FSettings.HeaderAlign = AlignIndex(FControls.HeaderAlign);
    FSettings.FooterAlign = AlignIndex(FControls.FooterAlign);
    FSettings.FontName = FControls.FontName;
    if (FControls.FontSize > 0) FSettings.FontSize = FControls.FontSize;
}

void TPrintForm::StoreAndSave() {
    StoreControls();
    SavePrintSettings(FIni, FSettings);
}

void TPrintForm::ApplyClick() {
    StoreAndSave();
    FApplyEnabled = false;
    FHost.FocusLeftMargin();
}
