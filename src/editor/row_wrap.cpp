// Cutting text into rows and re-cutting the whole row list when word wrap or the wrap
// options change.
#include "editor/column_map.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "editor/undo.h"
#include "editor/word_wrap.h"

namespace {

// Calls Fn(Start, Length) for every line of Text cut at CR LF, CR or LF; a final line
// break makes no extra empty line.
template <typename F> void ForEachLine(const std::string& Text, F Fn) {
    std::size_t Start = 0, N = Text.size();
    while (Start < N) {
        std::size_t End = Start;
        while (End < N && Text[End] != '\r' && Text[End] != '\n')
            ++End;
        Fn(Text.data() + Start, static_cast<int>(End - Start));
        if (End < N && Text[End] == '\r' && End + 1 < N && Text[End + 1] == '\n')
            End += 2;
        else if (End < N)
            ++End;
        Start = End;
    }
}

} // namespace

TEditorLineCutter& TEditorScreenStrings::Cutter() {
    TRowListView* First = FirstEditor();
    FCutter->SetDelimiters(First ? First->DelimiterSet() : nullptr);
    return *FCutter;
}

int TEditorScreenStrings::WidthOf(const std::string& Line) const {
    return ExpandedWidth(Line, ViewTabSpaceCount(), true, WrapOption().WrapByte());
}

bool TEditorScreenStrings::NeedsCut(const std::string& Line) const {
    // Every byte takes at least one column, so a line of WrapByte bytes is wide enough
    // without measuring it.
    int W = WrapOption().WrapByte();
    return static_cast<int>(Line.size()) >= W || WidthOf(Line) >= W;
}

void TEditorScreenStrings::CutLine(const char* Line, int Length, TEditorStringList& Dest) {
    const TEditorWrapOption& Option = WrapOption();
    if (Length < Option.WrapByte() && ExpandedWidth(Line, Length, ViewTabSpaceCount(), true,
                                                    Option.WrapByte()) < Option.WrapByte()) {
        Dest.AddRow(std::string(Line, static_cast<std::size_t>(Length)),
                    TEditorRowAttribute::raCrlf);
        return;
    }
    FCutLengths.clear();
    Cutter().CutLineIntoRows(Line, Length, ViewTabSpaceCount(), Option, FCutLengths);
    int Start = 0;
    for (std::size_t I = 0; I < FCutLengths.size(); ++I) {
        int RowLength = FCutLengths[I];
        Dest.AddRow(std::string(Line + Start, static_cast<std::size_t>(RowLength)),
                    I + 1 < FCutLengths.size() ? TEditorRowAttribute::raWrapped
                                               : TEditorRowAttribute::raCrlf);
        Start += RowLength;
    }
}

void TEditorScreenStrings::WrapText(const std::string& Text, TEditorStringList& Dest) {
    Dest.BeginUpdate();
    Dest.Clear();
    if (Text.empty()) {
        Dest.AddRow(std::string(), TEditorRowAttribute::raCrlf);
    } else if (!FWordWrap) {
        ForEachLine(Text, [&](const char* Line, int Length) {
            Dest.AddRow(std::string(Line, static_cast<std::size_t>(Length)),
                        TEditorRowAttribute::raCrlf);
        });
    } else {
        ForEachLine(Text, [&](const char* Line, int Length) { CutLine(Line, Length, Dest); });
    }
    Dest.EndUpdate();
}

void TEditorScreenStrings::WrapTextFrom(const std::string& Text, int Offset,
                                        TEditorStringList& Dest) {
    Dest.BeginUpdate();
    Dest.Clear();
    // The first line goes on from the row that starts Offset bytes into it.
    std::size_t Break = Text.find_first_of("\r\n");
    std::size_t FirstLength = Break == std::string::npos ? Text.size() : Break;
    const char* Line = Text.data();
    int Length = static_cast<int>(FirstLength);
    int Column = ExpandedWidth(Line, Offset, ViewTabSpaceCount(), true, WrapOption().WrapByte());
    FCutLengths.clear();
    Cutter().CutLineIntoRowsFrom(Line, Length, Offset, Column, ViewTabSpaceCount(), WrapOption(),
                                 FCutLengths);
    int Start = Offset;
    for (std::size_t I = 0; I < FCutLengths.size(); ++I) {
        Dest.AddRow(std::string(Line + Start, static_cast<std::size_t>(FCutLengths[I])),
                    I + 1 < FCutLengths.size() ? TEditorRowAttribute::raWrapped
                                               : TEditorRowAttribute::raCrlf);
        Start += FCutLengths[I];
    }
    // The lines after it are cut whole.
    if (Break != std::string::npos) {
        std::size_t Next =
            Break +
            (Text[Break] == '\r' && Break + 1 < Text.size() && Text[Break + 1] == '\n' ? 2 : 1);
        ForEachLine(Text.substr(Next), [&](const char* L, int N) { CutLine(L, N, Dest); });
    }
    Dest.EndUpdate();
}

