#include "BedSpellPersonalWords.h"

#include "FileWriter.h"
#include "BedTextLines.h"
#include "Utf8.h"

#include <algorithm>
#include <fstream>
#include <iterator>

std::vector<std::string> TBedPersonalWords::Load() {
    lines_.clear();
    std::ifstream in(path_, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> words;
    SplitLines(text.data(), text.data() + text.size(), [&](const char* begin, const char* end) {
        if (begin != end) lines_.emplace_back(begin, end);
    });
    for (const std::string& line : lines_) {
        std::string cp1250(line.size(), '\0');
        size_t size = 0;
        if (DecodeUtf8(line, cp1250.data(), size)) continue;  // not a word of this text
        cp1250.resize(size);
        words.push_back(std::move(cp1250));
    }
    return words;
}

void TBedPersonalWords::Add(std::string_view cp1250) {
    std::string utf8(cp1250.size() * kUtf8MaxBytesPerCp1250Byte, '\0');
    utf8.resize(EncodeUtf8(cp1250, utf8.data()));
    if (std::find(lines_.begin(), lines_.end(), utf8) == lines_.end()) lines_.push_back(utf8);
    TBedEditFileWriter writer(path_);
    for (const std::string& line : lines_) {
        writer.Write(line);
        writer.Write("\n");
    }
    writer.Commit();
}
