#pragma once
// Text files between the disk and the editor.  Loading reads a file in blocks of 8192
// bytes, learns its kanji code from the first block, converts JIS and EUC-JP to Shift_JIS
// block by block (through NKF32.DLL when it is loaded), cuts the bytes into lines and
// fills the editor's row list.  Saving takes the editor's text with CR LF line ends,
// converts it to the chosen code and replaces the file.
#include "codec/kanji_code.h"

#include <cstddef>
#include <functional>
#include <string>

class TEditorStrings;
class TLinesHost;
class TFileSystem;
class TMessageBox;
class TNkf;

// Bytes read at a time.
constexpr std::size_t TextFileBlockSize = 8192;
// The longest text saved as EUC-JP without NKF32.DLL.
constexpr std::size_t EucSaveLimit = 100000;
// How long saving waits for the written file to appear.
constexpr int SaveWaitMs = 5000;

// What loading and saving need of an editor control; TEditor implements it.
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
    int Lines = 0;
};

// The editor's loader with detection and conversion: returns the file's code.  The
// editor is changed only once the file has been opened and read through; a file that
// cannot be opened raises EFOpenError and leaves the editor's text as it was, and so does
// a read that fails while the file is counted.  A read that fails later, once the text
// has been replaced, raises EReadError with the part read in the editor and the modified
// flag set; the caller then no longer takes the document for any file.
TKanjiCode LoadFromFileDetect(TTextFileEditor& Editor, TFileSystem& Files, TNkf* Nkf,
                              const std::string& FileName, TTextLoadResult* Result = nullptr);

// The plain loader of the editor's Lines: the same line cutting, no detection and no
// conversion.
void LoadFromFile(TTextFileEditor& Editor, TFileSystem& Files, const std::string& FileName,
                  TTextLoadResult* Result = nullptr);

// The text that the status bar's kanji code panel shows for Code: "JIS", "EUC" or none.
std::string KanjiCodePanelText(TKanjiCode Code);

// The file state of one window: the code of the file in the editor and the "JCode"
// settings that decide how loading and saving convert.
class TTextFiles {
public:
    TTextFiles(TFileSystem& Files, TMessageBox& Messages, TNkf* Nkf = nullptr)
        : FFiles(Files), FMessages(Messages), FNkf(Nkf) {}

    TKanjiCode CurrentKanjiCode() const { return FCurrentKanjiCode; }
    void SetCurrentKanjiCode(TKanjiCode Value) { FCurrentKanjiCode = Value; }
    bool LoadAutoCvt() const { return FLoadAutoCvt; }
    void SetLoadAutoCvt(bool Value) { FLoadAutoCvt = Value; }
    // 0 the code of the loaded file, 1 Shift_JIS, 2 JIS, 3 EUC-JP; other values clamp.
    int SaveCvt() const { return FSaveCvt; }
    void SetSaveCvt(int Value) { FSaveCvt = Value < 0 ? 0 : Value > 3 ? 3 : Value; }

    // The loading step of opening a file: loads it with detection (LoadAutoCvt on) or
    // plainly, sets CurrentKanjiCode, shows it, clears the modified flag, and tells the
    // user of zero bytes that became spaces.  Making the file the window's current file
    // is the caller's next step.  Errors propagate with everything left as it was.
    TTextLoadResult LoadFile(TTextFileEditor& Editor, const std::string& FileName);

    // Writes the editor's text in the code chosen by SaveCvt and CurrentKanjiCode.  The
    // new bytes go to a file of their own in the same folder, which then replaces the
    // old file, so a failed write never harms it.  Returns false when the save was
    // abandoned (an EUC-JP text over the limit, after the message); raises EFCreateError
    // when the file cannot be written, leaving the modified flag and CurrentKanjiCode as
    // they were.  On success the caller makes FileName the current file.
    bool SaveFile(TTextFileEditor& Editor, const std::string& FileName);
    // Replaces the file by the bytes of Text, in the same safe way; EFCreateError when
    // that fails.
    void WriteTextFile(const std::string& Text, const std::string& FileName);
    // False, after a message, when a text of Length bytes is too long to save as EUC-JP
    // without NKF32.DLL.
    bool CheckEucSaveSize(const std::string& Text) { return CheckEucSaveSize(Text.size()); }
    bool CheckEucSaveSize(std::size_t Length);

    // The save-in-code submenu: entry 0 "SHIFT-JIS(&S)", 1 "JIS(&J)", 2 "EUC(&E)".  Runs
    // SaveAs with SaveCvt set to the entry's code and puts the previous SaveCvt back
    // afterwards, whether the user saved, cancelled or the save failed.
    void SaveInCode(int Entry, const std::function<void()>& SaveAs);

    // Puts KanjiCodePanelText(CurrentKanjiCode) into the status panel.
    void ShowKanjiCode();

    // The status bar's kanji code panel.
    std::function<void(const std::string&)> OnShowKanjiCode;
    // Lets the user interface handle its messages while saving waits for the file.
    std::function<void()> ProcessMessages;

private:
    TFileSystem& FFiles;
    TMessageBox& FMessages;
    TNkf* FNkf;
    TKanjiCode FCurrentKanjiCode = TKanjiCode::kcAscii;
    bool FLoadAutoCvt = false;
    int FSaveCvt = 1;
};
