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
            out += SjisKanaToJis(s, i);
        } else if (FromEuc && b == 0x8E) {
            out += EucKanaToJis(s, i);
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
