#pragma once
// The editor control as the loader and saver see it.
#include "codec/text_load.h"
#include "editor/editor.h"

class TEditorTextFile : public TTextFileEditor {
public:
    explicit TEditorTextFile(TEditor& Editor) : FEditor(Editor) {}
    TEditorStrings& Lines() override { return FEditor.Lines(); }
    TLinesHost& LinesHost() override { return FEditor; }
    bool Modified() const override { return FEditor.Modified(); }
    void SetModified(bool Value) override { FEditor.SetModified(Value); }

private:
    TEditor& FEditor;
};
