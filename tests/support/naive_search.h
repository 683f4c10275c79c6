#pragma once
// The plain way to search, kept as the reference the fast engine must
// agree with: classify every byte of the text from its start (single, lead,
// trail), then step through the candidate positions one by one, moving to
// word starts for whole-word searches, and compare character by character.
//
// Two points differ from a bare transcription of that walk, and the engine
// follows them too:
// - a character never reaches past the end of the text or of the pattern:
//   a lone lead byte at the end of the text, or a pattern ending in a lone
//   lead byte, matches nothing (otherwise the match would take in the byte
//   after the text);
// - the whole-word conditions (word start, delimiter after) hold for every
//   accepted match, the first and last candidate of the text included.
//
// Shared by the unit tests and the fuzz target; byte values only, no text
// literals, since the two are compiled with different execution charsets.
#include "base/shift_jis.h"
#include "editor/search_engine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace naive {

enum ByteKind : std::uint8_t { bkSingle, bkLead, bkTrail };

inline bool IsDelimiter(unsigned char c) {
    return c <= 0x2F || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x80) || (c >= 0xA0 && c <= 0xA5) || c >= 0xFD;
}

inline std::string Fold(std::string_view pattern) {
    std::string p(pattern);
    for (std::size_t i = 0; i < p.size();) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (IsSjisLeadByte(c) && i + 1 < p.size()) {
            unsigned char t = static_cast<unsigned char>(p[i + 1]);
            if (c == 0x82 && t >= 0x81 && t <= 0x9A) p[i + 1] = static_cast<char>(t - 0x21);
            i += 2;
        } else {
            if (c >= 'a' && c <= 'z') p[i] = static_cast<char>(c - 0x20);
            ++i;
        }
    }
    return p;
}

inline std::optional<std::int32_t> SearchBuffer(std::string_view buffer, TSearchSelection& sel,
                                                std::string_view pattern, TSearchOptions options) {
    std::int64_t L = 0;
    while (L < static_cast<std::int64_t>(buffer.size()) && buffer[L] != 0)
        ++L;
    // The byte at L is the terminator.
    auto at = [&](std::int64_t i) -> unsigned char {
        return i < L ? static_cast<unsigned char>(buffer[i]) : 0;
    };
    if (sel.SelStart < 0 || sel.SelStart > L || sel.SelLength < 0) return std::nullopt;
    const bool matchCase = Has(options, TSearchOption::soMatchCase),
               down = Has(options, TSearchOption::soDown),
               wholeWord = Has(options, TSearchOption::soWholeWord);
    const std::string P = matchCase ? std::string(pattern) : Fold(pattern);
    const std::int64_t n = static_cast<std::int64_t>(P.size());
    if (n == 0) return std::nullopt;
    auto pat = [&](std::int64_t i) { return static_cast<unsigned char>(P[i]); };

    std::vector<ByteKind> map(L + 1, bkSingle);
    for (std::int64_t i = 0; i < L; ++i) {
        if (IsSjisLeadByte(at(i))) {
            map[i] = bkLead;
            map[i + 1] = bkTrail;
            ++i;
        }
    }

    std::int64_t s, R;
    if (down) {
        s = static_cast<std::int64_t>(sel.SelStart) + sel.SelLength;
        if (s < L && map[s] == bkTrail) ++s;
        R = L - s - n;
        if (R < 0) return std::nullopt;
    } else {
        s = sel.SelStart - n;
        if (s >= 0 && map[s] == bkTrail) --s;
        R = s;
    }
    if (s < 0 || s > L) return std::nullopt;
    const std::int64_t d = down ? 1 : -1;

    auto matchesAt = [&](std::int64_t p) {
        std::int64_t i = 0, k = 0;
        while (i < n) {
            const std::int64_t t = p + k;
            const std::int64_t tlen = t <= L && map[t] == bkLead ? 2 : 1;
            const std::int64_t plen = IsSjisLeadByte(pat(i)) ? 2 : 1;
            if (t + tlen > L || i + plen > n) return false;
            bool ok;
            if (tlen == 1) {
                unsigned char c = at(t);
                if (!matchCase && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 0x20);
                ok = c == pat(i);
            } else if (matchCase) {
                ok = plen == 2 && at(t) == pat(i) && at(t + 1) == pat(i + 1);
            } else if (at(t) == 0x82 && at(t + 1) >= 0x81 && at(t + 1) <= 0x9A) {
                ok = pat(i) == 0x82 && i + 1 < n && pat(i + 1) == at(t + 1) - 0x21;
            } else {
                ok = i + 1 < n && at(t) == pat(i) && at(t + 1) == pat(i + 1);
            }
            if (!ok) return false;
            k += tlen;
            i += plen;
        }
        return true;
    };
    auto wordStart = [&](std::int64_t p) {
        return !IsDelimiter(at(p)) && (p == 0 || IsDelimiter(at(p - 1)));
    };

    std::int64_t p = s;
    while (R >= 0) {
        if (wholeWord && R > 0) {
            if (down) {
                if (!wordStart(p)) {
                    while (R > 0 && !IsDelimiter(at(p)))
                        p += 1, R -= 1;
                    while (R > 0 && IsDelimiter(at(p)))
                        p += 1, R -= 1;
                }
            } else {
                while (R > 0 && IsDelimiter(at(p)))
                    p -= 1, R -= 1;
                while (R > 0 && !IsDelimiter(at(p)))
                    p -= 1, R -= 1;
                if (IsDelimiter(at(p))) p += 1, R += 1;
            }
            if (p >= 0 && p <= L && map[p] == bkTrail) p += d, R -= 1;
        }
        if (p >= 0 && matchesAt(p) && (!wholeWord || (wordStart(p) && IsDelimiter(at(p + n))))) {
            sel.SelLength = static_cast<std::int32_t>(n);
            return static_cast<std::int32_t>(p);
        }
        p += d;
        R -= 1;
        if (p >= 0 && p <= L && map[p] == bkTrail) p += d, R -= 1;
    }
    return std::nullopt;
}

inline bool FindInText(std::string_view buffer, TSearchSelection& sel, std::string_view pattern,
                       TSearchOptions options) {
    if (pattern.empty() || buffer.empty() || buffer[0] == 0) return false;
    std::optional<std::int32_t> found = naive::SearchBuffer(buffer, sel, pattern, options);
    if (!found) return false;
    sel.SelStart = *found;
    return true;
}

} // namespace naive
