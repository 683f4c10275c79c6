#pragma once
// Plain byte-at-a-time forms of the detector and the six conversions, written straight
// from their rules, as oracles for the table-driven, run-skipping code in src/codec.
#include <cstddef>
#include <string>

#include "codec/kanji_code.h"
#include "codec/kanji_convert.h"

namespace kanji_reference {

inline unsigned char At(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// The JIS X 0208 code of each half-width katakana 0xA1-0xDF (JIS X 0201 order:
// ｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ), written out
// from the standard's table, not from the converter's.
inline unsigned FullWidthKana(unsigned k) {
    static const unsigned short Codes[63] = {
        0x2123, 0x2156, 0x2157, 0x2122, 0x2126, 0x2572, 0x2521, 0x2523, 0x2525, 0x2527, 0x2529,
        0x2563, 0x2565, 0x2567, 0x2543, 0x213C, 0x2522, 0x2524, 0x2526, 0x2528, 0x252A, 0x252B,
        0x252D, 0x252F, 0x2531, 0x2533, 0x2535, 0x2537, 0x2539, 0x253B, 0x253D, 0x253F, 0x2541,
        0x2544, 0x2546, 0x2548, 0x254A, 0x254B, 0x254C, 0x254D, 0x254E, 0x254F, 0x2552, 0x2555,
        0x2558, 0x255B, 0x255E, 0x255F, 0x2560, 0x2561, 0x2562, 0x2564, 0x2566, 0x2568, 0x2569,
        0x256A, 0x256B, 0x256C, 0x256D, 0x256F, 0x2573, 0x212B, 0x212C};
    return Codes[k - 0xA1];
}

// The two JIS bytes of the half-width kana k followed by the character Next (0 for
// none), and whether Next is consumed with it: ｳﾞ is ヴ, ｶ-ﾄ and ﾊ-ﾎ take the voiced
// mark ﾞ (code + 1), ﾊ-ﾎ the semi-voiced mark ﾟ (code + 2); any other mark stands alone.
inline std::string KanaJis(unsigned k, unsigned Next, bool& Combined) {
    unsigned code = FullWidthKana(k);
    Combined = true;
    if (k == 0xB3 && Next == 0xDE)
        code = 0x2574;
    else if (((k >= 0xB6 && k <= 0xC4) || (k >= 0xCA && k <= 0xCE)) && Next == 0xDE)
        code += 1;
    else if (k >= 0xCA && k <= 0xCE && Next == 0xDF)
        code += 2;
    else
        Combined = false;
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

inline TKanjiCode Detect(const std::string& s) {
    const std::size_t L = s.size();
    for (std::size_t p = 0; p < 512 && p + 1 < L; ++p)
        if (At(s, p) < 0x08 || At(s, p) == 0xFF) return TKanjiCode::kcBinary;
    TKanjiCode r = TKanjiCode::kcAscii;
    std::size_t p = 0;
    while ((r == TKanjiCode::kcAscii || r == TKanjiCode::kcEucOrSjis) && p + 1 < L) {
        unsigned x = At(s, p), y = At(s, p + 1);
        if (x == 0x1B) {
            if (y == '$') {
                unsigned z = p + 2 < L ? At(s, p + 2) : 0;
                if (z == 'B')
                    r = TKanjiCode::kcJis;
                else if (z == '@')
                    r = TKanjiCode::kcJisOld;
                p += 3;
            } else {
                p += 2;
            }
        } else if (x < 0x08 || x == 0xFF) {
            r = TKanjiCode::kcBinary;
        } else if (x < 0x80 || x == 0x80 || x == 0xA0) {
            p += 1;
        } else if (x == 0x8E) {
            if ((y >= 0x40 && y <= 0x7E) || (y >= 0x80 && y <= 0xA0) || (y >= 0xE0 && y <= 0xFC))
                r = TKanjiCode::kcSjis;
            else if (y >= 0xA1 && y <= 0xDF)
                r = TKanjiCode::kcEucOrSjis;
            p += 2;
        } else if (x <= 0x9F) {
            r = TKanjiCode::kcSjis;
        } else if (x <= 0xDF) {
            p += 2;
            if (y >= 0xF0 && y <= 0xFE)
                r = TKanjiCode::kcEuc;
            else if (y >= 0xA1 && y <= 0xDF)
                r = TKanjiCode::kcEucOrSjis;
            else if (y <= 0x9F)
                r = TKanjiCode::kcSjis;
            else if (y >= 0xE0 && y <= 0xEF) {
                r = TKanjiCode::kcEucOrSjis;
                while (p < L && At(s, p) >= 0x40 && r == TKanjiCode::kcEucOrSjis) {
                    unsigned b = At(s, p++);
                    if ((b >= 0x81 && b <= 0x8D) || (b >= 0x8F && b <= 0x9C))
                        r = TKanjiCode::kcSjis;
                    else if (b == 0xFD || b == 0xFE)
                        r = TKanjiCode::kcEuc;
                }
                ++p; // the byte that ended the run
            }
        } else if (x <= 0xEF) {
            if ((y >= 0x40 && y <= 0x7E) || (y >= 0x80 && y <= 0xA0))
                r = TKanjiCode::kcSjis;
            else if (y == 0xFD || y == 0xFE)
                r = TKanjiCode::kcEuc;
            else if (y >= 0xA1 && y <= 0xFC)
                r = TKanjiCode::kcEucOrSjis;
            p += 2;
        } else {
            r = TKanjiCode::kcEuc;
        }
    }
    return r;
}

inline std::string FromJis(const std::string& s, bool ToEuc) {
    std::string out;
    bool kanji = false;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned b = At(s, i);
        if (b == 0x1B) {
            if (i + 2 >= s.size()) {
                out += s.substr(i);
                break;
            }
            if (s[i + 1] == '$')
                kanji = true;
            else if (s[i + 1] == '(')
                kanji = false;
            i += 3;
            continue;
        }
        if (kanji && b >= 0x21 && b <= 0x7E) {
            if (ToEuc) {
                out += static_cast<char>(b | 0x80);
                ++i;
                continue;
            }
            if (i + 1 < s.size() && At(s, i + 1) >= 0x21 && At(s, i + 1) <= 0x7E) {
                out += JisToSjisChar(b, At(s, i + 1));
                i += 2;
                continue;
            }
        }
        out += static_cast<char>(b);
        ++i;
    }
    return out;
}

inline std::string EucToSjis(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned b = At(s, i);
        if (b < 0x81 || b == 0xFF || i + 1 >= s.size()) {
            out += static_cast<char>(b);
            ++i;
        } else if (b == 0x8E) {
            out += s[i + 1];
            i += 2;
        } else {
            out += JisToSjisChar(b & 0x7F, At(s, i + 1) & 0x7F);
            i += 2;
        }
    }
    return out;
}

inline std::string SjisToEuc(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned b = At(s, i);
        if (b >= 0xA1 && b <= 0xDF) {
            out += '\x8E';
            out += static_cast<char>(b);
            ++i;
        } else if (b < 0x80 || i + 1 >= s.size()) {
            out += static_cast<char>(b);
            ++i;
        } else {
            std::string j = SjisToJisChar(b, At(s, i + 1));
            out += static_cast<char>(j[0] | 0x80);
            out += static_cast<char>(j[1] | 0x80);
            i += 2;
        }
    }
    return out;
}

