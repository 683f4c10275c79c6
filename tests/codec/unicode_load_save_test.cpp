// Unicode files through the window's file state: detection on load, lines cut across
// block edges after conversion, the code kept on saving, what the user is told and asked
// when characters cannot be kept, and the status panel's names.
#include "app/document_files.h"
#include "codec/text_save.h"
#include "codec/unicode_text.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"
#include "support/enum_print.h"
#include "support/fake_text_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string File = "C:\\doc\\a.txt";
const std::string Smile = "\xF0\x9F\x98\x80"; // U+1F600, beyond the code page

class UnicodeFileTest : public ::testing::Test {
protected:
    UnicodeFileTest() { Doc.SetLoadAutoCvt(true); }
    TKanjiCode Load(const std::string& Bytes, const std::string& Name = File) {
        Files.SetFile(Name, Bytes);
        Result = Doc.LoadFile(Editor, Name);
        return Doc.CurrentKanjiCode();
    }
    // Saves with SaveCvt; empty when the save was abandoned.
    std::string Save(int SaveCvt, const std::string& Name = File) {
        Doc.SetSaveCvt(SaveCvt);
        if (!Doc.SaveFile(Editor, Name)) return "(abandoned)";
        return Files.Bytes(Name);
    }

    TMemoryFileSystem Files;
    TRecordingMessageBox Messages;
    TFakeTextEditor Editor;
    TTextFiles Doc{Files, Messages};
    TTextLoadResult Result;
    std::string Panel;
};

// "あいう" and "漢字" in UTF-8 and Shift_JIS.
const std::string U8Text = "abc \xE3\x81\x82\xE3\x81\x84\xE3\x81\x86\r\n\xE6\xBC\xA2\xE5\xAD\x97";
const std::vector<std::string> SjisRows = {"abc \x82\xA0\x82\xA2\x82\xA4", "\x8A\xBF\x8E\x9A"};

TEST_F(UnicodeFileTest, EachFormLoadsAsShiftJisAndSavesBackByteForByte) {
    struct {
        TKanjiCode Code;
        const char* Panel;
    } const Cases[] = {{TKanjiCode::kcUtf8, "UTF-8"},
                       {TKanjiCode::kcUtf8Bom, "UTF-8 BOM"},
                       {TKanjiCode::kcUtf16Le, "UTF-16LE"},
                       {TKanjiCode::kcUtf16Be, "UTF-16BE"}};
    Doc.OnShowKanjiCode = [this](const std::string& Text) { Panel = Text; };
    for (const auto& C : Cases) {
        const std::string Bytes =
            C.Code == TKanjiCode::kcUtf8 ? U8Text
                                         : SjisToUnicode(UnicodeToSjis(U8Text, TKanjiCode::kcUtf8), C.Code);
        ASSERT_EQ(C.Code, Load(Bytes)) << C.Panel;
        EXPECT_EQ(SjisRows, Editor.RowTexts()) << C.Panel;
        EXPECT_EQ(C.Panel, Panel);
        EXPECT_TRUE(Messages.Messages.empty());
        EXPECT_EQ(Bytes, Save(0)) << C.Panel;
        EXPECT_EQ(C.Code, Doc.CurrentKanjiCode());
        EXPECT_TRUE(Messages.Messages.empty());
    }
}

TEST_F(UnicodeFileTest, LinesAndCharactersCutByBlockEdgesComeThroughWhole) {
    // Long lines of three-byte characters, surrogate pairs and CR LF pairs on every
    // possible offset from the 8192-byte block edges.
    std::string Line;
    for (int K = 0; K < 1500; ++K)
        Line += "\xE6\xBC\xA2" "a";
    std::string Text;
    for (int K = 0; K < 7; ++K)
        Text += std::string(K, 'x') + Line + (K % 2 ? "\r\n" : "\n");
    for (TKanjiCode Code : {TKanjiCode::kcUtf8, TKanjiCode::kcUtf16Le, TKanjiCode::kcUtf16Be}) {
        const std::string Sjis = UnicodeToSjis(Text, TKanjiCode::kcUtf8);
        const std::string Bytes = Code == TKanjiCode::kcUtf8 ? Text : SjisToUnicode(Sjis, Code);
        ASSERT_EQ(Code, Load(Bytes));
        ASSERT_EQ(7u, Editor.RowTexts().size());
        std::string Joined;
        for (const std::string& Row : Editor.RowTexts())
            Joined += Row + "\r\n";
        std::string Expected;
        for (char C : Sjis)
            if (C != '\r') Expected += C == '\n' ? std::string("\r\n") : std::string(1, C);
        EXPECT_EQ(Expected, Joined) << EnumText(Code);
        EXPECT_EQ(0, Result.Unmappable);
    }
}

TEST_F(UnicodeFileTest, ZeroCharactersOfUtf16AreSpacesAndItsZeroBytesAreNot) {
    const std::string Bytes = SjisToUnicode(std::string("a\0b\r\nc", 6), TKanjiCode::kcUtf16Le);
    EXPECT_EQ(TKanjiCode::kcUtf16Le, Load(Bytes));
    EXPECT_EQ((std::vector<std::string>{"a b", "c"}), Editor.RowTexts());
    EXPECT_EQ(1, Result.ZeroBytes);
}

