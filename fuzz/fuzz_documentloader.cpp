// Loading a document from arbitrary bytes, in every code page and T602 mode: the lines must be
// exactly those of a plain byte-by-byte split (decoded, and converted where T602 converts), the
// line-end mode that of a byte-by-byte walk over the first line, the count of lines that of the
// splitting itself.
#include "BedEditStringList.h"
#include "BedTextLines.h"
#include "CodePages.h"
#include "DocumentLoader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::vector<std::string> PlainSplit(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Byte by byte up to the first LF or the last byte: DOS when the byte before it is CR.
bool PlainUnix(std::string_view text) {
    if (text.empty()) return false;
    unsigned char previous = 0, last = 0;
    size_t i = 0;
    do {
        previous = last;
        last = static_cast<unsigned char>(text[i++]);
    } while (last != '\n' && i < text.size());
    return previous != '\r';
}

const std::string& ScratchFile() {
    static const std::string name = [] {
        std::string pattern = "/tmp/fuzz_documentloader.XXXXXX";
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
    const int codePage = data[0] % 5;
    const auto mode = static_cast<TBedT602Mode>(data[0] / 5 % 4);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> split = PlainSplit(text);
    Check(CountLines(text.data(), text.data() + text.size()) == split.size());

    const std::string& path = ScratchFile();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    TBedDocumentFile file = ReadDocumentFile(path);
    Check(file.unixLineEnds == PlainUnix(text));

    T602Session session;
    session.SetMode(mode);
    TBedEditStringList lines;
    LoadDocument(std::move(file), codePage, session, [] { return t602Html; }, lines);
    const bool converts = codePage != cpCP1250 && codePage != cpISO88592 &&
                          (mode == t602Text || mode == t602Html ||
                           (mode == t602Ask && text.starts_with("@CT ")));
    if (converts) {
        Check(lines.Count() <= int(split.size()));
        Check(lines.Count() == 0 || !IsDotCommandLine(lines.Get(0)));
        return 0;
    }
    Check(lines.Count() == int(split.size()));
    for (int i = 0; i < lines.Count(); ++i) {
        std::string expected = split[size_t(i)];
        Decode(codePage, expected);
        Check(lines.Get(i) == expected);
    }
    return 0;
}
