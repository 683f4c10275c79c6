#include "base/font.h"

namespace {

template <typename T> void Store(TNotifyPersistent& Owner, T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Owner.Changed();
}

} // namespace

void TFont::Assign(const TNotifyPersistent& Source) {
    const auto* F = dynamic_cast<const TFont*>(&Source);
    if (!F) {
        TNotifyPersistent::Assign(Source);
        return;
    }
    FName = F->FName;
    FSize = F->FSize;
    FStyle = F->FStyle;
    FColor = F->FColor;
    FCharset = F->FCharset;
    Changed();
}

void TFont::SetName(const std::string& Value) {
    Store(*this, FName, Value);
}
void TFont::SetSize(int Value) {
    Store(*this, FSize, Value < 1 ? 1 : Value);
}
void TFont::SetStyle(TFontStyles Value) {
    Store(*this, FStyle, Value);
}
void TFont::SetColor(TColor Value) {
    Store(*this, FColor, Value);
}
void TFont::SetCharset(std::uint8_t Value) {
    Store(*this, FCharset, Value);
}
