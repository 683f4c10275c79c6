#include "search/editor_search.h"

#include "editor/editor.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"

#include <algorithm>
#include <cstring>

void ScrollFoundRow(TEditor& Editor) {
    const int V = Editor.VisibleRows();
    const int R = Editor.Row() - Editor.TopRow();
    if (R > (4 * V) / 5 || R < V / 5) Editor.SetTopRow(Editor.Row() - V / 3);
}

namespace {

// The bytes a row has in the whole text: its own and, when it ends its line, CR LF.
int RowTextSize(const TEditorScreenStrings& List, int Row) {
    return static_cast<int>(List.Get(Row).size()) +
           (List.GetRowAttribute(Row) == TEditorRowAttribute::raCrlf ? 2 : 0);
}

bool HasZeroByte(const std::string& S, std::size_t Count) {
    Count = std::min(Count, S.size());
    return Count > 0 && std::memchr(S.data(), 0, Count) != nullptr;
}

// The first window size, and the largest one a window grows to per step.
constexpr int FirstChunk = 4096;
constexpr int LargestChunk = 1 << 20;

// Rows [First, Last) of the text joined as in the whole text.  First always begins a
// logical line, so the byte before the window is an LF (or there is none): a character
// and a word start there, and the search judges every position in the window as it
// would in the whole text, as long as the bytes it looks at after a match are in the
// window too.
class TTextWindow {
public:
    explicit TTextWindow(const TEditorScreenStrings& List) : FList(List) {}

    int First() const { return FFirst; }
    int Last() const { return FLast; }
    bool AtEnd() const { return FLast >= FList.Count(); }
    const std::string& Bytes() const { return FBytes; }
    std::int64_t Size() const { return static_cast<std::int64_t>(FBytes.size()); }

    // An empty window at the start of Row's logical line.
    void StartAtLineOf(int Row) {
        FFirst = FLast = std::min(Row, FList.Count()) == FList.Count()
                             ? FList.Count()
                             : FList.FirstRowOfLine(Row);
        FBytes.clear();
    }
    void AddRow() {
        FBytes += FList.Get(FLast);
        if (FList.GetRowAttribute(FLast) == TEditorRowAttribute::raCrlf) FBytes += "\r\n";
        ++FLast;
    }
    // Rows added until the window holds Size bytes or reaches the end of the text.
    void GrowTo(std::int64_t Size) {
        while (!AtEnd() && this->Size() < Size)
            AddRow();
    }
    void GrowToRow(int Row) {
        while (!AtEnd() && FLast < Row)
            AddRow();
    }
    // The offset of the start of Row (First <= Row <= Last) in the window.
    std::int64_t OffsetOfRow(int Row) const {
        std::int64_t Offset = 0;
        for (int R = FFirst; R < Row; ++R)
            Offset += RowTextSize(FList, R);
        return Offset;
    }
    // Drops the rows before the logical line that holds window offset At; returns the
    // number of bytes dropped.
    std::int64_t DropBefore(std::int64_t At) {
        int Row = FFirst;
        std::int64_t Start = 0;
        while (Row + 1 < FLast && Start + RowTextSize(FList, Row) <= At)
            Start += RowTextSize(FList, Row++);
        const int Keep = FList.FirstRowOfLine(Row);
        const std::int64_t Dropped = OffsetOfRow(Keep);
        FBytes.erase(0, static_cast<std::size_t>(Dropped));
        FFirst = Keep;
        return Dropped;
    }
    // Puts about Count bytes of whole lines before the window and keeps Tail bytes of the
    // old window (whole rows, at least); returns the number of bytes put before it.
    std::int64_t PrependLines(std::int64_t Count, std::int64_t Tail) {
        int NewFirst = FFirst;
        std::int64_t Added = 0;
        while (NewFirst > 0 && Added < Count) {
            const int LineStart = FList.FirstRowOfLine(NewFirst - 1);
            for (int R = LineStart; R < NewFirst; ++R)
                Added += RowTextSize(FList, R);
            NewFirst = LineStart;
        }
        std::string Head;
        Head.reserve(static_cast<std::size_t>(Added + Tail + 256));
        for (int R = NewFirst; R < FFirst; ++R) {
            Head += FList.Get(R);
            if (FList.GetRowAttribute(R) == TEditorRowAttribute::raCrlf) Head += "\r\n";
        }
        int Keep = FFirst;
        std::int64_t Kept = 0;
        while (Keep < FLast && Kept < Tail)
            Kept += RowTextSize(FList, Keep++);
        Head.append(FBytes, 0, static_cast<std::size_t>(Kept));
        FBytes.swap(Head);
        FFirst = NewFirst;
        FLast = Keep;
        return Added;
    }

private:
    const TEditorScreenStrings& FList;
    int FFirst = 0, FLast = 0;
    std::string FBytes;
};

} // namespace

