// Every streaming pair fed in pieces cut by the input itself gives the whole-string result.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/kanji_convert.h"
#include "codec/kanji_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 1) return 0;
    const std::size_t seed = Data[0];
    const std::string s(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    struct {
        TKanjiCode Source, Target;
        std::string (*Whole)(const std::string&);
    } const pairs[] = {{TKanjiCode::kcJis, TKanjiCode::kcSjis, JisToSjis},
                       {TKanjiCode::kcJisOld, TKanjiCode::kcEuc, JisToEuc},
                       {TKanjiCode::kcEuc, TKanjiCode::kcSjis, EucToSjis},
                       {TKanjiCode::kcEuc, TKanjiCode::kcJis, EucToJis},
                       {TKanjiCode::kcSjis, TKanjiCode::kcJis, SjisToJis},
                       {TKanjiCode::kcSjis, TKanjiCode::kcEuc, SjisToEuc}};
    for (const auto& p : pairs) {
        const std::string whole = p.Whole(s);
        TKanjiStreamConverter cvt(p.Source, p.Target);
        for (int round = 0; round < 2; ++round) { // Finish leaves it ready for reuse
            std::string out;
            std::size_t at = 0, step = 1 + (seed + round) % 5;
            while (at < s.size()) {
                std::size_t n = std::min(step, s.size() - at);
                cvt.Feed(s.data() + at, n, out);
                at += n;
                step = step * 3 % 17 + (round ? 0 : 1);
            }
            cvt.Finish(out);
            if (out != whole) std::abort();
        }
    }
    return 0;
}
