#include <cstdint>
#include <cstring>

#include "codec/kanji_code.h"
#include "codec/kanji_kernels.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZEF_KANJI_SSE2 1
#endif

namespace {

using u8 = std::uint8_t;

inline bool IsBinaryByte(u8 b) {
    return b < 0x08 || b == 0xFF;
}

// Bytes 0x08-0x7F other than ESC decide nothing: the main scan passes over them.
inline bool IsPlainByte(u8 b) {
    return b >= 0x08 && b < 0x80 && b != 0x1B;
}

// Length of the leading run of plain bytes in s[0, n).
std::size_t PlainRun(const u8* s, std::size_t n) {
    std::size_t i = 0;
#ifdef ZEF_KANJI_SSE2
    const __m128i esc = _mm_set1_epi8(0x1B);
    const __m128i below8 = _mm_set1_epi8(0x07);
    while (i + 16 <= n) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        // Signed compare: bytes 0x80-0xFF are negative, so "v > 7" fails for them too.
        __m128i bad = _mm_or_si128(_mm_cmpeq_epi8(v, esc),
                                   _mm_cmpeq_epi8(_mm_cmpgt_epi8(v, below8), _mm_setzero_si128()));
        unsigned m = static_cast<unsigned>(_mm_movemask_epi8(bad));
        if (m != 0) return i + kanji_detail::LowestBit(m);
        i += 16;
    }
#else
    const std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    while (i + 8 <= n) {
        std::uint64_t w;
        std::memcpy(&w, s + i, 8);
        std::uint64_t e = w ^ (ones * 0x1B);
        std::uint64_t bad =
            (w & highs) | ((w - ones * 0x08) & ~w & highs) | ((e - ones) & ~e & highs);
        if (bad) break;
        i += 8;
    }
#endif
    while (i < n && IsPlainByte(s[i]))
        ++i;
    return i;
}

bool PrescanFindsBinary(const u8* s, std::size_t L) {
    // Positions 1 to 512 while below L: the last byte of the sample is never examined.
    std::size_t limit = L == 0 ? 0 : L - 1;
    if (limit > BinaryScanLimit) limit = BinaryScanLimit;
    for (std::size_t i = 0; i < limit; ++i)
        if (IsBinaryByte(s[i])) return true;
    return false;
}

inline bool Undecided(TKanjiCode r) {
    return r == TKanjiCode::kcAscii || r == TKanjiCode::kcEucOrSjis;
}

// The main scan over s[0, n).  r and InRun carry the scan's state between pieces.
// Returns the bytes consumed; without Final it stops before a step whose bytes (or whose
// "not the last byte" condition) the end of s may cut.
std::size_t MainScan(const u8* s, std::size_t n, bool Final, TKanjiCode& r, bool& InRun) {
    std::size_t i = 0;
    while (Undecided(r)) {
        if (InRun) {
            while (i < n) {
                u8 b = s[i++];
                if (b < 0x40) {
                    InRun = false;
                    break;
                }
                if ((b >= 0x81 && b <= 0x8D) || (b >= 0x8F && b <= 0x9C)) {
                    r = TKanjiCode::kcSjis;
                    return i;
                }
                if (b == 0xFD || b == 0xFE) {
                    r = TKanjiCode::kcEuc;
                    return i;
                }
            }
            if (InRun) return i; // the sample ended inside the run (or the piece did)
            continue;
        }
        // A step starts only where a byte follows.
        if (i + 1 >= n) return i;
        i += PlainRun(s + i, n - 1 - i);
        if (i + 1 >= n) return i;
        u8 x = s[i];
        u8 y = s[i + 1];
        if (x == 0x1B) {
            if (y == '$') {
                if (i + 2 >= n && !Final) return i;
                u8 z = i + 2 < n ? s[i + 2] : 0;
                if (z == 'B')
                    r = TKanjiCode::kcJis;
                else if (z == '@')
                    r = TKanjiCode::kcJisOld;
                i = i + 3 < n ? i + 3 : n; // a sample that ends after "$" has no third byte
            } else {
                i += 2;
            }
        } else if (x < 0x80) {
            r = TKanjiCode::kcBinary; // below 0x08: PlainRun passed over everything else
            i += 1;
        } else if (x == 0x80 || x == 0xA0) {
            i += 1;
        } else if (x == 0xFF) {
            r = TKanjiCode::kcBinary;
            i += 1;
        } else if (x <= 0x9F) {
            if (x != 0x8E) {
                r = TKanjiCode::kcSjis;
            } else if ((y >= 0x40 && y <= 0x7E) || (y >= 0x80 && y <= 0xA0) ||
                       (y >= 0xE0 && y <= 0xFC)) {
                r = TKanjiCode::kcSjis;
            } else if (y >= 0xA1 && y <= 0xDF) {
                r = TKanjiCode::kcEucOrSjis;
            }
            i += 2;
        } else if (x <= 0xDF) {
            if (y >= 0xF0 && y <= 0xFE)
                r = TKanjiCode::kcEuc;
            else if (y >= 0xA1 && y <= 0xDF)
                r = TKanjiCode::kcEucOrSjis;
            else if (y >= 0xE0 && y <= 0xEF) {
                r = TKanjiCode::kcEucOrSjis;
                InRun = true;
            } else if (y <= 0x9F)
                r = TKanjiCode::kcSjis;
            i += 2;
        } else if (x <= 0xEF) {
            if ((y >= 0x40 && y <= 0x7E) || (y >= 0x80 && y <= 0xA0))
                r = TKanjiCode::kcSjis;
            else if (y == 0xFD || y == 0xFE)
                r = TKanjiCode::kcEuc;
            else if (y >= 0xA1 && y <= 0xFC)
                r = TKanjiCode::kcEucOrSjis;
            i += 2;
        } else {
            r = TKanjiCode::kcEuc; // 0xF0-0xFE (0xFF was taken above)
            i += 1;
        }
    }
    return i;
}

} // namespace

