#pragma once
// TMxBrowseFolderDlg: asks the user for a folder through the shell's folder browser.
#include "platform/folder_browser.h"

#include <string>

class TMxBrowseFolderDlg {
public:
    TMxBrowseFolderDlg(TFolderBrowser& Browser, TWindowHandle Owner) : FBrowser(Browser), FOwner(Owner) {}

    std::string Caption = "フォルダの参照";
    std::string TextLine1;
    std::string TextLine2;
    // The folder selected at the start; the chosen one after a successful Execute.
    std::string Directory;
    bool ShowSelectDir = true;

    // The prompt: TextLine1, and a second line when TextLine2 is not empty.
    std::string Prompt() const;
    // True, with Directory set, when the user chose a folder.
    bool Execute();

private:
    TFolderBrowser& FBrowser;
    TWindowHandle FOwner;
};
