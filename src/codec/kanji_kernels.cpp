#include "codec/kanji_kernels.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZEF_KANJI_SSE2 1
#endif

#include "codec/kanji_convert.h"

namespace kanji_detail {

namespace {

using u8 = std::uint8_t;

constexpr u8 kEsc = 0x1B;
constexpr u8 kSs2 = 0x8E;
constexpr u8 kVoiced = 0xDE;     // ﾞ
constexpr u8 kSemiVoiced = 0xDF; // ﾟ
constexpr u8 kGeta[2] = {0x22, 0x2E};

inline bool IsJisByte(u8 b) {
    return b >= 0x21 && b <= 0x7E;
}

inline u8* EnterKanji(TJisShiftState& st, u8* q) {
    if (!st.Kanji) {
        q[0] = kEsc;
        q[1] = '$';
        q[2] = 'B';
        q += 3;
        st.Kanji = true;
    }
    return q;
}

inline u8* LeaveKanji(TJisShiftState& st, u8* q) {
    if (st.Kanji) {
        q[0] = kEsc;
        q[1] = '(';
        q[2] = 'J';
        q += 3;
        st.Kanji = false;
    }
    return q;
}

inline u8* PutGeta(u8* q) {
    q[0] = kGeta[0];
    q[1] = kGeta[1];
    return q + 2;
}

// Sixteen bytes at a time where SSE2 is there.  Each helper looks at s[0, 16) (the caller
// guarantees the bytes exist), writes 16 bytes to o (the output buffer has that slack)
// and tells how many pairs of them it converted.
#ifdef ZEF_KANJI_SSE2

inline unsigned LeadingOnes(unsigned Mask16) {
    unsigned m = ~Mask16 & 0xFFFFu;
    if (m == 0) return 16;
    unsigned k = 0;
    while (!(m & 1u)) {
        m >>= 1;
        ++k;
    }
    return k;
}

inline __m128i Select16(__m128i Cond, int IfTrue, int IfFalse) {
    return _mm_or_si128(_mm_and_si128(Cond, _mm_set1_epi16(static_cast<short>(IfTrue))),
                        _mm_andnot_si128(Cond, _mm_set1_epi16(static_cast<short>(IfFalse))));
}

inline __m128i PackPairs(__m128i First, __m128i Second) {
    const __m128i low = _mm_set1_epi16(0x00FF);
    return _mm_or_si128(_mm_and_si128(First, low), _mm_slli_epi16(_mm_and_si128(Second, low), 8));
}

// Bytes in [Lo, Hi] as a 16-bit mask (the range on one side of 0x80).
inline unsigned InRange(__m128i v, int Lo, int Hi) {
    __m128i lo = _mm_set1_epi8(static_cast<char>(Lo - 1));
    __m128i hi = _mm_set1_epi8(static_cast<char>(Hi + 1));
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpgt_epi8(v, lo), _mm_cmplt_epi8(v, hi))));
}

// JisToSjisPair on eight lanes of (j1, j2), both 7-bit.
inline __m128i JisToSjis8(__m128i j1, __m128i j2) {
    __m128i s1 = _mm_add_epi16(_mm_srli_epi16(_mm_add_epi16(j1, _mm_set1_epi16(1)), 1),
                               Select16(_mm_cmplt_epi16(j1, _mm_set1_epi16(0x5F)), 0x70, 0xB0));
    __m128i odd = _mm_cmpeq_epi16(_mm_and_si128(j1, _mm_set1_epi16(1)), _mm_set1_epi16(1));
    __m128i oddAdd = Select16(_mm_cmplt_epi16(j2, _mm_set1_epi16(0x60)), 0x1F, 0x20);
    __m128i add =
        _mm_or_si128(_mm_and_si128(odd, oddAdd), _mm_andnot_si128(odd, _mm_set1_epi16(0x7E)));
    return PackPairs(s1, _mm_add_epi16(j2, add));
}

// SjisToJisPair on eight lanes of (s1, s2).
inline __m128i SjisToJis8(__m128i s1, __m128i s2) {
    __m128i j1 = _mm_slli_epi16(
        _mm_sub_epi16(s1, Select16(_mm_cmplt_epi16(s1, _mm_set1_epi16(0xA0)), 0x70, 0xB0)), 1);
    __m128i below9F = _mm_cmplt_epi16(s2, _mm_set1_epi16(0x9F));
    j1 = _mm_add_epi16(j1, below9F); // one less where the trail is below 0x9F
    __m128i sub = _mm_or_si128(
        _mm_and_si128(below9F, Select16(_mm_cmplt_epi16(s2, _mm_set1_epi16(0x80)), 0x1F, 0x20)),
        _mm_andnot_si128(below9F, _mm_set1_epi16(0x7E)));
    return PackPairs(j1, _mm_sub_epi16(s2, sub));
}

