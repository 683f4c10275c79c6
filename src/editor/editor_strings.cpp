#include "editor/editor_strings.h"

#include "base/errors.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"

#include <cstring>

TEditorScreenStrings& TEditorStrings::List() {
    return FOwner.RowList();
}

void TEditorStrings::CheckIndex(int Index) {
    if (Index < 0 || Index >= Count()) throw EListError(Index);
}

int TEditorStrings::Count() {
    TEditorScreenStrings& L = List();
    if (!L.WordWrap()) return L.Count();
    return L.LineCount();
}

int TEditorStrings::LineToRow(int Index) {
    return List().LineToRow(Index);
}

std::string TEditorStrings::Get(int Index) {
    TEditorScreenStrings& L = List();
    if (!L.WordWrap()) return L.Get(Index);
    CheckIndex(Index);
    std::string Text = L.GetRowsText(L.LineToRow(Index), -1);
    while (!Text.empty() && Text.back() == '\n')
        Text.erase(Text.size() - 2 < Text.size() ? Text.size() - 2 : 0);
    return Text;
}

void TEditorStrings::Put(int Index, const std::string& S) {
    CheckIndex(Index);
    TEditorScreenStrings& L = List();
    FOwner.CleanSelection();
    int R = L.LineToRow(Index);
    int E = L.LastRowOfLine(R);
    std::string T = S;
    L.AppendLineBreak(E, T);
    L.ReplaceRows(R, E - R + 1, T);
    FOwner.SetCaretByOffset(R, static_cast<int>(T.size()));
}

int TEditorStrings::Add(const std::string& S) {
    TEditorScreenStrings& L = List();
    int Result = Count();
    FOwner.CleanSelection();
    int N = L.Count();
    if (N > 0 && L.GetRowAttribute(N - 1) != TEditorRowAttribute::raCrlf) {
        std::string T = L.Get(N - 1) + "\r\n" + S;
        L.ReplaceRows(N - 1, 1, T);
        FOwner.SetCaretByOffset(N - 1, static_cast<int>(T.size()));
    } else {
        std::string T = S + "\r\n";
        L.ReplaceRows(N, 0, T);
        FOwner.SetCaretByOffset(N, static_cast<int>(T.size()));
    }
    return Result;
}

void TEditorStrings::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > Count()) throw EListError(Index);
    TEditorScreenStrings& L = List();
    int R = L.LineToRow(Index);
    if (R == L.Count()) {
        Add(S);
        return;
    }
    FOwner.CleanSelection();
    std::string T = S + "\r\n";
    L.ReplaceRows(R, 0, T);
    FOwner.SetCaretByOffset(R, static_cast<int>(T.size()));
}

void TEditorStrings::Delete(int Index) {
    CheckIndex(Index);
    TEditorScreenStrings& L = List();
    FOwner.CleanSelection();
    int R = L.LineToRow(Index);
    L.ReplaceRows(R, L.LastRowOfLine(R) - L.FirstRowOfLine(R) + 1, std::string());
    FOwner.SetCaretByOffset(R, 0);
}

void TEditorStrings::Clear() {
    List().Clear();
}

std::string TEditorStrings::Text() {
    TEditorScreenStrings& L = List();
    int N = L.Count();
    std::size_t Length = 0;
    for (int R = 0; R < N; ++R)
        Length += L.Get(R).size() + (L.GetRowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0);
    std::string Result;
    Result.resize(Length);
    char* P = Length ? &Result[0] : nullptr;
    for (int R = 0; R < N; ++R) {
        const std::string& S = L.Get(R);
        if (!S.empty()) std::memcpy(P, S.data(), S.size());
        P += S.size();
        if (L.GetRowAttribute(R) == TEditorRowAttribute::raCrlf) {
            *P++ = '\r';
            *P++ = '\n';
        }
    }
    return Result;
}

void TEditorStrings::SetText(const std::string& Value) {
    TEditorScreenStrings& L = List();
    BeginUpdate();
    L.Clear();
    L.SetText(Value);
    if (L.WordWrap()) L.WrapAll();
    L.RecomputeRowStates();
    FOwner.SetTopRow(0);
    FOwner.SetTopCol(0);
    EndUpdate();
}

void TEditorStrings::PlaceCaretAfterAssign() {
    TEditorScreenStrings& L = List();
    int N = L.Count();
    FOwner.SetRow(N > 0 && L.GetRowAttribute(N - 1) == TEditorRowAttribute::raEof ? N - 1 : N);
    FOwner.SetCol(0);
}

void TEditorStrings::Assign(TEditorStrings& Source) {
    if (&Source == this) return;
    SetText(Source.Text());
    PlaceCaretAfterAssign();
}

void TEditorStrings::Assign(const TPointerStringList& Source) {
    SetText(Source.Text());
    PlaceCaretAfterAssign();
}

void TEditorStrings::BeginUpdate() {
    if (FUpdates.Begin()) SetUpdateState(true);
}

void TEditorStrings::EndUpdate() {
    if (FUpdates.End()) SetUpdateState(false);
}

// Bulk changes through Lines run with the caret hidden and the window's redrawing off;
// every view catches up once at the end.
void TEditorStrings::SetUpdateState(bool Updating) {
    TEditorScreenStrings& L = List();
    if (Updating) {
        L.BeginUpdate();
        FOwner.CaretHide();
        FOwner.UnderlineSuspend();
        FOwner.SetBulkUpdate(true);
        FOwner.SetRedraw(false);
    } else {
        L.EndUpdate();
        FOwner.UnderlineResume();
        FOwner.CaretShow();
        FOwner.SetBulkUpdate(false);
        FOwner.UpdateCaret();
        FOwner.SetRedraw(true);
        TEditorScreenStrings& After = List();
        for (int I = 0; I < After.EditorCount(); ++I) {
            TRowListView* View = After.Editor(I);
            View->UpdateScrollBars();
            View->Invalidate();
        }
    }
}

std::vector<std::string> WriteStoredLines(const TEditorScreenStrings& Rows) {
    std::vector<std::string> Lines;
    int N = Rows.Count();
    for (int R = 0; R < N;) {
        std::string Line = Rows.Get(R);
        while (R < N - 1 && Rows.GetRowAttribute(R) == TEditorRowAttribute::raWrapped)
            Line += Rows.Get(++R);
        ++R;
        Lines.push_back(std::move(Line));
    }
    return Lines;
}

void ReadStoredLines(TEditorScreenStrings& Rows, const std::vector<std::string>& Lines) {
    Rows.BeginUpdate();
    Rows.Clear();
    for (const std::string& Line : Lines)
        Rows.AddRow(Line, TEditorRowAttribute::raCrlf);
    Rows.EndUpdate();
}
