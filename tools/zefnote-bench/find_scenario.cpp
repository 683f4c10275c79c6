// zefnote-bench find MB [--repeat N] [--write FILE]
// zefnote-bench replace MB MATCHES
//
// Find and replace through the editor as the find and replace commands run
// them: a text of MB megabytes in lines of 80 bytes is loaded into a headless
// editor.  "find" searches down from the start for the only match, at the
// end; "replace" replaces every one of MATCHES matches spread evenly over the
// text (each an undoable edit, as replace-all makes them) and checks the
// final text against the text replaced in one pass.  "--write FILE" also writes the
// text searched by "find" to FILE, for timing other tools over the same bytes.
#include "bench_scenario.h"

#include "editor/editor.h"
#include "editor/editor_strings.h"
#include "platform/headless/headless_canvas_metrics.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_text_view_host.h"
#include "search/editor_search.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct TBenchEditor {
    THeadlessTextViewHost Host;
    THeadlessClipboard Clipboard;
    THeadlessCanvasMetrics Metrics;
    TEditor Editor{&Host, &Clipboard, &Metrics};

    explicit TBenchEditor(const std::string& Text) {
        Host.Recording = false;
        Host.HasFocus = true;
        Editor.FocusGained();
        Editor.RowList().ReplaceRows(0, 0, Text);
        Editor.SetRowCol(0, 0);
    }
};

// Lines of 78 bytes and CR LF; Marks lines (evenly spread, the last one last) end in
// "NEEDLE" instead of their last six bytes.
std::string BenchText(std::int64_t Bytes, std::int64_t Marks) {
    const std::string Plain = std::string(78, 'x') + "\r\n";
    const std::string Marked = std::string(72, 'x') + "NEEDLE\r\n";
    const std::int64_t Lines = Bytes / 80;
    std::string Text;
    Text.reserve(static_cast<std::size_t>(Lines * 80));
    for (std::int64_t I = 0; I < Lines; ++I) {
        const bool Mark = Marks > 0 && (I + 1) % (Lines / Marks) == 0 && (I + 1) / (Lines / Marks) <= Marks;
        Text += Mark ? Marked : Plain;
    }
    return Text;
}

int RunFind(const BenchArgs& Args, BenchReport& Report) {
    if (Args.positional.size() != 1) {
        std::fprintf(stderr, "zefnote-bench find: give MB\n");
        return 2;
    }
    const std::int64_t Bytes = std::atoll(Args.positional[0].c_str()) * 1000000;
    const int Repeat = std::max(1, std::atoi(Args.Value("--repeat", "1").c_str()));
    const std::string Text = BenchText(Bytes, 1);
    const std::string Write = Args.Value("--write");
    if (!Write.empty()) {
        std::FILE* F = std::fopen(Write.c_str(), "wb");
        if (!F || std::fwrite(Text.data(), 1, Text.size(), F) != Text.size()) {
            std::fprintf(stderr, "zefnote-bench find: cannot write %s\n", Write.c_str());
            if (F) std::fclose(F);
            return 1;
        }
        std::fclose(F);
    }
    TBenchEditor B(Text);
    TEditorTextSearch Search(B.Editor);
    double Best = 0;
    bool Found = false;
    for (int I = 0; I < Repeat; ++I) {
        // Each search starts from the start of the text, the last match unselected.
        B.Editor.CleanSelection();
        B.Editor.SetRowCol(0, 0);
        BenchTimer Timer;
        Found = Search.FindNext("NEEDLE", TSearchOption::soDown | TSearchOption::soMatchCase);
        const double Ms = Timer.Ms();
        if (I == 0 || Ms < Best) Best = Ms;
    }
    Report.Add("text_bytes", static_cast<std::int64_t>(B.Editor.Lines().Text().size()));
    Report.Add("found_row", static_cast<std::int64_t>(Found ? B.Editor.Row() : -1));
    Report.Add("find_ms", Best);
    Report.Add("mb_per_s", Best > 0 ? static_cast<double>(Bytes) / (Best * 1000.0) : 0.0);
    return Found ? 0 : 1;
}

int RunReplace(const BenchArgs& Args, BenchReport& Report) {
    if (Args.positional.size() != 2) {
        std::fprintf(stderr, "zefnote-bench replace: give MB and MATCHES\n");
        return 2;
    }
    const std::int64_t Bytes = std::atoll(Args.positional[0].c_str()) * 1000000;
    const std::int64_t Marks = std::atoll(Args.positional[1].c_str());
    const std::string Text = BenchText(Bytes, Marks);
    TBenchEditor B(Text);
    TEditorTextSearch Search(B.Editor);
    const TSearchOptions Options = TSearchOption::soDown | TSearchOption::soMatchCase;
    std::int64_t Replaced = 0;
    BenchTimer Timer;
    {
        TEditorTextSearch::TRun Run(Search);
        while (Search.FindNext("NEEDLE", Options)) {
            Search.ReplaceMatch("pin", true);
            ++Replaced;
        }
    }
    const double Ms = Timer.Ms();
    std::string Expected;
    for (std::size_t At = 0;;) {
        const std::size_t Hit = Text.find("NEEDLE", At);
        Expected.append(Text, At, Hit == std::string::npos ? std::string::npos : Hit - At);
        if (Hit == std::string::npos) break;
        Expected += "pin";
        At = Hit + 6;
    }
    const bool Same = B.Editor.Lines().Text() == Expected;
    Report.Add("text_bytes", static_cast<std::int64_t>(Text.size()));
    Report.Add("replaced", Replaced);
    Report.Add("replace_ms", Ms);
    Report.Add("same_text", std::string(Same ? "yes" : "no"));
    return Same && Replaced == Marks ? 0 : 1;
}

BenchRegistration findScenario("find", "MB [--repeat N] [--write FILE]", RunFind);
BenchRegistration replaceScenario("replace", "MB MATCHES", RunReplace);

} // namespace
