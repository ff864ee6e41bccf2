// Decode and Encode throughput of every code page on 100 MB of Czech text, against the plain
// 256-entry table-lookup loop over every byte of the same text (what any byte-by-byte code-page
// conversion costs). Prints the ratios at the end.
//
//   bench_codepages [--bed_corpus_dir=DIR] [--bed_write_corpus] [benchmark flags]
//
// The text is generated deterministically and kept in DIR (default /tmp/bed_cp_corpus) as
// czech.cp1250, czech.kam, czech.iso, czech.koi and czech.pcl2, so that the peer script times
// other converters on exactly the same bytes. --bed_write_corpus only writes the files.
#include "BenchCzechText.h"
#include "CodePages.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kCorpusBytes = 100'000'000;

struct Corpus {
    std::string dir;
    std::string text;                // CP 1250
    std::vector<std::string> lines;  // CP 1250
};
Corpus* corpus = nullptr;

constexpr const char* kFileSuffix[kCodePageCount] = {"kam", "iso", "koi", "pcl2", "cp1250", "utf8"};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    lines.reserve(text.size() / 60);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.emplace_back(text, start, end - start);
    return lines;
}

void PrepareCorpus(const std::string& dir) {
    std::filesystem::create_directories(dir);
    corpus->dir = dir;
    const std::string base = dir + "/czech.cp1250";
    if (!std::filesystem::exists(base) || std::filesystem::file_size(base) < kCorpusBytes)
        bench::WriteWholeFile(base, bench::GenerateCzechText(kCorpusBytes, "\n"));
    corpus->text = bench::ReadWholeFile(base);
    corpus->lines = SplitLines(corpus->text);
    for (int cp = 0; cp < 4; ++cp) {
        std::string encoded = corpus->text;
        EncodeBytes(cp, encoded.data(), encoded.size());
        const std::string path = dir + "/czech." + kFileSuffix[cp];
        if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != encoded.size())
            bench::WriteWholeFile(path, encoded);
    }
}

std::size_t LineBytes(const std::vector<std::string>& lines) {
    std::size_t n = 0;
    for (const auto& l : lines) n += l.size();
    return n;
}

// The baseline: a generic byte-translation loop with a table only known at run time.
void TableLookup(benchmark::State& state) {
    TBedByteMap table;
    for (int b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(255 - b);
    auto lines = corpus->lines;
    for (auto _ : state) {
        for (auto& line : lines) {
            auto* p = reinterpret_cast<unsigned char*>(line.data());
            for (std::size_t i = 0, n = line.size(); i < n; ++i) p[i] = table[p[i]];
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(LineBytes(lines)));
}

// Repeated conversion in place: the bytes change meaning but not the work per byte.
void DecodeLines(benchmark::State& state, int cp) {
    auto lines = corpus->lines;
    for (auto& line : lines) Encode(cp, line);
    for (auto _ : state) {
        for (auto& line : lines) Decode(cp, line);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(LineBytes(lines)));
}

void EncodeLines(benchmark::State& state, int cp) {
    auto lines = corpus->lines;
    for (auto _ : state) {
        for (auto& line : lines) Encode(cp, line);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(LineBytes(lines)));
}

// The console output plus, at the end, each result's speed as a share of the limit.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the median stands for the benchmark.
        for (const auto& run : runs)
            if (run.counters.count("bytes_per_second") &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                speed_[run.run_name.str()] = run.counters.at("bytes_per_second");
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto limit = speed_.find("TableLookup");
        if (limit == speed_.end() || limit->second <= 0) return;
        std::printf("\nRatio to the plain table-lookup loop (%.0f MB/s):\n", limit->second / 1e6);
        for (const auto& [name, speed] : speed_)
            std::printf("  %-24s %8.0f MB/s  %5.2f\n", name.c_str(), speed / 1e6, speed / limit->second);
    }

private:
    std::map<std::string, double> speed_;
};

std::string ArgValue(int& argc, char** argv, const char* name, bool& present) {
    const std::size_t len = std::strlen(name);
    std::string value;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, len) == 0 && (argv[i][len] == '=' || argv[i][len] == 0)) {
            present = true;
            if (argv[i][len] == '=') value = argv[i] + len + 1;
            for (int j = i; j < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            --i;
        }
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    bool hasDir = false, writeOnly = false;
    std::string dir = ArgValue(argc, argv, "--bed_corpus_dir", hasDir);
    ArgValue(argc, argv, "--bed_write_corpus", writeOnly);
    Corpus data;
    corpus = &data;
    PrepareCorpus(hasDir && !dir.empty() ? dir : "/tmp/bed_cp_corpus");
    if (writeOnly) return 0;

    std::size_t accented = 0;
    for (unsigned char c : data.text) accented += c >= 0x80;
    std::printf("%zu bytes, %zu lines, %.1f %% accented letters\n", data.text.size(), data.lines.size(),
                100.0 * double(accented) / double(data.text.size()));

    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("TableLookup", TableLookup)->Unit(benchmark::kMillisecond);
    for (int cp = 0; cp < 4; ++cp) {
        const std::string suffix = std::string("/") + kFileSuffix[cp];
        benchmark::RegisterBenchmark(("Decode" + suffix).c_str(), DecodeLines, cp)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Encode" + suffix).c_str(), EncodeLines, cp)->Unit(benchmark::kMillisecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
