// Find next over a generated Shift_JIS text (hiragana, kanji, full-width
// and ASCII words, CR LF lines): every match of a pattern in turn, as
// repeated find-next commands visit them, in both directions and with each
// option.  Rare patterns over 16 MB measure the scan itself; frequent ones
// over 1 MB the cost of each call, which includes making sure that no zero
// byte ends the text before the selection.
#include "editor/search_engine.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

const std::string& Text16() {
    static const std::string text = [] {
        std::mt19937 rng(7);
        std::string t;
        t.reserve(16u << 20);
        while (t.size() < (16u << 20)) {
            switch (rng() % 8) {
            case 0:
                t += "\x82\xCC";
                break; // the particle no
            case 1:
                t += "\x8A\xBF\x8E\x9A";
                break; // kanji
            case 2:
                t += "\x82\x60\x82\x82";
                break; // full-width A b
            case 3:
                t += " word_";
                t += static_cast<char>('a' + rng() % 26);
                break;
            case 4:
                t += "\x81\x41";
                break; // ideographic comma
            case 5:
                t += "\r\n";
                break;
            default:
                t += static_cast<char>(0x82);
                t += static_cast<char>(0x9F + rng() % 83); // hiragana
            }
        }
        return t;
    }();
    return text;
}

const std::string& Text1() {
    static const std::string text = Text16().substr(0, 1u << 20);
    return text;
}

void FindAll(benchmark::State& state, const std::string& (*makeText)(), const std::string& pattern,
             TSearchOptions options) {
    const std::string& text = makeText();
    std::int64_t matches = 0;
    for (auto _ : state) {
        TSearchSelection sel{
            Has(options, TSearchOption::soDown) ? 0 : static_cast<std::int32_t>(text.size()), 0};
        while (FindInText(text, sel, pattern, options)) {
            ++matches;
        }
        benchmark::DoNotOptimize(sel);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["matches"] =
        benchmark::Counter(static_cast<double>(matches) / static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK_CAPTURE(FindAll, FrequentDown1M, Text1, std::string("\x82\xCC"),
                  TSearchOption::soDown | TSearchOption::soMatchCase);
BENCHMARK_CAPTURE(FindAll, FrequentUp1M, Text1, std::string("\x82\xCC"),
                  TSearchOption::soMatchCase);
BENCHMARK_CAPTURE(FindAll, WholeWordDown1M, Text1, std::string("word_q"),
                  TSearchOption::soDown | TSearchOption::soWholeWord);
BENCHMARK_CAPTURE(FindAll, FullWidthIgnoreCase16M, Text16, std::string("\x82\x81\x82\x62"),
                  TSearchOption::soDown);
BENCHMARK_CAPTURE(FindAll, RareDown16M, Text16, std::string("\x8E\x9A\x82\x60\x82\x60"),
                  TSearchOption::soDown | TSearchOption::soMatchCase);
BENCHMARK_CAPTURE(FindAll, RareUpIgnoreCase16M, Text16, std::string("WORD_Q\x82\xCC\x82\xCC"),
                  TSearchOptions());
