// UTF-8 files in Zefnote.exe as a user meets them: a UTF-8 file opened, edited and saved
// stays UTF-8 with the edit; a file with a character Shift_JIS lacks tells so on opening
// and asks before it is saved over.
#include "wine/e2e_support.h"
#include "wine/editor_session.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char AutoDetect[] = "[JCode]\r\nLoadAutoCvt=1\r\nSaveCvt=0\r\n";

class UnicodeFiles : public EditorSession {
protected:
    void Start(const std::string& File) {
        Launch(File, AutoDetect);
    }
    std::string WaitTitle(const std::string& Expected) {
        std::string Title;
        e2e::WaitFor([&] { return (Title = e2e::WindowText(main_)) == Expected; }, 10000);
        return Title;
    }
    // Waits for a message box of the process and checks its caption.
    HWND MessageBoxOfZefnote() {
        HWND Box = e2e::WaitForDialog(zefnote_->Id(), 10000);
        if (Box) EXPECT_EQ("Zefnote", e2e::WindowText(Box));
        return Box;
    }
    // Keeps a picture of the display as NAME.png among the artifacts, to be looked at.
    static void Picture(const std::string& Name) {
        const std::string Png = e2e::TestPaths().artifacts + "\\" + Name + ".png";
        DeleteFileA(Png.c_str());
        e2e::RunUnix("/usr/bin/import -window root " + e2e::ToUnixPath(Png), 30000);
        e2e::WaitFor([&] { return !e2e::ReadFileBytes(Png).empty(); }, 30000);
    }
    bool BoxGone() {
        return e2e::WaitFor([&] { return e2e::FindDialog(zefnote_->Id()) == nullptr; }, 5000);
    }
};

} // namespace

// The sample in UTF-8 (as iconv made it) opens as Japanese, takes an edit on its first
// line and is written back as UTF-8 that differs by the edit alone.
TEST_F(UnicodeFiles, Utf8FileIsEditedAndSavedAsUtf8) {
    const std::string Utf8 = e2e::ReadFileBytes(e2e::TestPaths().samples + "\\sample-utf8.txt");
    ASSERT_FALSE(Utf8.empty());
    const std::string Sjis = e2e::ReadFileBytes(e2e::TestPaths().samples + "\\sample-sjis.txt");
    const std::string Path = e2e::WriteArtifact("utf8-edit.txt", Utf8);
    ASSERT_NO_FATAL_FAILURE(Start(Path));
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::EditorText(editor_) == Sjis; }, 10000));
    EXPECT_EQ("UTF-8", e2e::StatusPanelText(main_, 5));
    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000)) << "the editor did not get the focus";

    e2e::Press(VK_END);
    e2e::Type("ok");
    EXPECT_EQ("utf8-edit.txt * - Zefnote", WaitTitle("utf8-edit.txt * - Zefnote"));
    e2e::Press('S', {VK_CONTROL});
    EXPECT_EQ("utf8-edit.txt - Zefnote", WaitTitle("utf8-edit.txt - Zefnote"));
    std::string Expected = Utf8;
    Expected.insert(Expected.find("\r\n"), "ok");
    EXPECT_EQ(Expected, e2e::ReadFileBytes(Path));
    EXPECT_EQ("UTF-8", e2e::StatusPanelText(main_, 5));
    EXPECT_EQ(nullptr, e2e::FindDialog(zefnote_->Id())) << "a question for a file that lost nothing";
}

// An emoji cannot be held: opening tells how many characters became 〓; saving over the
// file asks, Cancel leaves the file as it was, OK writes the 〓.
TEST_F(UnicodeFiles, AnEmojiIsToldOnOpeningAndAskedAboutOnSaving) {
    const std::string Bytes = "a\xF0\x9F\x98\x80" "b\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"; // a😀b 日本
    const std::string Path = e2e::WriteArtifact("utf8-emoji.txt", Bytes);
    // The file is loaded before the window shows: the message comes first.
    ASSERT_NO_FATAL_FAILURE(Spawn(Path, AutoDetect));
    HWND Told = MessageBoxOfZefnote();
    ASSERT_NE(nullptr, Told) << "no message about the lost character";
    const std::string Message = e2e::StaticTexts(Told);
    EXPECT_NE(std::string::npos, Message.find("1 個")) << Message;
    EXPECT_NE(std::string::npos, Message.find("〓")) << Message;
    Picture("unicode-lost-on-load");
    PostMessageA(Told, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(BoxGone());
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
    EXPECT_EQ("a〓b\r\n日本\r\n", e2e::EditorText(editor_));
    EXPECT_EQ("UTF-8", e2e::StatusPanelText(main_, 5));
    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));

    e2e::Press('S', {VK_CONTROL});
    HWND Asked = MessageBoxOfZefnote();
    ASSERT_NE(nullptr, Asked) << "saving over the file did not ask";
    EXPECT_NE(std::string::npos, e2e::StaticTexts(Asked).find("保存しますか")) << e2e::StaticTexts(Asked);
    Picture("unicode-lost-on-save");
    PostMessageA(Asked, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(BoxGone());
    EXPECT_EQ(Bytes, e2e::ReadFileBytes(Path)) << "Cancel wrote the file";

    ASSERT_TRUE(e2e::Activate(main_, editor_, 10000));
    e2e::Press('S', {VK_CONTROL});
    Asked = MessageBoxOfZefnote();
    ASSERT_NE(nullptr, Asked);
    PostMessageA(Asked, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(BoxGone());
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return e2e::ReadFileBytes(Path) == "a\xE3\x80\x93" "b\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"; },
        10000))
        << e2e::ReadFileBytes(Path);
}
