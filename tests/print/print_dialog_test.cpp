// The print dialog's model, the print settings in the settings file, and printing from
// the main window: the Print command through the dialog, and "/p" on the command line.
#include "app/main_form_test_support.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_print_canvas.h"
#include "print/print_command.h"

#include <gtest/gtest.h>

namespace {

// The dialog's window: runs a script against the model in place of the user.
class TScriptedPrintDialog : public TPrintFormHost {
public:
    // What the user does in the dialog; the result is the closing button (true: "印刷(&P)").
    std::function<bool(TPrintForm&)> User = [](TPrintForm&) { return true; };
    int Shown = 0;
    int Left = 0, Top = 0;
    TPrintFormControls ShownControls;
    std::string FontAnswer;
    int FontSizeAnswer = 0;
    TFontDialogParams FontRequest;
    int SetupAnswer = -1; // the printer index chosen in the setup dialog; -1 cancels
    THeadlessPrintCanvas* Canvas = nullptr;
    int Focused = 0;

    bool ShowModal(TPrintForm& Form, int L, int T) override {
        ++Shown;
        Left = L;
        Top = T;
        ShownControls = Form.Controls();
        return User(Form);
    }
    bool ExecuteFontDialog(TFontDialogParams& Params) override {
        FontRequest = Params;
        if (FontAnswer.empty()) return false;
        Params.Name = FontAnswer;
        Params.Size = FontSizeAnswer;
        return true;
    }
    bool ExecutePrinterSetup() override {
        if (SetupAnswer < 0) return false;
        Canvas->SetPrinterIndex(SetupAnswer);
        return true;
    }
    void FocusLeftMargin() override { ++Focused; }
};

struct PrintFixture : MainFormFixture {
    THeadlessPrintCanvas Canvas;
    THeadlessClock Clock;
    TStringsPrinter Printer{Canvas, Clock};
    TScriptedPrintDialog Dialog;
    std::unique_ptr<TPrintCommand> Printing;

