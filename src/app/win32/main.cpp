// Zefnote.exe: the main window, whose client area is one editor control.  The file
// named on the command line is loaded with kanji code detection and conversion.
#include "codec/text_file.h"
#include "editor/editor.h"
#include "editor/win32/editor_window.h"
#include "platform/file_system.h"

#include <windows.h>

#include <exception>
#include <string>

namespace {

const char kClassName[] = "TZefnoteMainForm";
const char kAppTitle[] = "Zefnote";

// The editor as the loader sees it.
class TEditorFile : public TTextFileEditor {
public:
    explicit TEditorFile(TEditor& Editor) : FEditor(Editor) {}
    TEditorStrings& Lines() override { return FEditor.Lines(); }
    TLinesHost& LinesHost() override { return FEditor; }
    bool Modified() const override { return FEditor.Modified(); }
    void SetModified(bool Value) override { FEditor.SetModified(Value); }

private:
    TEditor& FEditor;
};

struct TMainForm {
    TEditorWindow Editor;
    std::string FileName;
};

LRESULT CALLBACK WndProc(HWND W, UINT Msg, WPARAM WP, LPARAM LP) {
    auto* Form = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(W, GWLP_USERDATA));
    switch (Msg) {
    case WM_CREATE: {
        auto* CS = reinterpret_cast<CREATESTRUCTA*>(LP);
        Form = static_cast<TMainForm*>(CS->lpCreateParams);
        SetWindowLongPtrA(W, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Form));
        RECT R;
        GetClientRect(W, &R);
        if (!Form->Editor.Create(W, 0, 0, R.right, R.bottom)) return -1;
        return 0;
    }
    case WM_SIZE:
        if (Form && Form->Editor.Handle())
            MoveWindow(Form->Editor.Handle(), 0, 0, LOWORD(LP), HIWORD(LP), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (Form && Form->Editor.Handle()) SetFocus(Form->Editor.Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(W, Msg, WP, LP);
}

// The first argument of the command line, quotes removed.
std::string FirstArgument(const char* CmdLine) {
    std::string S = CmdLine ? CmdLine : "";
    size_t I = S.find_first_not_of(" \t");
    if (I == std::string::npos) return std::string();
    if (S[I] == '"') {
        size_t End = S.find('"', I + 1);
        return S.substr(I + 1, End == std::string::npos ? std::string::npos : End - I - 1);
    }
    size_t End = S.find_first_of(" \t", I);
    return S.substr(I, End == std::string::npos ? std::string::npos : End - I);
}

// The file name without its folder, cut at a character boundary of code page 932.
std::string BaseName(const std::string& Path) {
    size_t Start = 0;
    for (size_t I = 0; I < Path.size(); ++I) {
        unsigned char B = static_cast<unsigned char>(Path[I]);
        if ((B >= 0x81 && B <= 0x9F) || (B >= 0xE0 && B <= 0xFC)) {
            ++I;
            continue;
        }
        if (B == '\\' || B == '/' || B == ':') Start = I + 1;
    }
    return Path.substr(Start);
}

// The settings this first version starts with, until the settings store applies its own:
// soft wrap at 80 columns, the end-of-file and return marks shown.
void ApplyStartSettings(TEditor& E) {
    E.WrapOption().SetWrapByte(80);
    E.SetWordWrap(true);
    E.Marks().EofMark().SetVisible(true);
    E.Marks().RetMark().SetVisible(true);
}

} // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR CmdLine, int Show) {
    TMainForm Form;
    WNDCLASSA WC = {};
    WC.lpfnWndProc = WndProc;
    WC.hInstance = Instance;
    WC.hCursor = LoadCursor(nullptr, IDC_ARROW);
    WC.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    WC.lpszClassName = kClassName;
    RegisterClassA(&WC);
    std::string Title = std::string("無題") + " - " + kAppTitle;
    HWND W =
        CreateWindowExA(0, kClassName, Title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        CW_USEDEFAULT, CW_USEDEFAULT, 1000, 700, nullptr, nullptr, Instance, &Form);
    if (!W) return 1;
    TEditor& E = Form.Editor.Editor();
    ApplyStartSettings(E);

    std::string File = FirstArgument(CmdLine);
    if (!File.empty()) {
        TEditorFile Target(E);
        try {
            LoadFromFileDetect(Target, PlatformFileSystem(), nullptr, File);
            Form.FileName = File;
            Title = BaseName(File) + " - " + kAppTitle;
            SetWindowTextA(W, Title.c_str());
        } catch (const std::exception& Error) {
            MessageBoxA(W, Error.what(), kAppTitle, MB_OK | MB_ICONWARNING);
        }
        E.SetModified(false);
        E.SetRowCol(0, 0);
    }

    ShowWindow(W, Show);
    UpdateWindow(W);
    SetFocus(Form.Editor.Handle());
    MSG Msg;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    return static_cast<int>(Msg.wParam);
}
