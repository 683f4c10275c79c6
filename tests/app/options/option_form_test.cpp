#include "app/options/option_form.h"
#include "app/options/option_form_fakes.h"

#include "app/settings/option_keys.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"

#include <gtest/gtest.h>

#include <map>
#include <type_traits>

namespace {

// Every key the dialog edits, as text, so that two records compare key by key.
std::map<std::string, std::string> KeyValues(TOptionRecord& R) {
    std::map<std::string, std::string> Values;
    auto Put = [&Values](const char* Key, auto&& Field) {
        using T = std::decay_t<decltype(Field)>;
        if constexpr (std::is_same_v<T, std::string>) Values[Key] = Field;
        else if constexpr (std::is_same_v<T, TPadded<std::string>>) Values[Key] = Field.Value;
        else Values[Key] = std::to_string(Field);
    };
    VisitOptionKeys(R, Put);
    VisitColorKeys(R.Colors, Put);
    VisitBrowserKeys(R, Put);
    VisitJCodeKeys(R, Put);
    return Values;
}

struct OptionFormTest : ::testing::Test {
    TOptionRecord Options;
    TRecordingMessageBox Messages;
    TMemoryFileSystem Disk;
    TFakeOptionHost Host;
    std::vector<std::string> Opened;
    std::unique_ptr<TOptionForm> Form;

    TOptionForm& Show(int EditMode = 0, std::vector<int> Widths = {}, std::vector<TToolItem> Tools = {}) {
        TOptionFormOwner Owner{Options, Messages, Disk, Host};
        Owner.EditMode = EditMode;
        Owner.WrapWidths = std::move(Widths);
        Owner.Tools = std::move(Tools);
        Owner.ProgramDir = "C:\\Zefnote";
        Owner.WindowEdgeWidth = [] { return 97; };
        Owner.WindowPlacement = [] { return TWindowPlacement{{11, 22, 640, 480}, false}; };
        Owner.OpenInNewProcess = [this](const std::string& File) { Opened.push_back(File); };
        Form = std::make_unique<TOptionForm>(Owner);
        Form->FormShow();
        return *Form;
    }
};

// A record with every key away from its default (values inside the controls' ranges).
void ChangeEveryKey(TOptionRecord& R) {
    VisitOptionKeys(R, [](const char*, auto&& Field) {
        using T = std::decay_t<decltype(Field)>;
        if constexpr (std::is_same_v<T, bool>) Field = !Field;
        else if constexpr (std::is_same_v<T, std::string>) Field = "x" + Field;
        else if constexpr (std::is_same_v<T, TPadded<std::string>>) Field.Value = " q ";
    });
    R.StartWindow = 1;
    R.UserWindowSize_W = 700, R.UserWindowSize_H = 500, R.UserWindowPos_X = 3, R.UserWindowPos_Y = 4;
    R.FontName = "ＭＳ ゴシック", R.FontSize = 10;
    R.TabCount = 1, R.WrapCount = 72, R.UndoMax = 640, R.LinePitch = 2, R.CharPitch = 1;
    R.LeftMargin = 0, R.TopMargin = 9;
    R.Colors.Font = clMaroon, R.Colors.Bk = 0x00123456, R.Colors.Pas_KeyWord = clRed;
    R.Browser = {2, 1, "C:\\ie.exe", "C:\\nn.exe"};
    R.JCode = {true, 0};
}

} // namespace

TEST_F(OptionFormTest, EveryKeyComesBackUnchangedWhenNothingIsTouched) {
    const auto Defaults = KeyValues(Options);
    Show().Collect();
    EXPECT_EQ(Defaults, KeyValues(Options));

    ChangeEveryKey(Options);
    const auto Changed = KeyValues(Options);
    Show().Collect();
    EXPECT_EQ(Changed, KeyValues(Options));

    // A tab index the list does not hold is kept as it is.
    Options.TabCount = 7;
    Show().Collect();
    EXPECT_EQ(7, Options.TabCount);
}

