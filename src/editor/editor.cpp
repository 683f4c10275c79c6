// TEditor: construction, settings, cell metrics, scrolling and the row-list view side.
#include "editor/editor.h"

#include "editor/editor_popup_menu.h"
#include "editor/parser.h"
#include "editor/undo.h"

#include <algorithm>
#include <cstdlib>

const char* const BoxClipboardFormat = "TEditor Box Type";

TEditor::TEditor(TTextViewHost* Host, TClipboard* Clipboard, const TCanvasMetrics* Metrics)
    : FHost(Host), FClipboard(Clipboard), FMetrics(Metrics), FList(new TEditorScreenStrings),
      FView(this) {
    FList->AddEditor(this);
    auto Handler = [this](TNotifyPersistent* Sender) { PropertyChanged(Sender); };
    FCaret.OnChange = Handler;
    FMargin.OnChange = Handler;
    FMarks.OnChange = Handler;
    FView.OnChange = Handler;
    FFont.OnChange = Handler;
    if (HostReady()) {
        FWidth = FHost->ClientWidth();
        FHeight = FHost->ClientHeight();
    }
    UpdateMetrics();
    // The owned objects with factories (Lines, the context menu, the delimiters) are
    // made on first use: a virtual call from this constructor would never reach an
    // override.
}

TEditor::~TEditor() {
    FLines.reset();
    FList->RemoveEditor(this);
}

TEditorStrings& TEditor::Lines() {
    if (!FLines) FLines = CreateEditorStrings();
    return *FLines;
}

std::unique_ptr<TEditorStrings> TEditor::CreateEditorStrings() {
    return std::make_unique<TEditorStrings>(*this);
}

void TEditor::InitDelimiters(TDelimiterSet&) {}

const TDelimiterSet& TEditor::Delimiters() {
    if (!FDelimitersReady) {
        FDelimitersReady = true;
        InitDelimiters(FDelimiters);
        FMapValid = false;
    }
    return FDelimiters;
}

std::unique_ptr<TEditorParser> TEditor::CreateParser(const std::string& Text, int State) {
    return TEditorParser::CreateEx(Text, State, &FView);
}

// Settings ---------------------------------------------------------------------------

void TEditor::PropertyChanged(TNotifyPersistent* Sender) {
    if (Sender == &FView) FList->RecomputeRowStates();
    if (Sender == &FCaret && FList->FirstEditor() == this) FList->ViewTabWidthChanged();
    FMapValid = false;
    // New cells put the columns of a view scrolled sideways elsewhere: the caret goes to
    // the row's start, which brings the view back to column 0.
    if (Sender == &FFont && FTopCol > 0) SetCol(0);
    UpdateMetrics();
    // A new tab width or caret rule may leave the caret inside a tab's fill.
    if (Sender == &FCaret) SetColDir(FCol, -1);
    if (Sender == &FCaret || Sender == &FFont)
        UpdateCaret();
    else
        ScrollCaret();
}

void TEditor::SetView(const TEditorViewInfo& Value) {
    FView.Assign(Value);
}

void TEditor::SetReadOnly(bool Value) {
    if (FDragging) return;
    FReadOnly = Value;
    if (Value && Selected() && HostReady())
        FHost->SetControlCursor(FCaret.Cursors().DefaultCursor());
}

void TEditor::SetOverwrite(bool Value) {
    if (Value == FOverwrite) return;
    FOverwrite = Value;
    UpdateCaret();
}

int TEditor::UndoListMax() const {
    return FList->UndoObj().UndoListMax();
}
void TEditor::SetUndoListMax(int Value) {
    FList->UndoObj().SetUndoListMax(Value);
}
bool TEditor::CanUndo() const {
    return FList->UndoObj().CanUndo();
}
bool TEditor::CanRedo() const {
    return FList->UndoObj().CanRedo();
}

void TEditor::SetBorderStyle(TBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    if (HostReady()) FHost->ShowBorder(Value == TBorderStyle::bsSingle);
    UpdateMetrics();
}

