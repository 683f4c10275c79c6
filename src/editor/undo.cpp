#include "editor/undo.h"

#include "editor/row_list.h"
#include "editor/row_list_view.h"

TUndoData& TUndoDataList::Add(std::unique_ptr<TUndoData> Step) {
    FItems.push_back(std::move(Step));
    return *FItems.back();
}

void TUndoDataList::Delete(int Index) {
    FItems.erase(FItems.begin() + Index);
}

TUndoData& TEditorUndoObj::NewUndoData() {
    auto Step = std::make_unique<TUndoData>();
    if (TRowListView* View = FOwner.ActiveEditor()) {
        Step->CaretRow = View->Row();
        Step->CaretCol = View->Col();
    }
    TUndoData& Result = FUndoList.Add(std::move(Step));
    if (FUndoList.Count() > FUndoListMax)
        FUndoList.Delete(0);
    if (!FRedoing)
        FRedoList.Clear();
    return Result;
}

void TEditorUndoObj::AddRedoData(const TUndoData& Step) {
    auto Copy = std::make_unique<TUndoData>();
    Copy->StartRow = Step.StartRow;
    Copy->RowCount = Step.RowCount;
    Copy->Attribute = Step.Attribute;
    Copy->Text = Step.Text;
    if (TRowListView* View = FOwner.ActiveEditor()) {
        Copy->CaretRow = View->Row();
        Copy->CaretCol = View->Col();
    }
    FRedoList.Add(std::move(Copy));
}

void TEditorUndoObj::Exchange(TUndoData& S, std::string& CurText,
                              TEditorRowAttribute& CurAttribute, int& Inserted) {
    int CurRows = 0;
    CurText.clear();
    CurAttribute = TEditorRowAttribute::raInvalid;
    if (S.RowCount != 0) {
        FOwner.GetRowsText(S.StartRow, S.RowCount, CurAttribute, CurRows, CurText);
        FOwner.DeleteRows(S.StartRow, S.RowCount);
    }
    Inserted = 0;
    if (S.Attribute != TEditorRowAttribute::raInvalid) {
        TEditorStringList Rows;
        FOwner.WrapText(S.Text, Rows);
        // Old rows that ended inside a wrapped line own no line-end row.
        if (S.Attribute == TEditorRowAttribute::raWrapped && Rows.Count() > 1 &&
            Rows.Get(Rows.Count() - 1).empty())
            Rows.Delete(Rows.Count() - 1);
        // Old rows that ended with an empty end-of-text row after a line break: the
        // text ends with that break, and the empty row must come back too.
        if (S.Attribute == TEditorRowAttribute::raEof && EndsWithLineBreak(S.Text))
            Rows.AddRow(std::string(), TEditorRowAttribute::raEof);
        Rows.SetRowAttribute(Rows.Count() - 1, S.Attribute);
        Inserted = Rows.Count();
        FOwner.InsertRows(S.StartRow, Rows);
    }
    FOwner.UpdateRowStates(S.StartRow, true);
    FOwner.SetChangeRange(S.StartRow, CurRows, Inserted);
}

void TEditorUndoObj::MoveCaretBack(const TUndoData& S) {
    if (TRowListView* View = FOwner.ActiveEditor()) {
        View->SetRow(S.CaretRow);
        View->SetCol(S.CaretCol);
    }
}

void TEditorUndoObj::Undo() {
    if (FUndoList.Count() == 0)
        return;
    TUndoData& S = FUndoList.Last();
    FOwner.BeginUpdate();
    std::string CurText;
    TEditorRowAttribute CurAttribute;
    int Inserted;
    Exchange(S, CurText, CurAttribute, Inserted);
    S.RowCount = Inserted;
    S.Attribute = CurAttribute;
    S.Text = std::move(CurText);
    AddRedoData(S);
    FOwner.EndUpdate();
    MoveCaretBack(S);
    FUndoList.Delete(FUndoList.Count() - 1);
}

void TEditorUndoObj::Redo() {
    if (FRedoList.Count() == 0)
        return;
    TUndoData& S = FRedoList.Last();
    FOwner.BeginUpdate();
    std::string CurText;
    TEditorRowAttribute CurAttribute;
    int Inserted;
    Exchange(S, CurText, CurAttribute, Inserted);
    FRedoing = true;
    TUndoData& Inverse = NewUndoData();
    FRedoing = false;
    Inverse.StartRow = S.StartRow;
    Inverse.RowCount = Inserted;
    Inverse.Attribute = CurAttribute;
    Inverse.Text = std::move(CurText);
    FOwner.EndUpdate();
    MoveCaretBack(S);
    FRedoList.Delete(FRedoList.Count() - 1);
}

void TEditorUndoObj::Clear() {
    FRedoList.Clear();
    FUndoList.Clear();
}

std::size_t TEditorUndoObj::TextBytes() const {
    std::size_t Bytes = 0;
    for (int I = 0; I < FUndoList.Count(); ++I)
        Bytes += FUndoList[I].Text.size();
    for (int I = 0; I < FRedoList.Count(); ++I)
        Bytes += FRedoList[I].Text.size();
    return Bytes;
}
