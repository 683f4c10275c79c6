#pragma once
// A control stand-in for the row list and Lines tests: keeps a caret and records the
// notifications it receives.
#include "editor/row_list.h"
#include "editor/row_list_view.h"

#include <string>
#include <vector>

class TFakeRowListView : public TLinesHost {
public:
    explicit TFakeRowListView(TEditorScreenStrings* List) : FList(List) { List->AddEditor(this); }

    void Change() override { ++Changes; }
    int Row() const override { return FRow; }
    void SetRow(int Value) override { FRow = Value; }
    int Col() const override { return FCol; }
    void SetCol(int Value) override { FCol = Value; }
    int TopRow() const override { return FTopRow; }
    void SetTopRow(int Value) override { FTopRow = Value; }
    void CleanSelection() override { HasSelection = false; ++Cleans; }
    bool Selected() const override { return HasSelection; }
    bool Loading() const override { return IsLoading; }
    bool Focused() const override { return HasFocus; }
    void UpdateScrollBars() override { ++ScrollUpdates; }
    void Invalidate() override { ++Repaints; }
    int TabSpaceCount() const override { return Tabs; }
    const TEditorViewInfo* ParserView() const override { return Colouring; }
    int PageRows() const override { return Page; }
    void InvalidateRow(int Row) override { RepaintedRows.push_back(Row); }

    TEditorScreenStrings& RowList() override { return *FList; }
    void SetTopCol(int) override {}
    // Walks from BaseRow: a row is its bytes plus 2 for raCrlf; a wrapped row's end is
    // column 0 of the next row.
    void SetCaretByOffset(int BaseRow, int Offset) override {
        int R = BaseRow;
        while (R < FList->Count()) {
            int Len = static_cast<int>(FList->Get(R).size());
            TEditorRowAttribute A = FList->GetRowAttribute(R);
            int Size = Len + (A == raCrlf ? 2 : 0);
            if (Offset < Size || (A != raWrapped && Offset <= Len) || R == FList->Count() - 1) {
                if (Offset < Size || A != raCrlf) {
                    FRow = R;
                    FCol = Offset < Len ? Offset : Len;
                    return;
                }
            }
            Offset -= Size;
            ++R;
        }
        FRow = R;
        FCol = 0;
    }
    void CaretHide() override {}
    void CaretShow() override {}
    void UnderlineSuspend() override {}
    void UnderlineResume() override {}
    void UpdateCaret() override {}
    void SetBulkUpdate(bool) override {}
    void SetRedraw(bool) override {}

    int Changes = 0, Cleans = 0, ScrollUpdates = 0, Repaints = 0;
    bool HasSelection = false, IsLoading = false, HasFocus = false;
    int Tabs = 8;
    const TEditorViewInfo* Colouring = nullptr;
    int Page = 20;
    std::vector<int> RepaintedRows;

private:
    TEditorScreenStrings* FList;
    int FRow = 0, FCol = 0, FTopRow = 0;
};
