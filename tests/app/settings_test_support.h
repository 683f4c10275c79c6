#pragma once
// A settings store over an in-memory INI file, counting its announcements.
#include "app/settings/settings_store.h"
#include "platform/headless/ini_profile_file.h"
#include "platform/headless/memory_file_system.h"

#include <gtest/gtest.h>

struct SettingsFixture : ::testing::Test {
    TMemoryFileSystem Files;
    TIniProfileFile Ini{Files, "C:\\Zefnote\\Zefnote.INI"};
    TOptionRecord Options;
    TSettingsStore Store{Ini, Options};
    int Announcements = 0;

    SettingsFixture() {
        Store.BroadcastSettingsChanged = [this] { ++Announcements; };
    }

    void SetIni(const std::string& Text) { Files.SetFile(Ini.FileName(), Text); }
    std::string IniText() const { return Files.Bytes(Ini.FileName()); }
};
