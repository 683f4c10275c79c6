// The INI store of our own against the platform's profile functions on real files: the
// same bytes, the same operation, then the same answers to every read and, where the
// platform keeps the rest of the file as it was, the same bytes.
//
// Wine rewrites the whole file from what it parsed at every write: blank lines go, the
// blanks around names and values go, LF becomes CR LF.  Windows edits the file in
// place and keeps those bytes, and so does our store; cases with such bytes compare
// the reads after the write, not the bytes.
#include "platform/file_system.h"
#include "platform/headless/ini_profile_file.h"
#include "platform/win32/profile_file_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

enum TOp { opNone, opWrite, opDelete, opErase };

struct TCase {
    const char* Name;
    const char* Initial; // nullptr: no file
    TOp Op;
    const char* Section;
    const char* Key;
    const char* Value;
    bool SameBytes; // the file holds only lines the platform writes back unchanged
};

const TCase Cases[] = {
    // Reads.
    {"blanks and quotes",
     "[A]\r\n  k  =  1 2 \t\r\n\tq\t=\t\"a b\"\r\ns='s'\r\nm=\"q'\r\nlone=\"\r\npair=\"\"\r\n"
     "in= \" a \" \r\nempty=\r\neq=a=b\r\n",
     opNone, "", "", "", true},
    {"letter case and double-byte names", "[oPtIoN]\r\nWORDwrap=1\r\n\x83\x41=2\r\n", opNone, "",
     "", "", true},
    {"first of a name", "[A]\r\nk=1\r\nk=2\r\nbare\r\nbare=3\r\n[B]\r\n[A]\r\nc=4\r\n", opNone, "",
     "", "", true},
    {"headers and line ends",
     "x=0\n[ A ] ; note\nk=1\r[B\rb=2\r\n  [\x83\x5D]\r\nz=3\r\n[\x83\x5D\r\nw=4", opNone, "", "",
     "", true},
    // Writes.
    {"a write creates the file", nullptr, opWrite, "S", "k", "v", true},
    {"deleting from no file creates none", nullptr, opDelete, "S", "k", "", true},
    {"erasing in no file creates none", nullptr, opErase, "S", "", "", true},
    {"new section at the end", "[A]\r\nk=1\r\n", opWrite, "B", "b", "2", true},
    {"new section after a last line without line end", "[A]\r\nk=1", opWrite, "B", "b", "2", true},
    {"new key after the section's last key", "[A]\r\nk=1\r\n[B]\r\nb=1\r\n", opWrite, "A", "n", "2",
     true},
    {"new key in an empty section", "[A]\r\n[B]\r\nb=1\r\n", opWrite, "A", "k", "v", true},
    {"new key after a header without line end", "[A]", opWrite, "A", "k", "v", true},
    {"changed key keeps the file's spelling", "[oPtIoN]\r\nwordwrap=1\r\n", opWrite, "Option",
     "WordWrap", "0", true},
    {"first of two keys changed", "[A]\r\nk=1\r\nk=2\r\n", opWrite, "A", "k", "3", true},
    {"key line without =", "[A]\r\nk\r\n", opWrite, "A", "k", "v", true},
    {"blanks ahead of a value are not written", "[A]\r\n", opWrite, "A", "k", "  v ", true},
    {"double-byte section, key and value", "[設定]\r\n表=1\r\n", opWrite, "設定", "表", "ソ能",
     true},
    {"comment line kept", "[A]\r\n;c=1\r\nk=1\r\n", opWrite, "A", "k", "2", true},
    {"delete the first key", "[A]\r\nk=1\r\nb=2\r\nk=3\r\n", opDelete, "A", "k", "", true},
    {"delete a missing key", "[A]\r\nk=1\r\n", opDelete, "A", "n", "", true},
    {"erase the first section of a name", "[A]\r\nk=1\r\n[B]\r\n[A]\r\nc=1\r\n", opErase, "a", "",
     "", true},
    // Bytes that Wine does not write back as they were.
    {"blank lines and LF", "; top\n[A]\nk = 1 \n;c\n\n\n[B]\n  b=2\n", opWrite, "A", "n", "5",
     false},
    {"blank line ahead of the next section", "[A]\r\nk=1\r\n\r\n[B]\r\nb=1\r\n", opWrite, "A", "c",
     "2", false},
    {"erase with blank lines", "[A]\r\nk=1\r\n\r\n[B]\r\nb=1\r\n\r\n", opErase, "A", "", "", false},
    {"end-of-file mark", "[A]\r\nk=1\r\n\x1A", opWrite, "A", "b", "2", false},
};

struct TProbe {
    const char* Section;
    const char* Key;
};

