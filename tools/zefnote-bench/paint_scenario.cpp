// zefnote-bench paint FILE [--repeat N] [--colored] [--mode N [--marks]]
//
// The paint pass without a window, on the recording canvas (counting only): a view of
// 50 rows by 120 columns over the lines of FILE (repeated to 10,000 rows), painted whole
// N times (default 2000), then scrolled down one row at a time N times, painting the
// strip each scroll uncovers as the platform would.  Reports the time of one full
// repaint and of one scroll step, and the rows and text outputs each one drew.  With
// --colored every kind of token has a colour of its own, so each token is drawn again
// over the row.  With --mode N the edit mode N configures the view (no keyword file)
// and the main window's row-drawing handler draws over every row; --marks adds the tab
// and full-width-space marks.
#include "bench_scenario.h"

#include "app/edit_mode.h"
#include "app/edit_mode_colors.h"
#include "app/row_drawing.h"
#include "app/settings/option_record.h"
#include "editor/editor.h"
#include "editor/editor_prop.h"
#include "editor/editor_prop_copy.h"
#include "editor/undo.h"
#include "platform/headless/headless_canvas.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_text_view_host.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

int RunPaint(const BenchArgs& Args, BenchReport& Report) {
    if (Args.positional.empty()) {
        std::fprintf(stderr,
                     "usage: zefnote-bench paint FILE [--repeat N] [--colored] [--mode N [--marks]]\n");
        return 2;
    }
    std::string Bytes;
    if (!ReadWholeFile(Args.positional[0], Bytes) || Bytes.empty()) {
        std::fprintf(stderr, "zefnote-bench paint: cannot read %s\n", Args.positional[0].c_str());
        return 1;
    }
    const int Repeat = std::max(1, std::atoi(Args.Value("--repeat", "2000").c_str()));
    if (Bytes.size() >= 2 && Bytes.compare(Bytes.size() - 2, 2, "\r\n") != 0) Bytes += "\r\n";

    THeadlessTextViewHost Host;
    THeadlessClipboard Clipboard;
    THeadlessCanvas Canvas;
    Host.Recording = false;
    Host.HasFocus = true;
    // 50 rows of 16 and 120 columns of 8 pixels, with the margins and both scroll bars;
    // the client area (the control without its bars) ends at a row boundary.
    Host.Width = 19 + 120 * 8 + 4 + Host.ScrollBarSize;
    Host.Height = 2 + 51 * 16 + Host.ScrollBarSize;
    TEditor E(&Host, &Clipboard, &Canvas);
    E.SetBounds(Host.Width, Host.Height);
    E.FocusGained();
    E.Marks().EofMark().SetVisible(true);
    E.Marks().RetMark().SetVisible(true);
    if (Args.Has("--colored")) {
        TEditorColors& C = E.View().Colors();
        C.Ank().SetColor(0x800000);
        C.DBCS().SetColor(0x008000);
        C.Int().SetColor(0x0000FF);
        C.Symbol().SetColor(0x808000);
    }
    Report.Add("colored", static_cast<std::int64_t>(Args.Has("--colored") ? 1 : 0));
    TOptionRecord Options;
    if (Args.Has("--mode")) {
        const int Mode = std::atoi(Args.Value("--mode", "0").c_str());
        if (Mode < 0 || Mode >= EditModeCount) {
            std::fprintf(stderr, "zefnote-bench paint: no edit mode %d\n", Mode);
            return 2;
        }
        Options.TabMark = Options.SpMark = Args.Has("--marks");
        TEditorProp Prop;
        AssignEditorProp(Prop, E);
        ConfigureEditMode(Prop, Mode, Options, {});
        AssignEditorPropTo(Prop, E);
        E.OnDrawLine = [&Options, Mode](TEditor* Sender, const std::string& LineStr, int X, int Y,
                                        int Index, const TRect& ARect, bool Selected) {
            Editor1DrawLine(*Sender, Mode, Options, LineStr, X, Y, Index, ARect, Selected);
        };
        Report.Add("mode", static_cast<std::int64_t>(Mode));
        Report.Add("marks", static_cast<std::int64_t>(Options.TabMark ? 1 : 0));
    }
    std::string Text;
    while (true) {
        Text += Bytes;
        E.RowList().Clear();
        E.RowList().ReplaceRows(0, 0, Text);
        if (E.RowCount() >= 10000) break;
        if (Text.size() > (64u << 20)) break;
    }
    E.RowList().UndoObj().Clear();
    if (E.VisibleRows() != 50 || E.VisibleCols() != 120) {
        std::fprintf(stderr, "zefnote-bench paint: view is %d x %d\n", E.VisibleRows(),
                     E.VisibleCols());
        return 1;
    }
    const TRect Client{0, 0, E.Width() - Host.ScrollBarSize, E.Height() - Host.ScrollBarSize};

    // One recorded pass to count what a full repaint draws.
    Canvas.Recording = true;
    Canvas.Clear();
    E.Paint(Canvas, Client);
    std::set<int> Rows;
    for (const auto& D : Canvas.Draws)
        if (D.Kind == THeadlessCanvas::dkText) Rows.insert(D.Y);
    Report.Add("rows", static_cast<std::int64_t>(E.RowCount()));
    Report.Add("full_rows_drawn", static_cast<std::int64_t>(Rows.size()));
    Report.Add("full_line_outputs",
               static_cast<std::int64_t>(Canvas.Of(THeadlessCanvas::dkLine).size()));
    Report.Add("full_text_outputs",
               static_cast<std::int64_t>(Canvas.Of(THeadlessCanvas::dkText).size()));

    Canvas.Recording = false;
    BenchTimer Full;
    for (int I = 0; I < Repeat; ++I)
        E.Paint(Canvas, Client);
    Report.Add("full_repaint_ms", Full.Ms() / Repeat);

    // One-row scrolls: the platform moves the pixels and has the uncovered strip painted.
    auto Step = [&] {
        E.VScroll(TScrollCode::scLineDown);
        int DY = Host.LastScrollDY;
        TRect Strip{E.Margin().Left(), Client.Bottom + DY, Client.Right, Client.Bottom};
        E.Paint(Canvas, Strip);
    };
    Canvas.Recording = true;
    Canvas.Clear();
    Step();
    Rows.clear();
    for (const auto& D : Canvas.Draws)
        if (D.Kind == THeadlessCanvas::dkText) Rows.insert(D.Y);
    Report.Add("scroll_rows_drawn", static_cast<std::int64_t>(Rows.size()));
    Canvas.Recording = false;
    BenchTimer Scroll;
    int Steps = std::min(Repeat, E.RowCount() - 100);
    for (int I = 0; I < Steps; ++I)
        Step();
    Report.Add("scroll_step_ms", Scroll.Ms() / std::max(1, Steps));
    Report.Add("scroll_steps", static_cast<std::int64_t>(Steps));
    return 0;
}

BenchRegistration paintScenario("paint", "FILE [--repeat N] [--colored] [--mode N] [--marks]",
                                RunPaint);

} // namespace
