#pragma once
// The file state of one window: the code of the file in the editor, the "JCode" settings
// that decide how loading and saving convert, and what the window shows around a load or
// a save (the kanji code panel, the messages, the save-in-code submenu).
#include "codec/kanji_code.h"
#include "codec/text_load.h"

#include <cstddef>
#include <functional>
#include <string>

class TEditorScreenStrings;
class TFileSystem;
class TMessageBox;
class TNkf;

// How long saving waits for the written file to appear.
constexpr int SaveWaitMs = 5000;

// The text that the status bar's kanji code panel shows for Code: "JIS", "EUC",
// "UTF-8", "UTF-8 BOM", "UTF-16LE", "UTF-16BE" or none.
std::string KanjiCodePanelText(TKanjiCode Code);

class TTextFiles {
public:
    TTextFiles(TFileSystem& Files, TMessageBox& Messages, TNkf* Nkf = nullptr)
        : FFiles(Files), FMessages(Messages), FNkf(Nkf) {}

    TKanjiCode CurrentKanjiCode() const { return FCurrentKanjiCode; }
    void SetCurrentKanjiCode(TKanjiCode Value) { FCurrentKanjiCode = Value; }
    bool LoadAutoCvt() const { return FLoadAutoCvt; }
    void SetLoadAutoCvt(bool Value) { FLoadAutoCvt = Value; }
    // 0 the code of the loaded file, 1 Shift_JIS, 2 JIS, 3 EUC-JP, 4 UTF-8, 5 UTF-8 with
    // a byte-order mark; other values clamp.
    int SaveCvt() const { return FSaveCvt; }
    void SetSaveCvt(int Value) { FSaveCvt = Value < 0 ? 0 : Value > 5 ? 5 : Value; }
    // Characters of the loaded file that became "〓" (0 once it has been saved over).
    long long LostCharacters() const { return FLostCount; }

    // The loading step of opening a file: loads it with detection (LoadAutoCvt on) or
    // plainly, sets CurrentKanjiCode, shows it, clears the modified flag, and tells the
    // user of zero bytes that became spaces and of characters that Shift_JIS cannot
    // hold, which became "〓".  Making the file the window's current file
    // is the caller's next step.  Errors propagate with everything left as it was.
    TTextLoadResult LoadFile(TTextFileEditor& Editor, const std::string& FileName);

    // Writes the editor's text in the code chosen by SaveCvt and CurrentKanjiCode.
    // Asks first (OK, Cancel) when the save would lose characters: saving over the file
    // whose characters became "〓" on loading, or writing Unicode from bytes that are no
    // character.  Returns false when the save was abandoned (an EUC-JP text over the
    // limit, after the message, or the question cancelled); raises EFCreateError when the file cannot be written, leaving the
    // old file, the modified flag and CurrentKanjiCode as they were.  On success the
    // caller makes FileName the current file.
    bool SaveFile(TTextFileEditor& Editor, const std::string& FileName);
    // Replaces the file by the bytes of Text; EFCreateError when that fails.
    void WriteTextFile(const std::string& Text, const std::string& FileName);
    // False, after a message, when a text of Length bytes is too long to save as EUC-JP
    // without NKF32.DLL.
    bool CheckEucSaveSize(const std::string& Text) { return CheckEucSaveSize(Text.size()); }
    bool CheckEucSaveSize(std::size_t Length);

    // The save-in-code submenu: entry 0 "SHIFT-JIS(&S)", 1 "JIS(&J)", 2 "EUC(&E)",
    // 3 "UTF-8(&U)", 4 "UTF-8 BOM 付き(&B)".  Runs
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
    bool ConfirmLosses(const TEditorScreenStrings& Rows, TKanjiCode Written,
                       const std::string& FileName);

    TFileSystem& FFiles;
    TMessageBox& FMessages;
    TNkf* FNkf;
    TKanjiCode FCurrentKanjiCode = TKanjiCode::kcAscii;
    bool FLoadAutoCvt = false;
    int FSaveCvt = 1;
    std::string FLostFile;
    long long FLostCount = 0;
};
