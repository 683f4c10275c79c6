#pragma once
// Message boxes: a text, a caption, buttons and an icon; the answer is the button.
#include <string>

enum class TMessageButtons { mbOk, mbOkCancel, mbYesNo, mbYesNoCancel };
enum class TMessageIcon { miNone, miInformation, miWarning, miError, miQuestion };
enum class TMessageResult { mrOk, mrCancel, mrYes, mrNo };

class TMessageBox {
public:
    virtual ~TMessageBox() = default;
    virtual TMessageResult Show(const std::string& Text, const std::string& Caption,
                                TMessageButtons Buttons, TMessageIcon Icon) = 0;
};
