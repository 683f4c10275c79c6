#pragma once
// The system clipboard: CF_TEXT and private formats registered by name.
#include "platform/clipboard.h"

#include <windows.h>

class TWin32Clipboard : public TClipboard {
public:
    explicit TWin32Clipboard(HWND Owner = nullptr) : FOwner(Owner) {}
    void SetOwner(HWND Owner) { FOwner = Owner; }

    bool HasText() const override;
    bool GetText(std::string& Text) const override;
    bool HasFormat(const std::string& FormatName) const override;
    bool SetText(const std::string& Text, const std::vector<std::string>& PrivateFormats) override;

private:
    HWND FOwner;
};
