#include "app/status_bar.h"

#include <cstdio>

namespace {

const TStatusPanelStyle Styles[StatusPanelCount] = {
    {205, false, TStatusPanelStyle::taLeftJustify}, {110, true, TStatusPanelStyle::taRightJustify},
    {46, true, TStatusPanelStyle::taCenter},        {46, true, TStatusPanelStyle::taCenter},
    // Panel 5, the kanji code, is wide enough for "UTF-8 BOM" and "UTF-16LE".
    {36, true, TStatusPanelStyle::taCenter},        {64, true, TStatusPanelStyle::taCenter},
    {36, true, TStatusPanelStyle::taCenter},        {50, false, TStatusPanelStyle::taLeftJustify},
};

const char SizeUnit[] = "バイト";

} // namespace

const TStatusPanelStyle& StatusPanelStyle(int Panel) {
    if (Panel < 0 || Panel >= StatusPanelCount) Panel = spEmpty;
    return Styles[Panel];
}

std::string InitialStatusText(int Panel) {
    switch (Panel) {
    case spMode: return "標準";
    case spWrap: return "[000]";
    case spInsert: return "挿入";
    default: return std::string();
    }
}

int HintPanelWidth(int WindowWidth) {
    int Others = 0;
    for (int I = 1; I < StatusPanelCount; ++I) Others += Styles[I].Width;
    const int Width = WindowWidth - Others + 24;
    return Width < 150 ? 150 : Width;
}

std::string CaretPositionText(int Row, int Col) {
    char Buffer[64];
    std::snprintf(Buffer, sizeof Buffer, "%5d行: %4d桁 ", Row, Col);
    return Buffer;
}

std::string TextSizeText(long long Bytes) {
    std::string Digits = std::to_string(Bytes < 0 ? -Bytes : Bytes);
    std::string Grouped;
    for (std::size_t I = 0; I < Digits.size(); ++I) {
        if (I > 0 && (Digits.size() - I) % 3 == 0) Grouped += ',';
        Grouped += Digits[I];
    }
    return (Bytes < 0 ? "-" : "") + Grouped + SizeUnit + " ";
}

bool IsTextSizeText(const std::string& PanelText) {
    return PanelText.find(SizeUnit) != std::string::npos;
}

std::string WrapPanelText(bool WordWrap, int WrapByte) {
    return WordWrap ? "[" + std::to_string(WrapByte) + "]" : std::string();
}

std::string BoxPanelText(bool BoxMode) { return BoxMode ? "矩形" : std::string(); }

std::string InsertPanelText(bool Overwrite) { return Overwrite ? "上書" : "挿入"; }