TEST_F(OptionFormTest, EveryKeyOfTheOptionSectionHasItsControl) {
    // The font and the bold flags are edited by the font button and the colour page.
    VisitOptionKeys(Options, [](const char* Key, auto&&) {
        const std::string Name = Key;
        if (Name == "FontName" || Name == "FontSize" || Name.find("_KeyWord_Bold") != std::string::npos) return;
        EXPECT_NE(nullptr, FindOptionControl(Name)) << Name;
    });
    for (const char* Key : {"Menu", "Save", "IePath", "NnPath", "LoadAutoCvt", "SaveCvt"})
        EXPECT_NE(nullptr, FindOptionControl(Key)) << Key;
    const TOptionControl* Undo = FindOptionControl("UndoMax");
    EXPECT_EQ(64, Undo->Min);
    EXPECT_EQ(10000, Undo->Max);
    EXPECT_EQ(10, Undo->Step);
    EXPECT_EQ(250, FindOptionControl("WrapCount")->Max);
    EXPECT_EQ(2048, FindOptionControl("UserWindowPos_Y")->Max);
}

TEST_F(OptionFormTest, ControlsOfOnePageDoNotOverlapAndStayInsideThePage) {
    const TOptionFormFrame& F = OptionFormFrame;
    const auto& Controls = OptionFormControls();
    for (std::size_t I = 0; I < Controls.size(); ++I) {
        const TOptionControl& A = Controls[I];
        EXPECT_GE(A.X, F.TabX + 4) << A.Caption << A.Name;
        EXPECT_LE(A.X + A.W, F.TabX + F.TabW - 4) << A.Caption << A.Name;
        EXPECT_GE(A.Y, F.TabY + 14) << A.Caption << A.Name;
        const int Bottom = A.Y + (A.Kind == TOptionControlKind::ocList || A.Kind == TOptionControlKind::ocWrapCombo ? 12 : A.H);
        EXPECT_LE(Bottom, F.TabY + F.TabH - 4) << A.Caption << A.Name;
        if (A.Kind == TOptionControlKind::ocGroup) continue;
        for (std::size_t J = I + 1; J < Controls.size(); ++J) {
            const TOptionControl& B = Controls[J];
            if (B.Page != A.Page || B.Kind == TOptionControlKind::ocGroup) continue;
            const int BBottom = B.Y + (B.Kind == TOptionControlKind::ocList || B.Kind == TOptionControlKind::ocWrapCombo ? 12 : B.H);
            const bool Apart = A.X + A.W <= B.X || B.X + B.W <= A.X || Bottom <= B.Y || BBottom <= A.Y;
            EXPECT_TRUE(Apart) << A.Caption << A.Name << " / " << B.Caption << B.Name;
        }
    }
}

TEST_F(OptionFormTest, EnablingRulesFollowTheirControls) {
    TOptionForm& F = Show();
    F.SetChecked("WordWrap", false);
    for (const char* Name : {"WrapCount", "NowWidth", "AddWidth", "DeleteWidth"}) EXPECT_FALSE(F.Enabled(Name)) << Name;
    F.SetChecked("WordWrap", true);
    for (const char* Name : {"WrapCount", "NowWidth", "AddWidth", "DeleteWidth"}) EXPECT_TRUE(F.Enabled(Name)) << Name;

    F.SetChecked("ToolBar", false);
    EXPECT_FALSE(F.Enabled("FlatToolBar"));
    F.SetChecked("InyouRow", false);
    EXPECT_FALSE(F.Enabled("Inyouhu"));
    F.SetChecked("Leading", false);
    EXPECT_FALSE(F.Enabled("FollowStr"));
    EXPECT_FALSE(F.Enabled("LeadStr"));
    EXPECT_TRUE(F.Enabled("PunctuationStr"));
    F.SetChecked("FollowPunctuation", false);
    EXPECT_FALSE(F.Enabled("PunctuationStr"));

    const char* const SizeNames[] = {"UserWindowSize_W", "UserWindowSize_H", "CurrentSize"};
    const char* const PosNames[] = {"UserWindowPos_X", "UserWindowPos_Y", "CurrentPos"};
    F.SetItemIndex("StartWindow", 2);
    for (const char* Name : {"UserWindowSize", "UserWindowPos"}) EXPECT_FALSE(F.Enabled(Name));
    for (const char* Name : SizeNames) EXPECT_FALSE(F.Enabled(Name));
    F.SetItemIndex("StartWindow", 3);
    F.SetChecked("UserWindowSize", true);
    F.SetChecked("UserWindowPos", false);
    for (const char* Name : {"UserWindowSize", "UserWindowPos"}) EXPECT_TRUE(F.Enabled(Name));
    for (const char* Name : SizeNames) EXPECT_TRUE(F.Enabled(Name)) << Name;
    for (const char* Name : PosNames) EXPECT_FALSE(F.Enabled(Name)) << Name;
}

