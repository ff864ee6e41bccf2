// The editing component driving a highlighter on a 1-million-line Pascal document: attaching
// the highlighter (a full rescan of the stored start states), and the worst case of typing a
// comment opener on the first line (every following line changes its start state), each with
// the same operation on a 10,000-line document beside it.
//
//   Attach/N: SetHighlighter on N lines.  CommentOpenerAtTop/N: one keystroke that changes the
//   start state of all N lines.
#include "BedEditCore.h"
#include "BedEditKeyStrokes.h"
#include "Pas.h"
#include "PascalSample.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void Fill(TCustomBedEdit& e, size_t lines) {
    for (const std::string& line : bench::GeneratePascalLines(SIZE_MAX, lines)) e.Lines().Add(line);
}

// The same program without its brace comments, so that nothing closes a "{" typed at the top.
void FillWithoutBraces(TCustomBedEdit& e, size_t lines) {
    for (const std::string& line : bench::GeneratePascalLines(SIZE_MAX, 2 * lines))
        if (line.find_first_of("{}") == std::string::npos && e.Lines().Count() < int(lines)) e.Lines().Add(line);
}

void Attach(benchmark::State& state) {
    TCustomBedEdit e;
    Fill(e, size_t(state.range(0)));
    TPasHighlighter pas;
    for (auto _ : state) {
        e.SetHighlighter(&pas);
        state.PauseTiming();
        e.SetHighlighter(nullptr);
        state.ResumeTiming();
    }
    state.counters["lines"] = double(e.Lines().Count());
}

// "{" typed at the start of line 1 turns the whole text into a comment: the worst case, a
// rescan to the end of the text. Undo (untimed) turns it back.
void CommentOpenerAtTop(benchmark::State& state) {
    TCustomBedEdit e;
    FillWithoutBraces(e, size_t(state.range(0)));
    TPasHighlighter pas;
    e.SetHighlighter(&pas);
    for (auto _ : state) {
        e.SetCaretXY({1, 1});
        e.CommandProcessor(ecChar, '{', nullptr);
        state.PauseTiming();
        e.CommandProcessor(ecUndo, 0, nullptr);
        state.ResumeTiming();
    }
    state.counters["lines"] = double(e.Lines().Count());
    e.SetHighlighter(nullptr);
}

}  // namespace

BENCHMARK(Attach)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(CommentOpenerAtTop)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
