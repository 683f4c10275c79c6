#pragma once
// Menu shortcuts: a virtual key with its modifier keys, and their text as menus show it
// ("Ctrl+N", "Shift+Ctrl+F", "Alt+BkSp", "F3").  The same text form is what the tool list
// stores for a tool's key.
#include <cstdint>
#include <string>

struct TShortCut {
    enum TModifier : std::uint8_t { scShift = 1, scCtrl = 2, scAlt = 4 };

    int Key = 0; // a Windows virtual-key code; 0 for no shortcut
    std::uint8_t Modifiers = 0;

    TShortCut() = default;
    TShortCut(int AKey, std::uint8_t AModifiers) : Key(AKey), Modifiers(AModifiers) {}

    bool IsNone() const { return Key == 0; }
    bool Shift() const { return (Modifiers & scShift) != 0; }
    bool Ctrl() const { return (Modifiers & scCtrl) != 0; }
    bool Alt() const { return (Modifiers & scAlt) != 0; }
    bool operator==(const TShortCut& Other) const {
        return Key == Other.Key && Modifiers == Other.Modifiers;
    }
    bool operator!=(const TShortCut& Other) const { return !(*this == Other); }
};

// Parses "Shift+Ctrl+1", "Ctrl+Enter", "Alt+BkSp", "Shift+Del", "F11" and the like; the
// modifier words may come in any order and any letter case.  Text that names no key
// gives no shortcut.
TShortCut TextToShortCut(const std::string& Text);

// The text of a shortcut in the menus' form: modifiers in the order Shift, Ctrl, Alt,
// then the key's name; empty for no shortcut.
std::string ShortCutToText(TShortCut ShortCut);
