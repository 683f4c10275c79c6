#include "platform/win32/folder_browser_win32.h"

#include <windows.h>
#include <shlobj.h>

namespace {

int CALLBACK BrowseCallback(HWND Window, UINT Message, LPARAM L, LPARAM Data) {
    const auto& Request = *reinterpret_cast<const TFolderBrowseRequest*>(Data);
    if (Message == BFFM_INITIALIZED) {
        RECT R;
        GetWindowRect(Window, &R);
        const int X = (GetSystemMetrics(SM_CXSCREEN) - (R.right - R.left)) / 2;
        const int Y = (GetSystemMetrics(SM_CYSCREEN) - (R.bottom - R.top)) / 2;
        SetWindowPos(Window, nullptr, X, Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowTextA(Window, Request.Caption.c_str());
        SendMessageA(Window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Request.Directory.c_str()));
        if (Request.ShowSelectDir)
            SendMessageA(Window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(Request.Directory.c_str()));
    } else if (Message == BFFM_SELCHANGED && Request.ShowSelectDir) {
        char Path[MAX_PATH] = "";
        SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(L), Path);
        SendMessageA(Window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(Path));
    }
    return 0;
}

} // namespace

bool TWin32FolderBrowser::Browse(const TFolderBrowseRequest& Request, std::string& Chosen) {
    IMalloc* Allocator = nullptr;
    if (FAILED(SHGetMalloc(&Allocator)) || !Allocator) return false;
    char* Buffer = static_cast<char*>(Allocator->Alloc(MAX_PATH));
    if (!Buffer) {
        Allocator->Release();
        return false;
    }
    Buffer[0] = '\0';
    BROWSEINFOA Info = {};
    Info.hwndOwner = reinterpret_cast<HWND>(Request.Owner);
    Info.pszDisplayName = Buffer;
    Info.lpszTitle = Request.Prompt.c_str();
    Info.ulFlags = BIF_RETURNONLYFSDIRS | (Request.ShowSelectDir ? BIF_STATUSTEXT : 0);
    Info.lpfn = BrowseCallback;
    Info.lParam = reinterpret_cast<LPARAM>(&Request);
    LPITEMIDLIST Item = SHBrowseForFolderA(&Info);
    bool Ok = false;
    if (Item) {
        Ok = SHGetPathFromIDListA(Item, Buffer) != FALSE;
        if (Ok) Chosen = Buffer;
        Allocator->Free(Item);
    }
    Allocator->Free(Buffer);
    Allocator->Release();
    return Ok;
}
