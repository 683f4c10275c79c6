#include "app/main_form_test_support.h"
#include "editor/editor_strings.h"
#include "search/search_commands.h"
#include "search/search_dialogs.h"
#include "search/search_forms.h"

#include <deque>
#include <functional>

namespace {

// Dialogs answered by the test: each Execute runs the set script (cancel without one).
class TScriptedSearchDialogs : public TSearchDialogs {
public:
    std::function<bool(TFormSearch&)> Find;
    std::function<TReplaceDialogResult(TFormReplace&)> Replace;
    std::function<bool(TFormJump&)> Jump;
    std::deque<TReplaceAnswer> Answers;
    int FindShown = 0, Confirms = 0;
    int ShownDirection = -1;

    bool ExecuteFind(TFormSearch& Form) override {
        ++FindShown;
        ShownDirection = Form.Direction;
        return Find && Find(Form);
    }
    TReplaceDialogResult ExecuteReplace(TFormReplace& Form) override {
        return Replace ? Replace(Form) : TReplaceDialogResult::rdCancel;
    }
    bool ExecuteJump(TFormJump& Form) override { return Jump && Jump(Form); }
    TReplaceAnswer ConfirmReplace(int, int, int) override {
        ++Confirms;
        if (Answers.empty()) return TReplaceAnswer::raCancel;
        TReplaceAnswer A = Answers.front();
        if (Answers.size() > 1) Answers.pop_front();
        return A;
    }
};

struct SearchFixture : MainFormFixture {
    TScriptedSearchDialogs Dialogs;
    std::unique_ptr<TSearchCommands> Search;

    void Start(const std::string& Text) {
        Create();
        Headless.Load(Text);
        Search = std::make_unique<TSearchCommands>(
            TSearchServices{*Form, Editor, Host, Messages, Dialogs});
    }
    // The find dialog answered with Text, direction Direction (-1: as shown).
    void FindAnswer(const std::string& Text, int Direction = -1, bool Esc = false) {
        Dialogs.Find = [=](TFormSearch& F) {
            F.Text = Text;
            if (Direction >= 0) F.Direction = Direction;
            F.Esc = Esc;
            F.btOKClick();
            return true;
        };
    }
    void ReplaceAnswer(const std::string& From, const std::string& To, bool All, int Direction,
                       bool Confirm = false) {
        Dialogs.Replace = [=](TFormReplace& F) {
            F.Text = From;
            F.ReplaceText = To;
            F.Direction = Direction;
            F.ReplaceConfirm = Confirm;
            if (All) {
                F.btAllClick();
                return TReplaceDialogResult::rdAll;
            }
            F.btOKClick();
            return TReplaceDialogResult::rdOk;
        };
    }
    std::string Text() { return Editor.Lines().Text(); }
};

} // namespace

TEST_F(SearchFixture, FindSelectsTheMatchAndF3FindsTheNext) {
    Start("one two\r\ntwo three two\r\n");
    FindAnswer("two");
    Choose("Find2");
    EXPECT_EQ(Editor.SelStart(), 4);
    EXPECT_EQ(Editor.SelText(), "two");
    Choose("mFindDown");
    EXPECT_EQ(Editor.SelStart(), 9);
    Choose("mFindDown");
    EXPECT_EQ(Editor.SelStart(), 19);
    EXPECT_EQ(Host.Beeps, 0);
    Choose("mFindDown");
    EXPECT_EQ(Host.Beeps, 1);
    EXPECT_EQ(Editor.SelStart(), 19);
    Choose("mFindUp");
    EXPECT_EQ(Editor.SelStart(), 9);
    EXPECT_EQ(Dialogs.FindShown, 1);
}

TEST_F(SearchFixture, OptionsWordFromTheBoxes) {
    Start("Word");
    Dialogs.Find = [](TFormSearch& F) {
        F.Text = "word";
        F.MatchCase = true;
        F.WholeWord = true;
        F.Direction = 1;
        F.btOKClick();
        return true;
    };
    Choose("Find2");
    EXPECT_EQ(Search->LastSearchOptions,
              TSearchOption::soDown | TSearchOption::soMatchCase | TSearchOption::soWholeWord);
    EXPECT_EQ(Host.Beeps, 1); // matching case, "word" is not there
    EXPECT_EQ(Ini_("SearchOptions", "MatchCase"), "1");
    EXPECT_EQ(Ini_("SearchOptions", "Direction"), "1");
    EXPECT_EQ(Ini_("SearchText", "Item0"), "%word%");
}

TEST_F(SearchFixture, RepeatCommandsAfterFindUpward) {
    Start("ab ab ab ab");
    Editor.SetSelStart(8);
    FindAnswer("ab", 0);
    Choose("Find2");
    EXPECT_EQ(Editor.SelStart(), 6);
    Choose("mFindDown");
    EXPECT_EQ(Editor.SelStart(), 9);
    EXPECT_EQ(Ini_("SearchOptions", "Direction"), "0");
    Choose("mFindUp");
    EXPECT_EQ(Editor.SelStart(), 6);
    Choose("mFindUp");
    EXPECT_EQ(Editor.SelStart(), 3);
}

