#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZEF_UNICODE_SSE2 1
#endif

#include "base/shift_jis.h"
#include "codec/cp932_tables.h"
#include "codec/kanji_kernels.h"
#include "codec/unicode_text.h"

namespace {

using u8 = std::uint8_t;

// "〓", written for every character that does not come through.
constexpr u8 GetaLead = 0x81, GetaTrail = 0xAC;
constexpr std::uint32_t Replacement = 0xFFFD;

constexpr std::uint64_t HighBits = 0x8080808080808080ull;

// How far ahead of the conversion the text is asked for (bytes).
constexpr std::size_t PrefetchAhead = 1024;


// Space for a conversion's output in the converter's scratch buffer, which only grows;
// Done appends what was written to Out.
class TOutSpace {
public:
    TOutSpace(std::string& Out, std::vector<unsigned char>& Buffer, std::size_t Most) : FOut(Out) {
        if (Buffer.size() < Most) Buffer.resize(Most);
        P = FStart = Buffer.data();
    }
    void Done() { FOut.append(reinterpret_cast<const char*>(FStart), static_cast<std::size_t>(P - FStart)); }
    u8* P;

private:
    std::string& FOut;
    u8* FStart;
};

// Writes two bytes at o whatever the code's length (o needs room for them).
inline void PutSjis(u8*& o, std::uint16_t Code) {
    const bool Double = Code > 0xFF;
    o[0] = static_cast<u8>(Double ? Code >> 8 : Code);
    o[1] = static_cast<u8>(Code);
    o += Double ? 2 : 1;
}

inline void PutGeta(u8*& o, long long& Lost) {
    o[0] = GetaLead;
    o[1] = GetaTrail;
    o += 2;
    ++Lost;
}

// Holds the bytes a block's end cut off a character and runs a converter over the
// blocks as if they were one text.  Run(s, n, Final, Out) converts and returns the bytes
// it consumed; without Final it may stop before a character the end of s cut.
template <class TRun>
void FeedWithCarry(std::string& Carry, const u8* s, std::size_t n, std::string& Out, TRun Run) {
    if (!Carry.empty()) {
        // A held character is at most four bytes: finish it on a copy joined with the
        // start of this block.
        const std::size_t Held = Carry.size();
        const std::size_t Take = n < 8 ? n : 8;
        std::string Joined;
        Joined.swap(Carry);
        Joined.append(reinterpret_cast<const char*>(s), Take);
        std::size_t Used = Run(reinterpret_cast<const u8*>(Joined.data()), Joined.size(), false, Out);
        if (Used < Held || Take == n) {
            Carry.assign(Joined, Used, std::string::npos);
            Carry.append(reinterpret_cast<const char*>(s) + Take, n - Take);
            return;
        }
        s += Used - Held;
        n -= Used - Held;
    }
    std::size_t Used = Run(s, n, false, Out);
    Carry.assign(reinterpret_cast<const char*>(s) + Used, n - Used);
}

// Gathers the first bytes until the byte-order mark can be recognised; returns false
// while more are needed.  A recognised mark is dropped from Carry.
bool TakeMark(std::string& Carry, const std::string& Mark, const u8*& s, std::size_t& n) {
    while (Carry.size() < Mark.size() && n > 0) {
        Carry.push_back(static_cast<char>(*s++));
        --n;
    }
    if (Carry.size() < Mark.size()) return false;
    if (!Mark.empty() && Carry.compare(0, Mark.size(), Mark) == 0) Carry.erase(0, Mark.size());
    return true;
}

// Asks for the text a little ahead of s to be brought into the cache.  A file's pages
// come from memory, and the hardware stops reading ahead at each page's end.
inline void Prefetch(const u8* s) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(s + PrefetchAhead);
#elif defined(ZEF_UNICODE_SSE2)
    _mm_prefetch(reinterpret_cast<const char*>(s + PrefetchAhead), _MM_HINT_T0);
#else
    (void)s;
#endif
}

