#include "platform/headless/fake_library_loader.h"

void TFakeLibraryLoader::AddLibrary(const std::string& Name, std::map<std::string, void*> Exports) {
    FLibraries[Name] = std::move(Exports);
}

TLibraryHandle TFakeLibraryLoader::Load(const std::string& Name) {
    if (!FLibraries.count(Name)) return FailureHandle;
    ++Loads;
    TLibraryHandle H = FNext;
    FNext += 0x1000;
    FOpen[H] = Name;
    return H;
}

void* TFakeLibraryLoader::ProcAddress(TLibraryHandle Library, const std::string& Name) {
    auto Open = FOpen.find(Library);
    if (Open == FOpen.end()) return nullptr;
    const auto& Exports = FLibraries[Open->second];
    auto It = Exports.find(Name);
    return It == Exports.end() ? nullptr : It->second;
}

void TFakeLibraryLoader::Free(TLibraryHandle Library) {
    if (FOpen.erase(Library)) ++Frees;
}
