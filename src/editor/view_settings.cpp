#include "editor/view_settings.h"

#include <algorithm>

void TEditorCursors::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorCursors*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    FDefaultCursor = src->FDefaultCursor;
    FDragSelCursor = src->FDragSelCursor;
    FInSelCursor = src->FInSelCursor;
    FLeftMarginCursor = src->FLeftMarginCursor;
    Changed();
}

TEditorCaret::TEditorCaret() {
    Adopt(FCursors);
}

void TEditorCaret::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorCaret*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    BeginUpdate();
    FAutoIndent = src->FAutoIndent;
    FCursors.Assign(src->FCursors);
    FFreeCaret = src->FFreeCaret;
    FInTab = src->FInTab;
    FKeepCaret = src->FKeepCaret;
    FLockScroll = src->FLockScroll;
    FNextLine = src->FNextLine;
    FPrevSpaceIndent = src->FPrevSpaceIndent;
    FRowSelect = src->FRowSelect;
    FSelDragMode = src->FSelDragMode;
    FSelMove = src->FSelMove;
    FSoftTab = src->FSoftTab;
    FStyle = src->FStyle;
    FTabIndent = src->FTabIndent;
    FTabSpaceCount = src->FTabSpaceCount;
    EndUpdate();
}

void TEditorCaret::SetStyle(TEditorCaretStyle Value) {
    UpdateSetting(*this, FStyle, Value);
}

void TEditorCaret::SetTabSpaceCount(int Value) {
    Value = std::clamp(Value, 2, 8);
    UpdateSetting(*this, FTabSpaceCount, Value - Value % 2);
}

void TEditorMargin::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorMargin*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    FCharacter = src->FCharacter;
    FLeft = src->FLeft;
    FLine = src->FLine;
    FTop = src->FTop;
    FUnderlinePixel = src->FUnderlinePixel;
    Changed();
}

void TEditorMargin::SetCharacter(int Value) {
    UpdateSetting(*this, FCharacter, std::clamp(Value, 0, 100));
}
void TEditorMargin::SetLeft(int Value) {
    UpdateSetting(*this, FLeft, Value);
}
void TEditorMargin::SetLine(int Value) {
    UpdateSetting(*this, FLine, Value);
}
void TEditorMargin::SetTop(int Value) {
    UpdateSetting(*this, FTop, Value);
}

void TEditorMark::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorMark*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    FColor = src->FColor;
    FVisible = src->FVisible;
    Changed();
}

void TEditorMark::SetColor(TColor Value) {
    UpdateSetting(*this, FColor, Value);
}
void TEditorMark::SetVisible(bool Value) {
    UpdateSetting(*this, FVisible, Value);
}

TEditorMarks::TEditorMarks() {
    Adopt(FEofMark);
    Adopt(FRetMark);
    Adopt(FUnderline);
}

void TEditorMarks::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorMarks*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    BeginUpdate();
    FEofMark.Assign(src->FEofMark);
    FRetMark.Assign(src->FRetMark);
    FUnderline.Assign(src->FUnderline);
    EndUpdate();
}

void TEditorColor::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorColor*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    FBkColor = src->FBkColor;
    FColor = src->FColor;
    FStyle = src->FStyle;
    Changed();
}

void TEditorColor::SetBkColor(TColor Value) {
    UpdateSetting(*this, FBkColor, Value);
}
void TEditorColor::SetColor(TColor Value) {
    UpdateSetting(*this, FColor, Value);
}
void TEditorColor::SetStyle(TFontStyles Value) {
    UpdateSetting(*this, FStyle, Value);
}

TEditorColors::TEditorColors() {
    for (TEditorColor* c :
         {&FAnk, &FComment, &FDBCS, &FInt, &FMail, &FReserve, &FSelect, &FStr, &FSymbol, &FUrl})
        Adopt(*c);
}

void TEditorColors::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorColors*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    BeginUpdate();
    FAnk.Assign(src->FAnk);
    FComment.Assign(src->FComment);
    FDBCS.Assign(src->FDBCS);
    FInt.Assign(src->FInt);
    FMail.Assign(src->FMail);
    FStr.Assign(src->FStr);
    FSymbol.Assign(src->FSymbol);
    FReserve.Assign(src->FReserve);
    FUrl.Assign(src->FUrl);
    FSelect.Assign(src->FSelect);
    EndUpdate();
}

TEditorColor* TEditorColors::AllButSelect(int Index) {
    TEditorColor* entries[] = {&FAnk, &FComment, &FDBCS,    &FInt, &FMail,
                               &FStr, &FSymbol,  &FReserve, &FUrl};
    return Index < 9 ? entries[Index] : nullptr;
}

void TEditorColors::SetAllBkColor(TColor Value) {
    BeginUpdate();
    for (int i = 0; TEditorColor* c = AllButSelect(i); ++i)
        c->FBkColor = Value;
    EndUpdate();
}

void TEditorColors::SetAllColor(TColor Value) {
    BeginUpdate();
    for (int i = 0; TEditorColor* c = AllButSelect(i); ++i)
        c->FColor = Value;
    EndUpdate();
}

void TEditorColors::SetAllStyle(TFontStyles Value) {
    BeginUpdate();
    for (int i = 0; TEditorColor* c = AllButSelect(i); ++i)
        c->FStyle = Value;
    EndUpdate();
}
