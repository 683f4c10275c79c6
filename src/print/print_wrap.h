#pragma once
// Word wrap of a printed line into a width in pixels, as the platform's word-breaking
// text output does it: a row breaks after a run of spaces (which is then not printed),
// after a tab, and before or after any double-byte or half-width kana character, so that
// Japanese text breaks between any two of its characters and ASCII words stay whole.
// A word wider than the whole width is broken between characters, so no text is ever
// pushed past the right edge; a row holds at least one character, so a width too narrow
// for any still makes progress.  Tabs run to stops every 8 average character widths,
// counted from the row's start.  Widths come from the printer's font, one character at
// a time, and are kept for the font the layout was made with.
#include "platform/print_canvas.h"

#include <string>
#include <unordered_map>
#include <vector>

// One printed row of a line: its bytes [Begin, End).
struct TPrintRow {
    int Begin = 0;
    int End = 0;
    bool operator==(const TPrintRow& O) const { return Begin == O.Begin && End == O.End; }
};

class TPrintLineLayout {
public:
    // Canvas must have its font set; the layout measures in that font.
    explicit TPrintLineLayout(TPrintCanvas& Canvas);

    // The rows of Line wrapped into Width pixels; none for an empty line.
    std::vector<TPrintRow> Wrap(const std::string& Line, int Width);
    // Prints the bytes of Row with the row's left edge at X and its top at Y.
    void PrintRow(int X, int Y, const std::string& Line, TPrintRow Row);

private:
    // The width of the character at Line[I] (Length bytes, 1 or 2; not a tab).
    int CharWidth(const std::string& Line, int I, int Length);
    // How far a tab at X (from the row's start) runs.
    int TabWidth(int X) const;

    TPrintCanvas& FCanvas;
    int FTabStop;
    std::unordered_map<unsigned, int> FWidths;
};
