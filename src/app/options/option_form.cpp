#include "app/options/option_form.h"

#include "app/app_info.h"
#include "app/edit_mode.h"
#include "app/settings/option_keys.h"
#include "platform/file_system.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace {

using K = TOptionControlKind;

const int DefaultWrapWidth = TEditorWrapOption::DefaultWrapByte;

// The colour of each key of section "Color".
std::map<std::string, TColor*> ColorFields(TOptionColors& Colors) {
    std::map<std::string, TColor*> Fields;
    VisitColorKeys(Colors, [&Fields](const char* Key, TColor& Color) { Fields[Key] = &Color; });
    return Fields;
}

// Walks every key of the option record that the dialog edits.
template <typename TVisit> void VisitDialogKeys(TOptionRecord& R, TVisit&& Visit) {
    VisitOptionKeys(R, Visit);
    VisitBrowserKeys(R, Visit);
    VisitJCodeKeys(R, Visit);
}

// A whole decimal number, sign allowed; false for anything else.
bool ParseInteger(const std::string& Text, int& Value) {
    if (Text.empty() || Text.size() > 9) return false;
    std::size_t I = Text[0] == '-' ? 1 : 0;
    if (I == Text.size()) return false;
    for (std::size_t J = I; J < Text.size(); ++J)
        if (Text[J] < '0' || Text[J] > '9') return false;
    Value = std::atoi(Text.c_str());
    return true;
}

int Clamp(const TOptionControl& Control, int Value) {
    if (Control.Max > Control.Min) return std::min(Control.Max, std::max(Control.Min, Value));
    return std::max(Control.Min, Value);
}

bool IsNumberKind(K Kind) { return Kind == K::ocNumber || Kind == K::ocWrapCombo; }

// The bold key of a keyword row, else null.
const char* BoldKey(std::size_t Row) {
    const int Mode = ColorRows[Row].KeywordMode;
    return Mode > 0 ? EditModeInfo(Mode).BoldKey : nullptr;
}

} // namespace

std::vector<std::string> ToolRowTexts(const TToolItem& Tool) {
    const std::string Save = Tool.Save >= 0 && Tool.Save < SaveModeCount ? SaveModeTexts[Tool.Save] : "";
    return {Tool.Title, Tool.File, Tool.Param, Tool.TmpDir, Save, Tool.Key};
}

TOptionForm::TOptionForm(const TOptionFormOwner& Owner) : FOwner(Owner) {}

void TOptionForm::FormShow() {
    VisitDialogKeys(FOwner.Options, [this](const char* Key, auto&& Field) {
        const TOptionControl* Control = FindOptionControl(Key);
        if (!Control) return;
        using TField = std::decay_t<decltype(Field)>;
        if constexpr (std::is_same_v<TField, bool>) {
            if (Control->Kind == K::ocCheck) FChecked[Key] = Field;
        } else if constexpr (std::is_same_v<TField, int>) {
            if (Control->Kind == K::ocList) FIndexes[Key] = Field;
            if (IsNumberKind(Control->Kind)) {
                // The stored value as it is: untouched, it goes back unchanged.
                FNumbers[Key] = Field;
                FTexts[Key] = std::to_string(Field);
            }
        } else if constexpr (std::is_same_v<TField, std::string>) {
            if (Control->Kind == K::ocEdit) FTexts[Key] = Field;
        } else if constexpr (std::is_same_v<TField, TPadded<std::string>>) {
            if (Control->Kind == K::ocEdit) FTexts[Key] = Field.Value;
        }
    });
    FFontName = FOwner.Options.FontName;
    FFontSize = FOwner.Options.FontSize;
    FWrapWidths = FOwner.WrapWidths;
    if (FWrapWidths.size() > static_cast<std::size_t>(WrapWidthListMax)) FWrapWidths.resize(WrapWidthListMax);
    FTools = FOwner.Tools;
    FToolRow = FTools.empty() ? -1 : 0;

    const std::map<std::string, TColor*> Colors = ColorFields(FOwner.Options.Colors);
    std::map<std::string, bool*> Flags;
    VisitOptionKeys(FOwner.Options, [&Flags](const char* Key, auto&& Field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(Field)>, bool>) Flags[Key] = &Field;
    });
    FColors.clear();
    for (const TColorRowInfo& Row : ColorRows) {
        TColorRow R;
        R.Color = ColorToString(*Colors.at(Row.Key));
        if (Row.KeywordMode > 0) R.Bold = *Flags.at(EditModeInfo(Row.KeywordMode).BoldKey) ? "1" : "0";
        FColors.push_back(R);
    }
    FColorRow = -1;
    FChecked["KeywordBold"] = false;
}

// ---------------------------------------------------------------------------------------
// Control states

bool TOptionForm::Checked(const std::string& Name) const {
    const auto It = FChecked.find(Name);
    return It != FChecked.end() && It->second;
}

