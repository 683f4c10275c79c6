#pragma once
// UTF-8 and UTF-16 text beside the three legacy codes: detection ahead of the legacy
// rules, and conversion to and from Shift_JIS (code page 932) in both directions,
// streaming across block edges.  Nothing is lost in silence: a character that code page
// 932 cannot hold becomes the geta mark "〓" on the way in, bytes that are no
// Shift_JIS character become U+FFFD on the way out, and both are counted.
#include <cstddef>
#include <string>
#include <vector>

#include "codec/kanji_code.h"

// kcUtf8, kcUtf8Bom, kcUtf16Le, kcUtf16Be.
bool IsUnicodeCode(TKanjiCode Code);

// The byte-order mark a file in Code starts with ("" for kcUtf8 and the legacy codes).
std::string ByteOrderMark(TKanjiCode Code);

// The loader's detection: a byte-order mark decides (UTF-8, UTF-16 LE, UTF-16 BE);
// without one, a sample that is valid UTF-8 holding at least one multi-byte character,
// and that DetectKanjiCode would not take for JIS, is kcUtf8; everything else gets
// DetectKanjiCode's answer.  A UTF-8 character cut by the end of the sample does not
// count against it (the sample may be the first block of a longer file).
TKanjiCode DetectTextCode(const char* Sample, std::size_t Length);
inline TKanjiCode DetectTextCode(const std::string& Sample) {
    return DetectTextCode(Sample.data(), Sample.size());
}

// True when S holds only well-formed UTF-8 (shortest forms, no surrogates, nothing above
// U+10FFFF) and at least one multi-byte character; with AllowCutEnd, an incomplete but
// so far well-formed character at the very end is accepted.
bool IsUtf8Text(const char* S, std::size_t Length, bool AllowCutEnd);

// Unicode text (Source: one of the four codes) to Shift_JIS, block by block.  A leading
// byte-order mark of the source's kind is dropped.  Each character code page 932 has no
// code for, each ill-formed sequence and each lone surrogate becomes "〓" (0x81 0xAC) and
// is counted in Lost().
class TUnicodeToSjis {
public:
    explicit TUnicodeToSjis(TKanjiCode Source);
    // Appends the Shift_JIS of what is complete; a character cut by the block's end is
    // held until the next Feed or Finish.
    void Feed(const char* Data, std::size_t Length, std::string& Out);
    // The end of the text: a held incomplete character becomes "〓".
    void Finish(std::string& Out);
    long long Lost() const { return FLost; }

private:
    std::size_t Run(const unsigned char* s, std::size_t n, bool Final, std::string& Out);
    bool FUtf16, FBigEndian;
    std::string FMark;
    bool FStart = true;
    long long FLost = 0;
    std::string FCarry;
    std::vector<unsigned char> FBuffer;
};

// Shift_JIS text to Unicode (Target: one of the four codes), block by block; the
// byte-order mark of kcUtf8Bom and the UTF-16 codes is written first.  A lead byte whose
// pair has no character, or that ends the text, becomes U+FFFD and is counted in Lost();
// a line end or other byte below 0x40 after a lead byte is kept as itself.
class TSjisToUnicode {
public:
    explicit TSjisToUnicode(TKanjiCode Target);
    void Feed(const char* Data, std::size_t Length, std::string& Out);
    void Finish(std::string& Out);
    long long Lost() const { return FLost; }

private:
    std::size_t Run(const unsigned char* s, std::size_t n, bool Final, std::string& Out);
    TKanjiCode FTarget;
    bool FStart = true;
    long long FLost = 0;
    std::string FCarry;
    std::vector<unsigned char> FBuffer;
};

// Whole-string forms of the two converters.
std::string UnicodeToSjis(const std::string& Text, TKanjiCode Source, long long* Lost = nullptr);
std::string SjisToUnicode(const std::string& Text, TKanjiCode Target, long long* Lost = nullptr);
