#include "platform/headless/memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace {

class TMemoryReader : public TFileReader {
public:
    TMemoryReader(TMemoryFileSystem& Owner, std::string Bytes)
        : FOwner(Owner), FBytes(std::move(Bytes)) {}

    long long Read(char* Buffer, std::size_t Count) override {
        ++FOwner.ReadCalls;
        if (FOwner.FailReadAfter >= 0 && FCalls++ >= FOwner.FailReadAfter) return -1;
        std::size_t N = std::min(Count, FBytes.size() - FPos);
        if (FOwner.ReadChunk) N = std::min(N, FOwner.ReadChunk);
        if (N) std::memcpy(Buffer, FBytes.data() + FPos, N);
        FPos += N;
        return static_cast<long long>(N);
    }
    bool Rewind() override {
        FPos = 0;
        return true;
    }

private:
    TMemoryFileSystem& FOwner;
    std::string FBytes; // a snapshot, as an open handle keeps reading what it opened
    std::size_t FPos = 0;
    int FCalls = 0;
};

class TMemoryWriter : public TFileWriter {
public:
    TMemoryWriter(TMemoryFileSystem& Owner, std::string Name) : FOwner(Owner), FName(Name) {}

    bool Write(const char* Data, std::size_t Count) override {
        TMemoryFileSystem::TFile* F = FOwner.Mutable(FName);
        if (!F) return false;
        long long Limit = FOwner.WriteLimit;
        long long Size = static_cast<long long>(F->Bytes.size());
        if (Limit >= 0 && Size + static_cast<long long>(Count) > Limit) {
            F->Bytes.append(Data, static_cast<std::size_t>(std::max(0LL, Limit - Size)));
            return false;
        }
        F->Bytes.append(Data, Count);
        return true;
    }
    bool Close() override { return !FOwner.FailClose; }

private:
    TMemoryFileSystem& FOwner;
    std::string FName;
};

std::string FolderOf(const std::string& Name) {
    std::size_t Slash = Name.find_last_of("/\\");
    return Slash == std::string::npos ? std::string() : Name.substr(0, Slash + 1);
}

} // namespace

std::unique_ptr<TFileReader> TMemoryFileSystem::OpenRead(const std::string& Name) {
    auto It = FFiles.find(Name);
    if (It == FFiles.end() || UnreadableFiles.count(Name)) return nullptr;
    return std::make_unique<TMemoryReader>(*this, It->second.Bytes);
}

std::unique_ptr<TFileWriter> TMemoryFileSystem::Create(const std::string& Name) {
    if (FailCreate || ReadOnlyFiles.count(Name)) return nullptr;
    TFile& F = FFiles[Name];
    F.Bytes.clear();
    return std::make_unique<TMemoryWriter>(*this, Name);
}

std::unique_ptr<TFileWriter> TMemoryFileSystem::CreateTemp(const std::string& Name,
                                                           std::string& TempName) {
    if (FailCreate) return nullptr;
    do
        TempName = FolderOf(Name) + "~zef" + std::to_string(++FTempSerial) + ".tmp";
    while (FFiles.count(TempName));
    FFiles[TempName] = TFile();
    return std::make_unique<TMemoryWriter>(*this, TempName);
}

bool TMemoryFileSystem::Exists(const std::string& Name) {
    return FFiles.count(Name) != 0;
}

bool TMemoryFileSystem::Replace(const std::string& Source, const std::string& Target) {
    auto S = FFiles.find(Source);
    if (FailReplace || S == FFiles.end() || ReadOnlyFiles.count(Target)) return false;
    auto T = FFiles.find(Target);
    std::uint32_t Attributes = T != FFiles.end() ? T->second.Attributes : S->second.Attributes;
    TFile Moved{std::move(S->second.Bytes), Attributes};
    FFiles.erase(S);
    FFiles[Target] = std::move(Moved);
    return true;
}

bool TMemoryFileSystem::Delete(const std::string& Name) {
    if (ReadOnlyFiles.count(Name)) return false;
    return FFiles.erase(Name) != 0;
}

void TMemoryFileSystem::SetFile(const std::string& Name, const std::string& Bytes,
                                std::uint32_t Attributes) {
    FFiles[Name] = TFile{Bytes, Attributes};
}

TMemoryFileSystem::TFile* TMemoryFileSystem::Mutable(const std::string& Name) {
    auto It = FFiles.find(Name);
    return It == FFiles.end() ? nullptr : &It->second;
}

const TMemoryFileSystem::TFile* TMemoryFileSystem::Find(const std::string& Name) const {
    auto It = FFiles.find(Name);
    return It == FFiles.end() ? nullptr : &It->second;
}

std::string TMemoryFileSystem::Bytes(const std::string& Name) const {
    const TFile* F = Find(Name);
    return F ? F->Bytes : std::string();
}
