#include "app/transform_commands.h"

#include "app/main_form.h"
#include "app/transforms.h"
#include "codec/width_convert.h"
#include "editor/editor.h"

namespace {

const char* const CrLf = "\r\n";

bool HasLineBreak(const std::string& Text) { return Text.find(CrLf) != std::string::npos; }

} // namespace

TTransformCommands::TTransformCommands(TMainForm& Form, TMainFormHost& Host, TEditor& Editor)
    : FForm(Form), FHost(Host), FEditor(Editor) {
    Form.ConnectCommand(mcLower, [this](TMenuItem&) { ReplaceAndReselect(CaseAllowed(), CodePageLowerCase); });
    Form.ConnectCommand(mcUpper, [this](TMenuItem&) { ReplaceAndReselect(CaseAllowed(), CodePageUpperCase); });
    Form.ConnectCommand(mcHankaku, [this](TMenuItem&) { ReplaceAndReselect(WidthAllowed(), ZenkakuToHankaku); });
    Form.ConnectCommand(mcZenkaku, [this](TMenuItem&) { ReplaceAndReselect(WidthAllowed(), HankakuToZenkaku); });
    Form.ConnectCommand(mcDeleteReturns, [this](TMenuItem&) { ReplaceAndReselect(BlockAllowed(), DeleteLineBreaks); });
    Form.ConnectCommand(mcTabIndent, [this](TMenuItem&) { IndentClick(IndentAllowed(), &TEditor::TabIndentSelection); });
    Form.ConnectCommand(mcUnTabIndent, [this](TMenuItem&) { IndentClick(IndentAllowed(), &TEditor::UnTabIndentSelection); });
    Form.ConnectCommand(mcIndent, [this](TMenuItem&) { IndentClick(IndentAllowed(), &TEditor::IndentSelection); });
    Form.ConnectCommand(mcUnIndent, [this](TMenuItem&) { IndentClick(IndentAllowed(), &TEditor::UnindentSelection); });
    Form.ConnectCommand(mcWrapToReturns, [this](TMenuItem&) { WrapToReturnsClick(); });
    Form.ConnectCommand(mcInyouPaste, [this](TMenuItem&) { InyouPasteClick(); });
    Form.ConnectCommand(mcLineDel, [this](TMenuItem&) { LineDelClick(); });

    Form.MainMenu().Find("mHenkan")->OnPopup = [this](TMenuItem& Menu) { HenkanPopup(Menu); };
    Form.PopupMenu().Find("pHenkan")->OnPopup = [this](TMenuItem& Menu) { HenkanPopup(Menu); };

    // The window indents on Return itself; the editor only breaks the line.
    Form.EditorProp1().Caret().SetAutoIndent(false);
    Editor.Caret().SetAutoIndent(false);
    Editor.OnKeyPress = [this](TEditor*, char& Key) { EditorKeyPress(Key); };
}

// ---------------------------------------------------------------------------------------
// Conditions

bool TTransformCommands::CaseAllowed() {
    const int L = FEditor.SelLength();
    return L > 0 && L <= CaseLimit && !FEditor.BoxMode();
}

bool TTransformCommands::WidthAllowed() {
    const int L = FEditor.SelLength();
    return L > 0 && L <= WidthLimit && !FEditor.BoxMode();
}

bool TTransformCommands::BlockAllowed() {
    const int L = FEditor.SelLength();
    return L > 0 && L <= BlockLimit && !FEditor.BoxMode();
}

// The selected text is fetched only when it is short enough to be indented.
bool TTransformCommands::IndentAllowed() {
    const int L = FEditor.SelLength();
    return L > 0 && L <= BlockLimit && HasLineBreak(FEditor.SelText());
}

bool TTransformCommands::WrapToReturnsAllowed() {
    const TOptionRecord& O = FForm.Options();
    return O.WordWrap && O.FollowRetMark && BlockAllowed();
}