// The reads compared: every key name the cases use in every section they use, and the
// quoting cases in section A.
std::vector<TProbe> Probes() {
    std::vector<TProbe> List;
    for (const char* S : {"", "A", "B", "S", "Option", "\x83\x5D", "設定"})
        for (const char* K :
             {"k", "n", "b", "c", "x", "z", "w", "bare", "WordWrap", "表", "\x83\x41", "\x83\x61"})
            List.push_back({S, K});
    for (const char* K : {"q", "s", "m", "lone", "pair", "in", "empty", "eq"})
        List.push_back({"A", K});
    return List;
}

class ProfileFileWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        char Temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, Temp), 0u);
        FFolder = std::string(Temp) + "zef-profile-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(FFolder.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::string& Name : FCreated)
            DeleteFileA(Name.c_str());
        RemoveDirectoryA(FFolder.c_str());
    }

    std::string NewFile(const std::string& Name) {
        FCreated.push_back(FFolder + "\\" + Name);
        return FCreated.back();
    }

    static void Put(const std::string& Name, const char* Bytes) {
        DeleteFileA(Name.c_str());
        if (!Bytes) return;
        std::unique_ptr<TFileWriter> W = PlatformFileSystem().Create(Name);
        ASSERT_TRUE(W);
        ASSERT_TRUE(W->Write(Bytes, std::strlen(Bytes)));
        ASSERT_TRUE(W->Close());
    }

    static std::string Get(const std::string& Name) {
        std::unique_ptr<TFileReader> R = PlatformFileSystem().OpenRead(Name);
        if (!R) return "<no file>";
        std::string Bytes;
        char Buffer[4096];
        long long Got;
        while ((Got = R->Read(Buffer, sizeof Buffer)) > 0)
            Bytes.append(Buffer, static_cast<std::size_t>(Got));
        return Bytes;
    }

    static bool Apply(TProfileFile& File, const TCase& C) {
        switch (C.Op) {
        case opWrite:
            return File.WriteString(C.Section, C.Key, C.Value);
        case opDelete:
            return File.DeleteKey(C.Section, C.Key);
        case opErase:
            return File.EraseSection(C.Section);
        default:
            return true;
        }
    }

    // Every probe read through File, in probe order.
    static std::vector<std::string> ReadProbes(TProfileFile& File) {
        std::vector<std::string> Values;
        for (const TProbe& P : Probes())
            Values.push_back(File.ReadString(P.Section, P.Key, "<default>"));
        return Values;
    }

    static void ExpectSameReads(const std::vector<std::string>& Actual,
                                const std::vector<std::string>& Expected, const char* What) {
        std::vector<TProbe> List = Probes();
        for (std::size_t I = 0; I < List.size(); ++I)
            EXPECT_EQ(Actual[I], Expected[I])
                << What << ": [" << List[I].Section << "] " << List[I].Key;
    }

private:
    std::string FFolder;
    std::vector<std::string> FCreated;
};

TEST_F(ProfileFileWin32, OurStoreAnswersAsThePlatformFunctions) {
    int N = 0;
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::string PlatformName = NewFile("w" + std::to_string(N) + ".ini");
        std::string OurName = NewFile("p" + std::to_string(N++) + ".ini");
        Put(PlatformName, C.Initial);
        Put(OurName, C.Initial);
        TWin32ProfileFile Platform(PlatformName);
        TIniProfileFile Ours(PlatformFileSystem(), OurName);
        TWin32ProfileFile OursByPlatform(OurName);

        ExpectSameReads(ReadProbes(Ours), ReadProbes(Platform), "before");
        EXPECT_EQ(Apply(Ours, C), Apply(Platform, C));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, PlatformName.c_str()); // flush
        std::vector<std::string> Expected = ReadProbes(Platform);
        ExpectSameReads(ReadProbes(OursByPlatform), Expected, "our file read by the platform");
        ExpectSameReads(ReadProbes(Ours), Expected, "our file read by us");
        if (C.SameBytes) {
            EXPECT_EQ(Get(OurName), Get(PlatformName));
        }
    }
}

TEST_F(ProfileFileWin32, DefaultsLoseTheirTrailingSpaces) {
    std::string PlatformName = NewFile("dw.ini"), OurName = NewFile("dp.ini");
    TWin32ProfileFile Platform(PlatformName);
    TIniProfileFile Ours(PlatformFileSystem(), OurName);
    for (const char* Default : {"", " ", "  ", " d  ", "d\t ", "\x81\x40 "})
        EXPECT_EQ(Ours.ReadString("A", "k", Default), Platform.ReadString("A", "k", Default))
            << "[" << Default << "]";
}

TEST_F(ProfileFileWin32, LongValuesAreReadWhole) {
    std::string Name = NewFile("long.ini");
    for (std::size_t Length : {254u, 255u, 256u, 1000u, 20000u}) {
        std::string Value(Length, 'z');
        Value.back() = '!';
        TWin32ProfileFile File(Name);
        ASSERT_TRUE(File.WriteString("A", "k", Value));
        EXPECT_EQ(File.ReadString("A", "k", ""), Value) << Length;
    }
}

} // namespace
