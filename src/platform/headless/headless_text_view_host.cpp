#include "platform/headless/headless_text_view_host.h"

#include <string>

namespace {

std::string Num(int V) {
    return std::to_string(V);
}

} // namespace

void THeadlessTextViewHost::Note(const std::string& Entry) {
    if (Recording) Log.push_back(Entry);
}

void THeadlessTextViewHost::ClearLog() {
    Log.clear();
    Invalidated.clear();
    AllInvalidated = false;
    Paints = Scrolls = 0;
    CaretCreations = ImeMoves = Beeps = 0;
}

void THeadlessTextViewHost::SetFocus() {
    bool Was = HasFocus;
    HasFocus = true;
    Note("SetFocus");
    if (!Was && OnSetFocus) OnSetFocus();
}

void THeadlessTextViewHost::InvalidateRect(const TRect& Rect) {
    if (Recording) Invalidated.push_back(Rect);
    Note("Invalidate " + Num(Rect.Left) + "," + Num(Rect.Top) + "," + Num(Rect.Right) + "," +
         Num(Rect.Bottom));
}

void THeadlessTextViewHost::InvalidateAll() {
    AllInvalidated = true;
    Note("InvalidateAll");
}

void THeadlessTextViewHost::UpdateNow() {
    ++Paints;
    Note("UpdateNow");
}

// Like the platform's window scroll, a caret inside the scrolled area moves with it.
void THeadlessTextViewHost::ScrollPixels(int DX, int DY, const TRect& Area) {
    ++Scrolls;
    if (CaretExists && CaretX >= Area.Left && CaretX < Area.Right && CaretY >= Area.Top &&
        CaretY < Area.Bottom) {
        CaretX += DX;
        CaretY += DY;
    }
    LastScrollDX = DX;
    LastScrollDY = DY;
    Note("Scroll " + Num(DX) + "," + Num(DY));
}

void THeadlessTextViewHost::ShowBorder(bool Visible) {
    BorderShown = Visible;
    Note(Visible ? "BorderOn" : "BorderOff");
}

void THeadlessTextViewHost::SetRedraw(bool Value) {
    RedrawOn = Value;
    Note(Value ? "RedrawOn" : "RedrawOff");
}

void THeadlessTextViewHost::SetScrollBar(TScrollBarKind Bar, int Min, int Max, int Page, int Pos) {
    TScrollBarState& S = this->Bar(Bar);
    S.Min = Min;
    S.Max = Max;
    S.Page = Page;
    S.Pos = Pos;
}

void THeadlessTextViewHost::SetScrollPos(TScrollBarKind Bar, int Pos) {
    this->Bar(Bar).Pos = Pos;
}

void THeadlessTextViewHost::CreateCaret(int W, int H) {
    CaretExists = true;
    CaretShowLevel = 0;
    CaretWidth = W;
    CaretHeight = H;
    ++CaretCreations;
    Note("CreateCaret " + Num(W) + "x" + Num(H));
}

void THeadlessTextViewHost::DestroyCaret() {
    CaretExists = false;
    CaretShowLevel = 0;
    Note("DestroyCaret");
}

// The platform caret counts hides and shows; it is visible while the count is above 0.
void THeadlessTextViewHost::ShowCaret() {
    if (CaretExists) ++CaretShowLevel;
    Note("ShowCaret");
}

void THeadlessTextViewHost::HideCaret() {
    if (CaretExists) --CaretShowLevel;
    Note("HideCaret");
}

void THeadlessTextViewHost::SetCaretPos(int X, int Y) {
    CaretX = X;
    CaretY = Y;
    Note("CaretPos " + Num(X) + "," + Num(Y));
}

void THeadlessTextViewHost::SetImeWindowPos(int X, int Y, const TFont& Font) {
    ImeX = X;
    ImeY = Y;
    ImeFontName = Font.Name();
    ImeFontSize = Font.Size();
    ++ImeMoves;
    Note("Ime " + Num(X) + "," + Num(Y));
}

void THeadlessTextViewHost::SetControlCursor(TCursor Cursor) {
    ControlCursor = Cursor;
    Note("ControlCursor " + Num(Cursor));
}

void THeadlessTextViewHost::SetScreenCursor(TCursor Cursor) {
    ScreenCursor = Cursor;
    Note("ScreenCursor " + Num(Cursor));
}

void THeadlessTextViewHost::SetMouseCapture(bool Capture) {
    Captured = Capture;
    Note(Capture ? "Capture" : "Release");
}

void THeadlessTextViewHost::Beep() {
    ++Beeps;
    Note("Beep");
}
