#include "app/win32/viewer_document.h"

#include <windows.h>

namespace {

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

} // namespace

bool ViewerDocument::LoadFile(const std::string& Path, std::string& Error) {
    HANDLE f = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        Error = "ファイル " + Path + " は開けません";
        return false;
    }
    std::string bytes;
    char block[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(f, block, sizeof block, &got, nullptr) != 0) && got > 0)
        bytes.append(block, got);
    CloseHandle(f);
    if (!ok) {
        Error = "ファイル " + Path + " は開けません";
        return false;
    }
    SetText(bytes);
    return true;
}

void ViewerDocument::SetText(const std::string& Bytes) {
    rows_.clear();
    size_t start = 0;
    const size_t n = Bytes.size();
    for (size_t i = 0; i < n; ++i) {
        char c = Bytes[i];
        if (c != '\r' && c != '\n') continue;
        AddLine(Bytes.data() + start, i - start);
        if (c == '\r' && i + 1 < n && Bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    endsWithoutLineBreak_ = start < n;
    if (start < n) AddLine(Bytes.data() + start, n - start);
}

void ViewerDocument::AddLine(const char* p, size_t n) {
    std::string row;
    for (size_t i = 0; i < n;) {
        unsigned char b = static_cast<unsigned char>(p[i]);
        size_t len = IsLeadByte(b) && i + 1 < n ? 2 : 1;
        std::string cell = b == '\t' ? std::string(kTabColumns - row.size() % kTabColumns, ' ')
                                     : std::string(p + i, len);
        if (row.size() + cell.size() > static_cast<size_t>(kWrapColumns)) {
            if (b == '\t') cell.resize(kWrapColumns - row.size());
            else {
                rows_.push_back(row);
                row.clear();
            }
        }
        row += cell;
        if (row.size() >= static_cast<size_t>(kWrapColumns)) {
            rows_.push_back(row);
            row.clear();
            if (b == '\t') {
                i += 1;
                continue;
            }
        }
        i += len;
    }
    if (!row.empty() || rows_.empty() || n == 0) rows_.push_back(row);
}
