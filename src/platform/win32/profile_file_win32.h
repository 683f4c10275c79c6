#pragma once
// A profile file through the platform's own profile functions.
#include "platform/profile_file.h"

class TWin32ProfileFile : public TProfileFile {
public:
    explicit TWin32ProfileFile(std::string FileName) : FFileName(std::move(FileName)) {}

    std::string ReadString(const std::string& Section, const std::string& Key,
                           const std::string& Default) override;
    bool WriteString(const std::string& Section, const std::string& Key,
                     const std::string& Value) override;
    bool DeleteKey(const std::string& Section, const std::string& Key) override;
    bool EraseSection(const std::string& Section) override;

    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
};
