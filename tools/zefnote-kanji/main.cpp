// zefnote-kanji: kanji code guessing and conversion of files, the way the editor loads
// and saves them.
//
//   zefnote-kanji --guess FILE...        FILE: CODE, decided on the first 8192 bytes
//   zefnote-kanji --guess-whole FILE...  the same, decided on the whole file
//   zefnote-kanji -s|-e|-j|-w [-o OUT] [FILE]
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZEF_KANJI_MMAP 1
#endif

#include "codec/kanji_code.h"
#include "codec/kanji_stream.h"
#include "codec/unicode_text.h"

namespace {

const char kUsage[] =
    "Usage: zefnote-kanji --guess FILE...\n"
    "       zefnote-kanji --guess-whole FILE...\n"
    "       zefnote-kanji -s|-e|-j|-w [-o OUTPUT] [FILE]\n"
    "\n"
    "  --guess        print \"FILE: CODE\" for each FILE, CODE decided on the file's first\n"
    "                 8192 bytes up to the first zero byte, as the editor decides on load:\n"
    "                 ASCII, BINARY, JIS, JISOLD, EUC, SJIS, EUCORSJIS, UTF8, UTF8BOM,\n"
    "                 UTF16LE or UTF16BE\n"
    "  --guess-whole  the legacy codes decided on the whole file, as saving decides\n"
    "  -s             convert FILE (or standard input) to Shift_JIS; the source code is\n"
    "                 guessed as --guess does; JIS, EUC-JP, UTF-8 and UTF-16 are converted\n"
    "  -e, -j         convert Shift_JIS (or JIS) text to EUC-JP, or Shift_JIS (or EUC-JP)\n"
    "                 text to JIS; the source code is guessed as --guess-whole does, UTF-8\n"
    "                 and UTF-16 input (as --guess finds it) are converted too\n"
    "  -w             convert FILE to UTF-8 (code page 932's mapping); the source code is\n"
    "                 guessed as --guess does; UTF-8 input is copied unchanged\n"
    "  -o OUTPUT      write to OUTPUT instead of standard output; OUTPUT is replaced only\n"
    "                 when the whole conversion succeeded\n"
    "  --help         show this text\n"
    "\n"
    "Text that is undecided, binary or already in the target code is copied unchanged.\n"
    "Characters that the target cannot hold are written as the geta mark (0x81 0xAC) into\n"
    "Shift_JIS, as U+FFFD into UTF-8, and counted on standard error.\n"
    "Line ends are never changed.  A FILE of \"-\" is standard input.\n";

constexpr std::size_t kBlock = 1 << 18;
constexpr std::size_t kGuessBytes = 8192;
constexpr std::size_t kPipeBuffer = 1 << 20;

std::string Describe(const std::string& Name) {
    return Name == "-" ? "(standard input)" : Name;
}

void Complain(const std::string& Name, const char* What) {
    std::fprintf(stderr, "zefnote-kanji: %s: %s\n", Describe(Name).c_str(), What);
}

// The bytes of a file block by block.  A regular file is mapped a window at a time
// where the system can (no copy through a read buffer); anything else is read.
class TReader {
public:
    ~TReader() { Close(); }

    bool Open(const std::string& Name) {
        FName = Name;
        if (Name == "-") {
#ifdef _WIN32
            _setmode(_fileno(stdin), _O_BINARY);
#endif
            FFile = stdin;
            return true;
        }
#ifdef ZEF_KANJI_MMAP
        FFd = ::open(Name.c_str(), O_RDONLY);
        if (FFd < 0) return false;
        struct stat st;
        if (::fstat(FFd, &st) == 0 && S_ISREG(st.st_mode)) {
            FSize = static_cast<std::uint64_t>(st.st_size);
            FMapped = true;
            return true;
        }
        FFile = ::fdopen(FFd, "rb");
        if (FFile) FFd = -1;
        return FFile != nullptr;
#else
        FFile = std::fopen(Name.c_str(), "rb");
        return FFile != nullptr;
#endif
    }

