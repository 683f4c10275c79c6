// The file commands of the main window: new, open, close and open, save, save as, save
// in a chosen code, save and exit, exit; the file history; the command line; dropped
// files; help.
#include "app/command_line.h"
#include "base/file_name.h"
#include "app/main_form.h"
#include "app/settings/settings_lists.h"
#include "editor/editor.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/shell.h"

#include <exception>

namespace {

bool IsShortcutFile(const std::string& Name) {
    return AnsiLowerCaseAscii(ExtractFileExt(Name)) == ".lnk";
}

} // namespace

bool TMainForm::HoldsDocument() const {
    return !FCurrentFileName.empty() || FEditor.Modified();
}

void TMainForm::StartInFileFolder(TFileDialogParams& Dialog) const {
    if (!FCurrentFileName.empty()) Dialog.InitialDir = ExtractFileDir(FCurrentFileName);
}

void TMainForm::OpenInNewProcess(const std::string& File) {
    FS.Shell.Execute("open", FS.Shell.ProgramFileName(), QuoteParameter(File),
                     QuoteParameter(ExtractFileDir(File)));
}

// ---------------------------------------------------------------------------------------
// Opening and saving

bool TMainForm::OpenFile(const std::string& Name) {
    TWaitCursor Wait(FHost);
    if (FOptions.NotDoubleOpen && FWindows.FindInstanceWithFile(Name)) return false;
    FTextFiles.SetLoadAutoCvt(FOptions.JCode.LoadAutoCvt);
    try {
        FTextFiles.LoadFile(FEditorFile, Name);
    } catch (const std::exception& Error) {
        // The loader reads the whole file before it replaces the text: whatever failed,
        // the document is as it was, file name included.
        FS.Messages.Show(Error.what(), ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
        return false;
    }
    SetFileName(Name);
    FEditor.SetModified(false);
    ShowCaretPosition();
    return true;
}

bool TMainForm::SaveFile(const std::string& Name) {
    TWaitCursor Wait(FHost);
    FTextFiles.SetSaveCvt(FOptions.JCode.SaveCvt);
    try {
        if (!FTextFiles.SaveFile(FEditorFile, Name)) return false;
    } catch (const std::exception& Error) {
        FS.Messages.Show(Error.what(), ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
        return false;
    }
    SetFileName(Name);
    FEditor.SetModified(false);
    return true;
}

bool TMainForm::SaveAs() {
    StartInFileFolder(FSaveDialog);
    FSaveDialog.DefaultExt = "txt";
    if (!FHost.ExecuteSaveDialog(FSaveDialog)) return false;
    return SaveFile(FSaveDialog.FileName);
}

bool TMainForm::Save() {
    return FCurrentFileName.empty() ? SaveAs() : SaveFile(FCurrentFileName);
}

void TMainForm::SaveInCodeClick(int Entry) {
    const int Previous = FOptions.JCode.SaveCvt;
    FOptions.JCode.SaveCvt = Entry + 1;
    struct TRestore {
        TOptionRecord& Options;
        int Value;
        ~TRestore() { Options.JCode.SaveCvt = Value; }
    } Restore{FOptions, Previous};
    SaveAs();
}

void TMainForm::NewClick() {
    FS.Shell.Execute("open", FS.Shell.ProgramFileName(), ModeSwitch(FEditMode), std::string());
}

void TMainForm::OpenClick() {
    StartInFileFolder(FOpenDialog);
    if (!FHost.ExecuteOpenDialog(FOpenDialog)) return;
    if (HoldsDocument())
        OpenInNewProcess(FOpenDialog.FileName);
    else
        OpenFile(FOpenDialog.FileName);
}

void TMainForm::CloseAndOpenClick() {
    switch (SavePrompt()) {
    case TMessageResult::mrCancel: return;
    case TMessageResult::mrYes:
        if (!Save()) return;
        break;
    default: break;
    }
    StartInFileFolder(FOpenDialog);
    if (FHost.ExecuteOpenDialog(FOpenDialog)) OpenFile(FOpenDialog.FileName);
}

void TMainForm::SaveAndExitClick() {
    if (!Save()) return;
    FHost.Close();
}

// ---------------------------------------------------------------------------------------
// File history

void TMainForm::BuildHistory() { FHistory.Build(ReadFileHistory(FS.Ini)); }

void TMainForm::SaveHistory() { WriteFileHistory(FS.Ini, FHistory.Paths()); }

void TMainForm::FileMenuPopup() { BuildHistory(); }

void TMainForm::HistoryClick(TMenuItem& Item) {
    const std::string Path = Item.Hint;
    const int Index = Item.MenuIndex();
    if (FHost.ShiftDown()) {
        if (FS.Messages.Show("ファイル履歴 \"" + Path + "\" を削除します。", ApplicationTitle,
                             TMessageButtons::mbOkCancel, TMessageIcon::miInformation) == TMessageResult::mrOk) {
            FHistory.Remove(Index);
            SaveHistory();
        }
        return;
    }
    if (!FS.Files.Exists(Path)) {
        FS.Messages.Show("\"" + Path + "\" が見当たりません。", ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
        return;
    }
    if (HoldsDocument())
        OpenInNewProcess(Path);
    else
        OpenFile(Path);
}

void TMainForm::ClearHistoryClick() {
    if (!FHistory.FirstItemEnabled()) return;
    if (FS.Messages.Show("すべてのファイル履歴を削除します。", ApplicationTitle, TMessageButtons::mbOkCancel,
                         TMessageIcon::miInformation) != TMessageResult::mrOk)
        return;
    FHistory.Build({});
    SaveHistory();
}

// ---------------------------------------------------------------------------------------
// The command line and dropped files

std::string TMainForm::ResolveDocumentName(const std::string& Name) {
    if (IsShortcutFile(Name)) return FS.Shell.ShortcutTarget(Name);
    if (Name.size() >= 2 && Name[0] == '\\' && Name[1] == '\\') return Name;
    return FS.Shell.LongPathName(Name);
}

void TMainForm::ProcessCommandLine(const std::vector<std::string>& Params) {
    if (Params.empty()) return;
    const int EntryMode = FEditMode;
    const TCommandLine Line = ReadCommandLine(
        Params, EntryMode, [this](const std::string& Name) { return FS.Files.Exists(Name); });
    FEditMode = Line.EditMode;
    if (Line.PrintOnStart) FPrintOnStart = true;
    if (Line.Document >= 0) {
        const std::string Document = ResolveDocumentName(Params[static_cast<std::size_t>(Line.Document)]);
        if (FOptions.NotDoubleOpen && FWindows.FindInstanceWithFile(Document)) {
            FTerminated = true;
            return;
        }
        if (!Document.empty() && FS.Files.Exists(Document)) OpenFile(Document);
        if (FPrintOnStart && OnPrintOnStart) {
            OnPrintOnStart();
            FTerminated = true;
            return;
        }
        for (const std::string& File : Line.FurtherFiles) OpenInNewProcess(File);
        return;
    }
    if (FEditMode != EntryMode) {
        ShowEditMode();
        ApplyEditMode(true);
    }
}

void TMainForm::DropFiles(const std::vector<std::string>& Files) {
    FHost.BringToFront();
    const std::string Program = ExtractFileName(FS.Shell.ProgramFileName());
    auto Resolve = [this](const std::string& Name) {
        if (IsShortcutFile(Name)) {
            std::string Target = FS.Shell.ShortcutTarget(Name);
            if (!Target.empty()) return Target;
        }
        return Name;
    };
    auto Usable = [&](const std::string& Name) {
        return FS.Files.Exists(Name) && !SameFileName(ExtractFileName(Name), Program);
    };
    std::size_t First = 0;
    if (!HoldsDocument() && !Files.empty()) {
        const std::string Name = Resolve(Files[0]);
        if (Usable(Name)) OpenFile(Name);
        First = 1;
    }
    for (std::size_t I = First; I < Files.size(); ++I) {
        const std::string Name = Resolve(Files[I]);
        if (Usable(Name)) OpenInNewProcess(Name);
    }
}

// ---------------------------------------------------------------------------------------
// Help

std::string TMainForm::HelpFileName() const {
    return ExtractFileDir(FS.Shell.ProgramFileName()) + "\\help\\index.html";
}

void TMainForm::HelpMenuPopup() {
    FMainMenu.Find("Menu_Help")->Caption =
        FS.Files.Exists(HelpFileName()) ? "ヘルプ(&H)..." : "オンラインヘルプ(&H)...";
}

void TMainForm::HelpClick() {
    const std::string Local = HelpFileName();
    FS.Shell.Execute("open", FS.Files.Exists(Local) ? Local : std::string(HelpPageUrl), std::string(),
                     std::string());
}