inline std::string ToJis(const std::string& s, bool FromEuc) {
    std::string out;
    bool kanji = false;
    for (std::size_t i = 0; i < s.size();) {
        unsigned b = At(s, i);
        if (b < 0x80) {
            if (kanji) out += "\x1B(J";
            kanji = false;
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (!kanji) out += "\x1B$B";
        kanji = true;
        if (!FromEuc && b >= 0xA1 && b <= 0xDF) {
            bool combined;
            out += KanaJis(b, i + 1 < s.size() ? At(s, i + 1) : 0, combined);
            i += combined ? 2 : 1;
        } else if (FromEuc && b == 0x8E && i + 1 < s.size() && At(s, i + 1) >= 0xA1 &&
                   At(s, i + 1) <= 0xDF) {
            // A mark combines only when it comes as SS2 + mark.
            unsigned next = i + 3 < s.size() && At(s, i + 2) == 0x8E ? At(s, i + 3) : 0;
            bool combined;
            out += KanaJis(At(s, i + 1), next, combined);
            i += combined ? 4 : 2;
        } else if (FromEuc && b == 0x8E) {
            // SS2 before a byte that is no kana: the geta mark, and the byte after it is
            // read on its own.
            out += "\x22\x2E";
            ++i;
        } else if (i + 1 >= s.size()) {
            out += "\x22\x2E";
            ++i;
        } else {
            unsigned c = At(s, i + 1);
            out += FromEuc ? std::string{static_cast<char>(b & 0x7F), static_cast<char>(c & 0x7F)}
                           : SjisToJisChar(b, c);
            i += 2;
        }
    }
    return out;
}

} // namespace kanji_reference
