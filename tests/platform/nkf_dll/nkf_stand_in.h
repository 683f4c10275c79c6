#pragma once
// The conversions of our stand-in for NKF32.DLL: the option's last letter names the
// output code ("s" Shift_JIS, "j" JIS, "e" EUC-JP).  Like the real library, every call
// starts afresh: in ASCII, shifted in, with the input's code guessed from that call's
// bytes.  Into Shift_JIS it reads JIS with every designation it meets (kanji, ASCII,
// JIS-Roman, half-width katakana by ESC ( I or by SO ... SI) and EUC-JP with SS2 kana and
// SS3 characters (JIS X 0212, which Shift_JIS lacks: the geta mark).  Line ends and 0x1A
// pass through unchanged, and the output is never longer than six times the input.
#include "codec/kanji_code.h"
#include "codec/kanji_convert.h"

#include <string>

inline std::string NkfStandInJisToSjis(const std::string& In) {
    std::string Out;
    bool TwoByte = false, Kana = false, ShiftOut = false;
    const std::size_t N = In.size();
    for (std::size_t I = 0; I < N; ++I) {
        unsigned char B = static_cast<unsigned char>(In[I]);
        if (B == 0x1B) {
            std::size_t E = I + 1;
            while (E < N && E < I + 4 && static_cast<unsigned char>(In[E]) < 0x30)
                ++E;
            if (E >= N) { // cut off: written as it is
                Out.append(In, I, N - I);
                break;
            }
            std::string Escape = In.substr(I, E + 1 - I);
            TwoByte = Escape[1] == '$';
            Kana = Escape == "\x1B(I";
            I = E;
        } else if (B == 0x0E || B == 0x0F) {
            ShiftOut = B == 0x0E;
        } else if ((ShiftOut || Kana) && B >= 0x21 && B <= 0x5F) {
            Out += static_cast<char>(B | 0x80);
        } else if (TwoByte && !ShiftOut && B >= 0x21 && B <= 0x7E && I + 1 < N &&
                   static_cast<unsigned char>(In[I + 1]) >= 0x21 &&
                   static_cast<unsigned char>(In[I + 1]) <= 0x7E) {
            Out += JisToSjisChar(B, static_cast<unsigned char>(In[I + 1]));
            ++I;
        } else {
            Out += static_cast<char>(B);
        }
    }
    return Out;
}

inline std::string NkfStandInEucToSjis(const std::string& In) {
    std::string Out;
    const std::size_t N = In.size();
    for (std::size_t I = 0; I < N; ++I) {
        unsigned char B = static_cast<unsigned char>(In[I]);
        if (B == 0x8E && I + 1 < N) {
            Out += In[++I];
        } else if (B == 0x8F && I + 2 < N) {
            Out += "\x81\xAC"; // 〓
            I += 2;
        } else if (B >= 0xA1 && B <= 0xFE && I + 1 < N) {
            Out += JisToSjisChar(B & 0x7F, static_cast<unsigned char>(In[I + 1]) & 0x7F);
            ++I;
        } else {
            Out += static_cast<char>(B);
        }
    }
    return Out;
}

inline std::string NkfStandInConvert(const std::string& Option, const std::string& Input) {
    char Out = Option.empty() ? 's' : Option.back();
    TKanjiCode Target = Out == 'j'   ? TKanjiCode::kcJis
                        : Out == 'e' ? TKanjiCode::kcEuc
                                     : TKanjiCode::kcSjis;
    if (Target == TKanjiCode::kcSjis) {
        if (Input.find_first_of("\x1B\x0E") != std::string::npos)
            return NkfStandInJisToSjis(Input);
        if (DetectKanjiCode(Input) == TKanjiCode::kcEuc) return NkfStandInEucToSjis(Input);
    }
    return ConvertKanjiCode(Input, Target);
}
