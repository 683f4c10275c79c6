#pragma once
// Loading a text file into the editor: the file is read in blocks of 8192 bytes, its
// kanji code learnt from the first block, JIS and EUC-JP converted to Shift_JIS block by
// block (through NKF32.DLL when it is loaded), the bytes cut into lines and the editor's
// row list filled.
#include "codec/kanji_code.h"

#include <cstddef>
#include <string>

class TEditorStrings;
class TLinesHost;
class TFileSystem;
class TNkf;

// Bytes read at a time.
constexpr std::size_t TextFileBlockSize = 8192;
// What loading and saving need of an editor control.
class TTextFileEditor {
public:
    virtual ~TTextFileEditor() = default;
    virtual TEditorStrings& Lines() = 0;
    // The control side of Lines: its row list, top row and top column.
    virtual TLinesHost& LinesHost() = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool Value) = 0;
};

// What a load found besides the text.
struct TTextLoadResult {
    TKanjiCode Code = TKanjiCode::kcAscii;
    // Zero bytes before the end of the text.  A line cannot hold a zero byte: each one
    // is loaded as a space, and the caller tells the user how many there were.
    long long ZeroBytes = 0;
    // The text ended at a 0x1A byte; what followed it was not loaded.
    bool EndMark = false;
    // Characters of a Unicode file that Shift_JIS cannot hold (and ill-formed sequences):
    // each was loaded as "〓".
    long long Unmappable = 0;
    int Lines = 0;
};

// The editor's loader with detection and conversion: returns the file's code.  The whole
// file is read, converted and counted into large blocks first; the editor's rows are then
// made once at their final number and refer to their bytes in those blocks (an edited
// row gets bytes of its own).  The editor is changed only once the file has been read
// through: a file that cannot be opened raises EFOpenError, a failed read EReadError, and
// either leaves the editor's text, and its modified flag, as they were.
TKanjiCode LoadFromFileDetect(TTextFileEditor& Editor, TFileSystem& Files, TNkf* Nkf,
                              const std::string& FileName, TTextLoadResult* Result = nullptr);

// The plain loader of the editor's Lines: the same line cutting, no detection and no
// conversion.
void LoadFromFile(TTextFileEditor& Editor, TFileSystem& Files, const std::string& FileName,
                  TTextLoadResult* Result = nullptr);
