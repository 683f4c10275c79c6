#include "platform/headless/ini_profile_file.h"
#include "platform/headless/memory_file_system.h"

#include <gtest/gtest.h>

namespace {

struct IniProfileFile : ::testing::Test {
    TMemoryFileSystem Files;
    TIniProfileFile Ini{Files, "C:\\Zefnote\\Zefnote.INI"};

    void Set(const std::string& Bytes) { Files.SetFile(Ini.FileName(), Bytes); }
    std::string Bytes() const { return Files.Bytes(Ini.FileName()); }
    std::string Read(const std::string& Section, const std::string& Key) {
        return Ini.ReadString(Section, Key, "<default>");
    }
};

TEST_F(IniProfileFile, ReadStripsBlanksAndOnePairOfQuotes) {
    Set("[A]\r\n  x  =  1 2 \t\r\n\tq\t=\t\"a b\"\r\ns='s'\r\nm=\"q'\r\nlone=\"\r\n"
        "pair=\"\"\r\nin= \" a \" \r\nempty=\r\neq=a=b\r\nctrlz=1\x1A\r\n");
    EXPECT_EQ(Read("A", "x"), "1 2");
    EXPECT_EQ(Read("A", "q"), "a b");
    EXPECT_EQ(Read("A", "s"), "s");
    EXPECT_EQ(Read("A", "m"), "\"q'");
    EXPECT_EQ(Read("A", "lone"), "\"");
    EXPECT_EQ(Read("A", "pair"), "");
    EXPECT_EQ(Read("A", "in"), " a ");
    EXPECT_EQ(Read("A", "empty"), ""); // present but empty is not the default
    EXPECT_EQ(Read("A", "eq"), "a=b");
    EXPECT_EQ(Read("A", "ctrlz"), "1");
    EXPECT_EQ(Read("A", "missing"), "<default>");
    EXPECT_EQ(Read("B", "x"), "<default>");
    EXPECT_EQ(Ini.ReadString("A", "missing", " d  "), " d"); // as the platform returns it
}

TEST_F(IniProfileFile, NamesIgnoreLetterCaseButNotDoubleByteCharacters) {
    // 0x83 0x41 (ア) and 0x83 0x61 (ヂ) differ only in a trail byte in the letter range.
    Set("[oPtIoN]\r\nWORDwrap=1\r\n\x83\x41=2\r\n");
    EXPECT_EQ(Read("Option", "WordWrap"), "1");
    EXPECT_EQ(Read("option", " wordwrap "), "1");
    EXPECT_EQ(Read("Option", "\x83\x41"), "2");
    EXPECT_EQ(Read("Option", "\x83\x61"), "<default>");
}

TEST_F(IniProfileFile, FirstSectionAndFirstKeyOfANameCount) {
    Set("[A]\r\nk=1\r\nk=2\r\nbare\r\nbare=3\r\n[B]\r\n[A]\r\nc=4\r\n");
    EXPECT_EQ(Read("A", "k"), "1");
    EXPECT_EQ(Read("A", "bare"), "<default>"); // a key line without "=" hides the later one
    EXPECT_EQ(Read("A", "c"), "<default>");    // only the first [A] is looked at
}

TEST_F(IniProfileFile, HeadersAndLineEnds) {
    // A header needs its "]"; the name is trimmed and may end in a trail byte 0x5D (ゾ).
    Set("x=0\n[ A ] ; note\nk=1\r[B\rb=2\r\n  [\x83\x5D]\r\nz=3\r\n[\x83\x5D\r\nw=4");
    EXPECT_EQ(Read("", "x"), "0");
    EXPECT_EQ(Read("A", "k"), "1");
    EXPECT_EQ(Read("A", "b"), "2"); // "[B" is a key line of A
    EXPECT_EQ(Read("B", "b"), "<default>");
    EXPECT_EQ(Read("\x83\x5D", "z"), "3");
    EXPECT_EQ(Read("\x83\x5D", "w"), "4"); // "[ゾ" without "]" starts no section
}

TEST_F(IniProfileFile, MissingFileReadsDefaultsAndIsCreatedByAWrite) {
    EXPECT_EQ(Read("S", "K"), "<default>");
    EXPECT_TRUE(Ini.DeleteKey("S", "K"));
    EXPECT_TRUE(Ini.EraseSection("S"));
    EXPECT_EQ(Files.FileCount(), 0u);
    EXPECT_TRUE(Ini.WriteString("S", "K", "V"));
    EXPECT_EQ(Bytes(), "[S]\r\nK=V\r\n");
}

TEST_F(IniProfileFile, WriteChangesOnlyItsLine) {
    const std::string Before = "; settings\n[Option]\n  WordWrap = 1 \nUnknown=x\n\n[Other]\nk=1\n";
    Set(Before);
    EXPECT_TRUE(Ini.WriteString("option", "wordwrap", "0"));
    // The key keeps the file's spelling; the value loses its blanks; LF stays LF.
    EXPECT_EQ(Bytes(), "; settings\n[Option]\nWordWrap=0\nUnknown=x\n\n[Other]\nk=1\n");

    Set("[A]\r\nk=1\r\nk=2\r\n");
    EXPECT_TRUE(Ini.WriteString("A", "k", "  3 "));
    EXPECT_EQ(Bytes(), "[A]\r\nk=3 \r\nk=2\r\n"); // the first of two; leading blanks dropped
}

TEST_F(IniProfileFile, NewKeysFollowTheSectionsLastLineAndNewSectionsGoLast) {
    Set("[A]\r\na=1\r\n;c\r\n\r\n[B]\r\nb=1");
    EXPECT_TRUE(Ini.WriteString("A", "n", "2"));
    EXPECT_EQ(Bytes(), "[A]\r\na=1\r\n;c\r\nn=2\r\n\r\n[B]\r\nb=1");
    EXPECT_TRUE(Ini.WriteString("C", "k", "v")); // the last line gets its line end first
    EXPECT_EQ(Bytes(), "[A]\r\na=1\r\n;c\r\nn=2\r\n\r\n[B]\r\nb=1\r\n[C]\r\nk=v\r\n");

    Set("[A]\r\n[B]\r\nb=1\r\n");
    EXPECT_TRUE(Ini.WriteString("A", "k", "v"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=v\r\n[B]\r\nb=1\r\n");
}

TEST_F(IniProfileFile, DeleteKeyAndEraseSection) {
    Set("[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nb=1\r\n[A]\r\nc=1\r\n");
    EXPECT_TRUE(Ini.DeleteKey("A", "a"));
    EXPECT_TRUE(Ini.DeleteKey("A", "zz"));
    EXPECT_EQ(Bytes(), "[A]\r\nb=2\r\n\r\n[B]\r\nb=1\r\n[A]\r\nc=1\r\n");
    EXPECT_TRUE(Ini.EraseSection("a"));
    EXPECT_EQ(Bytes(), "[B]\r\nb=1\r\n[A]\r\nc=1\r\n"); // the first [A] with its lines
}

TEST_F(IniProfileFile, AFileThatCannotBeReadOrWrittenStaysAsItWas) {
    const std::string Before = "[A]\r\nk=1\r\n";
    Set(Before);
    Files.UnreadableFiles.insert(Ini.FileName());
    EXPECT_EQ(Read("A", "k"), "<default>");
    EXPECT_FALSE(Ini.WriteString("A", "n", "2")); // would replace what it has not seen
    EXPECT_FALSE(Ini.EraseSection("A"));
    Files.UnreadableFiles.clear();
    EXPECT_EQ(Bytes(), Before);

    Files.WriteLimit = 5;
    EXPECT_FALSE(Ini.WriteString("A", "k", "2"));
    Files.WriteLimit = -1;
    Files.FailReplace = true;
    EXPECT_FALSE(Ini.DeleteKey("A", "k"));
    EXPECT_EQ(Bytes(), Before);
    EXPECT_EQ(Files.FileCount(), 1u); // no temporary file left behind
}

} // namespace
