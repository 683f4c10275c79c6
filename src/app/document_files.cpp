#include "app/document_files.h"

#include "app/app_info.h"
#include "base/file_name.h"
#include "codec/nkf.h"
#include "codec/text_save.h"
#include "codec/unicode_text.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

#include <chrono>
#include <thread>

std::string KanjiCodePanelText(TKanjiCode Code) {
    switch (Code) {
    case TKanjiCode::kcJis:
    case TKanjiCode::kcJisOld:
        return "JIS";
    case TKanjiCode::kcEuc:
        return "EUC";
    case TKanjiCode::kcUtf8:
        return "UTF-8";
    case TKanjiCode::kcUtf8Bom:
        return "UTF-8 BOM";
    case TKanjiCode::kcUtf16Le:
        return "UTF-16LE";
    case TKanjiCode::kcUtf16Be:
        return "UTF-16BE";
    default:
        return std::string();
    }
}

void TTextFiles::ShowKanjiCode() {
    if (OnShowKanjiCode) OnShowKanjiCode(KanjiCodePanelText(FCurrentKanjiCode));
}

TTextLoadResult TTextFiles::LoadFile(TTextFileEditor& Editor, const std::string& FileName) {
    TTextLoadResult Result;
    TKanjiCode Code;
    if (FLoadAutoCvt) {
        Code = LoadFromFileDetect(Editor, FFiles, FNkf, FileName, &Result);
        if (Editor.LinesHost().RowList().Count() == 0) Code = TKanjiCode::kcSjis;
    } else {
        LoadFromFile(Editor, FFiles, FileName, &Result);
        Code = TKanjiCode::kcAscii;
    }
    FCurrentKanjiCode = Code;
    ShowKanjiCode();
    Editor.SetModified(false);
    FLostFile = Result.Unmappable > 0 ? FileName : std::string();
    FLostCount = Result.Unmappable;
    if (Result.Unmappable > 0)
        FMessages.Show("ファイル " + FileName + " には Shift_JIS で表せない文字が " +
                           std::to_string(Result.Unmappable) +
                           " 個あり、「〓」にして読み込みました。\n"
                           "このファイルに上書き保存すると、それらの文字は失われます。",
                       ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miWarning);
    if (Result.ZeroBytes > 0)
        FMessages.Show("ファイル " + FileName + " にあった NUL 文字 " +
                           std::to_string(Result.ZeroBytes) + " 個は空白にして読み込みました。",
                       ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miInformation);
    return Result;
}

void TTextFiles::SaveInCode(int Entry, const std::function<void()>& SaveAs) {
    struct TRestore {
        TTextFiles& Files;
        int SaveCvt;
        ~TRestore() { Files.FSaveCvt = SaveCvt; }
    } Restore{*this, FSaveCvt};
    SetSaveCvt(Entry + 1);
    SaveAs();
}

bool TTextFiles::CheckEucSaveSize(std::size_t Length) {
    if (Length <= EucSaveLimit) return true;
    FMessages.Show("EUC の保存は上限 100KB です。", ApplicationTitle, TMessageButtons::mbOk,
                   TMessageIcon::miInformation);
    return false;
}

void TTextFiles::WriteTextFile(const std::string& Text, const std::string& FileName) {
    ::WriteTextFile(FFiles, Text, FileName);
}

bool TTextFiles::SaveFile(TTextFileEditor& Editor, const std::string& FileName) {
    auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(SaveWaitMs);
    const TEditorScreenStrings& Rows = Editor.LinesHost().RowList();
    TSaveCode Code = ChooseSaveCode(FSaveCvt, FCurrentKanjiCode);
    TNkf* Nkf = Code.Written != TKanjiCode::kcSjis && NkfConverts(FNkf) ? FNkf : nullptr;
    if (Code.Written == TKanjiCode::kcEuc && !Nkf && !CheckEucSaveSize(SavedTextLength(Rows)))
        return false;
    if (!ConfirmLosses(Rows, Code.Written, FileName)) return false;
    SaveRowsToFile(Rows, FFiles, Nkf, Code.Written, FileName);
    FCurrentKanjiCode = Code.After;
    if (!FLostFile.empty() && SameFileName(FLostFile, FileName)) {
        // The file now holds the geta marks: nothing more of it can be lost.
        FLostFile.clear();
        FLostCount = 0;
    }

    while (!FFiles.Exists(FileName) && std::chrono::steady_clock::now() < Deadline) {
        if (ProcessMessages) ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ShowKanjiCode();
    Editor.SetModified(false);
    return true;
}

bool TTextFiles::ConfirmLosses(const TEditorScreenStrings& Rows, TKanjiCode Written,
                               const std::string& FileName) {
    std::string Text;
    if (!FLostFile.empty() && SameFileName(FLostFile, FileName))
        Text = "このファイルにあった Shift_JIS で表せない文字 " + std::to_string(FLostCount) +
               " 個は、読み込んだときに「〓」になっています。\n"
               "上書き保存すると、それらの文字はファイルから失われます。";
    if (IsUnicodeCode(Written)) {
        const long long Bad = UnicodeSaveLosses(Rows);
        if (Bad > 0)
            Text += std::string(Text.empty() ? "" : "\n") + "Unicode の文字にならないバイト列 " +
                    std::to_string(Bad) + " 個は、置換文字 (U+FFFD) として保存されます。";
    }
    if (Text.empty()) return true;
    return FMessages.Show(Text + "\n保存しますか？", ApplicationTitle, TMessageButtons::mbOkCancel,
                          TMessageIcon::miWarning) == TMessageResult::mrOk;
}