TEST_F(SearchFixture, RepeatWithoutAnySearchOpensTheDialogInItsDirection) {
    Start("abc");
    Choose("mFindDown");
    EXPECT_EQ(Dialogs.ShownDirection, 1);
    Choose("mFindUp");
    EXPECT_EQ(Dialogs.ShownDirection, 0);
    EXPECT_EQ(Dialogs.FindShown, 2);
    // A cancelled dialog leaves the search empty; the next F3 reads the file's newest.
    EXPECT_EQ(Search->LastSearchText, "");
    EXPECT_EQ(Search->LastSearchOptions, TSearchOptions());
    Ini.WriteString("SearchText", "ItemCount", "1");
    Ini.WriteString("SearchText", "Item0", "%bc%");
    Choose("mFindDown");
    EXPECT_EQ(Dialogs.FindShown, 2);
    EXPECT_EQ(Editor.SelText(), "bc");
}

TEST_F(SearchFixture, DialogStartsFromTheSelectionOrTheHistory) {
    Start("a\tb c");
    Ini.WriteString("SearchText", "ItemCount", "1");
    Ini.WriteString("SearchText", "Item0", "% old %");
    TFormSearch Form(Ini, Messages);
    Form.Show(Editor, -1);
    EXPECT_EQ(Form.Text, " old ");
    Editor.SelectAll();
    Form.Show(Editor, -1);
    EXPECT_EQ(Form.Text, "a\\tb c");
    EXPECT_TRUE(Form.Esc);
    // Deleting the history asks first.
    Messages.Answer = TMessageResult::mrCancel;
    EXPECT_FALSE(Form.btSchHisDelClick());
    EXPECT_EQ(Ini_("SearchText", "ItemCount"), "1");
    Messages.Answer = TMessageResult::mrOk;
    EXPECT_TRUE(Form.btSchHisDelClick());
    EXPECT_EQ(Messages.Messages.back().Text, "すべての検索履歴を削除します。");
    EXPECT_EQ(Ini_("SearchText", "ItemCount"), "?");
    EXPECT_TRUE(Form.Items.empty());
    EXPECT_FALSE(Form.OkEnabled());
    EXPECT_FALSE(Form.SearchHistoryDeleteEnabled());
}

TEST_F(SearchFixture, EscapedPatternFindsAcrossALineBreak) {
    Start("xa\r\nbx");
    FindAnswer("a\\nb", -1, true);
    Choose("Find2");
    EXPECT_EQ(Editor.SelStart(), 1);
    EXPECT_EQ(Editor.SelLength(), 4);
}

TEST_F(SearchFixture, FoundRowScrolledToAThirdFromTheTop) {
    std::string Text;
    for (int I = 0; I < 200; ++I) Text += (I == 40 || I == 72 ? "hit" : "row") + std::string("\r\n");
    Start(Text);
    const int V = Editor.VisibleRows();
    ASSERT_GT(V, 10);
    Editor.SetTopRow(30);
    Editor.SetRowCol(30, 0);
    FindAnswer("hit");
    Choose("Find2"); // row 40: in the middle of the view
    EXPECT_EQ(Editor.Row(), 40);
    EXPECT_EQ(Editor.TopRow(), 30);
    Editor.SetTopRow(72 - V + 2);
    Choose("mFindDown"); // row 72: near the bottom
    EXPECT_EQ(Editor.Row(), 72);
    EXPECT_EQ(Editor.TopRow(), 72 - V / 3);
}

TEST_F(SearchFixture, ReplaceAllGrowingMatchesBothWays) {
    Start("aaa");
    ReplaceAnswer("a", "aa", true, 1);
    Choose("N7");
    EXPECT_EQ(Text(), "aaaaaa");
    EXPECT_EQ(Host.Beeps, 1);
    Start("aaa");
    Editor.SetSelStart(3);
    ReplaceAnswer("a", "aa", true, 0);
    Choose("N7");
    EXPECT_EQ(Text(), "aaaaaa");
    // One undo step per replacement.
    Editor.Undo();
    EXPECT_EQ(Text(), "aaaaa");
}

// The caret cannot reach past the view's horizontal extent on an unwrapped row: a match
// there cannot be selected, and replacing would hit whatever the selection holds instead.
// The run stops with a beep and leaves the text as it was from that match on.
TEST_F(SearchFixture, MatchBeyondTheReachableColumnsEndsTheRun) {
    const std::string Long = std::string(20000, 'a') + "xyz";
    Start("xyz\r\n" + Long + "\r\nxyz");
    ASSERT_FALSE(Editor.WordWrap());
    ReplaceAnswer("xyz", "q", true, 1);
    Choose("N7");
    EXPECT_EQ(Text(), "q\r\n" + Long + "\r\nxyz");
    EXPECT_EQ(Host.Beeps, 1);
    // Find next stops there too instead of selecting something else.
    Editor.SetSelStart(0);
    Editor.SetSelLength(0);
    FindAnswer("xyz", 1);
    Choose("Find2");
    EXPECT_EQ(Editor.SelLength(), 0);
    EXPECT_EQ(Host.Beeps, 2);
}

