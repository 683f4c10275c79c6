// DetectKanjiCode against the plain byte loop, and the piecewise detector against the
// whole-sample answer for cuts taken from the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/kanji_code.h"
#include "codec/kanji_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 2) return 0;
    const std::size_t cutSeed = Data[0] | (Data[1] << 8);
    const std::string s(reinterpret_cast<const char*>(Data) + 2, Size - 2);
    const TKanjiCode whole = DetectKanjiCode(s);
    if (whole != kanji_reference::Detect(s)) std::abort();
    TKanjiDetector d;
    std::size_t at = 0, step = 1 + cutSeed % 7;
    while (at < s.size()) {
        std::size_t n = std::min(step, s.size() - at);
        d.Feed(s.data() + at, n);
        at += n;
        step = step * 5 % 1031 + 1;
    }
    if (d.Finish() != whole) std::abort();
    return 0;
}
