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
