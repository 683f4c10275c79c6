#include "app/tools/tool_entry_form.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class TFakeToolHost : public TToolFrmHost {
public:
    std::function<bool(TToolFrm&)> Script = [](TToolFrm&) { return true; };
    std::deque<std::string> Files;
    std::vector<TFileDialogParams> Requests;
    int Left = -1, Top = -1;

    bool ShowModal(TToolFrm& Form, int L, int T) override {
        Left = L, Top = T;
        return Script(Form);
    }
    bool ExecuteOpenDialog(TFileDialogParams& Params) override {
        Requests.push_back(Params);
        if (Files.empty()) return false;
        Params.FileName = Files.front();
        Files.pop_front();
        return true;
    }
    TWindowHandle Handle() override { return 77; }
};

class TFakeFolders : public TFolderBrowser {
public:
    std::vector<TFolderBrowseRequest> Requests;
    std::string Answer; // empty cancels
    bool Browse(const TFolderBrowseRequest& Request, std::string& Chosen) override {
        Requests.push_back(Request);
        if (Answer.empty()) return false;
        Chosen = Answer;
        return true;
    }
};

struct ToolFrmTest : ::testing::Test {
    TFakeToolHost Host;
    TFakeFolders Folders;
    TToolFrm Form{Host, Folders};
};

TShortCut Key(int Code, std::uint8_t Modifiers) { return TShortCut(Code, Modifiers); }

} // namespace

TEST_F(ToolFrmTest, KeysNeedCtrlOrAlt) {
    EXPECT_TRUE(Form.SetKey(Key('T', TShortCut::scCtrl)));
    EXPECT_FALSE(Form.SetKey(Key('U', 0)));
    EXPECT_FALSE(Form.SetKey(Key('U', TShortCut::scShift)));
    EXPECT_EQ(Key('T', TShortCut::scCtrl), Form.ToolKey);
    EXPECT_TRUE(Form.SetKey(Key('U', TShortCut::scShift | TShortCut::scAlt)));
    EXPECT_TRUE(Form.SetKey(TShortCut())); // clearing the key is allowed

    // A stored key the field would refuse is not shown.
    Form.Load(TToolItem{"a", "a.exe", "", "", 0, "F5"});
    EXPECT_TRUE(Form.ToolKey.IsNone());
    Form.Load(TToolItem{"a", "a.exe", "", "", 0, "Shift+Ctrl+T"});
    EXPECT_EQ(Key('T', TShortCut::scShift | TShortCut::scCtrl), Form.ToolKey);
}

TEST_F(ToolFrmTest, OkNeedsANameAndAnExecutableOrTheSeparator) {
    EXPECT_FALSE(Form.OkEnabled());
    Form.ToolName = "grep";
    EXPECT_FALSE(Form.OkEnabled());
    Form.ToolExe = "grep.exe";
    EXPECT_TRUE(Form.OkEnabled());
    Form.ToolName = "";
    EXPECT_FALSE(Form.OkEnabled());
    Form.ToolName = "-";
    Form.ToolExe = "";
    EXPECT_TRUE(Form.OkEnabled());
}

TEST_F(ToolFrmTest, ASeparatorKeepsOnlyItsName) {
    TToolItem Tool{"grep", "C:\\grep.exe", "%f", "C:\\tmp", 2, "Ctrl+G"};
    Host.Script = [](TToolFrm& F) {
        EXPECT_EQ("C:\\grep.exe", F.ToolExe);
        EXPECT_EQ(2, F.ToolSave);
        F.ToolName = "-";
        return true;
    };
    ASSERT_TRUE(ExecuteToolDialog(Tool, Host, Folders, 10, 20));
    EXPECT_EQ(10, Host.Left);
    EXPECT_EQ("-", Tool.Title);
    EXPECT_EQ("", Tool.File);
    EXPECT_EQ("", Tool.Param);
    EXPECT_EQ("", Tool.TmpDir);
    EXPECT_EQ(0, Tool.Save);
    EXPECT_EQ("", Tool.Key);
}

