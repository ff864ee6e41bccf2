// The counts and the whole-document formatting commands on generated Czech text of 10 MB and
// 100 MB, each beside loading the same document, so that linearity (10 vs 100) and the ratio
// to a load can be read off side by side.
//
//   Load/MB: read the file and fill the line buffer (CP 1250).  CountLines, CountCharacters,
//   CountWords/MB: the three counts.  ShiftRight, AddToStart, Align/MB: one run of the tool
//   over every line (the first lines of the document grow a little from one run to the next).
//
// --bed_corpus_dir=DIR keeps the generated files (default /tmp/bed_format_corpus); the script
// formatting_peers.sh times `wc -w` on the same 100 MB file.
#include "BenchCzechText.h"
#include "BlockFormat.h"
#include "DocumentLoader.h"
#include "TextCounts.h"
#include "TextToolEdit.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>

namespace {

std::string corpusDir = "/tmp/bed_format_corpus";

std::string CorpusFile(int megabytes) {
    const std::string path = corpusDir + "/czech" + std::to_string(megabytes) + ".txt";
    if (!std::filesystem::exists(path)) {
        std::filesystem::create_directories(corpusDir);
        bench::WriteWholeFile(path, bench::GenerateCzechText(size_t(megabytes) << 20, "\r\n"));
    }
    return path;
}

void LoadInto(TCustomBedEdit& editor, int megabytes) {
    T602Session t602;
    LoadDocument(ReadDocumentFile(CorpusFile(megabytes)), 4, t602, {}, editor.Lines());
}

void Load(benchmark::State& state) {
    const int mb = int(state.range(0));
    CorpusFile(mb);
    for (auto _ : state) {
        TCustomBedEdit editor;
        LoadInto(editor, mb);
        benchmark::DoNotOptimize(editor.Lines().Count());
        state.PauseTiming();  // freeing the lines is not part of a load
        editor.Lines().Clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * (int64_t(mb) << 20));
}

template <int64_t (*Count)(const TBedEditStringList&)>
void CountBench(benchmark::State& state) {
    TCustomBedEdit editor;
    LoadInto(editor, int(state.range(0)));
    int64_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = Count(editor.Lines()));
    state.counters["count"] = double(n);
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
}

template <class Tool>
void ToolBench(benchmark::State& state, Tool tool) {
    TCustomBedEdit editor;
    LoadInto(editor, int(state.range(0)));
    for (auto _ : state) {
        TBedTextToolEdit edit(editor);
        tool(edit);
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) << 20));
}

void ShiftRight(benchmark::State& s) {
    ToolBench(s, [](auto& e) { ShiftLinesRight(e, 1, e.Count()); });
}
void AddToStart(benchmark::State& s) {
    ToolBench(s, [](auto& e) { AddToLines(e, "// ", true); });
}
void Align(benchmark::State& s) {
    ToolBench(s, [](auto& e) { AlignLines(e, 1, e.Count()); });
}

#define SIZES ->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(2)
BENCHMARK(Load) SIZES;
BENCHMARK(CountBench<CountLines>)->Name("CountLines") SIZES;
BENCHMARK(CountBench<CountCharacters>)->Name("CountCharacters") SIZES;
BENCHMARK(CountBench<CountWords>)->Name("CountWords") SIZES;
BENCHMARK(ShiftRight) SIZES;
BENCHMARK(AddToStart) SIZES;
BENCHMARK(Align) SIZES;

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--bed_corpus_dir=", 17) == 0) corpusDir = argv[i] + 17;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
