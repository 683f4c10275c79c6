#pragma once
// The loader's line cutting applied to a whole file at once, for checking the block by
// block loader: CR LF, CR and LF end a line, 0x1A ends the text, zero bytes become
// spaces, and text after the last line end is a last row without a line end.
#include <string>
#include <vector>

struct TReferenceCut {
    std::vector<std::string> Rows;
    bool LastEof = false;
};

inline TReferenceCut ReferenceCut(const std::string& S) {
    TReferenceCut Cut;
    std::string Line;
    for (std::size_t I = 0; I < S.size() && S[I] != '\x1A'; ++I) {
        char C = S[I];
        if (C == '\r' || C == '\n') {
            Cut.Rows.push_back(Line);
            Line.clear();
            if (C == '\r' && I + 1 < S.size() && S[I + 1] == '\n') ++I;
        } else {
            Line += C == '\0' ? ' ' : C;
        }
    }
    if (!Line.empty()) {
        Cut.Rows.push_back(Line);
        Cut.LastEof = true;
    }
    return Cut;
}