// Copies the run of bytes below 0x80 at s[0, n) to o and returns its length.  Whole
// blocks of 16 bytes are stored, so o needs 16 bytes of room beyond the run.
inline std::size_t CopyAscii(const u8* s, std::size_t n, u8*& o) {
    std::size_t i = 0;
#ifdef ZEF_UNICODE_SSE2
    while (i + 16 <= n) {
        Prefetch(s + i);
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
        const unsigned High = static_cast<unsigned>(_mm_movemask_epi8(v));
        if (High) {
            const std::size_t k = kanji_detail::LowestBit(High);
            o += k;
            return i + k;
        }
        o += 16;
        i += 16;
    }
#elif !(defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__)
    while (i + 8 <= n) {
        std::uint64_t w;
        std::memcpy(&w, s + i, 8);
        std::memcpy(o, &w, 8);
        const std::uint64_t High = w & HighBits;
        if (High) {
            // The first byte with its top bit set ends the run (little-endian order).
            const unsigned Low = static_cast<unsigned>(High);
            const std::size_t k =
                (Low ? kanji_detail::LowestBit(Low)
                     : 32 + kanji_detail::LowestBit(static_cast<unsigned>(High >> 32))) / 8;
            o += k;
            return i + k;
        }
        o += 8;
        i += 8;
    }
#endif
    while (i < n && s[i] < 0x80)
        *o++ = s[i++];
    return i;
}

// The range of the second byte of a UTF-8 sequence that starts with Lead (shortest
// forms only, no surrogates, nothing above U+10FFFF); the other continuation bytes are
// 0x80-0xBF.  Returns the sequence's length, 0 for a byte that starts none.
inline int Utf8Lead(u8 Lead, u8& Lo, u8& Hi, std::uint32_t& Cp) {
    Lo = 0x80;
    Hi = 0xBF;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Cp = Lead & 0x1Fu;
        return 2;
    }
    if (Lead >= 0xE0 && Lead <= 0xEF) {
        if (Lead == 0xE0) Lo = 0xA0;
        if (Lead == 0xED) Hi = 0x9F;
        Cp = Lead & 0x0Fu;
        return 3;
    }
    if (Lead >= 0xF0 && Lead <= 0xF4) {
        if (Lead == 0xF0) Lo = 0x90;
        if (Lead == 0xF4) Hi = 0x8F;
        Cp = Lead & 0x07u;
        return 4;
    }
    return 0;
}

// Reads one UTF-8 character at s[0, n) whose first byte is 0x80 or above.  Returns the
// bytes it takes: the whole character with Cp set and Valid true; or, for an ill-formed
// sequence, its well-formed start (at least one byte) with Valid false; or 0 when the
// end of s cut a so far well-formed character.
inline std::size_t ReadUtf8(const u8* s, std::size_t n, std::uint32_t& Cp, bool& Valid) {
    u8 Lo, Hi;
    const int Len = Utf8Lead(s[0], Lo, Hi, Cp);
    Valid = false;
    if (Len == 0) return 1;
    for (int k = 1; k < Len; ++k) {
        if (static_cast<std::size_t>(k) >= n) return 0;
        const u8 c = s[k];
        if (c < Lo || c > Hi) return static_cast<std::size_t>(k);
        Cp = (Cp << 6) | (c & 0x3Fu);
        Lo = 0x80;
        Hi = 0xBF;
    }
    Valid = true;
    return static_cast<std::size_t>(Len);
}

inline void PutUtf8(u8*& o, std::uint32_t Cp) {
    if (Cp < 0x80) {
        *o++ = static_cast<u8>(Cp);
    } else if (Cp < 0x800) {
        o[0] = static_cast<u8>(0xC0 | (Cp >> 6));
        o[1] = static_cast<u8>(0x80 | (Cp & 0x3F));
        o += 2;
    } else {
        o[0] = static_cast<u8>(0xE0 | (Cp >> 12));
        o[1] = static_cast<u8>(0x80 | ((Cp >> 6) & 0x3F));
        o[2] = static_cast<u8>(0x80 | (Cp & 0x3F));
        o += 3;
    }
}

inline void PutUtf16(u8*& o, std::uint32_t Cp, bool BigEndian) {
    o[BigEndian ? 0 : 1] = static_cast<u8>(Cp >> 8);
    o[BigEndian ? 1 : 0] = static_cast<u8>(Cp);
    o += 2;
}

// The first Count bytes at s as a number, s[0] its lowest byte; sizeof(T) bytes must
// exist at s.
template <class T, unsigned Count>
inline T LoadLow(const u8* s) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ || defined(_M_X64) || defined(_M_IX86)
    T w;
    std::memcpy(&w, s, sizeof w);
    return w & (~T(0) >> (8 * (sizeof(T) - Count)));
#else
    T w = 0;
    for (unsigned k = Count; k-- > 0;)
        w = static_cast<T>((w << 8) | s[k]);
    return w;
#endif
}

// The UTF-8 of a character of the code page, ready to be stored: up to three bytes and
// their count (0: the code has no character).
struct TUtf8Bytes {
    u8 Bytes[3];
    u8 Length;
};