void TOptionForm::SetChecked(const std::string& Name, bool Value) {
    if (Name == "KeywordBold") {
        KeywordBoldClick(Value);
        return;
    }
    FChecked[Name] = Value;
}

const std::string& TOptionForm::Text(const std::string& Name) const {
    static const std::string Empty;
    const auto It = FTexts.find(Name);
    return It == FTexts.end() ? Empty : It->second;
}

void TOptionForm::SetText(const std::string& Name, const std::string& Value) {
    FTexts[Name] = Value;
    const TOptionControl* Control = FindOptionControl(Name);
    int Typed = 0;
    if (Control && IsNumberKind(Control->Kind) && ParseInteger(Value, Typed)) FNumbers[Name] = Clamp(*Control, Typed);
}

int TOptionForm::Number(const std::string& Name) const {
    const auto It = FNumbers.find(Name);
    return It == FNumbers.end() ? 0 : It->second;
}

void TOptionForm::SetNumber(const std::string& Name, int Value) {
    const TOptionControl* Control = FindOptionControl(Name);
    if (Control) Value = Clamp(*Control, Value);
    FNumbers[Name] = Value;
    FTexts[Name] = std::to_string(Value);
}

int TOptionForm::ItemIndex(const std::string& Name) const {
    const auto It = FIndexes.find(Name);
    return It == FIndexes.end() ? -1 : It->second;
}

void TOptionForm::SetItemIndex(const std::string& Name, int Value) { FIndexes[Name] = Value; }

bool TOptionForm::Enabled(const std::string& Name) const {
    const bool UserPlacement = ItemIndex("StartWindow") == 3;
    if (Name == "WrapCount" || Name == "NowWidth" || Name == "AddWidth" || Name == "DeleteWidth")
        return Checked("WordWrap");
    if (Name == "FlatToolBar") return Checked("ToolBar");
    if (Name == "InyouRow") return FOwner.EditMode == 0;
    if (Name == "LinkWord") return FOwner.EditMode == 0 || FOwner.EditMode == 3 || FOwner.EditMode == 4;
    if (Name == "Inyouhu") return Checked("InyouRow");
    if (Name == "FollowStr" || Name == "LeadStr") return Checked("Leading");
    if (Name == "PunctuationStr") return Checked("FollowPunctuation");
    if (Name == "UserWindowSize" || Name == "UserWindowPos") return UserPlacement;
    if (Name == "UserWindowSize_W" || Name == "UserWindowSize_H" || Name == "CurrentSize")
        return UserPlacement && Checked("UserWindowSize");
    if (Name == "UserWindowPos_X" || Name == "UserWindowPos_Y" || Name == "CurrentPos")
        return UserPlacement && Checked("UserWindowPos");
    if (Name == "KeywordBold" || Name == "KeywordEdit") return KeywordRow();
    if (Name == "ColorButton") return FColorRow >= 0;
    if (Name == "ToolEdit" || Name == "ToolDelete") return FToolRow >= 0;
    if (Name == "ToolUp") return FToolRow > 0;
    if (Name == "ToolDown") return FToolRow >= 0 && FToolRow + 1 < static_cast<int>(FTools.size());
    return true;
}

// ---------------------------------------------------------------------------------------
// Page 0: the wrap widths

void TOptionForm::WrapCountExit() {
    if (Text("WrapCount").empty()) FTexts["WrapCount"] = std::to_string(Number("WrapCount"));
}

void TOptionForm::WrapWidthSelected(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FWrapWidths.size())) return;
    SetNumber("WrapCount", FWrapWidths[static_cast<std::size_t>(Index)]);
}

void TOptionForm::NowWidthClick() {
    if (FOwner.WindowEdgeWidth) SetNumber("WrapCount", FOwner.WindowEdgeWidth());
}

void TOptionForm::AddWidthClick() {
    const int Width = Number("WrapCount");
    if (std::find(FWrapWidths.begin(), FWrapWidths.end(), Width) != FWrapWidths.end()) return;
    if (FWrapWidths.size() >= static_cast<std::size_t>(WrapWidthListMax)) {
        FOwner.Messages.Show("登録可能な最大件数は " + std::to_string(WrapWidthListMax) + " 件です。",
                             ApplicationTitle, TMessageButtons::mbOk, TMessageIcon::miError);
        return;
    }
    if (FOwner.Messages.Show("[" + std::to_string(Width) + "]をリストへ追加します。", ApplicationTitle,
                             TMessageButtons::mbOkCancel, TMessageIcon::miInformation) != TMessageResult::mrOk)
        return;
    const auto At = std::find_if(FWrapWidths.begin(), FWrapWidths.end(), [Width](int W) { return W < Width; });
    FWrapWidths.insert(At, Width);
}

