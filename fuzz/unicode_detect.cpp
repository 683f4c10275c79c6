// Detection with Unicode ahead of the legacy rules: a mark decides, UTF-8 only for well
// formed text, and every other sample gets DetectKanjiCode's answer.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/unicode_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const char* s = reinterpret_cast<const char*>(Data);
    const TKanjiCode code = DetectTextCode(s, Size);
    const TKanjiCode legacy = DetectKanjiCode(s, Size);
    const std::string head(s, Size < 3 ? Size : 3);
    const bool marked = head == "\xEF\xBB\xBF" || head.compare(0, 2, "\xFF\xFE") == 0 ||
                        head.compare(0, 2, "\xFE\xFF") == 0;
    if (marked) {
        if (!IsUnicodeCode(code) || code == TKanjiCode::kcUtf8) std::abort();
    } else if (code == TKanjiCode::kcUtf8) {
        if (!IsUtf8Text(s, Size, true) || legacy == TKanjiCode::kcJis ||
            legacy == TKanjiCode::kcJisOld)
            std::abort();
    } else if (code != legacy) {
        std::abort();
    }
    return 0;
}
