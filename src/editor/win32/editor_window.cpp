#include "editor/win32/editor_window.h"

#include "editor/editor_popup_menu.h"
#include "platform/win32/window_binding.h"

#include <imm.h>
#include <windowsx.h>

#include <climits>
#include <string>

const char* const TEditorWindow::ClassName = "TEditor";

namespace {

TShiftState KeyShift() {
    TShiftState S = TShiftState();
    if (GetKeyState(VK_SHIFT) < 0) S |= TShiftState::ssShift;
    if (GetKeyState(VK_CONTROL) < 0) S |= TShiftState::ssCtrl;
    if (GetKeyState(VK_MENU) < 0) S |= TShiftState::ssAlt;
    return S;
}

TShiftState MouseShift(WPARAM W) {
    TShiftState S = TShiftState();
    if (W & MK_SHIFT) S |= TShiftState::ssShift;
    if (W & MK_CONTROL) S |= TShiftState::ssCtrl;
    if (GetKeyState(VK_MENU) < 0) S |= TShiftState::ssAlt;
    if (W & MK_LBUTTON) S |= TShiftState::ssLeft;
    if (W & MK_RBUTTON) S |= TShiftState::ssRight;
    if (W & MK_MBUTTON) S |= TShiftState::ssMiddle;
    return S;
}

TScrollCode ScrollCode(WPARAM W) {
    switch (LOWORD(W)) {
    case SB_LINEUP:
        return TScrollCode::scLineUp;
    case SB_LINEDOWN:
        return TScrollCode::scLineDown;
    case SB_PAGEUP:
        return TScrollCode::scPageUp;
    case SB_PAGEDOWN:
        return TScrollCode::scPageDown;
    case SB_THUMBPOSITION:
        return TScrollCode::scThumbPosition;
    case SB_THUMBTRACK:
        return TScrollCode::scThumbTrack;
    case SB_TOP:
        return TScrollCode::scTop;
    case SB_BOTTOM:
        return TScrollCode::scBottom;
    default:
        return TScrollCode::scEndScroll;
    }
}

bool RegisterEditorClass() {
    static bool Registered = false;
    if (Registered) return true;
    WNDCLASSA WC = {};
    // No redraw on resizing: the control repaints what its metrics change.
    WC.style = CS_DBLCLKS;
    WC.lpfnWndProc = TEditorWindow::WindowProc;
    WC.hInstance = GetModuleHandleA(nullptr);
    WC.hCursor = nullptr; // set on WM_SETCURSOR
    WC.hbrBackground = nullptr;
    WC.lpszClassName = TEditorWindow::ClassName;
    Registered = RegisterClassA(&WC) != 0;
    return Registered;
}

} // namespace

bool EditorDropsKeyMessage(const TEditor& Editor, UINT Message, WPARAM W) {
    TKeyMessage Kind;
    switch (Message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Kind = TKeyMessage::kmKeyDown;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        Kind = TKeyMessage::kmKeyUp;
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
        Kind = TKeyMessage::kmChar;
        break;
    default:
        return false;
    }
    return Editor.KeyMessageLocked(Kind, static_cast<int>(W));
}

TEditorWindow::TEditorWindow()
    : FEditor(std::make_unique<TEditor>(&FHost, &FClipboard, &FMetrics)) {}

TEditorWindow::~TEditorWindow() {
    HWND W = FHost.Window();
    FEditor.reset();
    if (W && IsWindow(W)) {
        UnbindWindow(W);
        DestroyWindow(W);
    }
}

bool TEditorWindow::Create(HWND Parent, int X, int Y, int Width, int Height, int Id) {
    if (!RegisterEditorClass()) return false;
    DWORD Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
    TScrollStyle Bars = FEditor->ScrollBars();
    if (Bars == TScrollStyle::ssVertical || Bars == TScrollStyle::ssBoth) Style |= WS_VSCROLL;
    if (Bars == TScrollStyle::ssHorizontal || Bars == TScrollStyle::ssBoth) Style |= WS_HSCROLL;
    DWORD ExStyle = FEditor->BorderStyle() == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0;
    HWND W = CreateWindowExA(ExStyle, ClassName, "", Style, X, Y, Width, Height, Parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                             GetModuleHandleA(nullptr), this);
    if (!W) return false;
    FHost.SetWindow(W);
    FClipboard.SetOwner(W);
    Resized();
    return true;
}

LRESULT CALLBACK TEditorWindow::WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
    // Until Create has made the window the control's, its messages are the default's.
    TEditorWindow* Self = BindWindow<TEditorWindow>(Window, Message, L);
    if (!Self || !Self->FEditor || Self->FHost.Window() != Window)
        return DefWindowProcA(Window, Message, W, L);
    return Self->Handle(Message, W, L);
}

