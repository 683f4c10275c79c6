// The conversion commands driven through the window model: shortcuts and menus, the
// submenus' enabling, and the Tab and Return keys the window takes from the editor.
#include "app/transforms.h"
#include "main_form_test_support.h"

namespace {

struct TransformFixture : MainFormFixture {
    void SetUp() override { Create(); }
    void Load(const std::string& Text) { Headless.Load(Text); }
    void Select(int Start, int Length) {
        Editor.SetSelStart(Start);
        Editor.SetSelLength(Length);
    }
    bool Key(const char* ShortCut) { return Form->ShortCut(TextToShortCut(ShortCut)); }
    std::string Text() { return Editor.Lines().Text(); }
    TMenuItem& Popup(const char* Name) { return *Form->PopupMenu().Find(Name); }
    // Opens the context menu and its conversion submenu as the window does.
    void OpenContextHenkan() {
        Form->PopupMenu().Popup();
        Popup("pHenkan").Popup();
    }
};

} // namespace

TEST(Transforms, CaseChangesOnlyAsciiLettersAndNeverATrailByte) {
    // ア ends in 0x41 ('A') and ヂ in 0x61 ('a').
    EXPECT_EQ("Aヂ漢B", CodePageUpperCase("aヂ漢b"));
    EXPECT_EQ("aア字b", CodePageLowerCase("Aア字B"));
    EXPECT_EQ("ｱ\x81", CodePageUpperCase("ｱ\x81"));
}

TEST(Transforms, QuotedTextEndsWithALineBreakOnlyWhenTheClipDoes) {
    EXPECT_EQ("> a\r\n> b\r\n", QuotedText("a\r\nb\r\n", "> "));
    EXPECT_EQ("> a\r\n> b", QuotedText("a\r\nb", "> "));
    EXPECT_EQ(">a\r\n>\r\n>b\r\n", QuotedText("a\r\rb\n", ">"));
    EXPECT_EQ("", QuotedText("", "> "));
}

TEST(Transforms, LeadingBlanksStopAtTheLimitAndTheFirstOtherByte) {
    EXPECT_EQ(3, LeadingBlankBytes("  \tx", 4));
    EXPECT_EQ(1, LeadingBlankBytes("  \tx", 1));
    EXPECT_EQ(3, LeadingBlankBytes("\x81\x40 x", 9));
    EXPECT_EQ(0, LeadingBlankBytes("\x81\x41 ", 9));
}

TEST_F(TransformFixture, UpperCaseFromTheMenuKeepsKanjiAndSelectsTheResult) {
    Load("xx abc漢字ア def yy");
    Select(3, 14);
    Choose("mUpper");
    EXPECT_EQ("xx ABC漢字ア DEF yy", Text());
    EXPECT_EQ(3, Editor.SelStart());
    EXPECT_EQ("ABC漢字ア DEF ", Editor.SelText());
    EXPECT_TRUE(Key("Ctrl+L"));
    EXPECT_EQ("xx abc漢字ア def yy", Text());
    // One undo step brings back the upper case.
    Key("Ctrl+Z");
    EXPECT_EQ("xx ABC漢字ア DEF yy", Text());
    EXPECT_EQ(0, Host.Beeps);
}

TEST_F(TransformFixture, DeletingLineBreaksJoinsThreeLinesAndReselects) {
    Load("one\r\ntwo\r\nthree\r\nfour");
    Select(1, 11); // "ne", "two", "th"
    EXPECT_TRUE(Key("Shift+Ctrl+T"));
    EXPECT_EQ("onetwothree\r\nfour", Text());
    EXPECT_EQ(1, Editor.SelStart());
    EXPECT_EQ(7, Editor.SelLength());
    EXPECT_EQ("netwoth", Editor.SelText());
    Key("Ctrl+Z");
    EXPECT_EQ("one\r\ntwo\r\nthree\r\nfour", Text());
    // A selection that is only a line break is removed, not left in place.
    Select(3, 2);
    Key("Shift+Ctrl+T");
    EXPECT_EQ("onetwo\r\nthree\r\nfour", Text());
    EXPECT_EQ(0, Editor.SelLength());
    EXPECT_EQ(0, Host.Beeps);
}

