#pragma once
// A library loader for tests: libraries are registered by name with the entry points
// they export; Load hands out handles of 32 and above and counts loads and frees.
#include "platform/library_loader.h"

#include <map>
#include <string>

class TFakeLibraryLoader : public TLibraryLoader {
public:
    // Registers a library; later Loads of Name succeed.
    void AddLibrary(const std::string& Name, std::map<std::string, void*> Exports);

    TLibraryHandle Load(const std::string& Name) override;
    void* ProcAddress(TLibraryHandle Library, const std::string& Name) override;
    void Free(TLibraryHandle Library) override;

    // The value Load returns for a library that is absent (0, or an old error code).
    TLibraryHandle FailureHandle = 0;
    int Loads = 0, Frees = 0;
    // Handles loaded and not yet freed.
    int Open() const { return static_cast<int>(FOpen.size()); }

private:
    std::map<std::string, std::map<std::string, void*>> FLibraries;
    std::map<TLibraryHandle, std::string> FOpen;
    TLibraryHandle FNext = 0x10000;
};
