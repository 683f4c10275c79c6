#pragma once
// The text search engine: finds a pattern in a Shift_JIS buffer forward or
// backward from a selection, optionally folding letter case and matching
// whole words only.  A match never starts on the second byte of a
// double-byte character and never splits one.  No regular expressions.
//
// The buffer is the whole text as the editor holds it, lines joined by
// CR LF; offsets are bytes from its start.  The text ends at the first zero
// byte of the buffer (or at its end), so a buffer with a zero byte in it is
// searched only up to there.
//
// Whole-word matching: a match must start at a word start (a word byte at
// the start of the text or after a delimiter byte) and be followed by a
// delimiter byte or the end of the text.  Word bytes are digits, ASCII
// letters, the bytes of double-byte characters and half-width katakana;
// everything else (the underscore included) delimits words.
#include "base/flags.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The search option word shared with the find and replace commands.  The
// engine reads soDown, soMatchCase and soWholeWord; the replace flags
// travel in the same word and are ignored here.
enum class TSearchOption : std::uint16_t {
    soDown = 1,
    soMatchCase = 2,
    soWholeWord = 4,
    soReplaceOne = 16,
    soReplaceAll = 32,
    soReplaceConfirm = 64,
};
ZEF_FLAGS(TSearchOption);
using TSearchOptions = TSearchOption;

// A selection as flat byte offsets into the searched buffer.
struct TSearchSelection {
    std::int32_t SelStart = 0;
    std::int32_t SelLength = 0;
};

// Searches Buffer for Pattern from the selection: with soDown from its end
// toward the end of the text, otherwise toward the start so that a match
// ends at or before SelStart.  Without soMatchCase ASCII letters and the
// full-width Latin letters (0x82 0x60..0x79 / 0x82 0x81..0x9A) compare
// without regard to case; nothing else folds.
//
// Returns the offset of the match and sets Selection.SelLength to its
// length; returns nothing, with Selection untouched, when the pattern is
// empty, the selection lies outside the text (negative start or length,
// start past the end) or nothing is found.
std::optional<std::int32_t> SearchBuffer(std::string_view Buffer, TSearchSelection& Selection,
                                         std::string_view Pattern, TSearchOptions Options);

// SearchBuffer that also moves Selection.SelStart to the match; false, with
// Selection untouched, when the text or the pattern is empty or nothing is
// found.
bool FindInText(std::string_view Buffer, TSearchSelection& Selection, std::string_view Pattern,
                TSearchOptions Options);
