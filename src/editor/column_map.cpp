#include "editor/column_map.h"

#include <algorithm>

namespace {

bool DelimiterByte(int b) {
    return b <= 47 || (b >= 58 && b <= 64) || (b >= 91 && b <= 94) || b == 96 ||
           (b >= 123 && b <= 128) || (b >= 160 && b <= 165) || b >= 253;
}

// Fill columns after a tab standing at 0-based column p.
int TabFill(int p, int Tab, bool WordWrap, int Wrap) {
    int n = Tab - 1 - p % Tab;
    if (WordWrap) n = std::min(n, Wrap - 1 - p % Wrap);
    return n;
}

} // namespace

bool IsColumnDelimiter(unsigned char b) {
    return DelimiterByte(b);
}

TDelimiterSet::TDelimiterSet() {
    for (int B = 0; B < 256; ++B)
        FMember[B] = DelimiterByte(B);
}

const TDelimiterSet& TDelimiterSet::Standard() {
    static const TDelimiterSet Set;
    return Set;
}

void BuildColumnMap(const char* Line, int Length, int TabSpaceCount, bool WordWrap, int WrapByte,
                    std::string& Map, int StartColumn, const TDelimiterSet* Delimiters) {
    const TDelimiterSet& Set = Delimiters ? *Delimiters : TDelimiterSet::Standard();
    const int tab = std::max(1, TabSpaceCount), wrap = std::max(1, WrapByte);
    Map.resize(Length > 0 ? Length : 0);
    // col is the column from the start of the logical line (tab stops count from there);
    // the map holds the columns from StartColumn on.
    int col = StartColumn;
    int at = 0;
    for (int i = 0; i < Length; ++i) {
        unsigned char b = static_cast<unsigned char>(Line[i]);
        if (IsSjisLeadByte(b) && i + 1 < Length) {
            Map[at++] = '4';
            Map[at++] = '5';
            col += 2;
            ++i;
        } else if (b == 9) {
            int n = TabFill(col, tab, WordWrap, wrap);
            if (static_cast<int>(Map.size()) < at + 1 + n + (Length - i - 1))
                Map.resize(at + 1 + n + (Length - i - 1));
            Map[at++] = '2';
            for (int k = 0; k < n; ++k)
                Map[at++] = '3';
            col += 1 + n;
        } else {
            Map[at++] = Set.Has(b) ? '2' : '1';
            ++col;
        }
    }
    Map.resize(at);
}

std::string GetColumnMap(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte,
                         const TDelimiterSet* Delimiters) {
    std::string map;
    BuildColumnMap(Line.data(), static_cast<int>(Line.size()), TabSpaceCount, WordWrap, WrapByte,
                   map, 0, Delimiters);
    return map;
}

std::string ExpandTabs(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte) {
    const int tab = std::max(1, TabSpaceCount), wrap = std::max(1, WrapByte);
    std::string out;
    out.reserve(Line.size());
    int col = 0;
    for (size_t i = 0; i < Line.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(Line[i]);
        if (IsSjisLeadByte(b) && i + 1 < Line.size()) {
            out.append(Line, i, 2);
            col += 2;
            ++i;
        } else if (b == 9) {
            int n = 1 + TabFill(col, tab, WordWrap, wrap);
            out.append(n, ' ');
            col += n;
        } else {
            out.push_back(Line[i]);
            ++col;
        }
    }
    return out;
}

int ExpandedWidth(const char* Line, int Length, int TabSpaceCount, bool WordWrap, int WrapByte) {
    const int tab = std::max(1, TabSpaceCount), wrap = std::max(1, WrapByte);
    int col = 0;
    for (int i = 0; i < Length; ++i) {
        unsigned char b = static_cast<unsigned char>(Line[i]);
        if (IsSjisLeadByte(b) && i + 1 < Length) {
            col += 2;
            ++i;
        } else if (b == 9) {
            col += 1 + TabFill(col, tab, WordWrap, wrap);
        } else {
            ++col;
        }
    }
    return col;
}

int ExpandedWidth(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte) {
    return ExpandedWidth(Line.data(), static_cast<int>(Line.size()), TabSpaceCount, WordWrap,
                         WrapByte);
}

void TEditorAttributeArray::Create(const std::string& Line, const std::string& Map) {
    FOwnLine = Line;
    FOwnMap = Map;
    Attach(FOwnLine.data(), static_cast<int>(FOwnLine.size()), FOwnMap.data(),
           static_cast<int>(FOwnMap.size()));
}

void TEditorAttributeArray::Attach(const char* Line, int LineLength, const char* Map,
                                   int MapLength) {
    FLine = Line;
    FLineLength = std::max(0, LineLength);
    FMap = Map;
    FMapLength = std::max(0, MapLength);
    FColumn = 0;
    FBytePos = 0;
    FChar = ' ';
    Next();
}

void TEditorAttributeArray::Next() {
    if (FChar == '0') return;
    ++FColumn;
    FChar = MapAt(FColumn);
    if (FChar != '3') ++FBytePos;
}

void TEditorAttributeArray::Prev() {
    if (FColumn <= 1) return;
    const bool leftFill = FChar == '3';
    --FColumn;
    FChar = MapAt(FColumn);
    if (!leftFill) --FBytePos;
}

void TEditorAttributeArray::MoveTo(int Column) {
    while (FColumn < Column && FChar != '0')
        Next();
    while (FColumn > Column && FColumn > 1)
        Prev();
}

void TEditorAttributeArray::SpanAt(char MapChar, int BytePos, const char*& Start,
                                   int& Length) const {
    int first = BytePos, count = 1;
    if (MapChar == '0')
        count = 0;
    else if (MapChar == '4')
        count = 2;
    else if (MapChar == '5')
        first = BytePos - 1, count = 2;
    // Keep the span inside the line whatever map the cursor was given.
    int last = std::min(first + count - 1, FLineLength);
    first = std::max(first, 1);
    Length = last >= first ? last - first + 1 : 0;
    Start = FLine + (Length ? first - 1 : 0);
}

void TEditorAttributeArray::CurrentCharSpan(const char*& Start, int& Length) const {
    SpanAt(FChar, FBytePos, Start, Length);
}

void TEditorAttributeArray::NextCharSpan(const char*& Start, int& Length) const {
    if (FChar == '0') {
        Start = FLine;
        Length = 0;
        return;
    }
    char next = MapAt(FColumn + 1);
    SpanAt(next, next == '3' ? FBytePos : FBytePos + 1, Start, Length);
}

std::string TEditorAttributeArray::CurrentChar() const {
    const char* p;
    int n;
    CurrentCharSpan(p, n);
    return std::string(p, n);
}

std::string TEditorAttributeArray::NextChar() const {
    const char* p;
    int n;
    NextCharSpan(p, n);
    return std::string(p, n);
}
