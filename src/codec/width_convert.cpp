#include "codec/width_convert.h"

#include "base/shift_jis.h"

#include <cstdint>

namespace {

using u8 = std::uint8_t;

constexpr u8 kVoiced = 0xDE;     // ﾞ
constexpr u8 kSemiVoiced = 0xDF; // ﾟ

// Position of a byte in HalfSymbols plus one, 0 when absent; and of a 0x81 pair's trail
// byte in FullSymbols (every entry has lead byte 0x81).
struct TSymbolIndex {
    u8 Half[256] = {};
    u8 Full81[256] = {};
    TSymbolIndex() {
        for (std::size_t k = 0; k < SymbolCount; ++k) {
            Half[HalfSymbols[k]] = static_cast<u8>(k + 1);
            Full81[FullSymbols[2 * k + 1]] = static_cast<u8>(k + 1);
        }
    }
};

const TSymbolIndex& Symbols() {
    static const TSymbolIndex index;
    return index;
}

inline char* PutCode(char* q, unsigned short Jis) {
    unsigned short s = JisToSjisCode(Jis);
    q[0] = static_cast<char>(s >> 8);
    q[1] = static_cast<char>(s & 0xFF);
    return q + 2;
}

} // namespace

const unsigned char HalfKanaTable[64] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,
    0x00, 0x22, 0x24, 0x26, 0x28, 0x2A, 0xAB, 0xAD, 0xAF, 0xB1, 0xB3, 0xB5, 0xB7, 0xB9, 0xBB, 0xBD,
    0xBF, 0xC1, 0xC4, 0xC6, 0xC8, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0xCF, 0xD2, 0xD5, 0xD8, 0xDB, 0x5E,
    0x5F, 0x60, 0x61, 0x62, 0x64, 0x66, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6F, 0x73, 0x00, 0x00};

const unsigned char FullKanaTable[86] = {
    0x01, 0x0B, 0x02, 0x0C, 0x03, 0x0D, 0x04, 0x0E, 0x05, 0x0F, 0x10, 0x48, 0x11, 0x49, 0x12,
    0x4A, 0x13, 0x4B, 0x14, 0x4C, 0x15, 0x4D, 0x16, 0x4E, 0x17, 0x4F, 0x18, 0x50, 0x19, 0x51,
    0x1A, 0x52, 0x1B, 0x53, 0x09, 0x1C, 0x54, 0x1D, 0x55, 0x1E, 0x56, 0x1F, 0x20, 0x21, 0x22,
    0x23, 0x24, 0x5C, 0x94, 0x25, 0x5D, 0x95, 0x26, 0x5E, 0x96, 0x27, 0x5F, 0x97, 0x28, 0x60,
    0x98, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x06, 0x2E, 0x07, 0x2F, 0x08, 0x30, 0x31, 0x32, 0x33,
    0x34, 0x35, 0x36, 0x36, 0x0C, 0x0E, 0x0F, 0x37, 0x45, 0x10, 0x13};

const unsigned char HalfSymbols[SymbolCount] = {
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x3D, 0x60, 0x7C,
    0x2D, 0x5E, 0x5C, 0x7E, 0x7B, 0x40, 0x5B, 0x2B, 0x2A, 0x7D, 0x3B, 0x3A, 0x5D,
    0x3C, 0x3E, 0x3F, 0x5F, 0xA4, 0xA1, 0xA5, 0x2C, 0x2E, 0x2F, 0xB0, 0xA2, 0xA3};

const unsigned char FullSymbols[2 * SymbolCount] = {
    0x81, 0x40, 0x81, 0x49, 0x81, 0x68, 0x81, 0x94, 0x81, 0x90, 0x81, 0x93, 0x81, 0x95, 0x81, 0x66,
    0x81, 0x69, 0x81, 0x6A, 0x81, 0x81, 0x81, 0x65, 0x81, 0x62, 0x81, 0x7C, 0x81, 0x4F, 0x81, 0x8F,
    0x81, 0x50, 0x81, 0x6F, 0x81, 0x97, 0x81, 0x6D, 0x81, 0x7B, 0x81, 0x96, 0x81, 0x70, 0x81, 0x47,
    0x81, 0x46, 0x81, 0x6E, 0x81, 0x83, 0x81, 0x84, 0x81, 0x48, 0x81, 0x51, 0x81, 0x41, 0x81, 0x42,
    0x81, 0x45, 0x81, 0x43, 0x81, 0x44, 0x81, 0x5E, 0x81, 0x5B, 0x81, 0x75, 0x81, 0x76};

