#pragma once
// The clipboard as a text view uses it: plain text (code-page bytes) and private formats
// registered by name, which only mark what kind of text the plain text holds.
#include <string>
#include <vector>

class TClipboard {
public:
    virtual ~TClipboard() = default;

    // True when plain text is available.
    virtual bool HasText() const = 0;
    // The plain text; false when there is none or the clipboard cannot be opened.
    virtual bool GetText(std::string& Text) const = 0;
    // True when data of the private format registered under FormatName is present.
    virtual bool HasFormat(const std::string& FormatName) const = 0;
    // Empties the clipboard and puts Text as plain text and, under each of the named
    // private formats, the same bytes followed by a zero byte, in one opening of the
    // clipboard.  False when the clipboard could not be opened.
    virtual bool SetText(const std::string& Text,
                         const std::vector<std::string>& PrivateFormats = {}) = 0;
};
