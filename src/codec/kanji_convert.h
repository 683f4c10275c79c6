#pragma once
// Conversion of whole byte strings between Shift_JIS, EUC-JP and JIS (7-bit code with
// escape sequences), for JIS X 0208 double-byte characters and JIS X 0201 half-width
// katakana.  No routine reports an error; bytes that are not valid in the source code
// follow the routines' rules and may give bytes that are not valid characters.
//
// Choices for damaged input, the same in every routine and in the streaming converters:
// - A character cut off by the end of the text (a lead byte, or SS2, as the last byte)
//   is written unchanged to Shift_JIS and EUC-JP output; in JIS output it becomes the
//   geta mark (JIS 0x222E, written in kanji mode).
// - SS2 (0x8E) followed by a byte outside 0xA1-0xDF becomes the geta mark in JIS output
//   and only the SS2 is consumed; the byte after it is converted as the next character.
// - Reading JIS, escape sequences that follow each other directly are all recognised.
//   In kanji mode a byte 0x21-0x7E pairs only with a following 0x21-0x7E byte; otherwise
//   it is written alone, so an escape sequence or line end after an odd byte still acts.
//   An escape sequence cut off by the end of the text is written unchanged.
#include <cstddef>
#include <string>

#include "codec/kanji_code.h"

// Detects the code of Text and converts it to Target (kcJis, kcEuc or kcSjis).  The text
// comes back unchanged when it is undecided (kcAscii, kcEucOrSjis), binary, already in
// Target, or when Target is not one of the three.
std::string ConvertKanjiCode(const std::string& Text, TKanjiCode Target);
// True when ConvertKanjiCode runs one of the six routines for a text detected as Source,
// false when it hands the text back unchanged.
bool KanjiConversionChangesText(TKanjiCode Source, TKanjiCode Target);

std::string JisToSjis(const std::string& Text);
std::string JisToEuc(const std::string& Text);
std::string EucToSjis(const std::string& Text);
std::string EucToJis(const std::string& Text);
std::string SjisToJis(const std::string& Text);
std::string SjisToEuc(const std::string& Text);

// One JIS X 0208 pair to its Shift_JIS pair and back, by byte arithmetic modulo 256
// (defined for every byte pair).  Each returns a two-byte string.
std::string JisToSjisChar(unsigned char j1, unsigned char j2);
std::string SjisToJisChar(unsigned char s1, unsigned char s2);

// For each half-width katakana byte 0xA1-0xDF, indexed by the byte with its top bit
// cleared (0x21-0x5F), the cell byte of its full-width JIS X 0208 counterpart; the row is
// 0x21 for 0xA1-0xA5, 0xB0, 0xDE, 0xDF and 0x25 for the others.  Entries 0x00-0x20 and
// 0x60-0x7F are 0 (no kana).
extern const unsigned char KanaToJisTable[128];

// The two JIS bytes of the half-width kana at Text[Pos], with a following voiced or
// semi-voiced mark combined where it combines; Pos moves past what was consumed.
// SjisKanaToJis: Text[Pos] is the kana byte.  EucKanaToJis: Text[Pos] is SS2 (0x8E) and
// the kana is the byte after it; a mark combines only as SS2 + mark.  A position that
// holds no kana gives the geta mark (0x22 0x2E) and moves one byte.
std::string SjisKanaToJis(const std::string& Text, std::size_t& Pos);
std::string EucKanaToJis(const std::string& Text, std::size_t& Pos);
