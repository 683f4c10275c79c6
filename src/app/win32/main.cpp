// Zefnote.exe, the viewer stage: loads the file named on the command line
// into the row list, wraps it at the wrap column and paints its rows in a
// fixed-pitch Japanese font.  The editor control replaces this window's
// client area when it lands.
#include "app/win32/viewer_document.h"

#include <windows.h>

#include <string>

namespace {

const char kClassName[] = "TZefnoteMainForm";
const char kAppTitle[] = "Zefnote";

struct Viewer {
    ViewerDocument doc;
    HFONT font = nullptr;
    int cellWidth = 8;
    int lineHeight = 16;
    int topRow = 0;
};

int VisibleRows(HWND w, const Viewer& v) {
    RECT r;
    GetClientRect(w, &r);
    return (r.bottom - r.top) / v.lineHeight;
}

void UpdateScrollBar(HWND w, const Viewer& v) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = v.doc.RowCount();
    si.nPage = static_cast<UINT>(VisibleRows(w, v));
    si.nPos = v.topRow;
    SetScrollInfo(w, SB_VERT, &si, TRUE);
}

void ScrollTo(HWND w, Viewer& v, int row) {
    int maxTop = v.doc.RowCount() - VisibleRows(w, v) + 1;
    if (row > maxTop) row = maxTop;
    if (row < 0) row = 0;
    if (row == v.topRow) return;
    int dy = (v.topRow - row) * v.lineHeight;
    v.topRow = row;
    ScrollWindowEx(w, 0, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateScrollBar(w, v);
}

void Paint(HWND w, Viewer& v) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    HGDIOBJ old = SelectObject(dc, v.font);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT client;
    GetClientRect(w, &client);
    int first = v.topRow + ps.rcPaint.top / v.lineHeight;
    int last = v.topRow + (ps.rcPaint.bottom + v.lineHeight - 1) / v.lineHeight;
    const int margin = 4;
    for (int row = first; row <= last; ++row) {
        int y = (row - v.topRow) * v.lineHeight;
        RECT line = {client.left, y, client.right, y + v.lineHeight};
        std::string text = row < v.doc.RowCount() ? v.doc.RowForDisplay(row) : std::string();
        ExtTextOutA(dc, margin, y, ETO_OPAQUE, &line, text.data(), static_cast<UINT>(text.size()),
                    nullptr);
        if (row == v.doc.RowCount() - 1 && v.doc.EndsWithoutLineBreak()) {
            // The end of the text, where no line break follows the last row.
            COLORREF oldColor = SetTextColor(dc, RGB(0x80, 0x80, 0x80));
            ExtTextOutA(dc, margin + static_cast<int>(text.size()) * v.cellWidth, y, 0, nullptr,
                        "[EOF]", 5, nullptr);
            SetTextColor(dc, oldColor);
        }
    }
    SelectObject(dc, old);
    EndPaint(w, &ps);
}

LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* v = reinterpret_cast<Viewer*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    switch (msg) {
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        v = static_cast<Viewer*>(cs->lpCreateParams);
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(v));
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpynA(lf.lfFaceName, "ＭＳ ゴシック", LF_FACESIZE);
        v->font = CreateFontIndirectA(&lf);
        HDC dc = GetDC(w);
        HGDIOBJ old = SelectObject(dc, v->font);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        v->cellWidth = tm.tmAveCharWidth;
        v->lineHeight = tm.tmHeight + tm.tmExternalLeading;
        SelectObject(dc, old);
        ReleaseDC(w, dc);
        return 0;
    }
    case WM_SIZE:
        if (v) UpdateScrollBar(w, *v);
        return 0;
    case WM_PAINT:
        if (v) Paint(w, *v);
        return 0;
    case WM_VSCROLL: {
        if (!v) break;
        int page = VisibleRows(w, *v);
        switch (LOWORD(wp)) {
        case SB_LINEUP: ScrollTo(w, *v, v->topRow - 1); break;
        case SB_LINEDOWN: ScrollTo(w, *v, v->topRow + 1); break;
        case SB_PAGEUP: ScrollTo(w, *v, v->topRow - page); break;
        case SB_PAGEDOWN: ScrollTo(w, *v, v->topRow + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si = {};
            si.cbSize = sizeof si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(w, SB_VERT, &si);
            ScrollTo(w, *v, si.nTrackPos);
            break;
        }
        case SB_TOP: ScrollTo(w, *v, 0); break;
        case SB_BOTTOM: ScrollTo(w, *v, v->doc.RowCount()); break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (v) ScrollTo(w, *v, v->topRow - 3 * GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        if (!v) break;
        switch (wp) {
        case VK_UP: ScrollTo(w, *v, v->topRow - 1); return 0;
        case VK_DOWN: ScrollTo(w, *v, v->topRow + 1); return 0;
        case VK_PRIOR: ScrollTo(w, *v, v->topRow - VisibleRows(w, *v)); return 0;
        case VK_NEXT: ScrollTo(w, *v, v->topRow + VisibleRows(w, *v)); return 0;
        case VK_HOME: ScrollTo(w, *v, 0); return 0;
        case VK_END: ScrollTo(w, *v, v->doc.RowCount()); return 0;
        }
        break;
    case WM_DESTROY:
        if (v && v->font) DeleteObject(v->font);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

// The first argument of the command line, quotes removed.
std::string FirstArgument(const char* cmdLine) {
    std::string s = cmdLine ? cmdLine : "";
    size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos) return std::string();
    if (s[i] == '"') {
        size_t end = s.find('"', i + 1);
        return s.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
    }
    size_t end = s.find_first_of(" \t", i);
    return s.substr(i, end == std::string::npos ? std::string::npos : end - i);
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int show) {
    Viewer viewer;
    std::string file = FirstArgument(cmdLine);
    std::string title = std::string("無題") + " - " + kAppTitle;
    if (!file.empty()) {
        std::string error;
        if (viewer.doc.LoadFile(file, error)) {
            title = BaseName(file) + " - " + kAppTitle;
        } else {
            MessageBoxA(nullptr, error.c_str(), kAppTitle, MB_OK | MB_ICONWARNING);
        }
    }

    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VSCROLL,
                             CW_USEDEFAULT, CW_USEDEFAULT, 1000, 700, nullptr, nullptr, instance,
                             &viewer);
    if (!w) return 1;
    ShowWindow(w, show);
    UpdateWindow(w);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
