// TEditor: the paint pass.  Rows are drawn on a fixed cell grid: each row first in one
// opaque text output in the default colours, then only the tokens whose colour differs
// are drawn again; the selection is drawn as pieces of a row in the selection colours;
// the host's OnDrawLine overdraws each piece; the marks come last.
#include "editor/column_map.h"
#include "editor/editor.h"
#include "editor/editor_popup_menu.h"
#include "editor/parser.h"

#include <algorithm>

namespace {

bool HasItalic(TFontStyles Style) {
    return Has(Style, TFontStyle::fsItalic);
}

TRect Intersect(const TRect& A, const TRect& B) {
    return TRect{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                 std::min(A.Bottom, B.Bottom)};
}

} // namespace

void TEditor::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

void TEditor::SetReserveWordList(const TWordList& Value) {
    if (Value == FReserveWordList) return;
    FReserveWordList.Assign(Value);
    Invalidate();
}

void TEditor::SetPopupMenu(std::unique_ptr<TEditorPopupMenu> Menu) {
    FPopupMenu = std::move(Menu);
    FPopupMenuMade = true;
}

TEditorPopupMenu* TEditor::PopupMenu() {
    if (!FPopupMenuMade) {
        FPopupMenuMade = true;
        FPopupMenu = CreatePopupMenu();
    }
    return FPopupMenu.get();
}

std::unique_ptr<TEditorPopupMenu> TEditor::CreatePopupMenu() {
    return std::make_unique<TEditorPopupMenu>(this);
}

bool TEditor::ItalicMode() const {
    if (HasItalic(FFont.Style())) return true;
    const TEditorColors& C = FView.Colors();
    for (const TEditorColor* E : {&C.Ank(), &C.Comment(), &C.DBCS(), &C.Int(), &C.Mail(), &C.Str(),
                                  &C.Symbol(), &C.Reserve(), &C.Url()})
        if (HasItalic(E->Style())) return true;
    const TEditorBracketCollection& B = FView.Brackets();
    for (int I = 0; I < B.Count(); ++I)
        if (HasItalic(B.Items(I)->ItemColor().Style())) return true;
    return false;
}

// The advance array has a fixed length; a longer text is drawn in several outputs cut at
// character boundaries, and the parts wholly outside the clip are not drawn at all.  An
// opaque output fills its whole clip, so each part's clip is narrowed to its own span
// (the first visible part fills from the clip's left, the last to its right).
void TEditor::DrawTextOut(const TRect& Rect, int X, TTextOutOption Options, const std::string& Text,
                          int Y) {
    DrawTextOut(Rect, X, Options, Text.data(), static_cast<int>(Text.size()), Y);
}

void TEditor::DrawTextOut(const TRect& Rect, int X, TTextOutOption Options, const char* Text, int N,
                          int Y) {
    if (!FPaintCanvas) return;
    const int Chunk = static_cast<int>(FAdvances.size());
    const int CW = FCharWidth;
    if (N <= Chunk) {
        FPaintCanvas->OutputText(X, Y, Options, Rect, Text, N, FAdvances.data());
        return;
    }
    bool Opaque = Has(Options, TTextOutOption::toOpaque);
    bool Drawn = false;
    int Start = 0;
    while (Start < N) {
        int Limit = std::min(N, Start + Chunk);
        int End = Start;
        while (End < Limit) {
            int Step = static_cast<int>(SjisCharLength(Text, N, End));
            if (End + Step > Limit) break;
            End += Step;
        }
        int Left = X + Start * CW;
        int Right = X + End * CW;
        if (Left >= Rect.Right) break;
        if (Right > Rect.Left) {
            TRect Part = Rect;
            if (Drawn) Part.Left = std::max(Rect.Left, Left);
            if (End < N && Right < Rect.Right) Part.Right = Right;
            FPaintCanvas->OutputText(Left, Y, Options, Part, Text + Start, End - Start,
                                     FAdvances.data());
            Drawn = true;
        }
        Start = End;
    }
    if (Opaque && !Drawn) FPaintCanvas->OutputText(X, Y, Options, Rect, Text, 0, FAdvances.data());
}

// The paint pass --------------------------------------------------------------------------

