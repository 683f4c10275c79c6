#pragma once
// An in-memory clipboard: plain text and the names of the private formats put with it.
#include "platform/clipboard.h"

#include <string>
#include <vector>

class THeadlessClipboard : public TClipboard {
public:
    bool HasText() const override { return Available; }
    bool GetText(std::string& Text) const override;
    bool HasFormat(const std::string& FormatName) const override;
    bool SetText(const std::string& Text, const std::vector<std::string>& PrivateFormats) override;

    // Puts plain text as another program would (no private format).
    void SetForeignText(const std::string& Text);
    void Empty();

    bool Available = false;
    std::string PlainText;
    std::vector<std::string> Formats;
    // The bytes of each private format, zero byte included.
    std::vector<std::string> FormatData;
    // When true every opening fails (another program holds the clipboard).
    bool Locked = false;
};