TEST_F(TransformFixture, WidthCommandsStopAboveTenThousandBytes) {
    Load("ＡＢＣ１２３ｶﾞ");
    Select(0, 14);
    EXPECT_TRUE(Key("Ctrl+H"));
    EXPECT_EQ("ABC123ｶﾞ", Text());
    EXPECT_EQ(8, Editor.SelLength());
    Choose("mZenkaku");
    EXPECT_EQ("ＡＢＣ１２３ガ", Text());
    EXPECT_EQ(14, Editor.SelLength());

    // 100 lines of 98 letters, then one more letter: 10 001 bytes.
    std::string Long;
    for (int I = 0; I < 100; ++I) Long += std::string(98, 'a') + "\r\n";
    Long += "a";
    Load(Long);
    Select(0, 10001);
    OpenContextHenkan();
    EXPECT_FALSE(Popup("pZenkaku").Enabled);
    EXPECT_TRUE(Popup("pUpper").Enabled);
    Key("Shift+Ctrl+H");
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_TRUE(Text() == Long);
    EXPECT_FALSE(Editor.CanUndo());
    Select(1, 10000);
    Key("Shift+Ctrl+H");
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_EQ(19801, Editor.GetTextLen());
    EXPECT_EQ(19800, Editor.SelLength());
}

TEST_F(TransformFixture, SubmenuFollowsBoxModeLineBreaksAndWrapSettings) {
    Load("ab\r\ncd\r\nef");
    Select(0, 2);
    OpenContextHenkan();
    EXPECT_TRUE(Popup("pLower").Enabled);
    EXPECT_TRUE(Popup("pDelRet").Enabled);
    EXPECT_FALSE(Popup("pIndent").Enabled);
    EXPECT_FALSE(Popup("pWorpRet").Enabled);
    EXPECT_EQ("TAB 逆インデント(&A)\tShift+Tab", Popup("pUnTabIndent").Caption);
    // The indent shortcuts act only where the submenu would allow them.
    Key("Shift+Ctrl+I");
    EXPECT_EQ(1, Host.Beeps);
    EXPECT_EQ("ab\r\ncd\r\nef", Text());

    Form->Options().WordWrap = true;
    Select(1, 4);
    Item("Edit1").Popup();
    Item("mHenkan").Popup();
    EXPECT_TRUE(Item("mIndent").Enabled);
    EXPECT_TRUE(Item("mWorpRet").Enabled);
    Form->Options().FollowRetMark = false;
    Item("mHenkan").Popup();
    EXPECT_FALSE(Item("mWorpRet").Enabled);

    Editor.SetSelLength(0);
    Editor.SetRowCol(0, 0);
    Editor.ToggleBoxMode();
    Headless.Key(vkDown, TShiftState::ssShift);
    Headless.Key(vkRight, TShiftState::ssShift);
    ASSERT_TRUE(Editor.BoxMode());
    ASSERT_GT(Editor.SelLength(), 0);
    Item("mHenkan").Popup();
    EXPECT_FALSE(Item("mUpper").Enabled);
    EXPECT_FALSE(Item("mHankaku").Enabled);
    EXPECT_FALSE(Item("mDelRet").Enabled);
    Key("Ctrl+L");
    EXPECT_EQ(2, Host.Beeps);
}

TEST_F(TransformFixture, SpaceIndentAndWrapToReturnsFromTheirShortcuts) {
    Load("ab\r\ncd\r\nef");
    Select(1, 4);
    Key("Shift+Ctrl+I");
    EXPECT_EQ(" ab\r\n cd\r\nef", Text());
    Key("Shift+Ctrl+U");
    EXPECT_EQ("ab\r\ncd\r\nef", Text());

    Form->Options().WordWrap = true;
    Editor.SetWordWrap(true);
    Editor.WrapOption().SetWrapByte(20);
    Load(std::string(30, 'x') + "\r\nnext");
    ASSERT_EQ(TEditorRowAttribute::raWrapped, Editor.RowAttribute(0));
    std::string Expected;
    for (int Row = 0; Row + 1 < Editor.RowCount(); ++Row) Expected += Editor.RowString(Row) + "\r\n";
    Select(2, 30);
    Key("Ctrl+T");
    EXPECT_EQ(Expected + "next", Text());
    EXPECT_EQ(0, Host.Beeps);
}

