#pragma once
// Streaming kanji code conversion: the text arrives block by block (a file read in
// pieces) and each block's converted bytes are appended as soon as they are known.  A
// double-byte character, an escape sequence, a half-width kana whose voiced mark may
// follow, or the JIS shift state that a block boundary cuts is carried into the next
// block, so the output for any cut of the input equals the whole-string routine's output
// (JisToSjis, EucToSjis, SjisToJis, ... of kanji_convert.h) on the joined input.
//
// Typical use, loading a file detected as kcEuc:
//   TKanjiStreamConverter cvt(kcEuc, kcSjis);
//   while (n = read(block)) { out.clear(); cvt.Feed(block, n, out); use(out); }
//   out.clear(); cvt.Finish(out); use(out);
#include <cstddef>
#include <memory>
#include <string>

#include "codec/kanji_code.h"

class TKanjiStreamConverter {
public:
    // Source is the code of the input as DetectKanjiCode named it; Target is kcSjis,
    // kcEuc or kcJis.  The pair picks the routine exactly as ConvertKanjiCode does:
    // kcJis/kcJisOld to kcSjis is JisToSjis, kcEuc to kcSjis is EucToSjis, kcSjis to kcEuc
    // is SjisToEuc, and so on; every other pair (undecided, binary, same code, another
    // target) copies the bytes unchanged.
    TKanjiStreamConverter(TKanjiCode Source, TKanjiCode Target);
    ~TKanjiStreamConverter();
    TKanjiStreamConverter(const TKanjiStreamConverter&) = delete;
    TKanjiStreamConverter& operator=(const TKanjiStreamConverter&) = delete;

    // Converts the next Length bytes and appends what is complete to Out; the bytes of a
    // character (or escape sequence) that the block end cuts stay inside until the next
    // Feed or Finish.  Length may be 0.  Out is only appended to.
    void Feed(const char* Data, std::size_t Length, std::string& Out);
    // The end of the input: appends the bytes still held (a cut-off character as the
    // whole-string routine treats the end of its text).  Afterwards the converter starts
    // over as newly constructed.
    void Finish(std::string& Out);
    // Forgets held bytes and the shift state.
    void Reset();

    TKanjiCode Source() const { return FSource; }
    TKanjiCode Target() const { return FTarget; }
    // False when the pair copies bytes unchanged.
    bool Converts() const;

    class Impl;

private:
    TKanjiCode FSource, FTarget;
    std::unique_ptr<Impl> FImpl;
};
