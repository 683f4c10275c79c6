#pragma once
// Shift_JIS (code page 932) characters in a byte string: lead bytes 0x81-0x9F and
// 0xE0-0xFC start a double-byte character, whose second byte is a trail byte 0x40-0xFC
// other than 0x7F.  Every routine that walks text byte by byte steps with these, so that
// none splits a pair.
//
// A trail byte may be any lead byte as well, so a position inside a text cannot be
// judged by its own byte.  Stepping forward starts at a character boundary; stepping
// backward is anchored at a known boundary (a line start, the start of the text) and
// decided by the parity of the lead-range bytes that come before the position.
#include <cstddef>
#include <string>

// True for a byte that starts a double-byte character.
constexpr bool IsSjisLeadByte(unsigned char B) {
    return (B >= 0x81 && B <= 0x9F) || (B >= 0xE0 && B <= 0xFC);
}
constexpr bool IsSjisLeadByte(char B) {
    return IsSjisLeadByte(static_cast<unsigned char>(B));
}

// True for a byte that may be the second byte of a double-byte character.
constexpr bool IsSjisTrailByte(unsigned char B) {
    return B >= 0x40 && B <= 0xFC && B != 0x7F;
}
constexpr bool IsSjisTrailByte(char B) {
    return IsSjisTrailByte(static_cast<unsigned char>(B));
}

// The length of the character that starts at Pos of a text of Length bytes: 2 at a lead
// byte with a byte after it, else 1 (a lead byte that ends the text stands alone).
inline std::size_t SjisCharLength(const char* Text, std::size_t Length, std::size_t Pos) {
    return IsSjisLeadByte(Text[Pos]) && Pos + 1 < Length ? 2 : 1;
}

// The start of the character after the one at the boundary Pos; Length at the end.
inline std::size_t SjisNext(const char* Text, std::size_t Length, std::size_t Pos) {
    return Pos >= Length ? Length : Pos + SjisCharLength(Text, Length, Pos);
}

// The start of the character before the boundary Pos, stepping back from Pos to no
// further than the known boundary Anchor (Anchor <= Pos); Pos itself when Pos is Anchor.
std::size_t SjisPrev(const char* Text, std::size_t Anchor, std::size_t Pos);

// True when the byte at Pos is the second byte of a double-byte character, for a text
// whose characters start at the known boundary Anchor (Anchor <= Pos).
bool IsSjisTrailAt(const char* Text, std::size_t Anchor, std::size_t Pos);

// The boundary at or before Pos: Pos, or Pos - 1 when Pos is the second byte of a
// double-byte character (Anchor as above).
inline std::size_t SjisBoundary(const char* Text, std::size_t Anchor, std::size_t Pos) {
    return IsSjisTrailAt(Text, Anchor, Pos) ? Pos - 1 : Pos;
}

// The byte position of the first occurrence of Part in Text that starts at a character
// boundary (never inside a double-byte character); std::string::npos when none.
std::size_t SjisFind(const std::string& Text, const std::string& Part);
