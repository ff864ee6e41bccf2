// The code-page recogniser: its accuracy on generated Czech samples against enca and uchardet
// (recognition_peers.sh writes the samples, runs the peers and has this program judge), and
// what recognising adds to loading a 100 MB file.
//
//   bench_recognition --write-samples DIR    samples of 32..4096 bytes in the six encodings
//   bench_recognition --judge DIR            accuracy of ours and of the peers' answers
//   bench_recognition                        the timings (Google Benchmark)
#include "BenchCzechText.h"
#include "BedEditStringList.h"
#include "CodePageRecognition.h"
#include "DocumentLoader.h"
#include "Utf8.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr std::size_t kSizes[] = {32, 64, 128, 256, 1024, 4096};
constexpr int kSamplesPerCase = 100;
constexpr const char* kEncodingNames[kCodePageCount] = {"kamenicky", "iso88592", "koi8cs",
                                                        "pclatin2",  "cp1250",   "utf8"};

std::string Encoded(std::string cp1250, int codePage) {
    if (codePage != cpUTF8) {
        Encode(codePage, cp1250);
        return cp1250;
    }
    std::string out(cp1250.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
    out.resize(EncodeUtf8(cp1250, out.data()));
    return out;
}

// The text a code page reads from the bytes; empty for no code page (or bytes it refuses).
std::string ReadAs(const std::string& bytes, int codePage) {
    if (!IsCodePage(codePage)) return {};
    if (codePage != cpUTF8) {
        std::string text = bytes;
        Decode(codePage, text);
        return text;
    }
    std::string text(bytes.size(), '\0');
    std::size_t n = 0;
    if (DecodeUtf8(bytes, text.data(), n)) return {};
    text.resize(n);
    return text;
}

// The names enca (-e, its own names) and uchardet give the six encodings; anything else (ASCII,
// unknown, another code page) is no code page of ours.
int CodePageOfName(std::string name) {
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    static const std::map<std::string, int> names = {
        {"KEYBCS2", cpKamenicky}, {"KAMENICKY", cpKamenicky}, {"ISO-8859-2", cpISO88592}, {"ISO_8859-2", cpISO88592},
        {"LATIN2", cpISO88592},   {"KOI8-CS2", cpKOI8CS},     {"KOI8CS2", cpKOI8CS},      {"KOI-8_CS_2", cpKOI8CS},
        {"IBM852", cpPCLatin2},   {"CP852", cpPCLatin2},      {"CP1250", cpCP1250},       {"WINDOWS-1250", cpCP1250},
        {"UTF-8", cpUTF8},
    };
    const auto it = names.find(name);
    return it == names.end() ? -1 : it->second;
}

int WriteSamples(const std::string& dir) {
    std::filesystem::create_directories(dir);
    // Text the recogniser's model was not counted from: word salad of the benchmarks' prose.
    const std::string text = bench::GenerateCzechText(4 << 20, "\n");
    std::ofstream manifest(dir + "/manifest");
    uint64_t state = 88172645463325252ULL;
    for (std::size_t size : kSizes)
        for (int cp = 0; cp < kCodePageCount; ++cp)
            for (int i = 0; i < kSamplesPerCase; ++i) {
                state ^= state << 13, state ^= state >> 7, state ^= state << 17;
                std::size_t start = state % (text.size() - size);
                while (start > 0 && text[start - 1] != ' ' && text[start - 1] != '\n') --start;
                const std::string name =
                    std::string(kEncodingNames[cp]) + "_" + std::to_string(size) + "_" + std::to_string(i) + ".txt";
                bench::WriteWholeFile(dir + "/" + name, Encoded(text.substr(start, size), cp));
                manifest << name << ' ' << cp << ' ' << size << '\n';
            }
    return 0;
}

int Judge(const std::string& dir) {
    struct Tally {
        int right = 0, total = 0;
    };
    std::map<std::string, std::map<std::string, std::string>> answers;  // peer -> file -> name
    for (const char* peer : {"enca", "uchardet"}) {
        std::ifstream in(dir + "/" + peer + ".answers");
        std::string line;
        while (std::getline(in, line)) {
            const auto blank = line.find(' ');
            if (blank != std::string::npos) answers[peer][line.substr(0, blank)] = line.substr(blank + 1);
        }
    }
    std::map<std::string, std::map<std::size_t, Tally>> bySize;
    std::map<std::string, std::map<int, Tally>> byEncoding;
    std::ifstream manifest(dir + "/manifest");
    std::string name;
    int cp;
    std::size_t size;
    while (manifest >> name >> cp >> size) {
        const std::string bytes = bench::ReadWholeFile(dir + "/" + name);
        const std::string truth = ReadAs(bytes, cp);
        // Right when the code page named reads the same text as the true one. No answer keeps
        // the editor's code page, CP 1250 by default.
        const auto score = [&](const std::string& who, int guess) {
            const bool right = ReadAs(bytes, IsCodePage(guess) ? guess : cpCP1250) == truth;
            if (!right && who == "bed" && std::getenv("BED_SHOW_MISSES"))
                std::fprintf(stderr, "miss %s: %d\n", name.c_str(), guess);
            Tally& s = bySize[who][size];
            Tally& e = byEncoding[who][cp];
            s.right += right, e.right += right, ++s.total, ++e.total;
        };
        score("bed", RecogniseCodePage(bytes, cpCP1250).value_or(TBedCodePage(-1)));
        for (const auto& [peer, files] : answers) {
            const auto it = files.find(name);
            score(peer, it == files.end() ? -1 : CodePageOfName(it->second));
        }
    }
    std::printf("accuracy (%% of samples read as the right text), %d samples per size and encoding\n", kSamplesPerCase);
    std::printf("%-10s", "bytes");
    for (std::size_t s : kSizes) std::printf("%8zu", s);
    std::printf("\n");
    for (const auto& [who, sizes] : bySize) {
        std::printf("%-10s", who.c_str());
        for (std::size_t s : kSizes) {
            const auto it = sizes.find(s);
            std::printf("%7.1f%%", it == sizes.end() ? 0.0 : 100.0 * it->second.right / it->second.total);
        }
        std::printf("\n");
    }
    std::printf("\nby encoding (all sizes)\n%-10s", "");
    for (int c = 0; c < kCodePageCount; ++c) std::printf("%11s", kEncodingNames[c]);
    std::printf("\n");
    for (const auto& [who, encodings] : byEncoding) {
        std::printf("%-10s", who.c_str());
        for (int c = 0; c < kCodePageCount; ++c) {
            const auto it = encodings.find(c);
            std::printf("%10.1f%%", it == encodings.end() ? 0.0 : 100.0 * it->second.right / it->second.total);
        }
        std::printf("\n");
    }
    return 0;
}

// Loading a 100 MB Kamenický file named .txt: the baseline is the load itself, the recognition
// is timed on the same bytes.
const std::string& LargeFile() {
    static const std::string bytes = Encoded(bench::GenerateCzechText(100'000'000, "\r\n"), cpKamenicky);
    return bytes;
}

void Load100MB(benchmark::State& state) {
    const std::string& bytes = LargeFile();
    for (auto _ : state) {
        TBedDocumentFile file;
        file.contents.bytes = {std::make_unique_for_overwrite<char[]>(bytes.size()), bytes.size()};
        std::memcpy(file.contents.bytes.bytes.get(), bytes.data(), bytes.size());
        T602Session session;
        session.SetMode(t602Leave);
        TBedEditStringList lines;
        LoadDocument(std::move(file), cpKamenicky, session, {}, lines);
        benchmark::DoNotOptimize(lines.Count());
    }
}
BENCHMARK(Load100MB)->Unit(benchmark::kMillisecond);

void Recognise100MB(benchmark::State& state) {
    const std::string& bytes = LargeFile();
    for (auto _ : state) benchmark::DoNotOptimize(RecogniseCodePage(bytes, cpCP1250));
}
BENCHMARK(Recognise100MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-samples") == 0) return WriteSamples(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--judge") == 0) return Judge(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
