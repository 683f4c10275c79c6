#include "codec/line_cutter.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && defined(__GNUC__)
#include <emmintrin.h>
#endif

namespace {

struct TBreakTable {
    bool Is[256] = {};
    TBreakTable() { Is['\r'] = Is['\n'] = Is[0x1A] = true; }
};
const TBreakTable Breaks;

} // namespace

// The first CR, LF or 0x1A in [P, End), or End: sixteen bytes at a time where the
// processor has SSE2, else eight at a time (a word with no byte below 0x1B holds none of
// the three).
const unsigned char* FindBreak(const unsigned char* P, const unsigned char* End) {
#if defined(__SSE2__) && defined(__GNUC__)
    const __m128i Cr = _mm_set1_epi8('\r'), Lf = _mm_set1_epi8('\n'), Eof = _mm_set1_epi8(0x1A);
    while (End - P >= 16) {
        __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
        __m128i Hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(V, Cr), _mm_cmpeq_epi8(V, Lf)),
                                   _mm_cmpeq_epi8(V, Eof));
        int Mask = _mm_movemask_epi8(Hit);
        if (Mask) return P + __builtin_ctz(static_cast<unsigned>(Mask));
        P += 16;
    }
#else
    const std::uint64_t Ones = 0x0101010101010101ULL, Highs = 0x8080808080808080ULL;
    while (End - P >= 8) {
        std::uint64_t V;
        std::memcpy(&V, P, 8);
        if (((V - Ones * 0x1B) & ~V & Highs) != 0)
            for (int I = 0; I < 8; ++I)
                if (Breaks.Is[P[I]]) return P + I;
        P += 8;
    }
#endif
    while (P < End && !Breaks.Is[*P])
        ++P;
    return P;
}

std::size_t CountLineEnds(const unsigned char* P, const unsigned char* End) {
    std::size_t Count = 0;
#if defined(__SSE2__) && defined(__GNUC__)
    // Each window also loads the bytes one further on, to see whether a CR is followed by
    // an LF: the windows stop a byte short so that the look-ahead stays in range.  Every
    // line end adds one to its byte's counter (a compare gives -1 there); the counters are
    // summed before any of them can overflow.
    const __m128i Cr = _mm_set1_epi8('\r'), Lf = _mm_set1_epi8('\n'), Zero = _mm_setzero_si128();
    while (End - P >= 17) {
        __m128i Counters = Zero;
        for (int Round = 0; Round < 127 && End - P >= 17; ++Round, P += 16) {
            __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
            __m128i Next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + 1));
            __m128i Lfs = _mm_cmpeq_epi8(V, Lf);
            __m128i LoneCrs = _mm_andnot_si128(_mm_cmpeq_epi8(Next, Lf), _mm_cmpeq_epi8(V, Cr));
            Counters = _mm_sub_epi8(_mm_sub_epi8(Counters, Lfs), LoneCrs);
        }
        __m128i Sums = _mm_sad_epu8(Counters, Zero);
        Count += static_cast<std::size_t>(_mm_cvtsi128_si32(Sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(Sums, 8)));
    }
#endif
    for (; P < End; ++P) {
        if (*P == '\n')
            ++Count;
        else if (*P == '\r' && (P + 1 == End || P[1] != '\n'))
            ++Count;
    }
    return Count;
}

const unsigned char* FindEndMark(const unsigned char* P, const unsigned char* End) {
    const void* At = std::memchr(P, 0x1A, static_cast<std::size_t>(End - P));
    return At ? static_cast<const unsigned char*>(At) : End;
}
