#include "platform/win32/window_binding.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An object that records which messages reached it through its binding.
struct Bound {
    std::vector<UINT> Messages;
    HWND Window = nullptr;
};

LRESULT CALLBACK BoundProc(HWND W, UINT M, WPARAM WP, LPARAM LP) {
    Bound* Self = BindWindow<Bound>(W, M, LP);
    if (Self) {
        Self->Messages.push_back(M);
        Self->Window = W;
    }
    return DefWindowProcA(W, M, WP, LP);
}

INT_PTR CALLBACK BoundDialogProc(HWND W, UINT M, WPARAM, LPARAM LP) {
    Bound* Self = BindWindow<Bound>(W, M, LP);
    if (Self) Self->Messages.push_back(M);
    return M == WM_INITDIALOG;
}

} // namespace

TEST(WindowBinding, AWindowFindsItsObjectFromItsFirstMessage) {
    WNDCLASSA WC = {};
    WC.lpfnWndProc = BoundProc;
    WC.hInstance = GetModuleHandleA(nullptr);
    WC.lpszClassName = "ZefWindowBindingTest";
    ASSERT_NE(0, RegisterClassA(&WC));
    Bound Object;
    HWND W = CreateWindowExA(0, WC.lpszClassName, "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                             nullptr, WC.hInstance, &Object);
    ASSERT_NE(nullptr, W);
    ASSERT_FALSE(Object.Messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_NCCREATE), Object.Messages.front());
    EXPECT_EQ(W, Object.Window);
    EXPECT_EQ(&Object, BoundObject<Bound>(W));
    SendMessageA(W, WM_USER + 5, 0, 0);
    EXPECT_EQ(static_cast<UINT>(WM_USER + 5), Object.Messages.back());

    UnbindWindow(W);
    std::size_t Seen = Object.Messages.size();
    SendMessageA(W, WM_USER + 6, 0, 0);
    EXPECT_EQ(Seen, Object.Messages.size()) << "an unbound window reaches no object";
    EXPECT_EQ(nullptr, BoundObject<Bound>(W));
    DestroyWindow(W);
    UnregisterClassA(WC.lpszClassName, WC.hInstance);
}

TEST(WindowBinding, ADialogFindsItsObjectFromInitDialog) {
    // An empty dialog template: no controls, no menu, the default class and title.
    struct alignas(DWORD) {
        DLGTEMPLATE Header;
        WORD Menu, Class, Title;
    } Template = {};
    Template.Header.style = WS_POPUP;
    Template.Header.cx = 50;
    Template.Header.cy = 50;
    Bound Object;
    HWND D = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &Template.Header, nullptr,
                                        BoundDialogProc, reinterpret_cast<LPARAM>(&Object));
    ASSERT_NE(nullptr, D);
    ASSERT_FALSE(Object.Messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_INITDIALOG), Object.Messages.front());
    EXPECT_EQ(&Object, BoundObject<Bound>(D));
    SendMessageA(D, WM_USER + 7, 0, 0);
    EXPECT_EQ(static_cast<UINT>(WM_USER + 7), Object.Messages.back());
    DestroyWindow(D);
}
