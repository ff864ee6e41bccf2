// Switching the SQL highlighter's dialect: the time to empty its keyword table and load the
// new dialect's words, against putting the same words into a std::unordered_set (the standard
// library's hashed set) in the same run.
#include "SQL.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>
#include <unordered_set>

namespace {

constexpr std::pair<TSQLDialect, const char*> kDialects[] = {
    {sqlStandard, "Standard"}, {sqlInterbase6, "Interbase6"}, {sqlMSSQL7, "MSSQL7"}, {sqlMySQL, "MySQL"},
    {sqlOracle, "Oracle"},     {sqlSybase, "Sybase"},         {sqlIngres, "Ingres"}};

// Each switch goes to the measured dialect from another one, which is set outside the clock.
void BM_SwitchDialect(benchmark::State& state) {
    const TSQLDialect dialect = kDialects[state.range(0)].first;
    const TSQLDialect other = dialect == sqlStandard ? sqlSybase : sqlStandard;
    TSQLHighlighter hl;
    for (auto _ : state) {
        state.PauseTiming();
        hl.SetSQLDialect(other);
        state.ResumeTiming();
        hl.SetSQLDialect(dialect);
    }
    state.SetLabel(kDialects[state.range(0)].second);
}

void BM_UnorderedSetOfTheWords(benchmark::State& state) {
    const TSQLDialect dialect = kDialects[state.range(0)].first;
    for (auto _ : state) {
        std::unordered_set<std::string> words;
        for (const TBedSQLKeywordText& t : BedSQLKeywordTexts(dialect)) {
            std::string_view text = t.text;
            for (size_t start = 0; start < text.size();) {
                const size_t comma = std::min(text.find(',', start), text.size());
                words.emplace(text.substr(start, comma - start));
                start = comma + 1;
            }
        }
        benchmark::DoNotOptimize(words);
    }
    state.SetLabel(kDialects[state.range(0)].second);
}

BENCHMARK(BM_SwitchDialect)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnorderedSetOfTheWords)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

class TimeCollector : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> microseconds;  // by benchmark name
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TimeCollector reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (size_t i = 0; i < std::size(kDialects); ++i) {
        const std::string arg = "/" + std::to_string(i);
        const double ours = reporter.microseconds["BM_SwitchDialect" + arg];
        const double set = reporter.microseconds["BM_UnorderedSetOfTheWords" + arg];
        if (ours > 0 && set > 0)
            std::printf("%-10s switch %8.1f us  unordered_set %8.1f us  ratio %.2f\n", kDialects[i].second, ours, set,
                        ours / set);
    }
    return 0;
}
