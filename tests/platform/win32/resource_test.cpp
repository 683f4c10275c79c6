// Resource scripts are UTF-8 like the sources, and every resource is Japanese
// (windres -c 65001 -l 0x411).  The text a resource holds comes back from the
// "A" functions as the Shift_JIS bytes the compiler makes of the same literal,
// 0x5C trail bytes (表, ソ, 能) and half-width kana included.
#include "platform/win32/resource_test_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

std::string Text(HWND Window) {
    char Buffer[128] = {};
    int N = GetWindowTextA(Window, Buffer, sizeof Buffer);
    return std::string(Buffer, N > 0 ? N : 0);
}

} // namespace

TEST(Win32Resources, AStringTableEntryReadsBackAsShiftJis) {
    char Buffer[64] = {};
    int N = LoadStringA(GetModuleHandleA(nullptr), ZEF_TEST_STRING, Buffer, sizeof Buffer);
    EXPECT_EQ("表示、ソート、機能 ｱｲｳ", std::string(Buffer, N > 0 ? N : 0));
}

TEST(Win32Resources, ADialogsCaptionAndLabelReadBackAsShiftJis) {
    HWND Dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ZEF_TEST_DIALOG),
                                     nullptr, QuietDialog, 0);
    ASSERT_NE(nullptr, Dialog) << "error " << GetLastError();
    EXPECT_EQ("検索と置換", Text(Dialog));
    EXPECT_EQ("検索する文字列(&N):", Text(GetDlgItem(Dialog, ZEF_TEST_LABEL)));
    DestroyWindow(Dialog);
}

TEST(Win32Resources, AreJapanese) {
    const WORD Japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    // A string table is stored in blocks of 16 strings.
    EXPECT_NE(nullptr, FindResourceExA(nullptr, RT_STRING,
                                       MAKEINTRESOURCEA(ZEF_TEST_STRING / 16 + 1), Japanese));
    EXPECT_NE(nullptr, FindResourceExA(nullptr, RT_DIALOG,
                                       MAKEINTRESOURCEA(ZEF_TEST_DIALOG), Japanese));
}
