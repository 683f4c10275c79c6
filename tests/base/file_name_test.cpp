#include "base/file_name.h"

#include <gtest/gtest.h>

TEST(FileName, FolderAndNameSplitAtTheLastSeparatorCharacter) {
    EXPECT_EQ("C:\\doc\\", ExtractFilePath("C:\\doc\\a.txt"));
    EXPECT_EQ("a.txt", ExtractFileName("C:\\doc\\a.txt"));
    EXPECT_EQ("", ExtractFilePath("a.txt"));
    EXPECT_EQ("a.txt", ExtractFileName("a.txt"));
    EXPECT_EQ("C:", ExtractFilePath("C:"));
    EXPECT_EQ("", ExtractFileName("C:\\doc\\"));
    EXPECT_EQ("x/y/", ExtractFilePath("x/y/z"));
    // 表 and ソ end in 0x5C: part of the character, not a separator.
    EXPECT_EQ("C:\\表\\", ExtractFilePath("C:\\表\\ソ"));
    EXPECT_EQ("ソ", ExtractFileName("C:\\表\\ソ"));
    EXPECT_EQ("表", ExtractFileName("表"));
}

TEST(FileName, DirectoryExtensionAndComparison) {
    // 表 and ソ end in the byte 0x5C, which is no separator there.
    EXPECT_EQ("表.txt", ExtractFileName("C:\\データ\\表.txt"));
    EXPECT_EQ("C:\\ソフト", ExtractFileDir("C:\\ソフト\\a.txt"));
    EXPECT_EQ("ソ", ExtractFileName("C:\\ソ"));
    EXPECT_EQ("C:\\", ExtractFileDir("C:\\a.txt"));
    EXPECT_EQ("C:", ExtractFileDir("C:a.txt"));
    EXPECT_EQ("", ExtractFileDir("a.txt"));
    EXPECT_EQ(".txt", ExtractFileExt("C:\\a.b\\表.txt"));
    EXPECT_EQ("", ExtractFileExt("C:\\a.b\\Makefile"));
    EXPECT_TRUE(SameFileName("C:\\Doc\\A.TXT", "c:\\doc\\a.txt"));
    EXPECT_FALSE(SameFileName("C:\\ア.txt", "C:\\ヂ.txt"));
}
