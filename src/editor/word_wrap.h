#pragma once
// Word-wrap rules and the cutting of one logical line into screen rows.
//
// A line at least WrapByte columns wide is cut into rows of about WrapByte columns:
// a double-byte character never splits, WordBreak keeps runs of single-byte word
// characters together, FollowPunctuation lets punctuation hang past the margin (a row
// may then reach WrapByte + 4 columns), Leading keeps LeadStr characters off the end
// of a row and FollowStr characters off its start, and FollowRetMark lets the line-break
// mark of a line that fills its last row exactly stay on that row.
#include "base/notify_persistent.h"
#include "editor/column_map.h"

#include <string>
#include <vector>

class TEditorWrapOption : public TNotifyPersistent {
public:
    static constexpr int MinWrapByte = 20;
    static constexpr int MaxWrapByte = 250;
    static constexpr int DefaultWrapByte = 80;
    static const char* const DefaultFollowStr;
    static const char* const DefaultLeadStr;
    static const char* const DefaultPunctuationStr;

    TEditorWrapOption();

    bool FollowRetMark() const { return FFollowRetMark; }
    void SetFollowRetMark(bool Value);
    bool FollowPunctuation() const { return FFollowPunctuation; }
    void SetFollowPunctuation(bool Value);
    const std::string& FollowStr() const { return FFollowStr; }
    void SetFollowStr(const std::string& Value);
    bool Leading() const { return FLeading; }
    void SetLeading(bool Value);
    const std::string& LeadStr() const { return FLeadStr; }
    void SetLeadStr(const std::string& Value);
    const std::string& PunctuationStr() const { return FPunctuationStr; }
    void SetPunctuationStr(const std::string& Value);
    bool WordBreak() const { return FWordBreak; }
    void SetWordBreak(bool Value);
    int WrapByte() const { return FWrapByte; }
    // Clamps to MinWrapByte ... MaxWrapByte before comparing.
    void SetWrapByte(int Value);

    // Copies all eight fields of another TEditorWrapOption and notifies once; any other
    // source raises EConvertError.
    void Assign(const TNotifyPersistent& Source) override;

private:
    bool FFollowRetMark = false;
    bool FFollowPunctuation = false;
    std::string FFollowStr;
    bool FLeading = false;
    std::string FLeadStr;
    std::string FPunctuationStr;
    bool FWordBreak = false;
    int FWrapByte = DefaultWrapByte;
};

// True when the character Ch occurs in Set as whole characters starting at a character
// boundary of Set (a lead byte there covers two bytes).  The empty string is in no set.
bool ContainsChar(const std::string& Ch, const std::string& Set);
bool ContainsChar(const char* Ch, int ChLength, const std::string& Set);

// Appends to RowLengths the byte lengths of the rows that the row-cutting rule makes of one
// logical line (no line-break bytes in Line; Map = GetColumnMap(Line, ...)). When Map is shorter
// than WrapByte it appends Line.size() alone. Every row but the last is raWrapped, the last
// raCrlf; a final length 0 is the empty row that carries the line-break mark.
void CutLineIntoRows(const std::string& Line, const std::string& Map, const TEditorWrapOption& Option,
                     std::vector<int>& RowLengths);
// The number of rows CutLineIntoRows makes of Line.
int CountLineRows(const std::string& Line, const std::string& Map, const TEditorWrapOption& Option);

// Cuts lines one after another with one reused column map and cursor: no allocation per
// line once the buffers have grown.  The map is built with word wrap on at the option's
// WrapByte and the given tab width.
class TEditorLineCutter {
public:
    TEditorLineCutter() = default;
    TEditorLineCutter(const TEditorLineCutter&) = delete;
    TEditorLineCutter& operator=(const TEditorLineCutter&) = delete;

    // The delimiters the maps are built with (null: the standard set); must outlive the
    // cutting.
    void SetDelimiters(const TDelimiterSet* Delimiters) { FDelimiters = Delimiters; }

    void CutLineIntoRows(const char* Line, int Length, int TabSpaceCount,
                         const TEditorWrapOption& Option, std::vector<int>& RowLengths);
    int CountLineRows(const char* Line, int Length, int TabSpaceCount,
                      const TEditorWrapOption& Option);
    // The rows from one that starts at byte StartByte, column StartColumn (0-based) of
    // Line, which must be where cutting the whole line starts a row, at the first column
    // of a character.
    void CutLineIntoRowsFrom(const char* Line, int Length, int StartByte, int StartColumn,
                             int TabSpaceCount, const TEditorWrapOption& Option,
                             std::vector<int>& RowLengths);

private:
    std::string FMap;
    TEditorAttributeArray FCursor;
    const TDelimiterSet* FDelimiters = nullptr;
};
