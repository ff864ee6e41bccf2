// Editing in the middle of a large document: typing a character, a line break and undoing
// them, in a 1-million-line document against a 10,000-line one measured in the same run (the
// ratio shows whether an edit depends on the document's size), and the undo list's memory for
// 100,000 typed characters.
#include "BedEditCore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include <malloc.h>

namespace {

constexpr int kSmall = 10'000;
constexpr int kLarge = 1'000'000;

std::unique_ptr<TCustomBedEdit> MakeDocument(int lines) {
    auto e = std::make_unique<TCustomBedEdit>();
    std::vector<std::string> text;
    text.reserve(size_t(lines));
    for (int i = 0; i < lines; ++i) text.push_back("    \xE8\xE1st " + std::to_string(i) + " textu editoru Brousek");
    e->Lines().AddStrings(text);
    return e;
}

// Documents are built once per size: building the large one takes longer than the edits.
TCustomBedEdit& Document(int lines) {
    static std::map<int, std::unique_ptr<TCustomBedEdit>> documents;
    auto& d = documents[lines];
    if (!d) d = MakeDocument(lines);
    return *d;
}

// The caret walks over a thousand lines in the middle so that no line grows without end.
TBedPoint MiddlePoint(int lines, int64_t i) { return {6, lines / 2 + int(i % 1000)}; }

void BM_TypeChar(benchmark::State& state) {
    const int lines = int(state.range(0));
    TCustomBedEdit& e = Document(lines);
    int64_t i = 0;
    for (auto _ : state) {
        e.SetCaretXY(MiddlePoint(lines, i++));
        e.CommandProcessor(ecChar, 'x', nullptr);
    }
    e.UndoList().Clear();
}

void BM_TypeCharAndUndo(benchmark::State& state) {
    const int lines = int(state.range(0));
    TCustomBedEdit& e = Document(lines);
    int64_t i = 0;
    for (auto _ : state) {
        e.SetCaretXY(MiddlePoint(lines, i++));
        e.CommandProcessor(ecChar, 'y', nullptr);
        e.CommandProcessor(ecUndo, 0, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_LineBreakAndUndo(benchmark::State& state) {
    const int lines = int(state.range(0));
    TCustomBedEdit& e = Document(lines);
    int64_t i = 0;
    for (auto _ : state) {
        e.SetCaretXY(MiddlePoint(lines, i++));
        e.CommandProcessor(ecLineBreak, '\r', nullptr);
        e.CommandProcessor(ecUndo, 0, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_UndoMemory(benchmark::State& state) {
    constexpr int kTyped = 100'000;
    for (auto _ : state) {
        TCustomBedEdit e;
        e.Lines().Add({});
        e.SetMaxUndo(kTyped);
        const size_t before = mallinfo2().uordblks;
        for (int i = 0; i < kTyped; ++i) {
            if (i % 100 == 0) e.CommandProcessor(ecLineBreak, '\r', nullptr);
            e.CommandProcessor(ecChar, char('a' + i % 26), nullptr);
        }
        state.counters["undo_records"] = double(e.UndoList().Count());
        const size_t after = mallinfo2().uordblks;
        // The text itself is about one byte per character; the rest is the undo list.
        state.counters["bytes_per_record"] = double(after - before - size_t(kTyped)) / double(e.UndoList().Count());
    }
}

BENCHMARK(BM_TypeChar)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_TypeCharAndUndo)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_LineBreakAndUndo)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_UndoMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.iterations > 0) seconds[run.benchmark_name()] = run.cpu_accumulated_time / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& s = reporter.seconds;
    std::printf("\n%-22s %14s %14s %8s\n", "per operation (us)", "10k lines", "1M lines", "ratio");
    const std::pair<const char*, int> rows[] = {
        {"BM_TypeChar", 1}, {"BM_TypeCharAndUndo", 2}, {"BM_LineBreakAndUndo", 2}};
    for (const auto& [name, ops] : rows) {
        const std::string small = std::string(name) + "/" + std::to_string(kSmall);
        const std::string large = std::string(name) + "/" + std::to_string(kLarge);
        if (!s.count(small) || !s.count(large)) continue;
        std::printf("%-22s %14.3f %14.3f %7.2fx  (target < 20 us, ratio ~1)\n", name, s[small] / ops * 1e6,
                    s[large] / ops * 1e6, s[large] / s[small]);
    }
    return 0;
}
