#pragma once
// Rewrites of selected text that the conversion commands apply: case under the code
// page, removal of line breaks, the quote prefix of a quoted paste, and the blanks that
// open a line.  Pure functions over Shift_JIS byte strings; none splits a double-byte
// character.
#include <string>

// ASCII letters change case; the two bytes of a double-byte character are never taken
// for letters, and every other byte stays.
std::string CodePageLowerCase(const std::string& Text);
std::string CodePageUpperCase(const std::string& Text);

// Text without its CR LF pairs; a lone CR or LF stays.
std::string DeleteLineBreaks(const std::string& Text);

// Clip cut into lines at CR LF, lone CR or lone LF, each line with Prefix before it and
// CR LF after it, except that a clip not ending with a line break gets none after its
// last line.  An empty clip gives an empty text.
std::string QuotedText(const std::string& Clip, const std::string& Prefix);

// The number of bytes of blanks that open Line, at most Limit: a space or a tab is one
// byte, a full-width space two (it is counted only whole).
int LeadingBlankBytes(const std::string& Line, int Limit);
