// Line buffer: loading, saving, memory and edits in the middle, each against a baseline measured
// in the same run. The test text (about 100 MB of CP 1250 Czech in 1.5 million CR LF lines) is
// generated deterministically in /tmp and reused by later runs.
#include "BedEditStringList.h"
#include "BenchCzechText.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kTextFile = "/tmp/bed_bench_czech_100MB.txt";
const std::string kOutFile = "/tmp/bed_bench_out.txt";
constexpr size_t kTextSize = 100'000'000;

void EnsureTextFile() {
    struct stat st;
    if (::stat(kTextFile.c_str(), &st) == 0 && size_t(st.st_size) >= kTextSize) return;
    bench::WriteWholeFile(kTextFile, bench::GenerateCzechText(kTextSize, "\r\n"));
}

size_t FileSize(const std::string& name) {
    struct stat st;
    return ::stat(name.c_str(), &st) == 0 ? size_t(st.st_size) : 0;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

std::unique_ptr<char[]> PlainRead(const std::string& name, size_t& size) {
    const int fd = ::open(name.c_str(), O_RDONLY);
    size = FileSize(name);
    std::unique_ptr<char[]> bytes(new char[size]);
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, bytes.get() + done, size - done);
        if (got <= 0) break;
        done += size_t(got);
    }
    ::close(fd);
    return bytes;
}

void PlainWrite(const std::string& name, const char* bytes, size_t size, bool sync) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, bytes + done, size - done);
        if (put <= 0) break;
        done += size_t(put);
    }
    if (sync) ::fsync(fd);
    ::close(fd);
}

void BM_PlainRead(benchmark::State& state) {
    for (auto _ : state) {
        size_t size = 0;
        auto bytes = PlainRead(kTextFile, size);
        benchmark::DoNotOptimize(bytes.get());
        state.PauseTiming();
        bytes.reset();
        ::malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_LoadFromFile(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<TBedEditStringList>();
        state.ResumeTiming();
        list->LoadFromFile(kTextFile);
        benchmark::DoNotOptimize(list->Count());
        state.PauseTiming();
        // Freeing the previous text, including the allocator's tidying up, is not loading.
        list.reset();
        ::malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_PlainWrite(benchmark::State& state) {
    size_t size = 0;
    auto bytes = PlainRead(kTextFile, size);
    for (auto _ : state) PlainWrite(kOutFile, bytes.get(), size, state.range(0) != 0);
}

void BM_SaveToFile(benchmark::State& state) {
    TBedEditStringList list;
    list.LoadFromFile(kTextFile);
    for (auto _ : state) list.SaveToFile(kOutFile);
}

// One line inserted and deleted again in the middle: two edits per iteration.
void BM_InsertDeleteMiddle(benchmark::State& state) {
    TBedEditStringList list;
    const std::string line =
        "st\xF8"
        "edn\xED d\xE9lka \xF8\xE1"
        "dku";
    std::vector<std::string> lines(size_t(state.range(0)), line);
    list.AddStrings(lines);
    const int middle = list.Count() / 2;
    for (auto _ : state) {
        list.Insert(middle,
                    "nov\xFD \xF8\xE1"
                    "dek");
        list.Delete(middle);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_InsertDeleteMiddle)->Arg(10'000)->Arg(1'500'000)->Unit(benchmark::kNanosecond);

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds, cpuSeconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.iterations == 0) continue;
            seconds[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
            cpuSeconds[run.benchmark_name()] = run.cpu_accumulated_time / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintMemory() {
    const long before = ResidentKiB();
    auto list = std::make_unique<TBedEditStringList>();
    list->LoadFromFile(kTextFile);
    const long after = ResidentKiB();
    const double fileKiB = double(FileSize(kTextFile)) / 1024.0;
    std::printf("Text: %zu bytes, %d lines\n", FileSize(kTextFile), list->Count());
    std::printf(
        "Resident memory for the loaded text: %.1f MiB = %.2f x the file size "
        "(target <= 2.5)\n",
        double(after - before) / 1024.0, double(after - before) / fileKiB);
}

}  // namespace

int main(int argc, char** argv) {
    EnsureTextFile();
    PrintMemory();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& s = reporter.seconds;
    auto ratio = [&](const char* what, const std::string& a, const std::string& b, const char* target) {
        if (s.count(a) && s.count(b)) std::printf("%-44s %6.2f x  (target %s)\n", what, s[a] / s[b], target);
    };
    std::printf("\n");
    ratio("LoadFromFile / plain read", "BM_LoadFromFile/real_time", "BM_PlainRead/real_time", "<= 2");
    // Other processes on a busy machine stretch wall time; processor time shows the work done.
    const auto& cpu = reporter.cpuSeconds;
    if (cpu.count("BM_LoadFromFile/real_time") && cpu.count("BM_PlainRead/real_time"))
        std::printf("%-44s %6.2f x  (processor time)\n", "LoadFromFile / plain read",
                    cpu.at("BM_LoadFromFile/real_time") / cpu.at("BM_PlainRead/real_time"));
    ratio("SaveToFile / plain write with fsync", "BM_SaveToFile/real_time", "BM_PlainWrite/1/real_time", "<= 2");
    ratio("SaveToFile / plain write without fsync", "BM_SaveToFile/real_time", "BM_PlainWrite/0/real_time",
          "information");
    for (const char* n : {"BM_InsertDeleteMiddle/10000", "BM_InsertDeleteMiddle/1500000"})
        if (s.count(n)) std::printf("%-44s %6.3f us per edit (target <= 20)\n", n, s[n] / 2 * 1e6);
    std::remove(kOutFile.c_str());
    return 0;
}