void TEditor::SetScrollBars(TScrollStyle Value) {
    if (Value == FScrollBars) return;
    FScrollBars = Value;
    if (HostReady())
        FHost->ShowScrollBars(Value == TScrollStyle::ssHorizontal || Value == TScrollStyle::ssBoth,
                              Value == TScrollStyle::ssVertical || Value == TScrollStyle::ssBoth);
    UpdateMetrics();
}

void TEditor::SetBounds(int Width, int Height) {
    FWidth = std::max(0, Width);
    FHeight = std::max(0, Height);
    UpdateMetrics();
}

void TEditor::ShareList(TEditor* Other) {
    if (!Other || Other->FList == FList) return;
    CleanSelection();
    FList->RemoveEditor(this);
    FList = Other->FList;
    FList->AddEditor(this);
    FRow = FCol = FTopRow = FTopCol = 0;
    FMapValid = false;
    UpdateMetrics();
}

// Metrics ------------------------------------------------------------------------------

void TEditor::UpdateMetrics() {
    TTextMetrics M = FMetrics ? FMetrics->TextMetrics(FFont) : TTextMetrics{16, 0, 8, true};
    FCharHeight = M.Height + M.ExternalLeading;
    FCharWidth = FMargin.Character() + M.AveCharWidth;
    FMargin.SetUnderlinePixel(FMarks.Underline().Visible() ? 1 : 0);
    FRowHeight = std::max(1, FCharHeight + FMargin.Line() + FMargin.UnderlinePixel());
    FAdvances.assign(1000, FCharWidth);
    FItalic = ItalicMode();
    int HBar =
        (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) && FHost
            ? FHost->HScrollBarHeight()
            : 0;
    int VBar =
        (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) && FHost
            ? FHost->VScrollBarWidth()
            : 0;
    // A control smaller than one cell still counts one visible row and column, so that
    // the page and scroll arithmetic never works with an empty view.
    FVisibleRows = std::max(1, (FHeight - FMargin.Top() - 5 - HBar) / FRowHeight);
    FVisibleCols = FCharWidth > 0
                       ? std::max(1, (FWidth - FMargin.Left() - FCharWidth / 2 - VBar) / FCharWidth)
                       : 1;
    UpdateScrollBars();
    Invalidate();
}

int TEditor::MaxTopRow() const {
    return std::max(0, RowCount() - 1 + FVisibleRows - 1);
}

void TEditor::UpdateScrollBars() {
    FTopRow = std::min(FTopRow, MaxTopRow());
    FTopCol = std::min(FTopCol, MaxTopCol());
    if (!HostReady()) return;
    if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth)
        FHost->SetScrollBar(TScrollBarKind::sbVertical, 0, std::max(FVisibleRows, MaxTopRow()),
                            FVisibleRows, FTopRow);
    if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth)
        FHost->SetScrollBar(TScrollBarKind::sbHorizontal, 0, MaxTopCol(), FVisibleCols, FTopCol);
}

TRect TEditor::TextArea() const {
    return TRect{FMargin.Left(), FMargin.Top(), FWidth, FHeight};
}

TRect TEditor::RowRect(int Row) const {
    int Y = FMargin.Top() + (Row - FTopRow) * FRowHeight;
    return TRect{FMargin.Left(), Y, FWidth, Y + FCharHeight};
}

// Scrolling ----------------------------------------------------------------------------

void TEditor::SetTopRow(int Value) {
    int New = std::max(0, std::min(Value, RowCount()));
    if (!HostReady()) {
        FTopRow = New;
        return;
    }
    CaretHide();
    UnderlineSuspend();
    int D = FTopRow - New;
    if (D != 0) {
        FTopRow = New;
        int Rows = std::min(std::max(D, -(FVisibleRows + 1)), FVisibleRows + 1);
        ScrollClient(0, Rows * FRowHeight, TextArea());
        FHost->SetScrollPos(TScrollBarKind::sbVertical, FTopRow);
        PlaceImeWindow();
        DoTopRowChange();
    }
    UnderlineResume();
    CaretShow();
}

