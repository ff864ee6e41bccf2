#pragma once
// The main of a benchmark of widgets: an offscreen application, then every benchmark asked for,
// reported through `reporter`; `cleanUp` drops what the benchmarks kept of widgets while the
// application still stands.
#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {

template <typename TReporter>
void RunWidgetBenchmarks(int argc, char** argv, void (*cleanUp)() = nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (cleanUp) cleanUp();
}

}  // namespace bench
