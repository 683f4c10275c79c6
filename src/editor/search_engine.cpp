// The search keeps no classification of the whole text.  A vector scan
// looks for the bytes of two chosen pattern positions at once (both case
// forms where letters fold), and each hit is checked where it lies:
//
// - Whether a hit starts on a trail byte follows from the run of lead-range
//   bytes right before it.  A byte outside the lead ranges, single or a
//   trail, is always followed by the start of a character, so the byte
//   after it is a known boundary and the bytes of the run pair up from
//   there: the hit is a trail byte when the run has odd length.  The last
//   run found is remembered, so a scan in either direction walks every byte
//   at most once even through long runs of kanji.
// - The comparison walks the pattern's own characters.  Where a match
//   exists, every text character has the size of the pattern character
//   against it, so each pattern byte admits exactly one or two text bytes
//   and the comparison becomes a byte test.
// - The text ends at the first zero byte.  The scan watches for zero bytes
//   at the hit positions it passes; the bytes it skips are covered by the
//   matched bytes themselves (the pattern holds no zero byte) and by a
//   memchr over the rest.
#include "editor/search_engine.h"

#include "base/shift_jis.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <string>

// The vector scan uses SSE2: always there on x86-64; on 32-bit x86 built
// for older processors it is compiled for SSE2 and chosen at run time.
// With GCC and clang a wider AVX2 scan is chosen at run time where the
// processor has it.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ZEF_SEARCH_SSE2 1
#define ZEF_SSE2_FN
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__i386__)
#define ZEF_SEARCH_SSE2 1
#define ZEF_SSE2_FN __attribute__((target("sse2")))
#define ZEF_SSE2_AT_RUN_TIME 1
#endif
#if defined(ZEF_SEARCH_SSE2) && (defined(__GNUC__) || defined(__clang__)) &&                       \
    (defined(__x86_64__) || defined(__i386__))
#define ZEF_SEARCH_AVX2 1
#define ZEF_AVX2_FN __attribute__((target("avx2")))
#include <immintrin.h>
#endif
#ifdef ZEF_SEARCH_SSE2
#include <emmintrin.h>
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#endif

namespace {

using Offset = std::int64_t;

struct ByteTables {
    unsigned char upper[256];      // single bytes: ASCII small letters to capitals
    unsigned char wideSecond[256]; // second byte after 0x82: full-width small to capital
    bool delimiter[256];           // bytes that separate words
};

constexpr ByteTables MakeTables() {
    ByteTables t{};
    for (int c = 0; c < 256; ++c) {
        t.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
        t.wideSecond[c] = static_cast<unsigned char>(c >= 0x81 && c <= 0x9A ? c - 0x21 : c);
        t.delimiter[c] = c <= 0x2F || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
                         (c >= 0x7B && c <= 0x80) || (c >= 0xA0 && c <= 0xA5) || c >= 0xFD;
    }
    return t;
}

constexpr ByteTables kTables = MakeTables();

// A text byte passes a filter position when it is one of two bytes (the
// same byte twice where only one will do).
struct FilterByte {
    std::size_t at = 0;
    unsigned char one = 0, two = 0;
};

// The pattern as compared: folded, with the second text byte each pattern
// byte admits (equal to the first where only one byte will do).
struct PreparedPattern {
    std::string bytes, other;
    bool usable = true; // false: holds a zero byte or ends inside a character
    FilterByte first, second;
};

// How often a byte may be expected in Japanese prose and program text, in
// four rough classes; the filter uses the two pattern bytes expected least.
int Commonness(unsigned char c) {
    if (c == ' ' || c == 'e' || c == 't' || c == 'a' || c == 'o' || c == 'i' || c == 'n' ||
        c == 0x81 || c == 0x82 || c == 0x83)
        return 3;
    if ((c >= 'a' && c <= 'z') || c == '\r' || c == '\n' || c == '\t' || c == 0x88 || c == 0x89 ||
        c == 0x8B || c == 0x8C || c == 0x8E || c == 0x90 || c == 0x93)
        return 2;
    if (c < 0x80) return 1;
    return 0;
}

PreparedPattern Prepare(std::string_view text, bool matchCase) {
    PreparedPattern p;
    const std::size_t n = text.size();
    p.bytes.assign(text.data(), n);
    p.other.assign(text.data(), n);
    for (std::size_t i = 0; i < n;) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0) p.usable = false;
        if (IsSjisLeadByte(c)) {
            if (i + 1 >= n) {
                p.usable = false;
                break;
            }
            unsigned char second = static_cast<unsigned char>(text[i + 1]);
            if (second == 0) p.usable = false;
            if (!matchCase && c == 0x82) {
                second = kTables.wideSecond[second];
                p.bytes[i + 1] = static_cast<char>(second);
                p.other[i + 1] =
                    static_cast<char>(second >= 0x60 && second <= 0x79 ? second + 0x21 : second);
            }
            i += 2;
        } else {
            if (!matchCase) {
                c = kTables.upper[c];
                p.bytes[i] = static_cast<char>(c);
                p.other[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
            }
            ++i;
        }
    }
    if (!p.usable) return p;