void TEditor::Paint(TCanvas& Canvas, const TRect& Clip) {
    TCanvas* SavedCanvas = FPaintCanvas;
    FPaintCanvas = &Canvas;
    FItalic = ItalicMode();
    const int ML = FMargin.Left(), MT = FMargin.Top();
    const int CW = std::max(1, FCharWidth), RH = FRowHeight;

    // The margins are not part of any row: they get the background.
    if (Clip.Left < ML) Canvas.FillRect(Intersect(Clip, TRect{0, 0, ML, FHeight}), FColor);
    if (Clip.Top < MT) Canvas.FillRect(Intersect(Clip, TRect{0, 0, FWidth, MT}), FColor);

    TRect R = Clip;
    R.Left = std::max(ML, R.Left >= ML ? ML + (R.Left - ML) / CW * CW : ML);
    R.Top = std::max(MT, R.Top);
    R.Top = MT + (R.Top - MT) / RH * RH;
    R.Bottom = std::max(R.Bottom, R.Top);
    R.Bottom = MT + (R.Bottom - MT + RH - 1) / RH * RH;
    if (R.Right <= R.Left || R.Bottom <= R.Top) {
        FPaintCanvas = SavedCanvas;
        return;
    }

    bool Underline = FMarks.Underline().Visible() && FUnderlineSuspend == 0 && !Selected() &&
                     UnderlineY(FRow) >= 0;
    const int First = FTopRow + (R.Top - MT) / RH;
    const int Last = FTopRow + (R.Bottom - MT) / RH - 1;
    const int X0 = ML - FTopCol * CW;
    const bool FullRows = Selected();
    const int PieceHeight = FullRows ? RH : FCharHeight;
    const int N = RowCount();

    Canvas.SetFont(FFont, FFont.Style());
    CaretHide();
    int Y = MT + (First - FTopRow) * RH;
    for (int Row = First; Row <= Last; ++Row, Y += RH) {
        TRect RowR{R.Left, Y, R.Right, Y + PieceHeight};
        if (Row < N) {
            if (!Selected())
                PaintRow(Row, RowR, X0, Y);
            else
                PaintSelectedRow(Row, RowR, X0, Y);
        } else {
            Canvas.FillRect(RowR, FColor);
            if (Row == N && N >= 1 && FMarks.EofMark().Visible() &&
                RowAttribute(N - 1) != TEditorRowAttribute::raEof)
                DrawEof(X0, Y);
        }
        // The line margin and the underline pixel below the text of the row.
        if (PieceHeight < RH)
            Canvas.FillRect(TRect{R.Left, Y + PieceHeight, R.Right, Y + RH}, FColor);
    }
    CaretShow();
    if (Underline) {
        int UY = UnderlineY(FRow);
        FUnderlineRow = FRow;
        Canvas.Line(ML, UY, FWidth, UY, FMarks.Underline().Color());
    }
    if (N == 0 && FMarks.EofMark().Visible()) DrawEof(X0, MT);
    FPaintCanvas = SavedCanvas;
}

void TEditor::PaintRow(int Row, const TRect& R, int X0, int Y) {
    PaintPiece(Row, R, X0, Y, false);
}

int TEditor::BoxEdgeX(int Row, int Col) {
    const std::string& M = RowMap(Row);
    int W = static_cast<int>(M.size());
    int C = std::min(std::max(Col, 0), W);
    if (C < W && M[static_cast<std::size_t>(C)] == '5') ++C;
    return std::max(FMargin.Left(), FMargin.Left() + (C - FTopCol) * FCharWidth);
}

void TEditor::PaintSelectedRow(int Row, const TRect& R, int X0, int Y) {
    if (Row < FBlockTopRow || Row > FBlockBottomRow) {
        PaintPiece(Row, R, X0, Y, false);
        return;
    }
    int SelLeft, SelRight;
    if (FBoxMode) {
        SelLeft = BoxEdgeX(Row, FBlockLeftCol);
        SelRight = BoxEdgeX(Row, FBlockRightCol);
    } else {
        SelLeft = Row == FBlockTopRow ? X0 + FBlockLeftCol * FCharWidth : FMargin.Left();
        SelRight = Row == FBlockBottomRow ? X0 + FBlockRightCol * FCharWidth : FWidth;
        SelLeft = std::max(SelLeft, FMargin.Left());
        SelRight = std::max(SelRight, SelLeft);
    }
    TRect Before{R.Left, R.Top, std::min(R.Right, SelLeft), R.Bottom};
    TRect Inside{std::max(R.Left, SelLeft), R.Top, std::min(R.Right, SelRight), R.Bottom};
    TRect After{std::max(R.Left, SelRight), R.Top, R.Right, R.Bottom};
    if (!Before.Empty()) PaintPiece(Row, Before, X0, Y, false);
    if (!Inside.Empty()) PaintPiece(Row, Inside, X0, Y, true);
    if (!After.Empty()) PaintPiece(Row, After, X0, Y, false);
}

