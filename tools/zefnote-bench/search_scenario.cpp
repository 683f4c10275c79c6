// zefnote-bench search FILE PATTERN [--up] [--ignore-case] [--whole-word] [--repeat N]
//
// One search over the whole file as the find command runs it: from the
// start toward the end, or with --up from the end toward the start.  The
// pattern is taken as the bytes given (a shell's $'\x82\xa0' gives Shift_JIS
// bytes).  Reports the time of the search, the bytes it passed over and the
// rate, and the match (offset -1 when nothing is found).  With --repeat N
// the search runs N times and the fastest run is reported.
//
// On POSIX systems the file is mapped rather than copied, so that the whole
// process costs about what a streaming search such as grep's costs and the
// two can be compared.  The first run then also maps the pages it touches;
// later runs of --repeat find them mapped.
#include "bench_scenario.h"

#include "editor/search_engine.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The bytes of a file, mapped where the system can, else read.
class FileBytes {
public:
    bool Open(const std::string& path) {
#ifndef _WIN32
        int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) return false;
        struct stat st;
        if (::fstat(fd, &st) == 0 && st.st_size > 0) {
            void* at = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ,
                              MAP_PRIVATE, fd, 0);
            if (at != MAP_FAILED) {
                mapped_ = static_cast<const char*>(at);
                size_ = static_cast<std::size_t>(st.st_size);
            }
        }
        ::close(fd);
        if (mapped_) return true;
#endif
        return ReadWholeFile(path, copy_);
    }

    std::string_view View() const {
        return mapped_ ? std::string_view(mapped_, size_) : std::string_view(copy_);
    }

    ~FileBytes() {
#ifndef _WIN32
        if (mapped_) ::munmap(const_cast<char*>(mapped_), size_);
#endif
    }

private:
    const char* mapped_ = nullptr;
    std::size_t size_ = 0;
    std::string copy_;
};

int RunSearch(const BenchArgs& args, BenchReport& report) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "zefnote-bench search: give FILE and PATTERN\n");
        return 2;
    }
    const std::string& path = args.positional[0];
    const std::string& pattern = args.positional[1];
    const int repeat = std::atoi(args.Value("--repeat", "1").c_str());
    if (pattern.empty() || repeat < 1) {
        std::fprintf(stderr, "zefnote-bench search: empty pattern or bad --repeat\n");
        return 2;
    }
    TSearchOptions options = TSearchOption::soMatchCase;
    if (!args.Has("--up")) options |= TSearchOption::soDown;
    if (args.Has("--ignore-case")) options &= ~TSearchOption::soMatchCase;
    if (args.Has("--whole-word")) options |= TSearchOption::soWholeWord;

    BenchTimer load;
    FileBytes file;
    if (!file.Open(path)) {
        std::fprintf(stderr, "zefnote-bench search: cannot read %s\n", path.c_str());
        return 1;
    }
    const double loadMs = load.Ms();
    const std::string_view text = file.View();

    const std::int32_t from =
        Has(options, TSearchOption::soDown) ? 0 : static_cast<std::int32_t>(text.size());
    TSearchSelection sel{from, 0};
    bool found = false;
    double best = 0;
    for (int i = 0; i < repeat; ++i) {
        sel = {from, 0};
        BenchTimer timer;
        found = FindInText(text, sel, pattern, options);
        const double ms = timer.Ms();
        if (i == 0 || ms < best) best = ms;
    }

    // The bytes passed over: up to the end of the match going down, from its
    // start going up; the whole text when nothing is found.
    std::int64_t scanned = static_cast<std::int64_t>(text.size());
    if (found)
        scanned = Has(options, TSearchOption::soDown)
                      ? sel.SelStart + static_cast<std::int64_t>(sel.SelLength)
                      : static_cast<std::int64_t>(text.size()) - sel.SelStart;
    report.Add("file_bytes", static_cast<std::int64_t>(text.size()));
    report.Add("load_ms", loadMs);
    report.Add("direction", std::string(Has(options, TSearchOption::soDown) ? "down" : "up"));
    report.Add("ignore_case", std::string(Has(options, TSearchOption::soMatchCase) ? "no" : "yes"));
    report.Add("whole_word", std::string(Has(options, TSearchOption::soWholeWord) ? "yes" : "no"));
    report.Add("search_ms", best);
    report.Add("scanned_bytes", scanned);
    report.Add("mb_per_s", best > 0 ? scanned / (best * 1000.0) : 0.0);
    report.Add("match_offset", static_cast<std::int64_t>(found ? sel.SelStart : -1));
    report.Add("match_length", static_cast<std::int64_t>(found ? sel.SelLength : 0));
    return 0;
}

BenchRegistration searchScenario("search",
                                 "FILE PATTERN [--up] [--ignore-case] [--whole-word] [--repeat N]",
                                 RunSearch);

} // namespace
