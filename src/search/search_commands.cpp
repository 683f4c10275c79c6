#include "search/search_commands.h"

#include "app/main_form.h"
#include "app/main_form_host.h"
#include "app/main_menu.h"
#include "app/settings/profile_values.h"
#include "editor/editor.h"
#include "search/search_dialogs.h"
#include "search/search_forms.h"
#include "search/search_history.h"
#include "search/search_text.h"

TSearchCommands::TSearchCommands(const TSearchServices& Services)
    : FS(Services), FSearch(Services.Editor) {
    TMainForm& F = FS.Form;
    F.ConnectCommand(mcFind, [this](TMenuItem&) { Find2Click(); });
    F.ConnectCommand(mcFindUp, [this](TMenuItem&) { mFindUpClick(); });
    F.ConnectCommand(mcFindDown, [this](TMenuItem&) { mFindDownClick(); });
    F.ConnectCommand(mcReplace, [this](TMenuItem&) { N7Click(); });
    F.ConnectCommand(mcRowJump, [this](TMenuItem&) { mRowJmpClick(); });
}

TProfileFile& TSearchCommands::File() { return FS.Form.Store().File(); }

std::string TSearchCommands::Expanded(const std::string& Text) const {
    return LastSearchEscapes ? UnescapeSearchText(Text) : Text;
}

bool TSearchCommands::ExecuteFindDialog(int Request, std::string& Text, TSearchOptions& Options) {
    Text.clear();
    Options = TSearchOptions();
    TFormSearch Form(File(), FS.Messages);
    Form.Show(FS.Editor, Request);
    if (!FS.Dialogs.ExecuteFind(Form) || Form.AcceptedText().empty()) return false;
    Text = Form.AcceptedText();
    Options = Form.BoxOptions();
    LastSearchEscapes = Form.Esc;
    return true;
}

bool TSearchCommands::ExecuteReplaceDialog(std::string& Search, std::string& Replace,
                                           TSearchOptions& Options) {
    Search.clear();
    Replace.clear();
    Options = TSearchOptions();
    TFormReplace Form(File(), FS.Messages);
    Form.Show(FS.Editor);
    if (FS.Dialogs.ExecuteReplace(Form) == TReplaceDialogResult::rdCancel ||
        Form.AcceptedText().empty())
        return false;
    Search = Form.AcceptedText();
    Replace = Form.AcceptedReplace();
    Options = Form.Options();
    LastSearchEscapes = Form.Esc;
    return true;
}

bool TSearchCommands::ExecuteJumpDialog(int& Number) {
    TFormJump Form(Number);
    if (!FS.Dialogs.ExecuteJump(Form)) return false;
    Number = Form.Number();
    return true;
}

bool TSearchCommands::DoFindNext() {
    if (!FSearch.FindNext(Expanded(LastSearchText), LastSearchOptions)) {
        FS.Host.Beep();
        return false;
    }
    return true;
}

void TSearchCommands::LoadLastSearch() {
    TProfileFile& F = File();
    const std::vector<std::string> Items = ReadSearchHistory(F, SearchTextSection);
    if (!Items.empty()) LastSearchText = Items.front();
    LastSearchOptions = TSearchOptions();
    if (ReadBool(F, SearchOptionsSection, "WholeWord", false))
        LastSearchOptions |= TSearchOption::soWholeWord;
    if (ReadBool(F, SearchOptionsSection, "MatchCase", false))
        LastSearchOptions |= TSearchOption::soMatchCase;
    if (ReadInteger(F, SearchOptionsSection, "Direction", 1) == 1)
        LastSearchOptions |= TSearchOption::soDown;
    LastSearchEscapes = ReadBool(F, SearchOptionsSection, "Esc", false);
}

void TSearchCommands::Find2Click() {
    if (ExecuteFindDialog(-1, LastSearchText, LastSearchOptions)) DoFindNext();
}

void TSearchCommands::RepeatFind(bool Down) {
    LoadLastSearch();
    if (!LastSearchText.empty()) {
        if (Down)
            LastSearchOptions |= TSearchOption::soDown;
        else
            LastSearchOptions &= ~TSearchOption::soDown;
        DoFindNext();
    } else if (ExecuteFindDialog(Down ? 1 : 0, LastSearchText, LastSearchOptions)) {
        DoFindNext();
    }
}

void TSearchCommands::ReplaceFound() {
    const std::string R = Expanded(LastReplaceText);
    FSearch.ReplaceMatch(R, Has(LastSearchOptions, TSearchOption::soDown));
}

void TSearchCommands::N7Click() {
    if (!ExecuteReplaceDialog(LastSearchText, LastReplaceText, LastSearchOptions)) return;
    TEditor& E = FS.Editor;
    if (E.Selected()) E.SetSelLength(0);
    const std::string Pattern = Expanded(LastSearchText);
    TEditorTextSearch::TRun Run(FSearch);
    for (;;) {
        if (!FSearch.FindNext(Pattern, LastSearchOptions)) {
            FS.Host.Beep();
            break;
        }
        if (Has(LastSearchOptions, TSearchOption::soReplaceConfirm)) {
            int X = 0, Y = 0;
            E.CaretPixelPos(X, Y);
            const TReplaceAnswer Answer = FS.Dialogs.ConfirmReplace(X, Y, E.RowHeight());
            if (Answer == TReplaceAnswer::raCancel) break;
            if (Answer == TReplaceAnswer::raYes) ReplaceFound();
            if (Answer == TReplaceAnswer::raAll) {
                ReplaceFound();
                LastSearchOptions |= TSearchOption::soReplaceAll;
                LastSearchOptions &= ~TSearchOption::soReplaceConfirm;
            }
        } else {
            ReplaceFound();
        }
        if (!Has(LastSearchOptions, TSearchOption::soReplaceAll)) break;
    }
}

void TSearchCommands::mRowJmpClick() {
    TEditor& E = FS.Editor;
    int N = E.Row() + 1;
    if (!ExecuteJumpDialog(N)) return;
    if (N < 1) {
        FS.Host.Beep();
        return;
    }
    // The empty row after a final line break counts; an empty text has one row.
    int Limit = E.RowCount();
    if (Limit == 0)
        Limit = 1;
    else if (E.RowList().GetRowAttribute(Limit - 1) == TEditorRowAttribute::raCrlf)
        ++Limit;
    if (N > Limit) {
        FS.Host.Beep();
        return;
    }
    if (E.Selected()) E.CleanSelection();
    E.SetCol(0);
    E.SetRow(N - 1);
    ScrollFoundRow(E);
}