inline __m128i Load16(const u8* s) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
}
inline void Store16(u8* o, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
}
inline __m128i LowBytes(__m128i v) {
    return _mm_and_si128(v, _mm_set1_epi16(0x00FF));
}
inline __m128i HighBytes(__m128i v) {
    return _mm_srli_epi16(v, 8);
}

// EUC-JP pairs (both bytes 0xA1-0xFE) to Shift_JIS.
inline unsigned EucPairsToSjis16(const u8* s, u8* o) {
    __m128i v = Load16(s);
    unsigned pairs = LeadingOnes(InRange(v, 0xA1, 0xFE)) / 2;
    if (pairs) {
        __m128i seven = _mm_and_si128(v, _mm_set1_epi8(0x7F));
        Store16(o, JisToSjis8(LowBytes(seven), HighBytes(seven)));
    }
    return pairs;
}

// EUC-JP pairs to JIS: the top bits cleared.
inline unsigned EucPairsToJis16(const u8* s, u8* o) {
    __m128i v = Load16(s);
    unsigned pairs = LeadingOnes(InRange(v, 0xA1, 0xFE)) / 2;
    if (pairs) Store16(o, _mm_and_si128(v, _mm_set1_epi8(0x7F)));
    return pairs;
}

// JIS pairs in kanji mode (both bytes 0x21-0x7E) to Shift_JIS.
inline unsigned JisPairsToSjis16(const u8* s, u8* o) {
    __m128i v = Load16(s);
    unsigned pairs = LeadingOnes(InRange(v, 0x21, 0x7E)) / 2;
    if (pairs) Store16(o, JisToSjis8(LowBytes(v), HighBytes(v)));
    return pairs;
}

// Shift_JIS pairs whose first bytes are lead bytes (0x81-0x9F, 0xE0-0xFC) to JIS, with
// the top bits set for EUC-JP.  A lead byte takes whatever follows as its trail, so the
// pairs are known from their first bytes alone.
inline unsigned SjisPairsToJis16(const u8* s, u8* o, bool Euc) {
    __m128i v = Load16(s);
    unsigned lead = InRange(v, 0x81, 0x9F) | InRange(v, 0xE0, 0xFC);
    unsigned pairs = LeadingOnes(lead | 0xAAAAu) / 2;
    if (pairs) {
        __m128i j = SjisToJis8(LowBytes(v), HighBytes(v));
        Store16(o, Euc ? _mm_or_si128(j, _mm_set1_epi8(static_cast<char>(0x80))) : j);
    }
    return pairs;
}

// A byte mask from a 16-bit mask: byte k is 0xFF where bit k is set.
inline __m128i ByteMask(unsigned m) {
    const __m128i bits = _mm_set_epi8(-128, 64, 32, 16, 8, 4, 2, 1, -128, 64, 32, 16, 8, 4, 2, 1);
    const std::uint64_t spread = 0x0101010101010101ull;
    __m128i v = _mm_set_epi64x(static_cast<long long>(((m >> 8) & 0xFF) * spread),
                               static_cast<long long>((m & 0xFF) * spread));
    return _mm_cmpeq_epi8(_mm_and_si128(v, bits), bits);
}

inline __m128i Blend(__m128i Mask, __m128i IfSet, __m128i Else) {
    return _mm_or_si128(_mm_and_si128(Mask, IfSet), _mm_andnot_si128(Mask, Else));
}

// EUC-JP text of ASCII and pairs, mixed within sixteen bytes that start at a character,
// to Shift_JIS (both have the same length here).  In each run of high bytes the pairs
// start at the run's first byte.  Returns the bytes converted (15 when a pair runs past
// the window), or 0 when the window holds SS2, 0x80, 0xFF or a lead byte without a high
// trail byte, which the byte loop converts.
inline unsigned EucMixedToSjis16(const u8* s, u8* o) {
    __m128i v = Load16(s);
    unsigned high = static_cast<unsigned>(_mm_movemask_epi8(v));
    if (high == 0) {
        Store16(o, v);
        return 16;
    }
    __m128i special = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0x8E))),
                                   _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0xFF))));
    special = _mm_or_si128(special, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(0x80))));
    if (_mm_movemask_epi8(special)) return 0;
    // Runs that start at an even position have their first bytes at even positions; the
    // addition clears exactly those runs.
    unsigned starts = high & ~(high << 1);
    unsigned evenRuns = high & ~(high + (starts & 0x5555u));
    unsigned leads = (evenRuns & 0x5555u) | (high & ~evenRuns & 0xAAAAu);
    unsigned trails = high & ~leads;
    unsigned unpaired = (leads << 1) & ~trails;
    if (unpaired & 0xFFFFu) return 0;
    __m128i seven = _mm_and_si128(v, _mm_set1_epi8(0x7F));
    __m128i even = JisToSjis8(LowBytes(seven), HighBytes(seven));
    __m128i shifted = _mm_srli_si128(seven, 1);
    __m128i odd = _mm_slli_si128(JisToSjis8(LowBytes(shifted), HighBytes(shifted)), 1);
    unsigned evenLeads = leads & 0x5555u, oddLeads = leads & 0xAAAAu;
    __m128i r = Blend(ByteMask(evenLeads | (evenLeads << 1)), even, v);
    r = Blend(ByteMask((oddLeads | (oddLeads << 1)) & 0xFFFFu), odd, r);
    Store16(o, r);
    return unpaired ? 15 : 16;
}

