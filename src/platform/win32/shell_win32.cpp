#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

int TWin32Shell::Execute(const std::string& Verb, const std::string& File,
                         const std::string& Parameters, const std::string& Directory) {
    HINSTANCE Result = ShellExecuteA(nullptr, Verb.c_str(), File.c_str(),
                                     Parameters.empty() ? nullptr : Parameters.c_str(),
                                     Directory.empty() ? nullptr : Directory.c_str(), SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(Result));
}

std::string TWin32Shell::ProgramFileName() {
    std::vector<char> Buffer(MAX_PATH);
    for (;;) {
        DWORD N = GetModuleFileNameA(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
        if (N == 0) return std::string();
        if (N < Buffer.size()) return std::string(Buffer.data(), N);
        Buffer.resize(Buffer.size() * 2);
    }
}

std::string TWin32Shell::ShortcutTarget(const std::string& LinkFile) {
    const HRESULT Init = CoInitialize(nullptr);
    std::string Target;
    IShellLinkA* Link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&Link)))) {
        IPersistFile* File = nullptr;
        if (SUCCEEDED(Link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&File)))) {
            // The persist interface takes the name in UTF-16.
            const int N = MultiByteToWideChar(CP_ACP, 0, LinkFile.c_str(), -1, nullptr, 0);
            std::vector<wchar_t> Wide(static_cast<std::size_t>(N > 0 ? N : 1));
            MultiByteToWideChar(CP_ACP, 0, LinkFile.c_str(), -1, Wide.data(), N);
            if (SUCCEEDED(File->Load(Wide.data(), STGM_READ))) {
                char Path[MAX_PATH * 2] = "";
                WIN32_FIND_DATAA Data;
                if (SUCCEEDED(Link->GetPath(Path, sizeof Path, &Data, 0))) Target = Path;
            }
            File->Release();
        }
        Link->Release();
    }
    if (SUCCEEDED(Init)) CoUninitialize();
    return Target;
}

std::string TWin32Shell::LongPathName(const std::string& Path) {
    const DWORD N = GetLongPathNameA(Path.c_str(), nullptr, 0);
    if (N == 0) return Path;
    std::vector<char> Buffer(N + 1);
    const DWORD M = GetLongPathNameA(Path.c_str(), Buffer.data(), N + 1);
    return M == 0 || M > N ? Path : std::string(Buffer.data(), M);
}

std::string TWin32Shell::ShortPathName(const std::string& Path) {
    const DWORD N = GetShortPathNameA(Path.c_str(), nullptr, 0);
    if (N == 0) return std::string();
    std::vector<char> Buffer(N + 1);
    const DWORD M = GetShortPathNameA(Path.c_str(), Buffer.data(), N + 1);
    return M == 0 || M > N ? std::string() : std::string(Buffer.data(), M);
}
