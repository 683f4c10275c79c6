#pragma once
// Binds the object behind a window to the window: a window procedure finds its object in
// the window's user data, stored there when the window is made (WM_NCCREATE, from the
// creation parameter) or, for a dialog, when it starts (WM_INITDIALOG, from its
// parameter).  The pointer is pointer-sized window data, right for 32 and 64 bits.
#include <windows.h>

// The object bound to Window, or null before the binding message.
template <class T> T* BoundObject(HWND Window) {
    return reinterpret_cast<T*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
}

// Called first in a window or dialog procedure: binds the object that the binding
// message carries, and returns the object bound to Window (null before the binding and
// after UnbindWindow).
template <class T> T* BindWindow(HWND Window, UINT Message, LPARAM L) {
    T* Object = nullptr;
    if (Message == WM_NCCREATE)
        Object = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(L)->lpCreateParams);
    else if (Message == WM_INITDIALOG)
        Object = reinterpret_cast<T*>(L);
    else
        return BoundObject<T>(Window);
    SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Object));
    return Object;
}

// Forgets the object (when it goes before its window): later messages find none.
inline void UnbindWindow(HWND Window) {
    SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
}
