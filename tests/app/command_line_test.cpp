#include "app/command_line.h"
#include "base/file_name.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TCommandLine Read(const std::vector<std::string>& Params, int EntryMode = 0) {
    const std::set<std::string> Files = {"a.txt", "b.txt", "C:\\データ\\表.txt", "/p"};
    return ReadCommandLine(Params, EntryMode,
                           [&](const std::string& Name) { return Files.count(Name) > 0; });
}

} // namespace

TEST(CommandLine, SplitsAtBlanksOutsideQuotes) {
    using V = std::vector<std::string>;
    EXPECT_EQ(V({"/perl", "C:\\My Documents\\a b.txt", "x"}),
              SplitCommandLine("  /perl \"C:\\My Documents\\a b.txt\"\tx "));
    EXPECT_EQ(V({"ab c"}), SplitCommandLine("a\"b c\""));
    EXPECT_EQ(V({""}), SplitCommandLine("\"\""));
    EXPECT_EQ(V(), SplitCommandLine(""));
    // A name whose double-byte characters end in 0x5C keeps its bytes.
    EXPECT_EQ(V({"表示.txt"}), SplitCommandLine("\"表示.txt\""));
}

TEST(CommandLine, FirstEffectiveSwitchWins) {
    TCommandLine C = Read({"/PERL", "/html", "a.txt"});
    EXPECT_EQ(2, C.EditMode);
    EXPECT_EQ(2, C.Document);
    // A switch that repeats the mode at entry changes nothing and the walk goes on.
    EXPECT_EQ(1, Read({"/perl", "/html"}, 2).EditMode);
    EXPECT_EQ(8, Read({"x", "/Pas", "/vb"}).EditMode);
    EXPECT_EQ(5, Read({}, 5).EditMode);
}

TEST(CommandLine, DocumentIsTheFirstExistingFileAndTheRestGoToNewProcesses) {
    TCommandLine C = Read({"missing.txt", "a.txt", "gone.txt", "b.txt", "C:\\データ\\表.txt"});
    EXPECT_EQ(1, C.Document);
    EXPECT_EQ(std::vector<std::string>({"b.txt", "C:\\データ\\表.txt"}), C.FurtherFiles);
    EXPECT_FALSE(C.PrintOnStart);
    EXPECT_EQ(-1, Read({"/perl", "nothing"}).Document);
}

TEST(CommandLine, PrintSwitchAnywhere) {
    EXPECT_TRUE(Read({"a.txt", "/P"}).PrintOnStart);
    EXPECT_TRUE(Read({"/p", "a.txt"}).PrintOnStart);
    EXPECT_FALSE(Read({"/pas", "a.txt"}).PrintOnStart);
}

TEST(CommandLine, ModeSwitchesForNewProcesses) {
    EXPECT_EQ("", ModeSwitch(0));
    EXPECT_EQ("/html", ModeSwitch(1));
    EXPECT_EQ("/pas", ModeSwitch(8));
    EXPECT_EQ("", ModeSwitch(9));
    EXPECT_EQ("\"C:\\a b\\c.txt\"", QuoteParameter("C:\\a b\\c.txt"));
    // The trail byte 0x41 of ア is no capital A.
    EXPECT_EQ("アabc", AnsiLowerCaseAscii("アABC"));
}