TEST_F(SearchFixture, ReplaceOnceStartsAtTheSelection) {
    Start("xx yy xx");
    Editor.SetSelStart(0);
    Editor.SetSelLength(2);
    ReplaceAnswer("xx", "Z", false, 1);
    Choose("N7");
    EXPECT_EQ(Text(), "Z yy xx");
    EXPECT_EQ(Search->LastSearchOptions, TSearchOption::soDown | TSearchOption::soReplaceOne);
}

TEST_F(SearchFixture, ConfirmationAnswers) {
    Start("b b b");
    ReplaceAnswer("b", "c", true, 1, true);
    Dialogs.Answers = {TReplaceAnswer::raNo};
    Choose("N7");
    EXPECT_EQ(Text(), "b b b");
    EXPECT_EQ(Dialogs.Confirms, 3);
    EXPECT_EQ(Editor.SelStart(), 4); // the last match stays selected

    Editor.SetSelStart(0);
    Dialogs.Confirms = 0;
    Dialogs.Answers = {TReplaceAnswer::raNo, TReplaceAnswer::raAll};
    Choose("N7");
    EXPECT_EQ(Text(), "b c c");
    EXPECT_EQ(Dialogs.Confirms, 2);

    Editor.SetSelStart(0);
    Dialogs.Confirms = 0;
    Dialogs.Answers = {TReplaceAnswer::raYes, TReplaceAnswer::raCancel};
    ReplaceAnswer("c", "d", true, 1, true);
    Choose("N7");
    EXPECT_EQ(Text(), "b d c");
    EXPECT_EQ(Dialogs.Confirms, 2);
}

TEST_F(SearchFixture, EmptyReplacementDeletesWithoutEnteringTheHistory) {
    Start("a-b-c\r\nd-");
    ReplaceAnswer("-", "", true, 1);
    Choose("N7");
    EXPECT_EQ(Text(), "abc\r\nd");
    EXPECT_EQ(Ini_("ReplaceText", "ItemCount"), "?");
    EXPECT_EQ(Ini_("SearchText", "Item0"), "%-%");
    EXPECT_EQ(Ini_("SearchOptions", "ReplaceConfirm"), "0");
    // Escapes in the replacement: line breaks joined by a space.
    Dialogs.Replace = [](TFormReplace& F) {
        F.Text = "\\n";
        F.ReplaceText = " ";
        F.Esc = true;
        F.ReplaceConfirm = false;
        F.btAllClick();
        return TReplaceDialogResult::rdAll;
    };
    Editor.SetSelStart(0);
    Choose("N7");
    EXPECT_EQ(Text(), "abc d");
}

TEST_F(SearchFixture, CancelledReplaceClearsTheLastSearch) {
    Start("abc");
    Search->LastSearchText = "x";
    Search->LastSearchOptions = TSearchOption::soDown;
    Choose("N7");
    EXPECT_EQ(Search->LastSearchText, "");
    EXPECT_EQ(Search->LastReplaceText, "");
    EXPECT_EQ(Search->LastSearchOptions, TSearchOptions());
}

TEST_F(SearchFixture, GoToLineLimits) {
    int Answer = 0;
    Dialogs.Jump = [&](TFormJump& F) {
        F.Text = std::to_string(Answer);
        return true;
    };
    Start("one\r\ntwo\r\n");
    Answer = 3; // the empty row after the final line break
    Choose("mRowJmp");
    EXPECT_EQ(Editor.Row(), 2);
    EXPECT_EQ(Host.Beeps, 0);
    Answer = 4;
    Choose("mRowJmp");
    Answer = 0;
    Choose("mRowJmp");
    EXPECT_EQ(Host.Beeps, 2);
    EXPECT_EQ(Editor.Row(), 2);
    Answer = 1;
    Editor.SetRowCol(1, 2);
    Choose("mRowJmp");
    EXPECT_EQ(Editor.Row(), 0);
    EXPECT_EQ(Editor.Col(), 0);

    Start("");
    Answer = 1;
    Choose("mRowJmp");
    EXPECT_EQ(Host.Beeps, 2);
    Answer = 2;
    Choose("mRowJmp");
    EXPECT_EQ(Host.Beeps, 3);
    // The dialog offers the caret's row, and no number reads as 0.
    TFormJump Form(7);
    EXPECT_EQ(Form.Text, "7");
    Form.Text = "x1";
    EXPECT_EQ(Form.Number(), 0);
}
