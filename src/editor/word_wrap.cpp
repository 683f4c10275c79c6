#include "editor/word_wrap.h"

#include "base/errors.h"
#include "base/shift_jis.h"

#include <algorithm>

const char* const TEditorWrapOption::DefaultFollowStr =
    "、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ";
const char* const TEditorWrapOption::DefaultLeadStr = "（［｛「『([{｢";
const char* const TEditorWrapOption::DefaultPunctuationStr = "、。，．,.｡､";

TEditorWrapOption::TEditorWrapOption()
    : FFollowStr(DefaultFollowStr), FLeadStr(DefaultLeadStr),
      FPunctuationStr(DefaultPunctuationStr) {}

namespace {
template <class T> void Store(TEditorWrapOption& Owner, T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Owner.Changed();
}
} // namespace

void TEditorWrapOption::SetFollowRetMark(bool Value) {
    Store(*this, FFollowRetMark, Value);
}
void TEditorWrapOption::SetFollowPunctuation(bool Value) {
    Store(*this, FFollowPunctuation, Value);
}
void TEditorWrapOption::SetFollowStr(const std::string& Value) {
    Store(*this, FFollowStr, Value);
}
void TEditorWrapOption::SetLeading(bool Value) {
    Store(*this, FLeading, Value);
}
void TEditorWrapOption::SetLeadStr(const std::string& Value) {
    Store(*this, FLeadStr, Value);
}
void TEditorWrapOption::SetPunctuationStr(const std::string& Value) {
    Store(*this, FPunctuationStr, Value);
}
void TEditorWrapOption::SetWordBreak(bool Value) {
    Store(*this, FWordBreak, Value);
}
void TEditorWrapOption::SetWrapByte(int Value) {
    Store(*this, FWrapByte, std::min(std::max(Value, MinWrapByte), MaxWrapByte));
}

void TEditorWrapOption::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorWrapOption*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    FFollowRetMark = src->FFollowRetMark;
    FFollowPunctuation = src->FFollowPunctuation;
    FFollowStr = src->FFollowStr;
    FLeading = src->FLeading;
    FLeadStr = src->FLeadStr;
    FPunctuationStr = src->FPunctuationStr;
    FWordBreak = src->FWordBreak;
    FWrapByte = src->FWrapByte;
    Changed();
}

bool ContainsChar(const char* Ch, int ChLength, const std::string& Set) {
    const int n = static_cast<int>(Set.size());
    if (ChLength <= 0 || ChLength > n) return false;
    const char* s = Set.data();
    for (int i = 0; i + ChLength <= n;) {
        int step = static_cast<int>(SjisCharLength(s, n, i));
        if (std::equal(Ch, Ch + ChLength, s + i)) {
            // The match must end on a character boundary too: half a pair is no character.
            int j = i;
            while (j < i + ChLength)
                j += static_cast<int>(SjisCharLength(s, n, j));
            if (j == i + ChLength) return true;
        }
        i += step;
    }
    return false;
}

bool ContainsChar(const std::string& Ch, const std::string& Set) {
    return ContainsChar(Ch.data(), static_cast<int>(Ch.size()), Set);
}

