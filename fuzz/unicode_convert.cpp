// The Unicode converters in both directions: any cut of the input gives the whole
// string's output and count; what Shift_JIS gives as Unicode comes back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/unicode_text.h"

namespace {

template <class TCvt>
std::string Pieces(TCvt& Cvt, const std::string& s, std::size_t Seed) {
    std::string out;
    std::size_t at = 0, step = 1 + Seed % 7;
    while (at < s.size()) {
        std::size_t n = std::min(step, s.size() - at);
        Cvt.Feed(s.data() + at, n, out);
        at += n;
        step = step * 5 % 13 + 1;
    }
    Cvt.Finish(out);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 1) return 0;
    const std::size_t seed = Data[0];
    const std::string s(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    for (TKanjiCode code : {TKanjiCode::kcUtf8, TKanjiCode::kcUtf8Bom, TKanjiCode::kcUtf16Le,
                            TKanjiCode::kcUtf16Be}) {
        long long lost = 0;
        const std::string sjis = UnicodeToSjis(s, code, &lost);
        TUnicodeToSjis in(code);
        if (Pieces(in, s, seed) != sjis || in.Lost() != lost) std::abort();

        long long badBytes = 0;
        const std::string unicode = SjisToUnicode(s, code, &badBytes);
        TSjisToUnicode out(code);
        if (Pieces(out, s, seed) != unicode || out.Lost() != badBytes) std::abort();
        // Unicode made from Shift_JIS is always well formed and within the code page.
        long long back = -1;
        const std::string again = UnicodeToSjis(unicode, code, &back);
        if (back != badBytes) std::abort();
        if (badBytes == 0 && SjisToUnicode(again, code) != unicode) std::abort();
    }
    return 0;
}
