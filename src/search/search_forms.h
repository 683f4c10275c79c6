#pragma once
// The models of the find, replace and go-to-line dialogs: their fields, the rules that
// enable their buttons, what OK stores in the settings file.  The dialog windows show
// these fields, write back what the user changes and call the button handlers.
#include "editor/search_engine.h"

#include <string>
#include <vector>

class TEditor;
class TMessageBox;
class TProfileFile;

// What the find and replace dialogs share: the search text with its history, the
// option boxes and the direction.
class TSearchFormBase {
public:
    TSearchFormBase(TProfileFile& File, TMessageBox& Messages) : FFile(File), FMessages(Messages) {}
    virtual ~TSearchFormBase() = default;

    // ComboBox1: the text and its drop-down list.
    std::string Text;
    std::vector<std::string> Items;
    bool MatchCase = false;
    bool WholeWord = false;
    bool Esc = false;
    // RadioGroup1: 0 up, 1 down.
    int Direction = 1;

    // The text OK accepted; empty until then.
    const std::string& AcceptedText() const { return FAcceptedText; }
    // soWholeWord, soMatchCase and soDown from the boxes.
    TSearchOptions BoxOptions() const;

    bool OkEnabled() const { return !Text.empty(); }
    bool SearchHistoryDeleteEnabled() const { return !Text.empty() || !Items.empty(); }
    // "検索履歴削除(&S)": after the user's OK the history and the text are gone from the
    // dialog and the file; false when the user cancelled.
    bool btSchHisDelClick();

protected:
    // The settings the dialog starts from, and the text taken from the editor's
    // selection (or else the newest history item).
    void ReadSettings();
    void TakeSelection(TEditor& Editor);
    // The search text to the top of the history.
    void AcceptSearchText();
    void WriteOptions();
    bool ConfirmHistoryDelete(const char* Text);

    TProfileFile& FFile;
    TMessageBox& FMessages;
    std::string FAcceptedText;
};

// TFormSearch: the find dialog, "検索".
class TFormSearch : public TSearchFormBase {
public:
    using TSearchFormBase::TSearchFormBase;
    // FormShow: Request -1 takes the direction from the settings, 0 up, 1 down.
    void Show(TEditor& Editor, int Request);
    // OK: accepts the text into the history and writes the settings.
    void btOKClick();
};

// TFormReplace: the replace dialog, "置換".
class TFormReplace : public TSearchFormBase {
public:
    using TSearchFormBase::TSearchFormBase;
    // ComboBox2: the replacement and its history.
    std::string ReplaceText;
    std::vector<std::string> ReplaceItems;
    bool ReplaceConfirm = true;

    void Show(TEditor& Editor);
    const std::string& AcceptedReplace() const { return FAcceptedReplace; }
    // The bit of the button that closed the dialog (soReplaceOne or soReplaceAll) with the
    // boxes' options and soReplaceConfirm.
    TSearchOptions Options() const;

    bool ReplaceHistoryDeleteEnabled() const { return !ReplaceText.empty() || !ReplaceItems.empty(); }
    // "OK" and "すべて置換(&A)": accept both texts and write the settings.
    void btOKClick() { Accept(TSearchOption::soReplaceOne); }
    void btAllClick() { Accept(TSearchOption::soReplaceAll); }
    bool btRepHisDelClick();

private:
    void Accept(TSearchOption Button);
    std::string FAcceptedReplace;
    TSearchOptions FButton = TSearchOptions();
};

// TFormJump: the go-to-line dialog, "指定行".
class TFormJump {
public:
    explicit TFormJump(int Number) : Text(std::to_string(Number)) {}
    // Edit1.
    std::string Text;
    // The edit box read as a decimal integer; 0 when it is no number.
    int Number() const;
};