    PrintFixture() {
        Dialog.Canvas = &Canvas;
        Canvas.PrinterNames = {"Laser", "Zefnote Test Printer"};
    }
    // The main window with its printing, created with the command line Params.
    TMainForm& CreateWithPrinting(const std::vector<std::string>& Params = {}) {
        Form = std::make_unique<TMainForm>(
            TMainFormServices{Host, Editor, Messages, Files, Ini, Desktop, Shell, nullptr});
        Printing = std::make_unique<TPrintCommand>(
            TPrintServices{*Form, Host, Editor, Messages, Printer, Dialog});
        Form->FormCreate(Params);
        return *Form;
    }
    // A model of the dialog as the command makes it, shown.
    std::unique_ptr<TPrintForm> ShownForm() {
        auto F = std::make_unique<TPrintForm>(Ini, Printer, Dialog);
        F->FormShow();
        return F;
    }
    // The texts of page Page of the last job, at their places.
    const std::vector<THeadlessPrintCanvas::TPrinted>& Texts(std::size_t Page = 0) {
        return Canvas.LastJob().Pages.at(Page).Texts;
    }
};

TEST_F(PrintFixture, WithoutSettingsTheDialogShowsTheDefaultsAndApplyIsDisabled) {
    auto F = ShownForm();
    const TPrintFormControls& C = F->Controls();
    EXPECT_EQ("20", C.LeftMargin);
    EXPECT_EQ("20", C.RightMargin);
    EXPECT_EQ("15", C.TopMargin);
    EXPECT_EQ("15", C.BottomMargin);
    EXPECT_FALSE(C.ColNum);
    EXPECT_EQ("[ %F ]", C.HeaderStr);
    EXPECT_EQ("- %p -", C.FooterStr);
    EXPECT_EQ(haCenter, C.HeaderAlign);
    EXPECT_EQ(haCenter, C.FooterAlign);
    EXPECT_EQ("ＭＳ ゴシック", C.FontName);
    EXPECT_EQ(12, C.FontSize);
    EXPECT_EQ("Laser", C.PrinterName);
    EXPECT_FALSE(F->ApplyEnabled());
    EXPECT_TRUE(F->HeaderEnabled());
    EXPECT_TRUE(F->FooterEnabled());
}

TEST_F(PrintFixture, SettingsAreReadBackAndTheObsoleteColumnPitchIsDeletedWhenPositive) {
    TPrintSettings S;
    S.LeftMargin = 7;
    S.BottomMargin = 0;
    S.ColNum = true;
    S.HeaderStr = "%f (%y/%m/%d %t)";
    S.HeaderAlign = haRight;
    S.FooterAlign = haNone;
    S.FontName = "Courier New";
    S.FontSize = 9;
    ASSERT_TRUE(SavePrintSettings(Ini, S));
    Ini.WriteString("Print", "ColPitch", "3");
    EXPECT_EQ(S, LoadPrintSettings(Ini));
    EXPECT_EQ("?", Ini_("Print", "ColPitch"));

    // Zero is no pitch an older version wrote: it stays.  Alignments out of range and
    // sizes below one read as none and the default.
    Ini.WriteString("Print", "ColPitch", "0");
    Ini.WriteString("Print", "HeaderAlign", "7");
    Ini.WriteString("Print", "FontSize", "0");
    const TPrintSettings R = LoadPrintSettings(Ini);
    EXPECT_EQ("0", Ini_("Print", "ColPitch"));
    EXPECT_EQ(haNone, R.HeaderAlign);
    EXPECT_EQ(12, R.FontSize);
}

TEST_F(PrintFixture, ChangesEnableApplyWhichSavesDisablesItselfAndFocusesTheLeftMargin) {
    auto F = ShownForm();
    F->Controls().HeaderAlign = haNone;
    F->ControlChanged();
    EXPECT_FALSE(F->HeaderEnabled());
    EXPECT_TRUE(F->ApplyEnabled());
    F->Controls().LeftMargin = "150";
    F->Controls().TopMargin = "abc"; // no number: the stored value stays
    F->Controls().RightMargin = "-3";
    F->ApplyClick();
    EXPECT_FALSE(F->ApplyEnabled());
    EXPECT_EQ(1, Dialog.Focused);
    EXPECT_EQ("0", Ini_("Print", "HeaderAlign"));
    EXPECT_EQ("100", Ini_("Print", "LeftMargin"));
    EXPECT_EQ("0", Ini_("Print", "RightMargin"));
    EXPECT_EQ("15", Ini_("Print", "TopMargin"));
}

TEST_F(PrintFixture, PlaceholdersReplaceTheSelectionOfTheBoxWhoseButtonWasPressed) {
    auto F = ShownForm();
    F->PlaceholderButtonClick(TTemplateBox::tbFooter);
    // "- %p -" with "%p" selected becomes "- %F -".
    EXPECT_EQ(4, F->PlaceholderClick(2, 2, 2));
    EXPECT_EQ("- %F -", F->Controls().FooterStr);
    EXPECT_EQ("[ %F ]", F->Controls().HeaderStr);
    EXPECT_TRUE(F->ApplyEnabled());
    F->PlaceholderButtonClick(TTemplateBox::tbHeader);
    EXPECT_EQ(8, F->PlaceholderClick(6, 99, 0)); // a caret past the end goes to the end
    EXPECT_EQ("[ %F ]%t", F->Controls().HeaderStr);
    EXPECT_EQ(std::string("&7: 時間 [%t]"), PlaceholderItems[6].Caption);
}

TEST_F(PrintFixture, TheFontChooserStartsWithTheShownFontAndThePrinterSetupRefreshesTheName) {
    auto F = ShownForm();
    F->FontClick(40, 50);
    EXPECT_EQ("ＭＳ ゴシック", Dialog.FontRequest.Name);
    EXPECT_EQ(12, Dialog.FontRequest.Size);
    EXPECT_EQ(40, Dialog.FontRequest.Left);
    EXPECT_EQ(50, Dialog.FontRequest.Top);
    EXPECT_FALSE(F->ApplyEnabled()); // cancelled
    Dialog.FontAnswer = "Courier New";
    Dialog.FontSizeAnswer = 10;
    F->FontClick(40, 50);
    EXPECT_EQ("Courier New", F->Controls().FontName);
    EXPECT_EQ(10, F->Controls().FontSize);
    EXPECT_TRUE(F->ApplyEnabled());

    F->PrinterSetupClick(); // cancelled
    EXPECT_EQ("Laser", F->Controls().PrinterName);
    Dialog.SetupAnswer = 1;
    F->PrinterSetupClick();
    EXPECT_EQ("Zefnote Test Printer", F->Controls().PrinterName);

    // A long printer name is cut to 255 characters, never inside a double-byte one.
    std::string Long;
    for (int I = 0; I < 300; ++I) Long += "印";
    Canvas.PrinterNames[1] = Long;
    F->PrinterSetupClick();
    EXPECT_EQ(Long.substr(0, 510), F->Controls().PrinterName);
}

TEST_F(PrintFixture, CtrlPShowsTheDialogBesideTheWindowAndPrintsTheLinesWithItsSettings) {
    CreateWithPrinting();
    Type("first\rsecond\r\rfourth");
    Dialog.User = [](TPrintForm& F) {
        F.Controls().HeaderAlign = haNone;
        F.Controls().TopMargin = "150";
        F.Controls().ColNum = true;
        return true;
    };
    ASSERT_TRUE(Form->ShortCut(TextToShortCut("Ctrl+P")));
    ASSERT_EQ(1, Dialog.Shown);
    EXPECT_EQ(Host.Place.Bounds.Left + 16, Dialog.Left);
    EXPECT_EQ(Host.Place.Bounds.Top + 16, Dialog.Top);
    ASSERT_EQ(1u, Canvas.Jobs.size());
    EXPECT_EQ("Zefnote", Canvas.LastJob().Title);
    EXPECT_EQ("Laser", Canvas.LastJob().Printer);
    EXPECT_EQ(1, Printer.ColumnCount());
    EXPECT_EQ(0, Printer.ColumnSpace());
    EXPECT_EQ(100, Printer.MarginTop());
    EXPECT_EQ("100", Ini_("Print", "TopMargin"));
    EXPECT_EQ("1", Ini_("Print", "ColNum"));

    // No header band: the first line number and line stand at the top margin; the empty
    // third line keeps its number.
    const auto& T = Texts();
    const int Top = MillimetersToPixels(100, 600);
    ASSERT_GE(T.size(), 8u);
    EXPECT_EQ("1:", T[0].Text);
    EXPECT_EQ(Top, T[0].Y);
    EXPECT_EQ("first", T[1].Text);
    EXPECT_EQ(Top, T[1].Y);
    EXPECT_EQ("ＭＳ ゴシック", T[1].FontName);
    std::vector<std::string> Printed;
    for (const auto& P : T)
        if (!P.Text.empty()) Printed.push_back(P.Text);
    EXPECT_EQ((std::vector<std::string>{"1:", "first", "2:", "second", "3:", "4:", "fourth", "- 1 -"}), Printed);
}

TEST_F(PrintFixture, AnUntitledTextPrintsUntitledInTheHeaderAndClosingPrintsNothing) {
    CreateWithPrinting();
    Type("text");
    Dialog.User = [](TPrintForm&) { return false; };
    Form->ShortCut(TextToShortCut("Ctrl+P"));
    EXPECT_TRUE(Canvas.Jobs.empty());
    Dialog.User = [](TPrintForm&) { return true; };
    Form->ShortCut(TextToShortCut("Ctrl+P"));
    ASSERT_EQ(1u, Canvas.Jobs.size());
    EXPECT_EQ("[ 無題 ]", Texts().front().Text);
}

TEST_F(PrintFixture, ASettingAppliedBeforeClosingStaysForTheNextPrint) {
    CreateWithPrinting();
    Dialog.User = [](TPrintForm& F) {
        F.Controls().FooterStr = "%p / %y";
        F.ControlChanged();
        F.ApplyClick();
        F.Controls().FooterStr = "not applied";
        return false;
    };
    Form->ShortCut(TextToShortCut("Ctrl+P"));
    Dialog.User = [](TPrintForm&) { return true; };
    Form->ShortCut(TextToShortCut("Ctrl+P"));
    EXPECT_EQ("%p / %y", Dialog.ShownControls.FooterStr);
    ASSERT_EQ(1u, Canvas.Jobs.size());
    EXPECT_EQ("1 / 2024", Texts().back().Text);
}

TEST_F(PrintFixture, SlashPPrintsTheDocumentWithTheStoredSettingsWithoutTheDialog) {
    Files.SetFile("C:\\doc\\memo.txt", "一行目\r\n二行目\r\n");
    TPrintSettings S;
    S.HeaderAlign = haLeft;
    S.FooterStr = "p.%p";
    SavePrintSettings(Ini, S);
    CreateWithPrinting({"/p", "C:\\doc\\memo.txt"});
    EXPECT_TRUE(Form->Terminated());
    EXPECT_EQ(0, Dialog.Shown);
    ASSERT_EQ(1u, Canvas.Jobs.size());
    EXPECT_TRUE(Canvas.LastJob().Ended);
    const auto& T = Texts();
    ASSERT_GE(T.size(), 4u);
    EXPECT_EQ("[ memo.txt ]", T[0].Text);
    EXPECT_EQ(MillimetersToPixels(20, 600), T[0].X); // left-aligned at the margin
    EXPECT_EQ("一行目", T[1].Text);
    EXPECT_EQ("二行目", T[2].Text);
    EXPECT_EQ("p.1", T.back().Text);
}

TEST_F(PrintFixture, APrinterThatRefusesTheJobIsReported) {
    Canvas.RefuseJob = true;
    CreateWithPrinting();
    Form->ShortCut(TextToShortCut("Ctrl+P"));
    ASSERT_EQ(1u, Messages.Messages.size());
    EXPECT_EQ("Zefnote", Messages.Messages[0].Caption);
    EXPECT_EQ(0, Host.WaitDepth);
}

} // namespace
