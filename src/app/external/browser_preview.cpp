// Browser preview: the browser menu items and buttons, and showing the saved document in
// a running browser over DDE or in a newly started one.
#include "app/external/external_commands.h"

#include "app/external/about_box.h"
#include "app/main_form.h"
#include "base/file_name.h"
#include "base/shift_jis.h"
#include "platform/dde_client.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/shell.h"

#include <functional>

namespace {

constexpr int HtmlEditMode = 1;
constexpr int BrowserSpacerWidth = 8;

// The browser's program path as its DDE service application names it: lower case,
// every ".exe" taken out.
std::string ServiceProgram(const std::string& Path) {
    std::string Program = AnsiLowerCaseAscii(Path);
    const std::string Exe = ".exe";
    for (std::size_t At; (At = SjisFind(Program, Exe)) != std::string::npos;) Program.erase(At, Exe.size());
    return Program;
}

bool IsInternetExplorerWindow(const TTopLevelWindow& W) { return W.ClassName == "IEFrame"; }

bool IsNetscapeWindow(const TTopLevelWindow& W) {
    auto Has = [&W](const char* Part) { return SjisFind(W.Caption, Part) != std::string::npos; };
    return Has("Netscape") && !Has("Netscape フォルダ") && !Has("Netscape ニュースグループ") &&
           !Has("Netscape Composer");
}

// A program's parameter that is one file name, quoted when it holds a blank.
std::string FileParameter(const std::string& FileName) {
    return FileName.find(' ') == std::string::npos ? FileName : "\"" + FileName + "\"";
}

} // namespace

// What tells the two browsers apart.
struct TExternalCommands::TBrowser {
    std::string Path;
    const char* MenuItem;
    const char* FailureText;
    const char* Service;
    bool (*IsBrowserWindow)(const TTopLevelWindow&);
    std::string (*ServiceApplication)(const std::string& Path, const std::string& FileName);
    std::string (*OpenUrlItem)(const std::string& FileName);
};

void TExternalCommands::UpdateBrowserCommands() {
    const TOptionRecord& O = FS.Form.Options();
    const bool Html = FS.Form.EditMode() == HtmlEditMode;
    const bool Show = O.Browser.Menu == 1 || (O.Browser.Menu == 0 && Html && !O.HtmlDocFilter.empty());
    TMenuItem& Menu = FS.Form.MainMenu();
    TMenuItem* IE = Menu.Find("Menu_IE");
    TMenuItem* NN = Menu.Find("Menu_NN");
    TMenuItem* Bar = Menu.Find("Menu_BwBar");
    IE->Enabled = Show && !O.Browser.IePath.empty();
    NN->Enabled = Show && !O.Browser.NnPath.empty();
    IE->Visible = NN->Visible = Bar->Visible = Show;
    const bool Buttons = O.Browser.Menu == 1 || (O.Browser.Menu == 0 && Html);
    FS.Host.SetToolButtonVisible("tbIE", Buttons);
    FS.Host.SetToolButtonVisible("tbNN", Buttons);
    FS.Host.SetToolButtonVisible("tbBwSp", Buttons);
    FS.Host.SetToolSeparatorWidth("tbBwSp", Buttons ? BrowserSpacerWidth : 0);
}

void TExternalCommands::OpenInInternetExplorer(const std::string& FileName) {
    const TBrowser IE{
        FS.Form.Options().Browser.IePath, "Menu_IE",
        "Internet Explorer の起動に失敗しました。パスの設定を確認して下さい。", "Iexplore",
        IsInternetExplorerWindow,
        [](const std::string& Path, const std::string&) {
            return "\"" + ServiceProgram(Path) + "\" -nohome";
        },
        [](const std::string& File) { return "\"file:" + File + "\",,-1,,,,,"; }};
    OpenInBrowser(IE, FileName);
}

void TExternalCommands::OpenInNetscape(const std::string& FileName) {
    const TBrowser NN{
        FS.Form.Options().Browser.NnPath, "Menu_NN",
        "Netscape Navigator の起動に失敗しました。パスの設定を確認して下さい。", "Netscape",
        IsNetscapeWindow,
        [](const std::string& Path, const std::string& File) {
            return "\"" + ServiceProgram(Path) + "\" \"file:///" + File;
        },
        [](const std::string& File) { return "\"file:///" + File + "\",,0xFFFFFFFF,0x3,,,"; }};
    OpenInBrowser(NN, FileName);
}

void TExternalCommands::OpenInBrowser(const TBrowser& Browser, std::string FileName) {
    if (Browser.Path.empty()) {
        FS.Window.Beep();
        return;
    }
    UpdateBrowserCommands();
    if (!FS.Form.MainMenu().Find(Browser.MenuItem)->Enabled) return;
    if (!FS.Files.Exists(Browser.Path)) {
        Failure(Browser.FailureText);
        return;
    }
    if (!SaveBeforeExternal(FS.Form.Options().Browser.Save)) return;
    // An untitled document has the name it was just saved under; one still without a
    // name has no file to show.
    if (FileName.empty()) FileName = FS.Form.CurrentFileName();
    if (FileName.empty()) {
        FS.Window.Beep();
        return;
    }
    for (const TTopLevelWindow& W : FS.Desktop.TopLevelWindows()) {
        if (!W.Visible || !W.Enabled || !Browser.IsBrowserWindow(W)) continue;
        FS.Desktop.Show(W.Handle, FS.Desktop.IsMaximized(W.Handle));
        FS.Desktop.SetForeground(W.Handle);
        const std::string Application = Browser.ServiceApplication(Browser.Path, FileName);
        std::string Answer;
        const bool Shown = FS.Dde.OpenLink(Browser.Service, "WWW_OpenURL", Application) &&
                           FS.Dde.RequestData(Browser.OpenUrlItem(FileName), Answer);
        if (Shown && FS.Dde.OpenLink(Browser.Service, "WWW_Activate", Application))
            FS.Dde.RequestData("0xFFFFFFFF,0x0", Answer);
        FS.Dde.CloseLink();
        // A browser that did not take the file is a failure the user is told of.
        if (!Shown) Failure(Browser.FailureText);
        return;
    }
    if (FS.Shell.Execute("open", Browser.Path, FileParameter(FileName), ExtractFileDir(FileName)) <= 32)
        Failure(Browser.FailureText);
}

void TExternalCommands::Failure(const std::string& Text) {
    FS.Messages.Show(Text, ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
}