TKanjiCode DetectKanjiCode(const char* Sample, std::size_t Length) {
    const u8* s = reinterpret_cast<const u8*>(Sample);
    if (PrescanFindsBinary(s, Length)) return TKanjiCode::kcBinary;
    TKanjiCode r = TKanjiCode::kcAscii;
    bool inRun = false;
    MainScan(s, Length, true, r, inRun);
    return r;
}

const char* KanjiCodeName(TKanjiCode Code) {
    switch (Code) {
    case TKanjiCode::kcAscii:
        return "ASCII";
    case TKanjiCode::kcBinary:
        return "BINARY";
    case TKanjiCode::kcJis:
        return "JIS";
    case TKanjiCode::kcJisOld:
        return "JISOLD";
    case TKanjiCode::kcEuc:
        return "EUC";
    case TKanjiCode::kcSjis:
        return "SJIS";
    case TKanjiCode::kcEucOrSjis:
        return "EUCORSJIS";
    case TKanjiCode::kcUtf8:
        return "UTF8";
    case TKanjiCode::kcUtf8Bom:
        return "UTF8BOM";
    case TKanjiCode::kcUtf16Le:
        return "UTF16LE";
    case TKanjiCode::kcUtf16Be:
        return "UTF16BE";
    }
    return "UNKNOWN";
}

void TKanjiDetector::Reset() {
    *this = TKanjiDetector();
}

void TKanjiDetector::Scan(const unsigned char* s, std::size_t n, bool Final) {
    std::size_t used = MainScan(s, n, Final, FResult, FInRun);
    if (!Undecided(FResult)) {
        FDecided = true;
        FCarry.clear();
        return;
    }
    FCarry.assign(reinterpret_cast<const char*>(s) + used, n - used);
}

void TKanjiDetector::ScanPieceWithCarry(const unsigned char* s, std::size_t n) {
    if (!FCarry.empty()) {
        // The held bytes begin one step of at most three bytes: join them with the start
        // of this piece, finish that step, and go on in the piece itself.
        std::size_t take = n < 8 ? n : 8;
        std::string joined = FCarry;
        joined.append(reinterpret_cast<const char*>(s), take);
        std::size_t held = FCarry.size();
        TKanjiCode r = FResult;
        bool inRun = FInRun;
        std::size_t used =
            MainScan(reinterpret_cast<const u8*>(joined.data()), joined.size(), false, r, inRun);
        FResult = r;
        FInRun = inRun;
        if (!Undecided(FResult)) {
            FDecided = true;
            FCarry.clear();
            return;
        }
        if (used < held) {
            FCarry = joined.substr(used);
            FCarry.append(reinterpret_cast<const char*>(s) + take, n - take);
            return;
        }
        FCarry.clear();
        s += used - held;
        n -= used - held;
    }
    Scan(s, n, false);
}

void TKanjiDetector::Feed(const char* Data, std::size_t Length) {
    if (FDecided || FFinished || Length == 0) return;
    const u8* s = reinterpret_cast<const u8*>(Data);
    if (!FPrescanDone) {
        // The pre-scan needs its 512 bytes and the knowledge that more follow.
        std::size_t want = BinaryScanLimit + 1 - FHead.size();
        std::size_t take = Length < want ? Length : want;
        FHead.append(Data, take);
        s += take;
        Length -= take;
        if (FHead.size() <= BinaryScanLimit) return;
        FPrescanDone = true;
        if (PrescanFindsBinary(reinterpret_cast<const u8*>(FHead.data()), FHead.size())) {
            FResult = TKanjiCode::kcBinary;
            FDecided = true;
            return;
        }
        std::string head;
        head.swap(FHead);
        Scan(reinterpret_cast<const u8*>(head.data()), head.size(), false);
        if (FDecided) return;
    }
    ScanPieceWithCarry(s, Length);
}

TKanjiCode TKanjiDetector::Finish() {
    if (!FFinished) {
        FFinished = true;
        if (!FDecided) {
            if (!FPrescanDone) {
                FPrescanDone = true;
                if (PrescanFindsBinary(reinterpret_cast<const u8*>(FHead.data()), FHead.size()))
                    FResult = TKanjiCode::kcBinary;
                else
                    Scan(reinterpret_cast<const u8*>(FHead.data()), FHead.size(), true);
                FHead.clear();
            } else {
                std::string rest;
                rest.swap(FCarry);
                Scan(reinterpret_cast<const u8*>(rest.data()), rest.size(), true);
            }
            FDecided = true;
        }
        FCarry.clear();
    }
    return FResult;
}
