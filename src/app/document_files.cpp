#include "app/document_files.h"

#include "app/app_info.h"
#include "codec/nkf.h"
#include "codec/text_save.h"
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
    SaveRowsToFile(Rows, FFiles, Nkf, Code.Written, FileName);
    FCurrentKanjiCode = Code.After;

    while (!FFiles.Exists(FileName) && std::chrono::steady_clock::now() < Deadline) {
        if (ProcessMessages) ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ShowKanjiCode();
    Editor.SetModified(false);
    return true;
}
