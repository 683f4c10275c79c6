#pragma once
// The DDE client through DDEML: a client-only instance made on first use, one
// conversation at a time, text requests in CF_TEXT.
#include "platform/dde_client.h"

#include <windows.h>
#include <ddeml.h>

class TWin32DdeClient : public TDdeClient {
public:
    TWin32DdeClient() = default;
    ~TWin32DdeClient() override;
    TWin32DdeClient(const TWin32DdeClient&) = delete;
    TWin32DdeClient& operator=(const TWin32DdeClient&) = delete;

    bool OpenLink(const std::string& Service, const std::string& Topic,
                  const std::string& ServiceApplication) override;
    bool RequestData(const std::string& Item, std::string& Data) override;
    void CloseLink() override;

private:
    bool Initialize();
    HCONV Connect(const std::string& Service, const std::string& Topic);

    DWORD FInstance = 0;
    HCONV FConversation = nullptr;
};
