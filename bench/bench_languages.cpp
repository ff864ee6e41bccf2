// Full-rescan throughput of every built highlighter of the main window over a generated
// 50 MB text of its language (its golden samples repeated, each copy with fresh identifiers and
// numbers so keyword lookups see unknown words too), against a loop that only looks every
// byte up in a 256-entry table (the practical limit of any byte-wise scanner).
//
//   bench_languages [--only=FOLDER] [--write-sample=FOLDER:FILE] [--megabytes=N]
// FOLDER is the instance's sample folder under tests/data/highlighters (e.g. "pas", "c").
// --write-sample writes the generated text of one language (LF line ends) and exits; the
// peers script uses it.
#include "BedHighlighterList.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSamples = fs::path(BED_TEST_DATA) / "highlighters";

std::string FolderOf(const TBedMainWindowInstance& instance) {
    std::string folder = std::string(instance.name).substr(3);
    for (char& c : folder)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return folder;
}

std::vector<std::string> SampleLines(const std::string& folder) {
    std::vector<std::string> lines;
    if (!fs::is_directory(kSamples / folder)) return lines;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(kSamples / folder)) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && ext != ".tokens" && ext != ".new") files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    return lines;
}

// Copy n of the samples: digits in the text are bumped by the copy number so numbers and
// identifiers vary between copies without changing the language's structure.
std::vector<std::string> Generate(const std::vector<std::string>& sample, size_t targetBytes) {
    std::vector<std::string> out;
    size_t bytes = 0;
    for (unsigned copy = 0; bytes < targetBytes && !sample.empty(); ++copy)
        for (std::string line : sample) {
            for (char& c : line)
                if (c >= '0' && c <= '9') c = char('0' + (c - '0' + copy) % 10);
            bytes += line.size() + 1;
            out.push_back(std::move(line));
        }
    return out;
}

size_t BytesOf(const std::vector<std::string>& lines) {
    size_t n = 0;
    for (const std::string& l : lines) n += l.size() + 1;
    return n;
}

// What the editing component does when a highlighter is attached or a text is loaded.
double SecondsOfFullRescan(TBedCustomHighlighter& hl, const std::vector<std::string>& lines) {
    std::vector<TBedRange> ranges(lines.size());
    const auto t0 = std::chrono::steady_clock::now();
    hl.ClearRange();
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges[i] = hl.CurrentRange();
        hl.StartLine(lines[i], int(i));
        hl.ScanToLineEnd();
    }
    const auto t1 = std::chrono::steady_clock::now();
    volatile auto keep = ranges.back();
    (void)keep;
    return std::chrono::duration<double>(t1 - t0).count();
}

double SecondsOfTableLoop(const std::vector<std::string>& lines) {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = uint8_t((c * 7) & 15);
    const auto t0 = std::chrono::steady_clock::now();
    unsigned sum = 0;
    for (const std::string& line : lines)
        for (unsigned char c : line) sum += table[c];
    const auto t1 = std::chrono::steady_clock::now();
    volatile unsigned keep = sum;
    (void)keep;
    return std::chrono::duration<double>(t1 - t0).count();
}

template <typename F>
double Best(int runs, F f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) best = std::min(best, f());
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    std::string only;
    size_t megabytes = 50;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--only=", 0) == 0) only = arg.substr(7);
        if (arg.rfind("--megabytes=", 0) == 0) megabytes = std::stoul(arg.substr(12));
        if (arg.rfind("--write-sample=", 0) == 0) {
            const std::string wanted = arg.substr(15);
            const size_t colon = wanted.find(':');
            if (colon == std::string::npos) return 2;
            const auto lines = Generate(SampleLines(wanted.substr(0, colon)), megabytes << 20);
            if (lines.empty()) return 1;
            std::ofstream out(wanted.substr(colon + 1), std::ios::binary);
            for (const std::string& line : lines) out << line << '\n';
            return out ? 0 : 1;
        }
    }
    std::printf("%-10s %10s %10s %10s %8s\n", "language", "MB", "MB/s", "table MB/s", "% table");
    for (const TBedMainWindowHighlighter& entry : BedMainWindowHighlighters()) {
        if (!entry.language->create) continue;
        const std::string folder = FolderOf(*entry.instance);
        if (!only.empty() && folder != only) continue;
        const auto lines = Generate(SampleLines(folder), megabytes << 20);
        if (lines.empty()) continue;
        const double mb = BytesOf(lines) / 1e6;
        const auto hl = BedCreateInstance(*entry.language, *entry.instance);
        const double scan = Best(3, [&] { return SecondsOfFullRescan(*hl, lines); });
        const double table = Best(3, [&] { return SecondsOfTableLoop(lines); });
        std::printf("%-10s %10.1f %10.1f %10.1f %7.1f%%\n", folder.c_str(), mb, mb / scan, mb / table,
                    100.0 * table / scan);
        std::printf("full_rescan_MBps %s %.2f\n", folder.c_str(), mb / scan);
    }
    return 0;
}
