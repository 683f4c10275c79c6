// The file commands of Zefnote.exe as a user gives them: a file opened from the command
// line, typing, Ctrl+S, the File menu through its mnemonics, the save prompt when the
// window closes, the save dialog; what they did is read back from the disk.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Shift_JIS (as the compiler gives the literals) to JIS X 0208 row and cell; single
// bytes stay as they are.  A converter of its own, so that the program's codec is not
// checked against itself.
template <class Put>
void EachJisChar(const std::string& Sjis, Put put) {
    for (std::size_t I = 0; I < Sjis.size(); ++I) {
        unsigned C1 = static_cast<unsigned char>(Sjis[I]);
        bool Lead = (C1 >= 0x81 && C1 <= 0x9F) || (C1 >= 0xE0 && C1 <= 0xFC);
        if (!Lead || I + 1 == Sjis.size()) {
            put(false, C1, 0u);
            continue;
        }
        unsigned C2 = static_cast<unsigned char>(Sjis[++I]);
        unsigned Row = (C1 < 0xA0 ? C1 - 0x70 : C1 - 0xB0) * 2 - 1;
        if (C2 >= 0x9F) {
            ++Row;
            C2 -= 0x7E;
        } else {
            C2 -= C2 >= 0x80 ? 0x20 : 0x1F;
        }
        put(true, Row, C2);
    }
}

std::string ToEuc(const std::string& Sjis) {
    std::string Out;
    EachJisChar(Sjis, [&](bool Double, unsigned A, unsigned B) {
        Out += static_cast<char>(Double ? A | 0x80 : A);
        if (Double) Out += static_cast<char>(B | 0x80);
    });
    return Out;
}

// ISO-2022-JP as Zefnote writes it: "ESC $ B" before kanji, "ESC ( J" back to roman.
std::string ToJis(const std::string& Sjis) {
    std::string Out;
    bool Kanji = false;
    EachJisChar(Sjis, [&](bool Double, unsigned A, unsigned B) {
        if (Double != Kanji) Out += Double ? "\x1b$B" : "\x1b(J";
        Kanji = Double;
        Out += static_cast<char>(A);
        if (Double) Out += static_cast<char>(B);
    });
    if (Kanji) Out += "\x1b(J";
    return Out;
}

class FileCommands : public ::testing::Test {
protected:
    // Starts Zefnote.exe on File with the settings Ini and waits until its editor has
    // the focus.
    void Start(const std::string& File, const std::string& Ini) {
        settings_.reset(new e2e::SettingsFile(Ini));
        zefnote_.reset(new e2e::ZefnoteProcess("\"" + File + "\""));
        ASSERT_TRUE(zefnote_->Started());
        main_ = zefnote_->WaitForMainWindow("TZefnoteMainForm", 30000);
        ASSERT_NE(nullptr, main_);
        editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
        ASSERT_NE(nullptr, editor_);
        ASSERT_TRUE(e2e::Activate(main_, editor_, 10000)) << "the editor did not get the focus";
    }
    // Waits until the title is Expected; returns the title.
    std::string WaitTitle(const std::string& Expected, DWORD TimeoutMs = 10000) {
        std::string Title;
        e2e::WaitFor([&] { return (Title = e2e::WindowText(main_)) == Expected; }, TimeoutMs);
        return Title;
    }
    // Waits for the save prompt of a modified text.
    HWND SavePrompt() {
        HWND Box = e2e::WaitForDialog(zefnote_->Id(), 10000);
        if (Box) {
            EXPECT_EQ("Zefnote", e2e::WindowText(Box));
            EXPECT_EQ("内容が変更されています。変更を保存しますか？", e2e::StaticTexts(Box));
        }
        return Box;
    }
    // Fills the file name box of the open or save dialog and presses its OK button.
    static bool ChooseFile(HWND Dialog, const std::string& Path) {
        HWND Name = nullptr;
        for (int Id : {0x47c /* cmb13 */, 0x480 /* edt1 */})
            if (!Name) Name = GetDlgItem(Dialog, Id);
        if (!Name) return false;
        SendMessageA(Name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Path.c_str()));
        PostMessageA(Dialog, WM_COMMAND, IDOK, 0);
        return true;
    }

    std::unique_ptr<e2e::SettingsFile> settings_;
    std::unique_ptr<e2e::ZefnoteProcess> zefnote_;
    HWND main_ = nullptr, editor_ = nullptr;
};

