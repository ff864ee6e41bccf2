// The Czech text tools on generated Czech text of 10 MB and 100 MB:
//   - removing diacritics from the whole document, against the plain 256-entry table-lookup
//     loop over the same bytes in one buffer (the floor for any in-memory conversion);
//   - wrapping the whole document at width 60, against loading the same file (read, split,
//     into the lines) — both grow with the size, the wrap should stay within a few loads;
//   - wrapping while typing: one character typed at the edge of a line, the break and its undo
//     record, in documents of 10,000 and 1,000,000 lines (the time should not grow with size).
// The text lies in --bed_corpus_dir (default /tmp/bed_tools_corpus); --bed_write_corpus only
// writes it, for bench/texttools_peers.sh.
#include "BenchCzechText.h"

#include "BedEditCore.h"
#include "BedTextDiacritics.h"
#include "CzechTextTools.h"
#include "DocumentLoader.h"
#include "LineWrap.h"
#include "TextToolEdit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::string corpusDir = "/tmp/bed_tools_corpus";

std::string CorpusFile(int megabytes) {
    const std::string path = corpusDir + "/czech" + std::to_string(megabytes) + "mb.txt";
    const auto bytes = std::size_t(megabytes) * 1'000'000;
    if (!std::filesystem::exists(path) || std::filesystem::file_size(path) < bytes) {
        std::filesystem::create_directories(corpusDir);
        bench::WriteWholeFile(path, bench::GenerateCzechText(bytes, "\n"));
    }
    return path;
}

void Load(TCustomBedEdit& editor, const std::string& path) {
    T602Session t602;
    t602.SetMode(t602Leave);
    LoadDocument(
        ReadDocumentFile(path), 4, t602, [] { return t602Leave; }, editor.Lines());
}

void BM_Load(benchmark::State& state) {
    const std::string path = CorpusFile(int(state.range(0)));
    for (auto _ : state) {
        TCustomBedEdit editor;
        Load(editor, path);
        benchmark::DoNotOptimize(editor.Lines().Count());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
}

void BM_TableLoop(benchmark::State& state) {
    std::string bytes = bench::ReadWholeFile(CorpusFile(int(state.range(0))));
    for (auto _ : state) {
        for (char& c : bytes) c = char(kBedCp1250WithoutDiacritics[uint8_t(c)]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

// Each run needs the original text back, so the document is loaded again outside the timing.
template <typename Tool>
void RunOnFreshDocument(benchmark::State& state, Tool tool) {
    const std::string path = CorpusFile(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<TCustomBedEdit>();
        Load(*editor, path);
        state.ResumeTiming();
        {
            TBedTextToolEdit edit(*editor);
            tool(edit);
        }
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
}

void BM_RemoveDiacritics(benchmark::State& state) {
    RunOnFreshDocument(state, [](TBedTextToolEdit& edit) { RemoveDiacritics(edit); });
}

void BM_WrapDocument(benchmark::State& state) {
    RunOnFreshDocument(state, [](TBedTextToolEdit& edit) { WrapLines(edit, 60); });
}

// Lines of 60 characters ending with a word; typing one more character at column 61 breaks
// the line before that word. Each keystroke goes to the next unbroken line.
void BM_TypeAtEdge(benchmark::State& state) {
    const int lineCount = int(state.range(0));
    TCustomBedEdit editor;
    editor.SetOptions(kBedDefaultEditorOptions);
    std::string line;
    while (line.size() < 55) line += "slovo ";
    line.resize(55);
    line += " konec";  // 61 characters would be one too many; this is 61 - 1 = 60
    line.resize(60);
    {
        TBedLinesUpdate update(editor.Lines());
        for (int i = 0; i < lineCount; ++i) editor.Lines().Add(line);
    }
    int y = 1;
    for (auto _ : state) {
        editor.SetCaretXY({61, y});
        editor.CommandProcessor(ecChar, 'x', nullptr);
        if (!BreakTypedLine(editor, 60)) state.SkipWithError("no break");
        y += 2;  // past the new line
        if (y > editor.Lines().Count()) y = 1;
    }
}

}  // namespace

BENCHMARK(BM_Load)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TableLoop)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveDiacritics)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WrapDocument)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TypeAtEdge)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    bool writeOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--bed_corpus_dir=", 0) == 0) corpusDir = arg.substr(17);
        if (arg == "--bed_write_corpus") writeOnly = true;
    }
    if (writeOnly) {
        CorpusFile(10);
        CorpusFile(100);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
