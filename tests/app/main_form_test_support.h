#pragma once
// A main window without a window: the model with a recording host, an in-memory disk and
// settings file, a fake desktop and shell.
#include "app/main_form.h"
#include "app/status_bar.h"
#include "editor/editor.h"
#include "support/headless_editor.h"
#include "platform/headless/fake_desktop.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/ini_profile_file.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/recording_message_box.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TFakeMainFormHost : public TMainFormHost {
public:
    TWindowHandle Self = 0;
    std::string CaptionText = "Zefnote";
    std::string FilePath;
    std::vector<std::string> Panels = std::vector<std::string>(StatusPanelCount);
    int HintWidth = 205;
    bool StatusBar = true, ToolBar = true, Flat = false, Panel1 = true;
    TWindowPlacement Place{{100, 80, 800, 600}, false};
    int WaitDepth = 0, MaxWaitDepth = 0;
    int Beeps = 0;
    bool Shift = false;
    bool Closed = false, Terminated = false, InputMethodOpened = false;
    // Answers of the file dialogs, in order; an empty name cancels.
    std::deque<std::string> OpenAnswers, SaveAnswers;
    std::vector<TFileDialogParams> OpenRequests, SaveRequests;
    std::string FontAnswer;
    int FontSizeAnswer = 0;
    TFontDialogParams FontRequest;

    TWindowHandle Handle() override { return Self; }
    std::string Caption() override { return CaptionText; }
    void SetCaption(const std::string& Text) override { CaptionText = Text; }
    void SetFilePathText(const std::string& Text) override { FilePath = Text; }
    std::string StatusText(int Panel) override { return Panels.at(static_cast<std::size_t>(Panel)); }
    void SetStatusText(int Panel, const std::string& Text) override {
        Panels.at(static_cast<std::size_t>(Panel)) = Text;
    }
    void SetHintPanelWidth(int Width) override { HintWidth = Width; }
    bool StatusBarVisible() override { return StatusBar; }
    void SetStatusBarVisible(bool Value) override { StatusBar = Value; }
    void SetToolBarVisible(bool Value) override { ToolBar = Value; }
    bool ToolBarFlat() override { return Flat; }
    void SetToolBarFlat(bool Value) override { Flat = Value; }
    void SetPanel1Visible(bool Value) override { Panel1 = Value; }
    int Width() override { return Place.Bounds.Width; }
    TWindowPlacement Placement() override { return Place; }
    void SetBounds(int Left, int Top, int W, int H) override { Place.Bounds = {Left, Top, W, H}; }
    void Maximize() override { Place.Maximized = true; }
    TWindowRect WorkArea() override { return {0, 0, 1024, 738}; }
    void SetWaitCursor(bool Value) override {
        WaitDepth += Value ? 1 : -1;
        if (WaitDepth > MaxWaitDepth) MaxWaitDepth = WaitDepth;
    }
    void Beep() override { ++Beeps; }
    bool ShiftDown() override { return Shift; }
    void ProcessMessages() override {}
    void BringToFront() override {}
    void OpenInputMethod() override { InputMethodOpened = true; }
    bool ExecuteOpenDialog(TFileDialogParams& Params) override {
        return Answer(OpenAnswers, OpenRequests, Params);
    }
    bool ExecuteSaveDialog(TFileDialogParams& Params) override {
        return Answer(SaveAnswers, SaveRequests, Params);
    }
    bool ExecuteFontDialog(TFontDialogParams& Params) override {
        FontRequest = Params;
        if (FontAnswer.empty()) return false;
        Params.Name = FontAnswer;
        Params.Size = FontSizeAnswer;
        return true;
    }
    void Close() override { Closed = true; }
    void Terminate() override { Terminated = true; }

private:
    static bool Answer(std::deque<std::string>& Answers, std::vector<TFileDialogParams>& Requests,
                       TFileDialogParams& Params) {
        Requests.push_back(Params);
        if (Answers.empty()) return false;
        std::string Name = Answers.front();
        Answers.pop_front();
        if (Name.empty()) return false;
        Params.FileName = Name;
        return true;
    }
};

class TFakeShell : public TShell {
public:
    struct TRun {
        std::string Verb, File, Parameters, Directory;
    };
    std::vector<TRun> Runs;
    std::string Program = "C:\\Zefnote\\Zefnote.exe";
    std::map<std::string, std::string> Shortcuts;
    std::map<std::string, std::string> LongNames;
    std::map<std::string, std::string> ShortNames;
    // What Execute answers: above 32 the program started.
    int Result = 42;

    int Execute(const std::string& Verb, const std::string& File, const std::string& Parameters,
                const std::string& Directory) override {
        Runs.push_back({Verb, File, Parameters, Directory});
        return Result;
    }
    std::string ProgramFileName() override { return Program; }
    std::string ShortcutTarget(const std::string& Link) override {
        auto It = Shortcuts.find(Link);
        return It == Shortcuts.end() ? std::string() : It->second;
    }
    std::string LongPathName(const std::string& Path) override {
        auto It = LongNames.find(Path);
        return It == LongNames.end() ? Path : It->second;
    }
    std::string ShortPathName(const std::string& Path) override {
        auto It = ShortNames.find(Path);
        return It == ShortNames.end() ? std::string() : It->second;
    }
};

struct MainFormFixture : ::testing::Test {
    static constexpr const char* IniName = "C:\\Zefnote\\Zefnote.INI";
    TMemoryFileSystem Files;
    TIniProfileFile Ini{Files, IniName};
    TFakeDesktop Desktop;
    TFakeShell Shell;
    TRecordingMessageBox Messages;
    TFakeMainFormHost Host;
    THeadlessEditor Headless;
    TEditor& Editor = Headless.E();
    THeadlessClipboard& Clipboard = Headless.Clipboard;
    std::unique_ptr<TMainForm> Form;

    MainFormFixture() {
        Host.Self = Desktop.AddWindow("TZefnoteMainForm", "無題 - Zefnote");
    }

    TMainForm& Create(const std::vector<std::string>& Params = {}) {
        Form = std::make_unique<TMainForm>(
            TMainFormServices{Host, Editor, Messages, Files, Ini, Desktop, Shell, nullptr});
        Form->FormCreate(Params);
        return *Form;
    }
    void Type(const std::string& Text) {
        for (char C : Text) Editor.KeyPress(C);
    }
    TMenuItem& Item(const char* Name) { return *Form->MainMenu().Find(Name); }
    // Opens the menu that holds Item (as the window does before showing it) and chooses it.
    void Choose(const char* Name) {
        TMenuItem& I = Item(Name);
        for (TMenuItem* P = I.Parent(); P; P = P->Parent()) P->Popup();
        TMenuItem& Fresh = Item(Name);
        ASSERT_TRUE(Fresh.Enabled) << Name;
        Fresh.Click();
    }
    std::string Ini_(const char* Section, const char* Key) { return Ini.ReadString(Section, Key, "?"); }
};
