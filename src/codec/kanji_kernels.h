#pragma once
// Internal: the conversion loops shared by the whole-string routines and the streaming
// converters.  Each loop converts s[0, n) into o, which has room for MaxOutput bytes, and
// returns how many input bytes it consumed.  Unless Final is set it stops before a
// character or escape sequence that the end of s may have cut (s may continue); with
// Final set, s ends the text and the loop consumes everything.
#include <cstddef>
#include <cstdint>

#include "codec/kanji_code.h"

namespace kanji_detail {

enum class TRoutine { Copy, JisToSjis, JisToEuc, EucToSjis, EucToJis, SjisToJis, SjisToEuc };

TRoutine PickRoutine(TKanjiCode Source, TKanjiCode Target);

struct TJisShiftState {
    bool Kanji = false; // JIS kanji mode: of the input (reading JIS) or of the output
};

// Output bytes a loop may write for n input bytes.
std::size_t MaxOutput(TRoutine Routine, std::size_t n);

std::size_t RunRoutine(TRoutine Routine, TJisShiftState& State, const std::uint8_t* s,
                       std::size_t n, bool Final, std::uint8_t* o, std::size_t& Written);

// Index of the lowest set bit of a non-zero mask.
inline unsigned LowestBit(unsigned m) {
#if defined(__GNUC__) || defined(__clang__)
    return static_cast<unsigned>(__builtin_ctz(m));
#else
    unsigned k = 0;
    while (!(m & 1u)) {
        m >>= 1;
        ++k;
    }
    return k;
#endif
}

// Length of the leading run of bytes below 0x80.
std::size_t AsciiRun(const std::uint8_t* s, std::size_t n);

inline void JisToSjisPair(std::uint8_t j1, std::uint8_t j2, std::uint8_t* o) {
    o[0] = static_cast<std::uint8_t>(((j1 + 1) >> 1) + (j1 < 0x5F ? 0x70 : 0xB0));
    o[1] = static_cast<std::uint8_t>(j2 + ((j1 & 1) ? (j2 <= 0x5F ? 0x1F : 0x20) : 0x7E));
}

inline void SjisToJisPair(std::uint8_t s1, std::uint8_t s2, std::uint8_t* o) {
    std::uint8_t j1 = static_cast<std::uint8_t>((s1 - (s1 < 0xA0 ? 0x70 : 0xB0)) * 2);
    std::uint8_t j2;
    if (s2 < 0x9F) {
        j1 = static_cast<std::uint8_t>(j1 - 1);
        j2 = static_cast<std::uint8_t>(s2 <= 0x7F ? s2 - 0x1F : s2 - 0x20);
    } else {
        j2 = static_cast<std::uint8_t>(s2 - 0x7E);
    }
    o[0] = j1;
    o[1] = j2;
}

inline bool IsHalfKana(std::uint8_t b) {
    return b >= 0xA1 && b <= 0xDF;
}

// The JIS pair of half-width kana k (0xA1-0xDF) followed by Next (-1: nothing follows):
// writes two bytes and returns whether Next, a voiced or semi-voiced mark, was combined.
bool KanaPairToJis(std::uint8_t k, int Next, std::uint8_t* o);

} // namespace kanji_detail
