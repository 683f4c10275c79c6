// Typing, Return, Tab, Backspace and Delete; replacing the selection; the clipboard and
// box paste; input-method results; dragging the selection; rows; undo; read-only.
#include "support/headless_editor.h"

#include <gtest/gtest.h>

TEST(EditorEdit, FreeCaretBeyondTheTextFillsWithSpaces) {
    THeadlessEditor D;
    D.Load("ab\r\ncd");
    D->SetCol(5);
    EXPECT_EQ(D.Pos(), "0,5");
    D.Type("x");
    EXPECT_EQ(D.Text(), "ab   x\r\ncd");
    EXPECT_EQ(D.Pos(), "0,6");
    D->Undo();
    D->SetRowCol(0, 5);
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "ab   cd") << "Delete beyond the end joins after filling spaces";
    EXPECT_EQ(D.Pos(), "0,5");
    D->SetRowCol(0, 9);
    D.Type("\b");
    EXPECT_EQ(D.Pos(), "0,8") << "Backspace beyond the text only moves";
    EXPECT_EQ(D.Text(), "ab   cd");
}

TEST(EditorEdit, OverwriteCountsColumns) {
    THeadlessEditor D;
    D->SetOverwrite(true);
    D.Load("aあb\r\n\tz");
    D.Type("xy");
    EXPECT_EQ(D.Text(), "xy b\r\n\tz") << "the second half of a covered あ becomes a space";
    D->Caret().SetTabSpaceCount(4);
    D->SetRowCol(1, 0);
    D.Type("q");
    EXPECT_EQ(D.Text(), "xy b\r\nq\tz") << "a wide tab only narrows";
    D->SetRowCol(0, 3);
    D.Type("123");
    EXPECT_EQ(D.Text(), "xy 123\r\nq\tz");
    D.Type("\r");
    EXPECT_EQ(D.Pos(), "1,0") << "Return in overwrite mode only moves";
    EXPECT_EQ(D.Text(), "xy 123\r\nq\tz");

    THeadlessEditor W; // overwriting runs on into the next row of a wrapped line
    W->SetOverwrite(true);
    W->WrapOption().SetWrapByte(20);
    W->SetWordWrap(true);
    W.Load(std::string(19, 'a') + "bcd");
    ASSERT_EQ(W->RowList().Count(), 2);
    W->SetRowCol(0, 18);
    W.Type("XYZ");
    EXPECT_EQ(W->Lines().Get(0), std::string(18, 'a') + "XYZd");
}

TEST(EditorEdit, BackspaceOverCharactersTabsAndWraps) {
    THeadlessEditor D;
    D.Load("a\tb\r\nあい");
    D->SetRowCol(0, 8);
    D.Type("\b");
    EXPECT_EQ(D.Text(), "ab\r\nあい") << "just after a tab the tab goes";
    D->SetRowCol(1, 4);
    D.Type("\b");
    EXPECT_EQ(D.Text(), "ab\r\nあ") << "both bytes of a double-byte character";
    EXPECT_EQ(D.Pos(), "1,2");
    D->SetRowCol(1, 0);
    D.Type("\b");
    EXPECT_EQ(D.Text(), "abあ");
    EXPECT_EQ(D.Pos(), "0,2");
    D->SetRowCol(0, 0);
    D.Type("\b");
    EXPECT_EQ(D.Text(), "abあ") << "nothing before the first row";

    THeadlessEditor W;
    W->WrapOption().SetWrapByte(20);
    W->SetWordWrap(true);
    W.Load(std::string(18, 'a') + "いうえ");
    ASSERT_EQ(W->RowList().GetRowAttribute(0), TEditorRowAttribute::raWrapped);
    std::string Row0 = W->RowString(0);
    W->SetRowCol(1, 0);
    W.Type("\b");
    EXPECT_EQ(W->Lines().Get(0),
              Row0.substr(0, Row0.size() - 2) + W->Lines().Get(0).substr(Row0.size() - 2))
        << "the last character of the previous row goes, not a line break";
    EXPECT_EQ(W.Text(), std::string(18, 'a') + "うえ");
}

TEST(EditorEdit, DeleteCharactersAndLineBreaks) {
    THeadlessEditor D;
    D.Load("あb\r\nc");
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "b\r\nc");
    D->SetCol(1);
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "bc");
    D.Key(vkDelete);
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "b") << "the end of a last row without line break deletes nothing";
    D.Load("x\r\n");
    D->SetCol(1);
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "x") << "the final line break goes";
}

