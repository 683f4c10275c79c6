#pragma once
// The main window's find, replace and go-to-line commands and the last search they
// share.  Construction connects the commands (Find2, mFindUp, mFindDown, N7, mRowJmp)
// to the main window's menu.
#include "editor/search_engine.h"
#include "search/editor_search.h"

#include <string>

class TEditor;
class TMainForm;
class TMainFormHost;
class TMessageBox;
class TProfileFile;
class TSearchDialogs;

struct TSearchServices {
    TMainForm& Form;
    TEditor& Editor;
    TMainFormHost& Host;
    TMessageBox& Messages;
    TSearchDialogs& Dialogs;
};

class TSearchCommands {
public:
    explicit TSearchCommands(const TSearchServices& Services);
    TSearchCommands(const TSearchCommands&) = delete;
    TSearchCommands& operator=(const TSearchCommands&) = delete;

    // The last search: the pattern as typed, its options, and whether the pattern and
    // the replacement have their escapes expanded before use.
    std::string LastSearchText;
    std::string LastReplaceText;
    TSearchOptions LastSearchOptions = TSearchOptions();
    bool LastSearchEscapes = false;

    // Request -1 takes the direction from the settings, 0 up, 1 down.  Text and Options
    // are cleared first; true when the dialog accepted a text.
    bool ExecuteFindDialog(int Request, std::string& Text, TSearchOptions& Options);
    bool ExecuteReplaceDialog(std::string& Search, std::string& Replace, TSearchOptions& Options);
    bool ExecuteJumpDialog(int& Number);

    // Searches from the editor's selection with the last search; the match becomes the
    // selection and is scrolled into place.  Beeps and returns false when nothing is found.
    bool DoFindNext();
    // The newest search from the settings file.
    void LoadLastSearch();
    // Replaces the editor's selection (the current match) by the replacement.
    void ReplaceFound();

    void Find2Click();
    void mFindUpClick() { RepeatFind(false); }
    void mFindDownClick() { RepeatFind(true); }
    void N7Click();
    void mRowJmpClick();

private:
    void RepeatFind(bool Down);
    std::string Expanded(const std::string& Text) const;
    TProfileFile& File();

    TSearchServices FS;
    TEditorTextSearch FSearch;
};
