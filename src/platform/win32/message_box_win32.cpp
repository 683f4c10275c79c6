#include "platform/win32/message_box_win32.h"

TMessageResult TWin32MessageBox::Show(const std::string& Text, const std::string& Caption,
                                      TMessageButtons Buttons, TMessageIcon Icon) {
    UINT Style = Buttons == TMessageButtons::mbOkCancel      ? MB_OKCANCEL
                 : Buttons == TMessageButtons::mbYesNo       ? MB_YESNO
                 : Buttons == TMessageButtons::mbYesNoCancel ? MB_YESNOCANCEL
                                                             : MB_OK;
    switch (Icon) {
    case TMessageIcon::miInformation:
        Style |= MB_ICONINFORMATION;
        break;
    case TMessageIcon::miWarning:
        Style |= MB_ICONWARNING;
        break;
    case TMessageIcon::miError:
        Style |= MB_ICONERROR;
        break;
    case TMessageIcon::miQuestion:
        Style |= MB_ICONQUESTION;
        break;
    case TMessageIcon::miNone:
        break;
    }
    switch (MessageBoxA(FOwner, Text.c_str(), Caption.c_str(), Style)) {
    case IDYES:
        return TMessageResult::mrYes;
    case IDNO:
        return TMessageResult::mrNo;
    case IDCANCEL:
        return TMessageResult::mrCancel;
    default:
        return TMessageResult::mrOk;
    }
}
