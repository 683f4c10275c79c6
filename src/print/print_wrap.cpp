#include "print/print_wrap.h"

#include "base/shift_jis.h"

namespace {

// Bytes of the character at Line[I]: 2 for a lead byte with its trail byte, else 1.
int CharLength(const std::string& Line, int I) {
    return IsSjisLeadByte(static_cast<unsigned char>(Line[static_cast<std::size_t>(I)])) &&
                   I + 1 < static_cast<int>(Line.size())
               ? 2
               : 1;
}

// Japanese characters, which a row may end before or after: the double-byte ones and the
// half-width kana (0xA1 to 0xDF).
bool IsJapanese(const std::string& Line, int I, int Length) {
    unsigned char B = static_cast<unsigned char>(Line[static_cast<std::size_t>(I)]);
    return Length == 2 || (B >= 0xA1 && B <= 0xDF);
}

} // namespace

TPrintLineLayout::TPrintLineLayout(TPrintCanvas& Canvas) : FCanvas(Canvas) {
    int Ave = Canvas.TextMetrics().AveCharWidth;
    FTabStop = Ave > 0 ? 8 * Ave : 8;
}

int TPrintLineLayout::CharWidth(const std::string& Line, int I, int Length) {
    unsigned Key = static_cast<unsigned char>(Line[static_cast<std::size_t>(I)]);
    if (Length == 2) Key = Key << 8 | static_cast<unsigned char>(Line[static_cast<std::size_t>(I) + 1]);
    auto Found = FWidths.find(Key);
    if (Found != FWidths.end()) return Found->second;
    int Width = FCanvas.TextWidth(Line.substr(static_cast<std::size_t>(I), static_cast<std::size_t>(Length)));
    FWidths.emplace(Key, Width);
    return Width;
}

int TPrintLineLayout::TabWidth(int X) const {
    return (X / FTabStop + 1) * FTabStop - X;
}

std::vector<TPrintRow> TPrintLineLayout::Wrap(const std::string& Line, int Width) {
    std::vector<TPrintRow> Rows;
    const int Size = static_cast<int>(Line.size());
    int Pos = 0;
    while (Pos < Size) {
        const int RowStart = Pos;
        int X = 0;
        // The last place the row may end: the row's end there and the next row's start.
        int BreakEnd = -1, BreakNext = -1;
        int SpaceRun = -1; // start of the run of spaces just passed, -1 after other text
        int I = RowStart;
        while (I < Size) {
            const int Length = CharLength(Line, I);
            const char C = Line[static_cast<std::size_t>(I)];
            const bool Japanese = IsJapanese(Line, I, Length);
            if (Japanese && I > RowStart && SpaceRun < 0) BreakEnd = BreakNext = I;
            const int W = C == '\t' ? TabWidth(X) : CharWidth(Line, I, Length);
            if (X + W > Width && I > RowStart) {
                if (C == ' ' && SpaceRun > RowStart) {
                    BreakEnd = SpaceRun;
                } else if (C == ' ' && SpaceRun < 0) {
                    BreakEnd = I;
                } else if (BreakEnd <= RowStart) {
                    BreakEnd = BreakNext = I; // a word wider than the row
                }
                if (C == ' ' && BreakEnd > RowStart) BreakNext = I;
                break;
            }
            X += W;
            I += Length;
            if (C == ' ') {
                if (SpaceRun < 0) SpaceRun = I - 1;
                if (SpaceRun > RowStart) {
                    BreakEnd = SpaceRun;
                    BreakNext = I;
                }
            } else {
                SpaceRun = -1;
                if (C == '\t' || Japanese) BreakEnd = BreakNext = I;
            }
        }
        if (I >= Size) {
            Rows.push_back({RowStart, Size});
            break;
        }
        Rows.push_back({RowStart, BreakEnd});
        Pos = BreakNext;
        // Spaces at a break are not carried to the next row.
        while (Pos < Size && Line[static_cast<std::size_t>(Pos)] == ' ')
            ++Pos;
    }
    return Rows;
}

void TPrintLineLayout::PrintRow(int X, int Y, const std::string& Line, TPrintRow Row) {
    int Offset = 0;
    int RunStart = Row.Begin, RunOffset = 0;
    auto Flush = [&](int End) {
        if (End > RunStart)
            FCanvas.PrintText(X + RunOffset, Y,
                              Line.substr(static_cast<std::size_t>(RunStart),
                                          static_cast<std::size_t>(End - RunStart)));
    };
    for (int I = Row.Begin; I < Row.End;) {
        const int Length = CharLength(Line, I);
        if (Line[static_cast<std::size_t>(I)] == '\t') {
            Flush(I);
            Offset += TabWidth(Offset);
            RunStart = I + 1;
            RunOffset = Offset;
        } else {
            Offset += CharWidth(Line, I, Length);
        }
        I += Length;
    }
    Flush(Row.End);
}
