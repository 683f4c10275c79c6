#pragma once
// Files as the loader and saver use them: block reads, create-or-truncate writes,
// existence tests, and the pieces of a safe save (a new file in the target's folder,
// then replacing the target by it).
#include "base/errors.h"

#include <cstddef>
#include <memory>
#include <string>

// A file open for reading.
class TFileReader {
public:
    virtual ~TFileReader() = default;
    // Reads up to Count bytes into Buffer; returns the number read (0 at the end of the
    // file) or -1 when the read failed.
    virtual long long Read(char* Buffer, std::size_t Count) = 0;
    // Back to the first byte; false when the file cannot seek.
    virtual bool Rewind() = 0;
};

// A file open for writing.  Bytes reach the disk at the latest in Close; a writer
// destroyed without Close discards what it could not finish writing.
class TFileWriter {
public:
    virtual ~TFileWriter() = default;
    // Writes all Count bytes; false when the write failed (disk full, I/O error).
    virtual bool Write(const char* Data, std::size_t Count) = 0;
    // Flushes the bytes to the disk and closes the file; false when that failed.
    virtual bool Close() = 0;
};

class TFileSystem {
public:
    virtual ~TFileSystem() = default;

    // nullptr when the file cannot be opened for reading.
    virtual std::unique_ptr<TFileReader> OpenRead(const std::string& Name) = 0;
    // Creates the file or truncates an existing one; nullptr when that fails.
    virtual std::unique_ptr<TFileWriter> Create(const std::string& Name) = 0;
    // Creates a new, empty file with a name of its own in the folder of Name (so that
    // it can replace Name without copying); nullptr when that fails.  TempName receives
    // its full name.
    virtual std::unique_ptr<TFileWriter> CreateTemp(const std::string& Name,
                                                    std::string& TempName) = 0;
    virtual bool Exists(const std::string& Name) = 0;
    // Puts the file Source in the place of Target in one step, Target's attributes kept
    // when Target exists; Source is gone afterwards.  False (and both files as they
    // were) when that fails.
    virtual bool Replace(const std::string& Source, const std::string& Target) = 0;
    virtual bool Delete(const std::string& Name) = 0;
};

// The file system of the platform the program runs on (Win32 or POSIX).
TFileSystem& PlatformFileSystem();
