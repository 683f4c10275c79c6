// The row list at a million rows: one-character edits in the middle (consecutive, as
// typing, and scattered), whole-line deletes and inserts there, re-cutting 100 MB of
// text at WrapByte 80, reading Lines.Text, and the memory a row costs beyond its bytes.
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/word_wrap.h"
#include "support/fake_row_list_view.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

// Shift_JIS prose-like lines: kana and kanji pairs, ASCII words, punctuation, a tab.
std::string MakeLine(std::mt19937& Rng, int Bytes) {
    static const char* const Pieces[] = {"\x82\xb1\x82\xea\x82\xcd",
                                         "\x93\xfa\x96\x7b\x8c\xea",
                                         "text ",
                                         "\x81\x41",
                                         "\x81\x42",
                                         "\t",
                                         "\x83\x65\x83\x4c\x83\x58\x83\x67",
                                         "editor "};
    std::string S;
    while (static_cast<int>(S.size()) < Bytes)
        S += Pieces[Rng() % 8];
    return S;
}

struct BenchDoc {
    TEditorScreenStrings* List = new TEditorScreenStrings;
    TFakeRowListView View{List};
    TEditorStrings Lines{View};

    // Rows filled directly, as the loader does.
    void Fill(int Rows, int Bytes) {
        std::mt19937 Rng(1);
        List->BeginUpdate();
        for (int I = 0; I < Rows; ++I)
            List->AddRow(MakeLine(Rng, Bytes), TEditorRowAttribute::raCrlf);
        List->EndUpdate();
    }
};

void BM_TypeInMiddle(benchmark::State& State) {
    BenchDoc D;
    D.List->SetWordWrap(State.range(0) != 0);
    D.Fill(1000000, 50);
    int Row = D.List->Count() / 2;
    for (auto _ : State) {
        // Typing: the row gets one more byte, the edit stays at the same place.
        std::string Text = D.List->Get(Row) + "a";
        D.List->AppendLineBreak(Row, Text);
        D.List->ReplaceRows(D.List->FirstRowOfLine(Row), 1, Text);
        if (D.List->Get(Row).size() > 60) D.List->ReplaceRows(Row, 1, "\x82\xa0\r\n");
    }
    State.counters["rows"] = D.List->Count();
}
BENCHMARK(BM_TypeInMiddle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ScatteredEdits(benchmark::State& State) {
    BenchDoc D;
    D.Fill(1000000, 50);
    std::mt19937 Rng(2);
    for (auto _ : State) {
        int Row = 400000 + static_cast<int>(Rng() % 200000);
        std::string Text = D.List->Get(Row).substr(1) + "b\r\n";
        D.List->ReplaceRows(Row, 1, Text);
    }
}
BENCHMARK(BM_ScatteredEdits)->Unit(benchmark::kMicrosecond);

void BM_DeleteAndInsertLines(benchmark::State& State) {
    BenchDoc D;
    D.Fill(1000000, 50);
    int Line = 500000;
    for (auto _ : State) {
        std::string S = D.Lines.Get(Line);
        D.Lines.Delete(Line);
        D.Lines.Insert(Line, S);
    }
}
BENCHMARK(BM_DeleteAndInsertLines)->Unit(benchmark::kMicrosecond);

// 100 MB as 1,000,000 lines of 100 bytes, cut at WrapByte 80.
void BM_WrapAll100MB(benchmark::State& State) {
    double Rows = 0;
    for (auto _ : State) {
        State.PauseTiming();
        auto D = std::make_unique<BenchDoc>();
        D->Fill(1000000, 100);
        D->List->WrapOption().SetWrapByte(80);
        State.ResumeTiming();
        D->List->SetWordWrap(true);
        State.PauseTiming();
        Rows = D->List->Count();
        D.reset();
        State.ResumeTiming();
    }
    State.counters["rows"] = Rows;
    State.SetBytesProcessed(State.iterations() * 100000000LL);
}
BENCHMARK(BM_WrapAll100MB)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LinesText100MB(benchmark::State& State) {
    BenchDoc D;
    D.Fill(1000000, 100);
    std::size_t Bytes = 0;
    for (auto _ : State) {
        std::string T = D.Lines.Text();
        Bytes = T.size();
        benchmark::DoNotOptimize(T.data());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
}
BENCHMARK(BM_LinesText100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Bytes a row costs beyond its text: records, gap and string blocks.
void BM_MemoryPerRow(benchmark::State& State) {
    BenchDoc D;
    D.Fill(1000000, static_cast<int>(State.range(0)));
    std::size_t Text = 0;
    for (int R = 0; R < D.List->Count(); ++R)
        Text += D.List->Get(R).size();
    for (auto _ : State)
        benchmark::DoNotOptimize(D.List->MemoryBytes());
    State.counters["bytes_per_row_total"] =
        static_cast<double>(D.List->MemoryBytes()) / D.List->Count();
    State.counters["overhead_per_row"] =
        static_cast<double>(D.List->MemoryBytes() - Text) / D.List->Count();
}
BENCHMARK(BM_MemoryPerRow)->Arg(10)->Arg(50)->Iterations(1);

} // namespace
