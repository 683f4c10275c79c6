#pragma once
// The document: the text as screen rows, shared by every control that shows it.
//
// Each row is a Shift_JIS string without line-break bytes; its attribute says whether
// the row ends its logical line (raCrlf), continues on the next row (raWrapped) or is
// the last row of a text without a final line break (raEof).  Every change of the text
// goes through ReplaceRows, which re-cuts the touched logical lines, records one undo
// step, and reports the changed row range to the views when the outermost update ends.
#include "editor/editor_string_list.h"

#include <memory>
#include <string>
#include <vector>

class TEditorUndoObj;
class TEditorViewInfo;
class TEditorWrapOption;
class TEditorLineCutter;
class TNotifyPersistent;
class TRowListView;

class TEditorScreenStrings : public TEditorStringList {
public:
    TEditorScreenStrings();
    ~TEditorScreenStrings() override;

    // Views.  A row list is made with new by its first control; RemoveEditor of the last
    // view deletes it.
    void AddEditor(TRowListView* View);
    void RemoveEditor(TRowListView* View);
    int EditorCount() const { return static_cast<int>(FViews.size()); }
    TRowListView* Editor(int Index) const { return FViews[static_cast<std::size_t>(Index)]; }
    TRowListView* FirstEditor() const { return FViews.empty() ? nullptr : FViews.front(); }
    // The first view with the input focus, else the first view.
    TRowListView* ActiveEditor() const;

    // The change record of the current update.
    int ChangeFirstRow() const { return FChangeFirstRow; }
    int ChangeOldCount() const { return FChangeOldCount; }
    int ChangeNewCount() const { return FChangeNewCount; }
    bool TextChanged() const { return FTextChanged; }
    void SetChangeRange(int FirstRow, int OldCount, int NewCount);

    TEditorUndoObj& UndoObj();
    TEditorWrapOption& WrapOption();
    const TEditorWrapOption& WrapOption() const;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    int FirstRowOfLine(int Row) const;
    int LastRowOfLine(int Row) const;

    // The text of Count rows from Row (Count -1: to the end of Row's logical line), each
    // row followed by CR LF when it is raCrlf.  A Row outside the rows gives no text,
    // 0 rows and raInvalid.
    void GetRowsText(int Row, int Count, TEditorRowAttribute& Attribute, int& Rows,
                     std::string& Text) const;
    std::string GetRowsText(int Row, int Count) const;

    // The edit primitive: replaces Count rows from Row by Text (CR LF or LF line breaks
    // allowed; Count 0 inserts before Row; empty Text deletes).
    virtual void ReplaceRows(int Row, int Count, const std::string& Text);

    // Whole-row moves; every row keeps its attribute and state.
    void DeleteRows(int Row, int Count);
    void InsertRows(int Row, TEditorStringList& Source);
    void ReplaceRowRange(int Row, int Count, TEditorStringList& Source);
    void AppendLineBreak(int Row, std::string& S) const;

    // Cutting text into rows.
    virtual void WrapText(const std::string& Text, TEditorStringList& Dest);
    // WrapText with word wrap on, for a Text whose first line already has its rows up to
    // Offset bytes, which is where one of those rows ends: Dest gets the rows from there.
    void WrapTextFrom(const std::string& Text, int Offset, TEditorStringList& Dest);
    virtual int CountWrapRows(const std::string& Line);
    void WrapAll();
    void UnwrapAll();

    // Row states: the bracket state of the colouring parser at the start of each row,
    // computed with the first view's settings; -2 until computed.
    //
    // The row's leading blanks and first token (all of it when it begins the row): what a
    // row that ends in a soft wrap is parsed together with.
    std::string FirstTokenOfRow(int Row) const;
    // The bracket state after parsing Row from State (a wrapped row together with the
    // first token of the row after it, so that a token cut by the wrap is parsed whole).
    int StateAfterRow(int Row, int State) const;
    // Every row's state from the first row on (nothing while the first view loads).
    virtual void RecomputeRowStates();
    // States from the computed row nearest above FromRow on, for at most two screens past
    // FromRow, stopping at the first row whose state comes out unchanged; rows past that
    // limit become not computed.  With Invalidate every view repaints each changed row.
    virtual void UpdateRowStates(int FromRow, bool Invalidate);

    virtual void Undo();
    virtual void Redo();

    void Clear() override;

    // The number of logical lines and the first row of one (Index up to the line count,
    // which gives the row count), kept in a lazy index so that walking all lines of a
    // wrapped text costs O(rows).
    int LineCount();
    int LineToRow(int Index);

    // Views that are notified through the change event; the row list's own OnChange.
    void NotifyViews();

    // The first view's tab width changed: with word wrap on, every row is re-cut with
    // it (and the undo lists, which hold row numbers of the old cut, are cleared).
    void ViewTabWidthChanged();

    // True while the wrap options' change re-cuts the rows.
    bool ForcedRewrap() const { return FForcedRewrap; }

protected:
    virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
    virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();

    void SetUpdateState(bool Updating) override;

    // The wrap options' change event.
    virtual void WrapOptionChanged(TNotifyPersistent* Sender);

private:
    bool FirstEditorLoading() const;
    void ClampViews();
    // True when some logical line would get another number of rows from CountWrapRows
    // than it has.
    bool RowCountsChange();
    void RefreshViewsAfterRecut();
    // Clears the undo lists and re-cuts every row under changed cutting rules.
    void RecutAll();
    int ViewTabSpaceCount() const;
    // The line cutter, with the first view's delimiters.
    TEditorLineCutter& Cutter();
    // True for the row list's own cutting rules (not a derived list's).
    bool OwnCutting() const;
    // The lengths of the rows Line is cut into, through WrapText for a derived list.
    void CutLengthsOf(std::string_view Line, std::vector<int>& Lengths);
    // How many rows of the line starting at First keep their cuts when rows from Row on
    // are replaced.
    int KeptRowsBeforeEdit(int First, int Row) const;
    const TEditorViewInfo* ParserView() const;
    // Rows of one logical line that is not yet in row form, appended to Dest.
    void CutLine(const char* Line, int Length, TEditorStringList& Dest);
    int WidthOf(std::string_view Line) const;
    bool NeedsCut(std::string_view Line) const;
    // Rows From ... To of one logical line as one string: a span of a block when their
    // bytes lie one after another in one block (Block is then its number and Where the
    // offset there), else (Block -1) their bytes joined into Joined.
    TRowText LineBytes(int From, int To, int& Block, std::size_t& Where,
                       std::string& Joined) const;
    void SyncLineIndex(int Index);

    std::vector<TRowListView*> FViews;
    int FChangeFirstRow = 0;
    int FChangeOldCount = 0;
    int FChangeNewCount = 0;
    bool FTextChanged = false;
    std::unique_ptr<TEditorUndoObj> FUndoObj;
    bool FWordWrap = false;
    std::unique_ptr<TEditorWrapOption> FWrapOption;
    bool FForcedRewrap = false;
    // The tab width the rows were cut with.
    int FCutTabSpaceCount = 8;

    std::unique_ptr<TEditorLineCutter> FCutter;
    std::vector<int> FCutLengths;
    // Lazy line index: FLineStarts[i] is the first row of line i for the lines whose
    // start row is at most FFirstTouched of the base list; extended on demand.
    std::vector<int> FLineStarts;
    int FScannedRow = 0; // rows before it have been scanned for line ends
};