void TEditor::SetTopCol(int Value) {
    int New = std::max(0, std::min(Value, MaxTopCol()));
    if (!HostReady()) {
        FTopCol = New;
        return;
    }
    CaretHide();
    int D = FTopCol - New;
    if (D != 0) {
        FTopCol = New;
        ScrollClient(D * FCharWidth, 0, TextArea());
        FHost->SetScrollPos(TScrollBarKind::sbHorizontal, FTopCol);
        PlaceImeWindow();
        DoTopColChange();
    }
    CaretShow();
}

// The horizontal pixel offset of the drawing is TopCol x CharWidth, kept by TopCol
// itself, so it has moved by DX already when this runs.
void TEditor::ScrollClient(int DX, int DY, const TRect& Rect) {
    if (!HostReady()) return;
    UnderlineSuspend();
    FHost->ScrollPixels(DX, DY, Rect);
    UnderlineResume();
}

void TEditor::DoTopRowChange() {
    if (OnTopRowChange) OnTopRowChange(this);
}

void TEditor::DoTopColChange() {
    if (OnTopColChange) OnTopColChange(this);
}

namespace {

// The step a scroll-bar request asks for from position Pos in 0 ... Max, clamped to that
// range; Track is the thumb position the request carries.
int ScrollStep(TScrollCode Code, int Page, int Track, int Pos, int Max) {
    int Step = 0;
    switch (Code) {
    case TScrollCode::scLineUp:
        Step = -1;
        break;
    case TScrollCode::scLineDown:
        Step = 1;
        break;
    case TScrollCode::scPageUp:
        Step = -std::max(1, Page);
        break;
    case TScrollCode::scPageDown:
        Step = std::max(1, Page);
        break;
    case TScrollCode::scThumbPosition:
    case TScrollCode::scThumbTrack:
        Step = Track - Pos;
        break;
    case TScrollCode::scTop:
        Step = -Pos;
        break;
    case TScrollCode::scBottom:
        Step = Max - Pos;
        break;
    case TScrollCode::scEndScroll:
        break;
    }
    return std::max(-Pos, std::min(Step, Max - Pos));
}

} // namespace

void TEditor::VScroll(TScrollCode Code, int Pos) {
    if (Code == TScrollCode::scEndScroll) return;
    int Track = FHost ? FHost->ScrollTrackPos(TScrollBarKind::sbVertical) : Pos;
    int Step = ScrollStep(Code, FVisibleRows, Track, FTopRow, MaxTopRow());
    if (Step != 0) {
        SetTopRow(FTopRow + Step);
        if (FCaret.LockScroll()) {
            bool Saved = FBulkUpdate;
            FBulkUpdate = true;
            SetRow(FRow + Step);
            FBulkUpdate = Saved;
        }
    }
    RecreateCaret();
}

void TEditor::HScroll(TScrollCode Code, int Pos) {
    if (Code == TScrollCode::scEndScroll) return;
    int Step = ScrollStep(Code, FVisibleCols, Pos, FTopCol, MaxTopCol());
    if (Step != 0) SetTopCol(FTopCol + Step);
    RecreateCaret();
}

// Repainting ---------------------------------------------------------------------------

void TEditor::Invalidate() {
    if (HostReady()) FHost->InvalidateAll();
}

void TEditor::SetRedraw(bool Value) {
    if (HostReady()) FHost->SetRedraw(Value);
}

void TEditor::InvalidateRow(int Row) {
    if (HostReady() && FTopRow <= Row && Row <= FTopRow + FVisibleRows)
        FHost->InvalidateRect(RowRect(Row));
}

void TEditor::InvalidateRows(int A, int B) {
    if (!HostReady()) return;
    int Top = std::max(std::min(A, B), FTopRow);
    int Bottom = std::min(std::max(A, B), FTopRow + FVisibleRows);
    if (Top > Bottom) return;
    TRect R = RowRect(Top);
    R.Bottom = RowRect(Bottom).Top + FRowHeight;
    FHost->InvalidateRect(R);
    FHost->UpdateNow();
}

