#pragma once
// A static control of a dialog shown as a TURLLabel: the hand cursor, an underlined
// caption in the label's colour, and the mouse's entering, leaving, pressing and
// releasing reported to the label.
#include "app/external/url_label.h"

#include <windows.h>

class TWin32URLLabel {
public:
    TWin32URLLabel(HWND Control, TURLLabel& Label);
    ~TWin32URLLabel();
    TWin32URLLabel(const TWin32URLLabel&) = delete;
    TWin32URLLabel& operator=(const TWin32URLLabel&) = delete;

    HWND Control() const { return FControl; }
    // The dialog's WM_CTLCOLORSTATIC for this control: the caption's colour and brush.
    HBRUSH ColorStatic(HDC DC);

private:
    static LRESULT CALLBACK SubclassProc(HWND Window, UINT Message, WPARAM W, LPARAM L,
                                         UINT_PTR Id, DWORD_PTR Data);
    LRESULT Handle(UINT Message, WPARAM W, LPARAM L);
    bool MouseInside() const;

    HWND FControl;
    TURLLabel& FLabel;
    HFONT FFont = nullptr;
    HCURSOR FCursor = nullptr;
    bool FTracking = false;
};
