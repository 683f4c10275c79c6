#pragma once
// One profile (INI) file as the platform's profile functions see it: sections in square
// brackets, one "key=value" line per key.  Section and key names compare without regard
// to letter case.  A read strips the blanks around the value and one pair of enclosing
// quotes; a write leaves every other line of the file as it was.  One object stands for
// one file path.
#include <string>

class TProfileFile {
public:
    virtual ~TProfileFile() = default;

    // The value of Key in Section, or Default without its trailing spaces when the file,
    // the section or the key is missing (or the key's line has no "=").
    virtual std::string ReadString(const std::string& Section, const std::string& Key,
                                   const std::string& Default) = 0;
    // Sets Key in Section to Value, creating the file, the section (at the end of the
    // file) and the key (after the section's last line) as needed.  False when the file
    // could not be written.
    virtual bool WriteString(const std::string& Section, const std::string& Key,
                             const std::string& Value) = 0;
    // Removes Key's line from Section; true also when there was nothing to remove.
    virtual bool DeleteKey(const std::string& Section, const std::string& Key) = 0;
    // Removes Section with all its lines; true also when there was no such section.
    virtual bool EraseSection(const std::string& Section) = 0;
};