// The rows below a change that altered the row count move by whole rows; only the
// changed rows are painted again.
void TEditor::RepaintChange() {
    if (!FList->TextChanged() || !HostReady()) return;
    int F = FList->ChangeFirstRow();
    int A = FList->ChangeOldCount();
    int B = FList->ChangeNewCount();
    if (std::abs(B - A) > FVisibleRows) {
        FHost->InvalidateAll();
        return;
    }
    if (B != A) {
        int From = std::max(FTopRow, std::min(F + B, FTopRow + FVisibleRows));
        TRect Area = TextArea();
        Area.Top = FMargin.Top() + (From - FTopRow) * FRowHeight;
        int Rows = std::max(-(FVisibleRows + 1), std::min(B - A, FVisibleRows + 1));
        CaretHide();
        ScrollClient(0, Rows * FRowHeight, Area);
        CaretShow();
    }
    InvalidateRows(F, F + B);
}

void TEditor::Change() {
    FMapValid = false;
    RepaintChange();
    UpdateScrollBars();
    if (FList->TextChanged()) {
        // An anchor or selection over rows that changed under it (an edit through another
        // view or through Lines) no longer means anything.
        if (FSelectionState == TEditorSelectionState::sstAnchored)
            FSelectionState = TEditorSelectionState::sstNone;
        else if (Selected() && !FKeepSelection)
            CleanSelectionInternal();
        FModified = true;
        if (OnChange) OnChange(this);
    }
}

bool TEditor::Focused() const {
    return FHost && FHost->HasWindow() && FHost->Focused();
}

// Underline ------------------------------------------------------------------------------

int TEditor::UnderlineY(int Row) const {
    int Y = FMargin.Top() + (Row - FTopRow) * FRowHeight + FCharHeight;
    return (FMargin.Top() < Y && Y <= FHeight) ? Y : -1;
}

void TEditor::DrawUnderline(int Row) {
    int Y = UnderlineY(Row);
    if (Y < 0 || !HostReady()) return;
    FUnderlineRow = Row;
    FHost->InvalidateRect(TRect{FMargin.Left(), Y, FWidth, Y + 1});
}

void TEditor::EraseUnderline(int Row) {
    int Y = UnderlineY(Row);
    FUnderlineRow = -1;
    if (Y < 0 || !HostReady()) return;
    FHost->InvalidateRect(TRect{FMargin.Left(), Y, FWidth, Y + 1});
}

void TEditor::UnderlineSuspend() {
    if (FUnderlineSuspend++ == 0 && FMarks.Underline().Visible() && !Selected())
        EraseUnderline(FRow);
}

void TEditor::UnderlineResume() {
    if (FUnderlineSuspend == 0) return;
    if (--FUnderlineSuspend == 0 && FMarks.Underline().Visible() && !Selected())
        DrawUnderline(FRow);
}

// Text access ----------------------------------------------------------------------------

int TEditor::GetTextLen() const {
    int N = RowCount();
    long long Length = 0;
    for (int R = 0; R < N; ++R)
        Length += static_cast<long long>(FList->Get(R).size()) +
                  (FList->GetRowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0);
    return static_cast<int>(std::min<long long>(Length, 0x7FFFFFFF));
}

std::string TEditor::GetTextBuf(int BufSize) {
    if (BufSize <= 1) return std::string();
    std::string Text = Lines().Text();
    if (static_cast<int>(Text.size()) > BufSize - 1)
        Text.resize(static_cast<std::size_t>(BufSize - 1));
    return Text;
}

void TEditor::Undo() {
    CleanSelection();
    FList->Undo();
}

void TEditor::Redo() {
    CleanSelection();
    FList->Redo();
}

void TEditor::SetCursor(TCursor Value) {
    FCursor = Value;
    if (FHost) FHost->SetControlCursor(Value != crDefault ? Value : FCaret.Cursors().DefaultCursor());
}
