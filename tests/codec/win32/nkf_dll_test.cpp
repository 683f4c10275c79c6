// NKF32.DLL loaded for real: our stand-in library (and its variant without NkfConvert)
// beside the test program, bound through LoadLibraryA and GetProcAddress; files through
// the Win32 file system.
#include "app/document_files.h"
#include "codec/kanji_convert.h"
#include "codec/nkf.h"
#include "platform/file_system.h"
#include "platform/headless/recording_message_box.h"
#include "platform/library_loader.h"
#include "support/fake_text_editor.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string TempFolder() {
    char Path[MAX_PATH];
    GetTempPathA(MAX_PATH, Path);
    std::string Folder = std::string(Path) + "zefnote-nkf-test\\";
    CreateDirectoryA(Folder.c_str(), nullptr);
    return Folder;
}

int FilesIn(const std::string& Folder) {
    WIN32_FIND_DATAA Data;
    HANDLE H = FindFirstFileA((Folder + "*").c_str(), &Data);
    int N = 0;
    if (H == INVALID_HANDLE_VALUE) return 0;
    do
        N += !(Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(H, &Data));
    FindClose(H);
    return N;
}

TEST(Win32Nkf, LoadsTheLibraryAndConvertsThroughIt) {
    TRecordingMessageBox Messages;
    TNkf Nkf(PlatformLibraryLoader(), Messages);
    Nkf.LoadNkf();
    ASSERT_TRUE(Nkf.NkfLoaded()) << "NKF32.DLL is not beside the test program";
    EXPECT_TRUE(Nkf.Complete());
    char Version[64] = "";
    Nkf.GetNkfVersion(Version);
    EXPECT_NE(0u, std::strlen(Version));
    const std::string Sjis = "漢字とカナ\r\nabc";
    EXPECT_EQ(SjisToJis(Sjis), Nkf.NkfConvertString(Sjis, "j"));
    EXPECT_EQ(SjisToEuc(Sjis), Nkf.NkfConvertString(Sjis, "e"));
    EXPECT_EQ(Sjis, Nkf.NkfConvertString(SjisToEuc(Sjis), "s"));

    // A JIS file of several blocks loaded and saved through the library.
    std::string Text;
    for (int I = 0; I < 2000; ++I)
        Text += "日本語の行です。\r\n";
    std::string Folder = TempFolder(), Name = Folder + "jis.txt";
    TTextFiles Doc(PlatformFileSystem(), Messages, &Nkf);
    Doc.WriteTextFile(SjisToJis(Text), Name);
    Doc.SetLoadAutoCvt(true);
    TFakeTextEditor Editor;
    Doc.LoadFile(Editor, Name);
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    ASSERT_EQ(2000, Editor.Rows().Count());
    EXPECT_EQ("日本語の行です。", Editor.Rows().Get(1999));
    Doc.SetSaveCvt(3);
    ASSERT_TRUE(Doc.SaveFile(Editor, Name)); // over the EUC-JP limit: the library has none
    TFakeTextEditor Plain;
    LoadFromFile(Plain, PlatformFileSystem(), Name);
    EXPECT_EQ(SjisToEuc("日本語の行です。"), Plain.Rows().Get(0));
    EXPECT_TRUE(Messages.Messages.empty());
    DeleteFileA(Name.c_str());

    Nkf.FreeNkf();
    EXPECT_FALSE(Nkf.NkfLoaded());
    EXPECT_EQ(nullptr, GetModuleHandleA("NKF32.DLL"));
}

TEST(Win32Nkf, MissingEntryPointIsAStubThatSaysPanic) {
    TRecordingMessageBox Messages;
    TNkf Nkf(PlatformLibraryLoader(), Messages);
    Nkf.LoadNkf("NKF32NC.DLL");
    ASSERT_TRUE(Nkf.NkfLoaded());
    EXPECT_FALSE(Nkf.CanConvert());
    EXPECT_EQ("", Nkf.NkfConvertString("abc", "j"));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("PANIC!!", Messages.Messages[0].Caption);
    EXPECT_NE(std::string::npos, Messages.Messages[0].Text.find("NkfConvert"));

    TNkf Absent(PlatformLibraryLoader(), Messages);
    Absent.LoadNkf("NO-SUCH-LIBRARY.DLL");
    EXPECT_FALSE(Absent.NkfLoaded());
}

TEST(Win32Files, SaveReplacesKeepingAttributesAndRefusesReadOnly) {
    TRecordingMessageBox Messages;
    TFileSystem& Files = PlatformFileSystem();
    TTextFiles Doc(Files, Messages);
    std::string Folder = TempFolder(), Name = Folder + "attr.txt";
    SetFileAttributesA(Name.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Name.c_str());
    Doc.WriteTextFile("old\r\n", Name);
    ASSERT_TRUE(SetFileAttributesA(Name.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    Doc.WriteTextFile("new\r\n", Name);
    DWORD Attributes = GetFileAttributesA(Name.c_str());
    EXPECT_TRUE(Attributes & FILE_ATTRIBUTE_HIDDEN);
    TFakeTextEditor Editor;
    LoadFromFile(Editor, Files, Name);
    EXPECT_EQ("new", Editor.Rows().Get(0));

    SetFileAttributesA(Name.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(Doc.WriteTextFile("lost\r\n", Name), EFCreateError);
    LoadFromFile(Editor, Files, Name);
    EXPECT_EQ("new", Editor.Rows().Get(0));
    EXPECT_EQ(1, FilesIn(Folder)) << "a temporary file was left behind";
    SetFileAttributesA(Name.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Name.c_str());
    EXPECT_THROW(LoadFromFile(Editor, Files, Folder + "missing.txt"), EFOpenError);
}

} // namespace
