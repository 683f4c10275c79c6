#include "editor/view_info.h"

#include "base/errors.h"

#include <algorithm>

void TEditorBracketItem::Assign(const TEditorBracketItem& Source) {
    FItemColor.Assign(Source.FItemColor);
    FLeftBracket = Source.FLeftBracket;
    FRightBracket = Source.FRightBracket;
}

int TEditorBracketItem::Index() const {
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TEditorBracketCollection::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorBracketCollection*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    // Clearing first would lose the very items to be copied.
    if (src == this) return;
    BeginUpdate();
    try {
        Clear();
        for (const auto& item : src->FItems)
            Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::unique_ptr<TEditorBracketItem> TEditorBracketCollection::CreateItem() {
    return std::make_unique<TEditorBracketItem>(this);
}

TEditorBracketItem* TEditorBracketCollection::Add() {
    if (Count() >= MaxCount)
        throw EBracketCollectionFull("TEditorBracketCollection\r\nYou can not add item over " +
                                     std::to_string(MaxCount));
    FItems.push_back(CreateItem());
    Changed();
    return FItems.back().get();
}

void TEditorBracketCollection::Delete(int Index) {
    if (Index < 0 || Index >= Count()) throw EListError(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TEditorBracketCollection::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

TEditorBracketItem* TEditorBracketCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Index);
    return FItems[Index].get();
}

int TEditorBracketCollection::IndexOf(const TEditorBracketItem* Item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].get() == Item) return i;
    return -1;
}

void TEditorBracketCollection::SetAllBkColor(TColor Value) {
    BeginUpdate();
    for (auto& item : FItems)
        item->ItemColor().SetBkColor(Value);
    EndUpdate();
}

void TEditorBracketCollection::SetAllColor(TColor Value) {
    BeginUpdate();
    for (auto& item : FItems)
        item->ItemColor().SetColor(Value);
    EndUpdate();
}

void TEditorBracketCollection::SetAllStyle(TFontStyles Value) {
    BeginUpdate();
    for (auto& item : FItems)
        item->ItemColor().SetStyle(Value);
    EndUpdate();
}

TEditorViewInfo::TEditorViewInfo(void* Owner) : FOwner(Owner) {
    Adopt(FBrackets);
    Adopt(FColors);
}

void TEditorViewInfo::Assign(const TNotifyPersistent& Source) {
    const auto* src = dynamic_cast<const TEditorViewInfo*>(&Source);
    if (!src) return TNotifyPersistent::Assign(Source);
    BeginUpdate();
    FBrackets.Assign(src->FBrackets);
    FColors.Assign(src->FColors);
    FCommenter = src->FCommenter;
    FPerlCommenter = src->FPerlCommenter;
    FControlCode = src->FControlCode;
    FHexPrefix = src->FHexPrefix;
    FMail = src->FMail;
    FQuotation = src->FQuotation;
    FPerlQuotation = src->FPerlQuotation;
    FUrl = src->FUrl;
    EndUpdate();
}

void TEditorViewInfo::SetCommenter(const std::string& Value) {
    UpdateSetting(*this, FCommenter, Value);
}
void TEditorViewInfo::SetPerlCommenter(const std::string& Value) {
    UpdateSetting(*this, FPerlCommenter, Value);
}
void TEditorViewInfo::SetControlCode(bool Value) {
    UpdateSetting(*this, FControlCode, Value);
}
void TEditorViewInfo::SetHexPrefix(const std::string& Value) {
    UpdateSetting(*this, FHexPrefix, Value);
}
void TEditorViewInfo::SetMail(bool Value) {
    UpdateSetting(*this, FMail, Value);
}
void TEditorViewInfo::SetQuotation(const std::string& Value) {
    UpdateSetting(*this, FQuotation, Value.substr(0, 1));
}
void TEditorViewInfo::SetPerlQuotation(const std::string& Value) {
    UpdateSetting(*this, FPerlQuotation, Value.substr(0, 1));
}
void TEditorViewInfo::SetUrl(bool Value) {
    UpdateSetting(*this, FUrl, Value);
}
