#include "app/edit_mode.h"

#include <gtest/gtest.h>

namespace {

TModeExtensionLists DefaultLists() {
    return {"", "*.htm;*.html", "*.cgi;*.pl", "*.ini;*.inf;*.url", "*.bat", "*.c;*.cpp;*.h",
            "*.java", "*.bas", "*.pas;*.dpr"};
}

} // namespace

TEST(EditMode, ExtensionDecidesIgnoringCase) {
    const TModeExtensionLists L = DefaultLists();
    EXPECT_EQ(1, ModeFromFileName("C:\\web\\INDEX.HTML", 0, L));
    EXPECT_EQ(5, ModeFromFileName("C:\\src\\main.Cpp", 0, L));
    EXPECT_EQ(8, ModeFromFileName("proj.dpr", 3, L));
    EXPECT_EQ(0, ModeFromFileName("C:\\doc\\memo.txt", 2, L));
    // The last dot of the name counts, and a dot in a folder name does not.
    EXPECT_EQ(2, ModeFromFileName("C:\\a.b\\x.tar.pl", 0, L));
    EXPECT_EQ(0, ModeFromFileName("C:\\a.pl\\Makefile", 0, L));
}

TEST(EditMode, FilesWithoutExtensionNeedAPieceWithoutDot) {
    TModeExtensionLists L = DefaultLists();
    EXPECT_EQ(0, ModeFromFileName("C:\\src\\Makefile", 0, L));
    L[4] = "*.bat;;Makefile";
    EXPECT_EQ(4, ModeFromFileName("C:\\src\\Makefile", 0, L));
    EXPECT_TRUE(ExtensionListContains(";;*.TXT;", ".txt"));
    EXPECT_FALSE(ExtensionListContains("", ""));
}

TEST(EditMode, EmptyListMakesTheModeUnavailable) {
    TModeExtensionLists L = DefaultLists();
    L[5] = "";
    EXPECT_EQ(0, ModeFromFileName("a.c", 0, L));
    EXPECT_EQ(0, EffectiveEditMode(5, L));
    EXPECT_EQ(6, EffectiveEditMode(6, L));
    // An untitled document keeps an available mode and loses an unavailable one.
    EXPECT_EQ(6, ModeFromFileName("", 6, L));
    EXPECT_EQ(0, ModeFromFileName("", 5, L));
    EXPECT_EQ(0, ModeFromFileName("", 9, L));
}
