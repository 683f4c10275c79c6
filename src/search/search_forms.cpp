#include "search/search_forms.h"

#include "app/app_info.h"
#include "app/settings/profile_values.h"
#include "editor/editor.h"
#include "platform/message_box.h"
#include "search/search_history.h"
#include "search/search_text.h"

#include <cerrno>
#include <cstdlib>
#include <climits>

TSearchOptions TSearchFormBase::BoxOptions() const {
    TSearchOptions Options = TSearchOptions();
    if (WholeWord) Options |= TSearchOption::soWholeWord;
    if (MatchCase) Options |= TSearchOption::soMatchCase;
    if (Direction == 1) Options |= TSearchOption::soDown;
    return Options;
}

void TSearchFormBase::ReadSettings() {
    FAcceptedText.clear();
    Items = ReadSearchHistory(FFile, SearchTextSection);
    MatchCase = ReadBool(FFile, SearchOptionsSection, "MatchCase", false);
    WholeWord = ReadBool(FFile, SearchOptionsSection, "WholeWord", false);
    Esc = ReadBool(FFile, SearchOptionsSection, "Esc", false);
    Direction = ReadInteger(FFile, SearchOptionsSection, "Direction", 1) == 0 ? 0 : 1;
}

void TSearchFormBase::TakeSelection(TEditor& Editor) {
    if (Editor.Selected() && Editor.SelLength() == 0) Editor.CleanSelection();
    if (Editor.Selected()) {
        bool Escaped = false;
        Text = SelectionToSearchText(Editor.SelText(), Escaped);
        if (Escaped) Esc = true;
    } else if (!Items.empty()) {
        Text = Items.front();
    }
}

void TSearchFormBase::AcceptSearchText() {
    if (Text.empty()) return;
    FAcceptedText = Text;
    AddToSearchHistory(Items, Text);
}

void TSearchFormBase::WriteOptions() {
    WriteBool(FFile, SearchOptionsSection, "MatchCase", MatchCase);
    WriteBool(FFile, SearchOptionsSection, "WholeWord", WholeWord);
    WriteBool(FFile, SearchOptionsSection, "Esc", Esc);
    WriteInteger(FFile, SearchOptionsSection, "Direction", Direction);
}

bool TSearchFormBase::ConfirmHistoryDelete(const char* Text) {
    return FMessages.Show(Text, ApplicationTitle, TMessageButtons::mbOkCancel, TMessageIcon::miInformation) ==
           TMessageResult::mrOk;
}

bool TSearchFormBase::btSchHisDelClick() {
    if (!ConfirmHistoryDelete("すべての検索履歴を削除します。")) return false;
    Items.clear();
    Text.clear();
    FFile.EraseSection(SearchTextSection);
    return true;
}

void TFormSearch::Show(TEditor& Editor, int Request) {
    Text.clear();
    ReadSettings();
    if (Request == 0 || Request == 1) Direction = Request;
    TakeSelection(Editor);
}

void TFormSearch::btOKClick() {
    AcceptSearchText();
    WriteSearchHistory(FFile, SearchTextSection, Items);
    WriteOptions();
}

void TFormReplace::Show(TEditor& Editor) {
    Text.clear();
    ReplaceText.clear();
    FAcceptedReplace.clear();
    FButton = TSearchOptions();
    ReadSettings();
    ReplaceItems = ReadSearchHistory(FFile, ReplaceTextSection);
    ReplaceConfirm = ReadBool(FFile, SearchOptionsSection, "ReplaceConfirm", true);
    TakeSelection(Editor);
}

TSearchOptions TFormReplace::Options() const {
    TSearchOptions Result = FButton | BoxOptions();
    if (ReplaceConfirm) Result |= TSearchOption::soReplaceConfirm;
    return Result;
}

void TFormReplace::Accept(TSearchOption Button) {
    AcceptSearchText();
    if (!ReplaceText.empty()) {
        FAcceptedReplace = ReplaceText;
        AddToSearchHistory(ReplaceItems, ReplaceText);
    }
    WriteSearchHistory(FFile, SearchTextSection, Items);
    WriteSearchHistory(FFile, ReplaceTextSection, ReplaceItems);
    WriteOptions();
    WriteBool(FFile, SearchOptionsSection, "ReplaceConfirm", ReplaceConfirm);
    FButton = Button;
}

bool TFormReplace::btRepHisDelClick() {
    if (!ConfirmHistoryDelete("すべての置換履歴を削除します。")) return false;
    ReplaceItems.clear();
    ReplaceText.clear();
    FFile.EraseSection(ReplaceTextSection);
    return true;
}

int TFormJump::Number() const {
    if (Text.empty()) return 0;
    const char* Start = Text.c_str();
    char* End = nullptr;
    errno = 0;
    const long Value = std::strtol(Start, &End, 10);
    if (End == Start || *End != '\0' || errno == ERANGE || Value < INT_MIN || Value > INT_MAX) return 0;
    return static_cast<int>(Value);
}
