#include "app/row_drawing.h"

#include "app/settings/option_record.h"
#include "base/shift_jis.h"
#include "editor/editor.h"
#include "editor/parser.h"
#include "editor/word_wrap.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cstring>

namespace {

// The Shift_JIS full-width space.
const char FullWidthSpace[] = "\x81\x40";

bool IsFullWidthSpace(const char* Text, std::size_t Length, std::size_t Pos) {
    return Pos + 1 < Length && Text[Pos] == FullWidthSpace[0] && Text[Pos + 1] == FullWidthSpace[1];
}

// The first character of Line after its leading half-width spaces, tabs and full-width
// spaces, as a byte offset and length (length 0 for a blank line).
struct TFirstChar {
    std::size_t Pos = 0;
    std::size_t Length = 0;
    bool Is(char C) const { return Length == 1 && Text[Pos] == C; }
    const char* Text = nullptr;
};

TFirstChar FirstChar(const std::string& Line) {
    const char* T = Line.data();
    const std::size_t N = Line.size();
    std::size_t P = 0;
    while (P < N) {
        if (T[P] == ' ' || T[P] == '\t') ++P;
        else if (IsFullWidthSpace(T, N, P)) P += 2;
        else break;
    }
    TFirstChar F;
    F.Text = T;
    F.Pos = P;
    F.Length = P < N ? SjisCharLength(T, N, P) : 0;
    return F;
}

// Draws Length bytes of Text, the byte Column of the row, in Color over the editor's
// background, clipped to ARect and the text's own cells.
void DrawAt(TEditor& Editor, const TRect& ARect, int X, int Y, int Column, const char* Text,
            int Length, TColor Color) {
    TCanvas* Canvas = Editor.Canvas();
    if (!Canvas || Length <= 0) return;
    const int CW = Editor.CharWidth();
    const int Left = X + Column * CW;
    const TRect Clip{std::max(ARect.Left, Left), ARect.Top, std::min(ARect.Right, Left + Length * CW),
                     ARect.Bottom};
    if (Clip.Empty()) return;
    Canvas->SetBkColor(Editor.Color());
    Canvas->SetTextColor(Color);
    Editor.DrawTextOut(Clip, Left, TTextOutOption::toOpaque | TTextOutOption::toClipped, Text,
                       Length, Y);
}

// Every token of the row (general scan) in Color.
void DrawAllTokens(TEditor& Editor, const std::string& Line, int X, int Y, const TRect& ARect,
                   TColor Color) {
    const int CW = Editor.CharWidth();
    for (TEditorParser P(Line); P.Token() != TEditorTokenKind::toEOF; P.NextToken()) {
        const int Left = X + P.SourcePos() * CW;
        if (Left >= ARect.Right) break;
        DrawAt(Editor, ARect, X, Y, P.SourcePos(), Line.data() + P.SourcePos(), P.TokenLength(),
               Color);
    }
}

// The bracket state the text of LineStr starts in: a wrapped row is drawn joined to the
// row before it, so its text starts at that row.
int LineStartState(TEditor& Editor, int Index) {
    int Row = Index;
    if (Editor.WordWrap() && Row > 0 && Editor.RowAttribute(Row - 1) == TEditorRowAttribute::raWrapped)
        --Row;
    if (Row < 0 || Row >= Editor.RowCount()) return TEditorParser::OutsideBrackets;
    const int State = Editor.RowList().GetRowState(Row);
    return State == RowStateNotComputed ? TEditorParser::OutsideBrackets : State;
}

// Quoted attribute values inside tags (bracket pair 1, "<" ">") in Html_Option; the
// strings of comments (pair 0) keep the editor's colouring.
void DrawHtmlRow(TEditor& Editor, const TOptionRecord& O, const std::string& Line, int X, int Y,
                 int Index, const TRect& ARect) {
    const TEditorViewInfo* View = &Editor.View();
    const int CW = Editor.CharWidth();
    TEditorParser P(Line, LineStartState(Editor, Index), View);
    for (; P.Token() != TEditorTokenKind::toEOF; P.NextToken()) {
        if (X + P.SourcePos() * CW >= ARect.Right) break;
        if (P.Token() != TEditorTokenKind::toBracket || P.TokenBracketIndex() != 1) continue;
        const int Outer = P.SourcePos();
        TEditorParser Inner(P.TokenString(), TEditorParser::BracketsOff, View);
        for (; Inner.Token() != TEditorTokenKind::toEOF; Inner.NextToken())
            if (Inner.Token() == TEditorTokenKind::toString)
                DrawAt(Editor, ARect, X, Y, Outer + Inner.SourcePos(),
                       Line.data() + Outer + Inner.SourcePos(), Inner.TokenLength(),
                       O.Colors.Html_Option);
    }
}

void DrawIniRow(TEditor& Editor, const TOptionRecord& O, const std::string& Line, int X, int Y,
                const TRect& ARect) {
    const TFirstChar First = FirstChar(Line);
    if (First.Is(';') || First.Is('#')) {
        DrawAllTokens(Editor, Line, X, Y, ARect, O.Colors.Ini_Comment);
        return;
    }
    if (First.Is('[')) {
        DrawAllTokens(Editor, Line, X, Y, ARect, O.Colors.Ini_Sec);
        return;
    }
    // No trail byte is as low as "=", so a byte search finds only the character.
    const std::size_t Equal = Line.find('=');
    if (Equal == std::string::npos || Equal + 1 >= Line.size()) return;
    const int Value = static_cast<int>(Equal) + 1;
    DrawAt(Editor, ARect, X, Y, Value, Line.data() + Value, static_cast<int>(Line.size()) - Value,
           O.Colors.Ini_Key);
}

bool IsBatComment(const std::string& Line) {
    const TFirstChar First = FirstChar(Line);
    if (First.Is('#')) return true;
    if (Line.size() - First.Pos < 3) return false;
    static const char Rem[] = "rem";
    for (std::size_t I = 0; I < 3; ++I) {
        char C = Line[First.Pos + I];
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
        if (C != Rem[I]) return false;
    }
    return true;
}

bool IsQuoteLine(const TOptionRecord& O, const std::string& Line) {
    const TFirstChar First = FirstChar(Line);
    if (First.Length > 0 &&
        ContainsChar(Line.data() + First.Pos, static_cast<int>(First.Length), O.Inyouhu))
        return true;
    const std::string& Prefix = O.PasteInyouhu;
    return !Prefix.empty() && Line.compare(0, Prefix.size(), Prefix) == 0;
}

// One canvas line of pen width Width (1 or 2): a second pixel column beside the first.
void PenLine(TCanvas& Canvas, int Width, int X1, int Y1, int X2, int Y2, TColor Color) {
    for (int D = 0; D < Width; ++D)
        Canvas.Line(X1 + D, Y1, X2 + D, Y2, Color);
}

void DrawTabMark(TEditor& Editor, int X, int Y, TColor Color) {
    TCanvas& Canvas = *Editor.Canvas();
    const int CW = Editor.CharWidth();
    const int Mid = Y + (Editor.RowHeight() - Editor.Margin().Line()) / 2;
    const bool Small = CW < 14;
    const int Pen = Small ? 1 : 2, Arm = Small ? 1 : 5, Length = Small ? 3 : 5;
    PenLine(Canvas, Pen, X + 2, Mid - Arm, X + 2 + Length, Mid, Color);
    PenLine(Canvas, Pen, X + 2, Mid + Arm, X + 2 + Length, Mid, Color);
}

// The outline of the square from (X+2, Y+2) to (X + 2 CW - 2, Y + 2 CW - 2), right and
// bottom edges exclusive as a rectangle outline is drawn.
void DrawSpaceMark(TEditor& Editor, int X, int Y, TColor Color) {
    TCanvas& Canvas = *Editor.Canvas();
    const int CW = Editor.CharWidth();
    const int L = X + 2, T = Y + 2, R = X + 2 * CW - 3, B = Y + 2 * CW - 3;
    Canvas.Line(L, T, R, T, Color);
    Canvas.Line(R, T, R, B, Color);
    Canvas.Line(R, B, L, B, Color);
    Canvas.Line(L, B, L, T, Color);
}

} // namespace

