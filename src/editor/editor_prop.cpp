#include "editor/editor_prop.h"

TEditorProp::TEditorProp() : FView(this) {}

void TEditorProp::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    if (OnColorChanged) OnColorChanged();
}

void TEditorProp::SetScrollBars(TScrollStyle Value) {
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    if (OnScrollBarsChanged) OnScrollBarsChanged();
}

void TEditorProp::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    if (OnWordWrapChanged) OnWordWrapChanged();
}

void TEditorProp::Assign(const TEditorProp& Source) {
    if (&Source == this) return;
    SetColor(Source.FColor);
    FCaret.Assign(Source.FCaret);
    FFont.Assign(Source.FFont);
    FMargin.Assign(Source.FMargin);
    FMarks.Assign(Source.FMarks);
    if (!(FReserveWordList == Source.FReserveWordList))
        FReserveWordList.Assign(Source.FReserveWordList);
    SetScrollBars(Source.FScrollBars);
    FView.Assign(Source.FView);
    SetWordWrap(Source.FWordWrap);
    FWrapOption.Assign(Source.FWrapOption);
}