// Copies bytes up to the next ESC; returns its position (or n).
inline std::size_t CopyToEscape(const u8* s, std::size_t i, std::size_t n, u8*& q) {
    const __m128i esc = _mm_set1_epi8(0x1B);
    while (i + 16 <= n) {
        __m128i v = Load16(s + i);
        Store16(q, v);
        unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, esc)));
        if (m) {
            unsigned k = LowestBit(m);
            q += k;
            return i + k;
        }
        q += 16;
        i += 16;
    }
    while (i < n && s[i] != 0x1B)
        *q++ = s[i++];
    return i;
}

// JIS kanji mode to EUC-JP up to the next ESC: bytes 0x21-0x7E get their top bit.
inline std::size_t SetHighToEscape(const u8* s, std::size_t i, std::size_t n, u8*& q) {
    const __m128i esc = _mm_set1_epi8(0x1B);
    while (i + 16 <= n) {
        __m128i v = Load16(s + i);
        __m128i jis = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(0x20)),
                                    _mm_cmplt_epi8(v, _mm_set1_epi8(0x7F)));
        Store16(q, _mm_or_si128(v, _mm_and_si128(jis, _mm_set1_epi8(static_cast<char>(0x80)))));
        unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, esc)));
        if (m) {
            unsigned k = LowestBit(m);
            q += k;
            return i + k;
        }
        q += 16;
        i += 16;
    }
    for (; i < n && s[i] != 0x1B; ++i)
        *q++ = IsJisByte(s[i]) ? static_cast<u8>(s[i] | 0x80) : s[i];
    return i;
}

// Converts a run of pairs sixteen bytes at a time and goes on with the loop.
#define ZEF_PAIRS16(call, i, n, q)                                                                 \
    if ((i) + 16 <= (n)) {                                                                         \
        unsigned pairs_ = (call);                                                                  \
        if (pairs_) {                                                                              \
            (i) += 2 * pairs_;                                                                     \
            (q) += 2 * pairs_;                                                                     \
            continue;                                                                              \
        }                                                                                          \
    }
#else
#define ZEF_PAIRS16(call, i, n, q)

inline std::size_t CopyToEscape(const u8* s, std::size_t i, std::size_t n, u8*& q) {
    const void* e = std::memchr(s + i, 0x1B, n - i);
    std::size_t end = e ? static_cast<std::size_t>(static_cast<const u8*>(e) - s) : n;
    std::memcpy(q, s + i, end - i);
    q += end - i;
    return end;
}

inline std::size_t SetHighToEscape(const u8* s, std::size_t i, std::size_t n, u8*& q) {
    for (; i < n && s[i] != 0x1B; ++i)
        *q++ = IsJisByte(s[i]) ? static_cast<u8>(s[i] | 0x80) : s[i];
    return i;
}
#endif

inline std::size_t CopyAscii(const u8* s, std::size_t i, std::size_t n, u8*& q) {
#ifdef ZEF_KANJI_SSE2
    // Whole 16-byte stores; the pointer moves by the run's length within them.
    while (i + 16 <= n) {
        __m128i v = Load16(s + i);
        Store16(q, v);
        unsigned m = static_cast<unsigned>(_mm_movemask_epi8(v));
        if (m) {
            unsigned k = LowestBit(m);
            q += k;
            return i + k;
        }
        q += 16;
        i += 16;
    }
#endif
    std::size_t a = AsciiRun(s + i, n - i);
    std::memcpy(q, s + i, a);
    q += a;
    return i + a;
}