// Lookups for the conversion between Shift_JIS and UTF-8 without going through the code
// point, built once from the code page's own tables.
struct TUtf8Tables {
    // By the code's first byte 0x80-0xFF when it is no lead byte.
    TUtf8Bytes Single[128];
    // By (LeadRow[Lead] << 8) | Trail, as cp932::TTables::Compact.
    TUtf8Bytes Double[(cp932::LeadCount + 1) * 256];
    // The code of a character U+0800-U+FFFF in two levels:
    // Blocks[Start[Cp >> 6] + (Cp & 0x3F)], with the blocks of 64 characters that hold
    // none sharing the first (all zeros); the blocks below U+0800 are that one too, so
    // that an overlong three-byte form finds no code.  Codes as cp932::TTables::Encode.
    std::uint16_t Start[1024];
    std::vector<std::uint16_t> Blocks;
};

TUtf8Bytes Utf8BytesOf(std::uint32_t Cp) {
    TUtf8Bytes E{};
    if (!Cp) return E;
    u8* o = E.Bytes;
    PutUtf8(o, Cp);
    E.Length = static_cast<u8>(o - E.Bytes);
    return E;
}

const TUtf8Tables* BuildUtf8Tables() {
    static TUtf8Tables U{};
    const cp932::TTables& T = cp932::Tables();
    for (int b = 0x80; b < 0x100; ++b)
        U.Single[b - 0x80] =
            Utf8BytesOf(IsSjisLeadByte(static_cast<u8>(b)) ? 0 : cp932::SingleByte[b - 0x80]);
    for (std::size_t k = 0; k < sizeof U.Double / sizeof U.Double[0]; ++k)
        U.Double[k] = Utf8BytesOf(T.Compact[k]);
    U.Blocks.assign(64, 0);
    for (std::uint32_t Block = 0x800 >> 6; Block < 1024; ++Block) {
        const std::uint16_t* Codes = T.Encode + (Block << 6);
        bool Any = false;
        for (int k = 0; k < 64 && !Any; ++k)
            Any = Codes[k] != 0;
        if (!Any) continue;
        U.Start[Block] = static_cast<std::uint16_t>(U.Blocks.size());
        U.Blocks.insert(U.Blocks.end(), Codes, Codes + 64);
    }
    return &U;
}

const TUtf8Tables& Utf8Tables() {
    static const TUtf8Tables* U = BuildUtf8Tables();
    return *U;
}

} // namespace

bool IsUnicodeCode(TKanjiCode Code) {
    return Code == TKanjiCode::kcUtf8 || Code == TKanjiCode::kcUtf8Bom ||
           Code == TKanjiCode::kcUtf16Le || Code == TKanjiCode::kcUtf16Be;
}

std::string ByteOrderMark(TKanjiCode Code) {
    switch (Code) {
    case TKanjiCode::kcUtf8Bom: return "\xEF\xBB\xBF";
    case TKanjiCode::kcUtf16Le: return "\xFF\xFE";
    case TKanjiCode::kcUtf16Be: return "\xFE\xFF";
    default: return std::string();
    }
}

bool IsUtf8Text(const char* Text, std::size_t Length, bool AllowCutEnd) {
    const u8* s = reinterpret_cast<const u8*>(Text);
    bool Multi = false;
    std::size_t i = 0;
    while (i < Length) {
        i += kanji_detail::AsciiRun(s + i, Length - i);
        if (i >= Length) break;
        std::uint32_t Cp;
        bool Valid;
        const std::size_t Took = ReadUtf8(s + i, Length - i, Cp, Valid);
        if (Took == 0) return AllowCutEnd && Multi;
        if (!Valid) return false;
        Multi = true;
        i += Took;
    }
    return Multi;
}

// Unicode to Shift_JIS ------------------------------------------------------------------

TUnicodeToSjis::TUnicodeToSjis(TKanjiCode Source)
    : FUtf16(Source == TKanjiCode::kcUtf16Le || Source == TKanjiCode::kcUtf16Be),
      FBigEndian(Source == TKanjiCode::kcUtf16Be), FMark(ByteOrderMark(Source)) {}

void TUnicodeToSjis::Feed(const char* Data, std::size_t Length, std::string& Out) {
    const u8* s = reinterpret_cast<const u8*>(Data);
    if (FStart) {
        if (!TakeMark(FCarry, FMark, s, Length)) return;
        FStart = false;
    }
    FeedWithCarry(FCarry, s, Length, Out,
                  [this](const u8* p, std::size_t n, bool Final, std::string& O) {
                      return Run(p, n, Final, O);
                  });
}

