#include "codec/unicode_text.h"

TKanjiCode DetectTextCode(const char* Sample, std::size_t Length) {
    const auto Starts = [&](TKanjiCode Code) {
        const std::string Mark = ByteOrderMark(Code);
        return Length >= Mark.size() && Mark.compare(0, Mark.size(), Sample, Mark.size()) == 0;
    };
    if (Starts(TKanjiCode::kcUtf8Bom)) return TKanjiCode::kcUtf8Bom;
    if (Starts(TKanjiCode::kcUtf16Le)) return TKanjiCode::kcUtf16Le;
    if (Starts(TKanjiCode::kcUtf16Be)) return TKanjiCode::kcUtf16Be;
    const TKanjiCode Legacy = DetectKanjiCode(Sample, Length);
    if (Legacy == TKanjiCode::kcJis || Legacy == TKanjiCode::kcJisOld) return Legacy;
    return IsUtf8Text(Sample, Length, true) ? TKanjiCode::kcUtf8 : Legacy;
}
