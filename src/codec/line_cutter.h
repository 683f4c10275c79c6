#pragma once
// Cutting bytes into lines, as loading does: CR LF, a lone CR and a lone LF each end a
// line (LF CR is two line ends), 0x1A ends the text.
#include <cstddef>

// The first CR, LF or 0x1A in [P, End), or End.
const unsigned char* FindBreak(const unsigned char* P, const unsigned char* End);

// The line ends in [P, End) as the cutter sees them: every LF, and every CR that is not
// followed by an LF (a CR in the last byte counts; when the next piece begins with LF,
// the caller takes one off).
std::size_t CountLineEnds(const unsigned char* P, const unsigned char* End);

// The first 0x1A in [P, End), or End.
const unsigned char* FindEndMark(const unsigned char* P, const unsigned char* End);
