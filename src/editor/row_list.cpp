#include "editor/row_list.h"

#include "base/errors.h"
#include "editor/column_map.h"
#include "editor/row_list_view.h"
#include "editor/undo.h"
#include "editor/word_wrap.h"

#include <algorithm>
#include <cstring>

TEditorScreenStrings::TEditorScreenStrings()
    : FUndoObj(nullptr), FWrapOption(nullptr), FCutter(std::make_unique<TEditorLineCutter>()) {
    OnChange = [this] { NotifyViews(); };
}

TEditorScreenStrings::~TEditorScreenStrings() = default;

// The factories are virtual, so they cannot run in the constructor of this class; the
// owned objects are made on first use instead, which a derived class sees the same way.
TEditorUndoObj& TEditorScreenStrings::UndoObj() {
    if (!FUndoObj) FUndoObj = CreateUndoObj();
    return *FUndoObj;
}

TEditorWrapOption& TEditorScreenStrings::WrapOption() {
    if (!FWrapOption) {
        FWrapOption = CreateWrapOption();
        FWrapOption->OnChange = [this](TNotifyPersistent* Sender) { WrapOptionChanged(Sender); };
    }
    return *FWrapOption;
}

const TEditorWrapOption& TEditorScreenStrings::WrapOption() const {
    return const_cast<TEditorScreenStrings*>(this)->WrapOption();
}

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj() {
    return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<TEditorWrapOption> TEditorScreenStrings::CreateWrapOption() {
    return std::make_unique<TEditorWrapOption>();
}

// Views ------------------------------------------------------------------------------

void TEditorScreenStrings::AddEditor(TRowListView* View) {
    if (View && std::find(FViews.begin(), FViews.end(), View) == FViews.end())
        FViews.push_back(View);
}

void TEditorScreenStrings::RemoveEditor(TRowListView* View) {
    auto It = std::find(FViews.begin(), FViews.end(), View);
    if (It == FViews.end()) return;
    FViews.erase(It);
    if (FViews.empty())
        delete this;
    else
        ViewTabWidthChanged(); // the next view cuts with its own tab width
}

TRowListView* TEditorScreenStrings::ActiveEditor() const {
    for (TRowListView* View : FViews)
        if (View->Focused()) return View;
    return FirstEditor();
}

bool TEditorScreenStrings::FirstEditorLoading() const {
    TRowListView* First = FirstEditor();
    return First && First->Loading();
}

int TEditorScreenStrings::ViewTabSpaceCount() const {
    TRowListView* First = FirstEditor();
    return First ? First->TabSpaceCount() : 8;
}

void TEditorScreenStrings::NotifyViews() {
    std::vector<TRowListView*> Views = FViews;
    for (TRowListView* View : Views)
        View->Change();
}

void TEditorScreenStrings::ClampViews() {
    int N = Count();
    if (N == 0 && FViews.empty()) return;
    int MaxRow = (N > 0 && GetRowAttribute(N - 1) == TEditorRowAttribute::raEof) ? N - 1 : N;
    for (TRowListView* View : FViews) {
        if (View->Row() > N - 1 && View->Row() != MaxRow) View->SetRow(MaxRow);
        if (View->TopRow() > N - 1 && View->TopRow() != MaxRow) View->SetTopRow(MaxRow);
    }
}

void TEditorScreenStrings::SetUpdateState(bool Updating) {
    TEditorStringList::SetUpdateState(Updating);
    if (!Updating) {
        FChangeFirstRow = FChangeOldCount = FChangeNewCount = 0;
        FTextChanged = false;
        ClampViews();
    }
}

void TEditorScreenStrings::SetChangeRange(int FirstRow, int OldCount, int NewCount) {
    FChangeFirstRow = FirstRow;
    FChangeOldCount = OldCount;
    FChangeNewCount = NewCount;
    FTextChanged = true;
}

void TEditorScreenStrings::Clear() {
    for (TRowListView* View : FViews)
        if (View->Selected()) View->CleanSelection();
    UndoObj().Clear();
    SetChangeRange(0, Count(), 0);
    TEditorStringList::Clear();
    FLineStarts.clear();
    FScannedRow = 0;
    FChangeFirstRow = FChangeOldCount = FChangeNewCount = 0;
    FTextChanged = false;
    for (TRowListView* View : FViews) {
        View->SetRow(0);
        View->SetCol(0);
    }
}

void TEditorScreenStrings::Undo() {
    UndoObj().Undo();
}
void TEditorScreenStrings::Redo() {
    UndoObj().Redo();
}

// Rows and lines ---------------------------------------------------------------------

int TEditorScreenStrings::FirstRowOfLine(int Row) const {
    int R = Row;
    while (R >= 1 && R - 1 < Count() && GetRowAttribute(R - 1) == TEditorRowAttribute::raWrapped)
        --R;
    return R;
}

int TEditorScreenStrings::LastRowOfLine(int Row) const {
    int R = Row;
    while (R >= 0 && R < Count() - 1 && GetRowAttribute(R) == TEditorRowAttribute::raWrapped)
        ++R;
    return R;
}

void TEditorScreenStrings::GetRowsText(int Row, int Count_, TEditorRowAttribute& Attribute,
                                       int& Rows, std::string& Text) const {
    Text.clear();
    Rows = 0;
    Attribute = TEditorRowAttribute::raInvalid;
    int N = Count();
    if (Row < 0 || Row > N - 1) return;
    int E;
    if (Count_ == -1) {
        E = Row;
        while (E < N - 1 && GetRowAttribute(E) == TEditorRowAttribute::raWrapped)
            ++E;
    } else {
        if (Count_ <= 0) return;
        E = std::min(Row + Count_ - 1, N - 1);
    }
    Rows = E - Row + 1;
    Attribute = GetRowAttribute(E);
    std::size_t Length = 0;
    for (int R = Row; R <= E; ++R)
        Length += Item(R).Length + (GetRowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0);
    Text.resize(Length);
    char* P = Length ? &Text[0] : nullptr;
    for (int R = Row; R <= E; ++R) {
        TRowText S = TextOf(Item(R));
        if (!S.empty()) std::memcpy(P, S.data(), S.size());
        P += S.size();
        if (GetRowAttribute(R) == TEditorRowAttribute::raCrlf) {
            *P++ = '\r';
            *P++ = '\n';
        }
    }
}

std::string TEditorScreenStrings::GetRowsText(int Row, int Count_) const {
    TEditorRowAttribute Attribute;
    int Rows;
    std::string Text;
    GetRowsText(Row, Count_, Attribute, Rows, Text);
    return Text;
}

void TEditorScreenStrings::DeleteRows(int Row, int Count_) {
    int N = Count();
    if (Row < 0 || Row > N - 1 || Count_ <= 0) return;
    EraseItems(Row, std::min(Count_, N - Row));
    Changed();
}

void TEditorScreenStrings::InsertRows(int Row, TEditorStringList& Source) {
    int N = Source.Count();
    if (N == 0 || Row < 0 || Row > Count()) return;
    InsertItems(Row, N);
    for (int I = 0; I < N; ++I) {
        MoveItem(Item(Row + I), Source, Source.Item(I));
        NoteState(Row + I, GetRowState(Row + I));
    }
    Changed();
}

void TEditorScreenStrings::ReplaceRowRange(int Row, int Count_, TEditorStringList& Source) {
    if (Row < 0 || Row > Count()) return;
    Count_ = std::max(0, std::min(Count_, Count() - Row));
    int N = Source.Count();
    if (Count_ > N)
        EraseItems(Row + N, Count_ - N);
    else if (Count_ < N)
        InsertItems(Row + Count_, N - Count_);
    for (int I = 0; I < N; ++I) {
        MoveItem(Item(Row + I), Source, Source.Item(I));
        NoteState(Row + I, GetRowState(Row + I));
    }
    Touch(Row);
    Changed();
}

void TEditorScreenStrings::AppendLineBreak(int Row, std::string& S) const {
    if (Row >= 0 && Row <= Count() - 1 && GetRowAttribute(Row) == TEditorRowAttribute::raCrlf)
        S += "\r\n";
}

// The edit primitive -------------------------------------------------------------------

void TEditorScreenStrings::ReplaceRows(int Row, int Count_, const std::string& Text) {
    int N = Count();
    if (Row < 0 || Count_ < 0 || Row + Count_ - 1 > N - 1) return;
    if (Count_ == 0 && Text.empty()) return;
    // Re-cutting starts at the first row of the edited logical line: the cuts of a row
    // depend on the columns before it (tab stops, the line-breaking rules), so cutting
    // from a row inside the line could give rows that the whole line would not have, and
    // an undo step, which re-cuts its text from the line start, would then restore a
    // different number of rows than it recorded.
    int First = FirstRowOfLine(Row);
    // Text added after a last row without a line break continues that row's line;
    // starting a row of its own there would leave raEof inside the text.
    if (Count_ == 0 && Row == N && N > 0 && GetRowAttribute(N - 1) == TEditorRowAttribute::raEof)
        First = FirstRowOfLine(N - 1);
    int End = Row + Count_ - 1;
    int Last = LastRowOfLine(End);

    BeginUpdate();
    if (Row == First && Last == End && Text.empty() && Count_ > 0) {
        TUndoData& Step = UndoObj().NewUndoData();
        int OldRows;
        GetRowsText(Row, Count_, Step.Attribute, OldRows, Step.Text);
        Step.StartRow = Row;
        DeleteRows(Row, Count_);
        UpdateRowStates(Row, true);
        SetChangeRange(First, OldRows, 0);
        EndUpdate();
        return;
    }

    TEditorRowAttribute Tail;
    if (End < Last) {
        Tail = GetRowAttribute(Last);
    } else if (Last >= N - 1) {
        Tail = EndsWithLineBreak(Text) ? TEditorRowAttribute::raCrlf : TEditorRowAttribute::raEof;
    } else {
        Last = LastRowOfLine(Last + 1);
        Tail = GetRowAttribute(Last);
    }
    // An insertion at the end reaches no row: the range is empty.
    if (Last < First) Last = First - 1;

    TUndoData& Step = UndoObj().NewUndoData();
    int OldRows;
    GetRowsText(First, Last - First + 1, Step.Attribute, OldRows, Step.Text);
    Step.StartRow = First;

    std::string NewText;
    std::size_t Length = Text.size();
    for (int R = First; R <= Last; ++R)
        if (R < Row || R > End) Length += Item(R).Length + 2;
    NewText.reserve(Length);
    for (int R = First; R < Row; ++R) {
        NewText += TextOf(Item(R));
        AppendLineBreak(R, NewText);
    }
    NewText += Text;
    for (int R = End + 1; R <= Last; ++R) {
        NewText += TextOf(Item(R));
        AppendLineBreak(R, NewText);
    }

    // An empty end-of-text row that ends the range adds nothing after the new text: when
    // that text ends with a line break, the last new row ends with it, not with raEof
    // (else the final line break would be lost).
    if (Tail == TEditorRowAttribute::raEof && EndsWithLineBreak(NewText))
        Tail = TEditorRowAttribute::raCrlf;

    // Rows of the line that end well before the edit keep their cuts: only the rows
    // from there on are cut again (the undo step still holds the whole line).
    int Keep = KeptRowsBeforeEdit(First, Row);
    TEditorStringList Fresh;
    if (Keep == 0) {
        WrapText(NewText, Fresh);
    } else {
        std::size_t Offset = 0;
        for (int R = First; R < First + Keep; ++R)
            Offset += Item(R).Length;
        WrapTextFrom(NewText, static_cast<int>(Offset), Fresh);
    }
    Fresh.SetRowAttribute(Fresh.Count() - 1, Tail);
    int NewCount = Fresh.Count();
    Step.RowCount = Keep + NewCount;
    ReplaceRowRange(First + Keep, Last - First + 1 - Keep, Fresh);
    UpdateRowStates(First + Keep, true);
    SetChangeRange(First + Keep, Last - First + 1 - Keep, NewCount);
    EndUpdate();
}

int TEditorScreenStrings::KeptRowsBeforeEdit(int First, int Row) const {
    // Cutting a row looks at the columns from its start up to a few past its margin
    // (hanging punctuation ends by W + 4, its look-ahead two columns on), so a row that
    // starts more than W + 6 columns before the first changed row keeps its cut; every
    // byte takes at least one column.  The row after the last kept row must start on a
    // character: one after a row that ends in a tab may start inside the tab's fill.
    if (!FWordWrap) return 0;
    const int Reach = WrapOption().WrapByte() + 7;
    int Bytes = 0;
    for (int J = Row - 1; J >= First; --J) {
        Bytes += static_cast<int>(Item(J).Length);
        if (Bytes < Reach) continue;
        TRowText S = TextOf(Item(J));
        if (!S.empty() && S.back() != '\t') return J - First + 1;
    }
    return 0;
}

// Lines ------------------------------------------------------------------------------

void TEditorScreenStrings::SyncLineIndex(int Index) {
    int Touched = FirstTouched();
    ResetTouched();
    int N = Count();
    if (N == 0) {
        FLineStarts.clear();
        FScannedRow = 0;
        return;
    }
    // A line start stays valid while the rows before it are unchanged and a row is
    // still there to start the line (deleting the last line leaves none).
    auto Keep = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), std::min(Touched, N - 1));
    FLineStarts.erase(Keep, FLineStarts.end());
    if (FLineStarts.empty()) FLineStarts.push_back(0);
    FScannedRow = std::min(FScannedRow, FLineStarts.back());
    // Scan on only as far as the line asked for (Index -1: to the end).
    while (FScannedRow < N - 1 && (Index < 0 || static_cast<int>(FLineStarts.size()) <= Index)) {
        if (GetRowAttribute(FScannedRow) == TEditorRowAttribute::raCrlf)
            FLineStarts.push_back(FScannedRow + 1);
        ++FScannedRow;
    }
}

int TEditorScreenStrings::LineCount() {
    if (!FWordWrap) return Count();
    SyncLineIndex(-1);
    return static_cast<int>(FLineStarts.size());
}

int TEditorScreenStrings::LineToRow(int Index) {
    if (!FWordWrap) return Index;
    if (Index < 1) return 0;
    SyncLineIndex(Index);
    int Lines = static_cast<int>(FLineStarts.size());
    if (Index < Lines) return FLineStarts[static_cast<std::size_t>(Index)];
    if (Index == Lines && FScannedRow >= Count() - 1) return Count();
    throw EListError(Index);
}
