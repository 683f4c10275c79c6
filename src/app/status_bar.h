#pragma once
// The main window's status bar: eight panels with fixed widths, bevels and alignment,
// and the texts the shell shows in them.
#include <string>

struct TStatusPanelStyle {
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    int Width;
    bool Bevel; // a lowered bevel; panels 0 and 7 have none
    TAlignment Alignment;
};

constexpr int StatusPanelCount = 8;
// The panels' roles.
enum TStatusPanel : int {
    spHint = 0,     // menu hints (automatic)
    spCaret = 1,    // caret position, or the text size
    spMode = 2,     // the edit mode's name
    spWrap = 3,     // "[80]" while word wrap is on
    spBox = 4,      // "矩形" in box selection mode
    spKanji = 5,    // "JIS", "EUC" or nothing
    spInsert = 6,   // "挿入" / "上書"
    spEmpty = 7,
};

const TStatusPanelStyle& StatusPanelStyle(int Panel);
// The texts the panels start with.
std::string InitialStatusText(int Panel);

// Panel 0 takes the window's width less the other panels, plus 24, at least 150.
int HintPanelWidth(int WindowWidth);

// "%5d行: %4d桁 " of the 1-based caret row and column.
std::string CaretPositionText(int Row, int Col);
// The text length with thousands separators, then "バイト ".
std::string TextSizeText(long long Bytes);
// True when the caret panel shows the text size rather than the caret position.
bool IsTextSizeText(const std::string& PanelText);
// "[" + width + "]" while word wrap is on, else empty.
std::string WrapPanelText(bool WordWrap, int WrapByte);
std::string BoxPanelText(bool BoxMode);
std::string InsertPanelText(bool Overwrite);