// The control's size as its metrics count it: the client area and the scroll bars it
// shows (the bars are taken off again when the visible rows and columns are counted).
void TEditorWindow::Resized() {
    RECT R;
    GetClientRect(FHost.Window(), &R);
    int Width = R.right, Height = R.bottom;
    TScrollStyle Bars = FEditor->ScrollBars();
    if (Bars == TScrollStyle::ssVertical || Bars == TScrollStyle::ssBoth)
        Width += FHost.VScrollBarWidth();
    if (Bars == TScrollStyle::ssHorizontal || Bars == TScrollStyle::ssBoth)
        Height += FHost.HScrollBarHeight();
    FEditor->SetBounds(Width, Height);
}

void TEditorWindow::Paint() {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(FHost.Window(), &PS);
    {
        TWin32Canvas Canvas(DC, FMetrics);
        TRect Clip{PS.rcPaint.left, PS.rcPaint.top, PS.rcPaint.right, PS.rcPaint.bottom};
        FEditor->Paint(Canvas, Clip);
    }
    EndPaint(FHost.Window(), &PS);
}

void TEditorWindow::ContextMenu(LPARAM L) {
    POINT P = {GET_X_LPARAM(L), GET_Y_LPARAM(L)};
    // From the keyboard both coordinates are -1; tested apart, since a 64-bit
    // lParam holds them as 0x00000000FFFFFFFF.  The menu then opens at the caret.
    if (P.x == -1 && P.y == -1) {
        int X = 0, Y = 0;
        FEditor->CaretPixelPos(X, Y);
        P.x = X;
        P.y = Y + FEditor->CharHeight();
        ClientToScreen(FHost.Window(), &P);
    }
    if (OnContextMenu) {
        OnContextMenu(P.x, P.y);
        return;
    }
    TEditorPopupMenu* Menu = FEditor->PopupMenu();
    if (!Menu) return;
    Menu->UpdateItems();
    HMENU H = CreatePopupMenu();
    const auto& Items = Menu->Items();
    for (std::size_t I = 0; I < Items.size(); ++I) {
        const TEditorPopupMenu::TItem& It = Items[I];
        if (It.Command == TEditorPopupMenu::pcNone) {
            AppendMenuA(H, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string Caption = It.Caption;
        if (!It.ShortCutText.empty()) Caption += "\t" + It.ShortCutText;
        UINT Flags = MF_STRING | (It.Enabled ? MF_ENABLED : MF_GRAYED) |
                     (It.Checked ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(H, Flags, static_cast<UINT_PTR>(I + 1), Caption.c_str());
    }

    int Chosen = TrackPopupMenu(H, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, P.x, P.y, 0,
                                FHost.Window(), nullptr);
    DestroyMenu(H);
    if (Chosen > 0) Menu->Click(Chosen - 1);
}

// The result string of the window's input context, in code-page bytes.
static std::string ImeResultString(HWND Window) {
    std::string Result;
    HIMC Imc = ImmGetContext(Window);
    if (!Imc) return Result;
    LONG Bytes = ImmGetCompositionStringA(Imc, GCS_RESULTSTR, nullptr, 0);
    if (Bytes > 0) {
        Result.resize(static_cast<std::size_t>(Bytes));
        Bytes = ImmGetCompositionStringA(Imc, GCS_RESULTSTR, &Result[0], static_cast<DWORD>(Bytes));
        Result.resize(Bytes > 0 ? static_cast<std::size_t>(Bytes) : 0);
    }
    ImmReleaseContext(Window, Imc);
    return Result;
}

// Three rows per notch of the wheel, as three line scrolls.
void TEditorWindow::Wheel(int Delta) {
    FWheelRest += Delta;
    while (FWheelRest >= WHEEL_DELTA) {
        FWheelRest -= WHEEL_DELTA;
        for (int I = 0; I < 3; ++I)
            FEditor->VScroll(TScrollCode::scLineUp);
    }
    while (FWheelRest <= -WHEEL_DELTA) {
        FWheelRest += WHEEL_DELTA;
        for (int I = 0; I < 3; ++I)
            FEditor->VScroll(TScrollCode::scLineDown);
    }
}

LRESULT TEditorWindow::Handle(UINT Message, WPARAM W, LPARAM L) {
    HWND Window = FHost.Window();
    TEditor& E = *FEditor;
    // Mid-drag keys are dropped here too, for messages that come by another loop than
    // the program's (a dialog's, a test's).
    if (EditorDropsKeyMessage(E, Message, W)) return 0;
    switch (Message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint pass fills every pixel it is asked for
    case WM_SIZE:
        Resized();
        return 0;
    case WM_SETFOCUS:
        E.FocusGained();
        return 0;
    case WM_KILLFOCUS:
        E.FocusLost();
        return 0;
    case WM_GETDLGCODE:
        return Bits(E.DialogCode());
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const bool Repeat = (L & 0x40000000) != 0;
        // A fresh press of Alt: no mouse gesture has used it yet (one that did may have
        // lost its release to a menu or another window).
        if (W == VK_MENU && !Repeat) FAltWithMouse = false;
        TShiftState Shift = KeyShift();
        if (E.ShortCut(static_cast<int>(W), Shift)) return 0;
        int Key = static_cast<int>(W);
        E.KeyDown(Key, Shift, Repeat);
        if (Message == WM_SYSKEYDOWN && Key != 0) break;
        return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        int Key = static_cast<int>(W);
        E.KeyUp(Key, KeyShift());
        // Alt held for a box selection with the mouse: its release opens no menu.
        if (W == VK_MENU && FAltWithMouse) {
            FAltWithMouse = false;
            return 0;
        }
        if (Message == WM_SYSKEYUP) break;
        return 0;
    }
    case WM_CHAR:
        E.KeyPress(static_cast<char>(W & 0xFF));
        return 0;
    case WM_IME_COMPOSITION: {
        // The default processing comes first: it hands the result to the input method's
        // window, which delivers it again as character messages, one per byte; those
        // are what the editor's discard counter swallows.
        LRESULT Result = DefWindowProcA(Window, Message, W, L);
        if (L & GCS_RESULTSTR) E.ImeComposition(ImeResultString(Window));
        return Result;
    }
    case WM_IME_NOTIFY:
        if (W == IMN_OPENCANDIDATE)
            E.ImeCandidateOpen();
        else if (W == IMN_CLOSECANDIDATE)
            E.ImeCandidateClose();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        if (GetFocus() != Window) SetFocus(Window);
        TMouseButton B = Message == WM_RBUTTONDOWN   ? TMouseButton::mbRight
                         : Message == WM_MBUTTONDOWN ? TMouseButton::mbMiddle
                                                     : TMouseButton::mbLeft;
        TShiftState S = MouseShift(W);
        if (Has(S, TShiftState::ssAlt)) FAltWithMouse = true;
        if (Message == WM_LBUTTONDBLCLK) S |= TShiftState::ssDouble;
        E.MouseDown(B, S, GET_X_LPARAM(L), GET_Y_LPARAM(L));
        if (Message == WM_LBUTTONDBLCLK && !E.Dragging() && !E.RowSelecting()) E.DblClick();
        return 0;
    }
    case WM_MOUSEMOVE:
        E.MouseMove(MouseShift(W), GET_X_LPARAM(L), GET_Y_LPARAM(L));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        TMouseButton B = Message == WM_RBUTTONUP   ? TMouseButton::mbRight
                         : Message == WM_MBUTTONUP ? TMouseButton::mbMiddle
                                                   : TMouseButton::mbLeft;
        E.MouseUp(B, MouseShift(W), GET_X_LPARAM(L), GET_Y_LPARAM(L));
        // WM_CONTEXTMENU follows from DefWindowProc, except in the middle of a drag.
        if (Message == WM_RBUTTONUP && !E.Dragging() && !E.RowSelecting()) break;
        return 0;
    }
    case WM_CONTEXTMENU:
        if (!E.Dragging() && !E.RowSelecting()) ContextMenu(L);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        // A click on a scroll bar or the border gives the control the focus first; the
        // default processing then runs the scroll bar.
        E.NonClientMouseDown();
        break;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(W));
        return 0;
    case WM_VSCROLL:
        E.VScroll(ScrollCode(W), HIWORD(W));
        return 0;
    case WM_HSCROLL:
        E.HScroll(ScrollCode(W), HIWORD(W));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(L) == HTCLIENT) {
            FHost.ApplyCursor();
            return TRUE;
        }
        break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        break;
    case WM_GETTEXTLENGTH:
        return E.GetTextLen();
    case WM_GETTEXT: {
        if (W == 0 || L == 0) return 0;
        // A 64-bit wParam may name more than an int holds: no text is that long.
        std::string Text = E.GetTextBuf(W > INT_MAX ? INT_MAX : static_cast<int>(W));
        char* Out = reinterpret_cast<char*>(L);
        Text.copy(Out, Text.size());
        Out[Text.size()] = '\0';
        return static_cast<LRESULT>(Text.size());
    }
    case WM_SETTEXT:
        E.SetTextBuf(L ? reinterpret_cast<const char*>(L) : "");
        return TRUE;
    }
    return DefWindowProcA(Window, Message, W, L);
}