    // The next block in Data, Length; false at the end of the file or on a read error
    // (Failed tells which).  A block stays valid until the next call.
    bool Next(const char*& Data, std::size_t& Length) {
#ifdef ZEF_KANJI_MMAP
        if (FMapped) {
            Unmap();
            if (FOffset >= FSize) return false;
            std::size_t len =
                static_cast<std::size_t>(FSize - FOffset < kWindow ? FSize - FOffset : kWindow);
            int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
            flags |= MAP_POPULATE;
#endif
            void* p = ::mmap(nullptr, len, PROT_READ, flags, FFd, static_cast<off_t>(FOffset));
            if (p == MAP_FAILED) {
                FFailed = true;
                return false;
            }
            FMap = p;
            FMapLength = len;
            FOffset += len;
            Data = static_cast<const char*>(p);
            Length = len;
            return true;
        }
#endif
        if (FBuffer.empty()) FBuffer.resize(kBlock);
        Length = std::fread(FBuffer.data(), 1, FBuffer.size(), FFile);
        if (std::ferror(FFile)) FFailed = true;
        Data = FBuffer.data();
        return Length > 0 && !FFailed;
    }

    bool Failed() const {
        return FFailed;
    }

private:
    void Unmap() {
#ifdef ZEF_KANJI_MMAP
        if (FMap) ::munmap(FMap, FMapLength);
        FMap = nullptr;
#endif
    }
    void Close() {
        Unmap();
#ifdef ZEF_KANJI_MMAP
        if (FFd >= 0) ::close(FFd);
        FFd = -1;
#endif
        if (FFile && FFile != stdin) std::fclose(FFile);
        FFile = nullptr;
    }

    static constexpr std::size_t kWindow = 8u << 20; // a multiple of every page size
    std::string FName;
    std::FILE* FFile = nullptr;
    std::vector<char> FBuffer;
    bool FFailed = false;
#ifdef ZEF_KANJI_MMAP
    int FFd = -1;
    bool FMapped = false;
    std::uint64_t FSize = 0, FOffset = 0;
    void* FMap = nullptr;
    std::size_t FMapLength = 0;
#endif
};

// The loader's sample: the first 8192 bytes up to the first zero byte.
std::size_t GuessSampleLength(const char* Data, std::size_t Length) {
    std::size_t n = Length < kGuessBytes ? Length : kGuessBytes;
    const void* zero = std::memchr(Data, 0, n);
    return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - Data) : n;
}

int Guess(const std::vector<std::string>& Files, bool Whole) {
    int status = 0;
    for (const std::string& name : Files) {
        TReader in;
        if (!in.Open(name)) {
            Complain(name, std::strerror(errno));
            status = 1;
            continue;
        }
        TKanjiCode code;
        const char* data;
        std::size_t got;
        if (!Whole) {
            std::string sample;
            while (sample.size() < kGuessBytes && in.Next(data, got))
                sample.append(data, std::min(got, kGuessBytes - sample.size()));
            code = DetectTextCode(sample.data(), GuessSampleLength(sample.data(), sample.size()));
        } else {
            TKanjiDetector detector;
            while (!detector.Decided() && in.Next(data, got))
                detector.Feed(data, got);
            code = detector.Finish();
        }
        if (in.Failed()) {
            Complain(name, "read error");
            status = 1;
            continue;
        }
        std::printf("%s: %s\n", name.c_str(), KanjiCodeName(code));
    }
    if (std::fflush(stdout) != 0) {
        Complain("-", "write error");
        status = 1;
    }
    return status;
}

// Where converted bytes go: standard output, or a temporary file beside OUTPUT that
// replaces OUTPUT only at Commit.
class TOutput {
public:
    bool Open(const std::string& Path) {
        FPath = Path;
        if (Path.empty()) {
#ifdef _WIN32
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            FFile = stdout;
#ifdef F_SETPIPE_SZ
            // Into a pipe, a larger pipe buffer lets each write go in one step instead of
            // waiting for the reader a few pages at a time.  The size is only a request.
            struct stat st;
            if (::fstat(STDOUT_FILENO, &st) == 0 && S_ISFIFO(st.st_mode))
                ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, static_cast<int>(kPipeBuffer));
#endif
            return true;
        }
        FTemp = Path + ".zefnote-kanji.tmp";
        FFile = std::fopen(FTemp.c_str(), "wb");
        return FFile != nullptr;
    }
    bool Write(const std::string& Bytes) {
        if (Bytes.empty()) return true;
        return std::fwrite(Bytes.data(), 1, Bytes.size(), FFile) == Bytes.size();
    }
    bool Commit() {
        if (FPath.empty()) return std::fflush(stdout) == 0;
        bool ok = std::fclose(FFile) == 0;
        FFile = nullptr;
#ifdef _WIN32
        if (ok) std::remove(FPath.c_str()); // rename does not replace a file on Windows
#endif
        ok = ok && std::rename(FTemp.c_str(), FPath.c_str()) == 0;
        if (!ok) std::remove(FTemp.c_str());
        FTemp.clear();
        return ok;
    }
    ~TOutput() {
        if (!FTemp.empty()) {
            if (FFile) std::fclose(FFile);
            std::remove(FTemp.c_str());
        }
    }

