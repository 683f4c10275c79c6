// Cutting text into rows and re-cutting the whole row list when word wrap or the wrap
// options change.
#include "editor/column_map.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "editor/undo.h"
#include "editor/word_wrap.h"

#include <typeinfo>

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

int TEditorScreenStrings::WidthOf(std::string_view Line) const {
    return ExpandedWidth(Line.data(), static_cast<int>(Line.size()), ViewTabSpaceCount(), true,
                         WrapOption().WrapByte());
}

bool TEditorScreenStrings::NeedsCut(std::string_view Line) const {
    // Every byte takes at least one column, and only a tab takes more than one column per
    // byte: a line of WrapByte bytes is wide enough, and a shorter one without a tab is
    // as wide as it is long.
    int W = WrapOption().WrapByte();
    if (static_cast<int>(Line.size()) >= W) return true;
    if (Line.find('\t') == std::string_view::npos) return false;
    return WidthOf(Line) >= W;
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

bool TEditorScreenStrings::OwnCutting() const {
    // The row list's own cutting is what WrapText and CountWrapRows do; a derived list
    // that overrides them is asked through them.
    return typeid(*this) == typeid(TEditorScreenStrings);
}

void TEditorScreenStrings::CutLengthsOf(std::string_view Line, std::vector<int>& Lengths) {
    Lengths.clear();
    if (OwnCutting()) {
        Cutter().CutLineIntoRows(Line.data(), static_cast<int>(Line.size()), ViewTabSpaceCount(),
                                 WrapOption(), Lengths);
        return;
    }
    // A derived cutting cuts the line; it does not rewrite its bytes.
    TEditorStringList Cut;
    WrapText(std::string(Line), Cut);
    for (int I = 0; I < Cut.Count(); ++I)
        Lengths.push_back(static_cast<int>(Cut.Get(I).size()));
}

bool TEditorScreenStrings::RowCountsChange() {
    const bool Own = OwnCutting();
    std::string Joined;
    int Block;
    std::size_t Where;
    for (int R = 0, N = Count(); R < N;) {
        int E = LastRowOfLine(R);
        TRowText Line = LineBytes(R, E, Block, Where, Joined);
        int Rows;
        if (!Own)
            Rows = CountWrapRows(Line.str());
        else if (!FWordWrap || !NeedsCut(Line))
            Rows = 1;
        else
            Rows = Cutter().CountLineRows(Line.data(), static_cast<int>(Line.size()),
                                          ViewTabSpaceCount(), WrapOption());
        if (Rows != E - R + 1) return true;
        R = E + 1;
    }
    return false;
}

TRowText TEditorScreenStrings::LineBytes(int From, int To, int& Block, std::size_t& Where,
                                         std::string& Joined) const {
    const TItem& First = Item(From);
    Block = -1;
    if (First.Block != NoBlock) {
        // Rows cut from one loaded line lie one after another in its block.
        std::size_t End = First.Where + std::size_t(First.Length);
        int R = From + 1;
        for (; R <= To; ++R) {
            const TItem& I = Item(R);
            if (I.Block != First.Block || I.Where != End) break;
            End += I.Length;
        }
        if (R > To) {
            Block = First.Block;
            Where = First.Where;
            return TRowText(TextOf(First).data(), End - First.Where);
        }
    }
    Joined.clear();
    for (int R = From; R <= To; ++R)
        Joined += TextOf(Item(R));
    return TRowText(Joined);
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

    // The new rows are built aside and then replace the old ones: lines that grow and
    // lines that shrink in one pass cannot overwrite rows not yet read.  A first pass
    // cuts the lines that need it and counts the rows, so that the new records are made
    // once at their final size; a line that needs no cut keeps its record.  Rows of a
    // loaded line stay in its block: only rows with bytes of their own are copied.  When
    // the row count stays the same and no rule changed, every line was already cut this
    // way (rows made with word wrap on are cut as they are made), so the result equals
    // the rows there were.
    TEditorRowAttribute Tail = GetRowAttribute(N - 1);
    // A derived cutting is asked for every line of several rows.
    const bool Own = OwnCutting();
    std::vector<std::uint32_t> Cuts; // per cut line: its row count, then each row's length
    std::string Joined;
    std::size_t Total = 0;
    int Block;
    std::size_t Where;
    for (int R = 0; R < N;) {
        int E = LastRowOfLine(R);
        if (E == R && !NeedsCut(TextOf(Item(R)))) {
            ++Total;
        } else {
            TRowText Line = LineBytes(R, E, Block, Where, Joined);
            if (Own && !NeedsCut(Line)) {
                ++Total;
            } else {
                CutLengthsOf(Line, FCutLengths);
                Cuts.push_back(static_cast<std::uint32_t>(FCutLengths.size()));
                Cuts.insert(Cuts.end(), FCutLengths.begin(), FCutLengths.end());
                Total += FCutLengths.size();
            }
        }
        R = E + 1;
    }

    TGapBuffer<TItem> Out;
    Out.insert(0, Total);
    std::size_t W = 0, C = 0;
    for (int R = 0; R < N;) {
        int E = LastRowOfLine(R);
        bool Final = E == N - 1;
        TEditorRowAttribute End = Final ? Tail : TEditorRowAttribute::raCrlf;
        if (E == R && !NeedsCut(TextOf(Item(R)))) {
            Out[W] = Item(R); // the record, and with it any bytes of its own
            Item(R) = TItem();
            Out[W++].Data = static_cast<std::uint16_t>(End);
            R = E + 1;
            continue;
        }
        TRowText Line = LineBytes(R, E, Block, Where, Joined);
        if (Block < 0 && Joined.empty() && !Line.empty()) Joined = Line.str();
        if (Block < 0) Line = TRowText(Joined);
        for (int I = R; I <= E; ++I)
            Release(Item(I));
        std::uint32_t Pieces = 1;
        const std::uint32_t* Lengths = nullptr;
        std::uint32_t Whole = static_cast<std::uint32_t>(Line.size());
        if (!Own || NeedsCut(Line)) {
            Pieces = Cuts[C];
            Lengths = &Cuts[C + 1];
            C += 1 + Pieces;
        }
        std::size_t Offset = 0;
        for (std::uint32_t P = 0; P < Pieces; ++P) {
            std::size_t Length = Lengths ? Lengths[P] : Whole;
            TItem& Row = Out[W++];
            if (Block >= 0)
                SetBlockString(Row, Block, Where + Offset, Length);
            else
                SetString(Row, Joined.substr(Offset, Length));
            Row.Data = static_cast<std::uint16_t>(P + 1 < Pieces ? TEditorRowAttribute::raWrapped
                                                                  : End);
            Offset += Length;
        }
        R = E + 1;
    }
    SwapRecords(Out);

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
    std::string Joined;
    int Block;
    std::size_t Where;
    for (int R = 0; R < N;) {
        int E = R;
        while (E < N - 1 && GetRowAttribute(E) == TEditorRowAttribute::raWrapped)
            ++E;
        TItem Line;
        if (E == R) {
            Line = Item(R);
            Item(R) = TItem();
        } else {
            TRowText Bytes = LineBytes(R, E, Block, Where, Joined);
            std::size_t Length = Bytes.size();
            for (int I = R; I <= E; ++I)
                Release(Item(I));
            if (Block >= 0)
                SetBlockString(Line, Block, Where, Length);
            else
                SetString(Line, std::move(Joined));
            Joined = std::string();
        }
        R = E + 1;
        Line.Data = static_cast<std::uint16_t>(R == N ? Tail : TEditorRowAttribute::raCrlf);
        Item(W++) = Line; // every row up to R has been taken
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
