// NKF32.DLL through the library loader: binding, the stubs of missing entry points, and
// the loader and saver converting through the library piece by piece.
#include "app/document_files.h"
#include "codec/kanji_convert.h"
#include "codec/nkf.h"
#include "codec/text_save.h"
#include "platform/headless/fake_library_loader.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"
#include "platform/nkf_dll/nkf_stand_in.h"
#include "support/fake_text_editor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The in-process library: the stand-in's conversions, with every call recorded.
std::string Option;
std::vector<std::string> Options, Inputs;

void ZEF_STDCALL FakeGetNkfVersion(char* Version) {
    std::strcpy(Version, "fake");
}
int ZEF_STDCALL FakeSetNkfOption(const char* Options_) {
    Option = Options_;
    Options.push_back(Option);
    return 0;
}
void ZEF_STDCALL FakeNkfConvert(char* Output, const char* Input) {
    Inputs.push_back(Input);
    std::string Result = NkfStandInConvert(Option, Input);
    ASSERT_LE(Result.size(), 6 * std::strlen(Input));
    std::memcpy(Output, Result.c_str(), Result.size() + 1);
}

class NkfTest : public ::testing::Test {
protected:
    void SetUp() override {
        Options.clear();
        Inputs.clear();
    }
    void AddLibrary(bool WithConvert, bool WithOption = true) {
        std::map<std::string, void*> Exports{
            {"GetNkfVersion", reinterpret_cast<void*>(&FakeGetNkfVersion)}};
        if (WithOption) Exports["SetNkfOption"] = reinterpret_cast<void*>(&FakeSetNkfOption);
        if (WithConvert) Exports["NkfConvert"] = reinterpret_cast<void*>(&FakeNkfConvert);
        Loader.AddLibrary("NKF32.DLL", Exports);
    }
    std::vector<std::string> Load(const std::string& Bytes, TNkf* Library) {
        Files.SetFile("f.txt", Bytes);
        LoadFromFileDetect(Editor, Files, Library, "f.txt");
        return Editor.RowTexts();
    }

    TFakeLibraryLoader Loader;
    TRecordingMessageBox Messages;
    TMemoryFileSystem Files;
    TFakeTextEditor Editor;
};

TEST_F(NkfTest, AbsentLibrary) {
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    EXPECT_FALSE(Nkf.NkfLoaded());
    EXPECT_EQ("", Nkf.StatusText());
    // A handle below 32 is an error code of the old loader, not a library.
    AddLibrary(true);
    Loader.FailureHandle = 5;
    TNkf Other(Loader, Messages);
    Other.LoadNkf("OTHER.DLL");
    EXPECT_FALSE(Other.NkfLoaded());
    EXPECT_EQ(0, Loader.Frees);
}

TEST_F(NkfTest, ConvertsThroughTheLibraryAndFreesIt) {
    AddLibrary(true);
    {
        TNkf Nkf(Loader, Messages);
        Nkf.LoadNkf();
        ASSERT_TRUE(Nkf.NkfLoaded());
        EXPECT_TRUE(Nkf.Complete());
        EXPECT_EQ("(NKF32.DLL ON)", Nkf.StatusText());
        const std::string Sjis = "漢字かな\r\nabc";
        EXPECT_EQ(SjisToJis(Sjis), Nkf.NkfConvertString(Sjis, "j"));
        EXPECT_EQ(SjisToEuc(Sjis), Nkf.NkfConvertString(Sjis, "e"));
        EXPECT_EQ(Sjis, Nkf.NkfConvertString(SjisToJis(Sjis), "s"));
        EXPECT_EQ((std::vector<std::string>{"j", "e", "s"}), Options);
        // An empty text sets the option and converts nothing.
        EXPECT_EQ("", Nkf.NkfConvertString("", "j"));
        EXPECT_EQ(4u, Options.size());
        EXPECT_EQ(3u, Inputs.size());
        // A zero byte stays where it was; the pieces around it are converted.
        EXPECT_EQ(SjisToEuc("亜") + std::string(1, '\0') + SjisToEuc("唖"),
                  Nkf.NkfConvertString("亜" + std::string(1, '\0') + "唖", "e"));
        EXPECT_TRUE(Messages.Messages.empty());
        EXPECT_EQ(0, Loader.Frees);
    }
    EXPECT_EQ(1, Loader.Frees);
    EXPECT_EQ(0, Loader.Open());
}

TEST_F(NkfTest, MissingEntryPointsSayPanicOnce) {
    AddLibrary(false, false);
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    EXPECT_TRUE(Nkf.NkfLoaded());
    EXPECT_FALSE(Nkf.CanConvert());
    for (int I = 0; I < 3; ++I)
        EXPECT_EQ("", Nkf.NkfConvertString("text", "j"));
    ASSERT_EQ(2u, Messages.Messages.size());
    for (const auto& M : Messages.Messages) {
        EXPECT_EQ("PANIC!!", M.Caption);
        EXPECT_EQ(TMessageIcon::miError, M.Icon);
    }
    EXPECT_NE(std::string::npos, Messages.Messages[0].Text.find("SetNkfOption"));
    EXPECT_NE(std::string::npos, Messages.Messages[1].Text.find("NkfConvert"));
    char Version[64] = "";
    Nkf.GetNkfVersion(Version);
    EXPECT_STREQ("fake", Version);
}

