// Printing a Czech text into a PDF file on Qt's PDF printer at 1200 dpi, plain and with the
// Czech-conjunction highlighter, for 2,500, 5,000 and 10,000 lines (about 50 to 200 pages): the
// time per page must not grow with the length. print_peers.sh compares the 10,000-line figure
// with enscript and a2ps followed by ps2pdf on the same text.
//   bench_print [--bed_write_text=FILE] [benchmark flags]
// --bed_write_text only writes the 10,000-line text (CP 1250, LF) and ends.
#include "BenchCzechText.h"
#include "BedEditPrint.h"
#include "BedEditPrintQtCanvas.h"
#include "BedHighlighterList.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace {

const std::vector<std::string>& Text() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result;
        const std::string text = bench::GenerateCzechText(700000, "\n");
        for (size_t start = 0; result.size() < 10000;) {
            const size_t end = text.find('\n', start);
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return result;
    }();
    return lines;
}

void PrintPdf(benchmark::State& state, bool highlighted) {
    const int count = int(state.range(0));
    TBedEditPrint pr;
    pr.SetLines({Text().begin(), Text().begin() + count});
    pr.SetFont({"Courier New", 10, 0, clBlack});
    const auto czech = BedCreateInstance(kBedGeneralLanguage, kBedCzechInstance);
    pr.SetHighlighter(czech.get());
    pr.Highlight = highlighted;
    const QString file = QDir::tempPath() + "/bed_bench_print.pdf";
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(file);
        TBedEditPrintQtCanvas canvas(printer);
        pr.PrintPages(canvas, 1, -1);
        pages = int(pr.Pages().size());
    }
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] = benchmark::Counter(double(pages) * double(state.iterations()) / 1000,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// After the table: the time per page of each length against the shortest of its kind.
class TPageRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            perPage_[r.run_name.function_name][std::stoi(r.run_name.args)] = r.counters.at("ms_per_page");
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\ntime per page against the shortest text (1.00 = linear in pages):\n");
        for (const auto& [kind, byLines] : perPage_)
            for (const auto& [lines, ms] : byLines)
                std::printf("  %-22s %6d lines %6.2f ms/page  %5.2f\n", kind.c_str(), lines, ms,
                            ms / byLines.begin()->second);
    }

private:
    std::map<std::string, std::map<int, double>> perPage_;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--bed_write_text=", 17) == 0) {
            std::string text;
            for (const std::string& line : Text()) text += line + "\n";
            bench::WriteWholeFile(argv[i] + 17, text);
            return 0;
        }
    benchmark::Initialize(&argc, argv);
    for (const bool highlighted : {false, true})
        benchmark::RegisterBenchmark(highlighted ? "PrintPdf/highlighted" : "PrintPdf/plain", PrintPdf, highlighted)
            ->Arg(2500)
            ->Arg(5000)
            ->Arg(10000)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(2)
            ->UseRealTime();
    TPageRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
