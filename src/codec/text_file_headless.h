#pragma once
// An editor without a window for the command-line programs and benchmarks: a row list,
// its Lines facade and a modified flag, the control side kept to a caret and a top row.
#include "codec/text_file.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"

class THeadlessTextEditor : public TTextFileEditor, private TLinesHost {
public:
    THeadlessTextEditor() : FList(new TEditorScreenStrings), FLines(*this) {
        FList->AddEditor(this);
    }
    ~THeadlessTextEditor() override { FList->RemoveEditor(this); }
    THeadlessTextEditor(const THeadlessTextEditor&) = delete;
    THeadlessTextEditor& operator=(const THeadlessTextEditor&) = delete;

    TEditorStrings& Lines() override { return FLines; }
    TLinesHost& LinesHost() override { return *this; }
    bool Modified() const override { return FModified; }
    void SetModified(bool Value) override { FModified = Value; }
    TEditorScreenStrings& Rows() { return *FList; }

private:
    // TLinesHost: nothing to paint.
    void Change() override {
        if (FList->TextChanged()) FModified = true;
    }
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
    void SetCaretByOffset(int BaseRow, int) override { FRow = BaseRow; }
    void CaretHide() override {}
    void CaretShow() override {}
    void UnderlineSuspend() override {}
    void UnderlineResume() override {}
    void UpdateCaret() override {}
    void SetBulkUpdate(bool) override {}
    void SetRedraw(bool) override {}

    TEditorScreenStrings* FList;
    TEditorStrings FLines;
    bool FModified = false;
    int FRow = 0, FCol = 0, FTopRow = 0;
};
