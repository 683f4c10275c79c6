// The fast search against the byte-map walk of tests/support: random
// texts, patterns (made up, or cut from the text with letters flipped),
// options and selections must give the same answer.  The text sits in a
// buffer of exactly its size, so AddressSanitizer sees any read past it.
#include "editor/search_engine.h"
#include "support/naive_search.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 6) return 0;
    const TSearchOptions options = static_cast<TSearchOptions>(Data[0] & 0x77);
    const unsigned startCode = Data[1] | (Data[2] << 8), lengthCode = Data[3];
    const unsigned patternCode = Data[4], flips = Data[5];
    Data += 6;
    Size -= 6;

    std::string pattern;
    if (!(patternCode & 0x80)) {
        const std::size_t n = std::min<std::size_t>(patternCode & 15, Size);
        pattern.assign(reinterpret_cast<const char*>(Data), n);
        Data += n;
        Size -= n;
    }
    const std::size_t size = Size;
    std::unique_ptr<char[]> text(new char[size ? size : 1]);
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(Data[i]);
    const std::string_view buffer(text.get(), size);
    if (patternCode & 0x80) {
        const std::size_t n = 1 + (patternCode & 7);
        const std::size_t at = size ? ((patternCode >> 3) & 15) * size / 16 : 0;
        pattern.assign(buffer.substr(at, n));
        for (std::size_t i = 0; i < pattern.size() && i < 8; ++i) {
            char& c = pattern[i];
            if (((flips >> i) & 1) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
        }
    }

    TSearchSelection sel;
    sel.SelStart = static_cast<std::int32_t>(startCode % (size + 3)) - 1;
    if (startCode & 0x8000)
        sel.SelStart = Has(options, TSearchOption::soDown) ? 0 : static_cast<std::int32_t>(size);
    sel.SelLength = lengthCode == 0xFF ? -1 : static_cast<std::int32_t>(lengthCode & 0x3F);
    if (lengthCode & 0x40) sel.SelLength = 0;

    TSearchSelection want = sel, got = sel;
    const bool wantOk = naive::FindInText(buffer, want, pattern, options);
    const bool gotOk = FindInText(buffer, got, pattern, options);
    if (wantOk != gotOk || want.SelStart != got.SelStart || want.SelLength != got.SelLength)
        std::abort();
    return 0;
}
