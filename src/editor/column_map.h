#pragma once
// The column map of a Shift_JIS line: one character per display column.
//   '1' a single-byte character that is not a delimiter (letters, digits, '_', 0xA6-0xDF)
//   '2' a single-byte delimiter (the tab among them)
//   '3' a fill column of a tab (the columns after the tab's own column up to its stop)
//   '4' the first and '5' the second column of a double-byte character
// A tab runs to the next multiple of TabSpaceCount; with word wrap on it also stops at
// the next multiple of WrapByte, so that it never reaches past the wrap column.
// A lead byte that is the last byte of a line has no trail byte to pair with; it is
// mapped as a single column so that the map never claims a byte the line does not have.
//
// TEditorAttributeArray walks a line and its map column by column and knows, for each
// column, the byte that column shows.
#include "base/shift_jis.h"

#include <string>

// The control's word-delimiter bytes: 0-47, 58-64, 91-94, 96, 123-128, 160-165, 253-255.
bool IsColumnDelimiter(unsigned char b);

// A set of byte values that a column map shows as delimiters ('2').  Made with the
// standard members above; a control may change them.
class TDelimiterSet {
public:
    TDelimiterSet();
    bool Has(unsigned char B) const { return FMember[B]; }
    void Set(unsigned char B, bool Value) { FMember[B] = Value; }
    static const TDelimiterSet& Standard();

private:
    bool FMember[256];
};

// Delimiters null: the standard set.
std::string GetColumnMap(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte,
                         const TDelimiterSet* Delimiters = nullptr);
// The same map written into Map (its capacity is reused between calls).  With StartColumn,
// Line is the part of a logical line that starts at that column: tab stops are counted
// from the start of the logical line and Map holds the columns from StartColumn on.
void BuildColumnMap(const char* Line, int Length, int TabSpaceCount, bool WordWrap, int WrapByte,
                    std::string& Map, int StartColumn = 0,
                    const TDelimiterSet* Delimiters = nullptr);

// Line with every tab replaced by spaces up to its tab stop (same stops as the map).
std::string ExpandTabs(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte);
// == ExpandTabs(..).size() == GetColumnMap(..).size(), computed without building either.
int ExpandedWidth(const std::string& Line, int TabSpaceCount, bool WordWrap, int WrapByte);
int ExpandedWidth(const char* Line, int Length, int TabSpaceCount, bool WordWrap, int WrapByte);

// A cursor over a line and its column map.  Columns and byte positions are 1-based; the
// column just past the map is the terminator, whose map character is '0'.  All fill
// columns of a tab show the tab byte.
class TEditorAttributeArray {
public:
    TEditorAttributeArray() = default;
    TEditorAttributeArray(const std::string& Line, const std::string& Map) { Create(Line, Map); }
    TEditorAttributeArray(const TEditorAttributeArray&) = delete;
    TEditorAttributeArray& operator=(const TEditorAttributeArray&) = delete;

    // Keeps copies of Line and Map and steps to column 1.
    void Create(const std::string& Line, const std::string& Map);
    // Walks Line and Map in place, without copying: both must outlive the walk.
    void Attach(const char* Line, int LineLength, const char* Map, int MapLength);

    // One column right; nothing at the terminator.  The byte position follows unless the
    // new column is a tab fill column.
    void Next();
    // One column left; nothing at column 1.  The byte position follows unless the column
    // left behind was a tab fill column.
    void Prev();
    // Steps right until Column or the terminator, then left while above Column and 1.
    void MoveTo(int Column);

    int ColumnCount() const { return FMapLength; }
    int Column() const { return FColumn; }
    char MapChar() const { return FChar; }
    int BytePos() const { return FBytePos; }

    // The character under the current column: empty at the terminator, both bytes of a
    // double-byte character on either of its columns, else the one byte shown.
    std::string CurrentChar() const;
    // The character in the column after the current one (empty at or before the
    // terminator); the cursor does not move.
    std::string NextChar() const;
    // The same characters as spans of the line, without building a string.  Length is 0
    // for the empty character.
    void CurrentCharSpan(const char*& Start, int& Length) const;
    void NextCharSpan(const char*& Start, int& Length) const;

private:
    char MapAt(int Column) const {
        return Column >= 1 && Column <= FMapLength ? FMap[Column - 1] : '0';
    }
    void SpanAt(char MapChar, int BytePos, const char*& Start, int& Length) const;

    char FChar = '0';
    int FColumn = 0;
    int FBytePos = 0;
    const char* FLine = "";
    int FLineLength = 0;
    const char* FMap = "";
    int FMapLength = 0;
    std::string FOwnLine; // the copies made by Create
    std::string FOwnMap;
};
