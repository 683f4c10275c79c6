// zefnote-bench load FILE [--wrap N]: loads FILE with detection and conversion into the
// row list, wrapped at N columns when asked.
#include "bench_scenario.h"

#include "codec/text_editor_headless.h"
#include "codec/text_load.h"
#include "editor/word_wrap.h"
#include "platform/file_system.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int RunLoad(const BenchArgs& Args, BenchReport& Report) {
    if (Args.positional.size() != 1) {
        std::fprintf(stderr, "zefnote-bench load: FILE expected\n");
        return 2;
    }
    int Wrap = 0;
    if (Args.Has("--wrap")) {
        Wrap = std::atoi(Args.Value("--wrap").c_str());
        if (Wrap <= 0) {
            std::fprintf(stderr, "zefnote-bench load: --wrap needs a column count\n");
            return 2;
        }
    }
    THeadlessTextEditor Editor;
    if (Wrap) {
        Editor.Rows().WrapOption().SetWrapByte(Wrap);
        Editor.Rows().SetWordWrap(true);
    }
    TTextLoadResult Result;
    BenchTimer Timer;
    try {
        LoadFromFileDetect(Editor, PlatformFileSystem(), nullptr, Args.positional[0], &Result);
    } catch (const std::exception& E) {
        std::fprintf(stderr, "zefnote-bench load: %s\n", E.what());
        return 1;
    }
    double Ms = Timer.Ms();
    Report.Add("file", Args.positional[0]);
    Report.Add("code", std::string(KanjiCodeName(Result.Code)));
    Report.Add("ms", Ms);
    Report.Add("lines", static_cast<std::int64_t>(Result.Lines));
    Report.Add("rows", static_cast<std::int64_t>(Editor.Rows().Count()));
    Report.Add("wrap", static_cast<std::int64_t>(Wrap ? Editor.Rows().WrapOption().WrapByte() : 0));
    Report.Add("row_list_bytes", static_cast<std::int64_t>(Editor.Rows().MemoryBytes()));
    return 0;
}

BenchRegistration LoadScenario("load", "FILE [--wrap N]", RunLoad);

} // namespace
