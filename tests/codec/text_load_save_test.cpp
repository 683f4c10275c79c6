// Loading and saving text files, through the window's file state (TTextFiles) as the
// window uses them: line cutting across blocks, conversion across blocks,
// the save codes, and failures that must leave the user's text and files intact.
#include "app/document_files.h"
#include "codec/kanji_convert.h"
#include "codec/line_cutter.h"
#include "codec/text_save.h"
#include "platform/file_system.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"
#include "support/enum_print.h"
#include "support/fake_text_editor.h"
#include "support/line_cut_reference.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <stdlib.h>
#include <unistd.h>
#endif

namespace {

const std::size_t B = TextFileBlockSize;

using TCut = TReferenceCut;

class TextFileTest : public ::testing::Test {
protected:
    TCut LoadPlain(const std::string& Bytes) {
        Files.SetFile("C:\\doc\\a.txt", Bytes);
        LoadFromFile(Editor, Files, "C:\\doc\\a.txt", &Result);
        return Current();
    }
    TKanjiCode LoadDetect(const std::string& Bytes) {
        Files.SetFile("C:\\doc\\a.txt", Bytes);
        return LoadFromFileDetect(Editor, Files, nullptr, "C:\\doc\\a.txt", &Result);
    }
    TCut Current() {
        TCut Cut{Editor.RowTexts(), Editor.LastAttribute() == TEditorRowAttribute::raEof};
        return Cut;
    }
    void ExpectRows(const TCut& Expected) {
        TCut Got = Current();
        ASSERT_EQ(Expected.Rows.size(), Got.Rows.size());
        for (std::size_t I = 0; I < Got.Rows.size(); ++I)
            ASSERT_EQ(Expected.Rows[I], Got.Rows[I]) << "row " << I;
        EXPECT_EQ(Expected.LastEof, Got.LastEof);
        for (int R = 0; R + 1 < Editor.Rows().Count(); ++R)
            ASSERT_EQ(TEditorRowAttribute::raCrlf, Editor.Rows().GetRowAttribute(R)) << "row " << R;
    }
    std::string Saved(int SaveCvt) {
        Doc.SetSaveCvt(SaveCvt);
        EXPECT_TRUE(Doc.SaveFile(Editor, "C:\\doc\\out.txt"));
        return Files.Bytes("C:\\doc\\out.txt");
    }