TEST_F(OptionFormTest, QuoteAndLinkBoxesDependOnTheEditMode) {
    TOptionForm& Plain = Show(0);
    EXPECT_TRUE(Plain.Enabled("InyouRow"));
    EXPECT_TRUE(Plain.Enabled("LinkWord"));
    TOptionForm& Ini = Show(3);
    EXPECT_FALSE(Ini.Enabled("InyouRow"));
    EXPECT_TRUE(Ini.Enabled("LinkWord"));
    TOptionForm& Cpp = Show(5);
    EXPECT_FALSE(Cpp.Enabled("InyouRow"));
    EXPECT_FALSE(Cpp.Enabled("LinkWord"));
}

TEST_F(OptionFormTest, CollectionCorrectsWhatCannotWork) {
    TOptionForm& F = Show();
    F.SetItemIndex("StartWindow", 3);
    F.SetChecked("UserWindowSize", false);
    F.SetChecked("UserWindowPos", false);
    F.SetChecked("LoadAutoCvt", false);
    F.SetItemIndex("SaveCvt", 0);
    F.Collect();
    EXPECT_EQ(0, Options.StartWindow);
    EXPECT_EQ(1, Options.JCode.SaveCvt);

    TOptionForm& G = Show();
    G.SetItemIndex("StartWindow", 3);
    G.SetChecked("UserWindowPos", true);
    G.SetChecked("LoadAutoCvt", true);
    G.SetItemIndex("SaveCvt", 0);
    G.Collect();
    EXPECT_EQ(3, Options.StartWindow);
    EXPECT_EQ(0, Options.JCode.SaveCvt);

    // The Unicode codes stand after the legacy ones and need no detection.
    TOptionForm& H = Show();
    H.SetChecked("LoadAutoCvt", false);
    H.SetItemIndex("SaveCvt", 5);
    H.Collect();
    EXPECT_EQ(5, Options.JCode.SaveCvt);
}

TEST_F(OptionFormTest, EmptyEditsFallBackToDefaultsButExtensionListsStayEmpty) {
    TOptionForm& F = Show();
    EXPECT_EQ("> ", F.Text("PasteInyouhu")); // shown without its "%" characters
    for (const char* Name : {"PasteInyouhu", "UserFileFilter", "Inyouhu", "HtmlDocFilter", "CppDocFilter"})
        F.SetText(Name, "");
    F.Collect();
    EXPECT_EQ("> ", Options.PasteInyouhu);
    EXPECT_EQ("*.txt;*.htm;*.html;*.cgi;*.pl", Options.UserFileFilter);
    EXPECT_EQ(">|＞｜", Options.Inyouhu);
    EXPECT_EQ("", Options.HtmlDocFilter);
    EXPECT_EQ("", Options.CppDocFilter);
}

TEST_F(OptionFormTest, NumbersStayInsideTheirRanges) {
    TOptionForm& F = Show();
    F.SetText("UndoMax", "5");
    EXPECT_EQ(64, F.Number("UndoMax"));
    F.SetText("CharPitch", "99");
    EXPECT_EQ(5, F.Number("CharPitch"));
    F.SetText("LinePitch", "3x"); // not a number: the last value stays
    EXPECT_EQ(0, F.Number("LinePitch"));
    F.SetNumber("WrapCount", 400);
    EXPECT_EQ(250, F.Number("WrapCount"));
    EXPECT_EQ("250", F.Text("WrapCount"));
    F.Collect();
    EXPECT_EQ(64, Options.UndoMax);
    EXPECT_EQ(5, Options.CharPitch);
    EXPECT_EQ(250, Options.WrapCount);
}