TEST_F(NkfTest, LoaderFeedsTheLibraryWholeCharacters) {
    AddLibrary(true);
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    std::string Sjis;
    for (int I = 0; I < 400; ++I)
        Sjis += "日本語のテキストと abc 漢字\r\n";
    std::string Kanji = "\x1B$B";
    for (int I = 0; I < 9000; ++I)
        Kanji += "\x30\x21";
    for (const std::string& Text :
         {SjisToJis(Sjis), "p" + SjisToJis(Sjis), "\xB0\xF0pp" + SjisToEuc(Sjis), Kanji}) {
        std::vector<std::string> BuiltIn = Load(Text, nullptr);
        Inputs.clear();
        EXPECT_EQ(BuiltIn, Load(Text, &Nkf));
        EXPECT_GE(Inputs.size(), 2u);
        for (const std::string& In : Inputs) {
            // Each piece starts in ASCII or with the shift of its own; none ends inside
            // an escape sequence.
            if (In.size() >= 2) {
                EXPECT_NE('\x1B', In[In.size() - 2]);
            }
            EXPECT_NE('\x1B', In.back());
        }
    }
    EXPECT_EQ(std::vector<std::string>(Options.size(), "s"), Options);
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(NkfTest, LibraryWithoutConvertGivesWayToTheBuiltInConverters) {
    AddLibrary(false);
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    std::string Sjis;
    for (int I = 0; I < 600; ++I)
        Sjis += "漢字の行\r\n";
    EXPECT_EQ(Load(SjisToJis(Sjis), nullptr), Load(SjisToJis(Sjis), &Nkf));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("PANIC!!", Messages.Messages[0].Caption);

    // Saving too: the text is written by the built-in converter, and the EUC-JP limit
    // applies again.
    TTextFiles Doc(Files, Messages, &Nkf);
    Doc.SetSaveCvt(2);
    ASSERT_TRUE(Doc.SaveFile(Editor, "out.txt"));
    EXPECT_EQ(SjisToJis(Sjis), Files.Bytes("out.txt"));
    EXPECT_EQ(1u, Messages.Messages.size());
}

TEST_F(NkfTest, SaverConvertsThroughTheLibraryWithoutTheEucLimit) {
    AddLibrary(true);
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    std::string Sjis;
    while (Sjis.size() < 25 * EucSaveLimit) // more than a save piece
        Sjis += "長い文章の一行、ｶﾀｶﾅも。\r\n";
    Files.SetFile("big.txt", Sjis);
    LoadFromFile(Editor, Files, "big.txt");
    TTextFiles Doc(Files, Messages, &Nkf);
    Doc.SetSaveCvt(3);
    ASSERT_TRUE(Doc.SaveFile(Editor, "out.txt"));
    EXPECT_EQ(SjisToEuc(Sjis), Files.Bytes("out.txt"));
    EXPECT_EQ(TKanjiCode::kcEuc, Doc.CurrentKanjiCode());
    Doc.SetSaveCvt(2);
    ASSERT_TRUE(Doc.SaveFile(Editor, "out.txt"));
    EXPECT_EQ(SjisToJis(Sjis), Files.Bytes("out.txt"));
    EXPECT_TRUE(Messages.Messages.empty());
    EXPECT_GT(Options.size(), 2u) << "the text went to the library in pieces";
}

} // namespace

// Pieces of JIS text handed to the library each carry the shift state they start in
// (kanji, half-width katakana by ESC ( I or by SO), so a block edge anywhere gives the
// same text as no edge at all; EUC-JP pieces never split a three-byte SS3 character.
TEST_F(NkfTest, ABlockEdgeAnywhereChangesNothing) {
    AddLibrary(true);
    TNkf Nkf(Loader, Messages);
    Nkf.LoadNkf();
    const std::string Jis[] = {
        "a\x1B$B\x30\x21\x30\x22\x1B(I\x31\x32\x5E\x1B(Bz\r\n\x1B$B\x30\x23\x1B(Jq",
        "ab\x1B$B\x30\x21\x0E\x31\x32\x0F\x30\x22\x1B(B\x0E\x33\x0F!"};
    for (const std::string& Text : Jis) {
        TNkfStream Whole(Nkf, TKanjiCode::kcJis, "s");
        std::string Expected;
        ASSERT_TRUE(Whole.Feed(Text.data(), Text.size(), Expected));
        ASSERT_TRUE(Whole.Finish(Expected));
        EXPECT_EQ(Expected.find('\x1B'), std::string::npos);
        for (std::size_t Cut = 1; Cut < Text.size(); ++Cut) {
            TNkfStream Cutting(Nkf, TKanjiCode::kcJis, "s");
            std::string Out;
            ASSERT_TRUE(Cutting.Feed(Text.data(), Cut, Out));
            ASSERT_TRUE(Cutting.Feed(Text.data() + Cut, Text.size() - Cut, Out));
            ASSERT_TRUE(Cutting.Finish(Out));
            EXPECT_EQ(Out, Expected) << "cut at " << Cut;
        }
    }
    const std::string Euc = "\xB0\xA1\x8F\xB0\xA1\x8E\xB1x\xB0\xA2\x8F\xA2\xAF\xB0\xA3";
    for (std::size_t Cut = 1; Cut < Euc.size(); ++Cut) {
        Inputs.clear();
        TNkfStream Cutting(Nkf, TKanjiCode::kcEuc, "s");
        std::string Out;
        ASSERT_TRUE(Cutting.Feed(Euc.data(), Cut, Out));
        ASSERT_TRUE(Cutting.Feed(Euc.data() + Cut, Euc.size() - Cut, Out));
        ASSERT_TRUE(Cutting.Finish(Out));
        std::size_t Fed = 0;
        for (const std::string& In : Inputs) {
            Fed += In.size();
            EXPECT_TRUE(Fed == 2 || Fed == 5 || Fed == 7 || Fed == 8 || Fed == 10 ||
                        Fed == 13 || Fed == 15)
                << "a piece ends inside a character at " << Fed << ", cut at " << Cut;
        }
    }
}