const char AutoDetect[] = "[JCode]\r\nLoadAutoCvt=1\r\nSaveCvt=0\r\n";
const char Text[] = "日本語の文書です。\r\nＥＵＣ の二行目\r\n\r\n最後の行\r\n";

} // namespace

// An EUC-JP file is detected, shown as Japanese, and saved back in EUC-JP with the
// typed change and nothing else.
TEST_F(FileCommands, EucFileIsDetectedEditedAndSavedInEuc) {
    const std::string Path = e2e::WriteArtifact("euc-edit.txt", ToEuc(Text));
    Start(Path, AutoDetect);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::EditorText(editor_) == Text; }, 10000))
        << e2e::EditorText(editor_);
    EXPECT_EQ("EUC", e2e::StatusPanelText(main_, 5));
    EXPECT_EQ("euc-edit.txt - Zefnote", e2e::WindowText(main_));

    e2e::Press(VK_DOWN);
    e2e::Press(VK_END);
    e2e::Type("ok");
    EXPECT_EQ("euc-edit.txt * - Zefnote", WaitTitle("euc-edit.txt * - Zefnote"));
    e2e::Press('S', {VK_CONTROL});
    EXPECT_EQ("euc-edit.txt - Zefnote", WaitTitle("euc-edit.txt - Zefnote"));
    EXPECT_EQ(ToEuc("日本語の文書です。\r\nＥＵＣ の二行目ok\r\n\r\n最後の行\r\n"),
              e2e::ReadFileBytes(Path));
    EXPECT_EQ("EUC", e2e::StatusPanelText(main_, 5));
}

// Closing a modified text asks whether to save it: Yes saves and closes, No closes
// without saving, Cancel keeps the window and the text.
TEST_F(FileCommands, TheSavePromptOnCloseDoesWhatTheAnswerSays) {
    struct Case {
        int Answer;
        bool Closes, Saved;
    } Cases[] = {{IDYES, true, true}, {IDNO, true, false}, {IDCANCEL, false, false}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Answer);
        const std::string Path = e2e::WriteArtifact("prompt.txt", Text);
        Start(Path, "");
        e2e::Type("x");
        ASSERT_EQ("prompt.txt * - Zefnote", WaitTitle("prompt.txt * - Zefnote"));
        e2e::Press(VK_F4, {VK_MENU});
        HWND Box = SavePrompt();
        ASSERT_NE(nullptr, Box) << "no save prompt";
        PostMessageA(Box, WM_COMMAND, static_cast<WPARAM>(C.Answer), 0);
        if (C.Closes) {
            EXPECT_TRUE(zefnote_->WaitForExit(10000)) << "the window did not close";
        } else {
            EXPECT_TRUE(e2e::WaitFor([&] { return e2e::FindDialog(zefnote_->Id()) == nullptr; }, 5000));
            EXPECT_FALSE(zefnote_->WaitForExit(1000)) << "Cancel closed the window";
            EXPECT_EQ("prompt.txt * - Zefnote", e2e::WindowText(main_));
            EXPECT_EQ(std::string("x") + Text, e2e::EditorText(editor_));
        }
        EXPECT_EQ(C.Saved ? std::string("x") + Text : std::string(Text), e2e::ReadFileBytes(Path));
        if (!C.Closes) {
            // Leave without saving.
            PostMessageA(main_, WM_CLOSE, 0, 0);
            HWND Again = SavePrompt();
            ASSERT_NE(nullptr, Again);
            PostMessageA(Again, WM_COMMAND, IDNO, 0);
            EXPECT_TRUE(zefnote_->WaitForExit(10000));
            EXPECT_EQ(std::string(Text), e2e::ReadFileBytes(Path));
        }
        zefnote_.reset();
        settings_.reset();
    }
}

// File > 漢字コードを指定して保存 > JIS asks for a name and writes the text in JIS; the
// window then holds the new file, whose code the status bar shows.
TEST_F(FileCommands, SaveAsJisFromTheSubmenu) {
    const std::string Path = e2e::WriteArtifact("save-as-source.txt", Text);
    const std::string Target = e2e::TestPaths().artifacts + "\\saved-as-jis.txt";
    DeleteFileA(Target.c_str());
    Start(Path, "");
    EXPECT_EQ("", e2e::StatusPanelText(main_, 5));
    e2e::Press('F', {VK_MENU});
    e2e::Press('K');
    e2e::Press('J');
    HWND Dialog = e2e::WaitForDialog(zefnote_->Id(), 10000);
    ASSERT_NE(nullptr, Dialog) << "no save dialog";
    ASSERT_TRUE(ChooseFile(Dialog, Target)) << "the save dialog has no file name box";
    EXPECT_EQ("saved-as-jis.txt - Zefnote", WaitTitle("saved-as-jis.txt - Zefnote"));
    EXPECT_EQ(ToJis(Text), e2e::ReadFileBytes(Target));
    EXPECT_EQ(std::string(Text), e2e::ReadFileBytes(Path)) << "the source file was changed";
    EXPECT_EQ("JIS", e2e::StatusPanelText(main_, 5));
}