    // Filter on the two positions whose bytes are expected least.
    std::size_t best = 0, next = n;
    // Second bytes spread over most of the byte range: rank them all alike.
    std::string second(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        if (IsSjisLeadByte(static_cast<unsigned char>(p.bytes[i]))) second[++i] = 1;
    auto rank = [&](std::size_t k) {
        if (second[k]) return p.bytes[k] == p.other[k] ? 1 : 2;
        const int one = Commonness(static_cast<unsigned char>(p.bytes[k]));
        return p.bytes[k] == p.other[k] ? one
                                        : one + Commonness(static_cast<unsigned char>(p.other[k]));
    };
    for (std::size_t k = 1; k < n; ++k) {
        if (rank(k) <= rank(best)) {
            next = best;
            best = k;
        } else if (next == n || rank(k) <= rank(next)) {
            next = k;
        }
    }
    if (next == n) next = best;
    auto filter = [&](std::size_t k) {
        FilterByte f;
        f.at = k;
        f.one = static_cast<unsigned char>(p.bytes[k]);
        f.two = static_cast<unsigned char>(p.other[k]);
        return f;
    };
    p.first = filter(best < next ? best : next);
    p.second = filter(best < next ? next : best);
    return p;
}

// Decides whether a position holds the second byte of a double-byte
// character, as a walk from the start of the text would.
class TrailTest {
public:
    explicit TrailTest(const unsigned char* text) : text_(text) {}

    bool IsTrail(Offset p) {
        Offset start;
        if (known_ && runStart_ <= p && p <= runEnd_) {
            start = runStart_;
        } else if (known_ && p > runEnd_) {
            Offset j = p;
            while (j > runEnd_ && IsSjisLeadByte(text_[j - 1]))
                --j;
            start = j == runEnd_ ? runStart_ : j;
        } else {
            Offset j = p;
            while (j > 0 && IsSjisLeadByte(text_[j - 1]))
                --j;
            start = j;
        }
        // [start, p) are lead-range bytes and start begins a character.
        known_ = true;
        runStart_ = start;
        runEnd_ = p;
        return ((p - start) & 1) != 0;
    }

private:
    const unsigned char* text_;
    bool known_ = false;
    Offset runStart_ = 0, runEnd_ = 0;
};

class Search {
public:
    Search(const unsigned char* text, Offset size, const PreparedPattern& pattern,
           TSearchOptions options)
        : text_(text), size_(size), pat_(pattern), n_(static_cast<Offset>(pattern.bytes.size())),
          matchCase_(Has(options, TSearchOption::soMatchCase)),
          wholeWord_(Has(options, TSearchOption::soWholeWord)), trail_(text) {}

    // The first accepted match at or after From, up to the last position
    // where the pattern fits; -1 when none comes before the end of the text.
    Offset Down(Offset from) {
        const Offset last = size_ - n_;
        Offset q = from, result;
#ifdef ZEF_SEARCH_AVX2
        if (HaveAvx2() && AvxDown(q, last, result)) return result;
#endif
#ifdef ZEF_SEARCH_SSE2
        if (HaveSse2() && SseDown(q, last, result)) return result;
#endif
        for (; q <= last; ++q) {
            if (text_[q + pat_.first.at] == 0) return -1;
            if (Hit(q) && Accept(q)) return q;
        }
        return -1;
    }

    // The last accepted match at or before From (From + n within the text);
    // -1 when none, or -2 when a zero byte ends the text before From + n.
    Offset Up(Offset from) {
        Offset q = from, result;
#ifdef ZEF_SEARCH_AVX2
        if (HaveAvx2() && AvxUp(q, result)) return result;
#endif
#ifdef ZEF_SEARCH_SSE2
        if (HaveSse2() && SseUp(q, result)) return result;
#endif
        for (; q >= 0; --q) {
            if (text_[q + pat_.first.at] == 0) return -2;
            if (Hit(q) && Accept(q)) return q;
        }
        return -1;
    }

private:
    bool Hit(Offset q) const {
        const unsigned char a = text_[q + pat_.first.at], b = text_[q + pat_.second.at];
        return (a == pat_.first.one || a == pat_.first.two) &&
               (b == pat_.second.one || b == pat_.second.two);
    }

