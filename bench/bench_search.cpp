// Find and replace in the editing component, each against a plain baseline measured in the same
// run on the same bytes:
//   FindAtEnd      "Hledej další" from the top for a word that stands only in the last line of
//                  100 MB of Czech text (1.4 M CR LF lines), ignoring case as the dialog does;
//                  baseline memmem over the text in one buffer (case-sensitive).
//   ReplaceAll     every word "a" (" a " by " i ", about 800,000 matches) as
//                  "Nahradit vše" does it; baseline a plain replace into a new buffer, the way
//                  Python's bytes.replace works.
//   OneLine/N      a 10 MB single line with N matches replaced: the time per match must not grow
//                  with N (no copy of the line per match).
// The text is written once to /tmp/bed_bench_search/czech.txt for bench/search_peers.sh; with
// BED_WRITE_CORPUS=1 the program only writes it.
#include "BedEditCore.h"
#include "FileReader.h"
#include "FileWriter.h"
#include "BenchCzechText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include <time.h>

namespace {

const std::string kDir = "/tmp/bed_bench_search";
const std::string kFile = kDir + "/czech.txt";
constexpr const char* kLastWord = "xylofonista";
std::string text;

void PrepareCorpus() {
    if (std::filesystem::exists(kFile)) {
        text = bench::ReadWholeFile(kFile);
        return;
    }
    text = bench::GenerateCzechText(100'000'000, "\r\n") + kLastWord + "\r\n";
    std::filesystem::create_directories(kDir);
    bench::WriteWholeFile(kFile, text);
}

void Load(TCustomBedEdit& e, const std::string& bytes) {
    TBedEditBlock block{std::make_unique<char[]>(bytes.size()), bytes.size()};
    std::memcpy(block.bytes.get(), bytes.data(), bytes.size());
    e.Lines().LoadFromBlock(std::move(block));
}

// Processor time: the machine is shared, and waiting for a processor is not the program's.
double Seconds(const std::function<void()>& f) {
    auto now = [] {
        timespec t;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    const double start = now();
    f();
    return now() - start;
}

std::string PlainReplace(const std::string& in, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(in.size());
    size_t at = 0;
    while (const void* hit = memmem(in.data() + at, in.size() - at, from.data(), from.size())) {
        const size_t pos = size_t(static_cast<const char*>(hit) - in.data());
        out.append(in, at, pos - at).append(to);
        at = pos + from.size();
    }
    return out.append(in, at);
}

// Sets the counters of a run: our rate, the baseline's, and ours over the baseline's.
void Report(benchmark::State& state, double bytes, double ours, double baseline) {
    state.counters["MB/s"] = bytes / ours / 1e6;
    state.counters["base MB/s"] = bytes / baseline / 1e6;
    state.counters["x base"] = baseline / ours;
}

void FindAtEnd(benchmark::State& state) {
    TCustomBedEdit e;
    Load(e, text);
    double ours = 1e9, baseline = 1e9;
    for (auto _ : state) {
        e.SetCaretXY({1, 1});
        int found = 0;
        ours = std::min(ours, Seconds([&] { found = e.SearchReplace(kLastWord, {}, 0); }));
        if (found != 1 || e.CaretY() != e.Lines().Count()) state.SkipWithError("not found at the end");
        baseline =
            std::min(baseline, Seconds([&] {
                         benchmark::DoNotOptimize(memmem(text.data(), text.size(), kLastWord, std::strlen(kLastWord)));
                     }));
    }
    Report(state, double(text.size()), ours, baseline);
}

void ReplaceAll(benchmark::State& state) {
    double ours = 1e9, baseline = 1e9;
    int count = 0;
    for (auto _ : state) {
        TCustomBedEdit e;
        Load(e, text);
        ours = std::min(ours, Seconds([&] { count = e.SearchReplace(" a ", " i ", ssoReplace | ssoReplaceAll); }));
        baseline = std::min(baseline, Seconds([&] { benchmark::DoNotOptimize(PlainReplace(text, " a ", " i ")); }));
    }
    state.counters["matches"] = count;
    Report(state, double(text.size()), ours, baseline);
}

void OneLine(benchmark::State& state) {
    const int matches = int(state.range(0));
    const std::string unit = "kolo ab x ";  // 10 bytes, one match
    const std::string filler(size_t(10'000'000 / matches) - unit.size(), 'y');
    std::string line;
    line.reserve(10'000'100);
    for (int i = 0; i < matches; ++i) line.append(unit).append(filler);
    double ours = 1e9, baseline = 1e9;
    for (auto _ : state) {
        TCustomBedEdit e;
        Load(e, line);
        int count = 0;
        ours = std::min(ours, Seconds([&] { count = e.SearchReplace("ab", "abc", ssoReplace | ssoReplaceAll); }));
        if (count != matches) state.SkipWithError("wrong count");
        baseline = std::min(baseline, Seconds([&] { benchmark::DoNotOptimize(PlainReplace(line, "ab", "abc")); }));
    }
    state.counters["ns/match"] = ours * 1e9 / matches;
    Report(state, double(line.size()), ours, baseline);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareCorpus();
    if (const char* w = std::getenv("BED_WRITE_CORPUS"); w && *w == '1') return 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("FindAtEnd", FindAtEnd)->Iterations(5)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReplaceAll", ReplaceAll)->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OneLine", OneLine)
        ->Arg(250'000)
        ->Arg(500'000)
        ->Arg(1'000'000)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
