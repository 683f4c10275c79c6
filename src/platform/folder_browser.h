#pragma once
// The shell's folder browser: file-system folders only, owned by a window.
#include "platform/desktop.h"

#include <string>

struct TFolderBrowseRequest {
    TWindowHandle Owner = 0;
    std::string Caption;   // the window's title
    std::string Prompt;    // the text above the tree, lines separated by a line feed
    std::string Directory; // the folder selected at the start
    // Shows the selected folder's path as the status text under the prompt.
    bool ShowSelectDir = true;
};

class TFolderBrowser {
public:
    virtual ~TFolderBrowser() = default;
    // Shows the browser, centred on the screen; true with the chosen folder's path in
    // Chosen, false when cancelled or when the shell cannot show it.
    virtual bool Browse(const TFolderBrowseRequest& Request, std::string& Chosen) = 0;
};
