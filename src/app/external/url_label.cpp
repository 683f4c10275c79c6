#include "app/external/url_label.h"

#include "platform/shell.h"

void TURLLabel::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Repaint();
}

void TURLLabel::SetHotTrack(bool Value) {
    if (Value == FHotTrack) return;
    FHotTrack = Value;
    Repaint();
}

void TURLLabel::SetHotColor(TColor Value) {
    if (Value == FHotColor) return;
    FHotColor = Value;
    Repaint();
}

void TURLLabel::SetPushedColor(TColor Value) {
    if (Value == FPushedColor) return;
    FPushedColor = Value;
    Repaint();
}

void TURLLabel::SetTextColor(TColor Value) {
    FNormalColor = Value;
    if (!FInside) Paint(Value);
}

void TURLLabel::MouseEnter() {
    // A second enter without a leave between must not take the hot colour for the
    // normal one.
    if (FInside) return;
    FInside = true;
    if (!FHotTrack) return;
    FNormalColor = FTextColor;
    Paint(FHotColor);
}

void TURLLabel::MouseLeave() {
    if (!FInside) return;
    FInside = false;
    if (FHotTrack) Paint(FNormalColor);
}

void TURLLabel::MouseDown() {
    if (FHotTrack) Paint(FPushedColor);
    if (FExecutable) FShell.Execute("OPEN", FCaption, std::string(), std::string());
}

void TURLLabel::MouseUp(bool Inside) {
    if (!Inside) FInside = false;
    if (FHotTrack) Paint(Inside ? FHotColor : FNormalColor);
}

void TURLLabel::Paint(TColor Color) {
    FTextColor = Color;
    Repaint();
}

void TURLLabel::Repaint() {
    if (OnRepaint) OnRepaint();
}