private:
    std::string FPath, FTemp;
    std::FILE* FFile = nullptr;
};

// The conversion from Source to Target in one or two streaming steps: a Unicode
// source goes through Shift_JIS, and so does a legacy source to UTF-8.
class TPipeline {
public:
    TPipeline(TKanjiCode Source, TKanjiCode Target) {
        const bool UnicodeIn = IsUnicodeCode(Source), UnicodeOut = IsUnicodeCode(Target);
        if (UnicodeOut && (Source == TKanjiCode::kcUtf8 || Source == TKanjiCode::kcUtf8Bom)) return;
        if (UnicodeIn) {
            auto In = std::make_shared<TUnicodeToSjis>(Source);
            Add(In, [In] { return In->Lost(); });
        }
        const TKanjiCode LegacyFrom = UnicodeIn ? TKanjiCode::kcSjis : Source;
        const TKanjiCode LegacyTo = UnicodeOut ? TKanjiCode::kcSjis : Target;
        auto Legacy = std::make_shared<TKanjiStreamConverter>(LegacyFrom, LegacyTo);
        if (Legacy->Converts()) Add(Legacy, nullptr);
        if (UnicodeOut) {
            auto Out = std::make_shared<TSjisToUnicode>(Target);
            Add(Out, [Out] { return Out->Lost(); });
        }
    }
    void Feed(const char* Data, std::size_t Length, std::string& Out) { Run(Data, Length, false, Out); }
    void Finish(std::string& Out) { Run(nullptr, 0, true, Out); }
    long long Lost() const {
        long long Total = 0;
        for (const TStep& Step : FSteps)
            if (Step.Lost) Total += Step.Lost();
        return Total;
    }

private:
    struct TStep {
        std::function<void(const char*, std::size_t, std::string&)> Feed;
        std::function<void(std::string&)> Finish;
        std::function<long long()> Lost;
        std::string Out;
    };
    template <class T>
    void Add(const std::shared_ptr<T>& Cvt, std::function<long long()> Lost) {
        TStep Step;
        Step.Feed = [Cvt](const char* d, std::size_t n, std::string& o) { Cvt->Feed(d, n, o); };
        Step.Finish = [Cvt](std::string& o) { Cvt->Finish(o); };
        Step.Lost = std::move(Lost);
        FSteps.push_back(std::move(Step));
    }
    // Each step's output is the next one's input; the last appends to Out.  At the end
    // every step is finished in order, its tail flowing through the later ones.
    void Run(const char* Data, std::size_t Length, bool Final, std::string& Out) {
        if (FSteps.empty()) {
            Out.append(Data ? Data : "", Length);
            return;
        }
        for (std::size_t k = 0; k < FSteps.size(); ++k) {
            std::string& To = k + 1 == FSteps.size() ? Out : FSteps[k].Out;
            if (&To != &Out) To.clear();
            if (Length) FSteps[k].Feed(Data, Length, To);
            if (Final) FSteps[k].Finish(To);
            Data = To.data();
            Length = To.size();
        }
    }
    std::vector<TStep> FSteps;
};

