// Painting speed of the editor widget on an offscreen image: a full repaint of a 120 x 50
// window (plain and highlighted), a one-line scroll, and typing one character in the middle of
// the text (edit, rescan, repaint of the changed line). Each is run on a text of 10,000 and of
// 1,000,000 lines: the times must not depend on the length.
#include "../tests/editorqt/TestHighlighter.h"
#include "BedEdit.h"
#include "BenchQtMain.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <cstdio>
#include <memory>

namespace {

struct Fixture {
    std::unique_ptr<TTestHighlighter> highlighter;  // outlives the editor that uses it
    std::unique_ptr<TBedEdit> edit;
    QImage image;
};

std::map<std::pair<int, bool>, Fixture>& Fixtures() {
    static std::map<std::pair<int, bool>, Fixture> fixtures;
    return fixtures;
}

std::string SampleLine(int i) {
    static const char* words[] = {"alpha", "beta", "gamma", "{note}", "delta", "epsilon", "zeta", "\xE8\x9A\x9E\xF8"};
    std::string s;
    for (int w = 0; s.size() < 118; ++w) {
        s += words[(i + w) % 8];
        s += ' ';
    }
    return s;
}

Fixture& Get(int lines, bool highlighted) {
    Fixture& f = Fixtures()[{lines, highlighted}];
    if (f.edit) return f.edit->SetFirstVisibleLine(lines / 2), f;
    f.edit = std::make_unique<TBedEdit>();
    f.edit->SetBorderStyle(bsNone);
    f.edit->SetScrollBars(TBedScrollStyle::ssNone);
    std::vector<std::string> text;
    text.reserve(size_t(lines));
    for (int i = 0; i < lines; ++i) text.push_back(SampleLine(i));
    f.edit->Lines().AddStrings(text);
    if (highlighted) {
        f.highlighter = std::make_unique<TTestHighlighter>();
        f.edit->SetHighlighter(f.highlighter.get());
    }
    f.edit->resize(f.edit->GutterWidth() + 2 + 120 * f.edit->CharWidth() + 1, 50 * f.edit->LineHeight());
    f.edit->show();  // lays out the viewport
    f.edit->SetFirstVisibleLine(lines / 2);
    f.image = QImage(f.edit->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    return f;
}

void Render(Fixture& f, const QRect& r) { f.edit->viewport()->render(&f.image, r.topLeft(), QRegion(r)); }

void BM_FullRepaint(benchmark::State& state) {
    Fixture& f = Get(int(state.range(0)), state.range(1) != 0);
    const QRect all = f.edit->viewport()->rect();
    for (auto _ : state) Render(f, all);
    state.counters["columns"] = f.edit->CharsInWindow();
    state.counters["lines"] = f.edit->LinesInWindow();
    state.SetLabel(state.range(1) ? "highlighted" : "plain");
}

void BM_ScrollOneLine(benchmark::State& state) {
    Fixture& f = Get(int(state.range(0)), true);
    const int lh = f.edit->LineHeight();
    const QRect bottom(0, f.edit->viewport()->height() - lh, f.edit->viewport()->width(), lh);
    int step = 1;
    for (auto _ : state) {
        f.edit->SetFirstVisibleLine(f.edit->FirstVisibleLine() + step);
        step = -step;
        Render(f, bottom);  // the pixels moved; only the uncovered line is painted
    }
}

void BM_TypeCharacter(benchmark::State& state) {
    Fixture& f = Get(int(state.range(0)), true);
    const int line = int(state.range(0)) / 2 + 10;
    f.edit->SetCaretXY({20, line});
    const QPoint cell = f.edit->PositionToPixels(f.edit->CaretXY());
    const QRect row(0, cell.y(), f.edit->viewport()->width(), f.edit->LineHeight());
    int n = 0;
    for (auto _ : state) {
        if (++n % 2)
            f.edit->KeyPress('x');
        else
            f.edit->CommandProcessor(ecDeleteLastChar, 0, nullptr);
        Render(f, row);
    }
}

}  // namespace

BENCHMARK(BM_FullRepaint)
    ->Args({10000, 0})
    ->Args({1000000, 0})
    ->Args({10000, 1})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollOneLine)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeCharacter)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

namespace {

// After the table: each 1,000,000-line figure as a ratio of its 10,000-line baseline.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) cpu_[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, cpu] : cpu_) {
            const size_t at = name.find("/1000000");
            if (at == std::string::npos || name.ends_with("_mean") || name.ends_with("_stddev") ||
                name.ends_with("_cv"))
                continue;
            const std::string base = name.substr(0, at) + "/10000" + name.substr(at + 8);
            if (auto it = cpu_.find(base); it != cpu_.end() && it->second > 0)
                std::printf("%-32s 1M / 10k lines = %.2f (processor time)\n", base.c_str(), cpu / it->second);
        }
    }

private:
    std::map<std::string, double> cpu_;
};

}  // namespace

int main(int argc, char** argv) {
    bench::RunWidgetBenchmarks<TRatioReporter>(argc, argv, [] { Fixtures().clear(); });
    return 0;
}