int TEditorScreenStrings::CountWrapRows(const std::string& Line) {
    if (!FWordWrap || !NeedsCut(Line)) return 1;
    return Cutter().CountLineRows(Line.data(), static_cast<int>(Line.size()), ViewTabSpaceCount(),
                                  WrapOption());
}

bool TEditorScreenStrings::RowCountsChange() {
    std::string Line;
    for (int R = 0, N = Count(); R < N;) {
        int E = LastRowOfLine(R);
        int Rows;
        if (E == R) {
            Rows = CountWrapRows(Item(R).S);
        } else {
            Line.clear();
            for (int I = R; I <= E; ++I)
                Line += Item(I).S;
            Rows = CountWrapRows(Line);
        }
        if (Rows != E - R + 1) return true;
        R = E + 1;
    }
    return false;
}

void TEditorScreenStrings::WrapAll() {
    int N = Count();
    if (N == 0 || FirstEditorLoading()) return;
    // Unless the cutting rules changed, rows made with word wrap on are cut as they are
    // made: when every logical line already has the rows CountWrapRows gives it, they
    // are the rows WrapText would make.
    if (!FForcedRewrap && !RowCountsChange()) return;
    for (TRowListView* View : FViews)
        if (View->Selected()) View->CleanSelection();
    TChangeEvent Saved = std::move(OnChange);
    OnChange = nullptr;
    BeginUpdate();

    // One pass builds the new rows aside and then replaces the old ones: lines that grow
    // and lines that shrink in one pass cannot overwrite rows not yet read.  A line that
    // needs no cut keeps its string (moved, not copied); the others go through WrapText.
    TEditorRowAttribute Tail = GetRowAttribute(N - 1);
    TEditorStringList Out, Cut;
    std::string Line;
    for (int R = 0; R < N;) {
        int E = LastRowOfLine(R);
        bool Final = E == N - 1;
        if (E == R && !NeedsCut(Item(R).S)) {
            Out.AddRow(std::move(Item(R).S), TEditorRowAttribute::raCrlf);
        } else {
            Line.clear();
            for (int I = R; I <= E; ++I)
                Line += Item(I).S;
            WrapText(Line, Cut);
            for (int I = 0; I < Cut.Count(); ++I)
                Out.AddRow(std::move(Cut.Item(I).S), Cut.GetRowAttribute(I));
        }
        if (Final) Out.SetRowAttribute(Out.Count() - 1, Tail);
        R = E + 1;
    }
    SwapItems(Out);

    EndUpdate();
    OnChange = std::move(Saved);
}

void TEditorScreenStrings::UnwrapAll() {
    int N = Count();
    if (N == 0) return;
    for (TRowListView* View : FViews)
        if (View->Selected()) View->CleanSelection();
    TEditorRowAttribute Tail = GetRowAttribute(N - 1);
    if (Tail == TEditorRowAttribute::raWrapped) Tail = TEditorRowAttribute::raEof;
    TChangeEvent Saved = std::move(OnChange);
    OnChange = nullptr;
    BeginUpdate();
    int W = 0;
    for (int R = 0; R < N;) {
        std::string Joined = std::move(Item(R).S);
        while (R < N - 1 && GetRowAttribute(R) == TEditorRowAttribute::raWrapped) {
            ++R;
            Joined += Item(R).S;
        }
        ++R;
        Item(W).S = std::move(Joined);
        Item(W).Data = static_cast<std::uint32_t>(R == N ? Tail : TEditorRowAttribute::raCrlf);
        ++W;
    }
    EraseItems(W, N - W);
    Touch(0);
    EndUpdate();
    OnChange = std::move(Saved);
}

void TEditorScreenStrings::RefreshViewsAfterRecut() {
    RecomputeRowStates();
    for (TRowListView* View : FViews) {
        View->UpdateScrollBars();
        View->Invalidate();
    }
    ClampViews();
    for (TRowListView* View : FViews)
        View->SetCol(0);
}

void TEditorScreenStrings::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    if (FirstEditorLoading()) return;
    UndoObj().Clear();
    if (Value)
        WrapAll();
    else
        UnwrapAll();
    RefreshViewsAfterRecut();
}

void TEditorScreenStrings::WrapOptionChanged(TNotifyPersistent*) {
    RecutAll();
}

void TEditorScreenStrings::ViewTabWidthChanged() {
    int Tab = ViewTabSpaceCount();
    if (Tab == FCutTabSpaceCount) return;
    FCutTabSpaceCount = Tab;
    RecutAll();
}

void TEditorScreenStrings::RecutAll() {
    if (FirstEditorLoading() || !FWordWrap) return;
    UndoObj().Clear();
    FForcedRewrap = true;
    WrapAll();
    RefreshViewsAfterRecut();
    FForcedRewrap = false;
}
