#include "platform/win32/clipboard_win32.h"

#include <cstring>

namespace {

// Global memory holding Bytes and a zero byte; null when it cannot be had.
HGLOBAL GlobalCopy(const std::string& Bytes) {
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE, Bytes.size() + 1);
    if (!H) return nullptr;
    char* P = static_cast<char*>(GlobalLock(H));
    if (!P) {
        GlobalFree(H);
        return nullptr;
    }
    std::memcpy(P, Bytes.data(), Bytes.size());
    P[Bytes.size()] = '\0';
    GlobalUnlock(H);
    return H;
}

} // namespace

bool TWin32Clipboard::HasText() const {
    return IsClipboardFormatAvailable(CF_TEXT) != 0;
}

bool TWin32Clipboard::GetText(std::string& Text) const {
    if (!OpenClipboard(FOwner)) return false;
    bool Ok = false;
    if (HANDLE H = GetClipboardData(CF_TEXT)) {
        if (const char* P = static_cast<const char*>(GlobalLock(H))) {
            // The data ends at its first zero byte, never past the block's size.
            SIZE_T Size = GlobalSize(H);
            SIZE_T N = 0;
            while (N < Size && P[N] != '\0')
                ++N;
            Text.assign(P, N);
            GlobalUnlock(H);
            Ok = true;
        }
    }
    CloseClipboard();
    return Ok;
}

bool TWin32Clipboard::HasFormat(const std::string& FormatName) const {
    UINT Format = RegisterClipboardFormatA(FormatName.c_str());
    return Format != 0 && IsClipboardFormatAvailable(Format) != 0;
}

bool TWin32Clipboard::SetText(const std::string& Text,
                              const std::vector<std::string>& PrivateFormats) {
    if (!OpenClipboard(FOwner)) return false;
    EmptyClipboard();
    bool Ok = false;
    if (HGLOBAL H = GlobalCopy(Text)) {
        Ok = SetClipboardData(CF_TEXT, H) != nullptr;
        if (!Ok) GlobalFree(H);
    }
    for (const std::string& Name : PrivateFormats) {
        UINT Format = RegisterClipboardFormatA(Name.c_str());
        if (!Format) continue;
        if (HGLOBAL H = GlobalCopy(Text))
            if (!SetClipboardData(Format, H)) GlobalFree(H);
    }
    CloseClipboard();
    return Ok;
}
