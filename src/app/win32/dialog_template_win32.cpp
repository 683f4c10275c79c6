#include "app/win32/dialog_template_win32.h"

std::wstring WideText(const std::string& Text) {
    if (Text.empty()) return std::wstring();
    const int Size = MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
    std::wstring Wide(static_cast<std::size_t>(Size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), &Wide[0], Size);
    return Wide;
}

std::string ControlText(HWND Control) {
    std::vector<char> Buffer(static_cast<std::size_t>(GetWindowTextLengthA(Control)) + 1);
    GetWindowTextA(Control, Buffer.data(), static_cast<int>(Buffer.size()));
    return Buffer.data();
}

TDialogTemplate::TDialogTemplate(const std::string& Caption, int Width, int Height, int PointSize,
                                 const std::string& Font) {
    AddDword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddDword(0);
    FWords.push_back(0); // the control count, set by Add
    FWords.push_back(0);
    FWords.push_back(0);
    FWords.push_back(static_cast<WORD>(Width));
    FWords.push_back(static_cast<WORD>(Height));
    FWords.push_back(0); // no menu
    FWords.push_back(0); // the standard dialog class
    AddText(Caption);
    FWords.push_back(static_cast<WORD>(PointSize));
    AddText(Font);
}

void TDialogTemplate::AddDword(DWORD Value) {
    FWords.push_back(LOWORD(Value));
    FWords.push_back(HIWORD(Value));
}

void TDialogTemplate::AddText(const std::string& Text) {
    for (wchar_t C : WideText(Text)) FWords.push_back(static_cast<WORD>(C));
    FWords.push_back(0);
}

void TDialogTemplate::Align() {
    if (FWords.size() % 2) FWords.push_back(0);
}

void TDialogTemplate::Add(const char* ClassName, const std::string& Text, DWORD Style, int X, int Y, int W, int H,
                          int Id, DWORD ExStyle) {
    Align();
    AddDword(WS_CHILD | Style);
    AddDword(ExStyle);
    FWords.push_back(static_cast<WORD>(X));
    FWords.push_back(static_cast<WORD>(Y));
    FWords.push_back(static_cast<WORD>(W));
    FWords.push_back(static_cast<WORD>(H));
    FWords.push_back(static_cast<WORD>(Id));
    AddText(ClassName);
    AddText(Text);
    FWords.push_back(0); // no creation data
    FWords[4] = ++FCount;
}
