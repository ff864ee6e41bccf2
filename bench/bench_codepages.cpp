// Decode and Encode throughput of every code page on 100 MB of Czech text, against the plain
// 256-entry table-lookup loop over every byte of the same text (what any byte-by-byte code-page
// conversion costs). Prints the ratios at the end.
//
//   bench_codepages [--bed_corpus_dir=DIR] [--bed_write_corpus] [benchmark flags]
//
// The text is generated deterministically and kept in DIR (default /tmp/bed_cp_corpus) as
// czech.cp1250, czech.kam, czech.iso, czech.koi and czech.pcl2, so that the peer script times
// other converters on exactly the same bytes. --bed_write_corpus only writes the files.
#include "Cp1250.h"
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

// Everyday Czech prose; generated lines draw words from it, so the accented letters turn up
// about as often as in real text.
constexpr const char* kWords =
    "Když jsme v úterý ráno přijeli do města, bylo ještě šero a na náměstí stálo jen několik "
    "aut. Paní Nováková otevřela obchod s ovocem a zeleninou a její muž nosil bedny ze skladu. "
    "Řekl jsem dětem, že si nejdřív dáme snídani v kavárně u řeky a potom půjdeme do muzea, kde "
    "je výstava o historii železnice. Žádný z nich nechtěl čekat, ale nakonec jsme si sedli "
    "k oknu, objednali čaj, kávu a čerstvé rohlíky s máslem. Číšník byl velmi ochotný a "
    "vyprávěl nám, že most přes řeku se bude opravovat celé léto. Ve čtvrtek odpoledne začalo "
    "pršet, takže jsme zůstali v hotelu, hráli karty a četli si. Šimon si půjčil knihu o "
    "hvězdách a Zuzana psala dopis babičce do Českých Budějovic. Večer jsme šli na procházku "
    "podél zdi starého hřbitova, kde rostou vysoké lípy a duby. Ďáblova skála nad údolím byla "
    "v mlze skoro neviditelná. Ťuhýk seděl na plotě a díval se na nás. Úřad na radnici měl "
    "zavřeno, protože byl státní svátek, a tak jsme pohlednice koupili až v pondělí. Ještě "
    "předtím jsme ale museli vyřídit spoustu věcí: zaplatit účet za elektřinu, odnést kolo do "
    "opravy, vyzvednout balík na poště a zavolat instalatérovi kvůli kapajícímu kohoutku. "
    "Ľudovít z Bratislavy nám poslal fotografie z hôr a pozval nás na budúci rok. Ňadra, "
    "Ódy a Ýpsilon jsou slova, která se v běžné řeči moc nepoužívají. Ve středu bude podle "
    "předpovědi slunečno, teploty vystoupí až na dvacet osm stupňů a vítr bude slabý. Ráno "
    "pojedeme vlakem do Brna, odkud se vrátíme v sobotu večer. Úterní schůze výboru se "
    "přesouvá na příští týden, protože předseda onemocněl chřipkou.";

// UTF-8 to CP 1250, letter by letter; the prose above holds nothing CP 1250 lacks.
std::vector<std::string> Cp1250Words() {
    std::vector<std::string> words(1);
    for (const char* p = kWords; *p;) {
        char32_t cp = static_cast<unsigned char>(*p++);
        if (cp >= 0xC0) cp = ((cp & 0x1F) << 6) | (static_cast<unsigned char>(*p++) & 0x3F);
        if (cp == ' ') {
            words.emplace_back();
            continue;
        }
        words.back() += static_cast<char>(UnicodeToCp1250(cp));
    }
    return words;
}

// Lines of 30 to 100 bytes built from the words by a fixed-seed generator.
std::string GenerateCp1250Text() {
    const auto words = Cp1250Words();
    std::string text;
    text.reserve(kCorpusBytes + 128);
    uint64_t state = 0x2545F4914F6CDD1DULL;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    while (text.size() < kCorpusBytes) {
        const std::size_t target = 30 + next() % 71, start = text.size();
        while (text.size() - start < target) {
            if (text.size() > start) text += ' ';
            text += words[next() % words.size()];
        }
        text += '\n';
    }
    return text;
}

struct Corpus {
    std::string dir;
    std::string text;                // CP 1250
    std::vector<std::string> lines;  // CP 1250
};
Corpus* corpus = nullptr;

constexpr const char* kFileSuffix[kCodePageCount] = {"kam", "iso", "koi", "pcl2", "cp1250"};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

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
        WriteFile(base, GenerateCp1250Text());
    corpus->text = ReadFile(base);
    corpus->lines = SplitLines(corpus->text);
    for (int cp = 0; cp < 4; ++cp) {
        std::string encoded = corpus->text;
        EncodeBytes(cp, encoded.data(), encoded.size());
        const std::string path = dir + "/czech." + kFileSuffix[cp];
        if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != encoded.size())
            WriteFile(path, encoded);
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