unsigned short JisToSjisCode(unsigned short Jis) {
    unsigned j1 = Jis >> 8, j2 = Jis & 0xFF;
    unsigned s1 = (((j1 + 1) >> 1) + (j1 < 0x5F ? 0x70 : 0xB0)) & 0xFF;
    unsigned s2 = (j2 + ((j1 & 1) ? (j2 <= 0x5F ? 0x1F : 0x20) : 0x7E)) & 0xFF;
    return static_cast<unsigned short>((s1 << 8) | s2);
}

unsigned short SjisToJisCode(unsigned short Sjis) {
    unsigned s1 = Sjis >> 8, s2 = Sjis & 0xFF;
    unsigned j1 = ((s1 - (s1 < 0xA0 ? 0x70 : 0xB0)) * 2) & 0xFF;
    unsigned j2;
    if (s2 < 0x9F) {
        j1 = (j1 - 1) & 0xFF;
        j2 = (s2 <= 0x7F ? s2 - 0x1F : s2 - 0x20) & 0xFF;
    } else {
        j2 = (s2 - 0x7E) & 0xFF;
    }
    return static_cast<unsigned short>((j1 << 8) | j2);
}

std::string HankakuToZenkaku(const std::string& Text) {
    const TSymbolIndex& sym = Symbols();
    const std::size_t n = Text.size();
    const u8* s = reinterpret_cast<const u8*>(Text.data());
    std::string out(2 * n, '\0'); // nothing grows beyond two bytes per input byte
    char* q0 = &out[0];
    char* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (IsSjisLeadByte(b)) {
            *q++ = static_cast<char>(b);
            if (i + 1 < n && IsSjisTrailByte(s[i + 1])) {
                *q++ = static_cast<char>(s[i + 1]);
                i += 2;
            } else {
                i += 1;
            }
            continue;
        }
        if (b >= 0xA0 && b <= 0xDF && HalfKanaTable[b - 0xA0] != 0) {
            u8 entry = HalfKanaTable[b - 0xA0];
            unsigned short code = static_cast<unsigned short>(0x2500 + (entry & 0x7F));
            int next = i + 1 < n ? s[i + 1] : -1;
            ++i;
            if ((entry & 0x80) && next == kVoiced) {
                code += 1;
                ++i;
            } else if (b >= 0xCA && b <= 0xCE && next == kSemiVoiced) {
                code += 2;
                ++i;
            } else if (next == kVoiced || next == kSemiVoiced) {
                // A mark that does not combine stays a character of its own.
                q = PutCode(q, code);
                code = next == kVoiced ? 0x212B : 0x212C;
                ++i;
            }
            q = PutCode(q, code);
            continue;
        }
        if ((b >= 0x30 && b <= 0x39) || (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A)) {
            q = PutCode(q, static_cast<unsigned short>(0x2300 + b));
        } else if (sym.Half[b]) {
            const u8* f = FullSymbols + 2 * (sym.Half[b] - 1);
            *q++ = static_cast<char>(f[0]);
            *q++ = static_cast<char>(f[1]);
        } else {
            *q++ = static_cast<char>(b);
        }
        ++i;
    }
    out.resize(static_cast<std::size_t>(q - q0));
    return out;
}

std::string ZenkakuToHankaku(const std::string& Text) {
    const TSymbolIndex& sym = Symbols();
    const std::size_t n = Text.size();
    const u8* s = reinterpret_cast<const u8*>(Text.data());
    std::string out(n, '\0'); // never longer than the input
    char* q0 = &out[0];
    char* q = q0;
    std::size_t i = 0;
    while (i < n) {
        u8 b = s[i];
        if (!IsSjisLeadByte(b) || i + 1 >= n || !IsSjisTrailByte(s[i + 1])) {
            *q++ = static_cast<char>(b);
            ++i;
            continue;
        }
        u8 t = s[i + 1];
        i += 2;
        unsigned short j = SjisToJisCode(static_cast<unsigned short>((b << 8) | t));
        unsigned row = j >> 8, cell = j & 0xFF;
        if ((row == 0x24 || row == 0x25) && cell >= 0x21 && cell <= 0x76) {
            u8 v = FullKanaTable[cell - 0x21];
            *q++ = static_cast<char>(0xA6 + v % 56);
            if (v / 56 == 1)
                *q++ = static_cast<char>(kVoiced);
            else if (v / 56 == 2)
                *q++ = static_cast<char>(kSemiVoiced);
        } else if (b == 0x81 && sym.Full81[t]) {
            *q++ = static_cast<char>(HalfSymbols[sym.Full81[t] - 1]);
        } else if (row == 0x23) {
            *q++ = static_cast<char>(cell);
        } else {
            *q++ = static_cast<char>(b);
            *q++ = static_cast<char>(t);
        }
    }
    out.resize(static_cast<std::size_t>(q - q0));
    return out;
}
