// zefnote-bench edit FILE [--rows N] [--wrap N] [--chars N] [--mode wrap|nowrap|both]
//
// The editor control on a large document, without a window: the lines of FILE repeated
// until the text has N rows (default 1,000,000), then, with word wrap off and on (at
// --wrap columns, default 80): typing --chars characters in one place (into one line, and
// as lines of 60 characters), Return, Backspace joining rows, reading SelStart near the
// end, SelectAll and SelText, and a box selection over 10,000 rows and its deletion.
// --mode runs one of the two passes only.
#include "bench_scenario.h"

#include "editor/editor.h"
#include "platform/headless/headless_canvas_metrics.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_text_view_host.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> FileLines(const std::string& Bytes) {
    std::vector<std::string> Lines;
    std::size_t Start = 0;
    while (Start < Bytes.size()) {
        std::size_t End = Bytes.find_first_of("\r\n", Start);
        if (End == std::string::npos) End = Bytes.size();
        Lines.push_back(Bytes.substr(Start, End - Start));
        if (End < Bytes.size() && Bytes[End] == '\r' && End + 1 < Bytes.size() &&
            Bytes[End + 1] == '\n')
            ++End;
        Start = End + 1;
    }
    return Lines;
}

struct TPass {
    THeadlessTextViewHost Host;
    THeadlessClipboard Clipboard;
    THeadlessCanvasMetrics Metrics;
    TEditor Editor{&Host, &Clipboard, &Metrics};

    TPass() {
        Host.Recording = false;
        Host.HasFocus = true;
        Editor.FocusGained();
    }
};

void Type(TEditor& E, int Count) {
    static const char Text[] = "The quick brown fox jumps over the lazy dog. ";
    for (int I = 0; I < Count; ++I)
        E.KeyPress(Text[I % (sizeof Text - 1)]);
}

// Runs every operation on one document and adds its figures under Prefix.
bool RunPass(const std::string& Text, bool Wrap, int WrapByte, int Chars, BenchReport& Report) {
    const std::string Prefix = Wrap ? "wrap_" : "nowrap_";
    TPass P;
    TEditor& E = P.Editor;
    E.SetBounds(800, 600);
    E.WrapOption().SetWrapByte(WrapByte);
    E.SetWordWrap(Wrap);
    BenchTimer T;
    E.Lines().SetText(Text);
    Report.Add(Prefix + "load_ms", T.Ms());
    const int Rows = E.RowCount();
    Report.Add(Prefix + "rows", static_cast<std::int64_t>(Rows));

    // Typing in one place, in the middle of the text.
    E.SetRowCol(Rows / 2, 0);
    T.Restart();
    Type(E, Chars);
    double TypeMs = T.Ms();
    Report.Add(Prefix + "type_us_per_char", TypeMs * 1000.0 / Chars);

    // The same amount typed as prose: a Return after every 60 characters.
    E.SetRowCol(Rows / 2 + 1000, 0);
    T.Restart();
    for (int I = 0; I < Chars; I += 60) {
        Type(E, std::min(60, Chars - I));
        E.KeyPress('\r');
    }
    Report.Add(Prefix + "type_lines_us_per_char", T.Ms() * 1000.0 / Chars);

    // Return, then Backspace joining the rows again, at the start of a row.
    const int Returns = 2000;
    E.SetRowCol(Rows / 3, 0);
    T.Restart();
    for (int I = 0; I < Returns; ++I)
        E.KeyPress('\r');
    Report.Add(Prefix + "return_us", T.Ms() * 1000.0 / Returns);
    T.Restart();
    for (int I = 0; I < Returns; ++I)
        E.KeyPress('\b');
    Report.Add(Prefix + "backspace_join_us", T.Ms() * 1000.0 / Returns);

    // SelStart counts every row before the caret.
    E.SetRowCol(E.RowCount() - 10, 0);
    T.Restart();
    volatile int Start = E.SelStart();
    (void)Start;
    Report.Add(Prefix + "selstart_near_end_ms", T.Ms());

    T.Restart();
    E.SelectAll();
    Report.Add(Prefix + "selectall_ms", T.Ms());
    T.Restart();
    std::string All = E.SelText();
    Report.Add(Prefix + "seltext_all_ms", T.Ms());
    Report.Add(Prefix + "seltext_bytes", static_cast<std::int64_t>(All.size()));
    if (All != E.Lines().Text()) {
        std::fprintf(stderr, "edit: SelText after SelectAll differs from the text\n");
        return false;
    }
    All.clear();
    All.shrink_to_fit();
    E.CleanSelection();

    // A box over 10,000 rows, columns 2 ... 12, then its deletion.
    const int BoxRows = std::min(10000, E.RowCount() - 1);
    const int BoxTop = E.RowCount() / 4;
    T.Restart();
    E.SetBoxMode(true);
    E.SetRowCol(BoxTop, 2);
    E.StartSelection();
    E.SetRowCol(BoxTop + BoxRows - 1, 12);
    E.ExtendSelection();
    Report.Add(Prefix + "box_select_ms", T.Ms());
    T.Restart();
    E.DeleteSelection();
    Report.Add(Prefix + "box_delete_ms", T.Ms());
    Report.Add(Prefix + "box_rows", static_cast<std::int64_t>(BoxRows));
    return true;
}

int RunEdit(const BenchArgs& Args, BenchReport& Report) {
    if (Args.positional.size() != 1) {
        std::fprintf(stderr, "usage: zefnote-bench edit FILE [--rows N] [--wrap N] [--chars N] "
                             "[--mode wrap|nowrap|both]\n");
        return 2;
    }
    std::string Bytes;
    if (!ReadWholeFile(Args.positional[0], Bytes)) {
        std::fprintf(stderr, "edit: cannot read %s\n", Args.positional[0].c_str());
        return 1;
    }
    const int Rows = std::atoi(Args.Value("--rows", "1000000").c_str());
    const int WrapByte = std::atoi(Args.Value("--wrap", "80").c_str());
    const int Chars = std::max(1, std::atoi(Args.Value("--chars", "10000").c_str()));
    std::vector<std::string> Lines = FileLines(Bytes);
    if (Lines.empty()) Lines.emplace_back("a line of text");
    std::string Text;
    for (int I = 0; I < Rows; ++I) {
        Text += Lines[static_cast<std::size_t>(I) % Lines.size()];
        Text += "\r\n";
    }
    Report.Add("file", Args.positional[0]);
    Report.Add("lines", static_cast<std::int64_t>(Rows));
    Report.Add("chars_typed", static_cast<std::int64_t>(Chars));
    const std::string Mode = Args.Value("--mode", "both");
    if ((Mode != "wrap" && !RunPass(Text, false, WrapByte, Chars, Report)) ||
        (Mode != "nowrap" && !RunPass(Text, true, WrapByte, Chars, Report)))
        return 1;
    return 0;
}

BenchRegistration EditScenario("edit",
                               "FILE [--rows N] [--wrap N] [--chars N] [--mode wrap|nowrap|both]",
                               RunEdit);

} // namespace
