#pragma once
// TEditor: the text-view control.  It keeps a caret and at most one selection over the
// screen rows of a row list it may share with other controls, turns keys, characters,
// input-method results and mouse gestures into moves and edits, and reaches its window
// only through TTextViewHost (and the clipboard through TClipboard).  Every change of the
// text goes through the row list's ReplaceRows, so each edit is one undo step.
//
// The behaviour is split by concern: editor.cpp (construction, settings, metrics,
// scrolling, the row-list view), editor_caret.cpp (positions, keys, moves),
// editor_selection.cpp, editor_edit.cpp (typing and deleting), editor_clipboard.cpp
// (clipboard, box paste, drag-move), editor_indent.cpp and editor_mouse.cpp.
#include "base/input.h"
#include "editor/column_map.h"
#include "editor/editor_prop.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "editor/view_info.h"
#include "editor/view_settings.h"
#include "editor/word_wrap.h"
#include "platform/canvas.h"
#include "platform/canvas_metrics.h"
#include "platform/text_view_host.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TClipboard;
class TEditorPopupMenu;
class TEditorParser;
enum class TEditorTokenKind : std::uint8_t;

enum class TEditorSelectionState { sstNone, sstAnchored, sstSelected };

// The keyboard messages a window delivers: a key going down or up, or a character.
enum class TKeyMessage { kmKeyDown, kmKeyUp, kmChar };

// The name under which a box copy marks its clipboard text.
extern const char* const BoxClipboardFormat;

class TEditor : public TLinesHost {
public:
    using TNotifyEvent = std::function<void(TEditor* Sender)>;
    using TSelectionChangeEvent = std::function<void(TEditor* Sender, bool Selected)>;
    using TKeyEvent = std::function<void(TEditor* Sender, int& Key, TShiftState Shift)>;
    using TKeyPressEvent = std::function<void(TEditor* Sender, char& Key)>;
    using TMouseMoveEvent = std::function<void(TEditor* Sender, TShiftState Shift, int X, int Y)>;

    // Host, Clipboard and Metrics may be null (no window, no clipboard, 8 x 16 cells);
    // all three must outlive the control.
    explicit TEditor(TTextViewHost* Host = nullptr, TClipboard* Clipboard = nullptr,
                     const TCanvasMetrics* Metrics = nullptr);
    ~TEditor() override;
    TEditor(const TEditor&) = delete;
    TEditor& operator=(const TEditor&) = delete;

    // Events.
    TNotifyEvent OnCaretMoved;
    // A double click of the left button, after its button-down.
    TNotifyEvent OnDblClick;
    TNotifyEvent OnChange;
    TSelectionChangeEvent OnSelectionChange;
    TNotifyEvent OnSelectionModeChange;
    TNotifyEvent OnTopRowChange;
    TNotifyEvent OnTopColChange;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseMoveEvent OnMouseMove;

    // Settings objects.
    TEditorCaret& Caret() { return FCaret; }
    TEditorMargin& Margin() { return FMargin; }
    TEditorMarks& Marks() { return FMarks; }
    TEditorViewInfo& View() { return FView; }
    void SetView(const TEditorViewInfo& Value);
    TEditorWrapOption& WrapOption() { return FList->WrapOption(); }
    // Made by CreateEditorStrings on first use.
    TEditorStrings& Lines();
    TFont& Font() { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }

