#include "platform/win32/dde_client_win32.h"

#include <vector>

namespace {

// How long a request or a starting service program may take.
const DWORD RequestTimeoutMs = 10000;
const DWORD StartTimeoutMs = 15000;

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

// A DDEML string handle freed when it goes.
class TDdeString {
public:
    TDdeString(DWORD Instance, const std::string& Text)
        : FInstance(Instance), FHandle(DdeCreateStringHandleA(Instance, Text.c_str(), CP_WINANSI)) {}
    ~TDdeString() {
        if (FHandle) DdeFreeStringHandle(FInstance, FHandle);
    }
    TDdeString(const TDdeString&) = delete;
    TDdeString& operator=(const TDdeString&) = delete;
    HSZ Handle() const { return FHandle; }

private:
    DWORD FInstance;
    HSZ FHandle;
};

// Starts the service program and waits until it takes input, so that it can answer.
bool StartProgram(const std::string& CommandLine) {
    std::vector<char> Line(CommandLine.begin(), CommandLine.end());
    Line.push_back('\0');
    STARTUPINFOA Start = {};
    Start.cb = sizeof Start;
    Start.dwFlags = STARTF_USESHOWWINDOW;
    Start.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION Process = {};
    if (!CreateProcessA(nullptr, Line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Start,
                        &Process))
        return false;
    WaitForInputIdle(Process.hProcess, StartTimeoutMs);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return true;
}

} // namespace

TWin32DdeClient::~TWin32DdeClient() {
    CloseLink();
    if (FInstance) DdeUninitialize(FInstance);
}

bool TWin32DdeClient::Initialize() {
    if (FInstance) return true;
    if (DdeInitializeA(&FInstance, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        FInstance = 0;
        return false;
    }
    return true;
}

HCONV TWin32DdeClient::Connect(const std::string& Service, const std::string& Topic) {
    TDdeString S(FInstance, Service), T(FInstance, Topic);
    return DdeConnect(FInstance, S.Handle(), T.Handle(), nullptr);
}

bool TWin32DdeClient::OpenLink(const std::string& Service, const std::string& Topic,
                               const std::string& ServiceApplication) {
    CloseLink();
    if (!Initialize()) return false;
    FConversation = Connect(Service, Topic);
    if (!FConversation && !ServiceApplication.empty() && StartProgram(ServiceApplication))
        FConversation = Connect(Service, Topic);
    return FConversation != nullptr;
}

bool TWin32DdeClient::RequestData(const std::string& Item, std::string& Data) {
    Data.clear();
    if (!FConversation) return false;
    TDdeString I(FInstance, Item);
    HDDEDATA Answer = DdeClientTransaction(nullptr, 0, FConversation, I.Handle(), CF_TEXT, XTYP_REQUEST,
                                           RequestTimeoutMs, nullptr);
    if (!Answer) return false;
    const DWORD Size = DdeGetData(Answer, nullptr, 0, 0);
    std::vector<char> Bytes(Size + 1, '\0');
    if (Size) DdeGetData(Answer, reinterpret_cast<LPBYTE>(Bytes.data()), Size, 0);
    DdeFreeDataHandle(Answer);
    Data = Bytes.data();
    return true;
}

void TWin32DdeClient::CloseLink() {
    if (FConversation) DdeDisconnect(FConversation);
    FConversation = nullptr;
}