// Reading JIS: handles the escape sequence at s[i].  Returns false when it is cut off and
// more input may follow.
inline bool ReadEscape(TJisShiftState& st, const u8* s, std::size_t& i, std::size_t n, bool Final,
                       u8*& q) {
    if (i + 2 >= n) {
        if (!Final) return false;
        std::memcpy(q, s + i, n - i); // a cut-off sequence is kept as it stands
        q += n - i;
        i = n;
        return true;
    }
    if (s[i + 1] == '$')
        st.Kanji = true;
    else if (s[i + 1] == '(')
        st.Kanji = false;
    i += 3;
    return true;
}

// Reading JIS: outside kanji mode bytes pass to the next escape sequence; in kanji mode
// JisToEuc sets the top bit of every byte 0x21-0x7E, JisToSjis converts pairs of them.
template <bool ToEuc>
std::size_t RunFromJis(TJisShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
                       std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (b == kEsc) {
            if (!ReadEscape(st, s, i, n, Final, q)) break;
            continue;
        }
        if (!st.Kanji || ToEuc) {
            i = st.Kanji ? SetHighToEscape(s, i, n, q) : CopyToEscape(s, i, n, q);
            continue;
        }
        if (IsJisByte(b)) {
            ZEF_PAIRS16(JisPairsToSjis16(s + i, q), i, n, q)
            if (i + 1 >= n) {
                if (!Final) break;
                *q++ = b;
                ++i;
                continue;
            }
            u8 c = s[i + 1];
            if (IsJisByte(c)) {
                JisToSjisPair(b, c, q);
                q += 2;
                i += 2;
                continue;
            }
        }
        *q++ = b;
        ++i;
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

std::size_t RunEucToSjis(const u8* s, std::size_t n, bool Final, u8* q0, std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
#ifdef ZEF_KANJI_SSE2
    std::size_t byteLoopUntil = 0; // after a window the block-wise path declined
#endif
    while (i < n) {
#ifdef ZEF_KANJI_SSE2
        if (i >= byteLoopUntil && i + 16 <= n) {
            unsigned done = EucMixedToSjis16(s + i, q);
            if (done) {
                i += done;
                q += done;
                continue;
            }
            byteLoopUntil = i + 16;
        }
#endif
        u8 b = s[i];
        if (b < 0x80) {
            i = CopyAscii(s, i, n, q);
            continue;
        }
        if (b == 0x80 || b == 0xFF) {
            *q++ = b;
            ++i;
            continue;
        }
        ZEF_PAIRS16(EucPairsToSjis16(s + i, q), i, n, q)
        if (i + 1 >= n) {
            if (!Final) break;
            *q++ = b; // a cut-off character is kept as it stands
            ++i;
            continue;
        }
        u8 c = s[i + 1];
        if (b == kSs2) {
            *q++ = c;
        } else {
            JisToSjisPair(b & 0x7F, c & 0x7F, q);
            q += 2;
        }
        i += 2;
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

std::size_t RunSjisToEuc(const u8* s, std::size_t n, bool Final, u8* q0, std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (b < 0x80) {
            i = CopyAscii(s, i, n, q);
            continue;
        }
        if (IsHalfKana(b)) {
            q[0] = kSs2;
            q[1] = b;
            q += 2;
            ++i;
            continue;
        }
        ZEF_PAIRS16(SjisPairsToJis16(s + i, q, true), i, n, q)
        if (i + 1 >= n) {
            if (!Final) break;
            *q++ = b;
            ++i;
            continue;
        }
        SjisToJisPair(b, s[i + 1], q);
        q[0] |= 0x80;
        q[1] |= 0x80;
        q += 2;
        i += 2;
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

// SjisToJis and EucToJis share one shape: ESC $ B before a double-byte character that
// follows single bytes, ESC ( J before a single byte that follows double-byte ones.
template <bool FromEuc>
std::size_t RunToJis(TJisShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
                     std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (b < 0x80) {
            q = LeaveKanji(st, q);
            i = CopyAscii(s, i, n, q);
            continue;
        }
        if (i + 1 >= n && !Final) break; // a kana's mark or a lead byte's trail may follow
        if (FromEuc ? b == kSs2 : IsHalfKana(b)) {
            const std::size_t kanaAt = FromEuc ? i + 1 : i;
            u8 k = kanaAt < n ? s[kanaAt] : 0;
            if (!IsHalfKana(k)) { // SS2 before a byte that is no kana
                q = PutGeta(EnterKanji(st, q));
                ++i;
                continue;
            }
            // The mark that may combine: the next byte, or in EUC-JP SS2 and the mark.
            const std::size_t markAt = kanaAt + (FromEuc ? 2 : 1);
            if (markAt >= n && !Final) break;
            int next = markAt < n && (!FromEuc || s[kanaAt + 1] == kSs2) ? s[markAt] : -1;
            q = EnterKanji(st, q);
            bool mark = KanaPairToJis(k, next, q);
            q += 2;
            i = mark ? markAt + 1 : kanaAt + 1;
            continue;
        }
        q = EnterKanji(st, q);
        ZEF_PAIRS16(FromEuc ? EucPairsToJis16(s + i, q) : SjisPairsToJis16(s + i, q, false), i, n,
                    q)
        if (i + 1 >= n) {
            q = PutGeta(q);
            ++i;
            continue;
        }
        if (FromEuc) {
            q[0] = b & 0x7F;
            q[1] = s[i + 1] & 0x7F;
        } else {
            SjisToJisPair(b, s[i + 1], q);
        }
        q += 2;
        i += 2;
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

} // namespace

std::size_t AsciiRun(const std::uint8_t* s, std::size_t n) {
    std::size_t i = 0;
#ifdef ZEF_KANJI_SSE2
    while (i + 16 <= n) {
        unsigned m = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i))));
        if (m != 0) return i + LowestBit(m);
        i += 16;
    }
#else
    while (i + 8 <= n) {
        std::uint64_t v;
        std::memcpy(&v, s + i, 8);
        if (v & 0x8080808080808080ull) break;
        i += 8;
    }
#endif
    while (i < n && s[i] < 0x80)
        ++i;
    return i;
}