TEST_F(OptionFormTest, AddingAWidthKeepsTheListDescending) {
    TOptionForm& F = Show(0, {100, 80, 60});
    F.SetText("WrapCount", "72");
    F.AddWidthClick();
    EXPECT_EQ((std::vector<int>{100, 80, 72, 60}), F.WrapWidths());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("[72]をリストへ追加します。", Messages.Messages[0].Text);
    EXPECT_EQ(TMessageButtons::mbOkCancel, Messages.Messages[0].Buttons);
    EXPECT_EQ(TMessageIcon::miInformation, Messages.Messages[0].Icon);

    F.AddWidthClick(); // already there: nothing, not even a question
    EXPECT_EQ(1u, Messages.Messages.size());
    F.SetText("WrapCount", "120");
    F.AddWidthClick();
    F.SetText("WrapCount", "30");
    F.AddWidthClick();
    EXPECT_EQ((std::vector<int>{120, 100, 80, 72, 60, 30}), F.WrapWidths());
    Messages.Answer = TMessageResult::mrCancel;
    F.SetText("WrapCount", "50");
    F.AddWidthClick();
    EXPECT_EQ(6u, F.WrapWidths().size());
}

TEST_F(OptionFormTest, ATenthWidthIsRefused) {
    TOptionForm& F = Show(0, {200, 180, 160, 140, 120, 100, 80, 60, 40});
    F.SetText("WrapCount", "90");
    F.AddWidthClick();
    EXPECT_EQ(9u, F.WrapWidths().size());
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("登録可能な最大件数は 9 件です。", Messages.Messages[0].Text);
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
}

TEST_F(OptionFormTest, DeletingWidths) {
    TOptionForm& F = Show(0, {100, 72});
    F.SetText("WrapCount", "72");
    F.DeleteWidthClick();
    EXPECT_EQ("[72]をリストから削除します。", Messages.Messages.back().Text);
    EXPECT_EQ((std::vector<int>{100}), F.WrapWidths());
    EXPECT_EQ(100, F.Number("WrapCount")); // the first entry is selected

    F.SetText("WrapCount", "90"); // not in the list
    F.DeleteWidthClick();
    F.SetText("WrapCount", "");
    F.DeleteWidthClick();
    EXPECT_EQ(1u, Messages.Messages.size());
    F.WrapCountExit(); // an empty box gets its number back
    EXPECT_EQ("90", F.Text("WrapCount"));

    F.SetText("WrapCount", "100");
    F.DeleteWidthClick(); // the last one: the up-down goes back to 80
    EXPECT_TRUE(F.WrapWidths().empty());
    EXPECT_EQ(80, F.Number("WrapCount"));
    F.Collect();
    EXPECT_EQ(80, Options.WrapCount);
}