namespace {

bool CurrentIn(const TEditorAttributeArray& A, const std::string& Set) {
    const char* p;
    int n;
    A.CurrentCharSpan(p, n);
    return ContainsChar(p, n, Set);
}

bool NextIn(const TEditorAttributeArray& A, const std::string& Set) {
    const char* p;
    int n;
    A.NextCharSpan(p, n);
    return ContainsChar(p, n, Set);
}

void PrevWhole(TEditorAttributeArray& A) {
    A.Prev();
    if (A.MapChar() == '4') A.Prev();
}

// Runs the row-cutting rule over A (positioned anywhere); appends row lengths to Rows
// when given; returns the number of rows.  Resumed: A walks the rest of a line wider than
// WrapByte from the start of one of its rows on, and the rule goes on as it would after
// cutting the rows before.
int Cut(TEditorAttributeArray& A, int LineLength, const TEditorWrapOption& O,
        std::vector<int>* Rows, bool Resumed = false) {
    const int W = O.WrapByte();
    if (!Resumed && A.ColumnCount() < W) {
        if (Rows) Rows->push_back(LineLength);
        return 1;
    }
    const bool wide = Resumed || A.ColumnCount() > W;
    const int leadFloor = (W / 5) * 4;
    int rows = 0;
    int S = 1, R = 1;
    A.MoveTo(W);
    while (A.MapChar() != '0') {
        // Keep a double-byte character whole; with word break, end the row after a
        // delimiter, a tab or a double-byte character when one lies past the first third
        // of the row.  A word with no such break there is cut at the margin: cutting it
        // at the first third would leave two thirds of every row of a long word empty.
        if (A.MapChar() == '4') {
            A.Prev();
        } else if (O.WordBreak() && wide) {
            const int margin = A.Column();
            while ((A.MapChar() == '1' || A.MapChar() == '4') && A.Column() - R > W / 3)
                PrevWhole(A);
            // The only break left may also be the tail of a tab that ended the previous
            // row: cutting there would make an empty row.
            if (A.MapChar() == '1' || A.MapChar() == '4' || A.BytePos() < S) A.MoveTo(margin);
        }
        if (O.FollowPunctuation()) {
            while (A.Column() - R < W + 2 && NextIn(A, O.PunctuationStr())) {
                A.Next();
                if (A.MapChar() == '4') A.Next();
            }
        }
        if (O.Leading() && A.ColumnCount() > A.Column()) {
            while (A.Column() - R >= leadFloor && CurrentIn(A, O.LeadStr()))
                PrevWhole(A);
            if (A.ColumnCount() > A.Column() + 1 && NextIn(A, O.FollowStr())) {
                bool nextFollows = true;
                bool lastLeads = CurrentIn(A, O.LeadStr());
                while (A.Column() - R >= leadFloor && (lastLeads || nextFollows)) {
                    PrevWhole(A);
                    // next := last, last := the character now under the cursor
                    const char* p;
                    int n;
                    A.NextCharSpan(p, n);
                    nextFollows = ContainsChar(p, n, O.FollowStr());
                    lastLeads = CurrentIn(A, O.LeadStr());
                }
            }
        }
        const int end = std::min(std::max(A.BytePos(), S - 1), LineLength);
        if (Rows) Rows->push_back(end - S + 1);
        ++rows;
        S = end + 1;
        R = A.Column() + 1;
        for (int i = 0; i < W && A.MapChar() != '0'; ++i)
            A.Next();
    }
    if (R >= A.ColumnCount() + 1) {
        if (!O.FollowRetMark()) {
            if (Rows) Rows->push_back(0);
            ++rows;
        }
    } else {
        if (Rows) Rows->push_back(std::max(0, LineLength - S + 1));
        ++rows;
    }
    return rows;
}

} // namespace

void CutLineIntoRows(const std::string& Line, const std::string& Map,
                     const TEditorWrapOption& Option, std::vector<int>& RowLengths) {
    TEditorAttributeArray A;
    A.Attach(Line.data(), static_cast<int>(Line.size()), Map.data(), static_cast<int>(Map.size()));
    Cut(A, static_cast<int>(Line.size()), Option, &RowLengths);
}

int CountLineRows(const std::string& Line, const std::string& Map,
                  const TEditorWrapOption& Option) {
    TEditorAttributeArray A;
    A.Attach(Line.data(), static_cast<int>(Line.size()), Map.data(), static_cast<int>(Map.size()));
    return Cut(A, static_cast<int>(Line.size()), Option, nullptr);
}

void TEditorLineCutter::CutLineIntoRows(const char* Line, int Length, int TabSpaceCount,
                                        const TEditorWrapOption& Option,
                                        std::vector<int>& RowLengths) {
    BuildColumnMap(Line, Length, TabSpaceCount, true, Option.WrapByte(), FMap, 0, FDelimiters);
    FCursor.Attach(Line, Length, FMap.data(), static_cast<int>(FMap.size()));
    Cut(FCursor, Length, Option, &RowLengths);
}

void TEditorLineCutter::CutLineIntoRowsFrom(const char* Line, int Length, int StartByte,
                                            int StartColumn, int TabSpaceCount,
                                            const TEditorWrapOption& Option,
                                            std::vector<int>& RowLengths) {
    const char* Rest = Line + StartByte;
    int RestLength = Length - StartByte;
    BuildColumnMap(Rest, RestLength, TabSpaceCount, true, Option.WrapByte(), FMap, StartColumn,
                   FDelimiters);
    FCursor.Attach(Rest, RestLength, FMap.data(), static_cast<int>(FMap.size()));
    Cut(FCursor, RestLength, Option, &RowLengths, true);
}

int TEditorLineCutter::CountLineRows(const char* Line, int Length, int TabSpaceCount,
                                     const TEditorWrapOption& Option) {
    BuildColumnMap(Line, Length, TabSpaceCount, true, Option.WrapByte(), FMap, 0, FDelimiters);
    FCursor.Attach(Line, Length, FMap.data(), static_cast<int>(FMap.size()));
    return Cut(FCursor, Length, Option, nullptr);
}
