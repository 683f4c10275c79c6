#include <cstdint>
#include <cstring>
#include <vector>

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

inline void PutSjis(u8*& o, std::uint16_t Code) {
    if (Code < 0x100) {
        *o++ = static_cast<u8>(Code);
    } else {
        o[0] = static_cast<u8>(Code >> 8);
        o[1] = static_cast<u8>(Code);
        o += 2;
    }
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

// Copies the run of bytes below 0x80 at s[0, n) to o and returns its length.  Whole
// words are stored, so o needs 8 bytes of room beyond the run.
inline std::size_t CopyAscii(const u8* s, std::size_t n, u8*& o) {
    std::size_t i = 0;
#if !(defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__)
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
        while (i < n) {
            const u8 b = s[i];
            if (b < 0x80) {
                i += CopyAscii(s + i, n - i, o);
                continue;
            }
            if (b >= 0xE1 && b != 0xED && b <= 0xEF && i + 2 < n) {
                // The common case, a three-byte character (kana and kanji) that needs no
                // range check beyond its continuation bytes.
                const u8 c1 = s[i + 1], c2 = s[i + 2];
                if ((c1 & 0xC0) == 0x80 && (c2 & 0xC0) == 0x80) {
                    const std::uint16_t Code =
                        T.Encode[((b & 0x0Fu) << 12) | ((c1 & 0x3Fu) << 6) | (c2 & 0x3Fu)];
                    if (Code) {
                        PutSjis(o, Code);
                        i += 3;
                        continue;
                    }
                }
            }
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
    while (i < n) {
        if (!Utf16 && s[i] < 0x80) {
            i += CopyAscii(s + i, n - i, o);
            continue;
        }
        const u8 b = s[i];
        if (!Utf16 && b >= 0x80) {
            // The common case, a character of the code page, without the checks below.
            std::uint32_t U;
            std::size_t Took = 1;
            if (!IsSjisLeadByte(b))
                U = cp932::SingleByte[b - 0x80];
            else if (i + 1 < n && (U = T.Compact[(T.LeadRow[b] << 8) | s[i + 1]]) != 0)
                Took = 2;
            else
                U = 0;
            if (U) {
                PutUtf8(o, U);
                i += Took;
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
