#include "platform/win32/profile_file_win32.h"

#include <windows.h>

#include <vector>

std::string TWin32ProfileFile::ReadString(const std::string& Section, const std::string& Key,
                                          const std::string& Default) {
    // A value that fills the buffer comes back cut to Size - 1 characters: grow until it
    // fits.
    std::vector<char> Buffer(256);
    for (;;) {
        DWORD Size = static_cast<DWORD>(Buffer.size());
        DWORD Got = GetPrivateProfileStringA(Section.c_str(), Key.c_str(), Default.c_str(),
                                             Buffer.data(), Size, FFileName.c_str());
        if (Got + 1 < Size) return std::string(Buffer.data(), Got);
        Buffer.resize(Buffer.size() * 2);
    }
}

bool TWin32ProfileFile::WriteString(const std::string& Section, const std::string& Key,
                                    const std::string& Value) {
    return WritePrivateProfileStringA(Section.c_str(), Key.c_str(), Value.c_str(),
                                      FFileName.c_str()) != FALSE;
}

bool TWin32ProfileFile::DeleteKey(const std::string& Section, const std::string& Key) {
    return WritePrivateProfileStringA(Section.c_str(), Key.c_str(), nullptr, FFileName.c_str()) !=
           FALSE;
}

bool TWin32ProfileFile::EraseSection(const std::string& Section) {
    return WritePrivateProfileStringA(Section.c_str(), nullptr, nullptr, FFileName.c_str()) !=
           FALSE;
}
