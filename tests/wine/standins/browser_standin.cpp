// A browser for the preview commands.  As Internet Explorer (the default) it owns a
// visible window of class "IEFrame" and serves DDE as "Iexplore"; with the environment
// variable ZEF_STANDIN_BROWSER=netscape it owns a window titled "Netscape - ..." and
// serves as "Netscape".  Either takes the topics "WWW_OpenURL" and "WWW_Activate" and
// notes "start" with its working folder and command line, and "request" with the topic
// and item of every request.  It ends when its window is closed.
#include "standin_log.h"

#include <windows.h>
#include <ddeml.h>

namespace {

DWORD Instance = 0;

std::string QueryString(HSZ Handle) {
    char Buffer[2048] = "";
    const DWORD N = DdeQueryStringA(Instance, Handle, Buffer, sizeof Buffer, CP_WINANSI);
    return std::string(Buffer, N < sizeof Buffer ? N : 0);
}

bool KnownTopic(HSZ Topic) {
    const std::string T = QueryString(Topic);
    return T == "WWW_OpenURL" || T == "WWW_Activate";
}

HDDEDATA CALLBACK Serve(UINT Type, UINT Format, HCONV, HSZ Topic, HSZ Item, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    switch (Type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(KnownTopic(Topic)));
    case XTYP_REQUEST: {
        if (Format != CF_TEXT) return nullptr;
        AppendRecord("request\t" + QueryString(Topic) + "\t" + QueryString(Item));
        // The window's identifier, as the browsers answer.
        static const char Answer[] = "1";
        return DdeCreateDataHandle(Instance, reinterpret_cast<LPBYTE>(const_cast<char*>(Answer)),
                                   sizeof Answer, 0, Item, CF_TEXT, 0);
    }
    default:
        return nullptr;
    }
}

LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM W, LPARAM L) {
    if (Message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(Window, Message, W, L);
}

} // namespace

int WINAPI WinMain(HINSTANCE Module, HINSTANCE, LPSTR, int Show) {
    const bool Netscape = EnvironmentValue("ZEF_STANDIN_BROWSER") == "netscape";
    char Folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof Folder, Folder);
    AppendRecord(std::string("start\t") + Folder + "\t" + GetCommandLineA());

    WNDCLASSA Class = {};
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = Module;
    Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    Class.lpszClassName = Netscape ? "StandInNavigator" : "IEFrame";
    RegisterClassA(&Class);
    HWND Window = CreateWindowExA(0, Class.lpszClassName,
                                  Netscape ? "Netscape - [Stand-in]" : "Stand-in - Microsoft Internet Explorer",
                                  WS_OVERLAPPEDWINDOW, 40, 40, 320, 200, nullptr, nullptr, Module, nullptr);
    if (!Window) return 1;

    if (DdeInitializeA(&Instance, Serve, APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS, 0) !=
        DMLERR_NO_ERROR)
        return 1;
    HSZ Service = DdeCreateStringHandleA(Instance, Netscape ? "Netscape" : "Iexplore", CP_WINANSI);
    DdeNameService(Instance, Service, nullptr, DNS_REGISTER);
    ShowWindow(Window, Show == SW_HIDE ? SW_SHOWNORMAL : Show);
    UpdateWindow(Window);

    MSG Msg;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    DdeNameService(Instance, Service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(Instance, Service);
    DdeUninitialize(Instance);
    return 0;
}