// One piece of a row: the row's text clipped to R, in the normal or the selection
// colours.
void TEditor::PaintPiece(int Row, const TRect& R, int X, int Y, bool IsSelected) {
    TCanvas& Canvas = *FPaintCanvas;
    const TEditorColor& Sel = FView.Colors().Select();
    const TColor Bk = IsSelected ? Sel.BkColor() : FColor;
    const TColor Fg = IsSelected ? Sel.Color() : FFont.Color();
    const int CW = FCharWidth;
    const std::string& Own = RowString(Row);
    const int Tab = FCaret.TabSpaceCount();
    const bool Wrap = WordWrap();
    const int WrapByte = WrapOption().WrapByte();
    std::string L =
        Own.find('\t') == std::string::npos ? Own : ExpandTabs(Own, Tab, Wrap, WrapByte);

    int State = ParseStateOf(Row);

    Canvas.SetFont(FFont, FFont.Style());
    Canvas.SetBkColor(Bk);
    Canvas.SetTextColor(Fg);
    if (!FItalic)
        DrawTextOut(R, X, TTextOutOption::toOpaque | TTextOutOption::toClipped, L, Y);
    else
        Canvas.FillRect(R, Bk);

    std::string Line = L;
    int LineX = X;
    TRect Clip = R;
    if (!L.empty()) {
        if (Wrap && Row > 0 && RowAttribute(Row - 1) == TEditorRowAttribute::raWrapped) {
            const std::string& Prev = RowString(Row - 1);
            Line = Prev + L;
            LineX = X - static_cast<int>(Prev.size()) * CW;
            State = ParseStateOf(Row - 1);
        }
        if (Wrap && RowAttribute(Row) == TEditorRowAttribute::raWrapped && Row + 1 < RowCount()) {
            Line += RowString(Row + 1);
            Clip.Right = std::min(Clip.Right, X + static_cast<int>(L.size()) * CW);
        }

        const TEditorColors& C = FView.Colors();
        auto Listed = [&](const TEditorParser& P) {
            return FReserveWordList.Count() > 0 &&
                   FReserveWordList.Contains(Line.data() + P.SourcePos(), P.TokenLength());
        };
        std::unique_ptr<TEditorParser> P = CreateParser(Line, State);
        for (; P->Token() != TEditorTokenKind::toEOF; P->NextToken()) {
            int TX = LineX + P->SourcePos() * CW;
            int TEnd = TX + P->TokenLength() * CW;
            if (TEnd <= Clip.Left) continue;
            if (TX >= Clip.Right) break;
            const TEditorColor* TC = nullptr;
            switch (P->Token()) {
            case TEditorTokenKind::toSymbol:
                TC = Listed(*P) ? &C.Reserve() : &C.Symbol();
                break;
            case TEditorTokenKind::toString:
                TC = &C.Str();
                break;
            case TEditorTokenKind::toInteger:
            case TEditorTokenKind::toFloat:
                TC = &C.Int();
                break;
            case TEditorTokenKind::toBracket: {
                int I = P->TokenBracketIndex();
                if (I >= 0 && I < FView.Brackets().Count())
                    TC = &FView.Brackets().Items(I)->ItemColor();
                break;
            }
            case TEditorTokenKind::toComment:
                TC = &C.Comment();
                break;
            case TEditorTokenKind::toAnk:
                TC = Listed(*P) ? &C.Reserve() : &C.Ank();
                break;
            case TEditorTokenKind::toDBSymbol:
            case TEditorTokenKind::toDBInt:
            case TEditorTokenKind::toDBAlph:
            case TEditorTokenKind::toDBHira:
            case TEditorTokenKind::toDBKana:
            case TEditorTokenKind::toDBKanji:
            case TEditorTokenKind::toKanaSymbol:
            case TEditorTokenKind::toKana:
                TC = Listed(*P) ? &C.Reserve() : &C.DBCS();
                break;
            case TEditorTokenKind::toUrl:
                TC = Listed(*P) ? &C.Reserve() : &C.Url();
                break;
            case TEditorTokenKind::toMail:
                TC = Listed(*P) ? &C.Reserve() : &C.Mail();
                break;
            case TEditorTokenKind::toPerlComment:
                TC = &C.Comment();
                break;
            case TEditorTokenKind::toPerlString:
                TC = &C.Str();
                break;
            default:
                break;
            }
            TColor TokBk = Bk, TokFg = Fg;
            TFontStyles Style = FFont.Style();
            if (TC) {
                Style = TC->Style();
                if (!IsSelected) {
                    TokBk = TC->BkColor();
                    TokFg = TC->Color();
                }
            }
            bool Default = TokBk == Bk && TokFg == Fg && Style == FFont.Style();
            if (Default && !FItalic) continue;
            TRect TokR{std::max(Clip.Left, TX), Clip.Top, std::min(Clip.Right, TEnd), Clip.Bottom};
            Canvas.SetFont(FFont, Style);
            Canvas.SetTextColor(TokFg);
            Canvas.SetBkColor(TokBk);
            TTextOutOption Options = TTextOutOption::toClipped;
            if (!FItalic)
                Options |= TTextOutOption::toOpaque;
            else if (TokBk != FColor)
                Canvas.FillRect(TokR, TokBk);
            DrawTextOut(TokR, TX, Options, Line.data() + P->SourcePos(), P->TokenLength(), Y);
        }
        Canvas.SetFont(FFont, FFont.Style());
    }

    DoDrawLine(R, LineX, IsSelected, Row, Line, Y);

    int E = X + static_cast<int>(L.size()) * CW;
    if (E < R.Right && E >= R.Left) {
        TEditorRowAttribute A = RowAttribute(Row);
        if (Row == RowCount() - 1 && A == TEditorRowAttribute::raEof && FMarks.EofMark().Visible())
            DrawEof(E, Y);
        else if (A == TEditorRowAttribute::raCrlf && FMarks.RetMark().Visible()) {
            if (IsSelected)
                DrawSelectedRetMark(E, Y);
            else
                DrawRetMark(E, Y);
        }
    }
}

