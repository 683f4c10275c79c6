#include "app/tools/browse_folder_dlg.h"

std::string TMxBrowseFolderDlg::Prompt() const {
    return TextLine2.empty() ? TextLine1 : TextLine1 + "\n" + TextLine2;
}

bool TMxBrowseFolderDlg::Execute() {
    TFolderBrowseRequest Request;
    Request.Owner = FOwner;
    Request.Caption = Caption;
    Request.Prompt = Prompt();
    Request.Directory = Directory;
    Request.ShowSelectDir = ShowSelectDir;
    std::string Chosen;
    if (!FBrowser.Browse(Request, Chosen)) return false;
    Directory = Chosen;
    return true;
}
