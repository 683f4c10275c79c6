#pragma once
// Random byte strings made of the pieces kanji text is made of (ASCII runs, escape
// sequences, Shift_JIS and EUC-JP pairs, half-width kana and marks, SS2, line ends) with
// stray bytes among them, so that every rule of the detector and the converters is met.
#include <cstdint>
#include <random>
#include <string>

inline std::string RandomKanjiText(std::mt19937& rng, std::size_t Pieces) {
    static const char* const kEscapes[] = {"\x1B$B", "\x1B$@", "\x1B(B", "\x1B(J",
                                           "\x1B(I", "\x1B$",  "\x1B"};
    std::uniform_int_distribution<int> kind(0, 11), byte(0, 255);
    auto pick = [&](int lo, int hi) {
        return static_cast<char>(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    std::string s;
    for (std::size_t p = 0; p < Pieces; ++p) {
        switch (kind(rng)) {
        case 0:
            s += "abc def";
            break;
        case 1:
            s += kEscapes[std::uniform_int_distribution<int>(0, 6)(rng)];
            break;
        case 2:
            s += pick(0x81, 0x9F);
            s += pick(0x40, 0xFC);
            break;
        case 3:
            s += pick(0xE0, 0xFC);
            s += pick(0x40, 0xFC);
            break;
        case 4:
            s += pick(0xA1, 0xFE);
            s += pick(0xA1, 0xFE);
            break;
        case 5:
            s += pick(0xA1, 0xDF);
            break;
        case 6:
            s += static_cast<char>(0xDE + byte(rng) % 2);
            break;
        case 7:
            s += '\x8E';
            s += pick(0x80, 0xE0);
            break;
        case 8:
            s += "\r\n";
            break;
        case 9:
            s += pick(0x21, 0x7E);
            s += pick(0x21, 0x7E);
            break;
        case 10:
            s += pick(0x08, 0x7F);
            break;
        default:
            s += static_cast<char>(byte(rng));
            break;
        }
    }
    return s;
}