// Both the Edit menu's submenu (names with "m") and the context menu's (names with "p").
void TTransformCommands::HenkanPopup(TMenuItem& Menu) {
    const std::string P = Menu.Name == "mHenkan" ? "m" : "p";
    auto Item = [&](const char* Name) -> TMenuItem& { return *Menu.Find(P + Name); };
    const bool Case = CaseAllowed(), Width = WidthAllowed(), Indent = IndentAllowed();
    Item("Lower").Enabled = Item("Upper").Enabled = Case;
    Item("Hankaku").Enabled = Item("Zenkaku").Enabled = Width;
    for (const char* Name : {"TabIndent", "UnTabIndent", "Indent", "UnIndent"}) Item(Name).Enabled = Indent;
    Item("WorpRet").Enabled = WrapToReturnsAllowed();
    Item("DelRet").Enabled = BlockAllowed();
    Item("TabIndent").Caption = "TAB インデント(&T)\tTab";
    Item("UnTabIndent").Caption = "TAB 逆インデント(&A)\tShift+Tab";
}

// ---------------------------------------------------------------------------------------
// Commands

template <typename TConvert> void TTransformCommands::ReplaceAndReselect(bool Allowed, TConvert Convert) {
    if (!Allowed || FEditor.ReadOnly()) return FHost.Beep();
    const int Start = FEditor.SelStart();
    const std::string Converted = Convert(FEditor.SelText());
    // Setting an empty text leaves the selection in place: such a result deletes it.
    if (Converted.empty())
        FEditor.DeleteSelection();
    else
        FEditor.SetSelText(Converted);
    FEditor.SetSelStart(Start);
    FEditor.SetSelLength(static_cast<int>(Converted.size()));
}

void TTransformCommands::IndentClick(bool Allowed, void (TEditor::*Operation)()) {
    if (!Allowed || FEditor.ReadOnly()) return FHost.Beep();
    (FEditor.*Operation)();
}

void TTransformCommands::WrapToReturnsClick() {
    if (!WrapToReturnsAllowed() || FEditor.ReadOnly()) return FHost.Beep();
    FEditor.ConvertWrapToReturns();
}

void TTransformCommands::InyouPasteClick() {
    std::string Clip;
    if (FEditor.ReadOnly() || !FEditor.ClipboardText(Clip) || Clip.empty()) return FHost.Beep();
    FEditor.SetSelText(QuotedText(Clip, FForm.Options().PasteInyouhu));
}

void TTransformCommands::LineDelClick() {
    if (FEditor.ReadOnly() || FEditor.Row() >= FEditor.RowCount()) return FHost.Beep();
    FEditor.DeleteRow(FEditor.Row());
}

// ---------------------------------------------------------------------------------------
// Keys

void TTransformCommands::EditorKeyPress(char& Key) {
    if (Key == '\t') {
        TabKey();
        Key = 0;
    } else if (Key == '\r' && ReturnKey()) {
        Key = 0;
    }
}

void TTransformCommands::TabKey() {
    if (FEditor.ReadOnly()) return;
    const std::string Selected = FEditor.SelText();
    if (!HasLineBreak(Selected)) return FEditor.SetSelText("\t");
    if (FEditor.SelLength() > BlockLimit) return;
    if (FHost.ShiftDown())
        FEditor.UnTabIndentSelection();
    else
        FEditor.TabIndentSelection();
}

// False leaves the key to the editor, which breaks the line without indenting.
bool TTransformCommands::ReturnKey() {
    if (FForm.Options().AutoIndent == FHost.ShiftDown() || FEditor.ReadOnly()) return false;
    const int Row = FEditor.Row();
    const int Line = FEditor.RowToLine(Row);
    const int Pos = FEditor.RowColToLinePos(Row, FEditor.Col());
    if (Pos < 1) return false;
    const std::string Text = FEditor.Lines().Get(Line);
    FEditor.SetSelText(CrLf + Text.substr(0, static_cast<std::size_t>(LeadingBlankBytes(Text, Pos))));
    return true;
}