TEST_F(OptionFormTest, PageButtonsFillTheirControls) {
    TOptionForm& F = Show();
    F.NowWidthClick();
    EXPECT_EQ(97, F.Number("WrapCount"));
    F.CurrentSizeClick();
    F.CurrentPosClick();
    EXPECT_EQ(640, F.Number("UserWindowSize_W"));
    EXPECT_EQ(480, F.Number("UserWindowSize_H"));
    EXPECT_EQ(11, F.Number("UserWindowPos_X"));
    EXPECT_EQ(22, F.Number("UserWindowPos_Y"));

    EXPECT_EQ("FixedSys(14)", F.FontText());
    F.FontClick(); // cancelled
    EXPECT_EQ("FixedSys(14)", F.FontText());
    EXPECT_EQ(50, Host.FontRequest.Left);
    Host.FontAnswer = true;
    F.FontClick();
    EXPECT_EQ("ＭＳ ゴシック(12)", F.FontText());

    F.SetText("IePath", "C:\\old\\iexplore.exe");
    Host.Files = {"C:\\new\\iexplore.exe", ""};
    F.BrowseClick("IePath");
    F.BrowseClick("NnPath");
    EXPECT_EQ("C:\\new\\iexplore.exe", F.Text("IePath"));
    EXPECT_EQ("Internet Explorer の実行ファイル", Host.OpenTitles[0]);
    EXPECT_EQ("IE実行ファイル(Iexplore.exe)|Iexplore.exe", Host.OpenRequests[0].Filter);
    EXPECT_EQ("C:\\old\\iexplore.exe", Host.OpenRequests[0].FileName);
    EXPECT_EQ("Netscape Navigator の実行ファイル", Host.OpenTitles[1]);
    EXPECT_EQ("", F.Text("NnPath"));
    F.Collect();
    EXPECT_EQ("ＭＳ ゴシック", Options.FontName);
    EXPECT_EQ(12, Options.FontSize);
    EXPECT_EQ("C:\\new\\iexplore.exe", Options.Browser.IePath);

    Options.NkfLoaded = true;
    EXPECT_EQ("(NKF32.DLL ON)", Show().NkfText());
    Options.NkfLoaded = false;
    EXPECT_EQ("", Show().NkfText());
}

TEST_F(OptionFormTest, ColourPage) {
    TOptionForm& F = Show();
    ASSERT_EQ(31u, F.ColorList().size());
    EXPECT_STREQ("カーソル行のアンダーライン", ColorRows[8].Caption);
    EXPECT_STREQ("Delphi キーワード", ColorRows[30].Caption);
    F.ColorPageShow();
    EXPECT_EQ(0, F.SelectedColorRow());
    EXPECT_EQ(clBlack, F.SwatchColor());
    EXPECT_FALSE(F.Enabled("KeywordBold"));
    EXPECT_FALSE(F.Enabled("KeywordEdit"));

    for (int Row : {14, 21, 24, 27, 30}) {
        F.SelectColorRow(Row);
        EXPECT_TRUE(F.Enabled("KeywordBold")) << Row;
        EXPECT_TRUE(F.Checked("KeywordBold")) << Row;
    }
    F.SelectColorRow(21);
    F.SetChecked("KeywordBold", false);
    F.SelectColorRow(1);
    EXPECT_FALSE(F.Checked("KeywordBold"));
    EXPECT_FALSE(F.Enabled("KeywordEdit"));
    Host.Colors = {clYellow};
    F.ColorClick();
    EXPECT_EQ("clYellow", F.ColorList()[1].Color);
    EXPECT_EQ(clYellow, F.SwatchColor());
    F.ColorClick(); // cancelled
    EXPECT_EQ("clYellow", F.ColorList()[1].Color);
    F.Collect();
    EXPECT_EQ(clYellow, Options.Colors.Bk);
    EXPECT_FALSE(Options.Cpp_KeyWord_Bold);
    EXPECT_TRUE(Options.Java_KeyWord_Bold);
}

TEST_F(OptionFormTest, ResetAllColours) {
    Options.Colors.Font = clRed;
    Options.Colors.Html_Tag = clLime;
    Options.Vb_KeyWord_Bold = false;
    TOptionForm& F = Show();
    F.SelectColorRow(27);
    EXPECT_FALSE(F.Checked("KeywordBold"));
    Messages.Answer = TMessageResult::mrCancel;
    F.ResetColorsClick();
    EXPECT_EQ("clRed", F.ColorList()[0].Color);
    Messages.Answer = TMessageResult::mrOk;
    F.ResetColorsClick();
    EXPECT_EQ("すべての色設定を初期状態へ戻します。", Messages.Messages.back().Text);
    EXPECT_EQ(TMessageButtons::mbOkCancel, Messages.Messages.back().Buttons);
    EXPECT_TRUE(F.Checked("KeywordBold"));
    F.Collect();
    const TOptionColors Defaults;
    EXPECT_EQ(Defaults.Font, Options.Colors.Font);
    EXPECT_EQ(Defaults.Html_Tag, Options.Colors.Html_Tag);
    EXPECT_EQ(Defaults.Link, Options.Colors.Link);
    EXPECT_TRUE(Options.Vb_KeyWord_Bold);
}

