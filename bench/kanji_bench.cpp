// Bytes per second of detection and of each conversion (UTF-8 as well), in memory, on Shift_JIS prose
// from $ZEF_KANJI_BENCH_FILE (e.g. Japanese manual pages converted with iconv into
// build/); without it the sample document is repeated to 16 MB.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "codec/kanji_convert.h"
#include "codec/kanji_stream.h"
#include "codec/unicode_text.h"

namespace {

const std::string& SjisText() {
    static const std::string text = [] {
        const char* f = std::getenv("ZEF_KANJI_BENCH_FILE");
        std::ifstream in(f ? f : "data/samples/sample-sjis.txt", std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        std::string one = ss.str();
        if (one.empty())
            one = "漢字とかなの混じった文です。ASCII text, ｶﾀｶﾅ.\r\n";
        std::string t = one;
        while (!f && t.size() < (16u << 20))
            t += one;
        return t;
    }();
    return text;
}

// Feeds in to cvt in the blocks zefnote-kanji uses.
template <class TCvt>
void Feed(benchmark::State& state, const std::string& in, TCvt& cvt) {
    std::string out;
    const std::size_t block = 1 << 18;
    for (auto _ : state) {
        for (std::size_t at = 0; at < in.size(); at += block) {
            out.clear();
            cvt.Feed(in.data() + at, std::min(block, in.size() - at), out);
            benchmark::DoNotOptimize(out.data());
        }
        out.clear();
        cvt.Finish(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}

void Run(benchmark::State& state, const std::string& in, TKanjiCode source, TKanjiCode target) {
    TKanjiStreamConverter cvt(source, target);
    Feed(state, in, cvt);
}

void BM_SjisToEuc(benchmark::State& s) {
    Run(s, SjisText(), TKanjiCode::kcSjis, TKanjiCode::kcEuc);
}
void BM_SjisToJis(benchmark::State& s) {
    Run(s, SjisText(), TKanjiCode::kcSjis, TKanjiCode::kcJis);
}
void BM_EucToSjis(benchmark::State& s) {
    static const std::string euc = SjisToEuc(SjisText());
    Run(s, euc, TKanjiCode::kcEuc, TKanjiCode::kcSjis);
}
void BM_JisToSjis(benchmark::State& s) {
    static const std::string jis = SjisToJis(SjisText());
    Run(s, jis, TKanjiCode::kcJis, TKanjiCode::kcSjis);
}
void BM_SjisToUtf8(benchmark::State& s) {
    TSjisToUnicode cvt(TKanjiCode::kcUtf8);
    Feed(s, SjisText(), cvt);
}
void BM_Utf8ToSjis(benchmark::State& s) {
    static const std::string utf8 = SjisToUnicode(SjisText(), TKanjiCode::kcUtf8);
    TUnicodeToSjis cvt(TKanjiCode::kcUtf8);
    Feed(s, utf8, cvt);
}
void BM_DetectAscii(benchmark::State& state) {
    std::string ascii(64u << 20, 'a');
    for (std::size_t i = 0; i < ascii.size(); i += 61)
        ascii[i] = i % 2 ? '\n' : ' ';
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectKanjiCode(ascii));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ascii.size()));
}

BENCHMARK(BM_SjisToEuc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SjisToJis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EucToSjis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JisToSjis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SjisToUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Utf8ToSjis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetectAscii)->Unit(benchmark::kMillisecond);

}  // namespace
