#include "app/main_form.h"
#include "base/errors.h"
#include "editor/editor.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"
#include "support/enum_print.h"
#include "support/headless_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MainFormTest : ::testing::Test {
    THeadlessEditor Editor;
    TMemoryFileSystem Files;
    TRecordingMessageBox Messages;
    TMainForm Form{Editor.E(), TMainForm::TServices{Files, Messages}};
    std::vector<std::string> Captions;

    MainFormTest() {
        Form.OnCaptionChange = [this](const std::string& C) { Captions.push_back(C); };
    }
};

} // namespace

TEST(MainFormTitle, DisplayNameAndModifiedMark) {
    EXPECT_EQ("無題 - Zefnote", MainFormTitle("", false));
    EXPECT_EQ("無題 * - Zefnote", MainFormTitle("", true));
    EXPECT_EQ("a.txt - Zefnote", MainFormTitle("C:\\doc\\a.txt", false));
    EXPECT_EQ("a.txt * - Zefnote", MainFormTitle("C:\\doc\\a.txt", true));
    EXPECT_EQ("C:\\doc\\a.txt - Zefnote", MainFormTitle("C:\\doc\\a.txt", false, true));
    // The trail byte of 表 is 0x5C: no folder separator.
    EXPECT_EQ("表.txt - Zefnote", MainFormTitle("C:\\予定表\\表.txt", false));
    EXPECT_EQ("b - Zefnote", MainFormTitle("d:b", false));
}

TEST(SplitCommandLine, QuotesGroupAndAreRemoved) {
    EXPECT_EQ(std::vector<std::string>{}, SplitCommandLine(""));
    EXPECT_EQ(std::vector<std::string>{}, SplitCommandLine("  \t "));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "/html"}), SplitCommandLine(" a.txt\t/html "));
    EXPECT_EQ((std::vector<std::string>{"C:\\My Documents\\a b.txt", "x"}),
              SplitCommandLine("\"C:\\My Documents\\a b.txt\" x"));
    EXPECT_EQ((std::vector<std::string>{"C:\\My Documents\\a.txt"}),
              SplitCommandLine("C:\\\"My Documents\"\\a.txt"));
    EXPECT_EQ((std::vector<std::string>{"open end"}), SplitCommandLine("\"open end"));
    EXPECT_EQ((std::vector<std::string>{"", "b"}), SplitCommandLine("\"\" b"));
}

TEST_F(MainFormTest, StartsUntitledWithWrapAndMarks) {
    Form.FormCreate({});
    EXPECT_EQ("無題 - Zefnote", Form.Caption());
    EXPECT_EQ((std::vector<std::string>{"無題 - Zefnote"}), Captions);
    EXPECT_EQ("", Form.CurrentFileName());
    EXPECT_TRUE(Editor->WordWrap());
    EXPECT_EQ(80, Editor->WrapOption().WrapByte());
    EXPECT_TRUE(Editor->Marks().EofMark().Visible());
    EXPECT_TRUE(Editor->Marks().RetMark().Visible());
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(MainFormTest, TheFirstExistingFileOfTheCommandLineIsOpened) {
    Files.SetFile("C:\\doc\\second.txt", "two\r\n");
    // "\x1B$B" ... "\x1B(B": 日本 in JIS, so detection and conversion ran.
    Files.SetFile("C:\\My Documents\\first.txt", "\x1B$BF|K\\\x1B(B\r\nabc");
    Form.FormCreate(SplitCommandLine("\"C:\\none.txt\" \"C:\\My Documents\\first.txt\" "
                                     "C:\\doc\\second.txt"));
    EXPECT_EQ("C:\\My Documents\\first.txt", Form.CurrentFileName());
    EXPECT_EQ("first.txt - Zefnote", Form.Caption());
    EXPECT_EQ("日本", Editor->Lines().Get(0));
    EXPECT_EQ("abc", Editor->Lines().Get(1));
    EXPECT_EQ(TKanjiCode::kcJis, Form.TextFiles().CurrentKanjiCode());
    EXPECT_FALSE(Editor->Modified());
    EXPECT_EQ(0, Editor->Row());
    EXPECT_TRUE(Messages.Messages.empty()) << "a missing name is passed over";
}

TEST_F(MainFormTest, TypingMarksTheTitleAndOpeningClearsIt) {
    Files.SetFile("a.txt", "abc");
    Form.FormCreate({"a.txt"});
    Editor.Type("x");
    EXPECT_TRUE(Editor->Modified());
    EXPECT_EQ("a.txt * - Zefnote", Form.Caption());
    std::size_t Shown = Captions.size();
    Editor.Type("y");
    EXPECT_EQ(Shown, Captions.size()) << "the same caption is not set again";
    Form.SetFullPathFileName(true);
    EXPECT_EQ("a.txt * - Zefnote", Form.Caption()) << "the name has no folder";
    ASSERT_TRUE(Form.OpenFile("a.txt"));
    EXPECT_EQ("a.txt - Zefnote", Form.Caption());
    EXPECT_EQ("abc", Editor->Lines().Get(0));
}

TEST_F(MainFormTest, ZeroBytesAreReportedThroughTheLoader) {
    Files.SetFile("C:\\z.txt", std::string("a\0b\0\r\nc", 7));
    Form.FormCreate({"C:\\z.txt"});
    ASSERT_EQ(1u, Messages.Messages.size());
    const auto& M = Messages.Messages[0];
    EXPECT_EQ("ファイル C:\\z.txt にあった NUL 文字 2 個は空白にして読み込みました。", M.Text);
    EXPECT_EQ("Zefnote", M.Caption);
    EXPECT_EQ(TMessageIcon::miInformation, M.Icon);
    EXPECT_EQ("a b ", Editor->Lines().Get(0));
    EXPECT_EQ("z.txt - Zefnote", Form.Caption());
}

TEST_F(MainFormTest, AFileThatCannotBeOpenedLeavesTheDocument) {
    Files.SetFile("a.txt", "kept\r\n");
    Files.SetFile("locked.txt", "secret");
    Files.UnreadableFiles.insert("locked.txt");
    Form.FormCreate({"a.txt"});
    EXPECT_FALSE(Form.OpenFile("locked.txt"));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ(EFOpenError("locked.txt").what(), Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
    EXPECT_EQ("a.txt", Form.CurrentFileName());
    EXPECT_EQ("a.txt - Zefnote", Form.Caption());
    EXPECT_EQ("kept", Editor->Lines().Get(0));
    EXPECT_FALSE(Editor->Modified());
}

TEST_F(MainFormTest, AReadThatFailsMidwayLeavesAnUntitledModifiedText) {
    std::string Long;
    for (int I = 0; I < 4000; ++I)
        Long += "line " + std::to_string(I) + "\r\n";
    Files.SetFile("a.txt", "kept\r\n");
    Files.SetFile("big.txt", Long);
    Form.FormCreate({"a.txt"});
    // Pass 1 reads every block; the fill pass then fails after its first block.
    Files.FailReadAfter = static_cast<int>(Long.size() / TextFileBlockSize) + 3;
    EXPECT_FALSE(Form.OpenFile("big.txt"));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ(EReadError("big.txt").what(), Messages.Messages[0].Text);
    EXPECT_TRUE(Editor->Modified());
    EXPECT_EQ("", Form.CurrentFileName()) << "a save must not take the part for the file";
    EXPECT_EQ("無題 * - Zefnote", Form.Caption());
}
