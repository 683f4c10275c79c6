#pragma once
// What the row list and the Lines facade need of a control that shows the rows.
// TEditor implements both interfaces; tests use a recording fake.
#include <string>

class TDelimiterSet;
class TEditorScreenStrings;
class TEditorViewInfo;

// A view of a row list: notified of changes, its caret and top row kept inside the
// rows, its selection ended before rows are re-cut.
class TRowListView {
public:
    virtual ~TRowListView() = default;

    // The change notification: repaint the rows of the list's change record, update the
    // scroll bars, and mark the text modified when TextChanged is set.
    virtual void Change() = 0;

    virtual int Row() const = 0;
    virtual void SetRow(int Value) = 0;
    virtual int Col() const = 0;
    virtual void SetCol(int Value) = 0;
    virtual int TopRow() const = 0;
    virtual void SetTopRow(int Value) = 0;

    // Ends a selection gesture and removes the selection.
    virtual void CleanSelection() = 0;
    virtual bool Selected() const = 0;
    // True while the control is still being read from its stored form: no re-cutting
    // and no state computation happen then.
    virtual bool Loading() const = 0;
    virtual bool Focused() const = 0;

    virtual void InvalidateRow(int Row) = 0;
    virtual void UpdateScrollBars() = 0;
    virtual void Invalidate() = 0;

    // The caret's tab width, which the column map of a line depends on.
    virtual int TabSpaceCount() const = 0;
    // The bytes the column map of a line shows as delimiters (word break cuts after
    // them); those of the first view govern the row list.  Null: the standard set.
    virtual const TDelimiterSet* DelimiterSet() { return nullptr; }

    // The colouring settings (bracket pairs, comments ...) whose parser computes the row
    // states; those of the first view govern the row list.  Null for none.
    virtual const TEditorViewInfo* ParserView() const = 0;
    // The window's height in whole rows (at least 1): row states are computed ahead of an
    // edit for two screens.
    virtual int PageRows() const = 0;
};

// The control side of the Lines facade (TEditorStrings).
class TLinesHost : public TRowListView {
public:
    // The row list the control shows now (it changes when the control shares a list).
    virtual TEditorScreenStrings& RowList() = 0;

    virtual void SetTopCol(int Value) = 0;
    // Puts the caret Offset bytes after the start of BaseRow, counting a line break as
    // two bytes and a soft wrap as none.
    virtual void SetCaretByOffset(int BaseRow, int Offset) = 0;

    virtual void CaretHide() = 0;
    virtual void CaretShow() = 0;
    virtual void UnderlineSuspend() = 0;
    virtual void UnderlineResume() = 0;
    virtual void UpdateCaret() = 0;
    // The flag that keeps the caret in place while Row and Col change together.
    virtual void SetBulkUpdate(bool Value) = 0;
    // Turns the platform's redrawing of the window off or on; only acts when the
    // control is visible and has a window.
    virtual void SetRedraw(bool Value) = 0;
};
