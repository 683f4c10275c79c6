#include "app/file_names.h"

namespace {

bool IsLead(unsigned char C) { return (C >= 0x81 && C <= 0x9F) || (C >= 0xE0 && C <= 0xFC); }

// The position after the last separator that starts a character; 0 when none.
std::size_t NameStart(const std::string& Path, std::size_t* SeparatorAt = nullptr) {
    std::size_t Start = 0;
    for (std::size_t I = 0; I < Path.size(); ++I) {
        unsigned char C = static_cast<unsigned char>(Path[I]);
        if (IsLead(C)) {
            ++I;
            continue;
        }
        if (C == '\\' || C == '/' || C == ':') {
            Start = I + 1;
            if (SeparatorAt) *SeparatorAt = I;
        }
    }
    return Start;
}

} // namespace

std::string ExtractFileName(const std::string& Path) { return Path.substr(NameStart(Path)); }

std::string ExtractFileDir(const std::string& Path) {
    std::size_t Separator = std::string::npos;
    std::size_t Start = NameStart(Path, &Separator);
    if (Start == 0) return std::string();
    // Keep the separator of a root ("C:\", "\") and a drive's colon.
    if (Path[Separator] == ':' || Separator == 0 || (Separator > 0 && Path[Separator - 1] == ':'))
        return Path.substr(0, Separator + 1);
    return Path.substr(0, Separator);
}

std::string ExtractFileExt(const std::string& Path) {
    const std::size_t Start = NameStart(Path);
    std::size_t Dot = std::string::npos;
    for (std::size_t I = Start; I < Path.size(); ++I) {
        unsigned char C = static_cast<unsigned char>(Path[I]);
        if (IsLead(C)) {
            ++I;
            continue;
        }
        if (C == '.') Dot = I;
    }
    return Dot == std::string::npos ? std::string() : Path.substr(Dot);
}

std::string AnsiLowerCaseAscii(const std::string& Text) {
    std::string Result = Text;
    for (std::size_t I = 0; I < Result.size(); ++I) {
        unsigned char C = static_cast<unsigned char>(Result[I]);
        if (IsLead(C)) {
            ++I; // the trail byte may look like a capital letter
            continue;
        }
        if (C >= 'A' && C <= 'Z') Result[I] = static_cast<char>(C + 32);
    }
    return Result;
}

bool SameFileName(const std::string& A, const std::string& B) {
    return A.size() == B.size() && AnsiLowerCaseAscii(A) == AnsiLowerCaseAscii(B);
}
