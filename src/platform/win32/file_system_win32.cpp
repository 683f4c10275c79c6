// Files and libraries through the ANSI Win32 API.
#include "base/file_name.h"
#include "platform/file_system.h"
#include "platform/library_loader.h"

#include <windows.h>

namespace {

class TWin32Reader : public TFileReader {
public:
    explicit TWin32Reader(HANDLE H) : FHandle(H) {}
    ~TWin32Reader() override { CloseHandle(FHandle); }
    long long Read(char* Buffer, std::size_t Count) override {
        DWORD Got = 0;
        if (!ReadFile(FHandle, Buffer, static_cast<DWORD>(Count), &Got, nullptr)) return -1;
        return Got;
    }
    bool Rewind() override {
        return SetFilePointer(FHandle, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
    }

private:
    HANDLE FHandle;
};

class TWin32Writer : public TFileWriter {
public:
    explicit TWin32Writer(HANDLE H) : FHandle(H) {}
    ~TWin32Writer() override {
        if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
    }
    bool Write(const char* Data, std::size_t Count) override {
        while (Count > 0) {
            DWORD Part = Count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(Count);
            DWORD Done = 0;
            if (!WriteFile(FHandle, Data, Part, &Done, nullptr) || Done == 0) return false;
            Data += Done;
            Count -= Done;
        }
        return true;
    }
    bool Close() override {
        bool Ok = FlushFileBuffers(FHandle) != 0;
        Ok = CloseHandle(FHandle) != 0 && Ok;
        FHandle = INVALID_HANDLE_VALUE;
        return Ok;
    }

private:
    HANDLE FHandle;
};

class TWin32FileSystem : public TFileSystem {
public:
    std::unique_ptr<TFileReader> OpenRead(const std::string& Name) override {
        HANDLE H = CreateFileA(Name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        return H == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<TWin32Reader>(H);
    }
    std::unique_ptr<TFileWriter> Create(const std::string& Name) override {
        HANDLE H = CreateFileA(Name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        return H == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<TWin32Writer>(H);
    }
    std::unique_ptr<TFileWriter> CreateTemp(const std::string& Name,
                                            std::string& TempName) override {
        std::string Folder = ExtractFilePath(Name);
        char Buffer[MAX_PATH + 16];
        if (!GetTempFileNameA(Folder.empty() ? "." : Folder.c_str(), "zef", 0, Buffer))
            return nullptr;
        // GetTempFileName made the file; open it without sharing while it is written.
        HANDLE H = CreateFileA(Buffer, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (H == INVALID_HANDLE_VALUE) {
            DeleteFileA(Buffer);
            return nullptr;
        }
        TempName = Buffer;
        return std::make_unique<TWin32Writer>(H);
    }
    bool Exists(const std::string& Name) override {
        return GetFileAttributesA(Name.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool Replace(const std::string& Source, const std::string& Target) override {
        DWORD Attributes = GetFileAttributesA(Target.c_str());
        if (Attributes == INVALID_FILE_ATTRIBUTES)
            return MoveFileExA(Source.c_str(), Target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        // A read-only file is not overwritten, as a plain create would not overwrite it.
        if (Attributes & FILE_ATTRIBUTE_READONLY) return false;
        // One rename over the target: at every moment the name holds the old file or the
        // new one.  (ReplaceFile is no such single step: where it takes the target away
        // before the new file gets its name, a process killed in between leaves no file
        // at all.)  The replaced file's creation time and attributes are carried over.
        FILETIME Created = {};
        HANDLE Old = CreateFileA(Target.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
        const bool HaveCreated = Old != INVALID_HANDLE_VALUE && GetFileTime(Old, &Created, nullptr, nullptr);
        if (Old != INVALID_HANDLE_VALUE) CloseHandle(Old);
        if (!MoveFileExA(Source.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        if (HaveCreated) {
            HANDLE New = CreateFileA(Target.c_str(), FILE_WRITE_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
            if (New != INVALID_HANDLE_VALUE) {
                SetFileTime(New, &Created, nullptr, nullptr);
                CloseHandle(New);
            }
        }
        const DWORD Settable = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                               FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if ((GetFileAttributesA(Target.c_str()) & Settable) != (Attributes & Settable))
            SetFileAttributesA(Target.c_str(), (Attributes & Settable) | FILE_ATTRIBUTE_ARCHIVE);
        return true;
    }
    bool Delete(const std::string& Name) override { return DeleteFileA(Name.c_str()) != 0; }
};

class TWin32LibraryLoader : public TLibraryLoader {
public:
    TLibraryHandle Load(const std::string& Name) override {
        return reinterpret_cast<TLibraryHandle>(LoadLibraryA(Name.c_str()));
    }
    void* ProcAddress(TLibraryHandle Library, const std::string& Name) override {
        if (!Library) return nullptr;
        return reinterpret_cast<void*>(
            GetProcAddress(reinterpret_cast<HMODULE>(Library), Name.c_str()));
    }
    void Free(TLibraryHandle Library) override {
        if (Library) FreeLibrary(reinterpret_cast<HMODULE>(Library));
    }
};

} // namespace

TFileSystem& PlatformFileSystem() {
    static TWin32FileSystem Files;
    return Files;
}

TLibraryLoader& PlatformLibraryLoader() {
    static TWin32LibraryLoader Loader;
    return Loader;
}
