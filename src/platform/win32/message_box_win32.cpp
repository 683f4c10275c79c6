#include "platform/win32/message_box_win32.h"

TMessageResult TWin32MessageBox::Show(const std::string& Text, const std::string& Caption,
                                      TMessageButtons Buttons, TMessageIcon Icon) {
    UINT Style = Buttons == mbOkCancel      ? MB_OKCANCEL
                 : Buttons == mbYesNoCancel ? MB_YESNOCANCEL
                                            : MB_OK;
    switch (Icon) {
    case miInformation:
        Style |= MB_ICONINFORMATION;
        break;
    case miWarning:
        Style |= MB_ICONWARNING;
        break;
    case miError:
        Style |= MB_ICONERROR;
        break;
    case miQuestion:
        Style |= MB_ICONQUESTION;
        break;
    case miNone:
        break;
    }
    switch (MessageBoxA(FOwner, Text.c_str(), Caption.c_str(), Style)) {
    case IDYES:
        return mrYes;
    case IDNO:
        return mrNo;
    case IDCANCEL:
        return mrCancel;
    default:
        return mrOk;
    }
}
