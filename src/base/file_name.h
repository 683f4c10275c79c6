#pragma once
// The parts of a file name in Shift_JIS: the folder part ends at the last '\', '/' or
// ':' that is a character of its own (a trail byte of a double-byte character may be
// 0x5C and is no separator).
#include <string>

// The folder part with its final separator ("C:\doc\" of "C:\doc\a.txt"); empty when the
// name has no folder.
std::string ExtractFilePath(const std::string& Name);
// The name without its folder ("a.txt" of "C:\doc\a.txt").
std::string ExtractFileName(const std::string& Name);
