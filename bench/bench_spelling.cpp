// Typing and paging through a 100,000-line Czech document in the main window with spelling on,
// against spelling off measured in the same run: the processor time per keystroke (the key, its
// repaint and, with spelling on, the repaint when the checking thread answers) and the longest
// single pass of the event loop, which is how long the window could not react.
#include "BenchCzechText.h"
#include "BenchQtMain.h"
#include "BedEdit.h"
#include "BedSpellSession.h"
#include "BedTextLines.h"
#include "BenchUiServices.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

namespace {

constexpr int kLines = 100'000;
std::vector<std::filesystem::path> settingsFolders;

struct Window {
    std::filesystem::path dir;
    bench::TUiServices ui;
    std::unique_ptr<TForm1> form;
};

Window& Get(bool spelling) {
    static std::map<bool, Window> windows;
    Window& w = windows[spelling];
    if (w.form) return w;
    char tmpl[] = "/tmp/bedbenchXXXXXX";
    w.dir = mkdtemp(tmpl);
    settingsFolders.push_back(w.dir);
    w.form = std::make_unique<TForm1>(w.ui, w.dir.string() + "/", QStringList{});
    const std::string text = bench::GenerateCzechText(size_t(kLines) * 65, "\n");
    std::vector<std::string> lines;
    SplitLines(text.data(), text.data() + text.size(), [&](const char* b, const char* e) { lines.emplace_back(b, e); });
    lines.resize(kLines);
    w.form->Memo1->Lines().AddStrings(lines);
    w.form->resize(900, 700);
    w.form->show();
    if (spelling) w.form->Action("pravopis")->trigger();
    w.form->Memo1->setFocus();
    w.form->Memo1->SetCaretXY({1, kLines / 2});
    QApplication::processEvents();
    if (TBedSpellSession* s = w.form->Spelling()) s->WaitUntilIdle();  // the dictionary is open
    QApplication::processEvents();
    return w;
}

// Runs the event loop until nothing is left (and, with spelling, until the thread's answers
// are painted); the longest single pass goes to `longest`.
void Settle(TForm1& form, double& longest) {
    for (int pass = 0; pass < 2; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        QApplication::processEvents();
        longest = std::max(longest,
                           std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        if (TBedSpellSession* s = form.Spelling()) s->WaitUntilIdle();
    }
}

void Press(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// Czech words typed one letter at a time: the words the checker has not seen yet arrive as
// they are typed, most of them misspelled while half typed.
void BM_Typing(benchmark::State& state) {
    Window& w = Get(state.range(0) != 0);
    static const std::vector<std::string> words = bench::Cp1250Words();
    double longest = 0;
    size_t word = 0, letter = 0;
    for (auto _ : state) {
        const std::string& current = words[word % words.size()];
        if (letter < current.size()) {
            const QChar c(Cp1250ToUnicode(static_cast<unsigned char>(current[letter++])));
            Press(w.form->Memo1, c.toUpper().unicode(), QString(c));
        } else {
            Press(w.form->Memo1, Qt::Key_Space, " ");
            letter = 0;
            ++word;
        }
        Settle(*w.form, longest);
    }
    state.counters["longest_pass_us"] = longest;
    state.SetLabel(state.range(0) ? "spelling on" : "spelling off");
}

// A page down shows a page of words nobody has asked about: the checker's worst case.
void BM_PageDown(benchmark::State& state) {
    Window& w = Get(state.range(0) != 0);
    double longest = 0;
    for (auto _ : state) {
        Press(w.form->Memo1, Qt::Key_PageDown, {});
        Settle(*w.form, longest);
    }
    state.counters["longest_pass_us"] = longest;
    state.SetLabel(state.range(0) ? "spelling on" : "spelling off");
}

}  // namespace

BENCHMARK(BM_Typing)->Arg(0)->Arg(1)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageDown)->Arg(0)->Arg(1)->Iterations(300)->Unit(benchmark::kMicrosecond);

namespace {

// After the table: each figure with spelling on as a ratio of the same with spelling off.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            cpu_[r.benchmark_name()] = r.GetAdjustedCPUTime();
            longest_[r.benchmark_name()] = r.counters.at("longest_pass_us");
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* name : {"BM_Typing", "BM_PageDown"}) {
            const std::string off = std::string(name) + "/0/iterations:", on = std::string(name) + "/1/iterations:";
            for (const auto& [n, cpu] : cpu_)
                if (n.starts_with(on))
                    for (const auto& [m, base] : cpu_)
                        if (m.starts_with(off) && base > 0)
                            std::printf("%-12s spelling on / off: %.2f per keystroke, longest pass %.0f / %.0f us\n",
                                        name, cpu / base, longest_[n], longest_[m]);
        }
    }

private:
    std::map<std::string, double> cpu_, longest_;
};

}  // namespace

int main(int argc, char** argv) {
    bench::RunWidgetBenchmarks<TRatioReporter>(argc, argv);
    for (const auto& dir : settingsFolders) std::filesystem::remove_all(dir);
    std::fflush(nullptr);
    std::_Exit(0);  // tearing the windows down would measure nothing
}
