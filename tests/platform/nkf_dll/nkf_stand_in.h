#pragma once
// The conversions of our stand-in for NKF32.DLL: the option's last letter names the
// output code ("s" Shift_JIS, "j" JIS, "e" EUC-JP); the input's code is detected in
// every call.  Line ends and 0x1A pass through unchanged, and the output is never longer
// than six times the input.
#include "codec/kanji_convert.h"

#include <string>

inline std::string NkfStandInConvert(const std::string& Option, const std::string& Input) {
    char Out = Option.empty() ? 's' : Option.back();
    TKanjiCode Target = Out == 'j'   ? TKanjiCode::kcJis
                        : Out == 'e' ? TKanjiCode::kcEuc
                                     : TKanjiCode::kcSjis;
    return ConvertKanjiCode(Input, Target);
}
