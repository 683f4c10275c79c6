#pragma once
// A profile file kept by the program itself over the file seam, behaving as the Windows
// profile functions do on the same bytes: lines end in CR LF, LF or CR; a line whose
// first non-blank character is "[" and that holds a "]" starts a section (the name is
// what stands between the "[" and the last "]", without blanks); any other non-blank
// line is a key line, its name the text before the first "=" and its value the text
// after it, both without surrounding blanks.  Comment lines (";") are key lines whose
// names no caller asks for.  The first section of a name and the first key of a name
// in it count.  A write touches only the lines it changes: comments, blank lines,
// unknown sections and keys, and the line ends of the file stay byte for byte.
#include "platform/file_system.h"
#include "platform/profile_file.h"

#include <string>

class TIniProfileFile : public TProfileFile {
public:
    TIniProfileFile(TFileSystem& Files, std::string FileName)
        : FFiles(Files), FFileName(std::move(FileName)) {}

    std::string ReadString(const std::string& Section, const std::string& Key,
                           const std::string& Default) override;
    bool WriteString(const std::string& Section, const std::string& Key,
                     const std::string& Value) override;
    bool DeleteKey(const std::string& Section, const std::string& Key) override;
    bool EraseSection(const std::string& Section) override;

    const std::string& FileName() const { return FFileName; }

    // The value as a read returns it: the text after the "=" without the blanks around it
    // and without one pair of enclosing double or single quotes.
    static std::string UnquoteValue(const std::string& Text);
    // True when the names are equal, ASCII letters compared without regard to case (a
    // double-byte character compares byte for byte).
    static bool SameName(const std::string& A, const std::string& B);

private:
    class TText; // the file as lines

    // Reads the file (a missing one as empty) into Ini and finds the header line of
    // Section (TText::NotFound when there is none).  False when the file exists but cannot
    // be read: a read then gives the default and a write refuses, so that it cannot
    // replace a file it has not seen.
    bool LoadSection(TText& Ini, const std::string& Section, int& Header);
    // Writes the text through a new file that then replaces the old one, so that a failed
    // write leaves the file as it was.
    bool Store(const TText& Ini);

    TFileSystem& FFiles;
    std::string FFileName;
};
