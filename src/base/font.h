#pragma once
// The font the control draws with, as the settings hold it: the platform builds the
// real font from these fields.  Setters notify only when the value changes.
#include "base/notify_persistent.h"
#include "base/platform_values.h"

#include <cstdint>
#include <string>

class TFont : public TNotifyPersistent {
public:
    void Assign(const TNotifyPersistent& Source) override;

    const std::string& Name() const { return FName; }
    int Size() const { return FSize; }
    TFontStyles Style() const { return FStyle; }
    TColor Color() const { return FColor; }
    std::uint8_t Charset() const { return FCharset; }
    void SetName(const std::string& Value);
    // Points; values below 1 are stored as 1.
    void SetSize(int Value);
    void SetStyle(TFontStyles Value);
    void SetColor(TColor Value);
    void SetCharset(std::uint8_t Value);

private:
    std::string FName = "FixedSys";
    int FSize = 12;
    TFontStyles FStyle = TFontStyles();
    TColor FColor = clWindowText;
    std::uint8_t FCharset = DEFAULT_CHARSET_VALUE;
};
