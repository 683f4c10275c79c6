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

std::string ExtractFileName(const std::string& Name) {
    return Name.substr(NameStart(Name));
}