TEST_F(ToolFrmTest, OkStoresTheFieldsAndCancelLeavesTheTool) {
    TToolItem Tool;
    Host.Script = [](TToolFrm& F) {
        F.ToolName = "メモ帳";
        F.ToolExe = "notepad.exe";
        F.ToolOption = "%f";
        F.ToolSave = 1;
        F.SetKey(Key('M', TShortCut::scCtrl | TShortCut::scAlt));
        return true;
    };
    ASSERT_TRUE(ExecuteToolDialog(Tool, Host, Folders, 0, 0));
    EXPECT_EQ("メモ帳", Tool.Title);
    EXPECT_EQ("notepad.exe", Tool.File);
    EXPECT_EQ("%f", Tool.Param);
    EXPECT_EQ(1, Tool.Save);
    EXPECT_EQ("Ctrl+Alt+M", Tool.Key);

    Host.Script = [](TToolFrm& F) {
        F.ToolName = "changed";
        return false;
    };
    EXPECT_FALSE(ExecuteToolDialog(Tool, Host, Folders, 0, 0));
    EXPECT_EQ("メモ帳", Tool.Title);
}

TEST_F(ToolFrmTest, PlaceholdersGoInAtTheCaret) {
    Form.ToolOption = "-x  -y";
    EXPECT_EQ(5, Form.PlaceholderClick(0, 3, 0));
    EXPECT_EQ("-x %f -y", Form.ToolOption);
    EXPECT_EQ(2, Form.PlaceholderClick(3, 0, 2)); // replaces the selection
    EXPECT_EQ("%D %f -y", Form.ToolOption);
    EXPECT_EQ(10, Form.PlaceholderClick(1, 99, 5)); // past the end: appended
    EXPECT_EQ("%D %f -y%F", Form.ToolOption);
    EXPECT_STREQ("&3: フォルダのパス-長 [%d]", ToolPlaceholders[2].Caption);
}

TEST_F(ToolFrmTest, ChoosersForTheExecutableAndTheFolder) {
    Form.ToolExe = "C:\\old.exe";
    Host.Files = {"C:\\new.exe"};
    Form.ExeBrowseClick();
    EXPECT_EQ("C:\\new.exe", Form.ToolExe);
    EXPECT_EQ("C:\\old.exe", Host.Requests[0].FileName);
    EXPECT_EQ("実行ファイル(*.exe)|*.exe|すべてのファイル(*.*)|*.*", Host.Requests[0].Filter);
    Form.ExeBrowseClick(); // cancelled
    EXPECT_EQ("C:\\new.exe", Form.ToolExe);

    Form.ToolTemp = "C:\\work";
    Form.FolderBrowseClick(); // cancelled
    EXPECT_EQ("C:\\work", Form.ToolTemp);
    ASSERT_EQ(1u, Folders.Requests.size());
    EXPECT_EQ("フォルダの参照", Folders.Requests[0].Caption);
    EXPECT_EQ("作業フォルダを指定して下さい", Folders.Requests[0].Prompt);
    EXPECT_EQ("C:\\work", Folders.Requests[0].Directory);
    EXPECT_EQ(77u, Folders.Requests[0].Owner);
    Folders.Answer = "D:\\tmp";
    Form.FolderBrowseClick();
    EXPECT_EQ("D:\\tmp", Form.ToolTemp);
}

TEST(MxBrowseFolderDlg, PromptLinesAndTheChosenFolder) {
    TFakeFolders Folders;
    TMxBrowseFolderDlg Dialog(Folders, 5);
    EXPECT_EQ("フォルダの参照", Dialog.Caption);
    EXPECT_TRUE(Dialog.ShowSelectDir);
    Dialog.TextLine1 = "一行目";
    EXPECT_EQ("一行目", Dialog.Prompt());
    Dialog.TextLine2 = "二行目";
    EXPECT_EQ("一行目\n二行目", Dialog.Prompt());
    Dialog.Directory = "C:\\start";
    Dialog.ShowSelectDir = false;
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ("C:\\start", Dialog.Directory);
    EXPECT_FALSE(Folders.Requests[0].ShowSelectDir);
    Folders.Answer = "C:\\chosen";
    EXPECT_TRUE(Dialog.Execute());
    EXPECT_EQ("C:\\chosen", Dialog.Directory);
}
