#include "app/settings/settings_lists.h"
#include "settings_test_support.h"

namespace {

TEST_F(SettingsFixture, TwelveWrapWidthsGiveNineItemsWithTheirShortcuts) {
    std::string Text = "[WrapByteList]\r\nItemCount=12\r\n";
    for (int I = 0; I < 12; ++I)
        Text += "Item" + std::to_string(I) + "=" + std::to_string(30 + I) + "\r\n";
    SetIni(Text);
    TSettingsLists Lists = Store.LoadSettings({});
    ASSERT_EQ(Lists.WrapWidths.size(), 9u);
    ASSERT_EQ(Lists.WrapWidthItems.size(), 10u);
    EXPECT_EQ(Lists.WrapWidthItems[0].Caption, "-");
    for (int I = 1; I <= 9; ++I) {
        const TSettingsMenuItem& Item = Lists.WrapWidthItems[static_cast<std::size_t>(I)];
        EXPECT_EQ(Item.Caption, "&" + std::to_string(I) + ": " + std::to_string(29 + I) + "桁");
        EXPECT_EQ(Item.ShortCut, "Shift+Ctrl+" + std::to_string(I));
        EXPECT_EQ(Item.Tag, 29 + I);
    }
}

TEST_F(SettingsFixture, WrapWidthsMissingOrOutOfRange) {
    SetIni("[WrapByteList]\r\nItemCount=4\r\nItem0=5\r\nItem2=999\r\nItem3=x\r\n");
    EXPECT_EQ(ReadWrapWidthList(Ini), (std::vector<int>{20, 80, 250, 80}));
    SetIni("[WrapByteList]\r\nItemCount=-3\r\nItem0=50\r\n");
    EXPECT_TRUE(ReadWrapWidthList(Ini).empty());
}

TEST_F(SettingsFixture, ToolsKeepTheBlanksOfTheirParameters) {
    std::vector<TToolItem> Tools(2);
    Tools[0] = {"grep", "C:\\bin\\grep.exe", " -n %f ", "%d", 1, "Ctrl+G"};
    Tools[1].Title = "-";
    SetIni("[Tools]\r\nItemCount=5\r\nTitle4=old\r\n");
    EXPECT_TRUE(WriteToolList(Ini, Tools));
    EXPECT_EQ(IniText(), "[Tools]\r\nItemCount=2\r\nTitle0=grep\r\nFile0=C:\\bin\\grep.exe\r\n"
                         "Param0=% -n %f %\r\nTmpDir0=%d\r\nSave0=1\r\nKey0=Ctrl+G\r\n"
                         "Title1=-\r\nFile1=\r\nParam1=%%\r\nTmpDir1=\r\nSave1=0\r\nKey1=\r\n");
    std::vector<TToolItem> Read = ReadToolList(Ini);
    ASSERT_EQ(Read.size(), 2u);
    EXPECT_EQ(Read[0].Param, " -n %f ");
    EXPECT_EQ(Read[0].TmpDir, "%d"); // only Param is padded
    EXPECT_EQ(Read[0].Save, 1);
    EXPECT_EQ(Read[1].Param, "");

    std::vector<TSettingsMenuItem> Items = ToolMenuItems(Read);
    ASSERT_EQ(Items.size(), 2u);
    EXPECT_EQ(Items[0].Caption, "grep");
    EXPECT_EQ(Items[0].Hint, "指定のツールを起動");
    EXPECT_EQ(Items[0].ShortCut, "Ctrl+G");
    EXPECT_EQ(Items[1].Caption, "-");
    EXPECT_EQ(Items[1].Tag, 1);
}

TEST_F(SettingsFixture, FileHistoryHoldsTenPathsAndIsRewrittenWhole) {
    std::vector<std::string> Paths;
    for (int I = 0; I < 12; ++I)
        Paths.push_back("C:\\doc\\" + std::to_string(I) + ".txt");
    SetIni("[FileHistory]\r\nItemCount=1\r\nItem0=C:\\old.txt\r\nStale=1\r\n");
    EXPECT_TRUE(WriteFileHistory(Ini, Paths));
    std::vector<std::string> Read = ReadFileHistory(Ini);
    EXPECT_EQ(Read, std::vector<std::string>(Paths.begin(), Paths.begin() + 10));
    EXPECT_EQ(IniText().find("Stale"), std::string::npos);

    EXPECT_TRUE(WriteFileHistory(Ini, {}));
    EXPECT_EQ(IniText(), "");
    SetIni("[FileHistory]\r\nItemCount=3\r\nItem0=a.txt\r\nItem2=c.txt\r\n");
    EXPECT_EQ(ReadFileHistory(Ini), (std::vector<std::string>{"a.txt", "c.txt"}));
}

TEST_F(SettingsFixture, ALineBreakInAValueCannotAddKeys) {
    std::vector<TToolItem> Tools(1);
    Tools[0].Title = "a\r\nItemCount=99";
    EXPECT_TRUE(WriteToolList(Ini, Tools));
    std::vector<TToolItem> Read = ReadToolList(Ini);
    ASSERT_EQ(Read.size(), 1u);
    EXPECT_EQ(Read[0].Title, "a");
}

} // namespace
