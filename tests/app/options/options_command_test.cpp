#include "app/options/options_command.h"

#include "app/main_form_test_support.h"
#include "app/options/option_form_fakes.h"
#include "platform/profile_file.h"

namespace {

struct OptionsCommandTest : MainFormFixture {
    TFakeOptionHost Dialog;
    std::unique_ptr<TOptionsCommand> Command;
    int Broadcasts = 0;

    TMainForm& Start(const std::vector<std::string>& Params = {}) {
        TMainForm& F = Create(Params);
        Command = std::make_unique<TOptionsCommand>(TOptionsServices{F, Host, Messages, Files, Shell, Dialog});
        return F;
    }
    std::string IniValue(const std::string& Section, const std::string& Key) {
        return Ini.ReadString(Section, Key, "<none>");
    }
    void ClickMenu(const char* Name) {
        TMenuItem* Item = Form->MainMenu().Find(Name);
        ASSERT_NE(nullptr, Item);
        ASSERT_TRUE(Item->Enabled) << Name;
        Form->Click(*Item);
    }
};

} // namespace

TEST_F(OptionsCommandTest, OkWritesTheFileAndAppliesTheValues) {
    TMainForm& F = Start();
    Dialog.Colors = {clRed};
    Dialog.Script = [](TOptionForm& Form) {
        Form.SetChecked("CaretUnderLine", true);
        Form.SetItemIndex("TabCount", 1);
        Form.SelectColorRow(1);
        Form.ColorClick();
        return TOptionResult::orOk;
    };
    ClickMenu("O1");
    EXPECT_EQ(0, Dialog.Page);
    EXPECT_EQ(100 + 16, Dialog.Left);
    EXPECT_EQ(80 + 16, Dialog.Top);
    EXPECT_EQ("1", IniValue("Option", "CaretUnderLine"));
    EXPECT_EQ("1", IniValue("Option", "TabCount"));
    EXPECT_EQ("clRed", IniValue("Color", "Bk"));
    EXPECT_EQ(4, Editor.Caret().TabSpaceCount());
    EXPECT_EQ(clRed, Editor.View().Colors().Ank().BkColor());
    EXPECT_TRUE(F.Options().CaretUnderLine);
}

TEST_F(OptionsCommandTest, ApplyOnlyChangesThisWindowAndCancelNothing) {
    TMainForm& F = Start();
    Dialog.Script = [](TOptionForm& Form) {
        Form.SetItemIndex("TabCount", 0);
        return TOptionResult::orApply;
    };
    ClickMenu("O1");
    EXPECT_EQ(2, Editor.Caret().TabSpaceCount());
    EXPECT_EQ("<none>", IniValue("Option", "TabCount"));
    F.SettingsChanged(); // another process announced its settings: the file's values return
    EXPECT_EQ(8, Editor.Caret().TabSpaceCount());

    Dialog.Script = [](TOptionForm& Form) {
        Form.SetItemIndex("TabCount", 0);
        Form.SetChecked("StatusBar", false);
        return TOptionResult::orCancel;
    };
    ClickMenu("O1");
    EXPECT_EQ(8, Editor.Caret().TabSpaceCount());
    EXPECT_TRUE(F.Options().StatusBar);
    EXPECT_TRUE(Host.StatusBar);
}

TEST_F(OptionsCommandTest, TheToolPageSavesToolsIntoTheFileAndTheMenu) {
    TMainForm& F = Start();
    Dialog.ToolAnswers = {TToolItem{"grep", "C:\\grep.exe", "%f", "", 0, "Ctrl+Alt+G"}};
    Dialog.Script = [](TOptionForm& Form) {
        Form.AddToolClick();
        return TOptionResult::orApply;
    };
    ClickMenu("O2");
    EXPECT_EQ(4, Dialog.Page);
    EXPECT_EQ("<none>", IniValue("Tools", "Title0")); // only OK saves the tools

    Dialog.ToolAnswers = {TToolItem{"grep", "C:\\grep.exe", "%f", "", 0, "Ctrl+Alt+G"}};
    Dialog.Script = [](TOptionForm& Form) {
        Form.AddToolClick();
        return TOptionResult::orOk;
    };
    ClickMenu("O2");
    const TMenuItem& Tools = *F.MainMenu().Find("Menu_Tool");
    ASSERT_EQ(ToolMenuFixedItems + 1, Tools.Count());
    EXPECT_EQ("grep", Tools[ToolMenuFixedItems].Caption);
    EXPECT_EQ("grep", IniValue("Tools", "Title0"));
    EXPECT_EQ("%%f%", IniValue("Tools", "Param0"));
}

TEST_F(OptionsCommandTest, WrapWidthsAndTheTitleFollowTheDialog) {
    Ini.WriteString("WrapByteList", "ItemCount", "2");
    Ini.WriteString("WrapByteList", "Item0", "100");
    Ini.WriteString("WrapByteList", "Item1", "60");
    Files.SetFile("C:\\doc\\a.txt", "text");
    TMainForm& F = Start({"C:\\doc\\a.txt"});
    EXPECT_EQ("a.txt - Zefnote", Host.CaptionText);
    Dialog.Script = [](TOptionForm& Form) {
        EXPECT_EQ((std::vector<int>{100, 60}), Form.WrapWidths());
        Form.SetText("WrapCount", "72");
        Form.AddWidthClick();
        Form.SetChecked("FullPathFileName", true);
        return TOptionResult::orApply;
    };
    ClickMenu("O1");
    EXPECT_EQ((std::vector<int>{100, 72, 60}), F.WrapWidthList());
    EXPECT_EQ("C:\\doc\\a.txt - Zefnote", Host.CaptionText);
    EXPECT_EQ("&2: 72桁", (*F.MainMenu().Find("Menu_WordWrapList"))[3].Caption);
}

TEST_F(OptionsCommandTest, AnEmptyHtmlListOpensHtmlFilesInTheStandardMode) {
    Files.SetFile("C:\\doc\\a.html", "<p>x</p>");
    TMainForm& F = Start({"C:\\doc\\a.html"});
    EXPECT_EQ(1, F.EditMode());
    Dialog.Script = [](TOptionForm& Form) {
        Form.SetText("HtmlDocFilter", "");
        return TOptionResult::orOk;
    };
    ClickMenu("O1");
    EXPECT_EQ("", IniValue("Option", "HtmlDocFilter"));
    EXPECT_EQ(0, F.EditMode());
    EXPECT_EQ("標準", Host.Panels[spMode]);
}