    TMemoryFileSystem Files;
    TRecordingMessageBox Messages;
    TFakeTextEditor Editor;
    TTextFiles Doc{Files, Messages};
    TTextLoadResult Result;
};

TEST_F(TextFileTest, LineEndsOfEveryKindAndTheLastLine) {
    EXPECT_EQ((std::vector<std::string>{"abc", "def"}), LoadPlain("abc\r\ndef").Rows);
    EXPECT_EQ(TEditorRowAttribute::raEof, Editor.LastAttribute());
    EXPECT_EQ("abc\r\ndef", Saved(1));

    EXPECT_EQ((std::vector<std::string>{"abc"}), LoadPlain("abc\r\n").Rows);
    EXPECT_EQ(TEditorRowAttribute::raCrlf, Editor.LastAttribute());
    EXPECT_EQ("abc\r\n", Saved(1));

    LoadPlain("a\nb\n");
    EXPECT_EQ("a\r\nb\r\n", Saved(1));
    LoadPlain("a\rb\r");
    EXPECT_EQ("a\r\nb\r\n", Saved(1));

    // A leading LF is an empty line; LF CR is two line ends.
    EXPECT_EQ((std::vector<std::string>{"", "x"}), LoadPlain("\nx").Rows);
    EXPECT_EQ((std::vector<std::string>{"a", "", "b"}), LoadPlain("a\n\rb").Rows);
    EXPECT_EQ(3, Result.Lines);
}

TEST_F(TextFileTest, LineEndsCutByTheBlockBoundary) {
    // CR as byte 8192 and LF as byte 8193: one line end.
    std::string A(B - 1, 'a');
    LoadPlain(A + "\r\nc");
    EXPECT_EQ((std::vector<std::string>{A, "c"}), Current().Rows);
    // LF as byte 8193 after another byte 8192 ends the line.
    LoadPlain(A + "b\nc");
    EXPECT_EQ((std::vector<std::string>{A + "b", "c"}), Current().Rows);
    // CR CR across the boundary: an empty line between.
    LoadPlain(A + "\r\rc");
    EXPECT_EQ((std::vector<std::string>{A, "", "c"}), Current().Rows);
    // A CR at the end of the file.
    LoadPlain(std::string(B - 1, 'x') + "\r");
    EXPECT_EQ(1u, Current().Rows.size());
    EXPECT_EQ(TEditorRowAttribute::raCrlf, Editor.LastAttribute());
}

TEST_F(TextFileTest, LongLinesAndTheEndMark) {
    std::string Long;
    for (std::size_t I = 0; I < 3 * B + 100; ++I)
        Long += static_cast<char>('a' + I % 26);
    LoadPlain("x\r\n" + Long + "\r\ny");
    EXPECT_EQ((std::vector<std::string>{"x", Long, "y"}), Current().Rows);

    // Nothing after 0x1A is loaded or saved back.
    LoadPlain("abc\r\nde\x1A"
              "fgh\r\nijk");
    EXPECT_EQ((std::vector<std::string>{"abc", "de"}), Current().Rows);
    EXPECT_TRUE(Result.EndMark);
    EXPECT_EQ("abc\r\nde", Saved(1));
    LoadPlain("abc\r\n\x1A"
              "def");
    EXPECT_EQ((std::vector<std::string>{"abc"}), Current().Rows);
    EXPECT_EQ(TEditorRowAttribute::raCrlf, Editor.LastAttribute());
    // 0x1A in a later block stops the load there.
    LoadPlain(Long + "\x1A" + Long);
    EXPECT_EQ((std::vector<std::string>{Long}), Current().Rows);
}

// Random files of line ends, 0x1A, zero bytes and text, loaded whole and with the file
// system returning short reads, against the rules applied to the whole file.
TEST_F(TextFileTest, RandomFilesCutAsAWhole) {
    std::mt19937 Rng(7);
    const char Pieces[] = {'\r', '\n', 'a', 'b', '\x82', '\xA0', '\0', '\x1A'};
    for (int Round = 0; Round < 60; ++Round) {
        std::size_t Length = std::uniform_int_distribution<std::size_t>(0, 3 * B + 9)(Rng);
        int Rare = Round % 3 == 0 ? 8 : 6; // 0x1A only in some files, so most run to the end
        std::string S;
        for (std::size_t I = 0; I < Length; ++I) {
            int K = std::uniform_int_distribution<int>(0, 40)(Rng);
            S += K < Rare ? Pieces[K] : static_cast<char>('c' + K % 20);
        }
        Files.ReadChunk = Round % 2 ? 1000 : 0;
        LoadPlain(S);
        SCOPED_TRACE(Round);
        ExpectRows(ReferenceCut(S));
    }
}

TEST_F(TextFileTest, DetectsAndConvertsAcrossBlockBoundaries) {
    std::string Sjis;
    for (int I = 0; I < 300; ++I)
        Sjis += "日本語のテキストｶﾞと abc 漢字\r\n";
    std::string Jis = SjisToJis(Sjis), Euc = SjisToEuc(Sjis);
    // Every shift of the text against the block boundary: escape sequences, pairs and
    // the kanji mode all get cut at 8192 somewhere.
    for (std::size_t Shift = 0; Shift < 12; ++Shift) {
        SCOPED_TRACE(Shift);
        std::string Pad(Shift, 'p');
        EXPECT_EQ(TKanjiCode::kcJis, LoadDetect(Pad + Jis));
        ExpectRows(ReferenceCut(JisToSjis(Pad + Jis)));
        EXPECT_EQ(TKanjiCode::kcEuc, LoadDetect(Pad + Euc));
        ExpectRows(ReferenceCut(Pad + Sjis));
    }
    // A JIS file that stays in kanji mode across the boundary, and an EUC pair cut there.
    std::string Kanji = "\x1B$B";
    for (std::size_t I = 0; I < B; ++I)
        Kanji += "\x30\x21";
    EXPECT_EQ(TKanjiCode::kcJis, LoadDetect(Kanji));
    ExpectRows(ReferenceCut(JisToSjis(Kanji)));
    std::string EucRun = "\xB0\xF0" + std::string(B - 3, 'x') + "\xB0\xA1\xF0\xA1";
    EXPECT_EQ(TKanjiCode::kcEuc, LoadDetect(EucRun));
    ExpectRows(ReferenceCut(EucToSjis(EucRun)));
}

TEST_F(TextFileTest, BrokenCharacterThatSwallowsALineEnd) {
    // A stray EUC lead byte takes the LF after it as its trail byte: the converted text
    // has fewer lines than the file, and no empty row is left over.
    std::string Euc = "\xB0\xF0\r\n\xA4\nabc\ndef\n";
    EXPECT_EQ(TKanjiCode::kcEuc, LoadDetect(Euc));
    ExpectRows(ReferenceCut(EucToSjis(Euc)));
}

TEST_F(TextFileTest, OpenFileSetsTheCodeAndThePanel) {
    std::vector<std::string> Panel;
    Doc.OnShowKanjiCode = [&](const std::string& Text) { Panel.push_back(Text); };
    Doc.SetLoadAutoCvt(true);
    Files.SetFile("e.txt", "");
    Editor.SetModified(true);
    Doc.LoadFile(Editor, "e.txt");
    EXPECT_EQ(TKanjiCode::kcSjis, Doc.CurrentKanjiCode());
    EXPECT_EQ(0, Editor.Rows().Count());
    EXPECT_FALSE(Editor.Modified());
    EXPECT_EQ("", Panel.back());

    const std::string Sjis = "かな漢字\r\nabc\r\n";
    Files.SetFile("j.txt", SjisToJis(Sjis));
    Doc.LoadFile(Editor, "j.txt");
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    EXPECT_EQ("JIS", Panel.back());
    EXPECT_EQ((std::vector<std::string>{"かな漢字", "abc"}), Editor.RowTexts());
    EXPECT_EQ(SjisToJis(Sjis), Saved(0));
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    EXPECT_EQ(Sjis, Saved(1));
    EXPECT_EQ(TKanjiCode::kcSjis, Doc.CurrentKanjiCode());
    EXPECT_EQ("", Panel.back());

    Files.SetFile("u.txt", SjisToEuc(Sjis));
    Doc.LoadFile(Editor, "u.txt");
    EXPECT_EQ("EUC", Panel.back());

    // Without automatic conversion the escape sequences are text.
    Doc.SetLoadAutoCvt(false);
    Doc.LoadFile(Editor, "j.txt");
    EXPECT_EQ(TKanjiCode::kcAscii, Doc.CurrentKanjiCode());
    EXPECT_EQ(JisToSjis(Editor.RowTexts()[0]), "かな漢字");
    EXPECT_NE(std::string::npos, Editor.RowTexts()[0].find("\x1B$B"));
}

TEST_F(TextFileTest, SaveCodeTable) {
    const std::string Sjis = "漢字とｶﾅ\r\nabc";
    struct TRow {
        int SaveCvt;
        TKanjiCode Before;
        std::string Bytes;
        TKanjiCode After;
    };
    const TRow Table[] = {
        {0, TKanjiCode::kcJis, SjisToJis(Sjis), TKanjiCode::kcJis},
        {0, TKanjiCode::kcJisOld, SjisToJis(Sjis), TKanjiCode::kcJisOld},
        {0, TKanjiCode::kcEuc, SjisToEuc(Sjis), TKanjiCode::kcEuc},
        {0, TKanjiCode::kcSjis, Sjis, TKanjiCode::kcSjis},
        {0, TKanjiCode::kcAscii, Sjis, TKanjiCode::kcAscii},
        {0, TKanjiCode::kcEucOrSjis, Sjis, TKanjiCode::kcEucOrSjis},
        {0, TKanjiCode::kcBinary, Sjis, TKanjiCode::kcBinary},
        {1, TKanjiCode::kcJis, Sjis, TKanjiCode::kcSjis},
        {1, TKanjiCode::kcEuc, Sjis, TKanjiCode::kcSjis},
        {2, TKanjiCode::kcSjis, SjisToJis(Sjis), TKanjiCode::kcJis},
        {2, TKanjiCode::kcAscii, SjisToJis(Sjis), TKanjiCode::kcJis},
        {3, TKanjiCode::kcSjis, SjisToEuc(Sjis), TKanjiCode::kcEuc},
        {3, TKanjiCode::kcJis, SjisToEuc(Sjis), TKanjiCode::kcEuc},
    };
    Files.SetFile("s.txt", Sjis);
    LoadFromFile(Editor, Files, "s.txt");
    for (const TRow& Row : Table) {
        SCOPED_TRACE(::testing::Message() << Row.SaveCvt << "/" << Row.Before);
        Doc.SetCurrentKanjiCode(Row.Before);
        Editor.SetModified(true);
        EXPECT_EQ(Row.Bytes, Saved(Row.SaveCvt));
        EXPECT_EQ(Row.After, Doc.CurrentKanjiCode());
        EXPECT_FALSE(Editor.Modified());
    }
    // Saving converts as ConvertKanjiCode does: text that is already EUC-JP (loaded
    // without conversion) stays as it is when saved as EUC-JP.
    Files.SetFile("u.txt", SjisToEuc(Sjis));
    LoadFromFile(Editor, Files, "u.txt");
    EXPECT_EQ(SjisToEuc(Sjis), Saved(3));
    EXPECT_EQ(ConvertKanjiCode(SjisToEuc(Sjis), TKanjiCode::kcJis), Saved(2));
    EXPECT_TRUE(Messages.Messages.empty());
}

// Shift_JIS text that could also be read as EUC-JP is still converted when it is saved
// as EUC-JP or JIS: the editor's text is Shift_JIS.
TEST_F(TextFileTest, UndecidedTextIsSavedConverted) {
    const std::string Sjis = "\xe4\xa2\xe4\xa2\r\n";
    ASSERT_EQ(TKanjiCode::kcEucOrSjis, DetectKanjiCode(Sjis));
    Files.SetFile("s.txt", Sjis);
    LoadFromFile(Editor, Files, "s.txt");
    Doc.SetCurrentKanjiCode(TKanjiCode::kcSjis);
    EXPECT_EQ(SjisToEuc(Sjis), Saved(3));
    EXPECT_EQ(SjisToJis(Sjis), Saved(2));
    EXPECT_NE(Sjis, SjisToEuc(Sjis));
}

TEST_F(TextFileTest, SaveInCodePutsTheSettingBack) {
    LoadPlain("漢字\r\n");
    Doc.SetSaveCvt(0);
    Doc.SetCurrentKanjiCode(TKanjiCode::kcSjis);
    // Cancelled: nothing saved, the setting as it was.
    Doc.SaveInCode(2, [] {});
    EXPECT_EQ(0, Doc.SaveCvt());
    Doc.SaveInCode(1, [&] { Doc.SaveFile(Editor, "j.txt"); });
    EXPECT_EQ(SjisToJis("漢字\r\n"), Files.Bytes("j.txt"));
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    EXPECT_EQ(0, Doc.SaveCvt());
    Files.FailCreate = true;
    EXPECT_THROW(Doc.SaveInCode(2, [&] { Doc.SaveFile(Editor, "e.txt"); }), EFCreateError);
    EXPECT_EQ(0, Doc.SaveCvt());
}

TEST_F(TextFileTest, EucSaveLimitWithoutNkf) {
    std::string Big(EucSaveLimit - 2, 'a');
    Files.SetFile("big.txt", Big + "\r\n");
    LoadFromFile(Editor, Files, "big.txt");
    EXPECT_TRUE(Doc.CheckEucSaveSize(Big + "\r\n"));
    Doc.SetSaveCvt(3);
    EXPECT_TRUE(Doc.SaveFile(Editor, "out.txt"));

    Files.SetFile("big.txt", Big + "\r\nb");
    LoadFromFile(Editor, Files, "big.txt");
    Files.SetFile("out.txt", "old");
    Editor.SetModified(true);
    Doc.SetCurrentKanjiCode(TKanjiCode::kcJis);
    EXPECT_FALSE(Doc.SaveFile(Editor, "out.txt"));
    EXPECT_EQ("old", Files.Bytes("out.txt"));
    EXPECT_TRUE(Editor.Modified());
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("EUC の保存は上限 100KB です。", Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageIcon::miInformation, Messages.Messages[0].Icon);
    EXPECT_EQ(TMessageButtons::mbOk, Messages.Messages[0].Buttons);
}

TEST_F(TextFileTest, AFileThatCannotBeOpenedLeavesTheTextAlone) {
    LoadPlain("keep me\r\n");
    Editor.SetModified(true);
    Doc.SetCurrentKanjiCode(TKanjiCode::kcEuc);
    Doc.SetLoadAutoCvt(true);
    try {
        Doc.LoadFile(Editor, "C:\\none.txt");
        FAIL() << "no error";
    } catch (const EFOpenError& E) {
        EXPECT_STREQ("ファイル C:\\none.txt は開けません", E.what());
    }
    Files.SetFile("locked.txt", "x");
    Files.UnreadableFiles.insert("locked.txt");
    EXPECT_THROW(Doc.LoadFile(Editor, "locked.txt"), EFOpenError);
    // A read that fails anywhere in the file, the last block included, happens before
    // the text is touched too.
    std::string Lines;
    while (Lines.size() < 3 * B)
        Lines += "line\r\n";
    Files.SetFile("bad.txt", Lines.substr(0, 3 * B));
    Files.ReadChunk = B;
    for (int Fail : {0, 1, 2, 3}) {
        Files.FailReadAfter = Fail;
        EXPECT_THROW(Doc.LoadFile(Editor, "bad.txt"), EReadError) << Fail;
        EXPECT_EQ((std::vector<std::string>{"keep me"}), Editor.RowTexts()) << Fail;
        EXPECT_TRUE(Editor.Modified());
        EXPECT_EQ(TKanjiCode::kcEuc, Doc.CurrentKanjiCode());
    }
}

// Line ends are counted sixteen bytes at a time, with counters summed every 127 windows:
// every length and every CR LF position counts as byte by byte.
TEST(LineEnds, CountedAsTheCutterSeesThem) {
    std::mt19937 Rng(3);
    const char Bytes[] = {'\r', '\n', 'a', '\x82'};
    for (std::size_t Length : {0u, 1u, 15u, 16u, 17u, 33u, 2031u, 2032u, 2033u, 5000u, 70000u}) {
        std::string S(Length, 'x');
        for (char& C : S)
            C = Bytes[Rng() % 4];
        std::size_t Expected = 0;
        for (std::size_t I = 0; I < S.size(); ++I)
            Expected += S[I] == '\n' || (S[I] == '\r' && (I + 1 == S.size() || S[I + 1] != '\n'));
        const unsigned char* P = reinterpret_cast<const unsigned char*>(S.data());
        EXPECT_EQ(Expected, CountLineEnds(P, P + S.size())) << Length;
    }
    std::string AllLf(100000, '\n');
    const unsigned char* P = reinterpret_cast<const unsigned char*>(AllLf.data());
    EXPECT_EQ(100000u, CountLineEnds(P, P + AllLf.size())) << "every counter at its limit";
}

// The loader keeps the text in blocks of several megabytes, filled a megabyte at a time:
// a line longer than a block, CR LF pairs split where a piece or a block ends, and a lone
// CR as the very last byte all load as the whole file cut at once would.
TEST_F(TextFileTest, LinesAcrossTheLoadersLargeBlocks) {
    const std::size_t Mb = 1 << 20;
    std::mt19937 Rng(21);
    std::string Text;
    auto AddLinesTo = [&](std::size_t End) {
        static const char* const Ends[] = {"\r\n", "\n", "\r"};
        while (Text.size() < End) {
            Text.append(Rng() % 120, static_cast<char>('a' + Rng() % 26));
            Text += Ends[Rng() % 3];
        }
        Text.resize(End);
    };
    // CR LF pairs cut by the first piece's end and by the ends of the next pieces.
    for (std::size_t Cut : {B, B + Mb, B + 7 * Mb, B + 8 * Mb}) {
        AddLinesTo(Cut - 1);
        Text += "\r\n";
    }
    // One line longer than a block, then short lines, and a lone CR as the last byte.
    Text.append(9 * Mb, 'L');
    Text += "\r\n";
    AddLinesTo(Text.size() + 3 * Mb);
    Text += "tail\r";
    LoadPlain(Text);
    ExpectRows(ReferenceCut(Text));
    EXPECT_EQ(Editor.Rows().Count(), Result.Lines);
    EXPECT_GT(Editor.Rows().BlockCount(), 2) << "the text is held in several blocks";

    // Saved back unchanged, every line ends in CR LF.
    std::string Expected;
    for (const std::string& Row : ReferenceCut(Text).Rows)
        Expected += Row + "\r\n";
    EXPECT_TRUE(Expected == Saved(1)) << "the saved text differs";
}

// Rows of a loaded file refer to its bytes: an edited row gets bytes of its own, and no
// other row, nor the text saved, sees the change anywhere else.
TEST_F(TextFileTest, EditingLoadedRowsCopiesOnlyTheEditedRow) {
    std::string Text;
    for (int I = 0; I < 200; ++I)
        Text += "line " + std::to_string(I) + "\r\n";
    LoadPlain(Text);
    TEditorScreenStrings& Rows = Editor.Rows();
    Rows.ReplaceRows(5, 1, "changed\r\n");
    Rows.ReplaceRows(6, 2, std::string());            // two whole lines deleted
    Rows.ReplaceRows(0, 0, "first\r\nsecond\r\n");     // lines inserted before the first
    Rows.ReplaceRows(Rows.Count() - 1, 1, "last");     // the last line without a line end
    std::vector<std::string> Expected{"first", "second"};
    for (int I = 0; I < 199; ++I)
        if (I != 6 && I != 7) Expected.push_back(I == 5 ? "changed" : "line " + std::to_string(I));
    Expected.push_back("last");
    EXPECT_EQ(Expected, Editor.RowTexts());
    Rows.Undo();
    Rows.Undo();
    Rows.Undo();
    Rows.Undo();
    EXPECT_EQ(Text, Editor.Lines().Text()) << "undo restores the loaded text";
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFile) {
    LoadPlain("new text\r\nline 2\r\n");
    const std::string Old = "the old file\r\n";
    struct TFailure {
        const char* Name;
        std::function<void(TMemoryFileSystem&)> Inject;
    };
    const TFailure Failures[] = {
        {"disk full", [](TMemoryFileSystem& F) { F.WriteLimit = 5; }},
        {"close", [](TMemoryFileSystem& F) { F.FailClose = true; }},
        {"replace", [](TMemoryFileSystem& F) { F.FailReplace = true; }},
        {"create", [](TMemoryFileSystem& F) { F.FailCreate = true; }},
        {"read-only", [](TMemoryFileSystem& F) { F.ReadOnlyFiles.insert("C:\\doc\\out.txt"); }},
    };
    for (const TFailure& Failure : Failures) {
        for (int SaveCvt = 1; SaveCvt <= 3; ++SaveCvt) {
            SCOPED_TRACE(::testing::Message() << Failure.Name << " " << SaveCvt);
            TMemoryFileSystem Disk;
            Disk.SetFile("C:\\doc\\out.txt", Old, 0x21);
            Failure.Inject(Disk);
            TTextFiles Saver(Disk, Messages);
            Saver.SetSaveCvt(SaveCvt);
            Saver.SetCurrentKanjiCode(TKanjiCode::kcAscii);
            Editor.SetModified(true);
            try {
                Saver.SaveFile(Editor, "C:\\doc\\out.txt");
                ADD_FAILURE() << "no error";
            } catch (const EFCreateError& E) {
                EXPECT_STREQ("ファイル C:\\doc\\out.txt を作成できません", E.what());
            }
            EXPECT_EQ(Old, Disk.Bytes("C:\\doc\\out.txt"));
            EXPECT_EQ(1u, Disk.FileCount()) << "the new file was not removed";
            EXPECT_TRUE(Editor.Modified());
            EXPECT_EQ(TKanjiCode::kcAscii, Saver.CurrentKanjiCode());
        }
    }
    // WriteTextFile fails the same way.
    Files.SetFile("w.txt", Old);
    Files.WriteLimit = 3;
    EXPECT_THROW(Doc.WriteTextFile("longer text", "w.txt"), EFCreateError);
    EXPECT_EQ(Old, Files.Bytes("w.txt"));
}

TEST_F(TextFileTest, ASaveKeepsTheFileAttributes) {
    LoadPlain("text\r\n");
    Files.SetFile("C:\\doc\\out.txt", "old", 0x22);
    Saved(1);
    ASSERT_NE(nullptr, Files.Find("C:\\doc\\out.txt"));
    EXPECT_EQ(0x22u, Files.Find("C:\\doc\\out.txt")->Attributes);
    EXPECT_EQ(2u, Files.FileCount());
}

TEST_F(TextFileTest, ZeroBytesBecomeSpacesAndTheUserIsTold) {
    Doc.SetLoadAutoCvt(true);
    Files.SetFile("z.txt",
                  std::string("a\0b\r\n", 5) + std::string(B, 'c') + std::string("\0\0d\x1A\0", 5));
    TTextLoadResult R = Doc.LoadFile(Editor, "z.txt");
    EXPECT_EQ(3, R.ZeroBytes);
    EXPECT_EQ((std::vector<std::string>{"a b", std::string(B, 'c') + "  d"}), Editor.RowTexts());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_NE(std::string::npos, Messages.Messages[0].Text.find("3"));
    EXPECT_NE(std::string::npos, Messages.Messages[0].Text.find("z.txt"));
    EXPECT_EQ(TMessageIcon::miInformation, Messages.Messages[0].Icon);

    // In a JIS file too, and detection still sees the bytes before the first zero.
    Files.SetFile("zj.txt", std::string("\x1B$B\x30\x21\x1B(J\0x\r\n", 11));
    R = Doc.LoadFile(Editor, "zj.txt");
    EXPECT_EQ(TKanjiCode::kcJis, Doc.CurrentKanjiCode());
    EXPECT_EQ((std::vector<std::string>{"亜 x"}), Editor.RowTexts());
    EXPECT_EQ(1, R.ZeroBytes);
}

TEST_F(TextFileTest, LoadResetsTheViewAndWrapsWhenWrapIsOn) {
    LoadPlain("a\r\n");
    Editor.View().SetTopRow(5);
    Editor.Rows().SetWordWrap(true);
    std::string Long(300, 'w');
    LoadDetect(Long + "\r\nz");
    EXPECT_EQ(0, Editor.View().TopRow());
    EXPECT_GT(Editor.Rows().Count(), 2);
    EXPECT_EQ(TEditorRowAttribute::raWrapped, Editor.Rows().GetRowAttribute(0));
    EXPECT_EQ(Long + "\r\nz", Saved(1));
}

#ifndef _WIN32
// The platform's own files: a save replaces the file and leaves no other file behind.
TEST(PlatformFileSystem, SaveReplacesTheFileInPlace) {
    char Dir[] = "/tmp/zef-save-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(Dir));
    std::string Name = std::string(Dir) + "/doc.txt";
    TFileSystem& Files = PlatformFileSystem();
    TRecordingMessageBox Messages;
    TTextFiles Doc(Files, Messages);
    Doc.WriteTextFile("old\r\n", Name);
    TFakeTextEditor Editor;
    LoadFromFile(Editor, Files, Name);
    EXPECT_EQ((std::vector<std::string>{"old"}), Editor.RowTexts());
    Editor.Lines().Add("漢字");
    Doc.SetSaveCvt(2);
    ASSERT_TRUE(Doc.SaveFile(Editor, Name));
    auto Reader = Files.OpenRead(Name);
    char Buf[64];
    long long N = Reader->Read(Buf, sizeof Buf);
    EXPECT_EQ(SjisToJis("old\r\n漢字\r\n"), std::string(Buf, static_cast<std::size_t>(N)));
    Reader.reset();
    EXPECT_TRUE(Files.Delete(Name));
    EXPECT_EQ(0, rmdir(Dir)) << "a temporary file was left in the folder";
}
#endif

} // namespace
