#pragma once
// Handing the document to other programs: browser preview in Internet Explorer or
// Netscape Navigator (a running browser is asked over DDE, else the browser is started
// with the file), the user's external tools of the Tools menu with the placeholders of
// their parameters, the save rule both follow first, and the about box.
#include "app/settings/settings_lists.h"

#include <string>

class TAboutBox;
class TDdeClient;
class TDesktop;
class TEditor;
class TFileSystem;
class TMainForm;
class TMainFormHost;
class TMenuItem;
class TMessageBox;
class TShell;

// What the commands need of the main window beyond its model's host: the tool-bar
// buttons of the browsers and the about box.
class TExternalHost {
public:
    virtual ~TExternalHost() = default;
    // The tool-bar button (or separator) Name shown or hidden.
    virtual void SetToolButtonVisible(const std::string& Name, bool Visible) = 0;
    // The width in pixels of the tool-bar separator Name.
    virtual void SetToolSeparatorWidth(const std::string& Name, int Width) = 0;
    // Shows the about box modally; true when it closed with OK.
    virtual bool ShowAboutBox(TAboutBox& Box) = 0;
};

struct TExternalServices {
    TMainForm& Form;
    TMainFormHost& Window;
    TExternalHost& Host;
    TEditor& Editor;
    TMessageBox& Messages;
    TFileSystem& Files;
    TDesktop& Desktop;
    TShell& Shell;
    TDdeClient& Dde;
};

// The save rules of "Save" (section "Browser") and of each tool.
enum TSaveBeforeExternal { sbSave = 0, sbAsk = 1, sbNoSave = 2 };

class TExternalCommands {
public:
    // Connects the browser, tool and about commands to Services.Form and follows its
    // settings and edit mode.
    explicit TExternalCommands(const TExternalServices& Services);
    TExternalCommands(const TExternalCommands&) = delete;
    TExternalCommands& operator=(const TExternalCommands&) = delete;

    // Visibility and enabling of the browser menu items, buttons and spacer.
    void UpdateBrowserCommands();
    // Saves by Mode (TSaveBeforeExternal); false when the caller is not to go on.
    bool SaveBeforeExternal(int Mode);
    // Shows FileName (the document's name when the command ran; empty for an untitled
    // one, which then takes the name it is saved under) in the browser.
    void OpenInInternetExplorer(const std::string& FileName);
    void OpenInNetscape(const std::string& FileName);
    // Runs the tool of index Index of the settings file's tool list.
    void RunTool(int Index);
    // The about box; true when it closed with OK.
    bool ShowAbout();

private:
    struct TBrowser;
    void OpenInBrowser(const TBrowser& Browser, std::string FileName);
    void Failure(const std::string& Text);

    TExternalServices FS;
};

// The parameters of a tool with %f, %F, %d and %D replaced by their values, in one pass
// from left to right: a value is never searched for placeholders itself.
struct TToolPlaceholders {
    std::string FileName, ShortFileName, Folder, ShortFolder;
};
std::string ExpandToolParameters(const std::string& Parameters, const TToolPlaceholders& Values);
