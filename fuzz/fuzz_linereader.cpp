// Splitting bytes into lines: the buffered file reader, with a buffer as small as the input
// asks for, must agree with a plain byte-by-byte split and with the line list's own splitting.
#include "BedEditFiles.h"
#include "BedEditStringList.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

std::vector<std::string> PlainSplit(std::string_view text, int& style) {
    std::vector<std::string> lines;
    std::string line;
    style = kLineBreakLF;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') {
            line += c;
            continue;
        }
        if (c == '\r') {
            style = kLineBreakCRLF;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

const std::string& ScratchFile() {
    static const std::string name = [] {
        std::string pattern = "/tmp/fuzz_linereader.XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) std::abort();
        ::close(fd);
        return pattern;
    }();
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t bufferSize = 2 + data[0] % 64;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    int style = 0;
    const std::vector<std::string> expected = PlainSplit(text, style);

    const std::string& path = ScratchFile();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    TBedEditFileReader reader(path, bufferSize);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) lines.push_back(line);
    if (lines != expected || reader.LineBreakStyle() != style) std::abort();

    TBedEditStringList list;
    list.SetText(text);
    if (list.Count() != int(expected.size())) std::abort();
    for (int i = 0; i < list.Count(); ++i)
        if (list.Get(i) != expected[size_t(i)]) std::abort();
    return 0;
}
