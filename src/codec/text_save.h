#pragma once
// Saving the editor's text: every row, CR LF after each line, converted to the chosen
// kanji code, written to a new file beside the target that then replaces it, so that a
// failed write never harms the old file.
#include "codec/kanji_code.h"

#include <cstddef>
#include <string>

class TEditorScreenStrings;
class TFileSystem;
class TNkf;

// The longest text saved as EUC-JP without NKF32.DLL.
constexpr std::size_t EucSaveLimit = 100000;

// The code a save writes and the document's code after it, for the "SaveCvt" setting
// (0 the code of the loaded file, 1 Shift_JIS, 2 JIS, 3 EUC-JP, 4 UTF-8, 5 UTF-8 with a
// byte-order mark) and the document's code.  A Unicode file saved in its own code keeps
// it, byte-order mark and all.
struct TSaveCode {
    TKanjiCode Written = TKanjiCode::kcSjis;
    TKanjiCode After = TKanjiCode::kcSjis;
};
TSaveCode ChooseSaveCode(int SaveCvt, TKanjiCode Current);

// The bytes the rows make as saved text: each row, and CR LF after a row that ends its
// line.
std::size_t SavedTextLength(const TEditorScreenStrings& Rows);

// The bytes of the rows that would be written as U+FFFD in a Unicode file (lead bytes
// whose pair is no character of code page 932).
long long UnicodeSaveLosses(const TEditorScreenStrings& Rows);

// Writes the rows in Code (kcSjis: unchanged; kcJis or kcEuc: converted, through Nkf
// when it is given, else by the built-in converters; a Unicode code: converted by the
// Unicode converter, Nkf unused).  Raises EFCreateError when the
// file cannot be written, leaving the old file as it was.
void SaveRowsToFile(const TEditorScreenStrings& Rows, TFileSystem& Files, TNkf* Nkf,
                    TKanjiCode Code, const std::string& FileName);

// Replaces the file by the bytes of Text, in the same safe way; EFCreateError when that
// fails.
void WriteTextFile(TFileSystem& Files, const std::string& Text, const std::string& FileName);