// Killing the process while it saves a large file leaves on disk either the file as it
// was or the file as saved, never a part of one over the other: the kill comes at
// spread moments of the save, from its start to past its end.
TEST_F(FileCommands, AKillDuringASaveLeavesTheOldOrTheNewFile) {
    std::string Old;
    for (int I = 0; Old.size() < 8 * 1024 * 1024; ++I)
        Old += std::to_string(I) + " 行目：大きな文書を保存している途中で止められても壊れない。\r\n";
    const std::string New = "x" + Old;
    const std::string Folder = e2e::TestPaths().artifacts + "\\kill-save";
    CreateDirectoryA(Folder.c_str(), nullptr);
    const std::string Path = Folder + "\\large.txt";
    // Removes what is in the folder but the document; returns how many files that was
    // and adds their names and sizes to Listing.
    std::string Listing;
    auto Leftovers = [&] {
        int Count = 0;
        WIN32_FIND_DATAA Found;
        HANDLE Find = FindFirstFileA((Folder + "\\*").c_str(), &Found);
        if (Find == INVALID_HANDLE_VALUE) return Count;
        do {
            const std::string Name = Found.cFileName;
            if (Name == "." || Name == "..") continue;
            Listing += " " + Name + " (" + std::to_string(Found.nFileSizeLow) + " bytes)";
            if (Name == "large.txt") continue;
            DeleteFileA((Folder + "\\" + Name).c_str());
            ++Count;
        } while (FindNextFileA(Find, &Found));
        FindClose(Find);
        return Count;
    };
    // Opens the old file, types, and presses Ctrl+S; returns the tick of the S.
    auto StartSave = [&]() -> DWORD {
        DeleteFileA(Path.c_str());
        Leftovers();
        e2e::WriteArtifact("kill-save\\large.txt", Old);
        Start(Path, "");
        e2e::Type("x");
        EXPECT_EQ("large.txt * - Zefnote", WaitTitle("large.txt * - Zefnote", 30000));
        DWORD_PTR Result = 0;
        SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &Result);
        e2e::KeyDown(VK_CONTROL);
        const DWORD Pressed = GetTickCount();
        e2e::KeyDown('S');
        return Pressed;
    };

    // A save to the end, timed.
    const DWORD Began = StartSave();
    const std::string Saved = WaitTitle("large.txt - Zefnote", 120000);
    const DWORD SaveMs = GetTickCount() - Began;
    ASSERT_EQ("large.txt - Zefnote", Saved);
    ASSERT_TRUE(e2e::ReadFileBytes(Path) == New) << "the full save did not write the text";
    e2e::KeyUp('S');
    e2e::KeyUp(VK_CONTROL);
    zefnote_.reset();
    settings_.reset();

    const int Runs = 12;
    int SawOld = 0, SawNew = 0, SawLeftovers = 0;
    for (int Run = 0; Run < Runs; ++Run) {
        const DWORD Delay = SaveMs * static_cast<DWORD>(Run) / (Runs - 2);
        SCOPED_TRACE("killed " + std::to_string(Delay) + " ms after Ctrl+S");
        const DWORD Pressed = StartSave();
        while (GetTickCount() - Pressed < Delay) Sleep(1);
        zefnote_->Kill();
        e2e::KeyUp('S');
        e2e::KeyUp(VK_CONTROL);
        const std::string OnDisk = e2e::ReadFileBytes(Path);
        const bool IsOld = OnDisk == Old, IsNew = OnDisk == New;
        Listing.clear();
        SawLeftovers += Leftovers() > 0;
        EXPECT_TRUE(IsOld || IsNew) << OnDisk.size() << " bytes read; in the folder:" << Listing;
        SawOld += IsOld;
        SawNew += IsNew;
        zefnote_.reset();
        settings_.reset();
    }
    EXPECT_GT(SawLeftovers, 0) << "no kill came while the file was written";
    std::printf("full save %lu ms; after %d kills: %d old files (%d with a partial copy beside "
                "them), %d new files\n",
                static_cast<unsigned long>(SaveMs), Runs, SawOld, SawLeftovers, SawNew);
}
