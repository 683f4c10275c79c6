#pragma once
// Kanji code detection: a single forward scan that stops at the first byte or byte pair
// that only one of the codes can produce.  Nothing is counted or weighed.
#include <cstddef>
#include <string>

enum class TKanjiCode {
    kcAscii = 0,    // nothing decisive seen (plain 7-bit text, empty or one-byte sample)
    kcBinary = 1,   // a byte that no text holds
    kcJis = 2,      // ESC $ B seen
    kcJisOld = 3,   // ESC $ @ seen
    kcEuc = 4,      // EUC-JP
    kcSjis = 5,     // Shift_JIS
    kcEucOrSjis = 6, // high bytes seen, every one fits both EUC-JP and Shift_JIS
    // Unicode files (codec/unicode_text.h); DetectKanjiCode never answers these.
    kcUtf8 = 7,    // UTF-8 without a byte-order mark
    kcUtf8Bom = 8, // UTF-8 that starts with the mark EF BB BF
    kcUtf16Le = 9, // UTF-16 little-endian, mark FF FE
    kcUtf16Be = 10 // UTF-16 big-endian, mark FE FF
};

// Leading bytes examined by the binary pre-scan.
constexpr std::size_t BinaryScanLimit = 512;

TKanjiCode DetectKanjiCode(const char* Sample, std::size_t Length);
inline TKanjiCode DetectKanjiCode(const std::string& Sample) {
    return DetectKanjiCode(Sample.data(), Sample.size());
}

// The code name used on the command line and in reports: "ASCII", "BINARY", "JIS",
// "JISOLD", "EUC", "SJIS", "EUCORSJIS", "UTF8", "UTF8BOM", "UTF16LE", "UTF16BE".
const char* KanjiCodeName(TKanjiCode Code);

// DetectKanjiCode over a sample that arrives in pieces.  Feed the pieces in order, then
// Finish; the result equals DetectKanjiCode of the pieces joined, however they are cut.
// Decided() turns true as soon as the answer can no longer change, so a caller may stop
// feeding early (Finish still has to be called and returns the decided code).
class TKanjiDetector {
public:
    void Feed(const char* Data, std::size_t Length);
    TKanjiCode Finish();
    bool Decided() const { return FDecided; }
    // Back to the state before the first Feed.
    void Reset();

private:
    void Scan(const unsigned char* s, std::size_t n, bool Final);
    void ScanPieceWithCarry(const unsigned char* s, std::size_t n);

    std::string FHead;  // the first bytes, held until the pre-scan can run
    std::string FCarry; // bytes of a step that the piece cut (at most two)
    bool FPrescanDone = false;
    bool FInRun = false;
    bool FDecided = false;
    bool FFinished = false;
    TKanjiCode FResult = TKanjiCode::kcAscii;
};
