#pragma once
// A dialog template built in memory, for dialogs whose controls come from a description
// instead of a resource: places in dialog units, captions in the program's code page.
#include <windows.h>

#include <string>
#include <vector>

class TDialogTemplate {
public:
    // A modal frame with a caption and a system menu, in Font at PointSize.
    TDialogTemplate(const std::string& Caption, int Width, int Height, int PointSize, const std::string& Font);

    // Appends a control of ClassName ("BUTTON", "EDIT", "SysListView32" ...) with the
    // style bits besides WS_CHILD; controls come in tab order.
    void Add(const char* ClassName, const std::string& Text, DWORD Style, int X, int Y, int W, int H, int Id,
             DWORD ExStyle = 0);

    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(FWords.data()); }

private:
    void AddText(const std::string& Text);
    void AddDword(DWORD Value);
    void Align();

    std::vector<WORD> FWords;
    WORD FCount = 0;
};

// Text in the program's code page as UTF-16.
std::wstring WideText(const std::string& Text);
