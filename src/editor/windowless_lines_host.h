#pragma once
// A view of a row list without a window, for the command-line programs, benchmarks and
// tests: it keeps a caret and a top row and places the caret by offset as the control
// does; repainting and the caret's look are nothing to do.  Derived classes override
// what they want to observe.
#include "editor/row_list.h"
#include "editor/row_list_view.h"

class TWindowlessLinesHost : public TLinesHost {
public:
    // Becomes a view of List (made with new; the last view's removal deletes it).
    explicit TWindowlessLinesHost(TEditorScreenStrings* List) : FList(List) {
        List->AddEditor(this);
    }
    ~TWindowlessLinesHost() override { FList->RemoveEditor(this); }
    TWindowlessLinesHost(const TWindowlessLinesHost&) = delete;
    TWindowlessLinesHost& operator=(const TWindowlessLinesHost&) = delete;

    void Change() override {}
    int Row() const override { return FRow; }
    void SetRow(int Value) override { FRow = Value; }
    int Col() const override { return FCol; }
    void SetCol(int Value) override { FCol = Value; }
    int TopRow() const override { return FTopRow; }
    void SetTopRow(int Value) override { FTopRow = Value; }
    void CleanSelection() override {}
    bool Selected() const override { return false; }
    bool Loading() const override { return false; }
    bool Focused() const override { return false; }
    void InvalidateRow(int) override {}
    void UpdateScrollBars() override {}
    void Invalidate() override {}
    int TabSpaceCount() const override { return 8; }
    const TEditorViewInfo* ParserView() const override { return nullptr; }
    int PageRows() const override { return 1; }

    TEditorScreenStrings& RowList() override { return *FList; }
    void SetTopCol(int) override {}
    // Walks from BaseRow: a row is its bytes plus 2 for raCrlf; the end of a wrapped row
    // is column 0 of the next row.
    void SetCaretByOffset(int BaseRow, int Offset) override {
        int R = BaseRow;
        while (R < FList->Count()) {
            int Len = static_cast<int>(FList->Get(R).size());
            TEditorRowAttribute A = FList->GetRowAttribute(R);
            int Size = Len + (A == TEditorRowAttribute::raCrlf ? 2 : 0);
            if ((Offset < Size || (A != TEditorRowAttribute::raWrapped && Offset <= Len) ||
                 R == FList->Count() - 1) &&
                (Offset < Size || A != TEditorRowAttribute::raCrlf)) {
                FRow = R;
                FCol = Offset < Len ? Offset : Len;
                return;
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

protected:
    TEditorScreenStrings& List() { return *FList; }

private:
    TEditorScreenStrings* FList;
    int FRow = 0, FCol = 0, FTopRow = 0;
};
