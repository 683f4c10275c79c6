#pragma once
// Loading a dynamic library by name and finding its entry points.
#include <cstdint>
#include <string>

// A module handle as the platform gives it; 0 when nothing was loaded.
using TLibraryHandle = std::uintptr_t;

class TLibraryLoader {
public:
    virtual ~TLibraryLoader() = default;
    // The handle of the loaded library, or 0 (or another value below 32, the old
    // error codes) when it could not be loaded.
    virtual TLibraryHandle Load(const std::string& Name) = 0;
    // The address of the named entry point, nullptr when the library has none.
    virtual void* ProcAddress(TLibraryHandle Library, const std::string& Name) = 0;
    virtual void Free(TLibraryHandle Library) = 0;
};

// The platform's loader (LoadLibraryA on Windows; elsewhere a loader that finds nothing).
TLibraryLoader& PlatformLibraryLoader();
