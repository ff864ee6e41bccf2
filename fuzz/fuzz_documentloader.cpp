// The whole path of a document's file, from arbitrary bytes, in every code page, T602 mode and
// line-end mode: the lines must be exactly those of a plain byte-by-byte split (decoded, and
// converted where T602 converts), the line-end mode that of a byte-by-byte walk over the first
// line, the count of lines that of the splitting itself. Saved unchanged, the document gives the
// file back byte for byte wherever the code page maps the bytes present one to one; after a
// change of its first line, everything behind that line's break is still the same.
#include "BedEditStringList.h"
#include "BedTextLines.h"
#include "CodePages.h"
#include "DocumentLoader.h"
#include "DocumentWriter.h"
#include "Utf8.h"

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

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

// Whether decoding and encoding give every byte of the text back.
bool OneToOne(int codePage, std::string_view text) {
    std::string there(text);
    Decode(codePage, there);
    Encode(codePage, there);
    return there == text;
}

const std::string& ScratchFile() {
    static const std::string name = [] {
        // A file system in memory: every save syncs.
        std::string pattern =
            ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz_documentloader.XXXXXX" : "/tmp/fuzz_documentloader.XXXXXX";
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
    const int codePage = data[0] % 6;
    const auto mode = static_cast<TBedT602Mode>(data[0] / 6 % 4);
    // The line-end mode the document is saved in: the detected one, or the other (as the file
    // history may set it).
    const bool otherLineEnds = data[0] / 24 % 2;
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
    const bool unixLineEnds = file.unixLineEnds != otherLineEnds;

    T602Session session;
    session.SetMode(mode);
    TBedEditStringList lines;
    const TBedLoadOutcome outcome = LoadDocument(
        std::move(file), codePage, session, [] { return t602Html; }, lines);
    const bool converts = codePage != cpCP1250 && codePage != cpISO88592 && codePage != cpUTF8 &&
                          (mode == t602Text || mode == t602Html || (mode == t602Ask && text.starts_with("@CT ")));
    if (converts) {
        Check(lines.Count() <= int(split.size()));
        Check(lines.Count() == 0 || !IsDotCommandLine(lines.Get(0)));
        return 0;
    }
    if (codePage == cpUTF8) {
        // Taken unconverted when CP 1250 can't hold it, and then written so.
        const int writtenIn = outcome.misfit ? int(cpCP1250) : int(cpUTF8);
        WriteDocument(path, lines, writtenIn, unixLineEnds, outcome.byteOrderMark);
        Check(ReadWhole(path) == text);
        return 0;
    }
    Check(lines.Count() == int(split.size()));
    for (int i = 0; i < lines.Count(); ++i) {
        std::string expected = split[size_t(i)];
        Decode(codePage, expected);
        Check(lines.Get(i) == expected);
    }
    if (!OneToOne(codePage, text)) return 0;
    WriteDocument(path, lines, codePage, unixLineEnds);
    Check(ReadWhole(path) == text);
    if (lines.Count() < 2) return 0;
    lines.Put(0, "x");
    WriteDocument(path, lines, codePage, unixLineEnds);
    Check(ReadWhole(path) == "x" + std::string(text.substr(split[0].size())));
    return 0;
}
