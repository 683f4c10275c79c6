#include "app/transforms.h"

#include "base/shift_jis.h"

namespace {

template <typename TMap> std::string MapSingleBytes(const std::string& Text, TMap Map) {
    std::string Result = Text;
    const std::size_t N = Result.size();
    for (std::size_t I = 0; I < N;) {
        const std::size_t Next = SjisNext(Result.data(), N, I);
        if (Next == I + 1) Result[I] = Map(Result[I]);
        I = Next;
    }
    return Result;
}

bool IsFullWidthSpace(const std::string& S, std::size_t I) {
    return I + 1 < S.size() && static_cast<unsigned char>(S[I]) == 0x81 &&
           static_cast<unsigned char>(S[I + 1]) == 0x40;
}

} // namespace

std::string CodePageLowerCase(const std::string& Text) {
    return MapSingleBytes(Text, [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; });
}

std::string CodePageUpperCase(const std::string& Text) {
    return MapSingleBytes(Text, [](char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C; });
}

std::string DeleteLineBreaks(const std::string& Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') {
            ++I;
            continue;
        }
        Result += Text[I];
    }
    return Result;
}

std::string QuotedText(const std::string& Clip, const std::string& Prefix) {
    std::string Result;
    std::size_t Start = 0;
    bool EndsWithBreak = false;
    while (Start < Clip.size()) {
        std::size_t End = Clip.find_first_of("\r\n", Start);
        EndsWithBreak = End != std::string::npos;
        if (!EndsWithBreak) End = Clip.size();
        Result += Prefix;
        Result.append(Clip, Start, End - Start);
        Result += "\r\n";
        Start = End;
        if (Start < Clip.size()) Start += Clip.compare(Start, 2, "\r\n") == 0 ? 2 : 1;
    }
    if (!EndsWithBreak && !Result.empty()) Result.resize(Result.size() - 2);
    return Result;
}

int LeadingBlankBytes(const std::string& Line, int Limit) {
    std::size_t I = 0;
    while (I < Line.size() && static_cast<int>(I) < Limit) {
        if (Line[I] == ' ' || Line[I] == '\t') {
            ++I;
        } else if (IsFullWidthSpace(Line, I) && static_cast<int>(I) + 2 <= Limit) {
            I += 2;
        } else {
            break;
        }
    }
    return static_cast<int>(I);
}
