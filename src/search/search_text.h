#pragma once
// The search text as the user types it and as the search uses it.  With the escape box
// checked, "\n" stands for a line break (CR LF), "\t" for a TAB and "\\" for one
// backslash; any other backslash stays as it is.
#include <string>

std::string UnescapeSearchText(const std::string& Text);
// The reverse: CR LF to "\n", TAB to "\t", a backslash to "\\".  A CR not followed by LF
// is dropped.
std::string EscapeSearchText(const std::string& Text);

// A selection offered as the text to search for: its first 250 bytes (249 when byte 250
// is a CR, which would cut a line break in two; the byte before a cut double-byte
// character is kept as it is).  When it holds a line break, a TAB or a backslash it comes
// back escaped and Escaped is set, else unchanged with Escaped cleared.
std::string SelectionToSearchText(const std::string& Selection, bool& Escaped);