void Editor1DrawLine(TEditor& Editor, int Mode, const TOptionRecord& Options,
                     const std::string& LineStr, int X, int Y, int Index, const TRect& ARect,
                     bool Selected) {
    if (!Editor.Canvas()) return;
    if (!Selected) {
        switch (Mode) {
        case 1: DrawHtmlRow(Editor, Options, LineStr, X, Y, Index, ARect); break;
        case 3: DrawIniRow(Editor, Options, LineStr, X, Y, ARect); break;
        case 4:
            if (IsBatComment(LineStr))
                DrawAllTokens(Editor, LineStr, X, Y, ARect, Options.Colors.Bat_Comment);
            break;
        case 0:
            if (Options.InyouRow && IsQuoteLine(Options, LineStr))
                DrawAllTokens(Editor, LineStr, X, Y, ARect, Options.Colors.Inyou);
            break;
        default: break;
        }
    }
    DrawMarks(Editor, Options, X, Selected, ARect, Index, Y);
}

void DrawMarks(TEditor& Editor, const TOptionRecord& Options, int /*X*/, bool Selected,
               const TRect& ARect, int Index, int Y) {
    if (!Options.TabMark && !Options.SpMark) return;
    if (!Editor.Canvas() || Index < 0 || Index >= Editor.RowCount()) return;
    const std::string& Row = Editor.RowString(Index);
    if (Row.find('\t') == std::string::npos && Row.find(FullWidthSpace) == std::string::npos) return;
    const TColor Color = Selected ? Editor.View().Colors().Select().Color() : Options.Colors.Tab;
    const int CW = Editor.CharWidth();
    const int N = Editor.TabSpaceCount();
    const int Origin = Editor.Margin().Left() - Editor.TopCol() * CW;
    int Extra = 0;
    for (TEditorParser P(Row); P.Token() != TEditorTokenKind::toEOF; P.NextToken()) {
        const int C = P.SourcePos();
        const int XX = Origin + C * CW + Extra;
        if (XX > ARect.Right) break;
        if (P.Token() == TEditorTokenKind::toTab) {
            if (Options.TabMark && ARect.Left <= XX && XX <= ARect.Right - CW)
                DrawTabMark(Editor, XX, Y, Color);
            if (CW > 0 && N > 0) Extra += (N - ((Extra / CW + C) % N + 1)) * CW;
        } else if (P.Token() == TEditorTokenKind::toDBSymbol && P.TokenLength() == 2 &&
                   IsFullWidthSpace(Row.data(), Row.size(), static_cast<std::size_t>(C))) {
            if (Options.SpMark && ARect.Left <= XX && XX <= ARect.Right - 2 * CW)
                DrawSpaceMark(Editor, XX, Y, Color);
        }
    }
}