TEST_F(OptionFormTest, KeywordFileOpensInANewProcessOrIsReportedMissing) {
    TOptionForm& F = Show();
    F.SelectColorRow(30);
    F.KeywordEditClick();
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("キーワードファイル delphi.kwd が見当たりません。", Messages.Messages[0].Text);
    EXPECT_EQ(TMessageIcon::miError, Messages.Messages[0].Icon);
    EXPECT_TRUE(Opened.empty());

    Disk.SetFile("C:\\Zefnote\\perl.kwd", "print\r\n");
    F.SelectColorRow(14);
    F.KeywordEditClick();
    EXPECT_EQ((std::vector<std::string>{"C:\\Zefnote\\perl.kwd"}), Opened);
    F.SelectColorRow(13); // no keyword row: nothing
    F.KeywordEditClick();
    EXPECT_EQ(1u, Opened.size());
}

TEST_F(OptionFormTest, ToolPage) {
    TToolItem Grep{"grep", "C:\\grep.exe", "%f", "C:\\", 1, "Ctrl+G"};
    TToolItem Line{"-", "", "", "", 0, ""};
    TOptionForm& F = Show(0, {}, {Grep, Line});
    EXPECT_EQ(0, F.SelectedTool());
    EXPECT_EQ((std::vector<std::string>{"grep", "C:\\grep.exe", "%f", "C:\\", "確認メッセージを表示する", "Ctrl+G"}),
              ToolRowTexts(F.Tools()[0]));
    EXPECT_FALSE(F.Enabled("ToolUp"));
    EXPECT_TRUE(F.Enabled("ToolDown"));

    TToolItem Calc{"calc", "calc.exe", "", "", 2, ""};
    Host.ToolAnswers = {Calc};
    F.AddToolClick();
    ASSERT_EQ(3u, F.Tools().size());
    EXPECT_EQ("calc", F.Tools()[2].Title);
    EXPECT_EQ("", Host.ToolRequests[0].Title); // the dialog opens empty
    EXPECT_EQ(2, F.SelectedTool());
    EXPECT_FALSE(F.Enabled("ToolDown"));

    F.ToolUpClick();
    F.ToolUpClick();
    F.ToolUpClick(); // at the top: nothing
    EXPECT_EQ("calc", F.Tools()[0].Title);
    EXPECT_EQ("grep", F.Tools()[1].Title);
    EXPECT_EQ(0, F.SelectedTool());
    F.ToolDownClick();
    EXPECT_EQ("calc", F.Tools()[1].Title);

    F.SelectTool(0);
    Host.ToolAnswers = {TToolItem{"egrep", "C:\\egrep.exe", "", "", 0, ""}};
    F.EditToolClick();
    EXPECT_EQ("grep", Host.ToolRequests[1].Title);
    EXPECT_EQ("egrep", F.Tools()[0].Title);
    F.EditToolClick(); // cancelled: unchanged
    EXPECT_EQ("egrep", F.Tools()[0].Title);

    F.SelectTool(2);
    Messages.Answer = TMessageResult::mrNo;
    F.DeleteToolClick();
    EXPECT_EQ(3u, F.Tools().size());
    EXPECT_EQ("削除してよろしいですか？", Messages.Messages.back().Text);
    EXPECT_EQ(TMessageButtons::mbYesNo, Messages.Messages.back().Buttons);
    EXPECT_EQ(TMessageIcon::miQuestion, Messages.Messages.back().Icon);
    Messages.Answer = TMessageResult::mrYes;
    F.DeleteToolClick(); // the last row: its upper neighbour is selected
    EXPECT_EQ(2u, F.Tools().size());
    EXPECT_EQ(1, F.SelectedTool());
    F.DeleteToolClick();
    F.DeleteToolClick();
    EXPECT_TRUE(F.Tools().empty());
    EXPECT_EQ(-1, F.SelectedTool());
    EXPECT_FALSE(F.Enabled("ToolDelete"));
}
