#pragma once
// An editor stand-in for the loader and saver tests: a row list shown by a recording
// fake view, its Lines facade and a modified flag.
#include "codec/text_load.h"
#include "editor/editor_strings.h"
#include "support/fake_row_list_view.h"

#include <string>
#include <vector>

class TFakeTextEditor : public TTextFileEditor {
public:
    TFakeTextEditor() : FList(new TEditorScreenStrings), FView(FList), FLines(FView) {}

    TEditorStrings& Lines() override { return FLines; }
    TLinesHost& LinesHost() override { return FView; }
    bool Modified() const override { return FModified; }
    void SetModified(bool Value) override { FModified = Value; }

    TEditorScreenStrings& Rows() { return *FList; }
    TFakeRowListView& View() { return FView; }

    std::vector<std::string> RowTexts() const {
        std::vector<std::string> Texts;
        for (int R = 0; R < FList->Count(); ++R)
            Texts.push_back(FList->Get(R));
        return Texts;
    }
    TEditorRowAttribute LastAttribute() const {
        return FList->Count() ? FList->GetRowAttribute(FList->Count() - 1)
                              : TEditorRowAttribute::raInvalid;
    }

private:
    TEditorScreenStrings* FList;
    TFakeRowListView FView;
    TEditorStrings FLines;
    bool FModified = false;
};
