#include "platform/app_paths.h"

#include <windows.h>

#include <vector>

std::string RegisteredAppPath(const std::string& ProgramFile) {
    std::string Name = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + ProgramFile;
    HKEY Key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, Name.c_str(), 0, KEY_QUERY_VALUE, &Key) != ERROR_SUCCESS)
        return std::string();
    DWORD Type = 0, Size = 0;
    std::string Path;
    if (RegQueryValueExA(Key, nullptr, nullptr, &Type, nullptr, &Size) == ERROR_SUCCESS &&
        (Type == REG_SZ || Type == REG_EXPAND_SZ) && Size > 0) {
        std::vector<char> Value(Size + 1, '\0');
        if (RegQueryValueExA(Key, nullptr, nullptr, &Type, reinterpret_cast<BYTE*>(Value.data()),
                             &Size) == ERROR_SUCCESS)
            Path = Value.data();
    }
    RegCloseKey(Key);
    if (Type != REG_EXPAND_SZ || Path.empty()) return Path;
    DWORD Needed = ExpandEnvironmentStringsA(Path.c_str(), nullptr, 0);
    if (Needed == 0) return Path;
    std::vector<char> Expanded(Needed + 1, '\0');
    ExpandEnvironmentStringsA(Path.c_str(), Expanded.data(), Needed + 1);
    return Expanded.data();
}