TEST(EditorEdit, ReturnWithAutoIndent) {
    THeadlessEditor D;
    D->Caret().SetTabSpaceCount(4);
    D.Load("    abc");
    D->SetCol(6);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "    ab\r\n    c");
    EXPECT_EQ(D.Pos(), "1,4");
    D->Undo();
    D->Caret().SetTabIndent(true);
    D->SetRowCol(0, 6);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "    ab\r\n\tc");
    D->Undo();
    D->Caret().SetTabIndent(false);
    D->SetRowCol(0, 2);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "  \r\n    abc") << "inside the leading blanks: the indent is the column";

    D.Load("\x81\x40x\r\n");
    D->SetCol(3);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "\x81\x40x\r\n  \r\n") << "a full-width space counts two columns";

    D->Caret().SetPrevSpaceIndent(true);
    D.Load("   a\r\n\r\n");
    D->SetRowCol(1, 0);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "   a\r\n\r\n   \r\n")
        << "an empty line takes the indent of the line above";

    D.Load("ab\r\n");
    D.Key(vkEnd, TShiftState::ssCtrl);
    D.Type("\r");
    EXPECT_EQ(D.Text(), "ab\r\n\r\n");
    EXPECT_EQ(D.Pos(), "2,0");
}

TEST(EditorEdit, TabWidthStopsAtTheWrapColumn) {
    THeadlessEditor D;
    D->Caret().SetSoftTab(true);
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    D.Load(std::string(18, 'x'));
    D->SetCol(18);
    D.Type("\t");
    EXPECT_EQ(D.Text(), std::string(18, 'x') + "  ") << "two columns to the wrap, not eight";
    D->SetWordWrap(false);
    D.Load("ab");
    D->SetCol(2);
    D.Type("\t");
    EXPECT_EQ(D.Text(), "ab      ");
    D->Caret().SetSoftTab(false);
    D.Type("\t");
    EXPECT_EQ(D.Text(), "ab      \t");
    D.Host.Shift = true;
    D.Type("\t");
    D.Host.Shift = false;
    D->SetWantTabs(false);
    D.Type("\t");
    EXPECT_EQ(D.Text(), "ab      \t") << "Shift+Tab and WantTabs off insert nothing";
}

TEST(EditorEdit, SelectionReplacedByTypingPasteAndText) {
    THeadlessEditor D;
    D.Load("one two\r\nthree");
    D->SetSelStart(4);
    D->SetSelLength(6);
    D.Type("X");
    EXPECT_EQ(D.Text(), "one Xhree");
    EXPECT_FALSE(D->Selected());
    EXPECT_EQ(D.Pos(), "0,5");
    D->SetSelText("a\r\nb");
    EXPECT_EQ(D.Text(), "one Xa\r\nbhree");
    EXPECT_EQ(D.Pos(), "1,1") << "the caret ends after the inserted text";
    D->SelectAll();
    D.Key(vkDelete);
    EXPECT_EQ(D.Text(), "");
    EXPECT_EQ(D->RowCount(), 0);
}

TEST(EditorEdit, BoxDeleteAndBoxPaste) {
    THeadlessEditor D;
    D.Load("abcdef\r\nghijkl\r\nmnopqr\r\n");
    D.Drag(0, 1, 1, 3, TShiftState::ssAlt);
    ASSERT_EQ(D->SelText(), "bc\r\nhi\r\n");
    D->CutClipboard();
    EXPECT_EQ(D.Text(), "adef\r\ngjkl\r\nmnopqr\r\n");
    EXPECT_EQ(D.Pos(), "0,1");
    D->SetRowCol(1, 4);
    D->PasteClipboard();
    EXPECT_EQ(D.Text(), "adef\r\ngjklbc\r\nmnophiqr\r\n");

    D.Load("abc\r\nx");
    D.Clipboard.SetText("12\r\n34\r\n56\r\n", {"TEditor Box Type"});
    D->SetRowCol(0, 5);
    D->PasteClipboard();
    EXPECT_EQ(D.Text(), "abc  12\r\nx    34\r\n     56\r\n")
        << "short rows are filled up to the column; new rows start with its spaces";
    EXPECT_EQ(D.Pos(), "0,5");

    D.Clipboard.SetForeignText("12\r\n34");
    D.Load("abc");
    D->SetRowCol(0, 1);
    D->PasteClipboard();
    EXPECT_EQ(D.Text(), "a12\r\n34bc") << "without the private format the paste is a stream";
}

