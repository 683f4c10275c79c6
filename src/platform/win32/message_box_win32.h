#pragma once
// Message boxes through MessageBoxA, owned by a window (or by none).
#include "platform/message_box.h"

#include <windows.h>

class TWin32MessageBox : public TMessageBox {
public:
    explicit TWin32MessageBox(HWND Owner = nullptr) : FOwner(Owner) {}
    void SetOwner(HWND Owner) { FOwner = Owner; }
    TMessageResult Show(const std::string& Text, const std::string& Caption,
                        TMessageButtons Buttons, TMessageIcon Icon) override;

private:
    HWND FOwner;
};
