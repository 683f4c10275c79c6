// The registered path of a program, read from the registry as the browser paths are.
#include "platform/app_paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const Key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ZefnoteTest.exe";

void Register(DWORD Type, const char* Value) {
    HKEY K;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &K,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(K, nullptr, 0, Type, reinterpret_cast<const BYTE*>(Value),
                   static_cast<DWORD>(std::strlen(Value) + 1));
    RegCloseKey(K);
}

TEST(RegisteredAppPath, ReadsTheDefaultValueAndExpandsVariables) {
    EXPECT_EQ(RegisteredAppPath("ZefnoteTest.exe"), "");
    Register(REG_SZ, "C:\\Tools\\ZefnoteTest.exe");
    EXPECT_EQ(RegisteredAppPath("zefnotetest.exe"), "C:\\Tools\\ZefnoteTest.exe");
    Register(REG_EXPAND_SZ, "%SystemRoot%\\ZefnoteTest.exe");
    char Root[MAX_PATH];
    ASSERT_NE(GetEnvironmentVariableA("SystemRoot", Root, MAX_PATH), 0u);
    EXPECT_EQ(RegisteredAppPath("ZefnoteTest.exe"), std::string(Root) + "\\ZefnoteTest.exe");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Key);
    EXPECT_EQ(RegisteredAppPath("ZefnoteTest.exe"), "");
}

} // namespace