TEST(EditorEdit, ClipboardFailuresLoseNothing) {
    THeadlessEditor D;
    D.Load("keep me");
    D->SelectAll();
    D.Clipboard.Locked = true;
    D->CutClipboard();
    EXPECT_EQ(D.Text(), "keep me") << "a cut that could not reach the clipboard deletes nothing";
    EXPECT_EQ(D.Host.Beeps, 1);
    D->PasteClipboard();
    EXPECT_EQ(D.Text(), "keep me");
    D.Clipboard.Locked = false;
    D->CopyClipboard();
    EXPECT_EQ(D.Clipboard.PlainText, "keep me");
    EXPECT_TRUE(D.Clipboard.Formats.empty()) << "a stream copy is plain text only";
}

TEST(EditorEdit, InputMethodResultIsInsertedOnce) {
    THeadlessEditor D;
    D.Load("ab");
    D->SetCol(1);
    D->ImeComposition("漢字");
    D.Type("漢字"); // the same four bytes as character messages
    EXPECT_EQ(D.Text(), "a漢字b");
    EXPECT_EQ(D.Pos(), "0,5");
    D.Type("c");
    EXPECT_EQ(D.Text(), "a漢字cb");
    D->SetOverwrite(true);
    D->ImeComposition("か");
    D.Type("か");
    EXPECT_EQ(D.Text(), "a漢字cか") << "a result honours overwrite";
}

TEST(EditorEdit, DragMoveAndDragCopy) {
    THeadlessEditor D;
    D.Load("hello world");
    D.Drag(0, 0, 0, 5);
    ASSERT_EQ(D->SelText(), "hello");
    D.Drag(0, 2, 0, 3); // dropped onto itself
    EXPECT_FALSE(D->Selected());
    EXPECT_EQ(D.Text(), "hello world");

    D.Drag(0, 0, 0, 5);
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(1) + 1, D.Y(0));
    EXPECT_TRUE(D->Dragging());
    EXPECT_EQ(D.Host.ScreenCursor, crDrag);
    D->MouseMove(TShiftState::ssLeft, D.X(11) + 1, D.Y(0));
    D->MouseUp(TMouseButton::mbLeft, TShiftState(), D.X(11) + 1, D.Y(0));
    EXPECT_EQ(D.Text(), " worldhello");
    EXPECT_EQ(D.Pos(), "0,11");
    EXPECT_FALSE(D->Dragging());
    EXPECT_EQ(D.Host.ScreenCursor, crDefault);
    EXPECT_EQ(D.Host.ControlCursor, D->Caret().Cursors().DefaultCursor());

    D.Drag(0, 0, 0, 6);
    D->MouseDown(TMouseButton::mbLeft, TShiftState::ssLeft, D.X(2) + 1, D.Y(0));
    D->MouseMove(TShiftState::ssLeft, D.X(11) + 1, D.Y(0));
    D->MouseUp(TMouseButton::mbLeft, TShiftState::ssCtrl, D.X(11) + 1, D.Y(0));
    EXPECT_EQ(D.Text(), " worldhello world") << "Ctrl at release copies";
    EXPECT_EQ(D->RowList().UndoObj().UndoCount(), 2);
}

TEST(EditorEdit, DragMoveAcrossRowsAndBeyondTheText) {
    THeadlessEditor D;
    D.Load("abc\r\ndef\r\nxy");
    D->SetRowCol(0, 1);
    D->SetSelLength(5); // "bc\r\nd"
    D->MoveSelection(2, 4);
    EXPECT_EQ(D.Text(), "aef\r\nxy  bc\r\nd");
    D->Undo();
    EXPECT_EQ(D.Text(), "abc\r\ndef\r\nxy");
    D->SetRowCol(2, 0);
    D->SetSelLength(2);
    D->MoveSelection(0, 0);
    EXPECT_EQ(D.Text(), "xyabc\r\ndef\r\n");
    EXPECT_EQ(D.Pos(), "0,2");
}

