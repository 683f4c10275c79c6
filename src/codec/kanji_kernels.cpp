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

inline u8* EnterKanji(TShiftState& st, u8* q) {
    if (!st.Kanji) {
        q[0] = kEsc;
        q[1] = '$';
        q[2] = 'B';
        q += 3;
        st.Kanji = true;
    }
    return q;
}

inline u8* LeaveKanji(TShiftState& st, u8* q) {
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

inline std::size_t CopyAscii(const u8* s, std::size_t i, std::size_t n, u8*& q) {
    std::size_t a = AsciiRun(s + i, n - i);
    std::memcpy(q, s + i, a);
    q += a;
    return i + a;
}

// Reading JIS: handles the escape sequence at s[i].  Returns false when it is cut off and
// more input may follow.
inline bool ReadEscape(TShiftState& st, const u8* s, std::size_t& i, std::size_t n, bool Final,
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

std::size_t RunJisToSjis(TShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
                         std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (b == kEsc) {
            if (!ReadEscape(st, s, i, n, Final, q)) break;
            continue;
        }
        if (!st.Kanji) {
            const void* e = std::memchr(s + i, kEsc, n - i);
            std::size_t end = e ? static_cast<std::size_t>(static_cast<const u8*>(e) - s) : n;
            std::memcpy(q, s + i, end - i);
            q += end - i;
            i = end;
            continue;
        }
        if (IsJisByte(b)) {
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

std::size_t RunJisToEuc(TShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
                        std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (b == kEsc) {
            if (!ReadEscape(st, s, i, n, Final, q)) break;
            continue;
        }
        const void* e = std::memchr(s + i, kEsc, n - i);
        std::size_t end = e ? static_cast<std::size_t>(static_cast<const u8*>(e) - s) : n;
        if (!st.Kanji) {
            std::memcpy(q, s + i, end - i);
            q += end - i;
        } else {
            for (std::size_t k = i; k < end; ++k) {
                u8 c = s[k];
                *q++ = IsJisByte(c) ? static_cast<u8>(c | 0x80) : c;
            }
        }
        i = end;
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

std::size_t RunEucToSjis(const u8* s, std::size_t n, bool Final, u8* q0, std::size_t& w) {
    u8* q = q0;
    std::size_t i = 0;
    while (i < n) {
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

std::size_t RunSjisToJis(TShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
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
        q = EnterKanji(st, q);
        if (IsHalfKana(b)) {
            bool mark = KanaPairToJis(b, i + 1 < n ? s[i + 1] : -1, q);
            q += 2;
            i += mark ? 2 : 1;
        } else if (i + 1 >= n) {
            q = PutGeta(q);
            ++i;
        } else {
            SjisToJisPair(b, s[i + 1], q);
            q += 2;
            i += 2;
        }
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

std::size_t RunEucToJis(TShiftState& st, const u8* s, std::size_t n, bool Final, u8* q0,
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
        if (i + 1 >= n && !Final) break;
        if (b == kSs2) {
            u8 k = i + 1 < n ? s[i + 1] : 0;
            if (!IsHalfKana(k)) {
                q = PutGeta(EnterKanji(st, q));
                ++i;
                continue;
            }
            // SS2 + mark may follow the kana.
            if (i + 3 >= n && !Final) break;
            int next = (i + 3 < n && s[i + 2] == kSs2) ? s[i + 3] : -1;
            q = EnterKanji(st, q);
            bool mark = KanaPairToJis(k, next, q);
            q += 2;
            i += mark ? 4 : 2;
            continue;
        }
        q = EnterKanji(st, q);
        if (i + 1 >= n) {
            q = PutGeta(q);
            ++i;
        } else {
            q[0] = b & 0x7F;
            q[1] = s[i + 1] & 0x7F;
            q += 2;
            i += 2;
        }
    }
    w = static_cast<std::size_t>(q - q0);
    return i;
}

} // namespace

std::size_t AsciiRun(const std::uint8_t* s, std::size_t n) {
    std::size_t i = 0;
#ifdef ZEF_KANJI_SSE2
    while (i + 16 <= n) {
        int mask = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
        if (mask != 0) {
            unsigned m = static_cast<unsigned>(mask);
            while (!(m & 1u)) {
                m >>= 1;
                ++i;
            }
            return i;
        }
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
    bool jis = Source == kcJis || Source == kcJisOld;
    switch (Target) {
    case kcJis:
        if (Source == kcEuc) return TRoutine::EucToJis;
        if (Source == kcSjis) return TRoutine::SjisToJis;
        break;
    case kcEuc:
        if (jis) return TRoutine::JisToEuc;
        if (Source == kcSjis) return TRoutine::SjisToEuc;
        break;
    case kcSjis:
        if (jis) return TRoutine::JisToSjis;
        if (Source == kcEuc) return TRoutine::EucToSjis;
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
        return 5 * n + 8; // a lone kana or cut-off byte: ESC $ B and a pair
    case TRoutine::SjisToEuc:
        return 2 * n + 8;
    default:
        return n + 8;
    }
}

std::size_t RunRoutine(TRoutine Routine, TShiftState& State, const std::uint8_t* s, std::size_t n,
                       bool Final, std::uint8_t* o, std::size_t& Written) {
    switch (Routine) {
    case TRoutine::JisToSjis:
        return RunJisToSjis(State, s, n, Final, o, Written);
    case TRoutine::JisToEuc:
        return RunJisToEuc(State, s, n, Final, o, Written);
    case TRoutine::EucToSjis:
        return RunEucToSjis(s, n, Final, o, Written);
    case TRoutine::EucToJis:
        return RunEucToJis(State, s, n, Final, o, Written);
    case TRoutine::SjisToJis:
        return RunSjisToJis(State, s, n, Final, o, Written);
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