TEST_F(UnicodeFileTest, LostCharactersAreToldOnLoadAndAskedAboutBeforeSavingOverTheFile) {
    const std::string Bytes = "a" + Smile + "b" + Smile + "\r\n";
    EXPECT_EQ(TKanjiCode::kcUtf8, Load(Bytes));
    EXPECT_EQ((std::vector<std::string>{"a\x81\xAC" "b\x81\xAC"}), Editor.RowTexts());
    EXPECT_EQ(2, Result.Unmappable);
    EXPECT_EQ(2, Doc.LostCharacters());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_NE(std::string::npos, Messages.Messages[0].Text.find(" 2 "));
    EXPECT_EQ(TMessageButtons::mbOk, Messages.Messages[0].Buttons);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);

    // Cancelled: the file is untouched and the document keeps its code.
    Messages.Answer = TMessageResult::mrCancel;
    EXPECT_EQ("(abandoned)", Save(0));
    ASSERT_EQ(2u, Messages.Messages.size());
    EXPECT_EQ(TMessageButtons::mbOkCancel, Messages.Messages[1].Buttons);
    EXPECT_EQ("Zefnote", Messages.Messages[1].Caption);
    EXPECT_EQ(Bytes, Files.Bytes(File));

    // Another file is saved without a question; the original stays as it was.
    EXPECT_EQ("a\xE3\x80\x93" "b\xE3\x80\x93\r\n", Save(0, "C:\\doc\\copy.txt"));
    EXPECT_EQ(2u, Messages.Messages.size());

    // Saving over the file (case aside) after OK writes the geta marks; no more questions.
    Messages.Answer = TMessageResult::mrOk;
    EXPECT_EQ("a\xE3\x80\x93" "b\xE3\x80\x93\r\n", Save(0, "C:\\DOC\\A.TXT"));
    EXPECT_EQ(3u, Messages.Messages.size());
    EXPECT_EQ(0, Doc.LostCharacters());
    Save(0);
    EXPECT_EQ(3u, Messages.Messages.size());
}

TEST_F(UnicodeFileTest, BytesThatAreNoCharacterAreAskedAboutBeforeAUnicodeSave) {
    Doc.SetLoadAutoCvt(false);
    Load("ok\r\n\x82");
    EXPECT_EQ(TKanjiCode::kcAscii, Doc.CurrentKanjiCode());
    Messages.Answer = TMessageResult::mrCancel;
    EXPECT_EQ("(abandoned)", Save(4, "C:\\doc\\u.txt"));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ(TMessageButtons::mbOkCancel, Messages.Messages[0].Buttons);
    Messages.Answer = TMessageResult::mrOk;
    EXPECT_EQ("ok\r\n\xEF\xBF\xBD", Save(4, "C:\\doc\\u.txt"));
    // Shift_JIS saves have nothing to ask.
    EXPECT_EQ("ok\r\n\x82", Save(1, "C:\\doc\\s.txt"));
    EXPECT_EQ(2u, Messages.Messages.size());
}

TEST_F(UnicodeFileTest, SaveCodesForUnicode) {
    EXPECT_EQ(TKanjiCode::kcSjis, Load("\x82\xA0\r\n"));
    EXPECT_EQ("\xE3\x81\x82\r\n", Save(4));
    EXPECT_EQ(TKanjiCode::kcUtf8, Doc.CurrentKanjiCode());
    EXPECT_EQ("\xEF\xBB\xBF\xE3\x81\x82\r\n", Save(5));
    EXPECT_EQ(TKanjiCode::kcUtf8Bom, Doc.CurrentKanjiCode());
    EXPECT_EQ("\xEF\xBB\xBF\xE3\x81\x82\r\n", Save(0));
    EXPECT_EQ("\x82\xA0\r\n", Save(1));
    EXPECT_EQ(TKanjiCode::kcSjis, Doc.CurrentKanjiCode());
    // The save-in-code submenu's two new entries, the setting put back afterwards.
    int Seen = -1;
    Doc.SetSaveCvt(1);
    Doc.SaveInCode(3, [&] { Seen = Doc.SaveCvt(); });
    EXPECT_EQ(4, Seen);
    Doc.SaveInCode(4, [&] { Seen = Doc.SaveCvt(); });
    EXPECT_EQ(5, Seen);
    EXPECT_EQ(1, Doc.SaveCvt());
    // Automatic detection off: UTF-8 is taken as bytes, as any file is.
    Doc.SetLoadAutoCvt(false);
    EXPECT_EQ(TKanjiCode::kcAscii, Load("\xEF\xBB\xBF\xE3\x81\x82"));
    EXPECT_EQ((std::vector<std::string>{"\xEF\xBB\xBF\xE3\x81\x82"}), Editor.RowTexts());
}

} // namespace