TEST(EditorEdit, DeletingTheLastRowOfAWrappedLineKeepsItsLineBreak) {
    THeadlessEditor D;
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    D.Load(std::string(25, 'a') + "\r\nnext\r\n");
    ASSERT_EQ(D.Rows(), std::string(20, 'a') + "|1 aaaaa|0 next|0");
    D->DeleteRow(1);
    EXPECT_EQ(D.Text(), std::string(20, 'a') + "\r\nnext\r\n");
    EXPECT_EQ(D.Pos(), "1,0");
    D->Undo();
    EXPECT_EQ(D.Text(), std::string(25, 'a') + "\r\nnext\r\n");
    // A middle row takes no line break with it; nor does the end of a text without one.
    D.Load(std::string(45, 'b') + "\r\n" + std::string(25, 'c'));
    D->DeleteRow(1);
    EXPECT_EQ(D.Text(), std::string(25, 'b') + "\r\n" + std::string(25, 'c'));
    D->DeleteRow(D->RowCount() - 1);
    EXPECT_EQ(D.Text(), std::string(25, 'b') + "\r\n" + std::string(20, 'c'));
}

TEST(EditorEdit, RowsWrapsAndTheUndoEntryPoints) {
    THeadlessEditor D;
    D.Load("a\r\nb\r\nc");
    D->DeleteRow(2);
    EXPECT_EQ(D.Text(), "a\r\nb\r\n");
    EXPECT_EQ(D.Pos(), "2,0");
    D->DeleteRow(0);
    EXPECT_EQ(D.Text(), "b\r\n");

    D->WrapOption().SetWrapByte(20);
    D->WrapOption().SetFollowRetMark(true);
    D->SetWordWrap(true);
    D.Load(std::string(30, 'w') + "\r\nz");
    D->SelectAll();
    D->ConvertWrapToReturns();
    EXPECT_EQ(D->Lines().Count(), 3);
    EXPECT_EQ(D.Text(), D->RowString(0) + "\r\n" + D->RowString(1) + "\r\nz");

    D->SetUndoListMax(10);
    EXPECT_EQ(D->UndoListMax(), 64);
    D->SelectAll();
    D->Undo();
    EXPECT_FALSE(D->Selected());
    EXPECT_EQ(D.Text(), std::string(30, 'w') + "\r\nz");
    EXPECT_TRUE(D->CanRedo());
    D->Redo();
    EXPECT_EQ(D->Lines().Count(), 3);
}

TEST(EditorEdit, ChangeNotificationAndReadOnly) {
    THeadlessEditor D;
    int Changes = 0;
    D->OnChange = [&](TEditor*) { ++Changes; };
    D.Load("text");
    D->SetModified(false);
    Changes = 0;
    D.Type("x");
    EXPECT_TRUE(D->Modified());
    EXPECT_EQ(Changes, 1);
    D->SetReadOnly(true);
    D.Type("y\r\t\b");
    D.Key(vkDelete);
    D->ImeComposition("あ");
    D->SetSelText("z");
    D.Clipboard.SetText("p\r\n", {"TEditor Box Type"});
    D->PasteClipboard();
    EXPECT_EQ(D.Text(), "xtext");
    EXPECT_EQ(Changes, 1);
    D->SelectAll();
    D.Drag(0, 1, 0, 4);
    EXPECT_FALSE(D->Dragging()) << "no drag-move in a read-only text";
    EXPECT_EQ(D->GetTextBuf(3), "xt");
    EXPECT_EQ(D->GetTextLen(), 5);
}

// Rows cut with one tab width and undo steps recorded over them: a new width re-cuts
// every row and starts the undo lists afresh, so no old step lands on a new cut.
TEST(EditorEdit, ANewTabWidthWithWordWrapRecutsAndForgetsUndo) {
    THeadlessEditor D;
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(true);
    D->Caret().SetTabSpaceCount(4);
    const std::string Long = "\t\t" + std::string(30, 'x');
    D.Load(Long + "\r\nb");
    D->SetRowCol(D->RowCount() - 1, 1);
    D.Type("c");
    D->Caret().SetTabSpaceCount(8);
    EXPECT_FALSE(D->CanUndo());
    for (int R = 0; R + 1 < D->RowCount(); ++R) {
        TEditorStringList Cut;
        D->RowList().WrapText(Long, Cut);
        ASSERT_EQ(D->RowString(R), Cut.Get(R)) << "row " << R;
    }
    D->SetRowCol(0, 16);
    D.Type("y");
    D->Undo();
    D->Undo();
    EXPECT_EQ(D.Text(), Long + "\r\nbc");
    D->Caret().SetTabSpaceCount(8);
    D->SetWordWrap(false);
    D.Type("z");
    D->Caret().SetTabSpaceCount(4);
    EXPECT_TRUE(D->CanUndo()) << "without word wrap no row depends on the tab width";
}
