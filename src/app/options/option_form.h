#pragma once
// TOptionForm: the model of the options dialog "オプション".  Its eight pages are described
// as data (OptionFormControls): every control with its page, kind, name, caption, place in
// dialog units and, for numbers, its range.  A control named after a settings key edits
// that key.  The form holds what the controls show, decides which are enabled, runs the
// pages' buttons and collects the controls into the option record.  The dialog window
// implements TOptionFormHost, lays the controls out from the description and reports
// every change of a control here.
#include "app/main_form_host.h"
#include "app/settings/option_record.h"
#include "app/settings/settings_lists.h"
#include "platform/message_box.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class TFileSystem;
class TOptionForm;

enum class TOptionControlKind {
    ocGroup,     // a group box
    ocLabel,     // a fixed caption
    ocText,      // a caption the form sets (the font, the NKF32.DLL note)
    ocCheck,     // a check box: Checked
    ocEdit,      // an edit box: Text
    ocNumber,    // an edit box with an up-down: Number (Text while typed)
    ocList,      // a drop-down list: ItemIndex
    ocWrapCombo, // the wrap-width combo box with its up-down: Number, Text, WrapWidths
    ocButton,
    ocColorList, // the colour rows
    ocSwatch,    // the selected row's colour
    ocToolList,  // the tools
};

// One control of the dialog.  Places are in dialog units of the dialog's font.
struct TOptionControl {
    int Page = 0;
    TOptionControlKind Kind = TOptionControlKind::ocLabel;
    const char* Name = "";    // the settings key, or a name of the page's own
    const char* Caption = "";
    int X = 0, Y = 0, W = 0, H = 0;
    int Min = 0, Max = 0, Step = 1; // up-down range and step
    std::vector<std::string> Items;  // list items, or the list columns
};

constexpr int OptionPageCount = 8;
extern const char* const OptionPageCaptions[OptionPageCount];
// The dialog's size, the page control's place and the three buttons' row, in dialog units.
struct TOptionFormFrame {
    int Width, Height;
    int TabX, TabY, TabW, TabH;
    int ButtonY, ButtonW, ButtonH;
};
extern const TOptionFormFrame OptionFormFrame;

const std::vector<TOptionControl>& OptionFormControls();
// The control called Name, or null; its index in OptionFormControls(), or -1.
const TOptionControl* FindOptionControl(const std::string& Name);
int OptionControlIndex(const std::string& Name);

// The colour rows: caption, colour key, and for a keyword row the edit mode whose
// keywords it colours (its keyword file and bold key).
struct TColorRowInfo {
    const char* Caption;
    const char* Key;
    int KeywordMode; // 0 for rows without keywords
};
constexpr int ColorRowCount = 31;
extern const TColorRowInfo ColorRows[ColorRowCount];

struct TColorRow {
    std::string Color; // as a colour string
    std::string Bold;  // "1" or "0" for keyword rows, else empty
};

// The texts of the save modes ("ファイル保存" column, browser page, tool dialog).
constexpr int SaveModeCount = 3;
extern const char* const SaveModeTexts[SaveModeCount];
// The cells of a tool's row: name, executable, parameters, folder, save mode, key.
std::vector<std::string> ToolRowTexts(const TToolItem& Tool);

enum class TOptionResult { orCancel, orOk, orApply };

class TOptionFormHost {
public:
    virtual ~TOptionFormHost() = default;
    // Shows Form modally with its top-left corner at (Left, Top), moved into the work area,
    // on Page; returns how it was closed.
    virtual TOptionResult ShowModal(TOptionForm& Form, int Left, int Top, int Page) = 0;
    // The dialog's client origin on the screen: where its colour and font choosers open.
    virtual void ClientOrigin(int& Left, int& Top) = 0;
    virtual bool ExecuteFontDialog(TFontDialogParams& Params) = 0;
    // The colour chooser starting with Color, at (Left, Top) moved into the work area.
    virtual bool ExecuteColorDialog(TColor& Color, int Left, int Top) = 0;
    // An open dialog for an existing file: Title, Filter, starting with FileName.
    virtual bool ExecuteOpenDialog(const std::string& Title, TFileDialogParams& Params) = 0;
    // The tool entry dialog on Tool, at the tool list; true on OK.
    virtual bool ExecuteToolDialog(TToolItem& Tool) = 0;
};