void TUnicodeToSjis::Finish(std::string& Out) {
    if (FStart && FCarry == FMark) FCarry.clear();
    FStart = false;
    std::string Rest;
    Rest.swap(FCarry);
    Run(reinterpret_cast<const u8*>(Rest.data()), Rest.size(), true, Out);
}

std::size_t TUnicodeToSjis::Run(const u8* s, std::size_t n, bool Final, std::string& Out) {
    const cp932::TTables& T = cp932::Tables();
    TOutSpace Space(Out, FBuffer, 2 * n + 16);
    u8*& o = Space.P;
    std::size_t i = 0;
    if (!FUtf16) {
        // In locals, so that the stores to o (bytes, which may alias anything) do not make
        // the compiler read the table addresses again for every character.
        const std::uint16_t* const Start = Utf8Tables().Start;
        const std::uint16_t* const Blocks = Utf8Tables().Blocks.data();
        while (i < n) {
            const u8 b = s[i];
            if (b < 0x80) {
                i += CopyAscii(s + i, n - i, o);
                continue;
            }
            // The common case, a run of three-byte characters (kana and kanji) that the
            // code page holds.  Surrogates have no code; overlong forms below U+0800 end
            // the run, and so does everything else that needs the checks below.
            const std::size_t RunStart = i;
            while (i + 8 <= n) {
                // Two characters at a time, while both are such characters.
                Prefetch(s + i);
                const std::uint64_t w = LoadLow<std::uint64_t, 6>(s + i);
                if ((w & 0xC0C0F0C0C0F0ull) != 0x8080E08080E0ull) break;
                const std::uint16_t First =
                    Blocks[Start[((w & 0x0Fu) << 6) | ((w >> 8) & 0x3Fu)] + ((w >> 16) & 0x3Fu)];
                const std::uint16_t Second =
                    Blocks[Start[((w >> 18) & 0x3C0u) | ((w >> 32) & 0x3Fu)] + ((w >> 40) & 0x3Fu)];
                if (!First || !Second) break;
                PutSjis(o, First);
                PutSjis(o, Second);
                i += 6;
            }
            while (i + 4 <= n) {
                const std::uint32_t w = LoadLow<std::uint32_t, 3>(s + i);
                const unsigned Index = ((w & 0x0Fu) << 6) | ((w >> 8) & 0x3Fu);
                if ((w & 0xC0C0F0u) != 0x8080E0u) break;
                const std::uint16_t Code = Blocks[Start[Index] + ((w >> 16) & 0x3Fu)];
                if (!Code) break;
                PutSjis(o, Code);
                i += 3;
            }
            if (i != RunStart) continue;
            std::uint32_t Cp;
            bool Valid;
            std::size_t Took = ReadUtf8(s + i, n - i, Cp, Valid);
            if (Took == 0) {
                if (!Final) break;
                Took = n - i;
                Valid = false;
            }
            i += Took;
            const std::uint16_t Code = Valid && Cp < 0x10000 ? T.Encode[Cp] : 0;
            if (Code)
                PutSjis(o, Code);
            else
                PutGeta(o, FLost);
        }
    } else {
        const int Hi = FBigEndian ? 0 : 1, Lo = 1 - Hi;
        while (i + 1 < n) {
            const std::uint32_t U = (static_cast<std::uint32_t>(s[i + Hi]) << 8) | s[i + Lo];
            if (U < 0x80) {
                *o++ = static_cast<u8>(U);
                i += 2;
                continue;
            }
            if (U >= 0xD800 && U <= 0xDBFF) {
                // A character beyond the BMP, which code page 932 never holds: one geta
                // for the pair, or for the lone high surrogate.
                if (i + 3 >= n && !Final) break;
                const std::uint32_t L =
                    i + 3 < n ? (static_cast<std::uint32_t>(s[i + 2 + Hi]) << 8) | s[i + 2 + Lo] : 0;
                i += L >= 0xDC00 && L <= 0xDFFF ? 4 : 2;
                PutGeta(o, FLost);
                continue;
            }
            i += 2;
            const std::uint16_t Code = U >= 0xDC00 && U <= 0xDFFF ? 0 : T.Encode[U];
            if (Code)
                PutSjis(o, Code);
            else
                PutGeta(o, FLost);
        }
        if (Final && i < n) {
            // An odd byte at the end of the text.
            PutGeta(o, FLost);
            i = n;
        }
    }
    Space.Done();
    return i;
}

