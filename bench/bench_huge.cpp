// Huge texts in the real editor widget (offscreen): a file of millions of lines, one plain line
// of a hundred megabytes and one minified JavaScript line with its highlighter. For each: load,
// first paint, scroll to the end by the scroll bar, End / Ctrl+End, typing at the top and at the
// bottom (with the repaint of the changed row), finding a word that only the end holds, saving;
// and the resident memory after loading. Baselines of the same run: reading the file whole and
// counting its line breaks with memchr.
//
// The files come from bench/huge_files.sh (BED_HUGE_FILE, BED_HUGE_LINE, BED_HUGE_JS); a case
// whose variable is unset is skipped.
#include "BedEdit.h"
#include "FileReader.h"
#include "FileWriter.h"
#include "JScript.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long value = 0;
        if (key == "VmRSS:" && status >> value) return value;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

struct Case {
    std::string path;
    size_t bytes = 0;
    std::unique_ptr<TBedEdit> edit;
    std::unique_ptr<TJScriptHighlighter> highlighter;
    QImage image;
    std::map<std::string, double> ms;  // step -> milliseconds of its last run
};

std::map<std::string, Case>& Cases() {
    static std::map<std::string, Case> cases;
    return cases;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Render(Case& c) { c.edit->viewport()->render(&c.image); }

// Loads the case once; later calls return it as it is.
Case* Load(const char* variable, benchmark::State& state) {
    const char* path = std::getenv(variable);
    if (!path || !*path) {
        state.SkipWithError((std::string(variable) + " is not set").c_str());
        return nullptr;
    }
    Case& c = Cases()[variable];
    if (c.edit) return &c;
    c.path = path;
    std::ifstream probe(path, std::ios::binary | std::ios::ate);
    c.bytes = size_t(probe.tellg());
    const long before = ResidentKiB();
    const auto loadStart = Clock::now();
    auto start = loadStart;
    c.edit = std::make_unique<TBedEdit>();
    c.edit->Lines().LoadFromFile(path);
    c.ms["load"] = Since(start);
    c.ms["rss_MiB"] = double(ResidentKiB() - before) / 1024;
    if (std::string(variable) == "BED_HUGE_JS") {
        c.highlighter = std::make_unique<TJScriptHighlighter>();
        start = Clock::now();
        c.edit->SetHighlighter(c.highlighter.get());
        c.ms["highlighter_attach"] = Since(start);
    }
    c.edit->resize(1000, 700);
    c.edit->show();
    c.image = QImage(c.edit->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    start = Clock::now();
    Render(c);
    c.ms["first_paint"] = Since(start);
    // What the user waits for: from opening the file to the first screen of it.
    c.ms["to_first_paint"] = Since(loadStart);
    return &c;
}

// One timed step; its time is kept for the summary.
template <typename Step>
void Time(benchmark::State& state, Case& c, const std::string& name, Step step) {
    for (auto _ : state) {
        const auto start = Clock::now();
        step();
        const double ms = Since(start);
        state.SetIterationTime(ms / 1000);
        c.ms[name] = ms;
    }
}

const char* Variables[] = {"BED_HUGE_FILE", "BED_HUGE_LINE", "BED_HUGE_JS"};

void BM_Load(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    for (auto _ : state) state.SetIterationTime(c->ms["load"] / 1000);
    state.counters["rss_per_file"] = c->ms["rss_MiB"] * 1024 * 1024 / double(c->bytes);
    state.counters["first_paint_ms"] = c->ms["first_paint"];
    state.counters["to_first_paint_ms"] = c->ms["to_first_paint"];
    state.SetLabel(c->path);
}

void BM_ScrollToEnd(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    Time(state, *c, "scroll_to_end", [&] {
        QScrollBar* bar = c->edit->verticalScrollBar();
        bar->setValue(bar->minimum());
        bar->setValue(bar->maximum());
        QScrollBar* across = c->edit->horizontalScrollBar();
        across->setValue(across->maximum());
        Render(*c);
    });
}

void BM_CaretToEnd(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    Time(state, *c, "ctrl_end_end", [&] {
        c->edit->CommandProcessor(ecEditorTop, 0, nullptr);
        c->edit->CommandProcessor(ecEditorBottom, 0, nullptr);
        c->edit->CommandProcessor(ecLineEnd, 0, nullptr);
        Render(*c);
    });
}

// Types a character and takes it back, each followed by a repaint.
void TypeHere(benchmark::State& state, Case& c, const std::string& name) {
    int n = 0;
    Time(state, c, name, [&] {
        if (++n % 2)
            c.edit->KeyPress('x');
        else
            c.edit->CommandProcessor(ecDeleteLastChar, 0, nullptr);
        Render(c);
    });
}

void BM_TypeAtBottom(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    c->edit->CommandProcessor(ecEditorBottom, 0, nullptr);
    c->edit->CommandProcessor(ecLineEnd, 0, nullptr);
    TypeHere(state, *c, "type_bottom");
}

void BM_TypeAtTop(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    c->edit->CommandProcessor(ecEditorTop, 0, nullptr);
    TypeHere(state, *c, "type_top");
}

void BM_FindAtEnd(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    Time(state, *c, "find_end", [&] {
        c->edit->CommandProcessor(ecEditorTop, 0, nullptr);
        if (c->edit->SearchReplace("Konecneslovo", "", 0) != 1)
            state.SkipWithError("the word at the end was not found");
        Render(*c);
    });
}

void BM_Save(benchmark::State& state) {
    Case* c = Load(Variables[state.range(0)], state);
    if (!c) return;
    const std::string target = c->path + ".saved";
    Time(state, *c, "save", [&] { c->edit->Lines().SaveToFile(target); });
    std::remove(target.c_str());
}

// Baselines: the whole file read into memory, and its line breaks counted with memchr.
void BM_ReadWhole(benchmark::State& state) {
    const char* path = std::getenv(Variables[state.range(0)]);
    if (!path) return state.SkipWithError("unset");
    Case& c = Cases()[std::string("read:") + Variables[state.range(0)]];
    for (auto _ : state) {
        const auto start = Clock::now();
        std::FILE* f = std::fopen(path, "rb");
        std::fseek(f, 0, SEEK_END);
        const size_t size = size_t(std::ftell(f));
        std::fseek(f, 0, SEEK_SET);
        std::unique_ptr<char[]> bytes(new char[size]);
        const size_t got = std::fread(bytes.get(), 1, size, f);
        std::fclose(f);
        c.ms["read"] = Since(start);
        const auto counting = Clock::now();
        size_t breaks = 0;
        for (const char* p = bytes.get();
             (p = static_cast<const char*>(std::memchr(p, '\n', size_t(bytes.get() + got - p)))); ++p)
            ++breaks;
        c.ms["memchr"] = Since(counting);
        state.SetIterationTime(c.ms["read"] / 1000);
        state.counters["lines"] = double(breaks);
    }
}

void Register() {
    for (int i = 0; i < 3; ++i) {
        const std::string suffix = std::string("/") + Variables[i];
        auto one = [&](const char* name, void (*f)(benchmark::State&), int iterations) {
            benchmark::RegisterBenchmark((name + suffix).c_str(), f)
                ->Arg(i)
                ->Iterations(iterations)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        };
        one("ReadWhole", BM_ReadWhole, 1);
        one("Load", BM_Load, 1);
        one("ScrollToEnd", BM_ScrollToEnd, 3);
        one("CaretToEnd", BM_CaretToEnd, 3);
        one("TypeAtBottom", BM_TypeAtBottom, 10);
        one("TypeAtTop", BM_TypeAtTop, 10);
        one("FindAtEnd", BM_FindAtEnd, 1);
        one("Save", BM_Save, 1);
    }
}

// After the table: every step beside the baselines of its file.
void Summary() {
    for (const char* variable : Variables) {
        auto it = Cases().find(variable);
        if (it == Cases().end() || !it->second.edit) continue;
        Case& c = it->second;
        Case& base = Cases()[std::string("read:") + variable];
        const double read = base.ms["read"], scan = base.ms["memchr"];
        std::printf("\n%s (%zu MB)\n", c.path.c_str(), c.bytes >> 20);
        std::printf("  %-20s %10.1f ms\n  %-20s %10.1f ms\n", "baseline read", read, "baseline memchr", scan);
        for (const auto& [step, ms] : c.ms) {
            if (step == "rss_MiB") {
                std::printf("  %-20s %10.0f MiB  = %.2f x file\n", "resident after load", ms,
                            ms * 1024 * 1024 / double(c.bytes));
                continue;
            }
            std::printf("  %-20s %10.1f ms", step.c_str(), ms);
            if (read > 0) std::printf("  = %.2f x read", ms / read);
            if (scan > 0) std::printf("  = %.2f x memchr", ms / scan);
            std::printf("\n");
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Register();
    benchmark::RunSpecifiedBenchmarks();
    Summary();
    std::fflush(stdout);
    Cases().clear();  // the widgets go while the application still stands
    benchmark::Shutdown();
    return 0;
}
