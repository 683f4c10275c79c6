#pragma once
// Typed values over a profile file, in the forms the settings file uses: integers in
// decimal, booleans as "1" and "0", strings that must keep their blanks between two "%"
// characters, colours by name or number.
#include "base/platform_values.h"
#include "platform/profile_file.h"

#include <string>

// The integer the value starts with (blanks and a sign allowed ahead of the digits,
// anything after them ignored, as "14pt" reads 14); a value without leading digits, or
// a missing key, reads as Default.  A number out of range stops at the int limits.
int ReadInteger(TProfileFile& File, const std::string& Section, const std::string& Key,
                int Default);
// True when the value reads (as ReadInteger) as a non-zero integer.
bool ReadBool(TProfileFile& File, const std::string& Section, const std::string& Key, bool Default);
std::string ReadString(TProfileFile& File, const std::string& Section, const std::string& Key,
                       const std::string& Default);
// A value stored between two "%" characters: a value that starts and ends with "%" (and
// is at least two long) loses them; any other value is taken as it is.
std::string ReadPaddedString(TProfileFile& File, const std::string& Section, const std::string& Key,
                             const std::string& Default);
// A colour name or number.  A value that is neither, or a number that is no colour, reads
// as Default like a missing key: our choice, since nothing further on could draw with it.
TColor ReadColor(TProfileFile& File, const std::string& Section, const std::string& Key,
                 TColor Default);

// The writers return false when the file could not be written.  A string is cut at its
// first line break, which the file could not hold as part of the value.
bool WriteInteger(TProfileFile& File, const std::string& Section, const std::string& Key,
                  int Value);
bool WriteBool(TProfileFile& File, const std::string& Section, const std::string& Key, bool Value);
bool WriteString(TProfileFile& File, const std::string& Section, const std::string& Key,
                 const std::string& Value);
bool WritePaddedString(TProfileFile& File, const std::string& Section, const std::string& Key,
                       const std::string& Value);
bool WriteColor(TProfileFile& File, const std::string& Section, const std::string& Key,
                TColor Value);

// Deletes Key when it reads as an integer greater than 0 (a missing key reads -1): the
// clean-up of keys that older versions wrote.
void DeleteObsoleteKey(TProfileFile& File, const std::string& Section, const std::string& Key);
