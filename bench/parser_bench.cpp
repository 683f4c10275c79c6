// Tokens per second of the colouring parser over a large C source text, row
// by row as the painter parses it, with the C/C++ mode's rules.  The text is
// read from $ZEF_PARSER_BENCH_FILE (e.g. 100 MB of concatenated headers
// generated into build/); without it the sources under /usr/include/c++ are
// repeated to 8 MB.
#include "editor/parser.h"
#include "editor/view_info.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> LoadRows() {
    std::string text;
    if (const char* f = std::getenv("ZEF_PARSER_BENCH_FILE")) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        text = ss.str();
    } else {
        std::error_code ec;
        for (auto& e : std::filesystem::recursive_directory_iterator("/usr/include/c++", ec)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream ss;
            ss << in.rdbuf();
            text += ss.str();
            if (text.size() > (8u << 20)) break;
        }
    }
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            std::size_t end = i;
            if (end > start && text[end - 1] == '\r') --end;
            rows.emplace_back(text, start, end - start);
            start = i + 1;
        }
    }
    return rows;
}

void CppView(TEditorViewInfo& v) {
    v.SetCommenter("//");
    v.SetPerlQuotation("'");
    auto* b = v.Brackets().Add();
    b->SetLeftBracket("/*");
    b->SetRightBracket("*/");
}

void BM_ParseCppRows(benchmark::State& state) {
    static const std::vector<std::string> rows = LoadRows();
    TEditorViewInfo view;
    CppView(view);
    std::int64_t tokens = 0, bytes = 0;
    for (auto _ : state) {
        int s = -1;
        for (const std::string& row : rows) {
            TEditorParser p(row, s, &view);
            while (p.Token() != TEditorTokenKind::toEOF) {
                ++tokens;
                p.NextToken();
            }
            s = p.BracketState();
            bytes += static_cast<std::int64_t>(row.size()) + 1;
        }
    }
    state.counters["tokens_per_s"] =
        benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ParseCppRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
