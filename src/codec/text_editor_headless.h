#pragma once
// An editor without a window for the command-line programs and benchmarks: a row list,
// its Lines facade and a modified flag, the control side kept to a caret and a top row.
#include "codec/text_load.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/windowless_lines_host.h"

// The view side counts a text change as a modification, as the control does.
class THeadlessTextEditor : public TTextFileEditor, private TWindowlessLinesHost {
public:
    THeadlessTextEditor() : TWindowlessLinesHost(new TEditorScreenStrings), FLines(*this) {}

    TEditorStrings& Lines() override { return FLines; }
    TLinesHost& LinesHost() override { return *this; }
    bool Modified() const override { return FModified; }
    void SetModified(bool Value) override { FModified = Value; }
    TEditorScreenStrings& Rows() { return List(); }

private:
    void Change() override {
        if (List().TextChanged()) FModified = true;
    }

    TEditorStrings FLines;
    bool FModified = false;
};
