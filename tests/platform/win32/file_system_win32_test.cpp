// Replacing a file by a new one written beside it: the name holds the new bytes, and the
// replaced file's attributes stay; a read-only file is not replaced.  (The creation time
// is carried over too, but Wine's files on a Unix file system keep none to check.)
#include "platform/file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Folder() {
    char Temp[MAX_PATH] = {};
    GetTempPathA(sizeof Temp, Temp);
    return Temp;
}

void Write(const std::string& Name, const std::string& Bytes) {
    TFileSystem& Files = PlatformFileSystem();
    auto Out = Files.Create(Name);
    ASSERT_TRUE(Out);
    ASSERT_TRUE(Out->Write(Bytes.data(), Bytes.size()));
    ASSERT_TRUE(Out->Close());
}

std::string Read(const std::string& Name) {
    std::string Bytes;
    auto In = PlatformFileSystem().OpenRead(Name);
    if (!In) return "(none)";
    char Buffer[256];
    for (long long N; (N = In->Read(Buffer, sizeof Buffer)) > 0;) Bytes.append(Buffer, static_cast<std::size_t>(N));
    return Bytes;
}

} // namespace

TEST(FileSystemWin32, ReplaceKeepsTheReplacedFilesAttributes) {
    TFileSystem& Files = PlatformFileSystem();
    const std::string Target = Folder() + "zef-replace-target.txt";
    SetFileAttributesA(Target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Target.c_str());
    Write(Target, "old");
    SetFileAttributesA(Target.c_str(), FILE_ATTRIBUTE_HIDDEN);

    std::string Temp;
    auto Out = Files.CreateTemp(Target, Temp);
    ASSERT_TRUE(Out);
    ASSERT_TRUE(Out->Write("new", 3));
    ASSERT_TRUE(Out->Close());
    ASSERT_TRUE(Files.Replace(Temp, Target));

    EXPECT_EQ("new", Read(Target));
    EXPECT_FALSE(Files.Exists(Temp));
    EXPECT_TRUE(GetFileAttributesA(Target.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    // Read-only: the file stays, the new one is left for the caller to remove.
    SetFileAttributesA(Target.c_str(), FILE_ATTRIBUTE_READONLY);
    Out = Files.CreateTemp(Target, Temp);
    ASSERT_TRUE(Out);
    ASSERT_TRUE(Out->Write("newer", 5));
    ASSERT_TRUE(Out->Close());
    EXPECT_FALSE(Files.Replace(Temp, Target));
    EXPECT_EQ("new", Read(Target));
    Files.Delete(Temp);
    SetFileAttributesA(Target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Target.c_str());
}
