#pragma once
// TPrintForm: the model of the print dialog "印刷".  It holds what the dialog's controls
// show (margins, line numbers, header and footer templates with their alignments, font,
// printer name), decides which controls are enabled, inserts placeholders from the ">"
// menus, and stores the controls into the print settings.  The dialog window implements
// TPrintFormHost and copies its controls to and from the model.
#include "app/main_form_host.h"
#include "print/print_settings.h"
#include "print/strings_printer.h"

#include <string>

class TPrintForm;

class TPrintFormHost {
public:
    virtual ~TPrintFormHost() = default;
    // Shows Form modally with its top-left corner at (Left, Top) moved into the work area;
    // true when it was closed with "印刷(&P)".
    virtual bool ShowModal(TPrintForm& Form, int Left, int Top) = 0;
    // The font chooser (fixed-pitch fonts of the ANSI character sets) at the dialog's
    // client origin; false when cancelled.
    virtual bool ExecuteFontDialog(TFontDialogParams& Params) = 0;
    // The platform's printer setup dialog for the current printer; true on OK, with the
    // chosen printer made current.
    virtual bool ExecutePrinterSetup() = 0;
    virtual void FocusLeftMargin() = 0;
};

// The entries of the placeholder menu: caption and the placeholder it inserts.
struct TPlaceholderItem {
    const char* Caption;
    const char* Placeholder;
};
constexpr int PlaceholderCount = 7;
extern const TPlaceholderItem PlaceholderItems[PlaceholderCount];

// The items of the alignment lists, by TStringsPrinterHeaderAlign.
constexpr int AlignItemCount = 4;
extern const char* const AlignItems[AlignItemCount];

// What the dialog's controls show.
struct TPrintFormControls {
    // The texts of the margin boxes.
    std::string LeftMargin, RightMargin, TopMargin, BottomMargin;
    bool ColNum = false;
    std::string HeaderStr, FooterStr;
    int HeaderAlign = haNone, FooterAlign = haNone; // indexes of the alignment lists
    std::string FontName;
    int FontSize = 0;
    std::string PrinterName;
};

enum class TTemplateBox { tbHeader, tbFooter };

class TPrintForm {
public:
    static constexpr int MaxPrinterName = 255; // characters shown of the printer's name

    TPrintForm(TProfileFile& Ini, TStringsPrinter& Printer, TPrintFormHost& Host);

    // The dialog's showing: the stored settings into the controls, the printer's name,
    // "適用(&A)" disabled.
    void FormShow();

    TPrintFormControls& Controls() { return FControls; }
    const TPrintSettings& Settings() const { return FSettings; }

    // A template box and its ">" button are enabled unless the alignment is "(なし)".
    bool HeaderEnabled() const { return FControls.HeaderAlign != haNone; }
    bool FooterEnabled() const { return FControls.FooterAlign != haNone; }
    bool ApplyEnabled() const { return FApplyEnabled; }
    // A margin, the line-number box, a template or an alignment was changed.
    void ControlChanged() { FApplyEnabled = true; }

    // A ">" button: the box the placeholder menu inserts into.
    void PlaceholderButtonClick(TTemplateBox Box) { FTarget = Box; }
    TTemplateBox PlaceholderTarget() const { return FTarget; }
    // A placeholder menu entry: its placeholder replaces the selection of the remembered
    // box (SelStart and SelLength in bytes); returns the caret after it.
    int PlaceholderClick(int Entry, int SelStart, int SelLength);

    // "フォント設定(&F)...": the chooser at the client origin (Left, Top) in screen pixels.
    void FontClick(int Left, int Top);
    // "プリンタ設定(&P)...".
    void PrinterSetupClick();
    // "適用(&A)": the controls stored and saved, the button disabled, the focus to the left
    // margin.
    void ApplyClick();
    // "印刷(&P)" closed the dialog: the controls stored and saved.
    void StoreAndSave();

private:
    void StoreControls();
    void ShowPrinterName();

    TProfileFile& FIni;
    TStringsPrinter& FPrinter;
    TPrintFormHost& FHost;
    TPrintSettings FSettings;
    TPrintFormControls FControls;
    bool FApplyEnabled = false;
    TTemplateBox FTarget = TTemplateBox::tbHeader;
};
