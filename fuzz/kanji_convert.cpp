// The six conversions against the plain byte loops, ConvertKanjiCode against the routine
// it picks, and the kana helpers at every position.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/kanji_convert.h"
#include "codec/kanji_reference.h"

namespace {

void Expect(bool Ok) {
    if (!Ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    namespace ref = kanji_reference;
    const std::string s(reinterpret_cast<const char*>(Data), Size);
    Expect(JisToSjis(s) == ref::FromJis(s, false));
    Expect(JisToEuc(s) == ref::FromJis(s, true));
    Expect(EucToSjis(s) == ref::EucToSjis(s));
    Expect(SjisToEuc(s) == ref::SjisToEuc(s));
    Expect(SjisToJis(s) == ref::ToJis(s, false));
    Expect(EucToJis(s) == ref::ToJis(s, true));

    const TKanjiCode code = DetectKanjiCode(s);
    for (TKanjiCode target : {TKanjiCode::kcJis, TKanjiCode::kcEuc, TKanjiCode::kcSjis}) {
        std::string out = ConvertKanjiCode(s, target);
        if (!KanjiConversionChangesText(code, target)) Expect(out == s);
    }
    for (std::size_t pos = 0; pos < s.size(); ++pos) {
        std::size_t p = pos;
        Expect(SjisKanaToJis(s, p).size() == 2 && p > pos && p <= s.size());
        p = pos;
        Expect(EucKanaToJis(s, p).size() == 2 && p > pos && p <= s.size());
    }
    return 0;
}