// Shift_JIS to Unicode ------------------------------------------------------------------

TSjisToUnicode::TSjisToUnicode(TKanjiCode Target) : FTarget(Target) {}

void TSjisToUnicode::Feed(const char* Data, std::size_t Length, std::string& Out) {
    if (FStart) {
        Out += ByteOrderMark(FTarget);
        FStart = false;
    }
    FeedWithCarry(FCarry, reinterpret_cast<const u8*>(Data), Length, Out,
                  [this](const u8* p, std::size_t n, bool Final, std::string& O) {
                      return Run(p, n, Final, O);
                  });
}

void TSjisToUnicode::Finish(std::string& Out) {
    if (FStart) {
        Out += ByteOrderMark(FTarget);
        FStart = false;
    }
    std::string Rest;
    Rest.swap(FCarry);
    Run(reinterpret_cast<const u8*>(Rest.data()), Rest.size(), true, Out);
}

std::size_t TSjisToUnicode::Run(const u8* s, std::size_t n, bool Final, std::string& Out) {
    const cp932::TTables& T = cp932::Tables();
    const bool Utf16 = FTarget == TKanjiCode::kcUtf16Le || FTarget == TKanjiCode::kcUtf16Be;
    const bool BigEndian = FTarget == TKanjiCode::kcUtf16Be;
    TOutSpace Space(Out, FBuffer, 3 * n + 16);
    u8*& o = Space.P;
    std::size_t i = 0;
    const TUtf8Tables& U = Utf8Tables();
    // In locals, so that the stores to o (bytes, which may alias anything) do not make
    // the compiler read the table addresses again for every character.
    const TUtf8Bytes* const Double = U.Double;
    const u8* const LeadRow = T.LeadRow;
    while (i < n) {
        const u8 b = s[i];
        if (!Utf16) {
            // The common case, a character of the code page, stored as its ready UTF-8
            // bytes without the checks below.
            if (b < 0x80) {
                i += CopyAscii(s + i, n - i, o);
                continue;
            }
            // A run of double-byte characters, else a single byte.
            const std::size_t RunStart = i;
            while (i + 2 <= n) {
                Prefetch(s + i);
                const unsigned Row = LeadRow[s[i]];
                if (!Row) break;
                const TUtf8Bytes& E = Double[(Row << 8) | s[i + 1]];
                if (!E.Length) break;
                std::memcpy(o, &E, 4);
                o += E.Length;
                i += 2;
            }
            if (i != RunStart) continue;
            if (!LeadRow[b] && U.Single[b - 0x80].Length) {
                const TUtf8Bytes& E = U.Single[b - 0x80];
                std::memcpy(o, &E, 4);
                o += E.Length;
                ++i;
                continue;
            }
        }
        std::uint32_t Cp;
        if (b < 0x80) {
            Cp = b;
            ++i;
        } else if (IsSjisLeadByte(b)) {
            if (i + 1 >= n) {
                if (!Final) break;
                Cp = 0;
                ++i;
            } else {
                const u8 t = s[i + 1];
                Cp = T.Compact[(T.LeadRow[b] << 8) | t];
                // A byte below 0x40 is no trail byte: it stays itself (a line end after a
                // broken lead byte is kept).
                i += Cp || t >= 0x40 ? 2 : 1;
            }
            if (!Cp) {
                Cp = Replacement;
                ++FLost;
            }
        } else {
            Cp = cp932::SingleByte[b - 0x80];
            ++i;
        }
        if (Utf16)
            PutUtf16(o, Cp, BigEndian);
        else
            PutUtf8(o, Cp);
    }
    Space.Done();
    return i;
}

// Whole strings -------------------------------------------------------------------------

std::string UnicodeToSjis(const std::string& Text, TKanjiCode Source, long long* Lost) {
    TUnicodeToSjis Cvt(Source);
    std::string Out;
    Out.reserve(Text.size());
    Cvt.Feed(Text.data(), Text.size(), Out);
    Cvt.Finish(Out);
    if (Lost) *Lost = Cvt.Lost();
    return Out;
}

std::string SjisToUnicode(const std::string& Text, TKanjiCode Target, long long* Lost) {
    TSjisToUnicode Cvt(Target);
    std::string Out;
    Out.reserve(Text.size() + Text.size() / 2);
    Cvt.Feed(Text.data(), Text.size(), Out);
    Cvt.Finish(Out);
    if (Lost) *Lost = Cvt.Lost();
    return Out;
}
