#pragma once
// The parts of a file name in Shift_JIS: the folder part ends at the last '\', '/' or
// ':' that is a character of its own (a trail byte of a double-byte character may be
// 0x5C and is no separator), and comparisons of names.
#include <string>

// The folder part with its final separator ("C:\doc\" of "C:\doc\a.txt"); empty when the
// name has no folder.
std::string ExtractFilePath(const std::string& Name);
// The folder without its final separator ("C:\doc" of "C:\doc\a.txt"), except where the
// separator belongs to a root ("C:\" of "C:\a.txt", "C:" of "C:a.txt").
std::string ExtractFileDir(const std::string& Name);
// The name without its folder ("a.txt" of "C:\doc\a.txt").
std::string ExtractFileName(const std::string& Name);
// The extension from the last "." of the name on (".txt"); empty when none.
std::string ExtractFileExt(const std::string& Name);
// Letter case of ASCII letters only: the bytes of double-byte characters stay.
std::string AnsiLowerCaseAscii(const std::string& Text);
// Case-insensitive comparison of two file names.
bool SameFileName(const std::string& A, const std::string& B);