TEST_F(TransformFixture, QuotedPasteFollowsTheClipsFinalLineBreakAndThePrefix) {
    Load("X");
    Editor.SetSelStart(1);
    Clipboard.SetForeignText("a\r\nb\r\n");
    EXPECT_TRUE(Key("Ctrl+Q"));
    EXPECT_EQ("X> a\r\n> b\r\n", Text());
    Key("Ctrl+Z");
    EXPECT_EQ("X", Text());
    Clipboard.SetForeignText("a\r\nb");
    Choose("mInyouPaste");
    EXPECT_EQ("X> a\r\n> b", Text());

    // A clip whose lines end with bare LF keeps its final line break too.
    Load("");
    Clipboard.SetForeignText("a\nb\n");
    Key("Ctrl+Q");
    EXPECT_EQ("> a\r\n> b\r\n", Text());

    Clipboard.Empty();
    Key("Ctrl+Q");
    EXPECT_EQ(1, Host.Beeps);
}

TEST_F(TransformFixture, QuotedPastePrefixComesFromTheSettingsWithoutItsDelimiters) {
    Ini.WriteString("Option", "PasteInyouhu", "%>%");
    Form->LoadSettings();
    Load("");
    Clipboard.SetForeignText("q");
    Key("Ctrl+Q");
    EXPECT_EQ(">q", Text());
}

TEST_F(TransformFixture, TabReplacesAOneLineSelectionAndIndentsAMultiLineOne) {
    Load("abcdef\r\nghi\r\njkl");
    Select(2, 2);
    Type("\t");
    EXPECT_EQ("ab\tef\r\nghi\r\njkl", Text());
    Select(4, 6); // from "ef" into "ghi"
    Type("\t");
    EXPECT_EQ("\tab\tef\r\n\tghi\r\njkl", Text());
    // The indented lines stay selected: Shift+Tab takes the tabs away again.
    Host.Shift = true;
    Type("\t");
    EXPECT_EQ("ab\tef\r\nghi\r\njkl", Text());
    // Shift makes no difference inside one line.
    Select(0, 1);
    Type("\t");
    EXPECT_EQ("\tb\tef\r\nghi\r\njkl", Text());
}

TEST_F(TransformFixture, ReturnCopiesTheLinesBlanksUpToTheCaret) {
    // AutoIndent is off: only Shift+Return indents.
    Load("  \tx");
    Editor.SetSelStart(4);
    Type("\r");
    EXPECT_EQ("  \tx\r\n", Text());
    Load("  \tx");
    Editor.SetSelStart(4);
    Host.Shift = true;
    Type("\r");
    EXPECT_EQ("  \tx\r\n  \t", Text());
    Load("  \tx");
    Editor.SetSelStart(1);
    Type("\r");
    EXPECT_EQ(" \r\n  \tx", Text());
    Host.Shift = false;

    // AutoIndent on: plain Return indents, never from the very start of the line.
    Form->Options().AutoIndent = true;
    Load("\x81\x40 y");
    Editor.SetSelStart(4);
    Type("\r");
    EXPECT_EQ("\x81\x40 y\r\n\x81\x40 ", Text());
    Load("  \tx");
    Type("\r");
    EXPECT_EQ("\r\n  \tx", Text());
    Key("Ctrl+Z");
    EXPECT_EQ("  \tx", Text());
}

TEST_F(TransformFixture, CtrlEnterDeletesOnlyTheCaretsScreenRow) {
    Editor.SetWordWrap(true);
    Editor.WrapOption().SetWrapByte(20);
    Load(std::string(20, 'a') + std::string(10, 'b') + "\r\nnext");
    ASSERT_EQ(TEditorRowAttribute::raWrapped, Editor.RowAttribute(0));
    std::string Expected = Text();
    Expected.erase(Editor.RowString(0).size(), Editor.RowString(1).size());
    Editor.SetRowCol(1, 3);
    EXPECT_TRUE(Key("Ctrl+Enter"));
    EXPECT_EQ(Expected, Text());
    Key("Ctrl+Z");
    EXPECT_EQ(std::string(20, 'a') + std::string(10, 'b') + "\r\nnext", Text());
}
