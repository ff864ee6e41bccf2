// Start-up to the main window shown (offscreen), with no file and with 100 MB of Czech text
// (about 1.5 million lines) in CP 1250 and in Kamenický, against plainly reading the same file in
// the same run. Opening the Kamenický file should cost little more than the CP 1250 one: both
// are read once and split into lines pointing into the block; only the decoding differs.
#include "BenchCzechText.h"
#include "CodePages.h"
#include "BenchUiServices.h"
#include "MainWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

namespace {

const std::string kDir = "/tmp/bed_bench_startup/";
const std::string kFile = kDir + "czech_100MB.txt";
const std::string kKamenickyFile = kDir + "czech_100MB.kam";
std::map<std::string, double> seconds;  // mean wall time per benchmark

template <class F>
void Timed(benchmark::State& state, const std::string& name, F&& body) {
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    seconds[name] = total / double(state.iterations());
}

void PlainRead(benchmark::State& state) {
    Timed(state, "plain read", [] { benchmark::DoNotOptimize(bench::ReadWholeFile(kFile)); });
}

void Start(benchmark::State& state, const std::string& name, const QStringList& params) {
    bench::TUiServices ui;
    Timed(state, name, [&] {
        TForm1 form(ui, kDir, params);
        form.show();
        QCoreApplication::processEvents();
    });
}

void StartEmpty(benchmark::State& state) { Start(state, "start, no file", {}); }
void StartWithFile(benchmark::State& state) { Start(state, "start, 100 MB file", {QString::fromStdString(kFile)}); }
void StartWithKamenickyFile(benchmark::State& state) {
    Start(state, "start, 100 MB .kam", {QString::fromStdString(kKamenickyFile)});
}

}  // namespace

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StartEmpty)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(StartWithFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StartWithKamenickyFile)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::filesystem::create_directories(kDir);
    if (!std::filesystem::exists(kFile)) bench::WriteWholeFile(kFile, bench::GenerateCzechText(100'000'000, "\r\n"));
    if (!std::filesystem::exists(kKamenickyFile)) {
        std::string text = bench::ReadWholeFile(kFile);
        EncodeBytes(cpKamenicky, text.data(), text.size());
        bench::WriteWholeFile(kKamenickyFile, text);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double base = seconds["plain read"];
    std::printf("\n%-22s %10s %8s\n", "", "ms", "× read");
    for (const auto& [name, s] : seconds) std::printf("%-22s %10.1f %8.2f\n", name.c_str(), s * 1000, s / base);
    const double plain = seconds["start, 100 MB file"] - seconds["start, no file"];
    const double kamenicky = seconds["start, 100 MB .kam"] - seconds["start, no file"];
    if (plain > 0) std::printf("\nopening Kamenický / opening CP 1250 (start-up taken off): %.2f\n", kamenicky / plain);
    return 0;
}
