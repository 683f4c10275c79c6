// Files and libraries on POSIX systems, for the native builds (tests, benchmarks,
// command-line tools).  The Windows build uses platform/win32 instead.
#ifndef _WIN32
#include "platform/file_system.h"
#include "platform/library_loader.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TPosixReader : public TFileReader {
public:
    explicit TPosixReader(int Fd) : FFd(Fd) {}
    ~TPosixReader() override { ::close(FFd); }
    long long Read(char* Buffer, std::size_t Count) override {
        for (;;) {
            ssize_t N = ::read(FFd, Buffer, Count);
            if (N < 0 && errno == EINTR) continue;
            return N;
        }
    }
    bool Rewind() override { return ::lseek(FFd, 0, SEEK_SET) == 0; }

private:
    int FFd;
};

class TPosixWriter : public TFileWriter {
public:
    explicit TPosixWriter(int Fd) : FFd(Fd) {}
    ~TPosixWriter() override {
        if (FFd >= 0) ::close(FFd);
    }
    bool Write(const char* Data, std::size_t Count) override {
        while (Count > 0) {
            ssize_t N = ::write(FFd, Data, Count);
            if (N < 0 && errno == EINTR) continue;
            if (N <= 0) return false;
            Data += N;
            Count -= static_cast<std::size_t>(N);
        }
        return true;
    }
    bool Close() override {
        bool Ok = ::fsync(FFd) == 0 || errno == EINVAL || errno == EROFS;
        Ok = ::close(FFd) == 0 && Ok;
        FFd = -1;
        return Ok;
    }

private:
    int FFd;
};

std::string FolderOf(const std::string& Name) {
    std::size_t Slash = Name.rfind('/');
    return Slash == std::string::npos ? std::string() : Name.substr(0, Slash + 1);
}

class TPosixFileSystem : public TFileSystem {
public:
    std::unique_ptr<TFileReader> OpenRead(const std::string& Name) override {
        int Fd = ::open(Name.c_str(), O_RDONLY | O_CLOEXEC);
        if (Fd < 0) return nullptr;
        struct stat St;
        if (::fstat(Fd, &St) != 0 || S_ISDIR(St.st_mode)) {
            ::close(Fd);
            return nullptr;
        }
        return std::make_unique<TPosixReader>(Fd);
    }
    std::unique_ptr<TFileWriter> Create(const std::string& Name) override {
        int Fd = ::open(Name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        return Fd < 0 ? nullptr : std::make_unique<TPosixWriter>(Fd);
    }
    std::unique_ptr<TFileWriter> CreateTemp(const std::string& Name,
                                            std::string& TempName) override {
        std::string Pattern = FolderOf(Name) + ".zef-XXXXXX";
        int Fd = ::mkstemp(&Pattern[0]);
        if (Fd < 0) return nullptr;
        TempName = Pattern;
        return std::make_unique<TPosixWriter>(Fd);
    }
    bool Exists(const std::string& Name) override {
        struct stat St;
        return ::stat(Name.c_str(), &St) == 0;
    }
    bool Replace(const std::string& Source, const std::string& Target) override {
        struct stat St;
        if (::stat(Target.c_str(), &St) == 0) {
            // The new file takes the old one's permission bits (and owner, where allowed);
            // a file the user may not write stays unwritable.
            if (::access(Target.c_str(), W_OK) != 0) return false;
            ::chmod(Source.c_str(), St.st_mode & 07777);
            if (::chown(Source.c_str(), St.st_uid, St.st_gid) != 0) {
                // Not permitted for an ordinary user on another's file; the bits stay.
            }
        } else {
            mode_t Mask = ::umask(0);
            ::umask(Mask);
            ::chmod(Source.c_str(), 0666 & ~Mask);
        }
        return ::rename(Source.c_str(), Target.c_str()) == 0;
    }
    bool Delete(const std::string& Name) override { return ::unlink(Name.c_str()) == 0; }
};

class TPosixLibraryLoader : public TLibraryLoader {
public:
    TLibraryHandle Load(const std::string& Name) override {
        return reinterpret_cast<TLibraryHandle>(::dlopen(Name.c_str(), RTLD_NOW | RTLD_LOCAL));
    }
    void* ProcAddress(TLibraryHandle Library, const std::string& Name) override {
        return Library ? ::dlsym(reinterpret_cast<void*>(Library), Name.c_str()) : nullptr;
    }
    void Free(TLibraryHandle Library) override {
        if (Library) ::dlclose(reinterpret_cast<void*>(Library));
    }
};

} // namespace

TFileSystem& PlatformFileSystem() {
    static TPosixFileSystem Files;
    return Files;
}

TLibraryLoader& PlatformLibraryLoader() {
    static TPosixLibraryLoader Loader;
    return Loader;
}
#endif
