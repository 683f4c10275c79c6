#include "platform/headless/headless_clipboard.h"

#include <algorithm>

bool THeadlessClipboard::GetText(std::string& Text) const {
    if (Locked || !Available) return false;
    Text = PlainText;
    return true;
}

bool THeadlessClipboard::HasFormat(const std::string& FormatName) const {
    return Available && std::find(Formats.begin(), Formats.end(), FormatName) != Formats.end();
}

bool THeadlessClipboard::SetText(const std::string& Text,
                                 const std::vector<std::string>& PrivateFormats) {
    if (Locked) return false;
    Available = true;
    PlainText = Text;
    Formats = PrivateFormats;
    FormatData.assign(PrivateFormats.size(), Text + std::string(1, '\0'));
    return true;
}

void THeadlessClipboard::SetForeignText(const std::string& Text) {
    SetText(Text, {});
}

void THeadlessClipboard::Empty() {
    Available = false;
    PlainText.clear();
    Formats.clear();
    FormatData.clear();
}
