// Full-rescan throughput of the Pascal and the general highlighter over a generated 50 MB
// Pascal text, against a loop that only looks every byte up in a 256-entry table (the
// practical limit of any byte-wise scanner).
//
//   bench_highlighters [--write-sample=FILE] [benchmark options]
// --write-sample writes the generated text (LF line ends) and exits; the peers script uses it.
#include "General.h"
#include "Pas.h"
#include "PascalSample.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr size_t kTargetBytes = 50u << 20;

const std::vector<std::string>& Sample() {
    static const std::vector<std::string> lines = bench::GeneratePascalLines(kTargetBytes, SIZE_MAX);
    return lines;
}

size_t SampleBytes() {
    size_t n = 0;
    for (const std::string& l : Sample()) n += l.size() + 1;
    return n;
}

// What the editing component does when a highlighter is attached or a text is loaded.
void FullRescan(benchmark::State& state, TBedCustomHighlighter& hl) {
    const auto& lines = Sample();
    std::vector<TBedRange> ranges(lines.size());
    for (auto _ : state) {
        hl.ClearRange();
        for (size_t i = 0; i < lines.size(); ++i) {
            ranges[i] = hl.CurrentRange();
            hl.StartLine(lines[i], static_cast<int>(i));
            hl.ScanToLineEnd();
        }
        benchmark::DoNotOptimize(ranges.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SampleBytes()));
}

void BM_PascalFullRescan(benchmark::State& state) {
    TPasHighlighter hl;
    FullRescan(state, hl);
}

void BM_GeneralFullRescan(benchmark::State& state) {
    TGeneralHighlighter hl;
    hl.SetComments(csAnsiStyle | csPasStyle | csCStyle);
    hl.SetKeyWords({"begin", "end",     "if",        "then",      "else",          "for",
                    "do",    "to",      "procedure", "function",  "var",           "const",
                    "type",  "unit",    "uses",      "property",  "read",          "write",
                    "class", "private", "public",    "interface", "implementation"});
    FullRescan(state, hl);
}

void BM_TableLookupLoop(benchmark::State& state) {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<uint8_t>((c * 7) & 15);
    const auto& lines = Sample();
    for (auto _ : state) {
        unsigned sum = 0;
        for (const std::string& line : lines)
            for (unsigned char c : line) sum += table[c];
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * SampleBytes()));
}

BENCHMARK(BM_PascalFullRescan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GeneralFullRescan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TableLookupLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0);

class RateCollector : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            auto it = run.counters.find("bytes_per_second");
            if (it != run.counters.end()) rates[run.benchmark_name()] = it->second.value / 1e6;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> rates;  // MB/s by benchmark name
};

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--write-sample=", 0) == 0) {
            std::ofstream out(arg.substr(15), std::ios::binary);
            for (const std::string& line : Sample()) out << line << '\n';
            return out ? 0 : 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    std::printf("sample: %zu lines, %.1f MB\n", Sample().size(), SampleBytes() / 1e6);
    RateCollector reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Benchmark names carry their options ("BM_x/min_time:2.000"): match the prefix.
    const auto rate = [&](const std::string& name) {
        for (const auto& [n, r] : reporter.rates)
            if (n.rfind(name, 0) == 0) return r;
        return 0.0;
    };
    const double limit = rate("BM_TableLookupLoop");
    for (const char* name : {"BM_PascalFullRescan", "BM_GeneralFullRescan"}) {
        if (rate(name) > 0 && limit > 0)
            std::printf("%-22s %8.1f MB/s  %5.1f %% of the table loop (%.1f MB/s)\n", name, rate(name),
                        100.0 * rate(name) / limit, limit);
    }
    if (rate("BM_PascalFullRescan") > 0) std::printf("pascal_full_rescan_MBps %.2f\n", rate("BM_PascalFullRescan"));
    return 0;
}
