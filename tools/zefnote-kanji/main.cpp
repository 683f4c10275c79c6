// zefnote-kanji: kanji code guessing and conversion of files, the way the editor loads
// and saves them.
//
//   zefnote-kanji --guess FILE...        FILE: CODE, decided on the first 8192 bytes
//   zefnote-kanji --guess-whole FILE...  the same, decided on the whole file
//   zefnote-kanji -s|-e|-j [-o OUT] [FILE]
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "codec/kanji_code.h"
#include "codec/kanji_stream.h"

namespace {

const char kUsage[] =
    "Usage: zefnote-kanji --guess FILE...\n"
    "       zefnote-kanji --guess-whole FILE...\n"
    "       zefnote-kanji -s|-e|-j [-o OUTPUT] [FILE]\n"
    "\n"
    "  --guess        print \"FILE: CODE\" for each FILE, CODE decided on the file's first\n"
    "                 8192 bytes up to the first zero byte, as the editor decides on load:\n"
    "                 ASCII, BINARY, JIS, JISOLD, EUC, SJIS or EUCORSJIS\n"
    "  --guess-whole  the same, decided on the whole file, as saving decides\n"
    "  -s             convert FILE (or standard input) to Shift_JIS; the source code is\n"
    "                 guessed as --guess does; JIS and EUC-JP are converted\n"
    "  -e, -j         convert Shift_JIS (or JIS) text to EUC-JP, or Shift_JIS (or EUC-JP)\n"
    "                 text to JIS; the source code is guessed as --guess-whole does\n"
    "  -o OUTPUT      write to OUTPUT instead of standard output; OUTPUT is replaced only\n"
    "                 when the whole conversion succeeded\n"
    "  --help         show this text\n"
    "\n"
    "Text that is undecided, binary or already in the target code is copied unchanged.\n"
    "Line ends are never changed.  A FILE of \"-\" is standard input.\n";

constexpr std::size_t kBlock = 1 << 18;
constexpr std::size_t kGuessBytes = 8192;

std::string Describe(const std::string& Name) {
    return Name == "-" ? "(standard input)" : Name;
}

void Complain(const std::string& Name, const char* What) {
    std::fprintf(stderr, "zefnote-kanji: %s: %s\n", Describe(Name).c_str(), What);
}

struct TFileCloser {
    void operator()(std::FILE* f) const {
        if (f && f != stdin && f != stdout) std::fclose(f);
    }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

TFile OpenInput(const std::string& Name) {
    if (Name == "-") {
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        return TFile(stdin);
    }
    return TFile(std::fopen(Name.c_str(), "rb"));
}

// Fills Buffer with up to its size; false on a read error.
bool ReadBlock(std::FILE* f, std::vector<char>& Buffer, std::size_t& Got) {
    Got = std::fread(Buffer.data(), 1, Buffer.size(), f);
    return !std::ferror(f);
}

// The loader's sample: the first 8192 bytes up to the first zero byte.
std::size_t GuessSampleLength(const char* Data, std::size_t Length) {
    std::size_t n = Length < kGuessBytes ? Length : kGuessBytes;
    const void* zero = std::memchr(Data, 0, n);
    return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - Data) : n;
}

int Guess(const std::vector<std::string>& Files, bool Whole) {
    int status = 0;
    std::vector<char> buffer(Whole ? kBlock : kGuessBytes);
    for (const std::string& name : Files) {
        TFile f = OpenInput(name);
        if (!f) {
            Complain(name, std::strerror(errno));
            status = 1;
            continue;
        }
        TKanjiCode code = kcAscii;
        std::size_t got = 0;
        bool ok = true;
        if (!Whole) {
            // fread may return less than asked from a pipe; fill the sample.
            std::size_t have = 0;
            while (ok && have < kGuessBytes) {
                got = std::fread(buffer.data() + have, 1, kGuessBytes - have, f.get());
                ok = !std::ferror(f.get());
                if (got == 0) break;
                have += got;
            }
            code = DetectKanjiCode(buffer.data(), GuessSampleLength(buffer.data(), have));
        } else {
            TKanjiDetector detector;
            while (ok && !detector.Decided()) {
                ok = ReadBlock(f.get(), buffer, got);
                if (got == 0) break;
                detector.Feed(buffer.data(), got);
            }
            code = detector.Finish();
        }
        if (!ok) {
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

int Convert(TKanjiCode Target, const std::string& Input, const std::string& OutputPath) {
    TFile in = OpenInput(Input);
    if (!in) {
        Complain(Input, std::strerror(errno));
        return 1;
    }
    TOutput out;
    if (!out.Open(OutputPath)) {
        Complain(OutputPath, std::strerror(errno));
        return 1;
    }
    std::vector<char> buffer(kBlock);
    std::size_t got = 0;
    if (!ReadBlock(in.get(), buffer, got)) {
        Complain(Input, "read error");
        return 1;
    }

    // The source code: from the loader's sample for Shift_JIS output, else from the whole
    // text.  Until the whole-text guess is decided the blocks read are kept.
    TKanjiCode source;
    std::string held;
    bool atEnd = got < buffer.size();
    if (Target == kcSjis) {
        source = DetectKanjiCode(buffer.data(), GuessSampleLength(buffer.data(), got));
        held.assign(buffer.data(), got);
    } else {
        TKanjiDetector detector;
        detector.Feed(buffer.data(), got);
        held.assign(buffer.data(), got);
        while (!detector.Decided() && !atEnd) {
            if (!ReadBlock(in.get(), buffer, got)) {
                Complain(Input, "read error");
                return 1;
            }
            atEnd = got < buffer.size();
            detector.Feed(buffer.data(), got);
            held.append(buffer.data(), got);
        }
        source = detector.Finish();
    }

    TKanjiStreamConverter converter(source, Target);
    std::string converted;
    converter.Feed(held.data(), held.size(), converted);
    std::string().swap(held);
    if (!out.Write(converted)) {
        Complain(OutputPath.empty() ? "-" : OutputPath, "write error");
        return 1;
    }
    while (!atEnd) {
        if (!ReadBlock(in.get(), buffer, got)) {
            Complain(Input, "read error");
            return 1;
        }
        atEnd = got < buffer.size();
        converted.clear();
        converter.Feed(buffer.data(), got, converted);
        if (!out.Write(converted)) {
            Complain(OutputPath.empty() ? "-" : OutputPath, "write error");
            return 1;
        }
    }
    converted.clear();
    converter.Finish(converted);
    if (!out.Write(converted) || !out.Commit()) {
        Complain(OutputPath.empty() ? "-" : OutputPath, "write error");
        return 1;
    }
    return 0;
}

int Usage(const char* Problem) {
    std::fprintf(stderr, "zefnote-kanji: %s\n%s", Problem, kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    enum { kNone, kGuess, kGuessWhole, kConvert } mode = kNone;
    TKanjiCode target = kcSjis;
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
            if (mode != kNone) return Usage("give one of --guess, --guess-whole, -s, -e, -j");
            mode = a == "--guess" ? kGuess : kGuessWhole;
        } else if (a == "-s" || a == "-e" || a == "-j") {
            if (mode != kNone) return Usage("give one of --guess, --guess-whole, -s, -e, -j");
            mode = kConvert;
            target = a == "-s" ? kcSjis : a == "-e" ? kcEuc : kcJis;
        } else if (a == "-o") {
            if (i + 1 >= argc) return Usage("-o needs a file name");
            output = argv[++i];
        } else {
            return Usage(("unknown option " + a).c_str());
        }
    }
    switch (mode) {
    case kNone:
        return Usage("give one of --guess, --guess-whole, -s, -e, -j");
    case kGuess:
    case kGuessWhole:
        if (!output.empty()) return Usage("-o goes with -s, -e and -j");
        if (files.empty()) return Usage("name the files to guess");
        return Guess(files, mode == kGuessWhole);
    case kConvert:
        if (files.size() > 1) return Usage("convert one file at a time");
        return Convert(target, files.empty() ? "-" : files[0], output);
    }
    return 2;
}
