// Row states of the row list: the bracket state of the colouring parser at the start of
// each row, so that a bracket pair (a block comment, say) that spans rows is coloured on
// every row it covers.
#include "editor/parser.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "editor/view_info.h"

#include <algorithm>

const TEditorViewInfo* TEditorScreenStrings::ParserView() const {
    TRowListView* First = FirstEditor();
    return First ? First->ParserView() : nullptr;
}

std::string TEditorScreenStrings::FirstTokenOfRow(int Row) const {
    const std::string& S = Get(Row);
    if (S.empty()) return std::string();
    TEditorParser Parser(S, TEditorParser::OutsideBrackets, ParserView());
    if (Parser.SourcePos() == 0) Parser.NextToken();
    return S.substr(0, static_cast<std::size_t>(Parser.SourcePos()));
}

int TEditorScreenStrings::StateAfterRow(int Row, int State) const {
    std::string Text = Get(Row);
    if (FWordWrap && Row < Count() - 1 && GetRowAttribute(Row) == TEditorRowAttribute::raWrapped)
        Text += FirstTokenOfRow(Row + 1);
    int Result = State;
    if (Text.empty()) return Result;
    TEditorParser Parser(Text, State, ParserView());
    while (Parser.Token() != TEditorTokenKind::toEOF) {
        Result = Parser.BracketState();
        Parser.NextToken();
    }
    return Result;
}

void TEditorScreenStrings::RecomputeRowStates() {
    if (FirstEditorLoading()) return;
    int N = Count();
    const TEditorViewInfo* View = ParserView();
    if (!View || View->Brackets().Count() == 0) {
        for (int R = 0; R < N; ++R)
            if (GetRowState(R) != TEditorParser::OutsideBrackets)
                SetRowState(R, TEditorParser::OutsideBrackets);
        return;
    }
    int State = TEditorParser::OutsideBrackets;
    for (int R = 0; R < N; ++R) {
        SetRowState(R, State);
        State = StateAfterRow(R, State);
    }
}

void TEditorScreenStrings::UpdateRowStates(int FromRow, bool Invalidate) {
    int N = Count();
    if (FromRow < 0 || FromRow > N - 1) return;
    int First = 0;
    int State = TEditorParser::OutsideBrackets;
    // Rows from UncomputedFrom on have no state: the search starts below them.
    for (int R = std::min(FromRow, UncomputedFrom()) - 1; R >= 0; --R) {
        int Known = GetRowState(R);
        if (Known != RowStateNotComputed) {
            State = StateAfterRow(R, Known);
            First = R + 1;
            break;
        }
    }
    int Page = 1;
    if (TRowListView* View = FirstEditor()) Page = std::max(1, View->PageRows());
    int Limit =
        static_cast<int>(std::min<long long>(static_cast<long long>(FromRow) + 2LL * Page, N - 1));
    for (int R = First; R <= Limit; ++R) {
        if (GetRowState(R) == State) return;
        SetRowState(R, State);
        if (Invalidate)
            for (TRowListView* View : FViews)
                View->InvalidateRow(R);
        State = StateAfterRow(R, State);
    }
    // The rows after the limit may depend on what changed: they are computed again
    // when they are painted.
    for (int R = Limit + 1; R < UncomputedFrom(); ++R)
        if (GetRowState(R) != RowStateNotComputed) SetRowState(R, RowStateNotComputed);
    if (UncomputedFrom() > Limit + 1) MarkUncomputedFrom(Limit + 1);
}
