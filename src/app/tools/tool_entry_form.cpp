#include "app/tools/tool_entry_form.h"

#include "base/edit_selection.h"

const TToolPlaceholder ToolPlaceholders[ToolPlaceholderCount] = {
    {"&1: ファイルのパス-長 [%f]", "%f"},
    {"&2: ファイルのパス-短 [%F]", "%F"},
    {"&3: フォルダのパス-長 [%d]", "%d"},
    {"&4: フォルダのパス-短 [%D]", "%D"},
};

bool TToolFrm::KeyAccepted(TShortCut Key) {
    return Key.IsNone() || Key.Ctrl() || Key.Alt();
}

bool TToolFrm::SetKey(TShortCut Key) {
    if (!KeyAccepted(Key)) return false;
    ToolKey = Key;
    return true;
}

void TToolFrm::Load(const TToolItem& Tool) {
    ToolName = Tool.Title;
    ToolExe = Tool.File;
    ToolOption = Tool.Param;
    ToolTemp = Tool.TmpDir;
    ToolSave = Tool.Save >= 0 && Tool.Save <= 2 ? Tool.Save : 0;
    const TShortCut Key = TextToShortCut(Tool.Key);
    ToolKey = KeyAccepted(Key) ? Key : TShortCut();
}

bool TToolFrm::OkEnabled() const {
    return ToolName == "-" || (!ToolName.empty() && !ToolExe.empty());
}

void TToolFrm::ExeBrowseClick() {
    TFileDialogParams Params;
    Params.Filter = "実行ファイル(*.exe)|*.exe|すべてのファイル(*.*)|*.*";
    Params.FileName = ToolExe;
    if (FHost.ExecuteOpenDialog(Params)) ToolExe = Params.FileName;
}

void TToolFrm::FolderBrowseClick() {
    TMxBrowseFolderDlg Dialog(FFolders, FHost.Handle());
    Dialog.Caption = "フォルダの参照";
    Dialog.TextLine1 = "作業フォルダを指定して下さい";
    Dialog.Directory = ToolTemp;
    if (Dialog.Execute()) ToolTemp = Dialog.Directory;
}

int TToolFrm::PlaceholderClick(int Entry, int SelStart, int SelLength) {
    if (Entry < 0 || Entry >= ToolPlaceholderCount) return SelStart;
    return ReplaceSelectedText(ToolOption, SelStart, SelLength, ToolPlaceholders[Entry].Placeholder);
}

void TToolFrm::Store(TToolItem& Tool) const {
    Tool = TToolItem();
    Tool.Title = ToolName;
    if (ToolName == "-") return;
    Tool.File = ToolExe;
    Tool.Param = ToolOption;
    Tool.TmpDir = ToolTemp;
    Tool.Save = ToolSave;
    Tool.Key = ShortCutToText(ToolKey);
}

bool ExecuteToolDialog(TToolItem& Tool, TToolFrmHost& Host, TFolderBrowser& Folders, int Left, int Top) {
    TToolFrm Form(Host, Folders);
    Form.Load(Tool);
    if (!Host.ShowModal(Form, Left, Top) || !Form.OkEnabled()) return false;
    Form.Store(Tool);
    return true;
}