    bool WordWrap() const { return FList->WordWrap(); }
    void SetWordWrap(bool Value) { FList->SetWordWrap(Value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool Overwrite() const { return FOverwrite; }
    void SetOverwrite(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    int UndoListMax() const;
    void SetUndoListMax(int Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // A single border is drawn as a sunken client edge.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // The control's size in pixels (the host reports resizes here).
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetBounds(int Width, int Height);

    // Metrics.
    int CharWidth() const { return FCharWidth; }
    int CharHeight() const { return FCharHeight; }
    int RowHeight() const { return FRowHeight; }
    int VisibleRows() const { return FVisibleRows; }
    int VisibleCols() const { return FVisibleCols; }
    int MaxTopCol() const { return FCharWidth > 0 ? 8000 / FCharWidth : 0; }
    int MaxTopRow() const;
    int TopCol() const { return FTopCol; }
    void SetTopCol(int Value) override;

    int RowCount() const { return FList->Count(); }

    // Caret.
    int Row() const override { return FRow; }
    void SetRow(int Value) override;
    int Col() const override { return FCol; }
    void SetCol(int Value) override;
    void SetRowCol(int Row, int Col);
    int TopRow() const override { return FTopRow; }
    void SetTopRow(int Value) override;

    bool PosToRowCol(int X, int Y, int& Row, int& ByteIndex);
    void PixelToRowCol(int X, int Y, bool Nearest, int& Row, int& Col) const;
    int RowToLine(int Row) const;
    int RowColToLinePos(int Row, int Col);
    int RowWidth(int Row);
    int OffsetFromRow(int BaseRow, int Row, int Col);
    void SetCaretByOffset(int BaseRow, int Offset) override;
    void ScrollCaret();
    // The caret's pixel position in the client area.
    virtual void CaretPixelPos(int& X, int& Y) const;
    // The y of the caret-row underline of Row, or -1 when it lies off the window.
    virtual int UnderlineY(int Row) const;

    void CaretHide() override;
    void CaretShow() override;
    void UnderlineSuspend() override;
    void UnderlineResume() override;
    void UpdateCaret() override;
    virtual void RecreateCaret();

    // Selection.
    bool Selected() const override { return FSelectionState == TEditorSelectionState::sstSelected; }
    TEditorSelectionState SelectionState() const { return FSelectionState; }
    int SelStart();
    void SetSelStart(int Value);
    // SelStart as a row and a byte index in it (the caret's byte without a selection).
    void SelStartRowByte(int& Row, int& Byte);
    // SetSelStart with the offset counted from the start of BaseRow, which the offsets
    // of earlier rows need not be summed for.
    void SetSelStartFrom(int BaseRow, int Offset);
    int SelLength();
    void SetSelLength(int Value);
    std::string SelText();
    void SetSelText(const std::string& Value) { SetSelTextBuf(Value); }
    bool BoxMode() const { return FBoxMode; }
    void SetBoxMode(bool Value);
    bool BoxModeLocked() const { return FBoxLocked; }
    void SelectAll();
    void CleanSelection() override;
    void ToggleBoxMode();
    void SelectTokenAt(int X, int Y);
    bool GetTokenAt(int X, int Y, std::string& Text, TEditorTokenKind& Kind);
    bool IsInSelection(int Row, int Col);
    void SelectRow(int Row);
    void ExtendRowSelection(int Row);
    void StartSelection();
    void ExtendSelection();
    void UpdateSelection();

    // The selection's text range and display block (see editor_selection.cpp).
    int SelStartRow() const { return FSelStartRow; }
    int SelEndRow() const { return FSelEndRow; }
    int SelStartByte() const { return FSelStartByte; }
    int SelEndByte() const { return FSelEndByte; }
    int BlockTopRow() const { return FBlockTopRow; }
    int BlockBottomRow() const { return FBlockBottomRow; }
    int BlockLeftCol() const { return FBlockLeftCol; }
    int BlockRightCol() const { return FBlockRightCol; }

    // Editing.
    virtual void InsertText(const std::string& S);
    void SetSelTextBuf(const std::string& S);
    void DeleteSelection();
    void ClearSelection() { DeleteSelection(); }
    void CopyClipboard();
    void CutClipboard();
    void PasteClipboard();
    void DeleteRow(int Row);
    void ConvertWrapToReturns();
    virtual void MoveSelection(int Row, int Col);
    virtual void CopySelectionTo(int Row, int Col);
    virtual bool CanSelDrag() const;
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;

    void IndentSelection();
    void UnindentSelection();
    void TabIndentSelection();
    void UnTabIndentSelection();

    // Text access for the platform's window-text requests.
    std::string GetTextBuf(int BufSize);
    int GetTextLen() const;
    void SetTextBuf(const std::string& Text) { Lines().SetText(Text); }

    // Input from the window.
    void KeyDown(int& Key, TShiftState Shift, bool AutoRepeat = false);
    void KeyUp(int& Key, TShiftState Shift);
    void KeyPress(char Key);
    // A composition message carrying a result string (code-page bytes).
    void ImeComposition(const std::string& Result);
    void ImeCandidateOpen() { CaretHide(); }
    void ImeCandidateClose() { CaretShow(); }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    // A button pressed over the window's frame or a scroll bar: the control takes the
    // focus, as for a click on the text.
    void NonClientMouseDown();
    // Whether a client point lies in the text area's window part, the scroll bars left
    // out: a drag is dropped only there.
    bool InClientArea(int X, int Y) const;
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DblClick();
    void FocusGained();
    void FocusLost();
    void VScroll(TScrollCode Code, int Pos = 0);
    void HScroll(TScrollCode Code, int Pos = 0);
    // Arrow keys and characters always; Tab with WantTabs; every key (Return among them)
    // with WantReturns.
    TDialogCode DialogCode() const;
    // True when a keyboard message must be dropped before anything sees it: while a drag
    // of the selection or of rows is under way only Escape and Ctrl going down and Ctrl
    // going up get through, so that no shortcut, menu key or character acts mid-drag.
    bool KeyMessageLocked(TKeyMessage Message, int Key) const;
    // A key-down that is one of the control's own shortcuts (its context menu's): runs
    // it and returns true.  A key the drag lock drops also returns true.
    bool ShortCut(int Key, TShiftState Shift);
    // True while a drag-move of the selection or a row-selection drag is under way.
    bool Dragging() const { return FDragging; }
    bool RowSelecting() const { return FRowSelecting; }
    // Starts a drag-move by hand (SelDragMode dmManual): the host calls it when its
    // own gesture decides so.
    void BeginSelDrag();

    // Sharing a row list with another control.
    void ShareList(TEditor* Other);

    // TRowListView / TLinesHost.
    void Change() override;
    bool Loading() const override { return false; }
    bool Focused() const override;
    void InvalidateRow(int Row) override;
    void InvalidateRows(int A, int B);
    void UpdateScrollBars() override;
    void Invalidate() override;
    int TabSpaceCount() const override { return FCaret.TabSpaceCount(); }
    const TDelimiterSet* DelimiterSet() override { return &Delimiters(); }
    // The control's word delimiters, filled by InitDelimiters on first use.
    const TDelimiterSet& Delimiters();
    const TEditorViewInfo* ParserView() const override { return &FView; }
    int PageRows() const override { return FVisibleRows; }
    TEditorScreenStrings& RowList() override { return *FList; }
    void SetBulkUpdate(bool Value) override { FBulkUpdate = Value; }
    void SetRedraw(bool Value) override;

    // Column map and width of a row (empty for rows outside the text).
    const std::string& RowMap(int Row);
    TRowText RowString(int Row) const;
    TEditorRowAttribute RowAttribute(int Row) const;
    // The byte a column shows (tab fills give the tab), not capped at the row's length.
    int ByteIndexOfCol(int Row, int Col);
    // The column of a byte of a row; bytes beyond the text continue one column each.
    int ColOfByte(int Row, int Byte);

    // Painting (editor_paint.cpp) ------------------------------------------------------
    using TDrawLineEvent = std::function<void(TEditor* Sender, const std::string& LineStr, int X,
                                              int Y, int Index, const TRect& ARect, bool Selected)>;
    // Called for each row piece after the control drew it; the handler may draw over it
    // on Canvas() inside ARect.
    TDrawLineEvent OnDrawLine;
    // The mouse pointer over the text: the host sets one of its own (a hand over a link)
    // or crDefault for the control's own choice.  Every call shows it, also when the
    // value is unchanged, since the control shows cursors of its own in between (the
    // margin's arrow, the in-selection cursor) that the host does not see.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const TWordList& ReserveWordList() const { return FReserveWordList; }
    void SetReserveWordList(const TWordList& Value);
    // Paints the part Clip of the client area on Canvas (the platform's paint request).
    virtual void Paint(TCanvas& Canvas, const TRect& Clip);
    // The canvas of the paint pass under way (null outside one).
    TCanvas* Canvas() const { return FPaintCanvas; }
    // Text output on the paint canvas in which every byte advances one cell; Options are
    // TTextOutOption flags, Rect the clip rectangle.
    void DrawTextOut(const TRect& Rect, int X, TTextOutOption Options, const std::string& Text,
                     int Y);
    // True when some colour the control draws with is italic: rows are then drawn token
    // by token over a filled background.
    bool ItalicMode() const;
    // The context menu the control made for itself with CreatePopupMenu on first use
    // (null when the host removed it).
    TEditorPopupMenu* PopupMenu();
    void SetPopupMenu(std::unique_ptr<TEditorPopupMenu> Menu);
    // Box-pastes the clipboard's plain text whether or not it carries the box marker.
    void BoxPasteClipboard();
    bool ClipboardHasText() const;
    // The clipboard's plain text; false when there is none or it cannot be read.
    bool ClipboardText(std::string& Text) const;
    void DrawTextOut(const TRect& Rect, int X, TTextOutOption Options, const char* Text, int Length,
                     int Y);

protected:
    // Fills the delimiter set (Set starts as the standard set).  Called on the first use
    // of the set, not by the constructor, where an override would not be called.
    virtual void InitDelimiters(TDelimiterSet& Set);
    virtual std::unique_ptr<TEditorParser> CreateParser(const std::string& Text, int State);
    virtual void SelectionChange(bool IsSelected);
    virtual void SelectionModeChange();
    // Scrolls the part Rect of the client area by (DX, DY) pixels and paints the
    // uncovered part at once; the underline is taken off and put back around it.
    virtual void ScrollClient(int DX, int DY, const TRect& Rect);
    virtual void DoTopRowChange();
    virtual void DoTopColChange();
    virtual void DrawUnderline(int Row);
    virtual void EraseUnderline(int Row);
    virtual void PropertyChanged(TNotifyPersistent* Sender);
    virtual std::unique_ptr<TEditorStrings> CreateEditorStrings();
    // Painting (editor_paint.cpp).
    virtual void DoDrawLine(const TRect& ARect, int X, bool IsSelected, int Index,
                            const std::string& LineStr, int Y);
    virtual void DrawEof(int X, int Y);
    virtual void DrawRetMark(int X, int Y);
    virtual void DrawSelectedRetMark(int X, int Y);
    virtual std::unique_ptr<TEditorPopupMenu> CreatePopupMenu();

private:
    struct TRemainder {
        std::string Text;
        TEditorRowAttribute Attribute = TEditorRowAttribute::raEof;
        int InsertPos = 0; // byte where the selection was cut out
    };
    struct TBlock {
        int Top = 0, Bottom = 0, Left = 0, Right = 0;
    };

    // editor.cpp
    void UpdateMetrics();
    bool HostReady() const { return FHost && FHost->HasWindow(); }
    TRect TextArea() const;
    TRect RowRect(int Row) const;
    void RepaintChange();

    // editor_caret.cpp
    void AdjustCol(bool RowChanged, int Direction);
    void SetColDir(int Value, int Direction);
    void PlaceCaret(bool Scroll);
    void PlaceImeWindow(bool Force = false);
    bool NavigationKey(int Key, TShiftState Shift);
    void PageMove(int Delta);
    void WordLeft();
    void WordRight();
    std::vector<int> WordStarts(int Row);
    // The colouring state the parser starts a row with, computed first when the row
    // has none yet (as painting does), so that words and tokens are those on the screen.
    int ParseStateOf(int Row);
    int RowSize(int Row) const;
    // Walks Count bytes forward from (Row, Byte) with the flat-offset row sizes.
    void WalkOffset(int Row, int Byte, int Count, int& OutRow, int& OutByte) const;
    void MoveCaret(int Row, int Col);
    void SetCaretByteBulk(int Row, int Byte);
    int OffsetFromRowByte(int BaseRow, int Row, int Byte) const;
    int CaretBaseRow(int Row) const;

    // editor_selection.cpp
    void CleanSelectionInternal();
    void InvalidateBlockChange(const TBlock& Old, const TBlock& New);
    // The byte of the first character that starts at or after column Col of a line with
    // column map Map (a cut double-byte character or a tab's fill is passed over); Length
    // when there is none.
    static int LeftEdgeByte(const std::string& Map, int Col, int Length);
    // First byte and end byte (exclusive) of row's box slice; both at least 0.
    void BoxSlice(int Row, int& First, int& End);
    std::vector<TRemainder> RemainderRows();
    void MoveCaretToBlockTopLeft();
    bool TokenAt(int X, int Y, int& LineRow, int& Start, std::string& Text, TEditorTokenKind& Kind);

    // editor_edit.cpp
    // Inserts S at byte Pos of Text, filling with spaces up to Pos.
    static void InsertPadded(std::string& Text, int Pos, const std::string& S);
    void ReplaceRowSpan(int First, int Last, const std::string& Text);
    void ReplaceSelectionBy(const std::string& S);
    void EraseInRow(int Row, int Byte, int Count);
    void JoinRows(int First, int Last, const std::string& Text, int Offset);
    void InsertAtCaret(const std::string& S, bool Overwriting);
    void OverwriteText(const std::string& S);
    void ReturnKey();
    void TabKey(TShiftState Shift);
    void BackspaceKey();
    void DeleteKey();
    std::string IndentString(int Width) const;
    int LeadingBlanks(int Row);

    // editor_clipboard.cpp
    bool PutSelectionOnClipboard();
    void BoxPaste(const std::string& Text);
    void EndDrag();
    // The screen cursor of a drag for the pointer at (X, Y) and the Ctrl key's state.
    void UpdateDragCursor(int X, int Y);
    void UpdateDragCursor() { UpdateDragCursor(FDragX, FDragY); }
    int FDragX = 0, FDragY = 0; // the pointer's last position during a drag

    // editor_indent.cpp
    void ShiftStreamOrBox(bool Tab, bool Indent);
    std::string WorkingText(int Row, bool Tab);
    void ShiftStream(bool Tab, bool Indent);
    void ShiftBox(bool Tab, bool Indent);
    bool FKeepSelection = false; // an indent operation keeps its selection over its edit

    // editor_paint.cpp
    void PaintRow(int Row, const TRect& R, int X0, int Y);
    void PaintSelectedRow(int Row, const TRect& R, int X0, int Y);
    void PaintPiece(int Row, const TRect& R, int X, int Y, bool IsSelected);
    void DrawRetArrow(int X, int Y, TColor Color);
    // The pixel x of column Col of Row for a box edge (clamped to the row's width,
    // moved off a trail byte, not left of the margin).
    int BoxEdgeX(int Row, int Col);
    TCanvas* FPaintCanvas = nullptr;
    TColor FColor = clWindow;
    TCursor FCursor = crDefault;
    TWordList FReserveWordList;
    std::vector<int> FAdvances; // one cell per byte, 1000 entries
    std::unique_ptr<TEditorPopupMenu> FPopupMenu;
    bool FPopupMenuMade = false;
    bool FItalic = false;

    TTextViewHost* FHost;
    TClipboard* FClipboard;
    const TCanvasMetrics* FMetrics;
    TEditorScreenStrings* FList;
    std::unique_ptr<TEditorStrings> FLines;
    TEditorCaret FCaret;
    TEditorMargin FMargin;
    TEditorMarks FMarks;
    // The view settings are a member, not made by a virtual factory: such a factory would
    // be called from the constructor (the metrics and the row list read the settings
    // from the start), where C++ runs the base class's version, never an override.  A
    // derived control gives its own settings with SetView.
    TEditorViewInfo FView;
    TFont FFont;
    TDelimiterSet FDelimiters;
    bool FDelimitersReady = false;

    bool FReadOnly = false;
    bool FWantTabs = true;
    bool FWantReturns = true;
    bool FModified = false;
    TScrollStyle FScrollBars = TScrollStyle::ssBoth;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    int FWidth = 185;
    int FHeight = 89;

    int FCharWidth = 8;
    int FCharHeight = 16;
    int FRowHeight = 16;
    int FVisibleRows = 1;
    int FVisibleCols = 1;
    int FTopRow = 0;
    int FTopCol = 0;

    // Caret.
    int FRow = 0;
    int FCol = 0;
    int FRememberedCol = 0;
    bool FRememberedValid = false;
    bool FOverwrite = false;
    int FCaretHideCount = 0;
    bool FCaretCreated = false;
    bool FKeyRepeat = false;
    bool FBulkUpdate = false;
    bool FImePending = false;
    int FUnderlineSuspend = 0;
    int FUnderlineRow = -1; // the row whose underline is drawn, -1 none

    // Selection.
    TEditorSelectionState FSelectionState = TEditorSelectionState::sstNone;
    int FAnchorRow = 0, FAnchorByte = 0, FAnchorCol = 0;
    int FSelStartRow = 0, FSelEndRow = 0, FSelStartByte = 0, FSelEndByte = -1;
    int FBlockTopRow = 0, FBlockBottomRow = 0, FBlockLeftCol = 0, FBlockRightCol = 0;
    TBlock FPrevBlock;
    bool FBoxMode = false;
    bool FBoxLocked = false;
    int FRowSelAnchor = 0, FRowSelLast = 0;
    bool FRowSelAnchorIsLast = false;
    bool FRowSelecting = false;

    // Mouse.
    bool FLeftDown = false;
    bool FMouseCancelled = false;
    int FDownX = 0, FDownY = 0;
    bool FDragging = false;

    int FDiscardCount = 0;

    // One column map kept for the row last asked for, checked against the row's bytes.
    std::string FMapLine;
    std::string FMap;
    int FMapTab = -1, FMapWrapByte = -1;
    bool FMapWrap = false;
    bool FMapValid = false;
};