    bool Delimiter(Offset at) const {
        return at >= size_ || kTables.delimiter[text_[at]];
    }

    bool Accept(Offset q) {
        const unsigned char* t = text_ + q;
        if (matchCase_) {
            if (std::memcmp(t, pat_.bytes.data(), static_cast<std::size_t>(n_)) != 0) return false;
        } else {
            for (Offset k = 0; k < n_; ++k)
                if (t[k] != static_cast<unsigned char>(pat_.bytes[k]) &&
                    t[k] != static_cast<unsigned char>(pat_.other[k]))
                    return false;
        }
        // A word start is never a trail byte: the byte before a trail byte
        // is its lead byte, a word byte.
        if (wholeWord_)
            return !kTables.delimiter[t[0]] && (q == 0 || kTables.delimiter[t[-1]]) &&
                   Delimiter(q + n_);
        return !trail_.IsTrail(q);
    }

    // The hits of one block of positions from Base, lowest first going
    // down, highest first going up: true with Result when a zero byte or an
    // accepted match decides the search.
    bool TakeDown(std::uint64_t m, Offset base, Offset& result) {
        for (; m; m &= m - 1) {
            const Offset at = base + LowestBit(m);
            if (text_[at + pat_.first.at] == 0) return result = -1, true;
            if (Accept(at)) return result = at, true;
        }
        return false;
    }

    bool TakeUp(std::uint64_t m, Offset base, Offset& result) {
        for (; m; m &= ~(std::uint64_t{1} << HighestBit(m))) {
            const Offset at = base + HighestBit(m);
            if (text_[at + pat_.first.at] == 0) return result = -2, true;
            if (Accept(at)) return result = at, true;
        }
        return false;
    }

    static int LowestBit(std::uint64_t m) {
#if defined(_MSC_VER) && !defined(__clang__)
        unsigned long i;
        if (_BitScanForward(&i, static_cast<unsigned long>(m))) return static_cast<int>(i);
        _BitScanForward(&i, static_cast<unsigned long>(m >> 32));
        return 32 + static_cast<int>(i);
#else
        return __builtin_ctzll(m);
#endif
    }

    static int HighestBit(std::uint64_t m) {
#if defined(_MSC_VER) && !defined(__clang__)
        unsigned long i;
        if (_BitScanReverse(&i, static_cast<unsigned long>(m >> 32)))
            return 32 + static_cast<int>(i);
        _BitScanReverse(&i, static_cast<unsigned long>(m));
        return static_cast<int>(i);
#else
        return 63 - __builtin_clzll(m);
#endif
    }

    // The block scans run as far as whole blocks reach and leave Q at the
    // first position left for the next narrower scan.  A bit of a block's
    // mask is set where both filter bytes pass or the first one is zero.
#ifdef ZEF_SEARCH_SSE2
    static bool HaveSse2() {
#ifdef ZEF_SSE2_AT_RUN_TIME
        static const bool have = __builtin_cpu_supports("sse2");
        return have;
#else
        return true;
#endif
    }

    struct SseFilter {
        ZEF_SSE2_FN explicit SseFilter(const FilterByte& f)
            : at(f.at), one(_mm_set1_epi8(static_cast<char>(f.one))),
              two(_mm_set1_epi8(static_cast<char>(f.two))) {}
        ZEF_SSE2_FN __m128i Pass(const unsigned char* block) const {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + at));
            return _mm_or_si128(_mm_cmpeq_epi8(b, one), _mm_cmpeq_epi8(b, two));
        }
        std::size_t at;
        __m128i one, two;
    };

    // 32 positions from Block.
    ZEF_SSE2_FN std::uint64_t SseHits(const SseFilter& a, const SseFilter& b,
                                      const unsigned char* block) const {
        std::uint64_t m = 0;
        for (int half = 0; half < 2; ++half) {
            const unsigned char* at = block + 16 * half;
            const __m128i zero = _mm_cmpeq_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + a.at)), _mm_setzero_si128());
            const __m128i hit = _mm_or_si128(_mm_and_si128(a.Pass(at), b.Pass(at)), zero);
            m |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hit)))
                 << (16 * half);
        }
        return m;
    }

    ZEF_SSE2_FN bool SseDown(Offset& q, Offset last, Offset& result) {
        const SseFilter a(pat_.first), b(pat_.second);
        for (; q + 31 <= last; q += 32)
            if (TakeDown(SseHits(a, b, text_ + q), q, result)) return true;
        return false;
    }

    ZEF_SSE2_FN bool SseUp(Offset& q, Offset& result) {
        const SseFilter a(pat_.first), b(pat_.second);
        for (; q >= 31; q -= 32)
            if (TakeUp(SseHits(a, b, text_ + q - 31), q - 31, result)) return true;
        return false;
    }
