#pragma once
// The shell's folder browser (SHBrowseForFolder) behind TFolderBrowser.
#include "platform/folder_browser.h"

class TWin32FolderBrowser : public TFolderBrowser {
public:
    bool Browse(const TFolderBrowseRequest& Request, std::string& Chosen) override;
};