void TOptionForm::DeleteWidthClick() {
    const int Width = Number("WrapCount");
    const auto At = std::find(FWrapWidths.begin(), FWrapWidths.end(), Width);
    if (FWrapWidths.empty() || Text("WrapCount").empty() || At == FWrapWidths.end()) return;
    if (FOwner.Messages.Show("[" + std::to_string(Width) + "]をリストから削除します。", ApplicationTitle,
                             TMessageButtons::mbOkCancel, TMessageIcon::miInformation) != TMessageResult::mrOk)
        return;
    FWrapWidths.erase(At);
    if (FWrapWidths.empty())
        SetNumber("WrapCount", DefaultWrapWidth);
    else
        WrapWidthSelected(0);
}

// ---------------------------------------------------------------------------------------
// Pages 1, 5 and 7: font, browsers, window placement

std::string TOptionForm::FontText() const { return FFontName + "(" + std::to_string(FFontSize) + ")"; }

void TOptionForm::FontClick() {
    TFontDialogParams Params;
    Params.Name = FFontName;
    Params.Size = FFontSize;
    FOwner.Host.ClientOrigin(Params.Left, Params.Top);
    if (!FOwner.Host.ExecuteFontDialog(Params)) return;
    FFontName = Params.Name;
    FFontSize = Params.Size;
}

void TOptionForm::CurrentSizeClick() {
    if (!FOwner.WindowPlacement) return;
    const TWindowBounds B = FOwner.WindowPlacement().Bounds;
    SetNumber("UserWindowSize_W", B.Width);
    SetNumber("UserWindowSize_H", B.Height);
}

void TOptionForm::CurrentPosClick() {
    if (!FOwner.WindowPlacement) return;
    const TWindowBounds B = FOwner.WindowPlacement().Bounds;
    SetNumber("UserWindowPos_X", B.Left);
    SetNumber("UserWindowPos_Y", B.Top);
}

std::string TOptionForm::NkfText() const { return FOwner.Options.NkfLoaded ? "(NKF32.DLL ON)" : ""; }

void TOptionForm::BrowseClick(const std::string& Name) {
    const bool Ie = Name == "IePath";
    if (!Ie && Name != "NnPath") return;
    TFileDialogParams Params;
    Params.Filter = Ie ? "IE実行ファイル(Iexplore.exe)|Iexplore.exe" : "NN実行ファイル(Netscape.exe)|Netscape.exe";
    Params.FileName = Text(Name);
    if (FOwner.Host.ExecuteOpenDialog(Ie ? "Internet Explorer の実行ファイル" : "Netscape Navigator の実行ファイル",
                                      Params))
        SetText(Name, Params.FileName);
}

// ---------------------------------------------------------------------------------------
// Page 2: colours

TColor TOptionForm::RowColor(int Row) const {
    TColor Color = clBlack;
    if (Row >= 0 && Row < static_cast<int>(FColors.size()))
        StringToColor(FColors[static_cast<std::size_t>(Row)].Color, Color);
    return Color;
}

void TOptionForm::ColorPageShow() {
    if (FColorRow < 0) SelectColorRow(0);
}

void TOptionForm::SelectColorRow(int Row) {
    if (Row < 0 || Row >= static_cast<int>(FColors.size())) return;
    FColorRow = Row;
    FChecked["KeywordBold"] = KeywordRow() && FColors[static_cast<std::size_t>(Row)].Bold == "1";
}

TColor TOptionForm::SwatchColor() const { return RowColor(FColorRow); }

bool TOptionForm::KeywordRow() const { return FColorRow >= 0 && ColorRows[FColorRow].KeywordMode > 0; }

void TOptionForm::ColorClick() {
    if (FColorRow < 0) return;
    TColor Color = SwatchColor();
    int Left = 0, Top = 0;
    FOwner.Host.ClientOrigin(Left, Top);
    if (!FOwner.Host.ExecuteColorDialog(Color, Left, Top)) return;
    FColors[static_cast<std::size_t>(FColorRow)].Color = ColorToString(Color);
}

void TOptionForm::KeywordBoldClick(bool Value) {
    if (!KeywordRow()) return;
    FChecked["KeywordBold"] = Value;
    FColors[static_cast<std::size_t>(FColorRow)].Bold = Value ? "1" : "0";
}

void TOptionForm::KeywordEditClick() {
    if (!KeywordRow()) return;
    const std::string File = EditModeInfo(ColorRows[FColorRow].KeywordMode).KeywordFile;
    const std::string Path = FOwner.ProgramDir + "\\" + File;
    if (!FOwner.Files.Exists(Path)) {
        FOwner.Messages.Show("キーワードファイル " + File + " が見当たりません。", ApplicationTitle,
                             TMessageButtons::mbOk, TMessageIcon::miError);
        return;
    }
    if (FOwner.OpenInNewProcess) FOwner.OpenInNewProcess(Path);
}

