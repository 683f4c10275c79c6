#include "standin_log.h"

#include <windows.h>

std::string EnvironmentValue(const char* Name) {
    char Buffer[1024] = "";
    const DWORD N = GetEnvironmentVariableA(Name, Buffer, sizeof Buffer);
    return N > 0 && N < sizeof Buffer ? std::string(Buffer, N) : std::string();
}

void AppendRecord(const std::string& Record) {
    const std::string Path = EnvironmentValue("ZEF_STANDIN_LOG");
    if (Path.empty()) return;
    // Opened for each record, so that the test reads every record as soon as it is made.
    HANDLE File = CreateFileA(Path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (File == INVALID_HANDLE_VALUE) return;
    const std::string Line = Record + "\n";
    DWORD Written = 0;
    WriteFile(File, Line.data(), static_cast<DWORD>(Line.size()), &Written, nullptr);
    CloseHandle(File);
}
