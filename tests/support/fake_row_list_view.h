#pragma once
// A control stand-in for the row list and Lines tests: a windowless view that records
// the notifications it receives.
#include "editor/windowless_lines_host.h"

#include <string>
#include <vector>

class TFakeRowListView : public TWindowlessLinesHost {
public:
    explicit TFakeRowListView(TEditorScreenStrings* List) : TWindowlessLinesHost(List) {}

    void Change() override { ++Changes; }
    void CleanSelection() override {
        HasSelection = false;
        ++Cleans;
    }
    bool Selected() const override { return HasSelection; }
    bool Loading() const override { return IsLoading; }
    bool Focused() const override { return HasFocus; }
    void InvalidateRow(int Row) override { RepaintedRows.push_back(Row); }
    void UpdateScrollBars() override { ++ScrollUpdates; }
    void Invalidate() override { ++Repaints; }
    int TabSpaceCount() const override { return Tabs; }
    const TEditorViewInfo* ParserView() const override { return Colouring; }
    int PageRows() const override { return Page; }

    int Changes = 0, Cleans = 0, ScrollUpdates = 0, Repaints = 0;
    bool HasSelection = false, IsLoading = false, HasFocus = false;
    int Tabs = 8;
    const TEditorViewInfo* Colouring = nullptr;
    int Page = 20;
    std::vector<int> RepaintedRows;
};
