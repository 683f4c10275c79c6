#pragma once
// File names as Shift_JIS byte strings: their parts and comparisons.  A separator is
// only a byte that starts a character (the trail byte of 表 or ソ is 0x5C, "\").
#include <string>

// The name after the last "\", "/" or ":".
std::string ExtractFileName(const std::string& Path);
// The folder without its final separator ("C:\doc" of "C:\doc\a.txt"; "C:\" of "C:\a").
std::string ExtractFileDir(const std::string& Path);
// The extension from the last "." of the name on (".txt"); empty when none.
std::string ExtractFileExt(const std::string& Path);
// Letter case of ASCII letters only: the bytes of double-byte characters stay.
std::string AnsiLowerCaseAscii(const std::string& Text);
// Case-insensitive comparison of two file names.
bool SameFileName(const std::string& A, const std::string& B);
