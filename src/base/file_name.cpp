#include "base/file_name.h"

#include "base/shift_jis.h"

namespace {

// The index after the last separator, 0 when there is none.
std::size_t NameStart(const std::string& Name) {
    std::size_t Start = 0;
    for (std::size_t I = 0; I < Name.size(); I = SjisNext(Name.data(), Name.size(), I)) {
        char C = Name[I];
        if (C == '\\' || C == '/' || C == ':') Start = I + 1;
    }
    return Start;
}

} // namespace

std::string ExtractFilePath(const std::string& Name) {
    return Name.substr(0, NameStart(Name));
}

std::string ExtractFileDir(const std::string& Name) {
    const std::size_t Start = NameStart(Name);
    if (Start == 0) return std::string();
    const std::size_t Separator = Start - 1;
    // Keep the separator of a root ("C:\", "\") and a drive's colon.
    if (Name[Separator] == ':' || Separator == 0 || Name[Separator - 1] == ':')
        return Name.substr(0, Start);
    return Name.substr(0, Separator);
}

std::string ExtractFileName(const std::string& Name) {
    return Name.substr(NameStart(Name));
}

std::string ExtractFileExt(const std::string& Name) {
    std::size_t Dot = std::string::npos;
    for (std::size_t I = NameStart(Name); I < Name.size(); I = SjisNext(Name.data(), Name.size(), I))
        if (Name[I] == '.') Dot = I;
    return Dot == std::string::npos ? std::string() : Name.substr(Dot);
}

std::string AnsiLowerCaseAscii(const std::string& Text) {
    std::string Result = Text;
    for (std::size_t I = 0; I < Result.size(); I = SjisNext(Result.data(), Result.size(), I))
        if (Result[I] >= 'A' && Result[I] <= 'Z') Result[I] = static_cast<char>(Result[I] + 32);
    return Result;
}

bool SameFileName(const std::string& A, const std::string& B) {
    return A.size() == B.size() && AnsiLowerCaseAscii(A) == AnsiLowerCaseAscii(B);
}
