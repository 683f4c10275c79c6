#include "app/menu/menu_item.h"

#include <utility>

TMenuItem::TMenuItem(std::string AName, std::string ACaption, std::string AHint,
                     TShortCut AShortCut, int ACommand)
    : Name(std::move(AName)), Caption(std::move(ACaption)), Hint(std::move(AHint)),
      ShortCut(AShortCut), Command(ACommand) {}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    for (std::size_t I = 0; I < FItems.size(); ++I)
        if (FItems[I].get() == Item) return static_cast<int>(I);
    return -1;
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
    return Insert(Count(), std::move(Item));
}

TMenuItem& TMenuItem::Insert(int Index, std::unique_ptr<TMenuItem> Item) {
    if (Index < 0) Index = 0;
    if (Index > Count()) Index = Count();
    Item->FParent = this;
    TMenuItem& Result = *Item;
    FItems.insert(FItems.begin() + Index, std::move(Item));
    return Result;
}

TMenuItem& TMenuItem::Add(const std::string& AName, const std::string& ACaption,
                          const std::string& AHint, const std::string& AShortCut, int ACommand) {
    return Add(std::make_unique<TMenuItem>(AName, ACaption, AHint, TextToShortCut(AShortCut),
                                           ACommand));
}

TMenuItem& TMenuItem::AddSeparator(const std::string& AName) {
    return Add(std::make_unique<TMenuItem>(AName, "-"));
}

void TMenuItem::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    FItems.erase(FItems.begin() + Index);
}

void TMenuItem::Clear() { FItems.clear(); }

TMenuItem* TMenuItem::Find(const std::string& AName) {
    if (Name == AName) return this;
    for (auto& Item : FItems)
        if (TMenuItem* Found = Item->Find(AName)) return Found;
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut AShortCut) {
    if (AShortCut.IsNone()) return nullptr;
    if (ShortCut == AShortCut && !IsLine()) return this;
    for (auto& Item : FItems)
        if (TMenuItem* Found = Item->FindShortCut(AShortCut)) return Found;
    return nullptr;
}

void TMenuItem::Popup() {
    if (OnPopup) OnPopup(*this);
}

bool TMenuItem::Click() {
    if (!Enabled || IsLine()) return false;
    if (OnClick) {
        OnClick(*this);
        return true;
    }
    for (TMenuItem* P = FParent; P; P = P->FParent)
        if (P->OnChildClick) {
            P->OnChildClick(*this);
            break;
        }
    return true;
}

TMenuItem* RunAsOpened(TMenuItem& Root, const std::function<TMenuItem*(TMenuItem&)>& Find,
                       bool* Ran) {
    if (Ran) *Ran = false;
    TMenuItem* Item = Find(Root);
    if (!Item) return nullptr;
    std::vector<TMenuItem*> Chain;
    for (TMenuItem* P = Item->Parent(); P; P = P->Parent()) Chain.push_back(P);
    // A handler of an outer menu may rebuild an inner one (the file history, the window
    // list): the item is looked up again once its menus have opened.
    for (auto It = Chain.rbegin(); It != Chain.rend(); ++It) (*It)->Popup();
    Item = Find(Root);
    if (!Item) return nullptr;
    for (TMenuItem* P = Item->Parent(); P; P = P->Parent())
        if (!P->Enabled) return Item;
    const bool Done = Item->Click();
    if (Ran) *Ran = Done;
    return Item;
}

TMenuItem* DispatchShortCut(TMenuItem& Root, TShortCut ShortCut, bool* Ran) {
    return RunAsOpened(Root, [ShortCut](TMenuItem& R) { return R.FindShortCut(ShortCut); }, Ran);
}

std::string StripAccelerator(const std::string& Caption) {
    std::string Result;
    for (std::size_t I = 0; I < Caption.size(); ++I) {
        unsigned char C = static_cast<unsigned char>(Caption[I]);
        if (C == '\t') break;
        if (C == '&') {
            if (I + 1 < Caption.size() && Caption[I + 1] == '&') Result += '&', ++I;
            continue;
        }
        // Neither '&' nor TAB can be the trail byte of a double-byte character.
        Result += static_cast<char>(C);
    }
    return Result;
}