bool KanaPairToJis(std::uint8_t k, int Next, std::uint8_t* o) {
    u8 low = KanaToJisTable[k & 0x7F];
    bool row1 = (k >= 0xA1 && k <= 0xA5) || k == 0xB0 || k == kVoiced || k == kSemiVoiced;
    bool mark = false;
    if (Next == kVoiced) {
        if (k == 0xB3) {
            low = 0x74; // ｳﾞ: ヴ
            mark = true;
        } else if ((k >= 0xB6 && k <= 0xC4) || (k >= 0xCA && k <= 0xCE)) {
            low = static_cast<u8>(low + 1);
            mark = true;
        }
    } else if (Next == kSemiVoiced && k >= 0xCA && k <= 0xCE) {
        low = static_cast<u8>(low + 2);
        mark = true;
    }
    o[0] = row1 ? 0x21 : 0x25;
    o[1] = low;
    return mark;
}

TRoutine PickRoutine(TKanjiCode Source, TKanjiCode Target) {
    bool jis = Source == TKanjiCode::kcJis || Source == TKanjiCode::kcJisOld;
    switch (Target) {
    case TKanjiCode::kcJis:
        if (Source == TKanjiCode::kcEuc) return TRoutine::EucToJis;
        if (Source == TKanjiCode::kcSjis) return TRoutine::SjisToJis;
        break;
    case TKanjiCode::kcEuc:
        if (jis) return TRoutine::JisToEuc;
        if (Source == TKanjiCode::kcSjis) return TRoutine::SjisToEuc;
        break;
    case TKanjiCode::kcSjis:
        if (jis) return TRoutine::JisToSjis;
        if (Source == TKanjiCode::kcEuc) return TRoutine::EucToSjis;
        break;
    default:
        break;
    }
    return TRoutine::Copy;
}

std::size_t MaxOutput(TRoutine Routine, std::size_t n) {
    switch (Routine) {
    case TRoutine::SjisToJis:
    case TRoutine::EucToJis:
        return 5 * n + 32; // a lone kana or cut-off byte: ESC $ B and a pair
    case TRoutine::SjisToEuc:
        return 2 * n + 32;
    default:
        return n + 32; // room for the 16-byte stores
    }
}

std::size_t RunRoutine(TRoutine Routine, TJisShiftState& State, const std::uint8_t* s,
                       std::size_t n, bool Final, std::uint8_t* o, std::size_t& Written) {
    switch (Routine) {
    case TRoutine::JisToSjis:
        return RunFromJis<false>(State, s, n, Final, o, Written);
    case TRoutine::JisToEuc:
        return RunFromJis<true>(State, s, n, Final, o, Written);
    case TRoutine::EucToSjis:
        return RunEucToSjis(s, n, Final, o, Written);
    case TRoutine::EucToJis:
        return RunToJis<true>(State, s, n, Final, o, Written);
    case TRoutine::SjisToJis:
        return RunToJis<false>(State, s, n, Final, o, Written);
    case TRoutine::SjisToEuc:
        return RunSjisToEuc(s, n, Final, o, Written);
    case TRoutine::Copy:
        break;
    }
    std::memcpy(o, s, n);
    Written = n;
    return n;
}

} // namespace kanji_detail
