#include "editor/editor_prop_copy.h"

#include "editor/editor.h"
#include "editor/editor_prop.h"

void AssignEditorProp(TEditorProp& Prop, TEditor& Editor) {
    Prop.SetColor(Editor.Color());
    Prop.Caret().Assign(Editor.Caret());
    Prop.Font().Assign(Editor.Font());
    Prop.Margin().Assign(Editor.Margin());
    Prop.Marks().Assign(Editor.Marks());
    if (!(Prop.ReserveWordList() == Editor.ReserveWordList()))
        Prop.ReserveWordList().Assign(Editor.ReserveWordList());
    Prop.SetScrollBars(Editor.ScrollBars());
    Prop.View().Assign(Editor.View());
    Prop.SetWordWrap(Editor.WordWrap());
    Prop.WrapOption().Assign(Editor.WrapOption());
}

void AssignEditorPropTo(const TEditorProp& Prop, TEditor& Editor) {
    Editor.SetColor(Prop.Color());
    Editor.Caret().Assign(Prop.Caret());
    Editor.SetFont(Prop.Font());
    Editor.Margin().Assign(Prop.Margin());
    Editor.Marks().Assign(Prop.Marks());
    Editor.SetReserveWordList(Prop.ReserveWordList());
    Editor.SetScrollBars(Prop.ScrollBars());
    Editor.SetView(Prop.View());
    Editor.SetWordWrap(Prop.WordWrap());
    Editor.WrapOption().Assign(Prop.WrapOption());
}
