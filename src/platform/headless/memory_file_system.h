#pragma once
// An in-memory file system for tests: files are byte strings under their names, with
// attributes, and failures can be injected into opening, creating, writing, closing and
// replacing.
#include "platform/file_system.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

class TMemoryFileSystem : public TFileSystem {
public:
    struct TFile {
        std::string Bytes;
        std::uint32_t Attributes = 0;
    };

    std::unique_ptr<TFileReader> OpenRead(const std::string& Name) override;
    std::unique_ptr<TFileWriter> Create(const std::string& Name) override;
    std::unique_ptr<TFileWriter> CreateTemp(const std::string& Name,
                                            std::string& TempName) override;
    bool Exists(const std::string& Name) override;
    bool Replace(const std::string& Source, const std::string& Target) override;
    bool Delete(const std::string& Name) override;

    // Direct access for tests.
    void SetFile(const std::string& Name, const std::string& Bytes, std::uint32_t Attributes = 0);
    const TFile* Find(const std::string& Name) const;
    TFile* Mutable(const std::string& Name);
    std::string Bytes(const std::string& Name) const;
    std::size_t FileCount() const { return FFiles.size(); }
    const std::map<std::string, TFile>& Files() const { return FFiles; }

    // Injected failures.
    std::set<std::string> UnreadableFiles; // OpenRead fails
    std::set<std::string> ReadOnlyFiles;   // Create and Replace onto them fail
    bool FailCreate = false;               // every Create and CreateTemp fails
    // A write fails once this many bytes have been written to one file (-1: never);
    // the bytes before the limit stay written, as on a full disk.
    long long WriteLimit = -1;
    bool FailClose = false;
    bool FailReplace = false;
    // Reads fail after this many read calls on one opened file (-1: never).
    int FailReadAfter = -1;
    // Largest byte count one Read returns (0: as asked), to test short reads.
    std::size_t ReadChunk = 0;

    int ReadCalls = 0; // every Read call on every file

private:
    std::map<std::string, TFile> FFiles;
    int FTempSerial = 0;
};