// What the form needs of the main window.
struct TOptionFormOwner {
    TOptionFormOwner(TOptionRecord& AOptions, TMessageBox& AMessages, TFileSystem& AFiles, TOptionFormHost& AHost)
        : Options(AOptions), Messages(AMessages), Files(AFiles), Host(AHost) {}

    TOptionRecord& Options;
    TMessageBox& Messages;
    TFileSystem& Files;
    TOptionFormHost& Host;
    int EditMode = 0;
    std::vector<int> WrapWidths;      // the wrap-width submenu's widths, in menu order
    std::vector<TToolItem> Tools;     // section "Tools"
    std::string ProgramDir;           // where the keyword files are
    std::function<int()> WindowEdgeWidth;
    std::function<TWindowPlacement()> WindowPlacement;
    std::function<void(const std::string& File)> OpenInNewProcess;
};

class TOptionForm {
public:
    explicit TOptionForm(const TOptionFormOwner& Owner);

    // Every control filled from the option record, the lists from the owner, the enabling
    // rules applied.
    void FormShow();

    // The controls' states, by control name.
    bool Checked(const std::string& Name) const;
    void SetChecked(const std::string& Name, bool Value);
    const std::string& Text(const std::string& Name) const;
    // Sets an edit's text; for a number or the wrap-width box, a text that is a number
    // also sets the number, kept inside the range.
    void SetText(const std::string& Name, const std::string& Value);
    int Number(const std::string& Name) const;
    void SetNumber(const std::string& Name, int Value);
    int ItemIndex(const std::string& Name) const;
    void SetItemIndex(const std::string& Name, int Value);
    bool Enabled(const std::string& Name) const;

    // Page 0: the wrap-width list and its buttons.
    const std::vector<int>& WrapWidths() const { return FWrapWidths; }
    void WrapCountExit();
    void WrapWidthSelected(int Index);
    void NowWidthClick();
    void AddWidthClick();
    void DeleteWidthClick();
    // Page 1.
    std::string FontText() const;
    void FontClick();
    // Page 7.
    void CurrentSizeClick();
    void CurrentPosClick();
    std::string NkfText() const;
    // Page 5: the "..." button of IePath or NnPath.
    void BrowseClick(const std::string& Name);

    // Page 2: the colour rows.
    const std::vector<TColorRow>& ColorList() const { return FColors; }
    int SelectedColorRow() const { return FColorRow; }
    void ColorPageShow();
    void SelectColorRow(int Row);
    TColor SwatchColor() const;
    bool KeywordRow() const;
    void ColorClick();
    void KeywordBoldClick(bool Value);
    void KeywordEditClick();
    void ResetColorsClick();

    // Page 4: the tools.
    const std::vector<TToolItem>& Tools() const { return FTools; }
    int SelectedTool() const { return FToolRow; }
    void SelectTool(int Row);
    void AddToolClick();
    void EditToolClick();
    void DeleteToolClick();
    void ToolUpClick();
    void ToolDownClick();

    // OK and "反映のみ(&A)": the controls into the option record; the wrap widths the main
    // window's submenu is to hold come back in WrapWidths.
    void Collect();

private:
    TColor RowColor(int Row) const;

    TOptionFormOwner FOwner;
    std::map<std::string, bool> FChecked;
    std::map<std::string, std::string> FTexts;
    std::map<std::string, int> FNumbers;
    std::map<std::string, int> FIndexes;
    std::vector<int> FWrapWidths;
    std::string FFontName;
    int FFontSize = 0;
    std::vector<TColorRow> FColors;
    int FColorRow = -1;
    std::vector<TToolItem> FTools;
    int FToolRow = -1;
};
