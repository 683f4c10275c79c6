#pragma once
// Half-width and full-width forms of Shift_JIS text: ASCII letters, digits and symbols,
// and katakana with their voiced and semi-voiced marks.  Pure functions; neither splits
// a double-byte character.
//
// Damaged input: a lead byte that is the last byte of the text, or whose next byte is
// not a trail byte (0x40-0x7E, 0x80-0xFC), is copied alone and the next byte is taken as
// a character of its own.  A pair in the hiragana or katakana row whose cell JIS X 0208
// leaves empty (above 0x76) is copied unchanged.
#include <cstddef>
#include <string>

// JIS X 0208 code (row byte high, cell byte low) to Shift_JIS code and back.
unsigned short JisToSjisCode(unsigned short Jis);
unsigned short SjisToJisCode(unsigned short Sjis);

// For each half-width katakana byte, indexed by byte - 0xA0 (0xA0-0xDF): the cell byte of
// its full-width katakana in row 5 (0x25xx), bit 7 set for ｶ-ﾄ and ﾊ-ﾎ, which take the
// voiced mark; 0 for 0xA0-0xA5, 0xB0, 0xDE and 0xDF (no entry).
extern const unsigned char HalfKanaTable[64];
// For each cell 0x21-0x76 of rows 4 and 5, indexed by cell - 0x21: kana byte
// 0xA6 + v % 56 and mark v / 56 (0 none, 1 ﾞ, 2 ﾟ).
extern const unsigned char FullKanaTable[86];
constexpr std::size_t SymbolCount = 39;
// Parallel lists: HalfSymbols[k] is the half-width partner of the two bytes
// FullSymbols[2k], FullSymbols[2k + 1].
extern const unsigned char HalfSymbols[SymbolCount];
extern const unsigned char FullSymbols[2 * SymbolCount];

std::string HankakuToZenkaku(const std::string& Text);
std::string ZenkakuToHankaku(const std::string& Text);
