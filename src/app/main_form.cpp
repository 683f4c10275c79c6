#include "app/main_form.h"

#include "app/app_title.h"
#include "base/file_name.h"
#include "editor/editor.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

#include <exception>

std::vector<std::string> SplitCommandLine(const std::string& CommandLine) {
    std::vector<std::string> Params;
    std::size_t I = 0, N = CommandLine.size();
    for (;;) {
        while (I < N && (CommandLine[I] == ' ' || CommandLine[I] == '\t'))
            ++I;
        if (I >= N) break;
        std::string Param;
        bool Quoted = false;
        for (; I < N && (Quoted || (CommandLine[I] != ' ' && CommandLine[I] != '\t')); ++I) {
            if (CommandLine[I] == '"')
                Quoted = !Quoted;
            else
                Param += CommandLine[I];
        }
        Params.push_back(Param);
    }
    return Params;
}

std::string MainFormTitle(const std::string& FileName, bool Modified, bool FullPath) {
    std::string Name = FileName.empty() ? std::string("無題")
                       : FullPath       ? FileName
                                        : ExtractFileName(FileName);
    return Name + (Modified ? " * - " : " - ") + AppTitle;
}

TEditorStrings& TMainForm::TEditorFile::Lines() {
    return FEditor.Lines();
}
TLinesHost& TMainForm::TEditorFile::LinesHost() {
    return FEditor;
}
bool TMainForm::TEditorFile::Modified() const {
    return FEditor.Modified();
}
void TMainForm::TEditorFile::SetModified(bool Value) {
    FEditor.SetModified(Value);
}

TMainForm::TMainForm(TEditor& Editor, const TServices& Services)
    : FEditor(Editor), FFiles(Services.Files), FMessages(Services.Messages), FEditorFile(Editor),
      FTextFiles(Services.Files, Services.Messages, Services.Nkf) {
    FEditor.OnChange = [this](TEditor*) { EditorChange(); };
}

TMainForm::~TMainForm() {
    FEditor.OnChange = nullptr;
}

void TMainForm::ApplyStartSettings() {
    FEditor.WrapOption().SetWrapByte(80);
    FEditor.SetWordWrap(true);
    FEditor.Marks().EofMark().SetVisible(true);
    FEditor.Marks().RetMark().SetVisible(true);
    FTextFiles.SetLoadAutoCvt(true);
}

void TMainForm::FormCreate(const std::vector<std::string>& Params) {
    ApplyStartSettings();
    SetFileName(std::string());
    ProcessCommandLine(Params);
}

void TMainForm::ProcessCommandLine(const std::vector<std::string>& Params) {
    for (const std::string& Param : Params) {
        if (Param.empty() || !FFiles.Exists(Param)) continue;
        OpenFile(Param);
        return;
    }
}

bool TMainForm::OpenFile(const std::string& FileName) {
    try {
        FTextFiles.LoadFile(FEditorFile, FileName);
    } catch (const EReadError& Error) {
        // The text was replaced before the read failed: what is in the editor is no
        // longer the old document and not the whole file either.
        if (FEditor.Modified()) SetFileName(std::string());
        EditorChange();
        ShowError(Error.what());
        return false;
    } catch (const std::exception& Error) {
        ShowError(Error.what());
        return false;
    }
    FEditor.SetRowCol(0, 0);
    SetFileName(FileName);
    return true;
}

void TMainForm::SetFileName(const std::string& Name) {
    FCurrentFileName = Name;
    SetCaption(MainFormTitle(FCurrentFileName, false, FFullPathFileName));
}

void TMainForm::SetFullPathFileName(bool Value) {
    if (Value == FFullPathFileName) return;
    FFullPathFileName = Value;
    SetCaption(MainFormTitle(FCurrentFileName, FEditor.Modified(), FFullPathFileName));
}

void TMainForm::EditorChange() {
    SetCaption(MainFormTitle(FCurrentFileName, FEditor.Modified(), FFullPathFileName));
}

void TMainForm::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    if (OnCaptionChange) OnCaptionChange(FCaption);
}

void TMainForm::ShowError(const std::string& Message) {
    FMessages.Show(Message, AppTitle, TMessageButtons::mbOk, TMessageIcon::miError);
}
