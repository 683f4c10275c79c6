#include "editor/editor_prop_copy.h"

#include "editor/editor.h"
#include "editor/editor_prop.h"

TFontSpec FontSpecOf(const TFont& Font) {
    TFontSpec S;
    S.Name = Font.Name();
    S.Size = Font.Size();
    S.Style = Font.Style();
    S.Color = Font.Color();
    S.Charset = Font.Charset();
    return S;
}

void AssignFontSpec(TFont& Font, const TFontSpec& Spec) {
    Font.BeginUpdate();
    Font.SetName(Spec.Name);
    Font.SetSize(Spec.Size);
    Font.SetStyle(Spec.Style);
    Font.SetColor(Spec.Color);
    Font.SetCharset(Spec.Charset);
    Font.EndUpdate();
}

void AssignEditorProp(TEditorProp& Prop, TEditor& Editor) {
    Prop.SetColor(Editor.Color());
    Prop.Caret().Assign(Editor.Caret());
    AssignFontSpec(Prop.Font(), Editor.Font());
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
    Editor.SetFont(FontSpecOf(Prop.Font()));
    Editor.Margin().Assign(Prop.Margin());
    Editor.Marks().Assign(Prop.Marks());
    Editor.SetReserveWordList(Prop.ReserveWordList());
    Editor.SetScrollBars(Prop.ScrollBars());
    Editor.SetView(Prop.View());
    Editor.SetWordWrap(Prop.WordWrap());
    Editor.WrapOption().Assign(Prop.WrapOption());
}