#endif

#ifdef ZEF_SEARCH_AVX2
    static bool HaveAvx2() {
        static const bool have = __builtin_cpu_supports("avx2");
        return have;
    }

    struct AvxFilter {
        ZEF_AVX2_FN explicit AvxFilter(const FilterByte& f)
            : at(f.at), one(_mm256_set1_epi8(static_cast<char>(f.one))),
              two(_mm256_set1_epi8(static_cast<char>(f.two))) {}
        ZEF_AVX2_FN __m256i Pass(const unsigned char* block) const {
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + at));
            return _mm256_or_si256(_mm256_cmpeq_epi8(b, one), _mm256_cmpeq_epi8(b, two));
        }
        std::size_t at;
        __m256i one, two;
    };

    // 64 positions from Block.
    ZEF_AVX2_FN std::uint64_t AvxHits(const AvxFilter& a, const AvxFilter& b,
                                      const unsigned char* block) const {
        std::uint64_t m = 0;
        for (int half = 0; half < 2; ++half) {
            const unsigned char* at = block + 32 * half;
            const __m256i zero =
                _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + a.at)),
                                  _mm256_setzero_si256());
            const __m256i hit = _mm256_or_si256(_mm256_and_si256(a.Pass(at), b.Pass(at)), zero);
            m |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm256_movemask_epi8(hit)))
                 << (32 * half);
        }
        return m;
    }

    ZEF_AVX2_FN bool AvxDown(Offset& q, Offset last, Offset& result) {
        const AvxFilter a(pat_.first), b(pat_.second);
        for (; q + 63 <= last; q += 64)
            if (TakeDown(AvxHits(a, b, text_ + q), q, result)) return true;
        return false;
    }

    ZEF_AVX2_FN bool AvxUp(Offset& q, Offset& result) {
        const AvxFilter a(pat_.first), b(pat_.second);
        for (; q >= 63; q -= 64)
            if (TakeUp(AvxHits(a, b, text_ + q - 63), q - 63, result)) return true;
        return false;
    }
#endif

    const unsigned char* text_;
    Offset size_;
    const PreparedPattern& pat_;
    Offset n_;
    bool matchCase_, wholeWord_;
    TrailTest trail_;
};

bool HasZero(const unsigned char* from, Offset count) {
    return count > 0 && std::memchr(from, 0, static_cast<std::size_t>(count)) != nullptr;
}

} // namespace

std::optional<std::int32_t> SearchBuffer(std::string_view Buffer, TSearchSelection& Selection,
                                         std::string_view Pattern, TSearchOptions Options) {
    const Offset selStart = Selection.SelStart, selLength = Selection.SelLength;
    if (selStart < 0 || selLength < 0 || Pattern.empty()) return std::nullopt;
    // Offsets are 32-bit: text beyond them cannot be selected.
    const Offset size =
        Buffer.size() < static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())
            ? static_cast<Offset>(Buffer.size())
            : std::numeric_limits<std::int32_t>::max();
    if (selStart > size) return std::nullopt;
    const PreparedPattern pattern = Prepare(Pattern, Has(Options, TSearchOption::soMatchCase));
    if (!pattern.usable) return std::nullopt;
    const Offset n = static_cast<Offset>(Pattern.size());
    const auto* text = reinterpret_cast<const unsigned char*>(Buffer.data());
    Search search(text, size, pattern, Options);

    Offset found;
    if (Has(Options, TSearchOption::soDown)) {
        const Offset from = selStart + selLength;
        // No zero byte may end the text before the first candidate's end.
        if (from + n > size || HasZero(text, from + n)) return std::nullopt;
        found = search.Down(from);
    } else {
        const Offset from = selStart - n;
        if (from < 0 || HasZero(text + from, selStart - from)) return std::nullopt;
        found = search.Up(from);
        // The scan saw the bytes from the match on; the text must not end
        // before it either.
        if (found >= 0 && HasZero(text, found)) return std::nullopt;
    }
    if (found < 0) return std::nullopt;
    Selection.SelLength = static_cast<std::int32_t>(n);
    return static_cast<std::int32_t>(found);
}

bool FindInText(std::string_view Buffer, TSearchSelection& Selection, std::string_view Pattern,
                TSearchOptions Options) {
    if (Pattern.empty() || Buffer.empty() || Buffer[0] == 0) return false;
    const std::optional<std::int32_t> at = SearchBuffer(Buffer, Selection, Pattern, Options);
    if (!at) return false;
    Selection.SelStart = *at;
    return true;
}
