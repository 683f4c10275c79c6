// What a derived control or row list can change by overriding: the delimiters of the
// column map (and so where word break cuts), the cutting of lines when all rows are cut
// again, the scrolling of the client area, the caret's pixel position and the underline.
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "support/fake_row_list_view.h"
#include "support/headless_editor.h"

#include <gtest/gtest.h>

namespace {

// A control for which the hyphen joins words.
class THyphenWordsEditor : public TEditor {
public:
    using TEditor::TEditor;

protected:
    void InitDelimiters(TDelimiterSet& Set) override { Set.Set('-', false); }
};

struct THyphenDoc {
    THeadlessTextViewHost Host;
    THeadlessCanvasMetrics Metrics;
    THyphenWordsEditor E{&Host, nullptr, &Metrics};
};

// A row list that cuts every line it is asked to cut (those of at least WrapByte columns)
// into rows of ten bytes.
class TTenByteRows : public TEditorScreenStrings {
public:
    void WrapText(const std::string& Text, TEditorStringList& Dest) override {
        ++WrapCalls;
        Dest.Clear();
        for (std::size_t I = 0; I < Text.size(); I += 10)
            Dest.AddRow(Text.substr(I, 10), I + 10 < Text.size() ? TEditorRowAttribute::raWrapped
                                                                 : TEditorRowAttribute::raCrlf);
    }
    int CountWrapRows(const std::string& Line) override {
        ++CountCalls;
        return Line.size() < 20 ? 1 : static_cast<int>((Line.size() + 9) / 10);
    }
    int WrapCalls = 0, CountCalls = 0;
};

std::string RowsOf(TEditorScreenStrings& L) {
    std::string S;
    for (int R = 0; R < L.Count(); ++R)
        S += (R ? "|" : "") + L.Get(R);
    return S;
}

// A control that scrolls by itself, places its caret one pixel lower and draws its
// underline two pixels lower than its own rules say.
class TRecordingEditor : public TEditor {
public:
    using TEditor::TEditor;
    void CaretPixelPos(int& X, int& Y) const override {
        TEditor::CaretPixelPos(X, Y);
        ++Y;
    }
    int UnderlineY(int Row) const override {
        int Y = TEditor::UnderlineY(Row);
        return Y < 0 ? Y : Y + 2;
    }
    std::vector<std::string> Scrolls;

protected:
    void ScrollClient(int DX, int DY, const TRect& Rect) override {
        Scrolls.push_back(std::to_string(DX) + "," + std::to_string(DY) + "@" +
                          std::to_string(Rect.Top));
        TEditor::ScrollClient(DX, DY, Rect);
    }
};

} // namespace

TEST(EditorHooks, TheControlsDelimitersDecideWhereWordBreakCuts) {
    const std::string Line = "abcdefghij-klmnopqrstuvwxyz";
    {
        THeadlessEditor D;
        D->WrapOption().SetWrapByte(20);
        D->WrapOption().SetWordBreak(true);
        D->SetWordWrap(true);
        D.Load(Line);
        EXPECT_EQ(D.Rows(), "abcdefghij-|1 klmnopqrstuvwxyz|2");
        EXPECT_EQ(D->RowMap(0)[10], '2');
    }
    THyphenDoc H;
    H.E.WrapOption().SetWrapByte(20);
    H.E.WrapOption().SetWordBreak(true);
    H.E.SetWordWrap(true);
    H.E.Lines().SetText(Line);
    TEditorScreenStrings& L = H.E.RowList();
    EXPECT_EQ(RowsOf(L), "abcdefghij-klmnopqrs|tuvwxyz") << "one word: cut at the margin";
    EXPECT_EQ(H.E.RowMap(0), std::string(20, '1')) << "the hyphen maps as a letter";
    // An edit cuts its line again with the same delimiters.
    H.E.SetRowCol(0, 0);
    H.E.KeyPress('Z');
    EXPECT_EQ(RowsOf(L), "Zabcdefghij-klmnopqr|stuvwxyz");
}

TEST(EditorHooks, CuttingAllRowsGoesThroughTheRowListsOwnCutting) {
    TTenByteRows* List = new TTenByteRows;
    TFakeRowListView View{List};
    TEditorStrings Lines{View};
    List->WrapOption().SetWrapByte(20);
    Lines.SetText(std::string(25, 'a') + "\r\nshort\r\n" + std::string(20, 'b') + "\r\n");
    List->SetWordWrap(true);
    EXPECT_EQ(RowsOf(*List), std::string(10, 'a') + "|" + std::string(10, 'a') + "|aaaaa|short|" +
                                 std::string(10, 'b') + "|" + std::string(10, 'b'));
    EXPECT_EQ(List->WrapCalls, 2) << "lines narrower than WrapByte need no cutting";
    EXPECT_GT(List->CountCalls, 0);

    // Nothing changes the counts: the rows stay as they are, without cutting any line.
    List->WrapCalls = 0;
    List->WrapAll();
    EXPECT_EQ(List->WrapCalls, 0);
    EXPECT_EQ(List->Count(), 6);
    // A changed rule cuts everything again, through the same override.
    List->WrapOption().SetWrapByte(30);
    EXPECT_EQ(List->WrapCalls, 2);
    EXPECT_EQ(List->Count(), 6);
}

TEST(EditorHooks, ScrollingTheCaretAndTheUnderlineGoThroughOverrides) {
    THeadlessTextViewHost Host;
    THeadlessCanvasMetrics Metrics;
    Host.OnSetFocus = [] {};
    TRecordingEditor E(&Host, nullptr, &Metrics);
    Host.HasFocus = true;
    E.FocusGained();
    std::string Text;
    for (int I = 0; I < 100; ++I)
        Text += std::string(200, 'x') + "\r\n";
    E.Lines().SetText(Text);
    E.SetTopRow(3);
    ASSERT_EQ(E.Scrolls.size(), 1u);
    EXPECT_EQ(E.Scrolls[0],
              "0," + std::to_string(-3 * E.RowHeight()) + "@" + std::to_string(E.Margin().Top()));
    // An edit that adds a row moves the rows below it through the same operation.
    E.SetRowCol(4, 6);
    E.KeyPress('\r');
    ASSERT_EQ(E.Scrolls.size(), 2u);
    EXPECT_EQ(E.Scrolls[1].find("0," + std::to_string(E.RowHeight()) + "@"), 0u) << E.Scrolls[1];
    E.SetTopCol(5);
    ASSERT_EQ(E.Scrolls.size(), 3u);
    EXPECT_EQ(E.Scrolls[2],
              std::to_string(-5 * E.CharWidth()) + ",0@" + std::to_string(E.Margin().Top()));

    int X = 0, Y = 0;
    E.CaretPixelPos(X, Y);
    EXPECT_EQ(Host.CaretY, Y) << "the platform caret stands where the override says";

    E.Marks().Underline().SetVisible(true);
    Host.ClearLog();
    E.SetRowCol(6, 6);
    int Expected = E.UnderlineY(6);
    ASSERT_GT(Expected, 0);
    bool Found = false;
    for (const TRect& R : Host.Invalidated)
        Found = Found || (R.Top == Expected && R.Bottom == Expected + 1);
    EXPECT_TRUE(Found) << "the underline is drawn at the override's y";
}