int Convert(TKanjiCode Target, const std::string& Input, const std::string& OutputPath) {
    TReader in;
    if (!in.Open(Input)) {
        Complain(Input, std::strerror(errno));
        return 1;
    }
    TOutput out;
    if (!out.Open(OutputPath)) {
        Complain(OutputPath, std::strerror(errno));
        return 1;
    }
    const std::string outName = OutputPath.empty() ? "-" : OutputPath;

    // The source code: the loader's guess on the first 8192 bytes decides Unicode input
    // and the source of Shift_JIS and UTF-8 output; EUC-JP and JIS output from a legacy
    // code is decided on the whole text, as saving decides.  The last block read is used
    // in place; earlier ones read before the guess was made are kept in Held (a block is
    // valid only until the next read).
    std::string held;
    const char* data = nullptr;
    std::size_t got = 0;
    bool more = true, pending = false;
    auto readMore = [&] {
        if (pending) held.append(data, got);
        pending = more = in.Next(data, got);
        return more;
    };
    while (held.size() + (pending ? got : 0) < kGuessBytes && readMore()) {
    }
    if (!held.empty() && pending) {
        held.append(data, got);
        pending = false;
    }
    const char* sample = held.empty() ? data : held.data();
    std::size_t length = held.empty() ? (pending ? got : 0) : held.size();
    TKanjiCode source = DetectTextCode(sample, GuessSampleLength(sample, length));
    if (!IsUnicodeCode(source) && (Target == TKanjiCode::kcEuc || Target == TKanjiCode::kcJis)) {
        TKanjiDetector detector;
        detector.Feed(held.data(), held.size());
        if (pending) detector.Feed(data, got);
        while (!detector.Decided() && readMore())
            detector.Feed(data, got);
        source = detector.Finish();
    }

    TPipeline converter(source, Target);
    std::string converted;
    // Converted and written in pieces small enough for the output to stay in the cache.
    auto convert = [&](const char* p, std::size_t n) {
        for (std::size_t at = 0; at < n; at += kBlock) {
            converted.clear();
            converter.Feed(p + at, std::min(kBlock, n - at), converted);
            if (!out.Write(converted)) return false;
        }
        return true;
    };
    bool ok = convert(held.data(), held.size()) && (!pending || convert(data, got));
    std::string().swap(held);
    while (ok && more && (more = in.Next(data, got)))
        ok = convert(data, got);
    if (in.Failed()) {
        Complain(Input, "read error");
        return 1;
    }
    converted.clear();
    converter.Finish(converted);
    if (!ok || !out.Write(converted) || !out.Commit()) {
        Complain(outName, "write error");
        return 1;
    }
    if (converter.Lost() > 0)
        std::fprintf(stderr, "zefnote-kanji: %s: %lld characters could not be converted\n",
                     Describe(Input).c_str(), converter.Lost());
    return 0;
}

int Usage(const char* Problem) {
    std::fprintf(stderr, "zefnote-kanji: %s\n%s", Problem, kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    enum { kNone, kGuess, kGuessWhole, kConvert } mode = kNone;
    TKanjiCode target = TKanjiCode::kcSjis;
    std::string output;
    std::vector<std::string> files;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (optionsEnd || a == "-" || a.empty() || a[0] != '-') {
            files.push_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == "--guess" || a == "--guess-whole") {
            if (mode != kNone) return Usage("give one of --guess, --guess-whole, -s, -e, -j, -w");
            mode = a == "--guess" ? kGuess : kGuessWhole;
        } else if (a == "-s" || a == "-e" || a == "-j" || a == "-w") {
            if (mode != kNone) return Usage("give one of --guess, --guess-whole, -s, -e, -j, -w");
            mode = kConvert;
            target = a == "-s"   ? TKanjiCode::kcSjis
                     : a == "-e" ? TKanjiCode::kcEuc
                     : a == "-j" ? TKanjiCode::kcJis
                                 : TKanjiCode::kcUtf8;
        } else if (a == "-o") {
            if (i + 1 >= argc) return Usage("-o needs a file name");
            output = argv[++i];
        } else {
            return Usage(("unknown option " + a).c_str());
        }
    }
    switch (mode) {
    case kNone:
        return Usage("give one of --guess, --guess-whole, -s, -e, -j, -w");
    case kGuess:
    case kGuessWhole:
        if (!output.empty()) return Usage("-o goes with -s, -e, -j and -w");
        if (files.empty()) return Usage("name the files to guess");
        return Guess(files, mode == kGuessWhole);
    case kConvert:
        if (files.size() > 1) return Usage("convert one file at a time");
        return Convert(target, files.empty() ? "-" : files[0], output);
    }
    return 2;
}