void TEditor::DoDrawLine(const TRect& ARect, int X, bool IsSelected, int Index,
                         const std::string& LineStr, int Y) {
    if (OnDrawLine) OnDrawLine(this, LineStr, X, Y, Index, ARect, IsSelected);
}

// Marks -----------------------------------------------------------------------------------

void TEditor::DrawEof(int X, int Y) {
    if (!FPaintCanvas) return;
    TRect R{X, Y, X + 6 * FCharWidth, Y + FCharHeight};
    R = Intersect(R, TextArea());
    if (R.Empty()) return;
    CaretHide();
    FPaintCanvas->SetFont(FFont, FFont.Style());
    FPaintCanvas->SetBkColor(FColor);
    FPaintCanvas->SetTextColor(FMarks.EofMark().Color());
    DrawTextOut(R, X, TTextOutOption::toOpaque | TTextOutOption::toClipped, "[EOF]", Y);
    CaretShow();
}

void TEditor::DrawRetArrow(int X, int Y, TColor Color) {
    if (!FPaintCanvas || X < FMargin.Left()) return;
    int CX = X + FCharWidth / 2;
    int Top = Y + 6;
    int Tip = Top + FCharHeight - 10;
    int Wing = Top + FCharHeight - 13;
    FPaintCanvas->Line(CX, Top, CX, Tip, Color);
    FPaintCanvas->Line(CX, Tip, CX + 3, Wing, Color);
    FPaintCanvas->Line(CX, Tip, CX - 3, Wing, Color);
}

void TEditor::DrawRetMark(int X, int Y) {
    DrawRetArrow(X, Y, FMarks.RetMark().Color());
}

void TEditor::DrawSelectedRetMark(int X, int Y) {
    DrawRetArrow(X, Y, FView.Colors().Select().Color());
}