void TOptionForm::ResetColorsClick() {
    if (FOwner.Messages.Show("すべての色設定を初期状態へ戻します。", ApplicationTitle, TMessageButtons::mbOkCancel,
                             TMessageIcon::miInformation) != TMessageResult::mrOk)
        return;
    TOptionColors Defaults;
    const std::map<std::string, TColor*> Colors = ColorFields(Defaults);
    for (std::size_t Row = 0; Row < FColors.size(); ++Row) {
        FColors[Row].Color = ColorToString(*Colors.at(ColorRows[Row].Key));
        if (BoldKey(Row)) FColors[Row].Bold = "1";
    }
    if (FColorRow >= 0) SelectColorRow(FColorRow);
}

// ---------------------------------------------------------------------------------------
// Page 4: tools

void TOptionForm::SelectTool(int Row) {
    FToolRow = Row >= 0 && Row < static_cast<int>(FTools.size()) ? Row : -1;
}

void TOptionForm::AddToolClick() {
    TToolItem Tool;
    if (!FOwner.Host.ExecuteToolDialog(Tool)) return;
    FTools.push_back(Tool);
    FToolRow = static_cast<int>(FTools.size()) - 1;
}

void TOptionForm::EditToolClick() {
    if (FToolRow < 0) return;
    TToolItem Tool = FTools[static_cast<std::size_t>(FToolRow)];
    if (FOwner.Host.ExecuteToolDialog(Tool)) FTools[static_cast<std::size_t>(FToolRow)] = Tool;
}

void TOptionForm::DeleteToolClick() {
    if (FToolRow < 0) return;
    if (FOwner.Messages.Show("削除してよろしいですか？", ApplicationTitle, TMessageButtons::mbYesNo,
                             TMessageIcon::miQuestion) != TMessageResult::mrYes)
        return;
    FTools.erase(FTools.begin() + FToolRow);
    FToolRow = std::min(FToolRow, static_cast<int>(FTools.size()) - 1);
}

void TOptionForm::ToolUpClick() {
    if (FToolRow <= 0) return;
    std::swap(FTools[static_cast<std::size_t>(FToolRow)], FTools[static_cast<std::size_t>(FToolRow - 1)]);
    --FToolRow;
}

void TOptionForm::ToolDownClick() {
    if (FToolRow < 0 || FToolRow + 1 >= static_cast<int>(FTools.size())) return;
    std::swap(FTools[static_cast<std::size_t>(FToolRow)], FTools[static_cast<std::size_t>(FToolRow + 1)]);
    ++FToolRow;
}

// ---------------------------------------------------------------------------------------
// Collection

void TOptionForm::Collect() {
    TOptionRecord& R = FOwner.Options;
    VisitDialogKeys(R, [this](const char* Key, auto&& Field) {
        const TOptionControl* Control = FindOptionControl(Key);
        if (!Control) return;
        using TField = std::decay_t<decltype(Field)>;
        if constexpr (std::is_same_v<TField, bool>) {
            if (Control->Kind == K::ocCheck) Field = Checked(Key);
        } else if constexpr (std::is_same_v<TField, int>) {
            if (Control->Kind == K::ocList) Field = ItemIndex(Key);
            if (IsNumberKind(Control->Kind)) Field = Number(Key);
        } else if constexpr (std::is_same_v<TField, std::string>) {
            if (Control->Kind == K::ocEdit) Field = Text(Key);
        } else if constexpr (std::is_same_v<TField, TPadded<std::string>>) {
            if (Control->Kind == K::ocEdit) Field.Value = Text(Key);
        }
    });
    R.FontName = FFontName;
    R.FontSize = FFontSize;
    const TOptionRecord Defaults;
    if (R.PasteInyouhu.empty()) R.PasteInyouhu = Defaults.PasteInyouhu;
    if (R.UserFileFilter.empty()) R.UserFileFilter = Defaults.UserFileFilter;
    if (R.Inyouhu.empty()) R.Inyouhu = Defaults.Inyouhu;

    const std::map<std::string, TColor*> Colors = ColorFields(R.Colors);
    for (std::size_t Row = 0; Row < FColors.size(); ++Row)
        StringToColor(FColors[Row].Color, *Colors.at(ColorRows[Row].Key));
    VisitOptionKeys(R, [this](const char* Key, auto&& Field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(Field)>, bool>) {
            for (std::size_t I = 0; I < FColors.size(); ++I)
                if (BoldKey(I) && std::string(Key) == BoldKey(I)) Field = FColors[I].Bold == "1";
        }
    });

    if (R.StartWindow == 3 && !R.UserWindowSize && !R.UserWindowPos) R.StartWindow = 0;
    if (!R.JCode.LoadAutoCvt && R.JCode.SaveCvt == 0) R.JCode.SaveCvt = 1;
}
