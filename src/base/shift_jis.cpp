#include "base/shift_jis.h"

namespace {

// The number of lead-range bytes right before Pos, counted back to Anchor at most.
std::size_t LeadRunBefore(const char* Text, std::size_t Anchor, std::size_t Pos) {
    std::size_t J = Pos;
    while (J > Anchor && IsSjisLeadByte(Text[J - 1]))
        --J;
    return Pos - J;
}

} // namespace

// A byte before the run that is not in the lead range ends a character, whatever it is,
// so the run starts at a boundary and its bytes pair up from there.
bool IsSjisTrailAt(const char* Text, std::size_t Anchor, std::size_t Pos) {
    return (LeadRunBefore(Text, Anchor, Pos) & 1) != 0;
}

std::size_t SjisPrev(const char* Text, std::size_t Anchor, std::size_t Pos) {
    if (Pos <= Anchor) return Pos;
    // Pos is a boundary, so the byte before it ends a character: that character is two
    // bytes when an odd number of lead-range bytes precede its last byte.
    if (Pos - 1 > Anchor && IsSjisTrailAt(Text, Anchor, Pos - 1)) return Pos - 2;
    return Pos - 1;
}

std::size_t SjisFind(const std::string& Text, const std::string& Part) {
    const std::size_t Length = Text.size();
    for (std::size_t Pos = 0; Pos + Part.size() <= Length; Pos = SjisNext(Text.data(), Length, Pos))
        if (Text.compare(Pos, Part.size(), Part) == 0) return Pos;
    return std::string::npos;
}