bool TEditorTextSearch::FindNext(const std::string& Pattern, TSearchOptions Options) {
    if (FRunDepth == 0) FZeroFreeRows = 0;
    if (Pattern.empty() || FEditor.RowCount() == 0) return false;
    const TEditorScreenStrings& List = FEditor.RowList();
    const std::int64_t N = static_cast<std::int64_t>(Pattern.size());
    int StartRow, StartByte;
    FEditor.SelStartRowByte(StartRow, StartByte);
    TTextWindow Window(List);
    Window.StartAtLineOf(StartRow);
    Window.GrowToRow(std::min(StartRow + 2, List.Count()));
    std::int64_t Start = Window.OffsetOfRow(std::min(StartRow, Window.Last())) + StartByte;
    Window.GrowTo(Start + 1);
    std::int64_t Chunk = FirstChunk;
    std::int64_t At = -1;
    // Every window is checked for zero bytes; the rows before the first window going
    // down, or before the last one going up, are checked at the end.
    int Unchecked = Window.First();

    if (Has(Options, TSearchOption::soDown)) {
        // Positions before From were judged by an earlier window whose end came too
        // soon after them to judge a match there.
        std::int64_t From = Start + FEditor.SelLength();
        for (;;) {
            Window.GrowTo(From + N + Chunk);
            if (HasZeroByte(Window.Bytes(), Window.Bytes().size()))
                return FindNextInWholeText(Pattern, Options);
            TSearchSelection Selection{static_cast<std::int32_t>(From), 0};
            const std::optional<std::int32_t> Hit =
                From <= Window.Size() ? SearchBuffer(Window.Bytes(), Selection, Pattern, Options)
                                      : std::nullopt;
            if (Hit && (Window.AtEnd() || *Hit + N < Window.Size())) {
                At = *Hit;
                break;
            }
            if (Window.AtEnd()) return false;
            From = std::max(From, Window.Size() - N);
            From -= Window.DropBefore(From);
            Chunk = std::min<std::int64_t>(Chunk * 2, LargestChunk);
        }
    } else {
        // The byte after a candidate's end is in the window: it holds the row after
        // the start row.
        std::int64_t Before = Start;
        for (;;) {
            if (HasZeroByte(Window.Bytes(), Window.Bytes().size()))
                return FindNextInWholeText(Pattern, Options);
            TSearchSelection Selection{static_cast<std::int32_t>(Before), 0};
            const std::optional<std::int32_t> Hit =
                SearchBuffer(Window.Bytes(), Selection, Pattern, Options);
            if (Hit) {
                At = *Hit;
                Unchecked = Window.First();
                break;
            }
            if (Window.First() == 0) return false;
            // Candidates starting in the old window were judged; the new one keeps
            // enough of it for the candidates that start before it and end in it.
            const std::int64_t Added = Window.PrependLines(Chunk, N);
            Before = std::min(Before + Added, Added + N - 1);
            Chunk = std::min<std::int64_t>(Chunk * 2, LargestChunk);
        }
    }
    // The whole text ends at its first zero byte: there may be none before the match's
    // end going down, or the selection's start going up.
    if (!ZeroFreeBefore(Unchecked)) return FindNextInWholeText(Pattern, Options);
    if (!SelectMatch(Window.First(), static_cast<int>(At),
                     Window.Bytes().substr(static_cast<std::size_t>(At), static_cast<std::size_t>(N))))
        return false;
    ScrollFoundRow(FEditor);
    return true;
}

bool TEditorTextSearch::SelectMatch(int BaseRow, int Offset, const std::string& Found) {
    int OldRow, OldByte;
    FEditor.SelStartRowByte(OldRow, OldByte);
    const int OldLength = FEditor.SelLength();
    FEditor.SetSelStartFrom(BaseRow, Offset);
    FEditor.SetSelLength(static_cast<int>(Found.size()));
    if (FEditor.SelText() == Found) return true;
    FEditor.SetSelStartFrom(OldRow, OldByte);
    FEditor.SetSelLength(OldLength);
    return false;
}

bool TEditorTextSearch::ZeroFreeBefore(int Row) {
    const TEditorScreenStrings& List = FEditor.RowList();
    for (; FZeroFreeRows < Row; ++FZeroFreeRows) {
        const std::string& S = List.Get(FZeroFreeRows);
        if (HasZeroByte(S, S.size())) return false;
    }
    return true;
}

bool TEditorTextSearch::FindNextInWholeText(const std::string& Pattern, TSearchOptions Options) {
    TSearchSelection Selection{FEditor.SelStart(), FEditor.SelLength()};
    const std::string Text = FEditor.Lines().Text();
    if (!FindInText(Text, Selection, Pattern, Options)) return false;
    if (!SelectMatch(0, Selection.SelStart,
                     Text.substr(static_cast<std::size_t>(Selection.SelStart),
                                 static_cast<std::size_t>(Selection.SelLength))))
        return false;
    ScrollFoundRow(FEditor);
    return true;
}

void TEditorTextSearch::ReplaceMatch(const std::string& Text, bool Down) {
    const TEditorScreenStrings& List = FEditor.RowList();
    int Row, Byte;
    FEditor.SelStartRowByte(Row, Byte);
    // Rows before the edited line keep their bytes.
    FZeroFreeRows = std::min(FZeroFreeRows, List.FirstRowOfLine(std::min(Row, List.Count())));
    if (Text.empty())
        FEditor.DeleteSelection();
    else
        FEditor.SetSelText(Text);
    if (Down) return;
    // Back over Text: counted from the start of a line at or before it.
    const std::int64_t Back = static_cast<std::int64_t>(Text.size());
    FEditor.SelStartRowByte(Row, Byte);
    const int Count = List.Count();
    int Base = Row < Count ? List.FirstRowOfLine(Row) : Count;
    std::int64_t Offset = Byte;
    for (int R = Base; R < std::min(Row, Count); ++R)
        Offset += RowTextSize(List, R);
    while (Offset < Back && Base > 0) {
        const int Previous = List.FirstRowOfLine(Base - 1);
        for (int R = Previous; R < Base; ++R)
            Offset += RowTextSize(List, R);
        Base = Previous;
    }
    FEditor.SetSelStartFrom(Base, static_cast<int>(Offset - Back));
}
