#include "DocumentLoader.h"

#include "BedEditLineBreaks.h"
#include "BedEditStringList.h"
#include "BedTextLines.h"
#include "CodePages.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Converts line by line (a soft line end becomes a CR inside its line, so the lines are cut
// before converting, never after), leaving out the leading dot commands, into a new block.
void LoadConvertedT602(const TBedEditBlock& block, int codePage, T602Session::Load& t602, TBedEditStringList& lines) {
    const char* begin = block.bytes.get();
    const char* end = begin + block.size;
    std::string converted;
    converted.reserve(block.size + block.size / 8);
    std::vector<std::pair<size_t, size_t>> spans;  // offset and length of each line
    // Each line keeps the break it had, so the document ends as the file does.
    TBedEditLineBreaks breaks;
    const bool sawCR = SplitLines(begin, end, [&](const char* b, const char* e) {
        const size_t start = converted.size();
        t602.ConvertLine(std::string_view(b, size_t(e - b)), converted);
        const std::string_view line(converted.data() + start, converted.size() - start);
        if (spans.empty() && IsDotCommandLine(line)) {
            converted.resize(start);
            return;
        }
        spans.emplace_back(start, line.size());
        breaks.Append(LineBreakAt(e, end));
    });
    TBedEditBlock out{std::make_unique_for_overwrite<char[]>(converted.size()), converted.size()};
    if (out.size) std::memcpy(out.bytes.get(), converted.data(), out.size);
    DecodeBytes(codePage, out.bytes.get(), out.size);
    std::vector<std::string_view> views;
    views.reserve(spans.size());
    for (auto [offset, length] : spans) views.emplace_back(out.bytes.get() + offset, length);
    lines.LoadFromBlock(std::move(out), views, std::move(breaks));
    lines.SetLineBreakStyle(sawCR ? kLineBreakCRLF : kLineBreakLF);
}

}  // namespace

TBedFileContents ReadFileContents(const std::string& fileName) {
    TBedEditFileReader reader(fileName);
    TBedEditBlock bytes = reader.ReadAll();
    return {std::move(bytes), reader.Identity()};
}

bool DetectUnixLineEnds(std::string_view bytes) {
    if (bytes.empty()) return false;
    size_t last = bytes.find('\n');
    if (last == std::string_view::npos) last = bytes.size() - 1;
    return last == 0 || bytes[last - 1] != '\r';
}

TBedDocumentFile ReadDocumentFile(const std::string& fileName, const TBedFileOpener& open) {
    TBedDocumentFile file{fileName, open(fileName), false};
    const TBedEditBlock& bytes = file.contents.bytes;
    file.unixLineEnds = DetectUnixLineEnds(std::string_view(bytes.bytes.get(), bytes.size));
    return file;
}

namespace {

TBedLoadOutcome LoadUtf8(TBedEditBlock block, TBedEditStringList& lines) {
    TBedLoadOutcome outcome;
    std::string_view bytes(block.bytes.get(), block.size);
    outcome.byteOrderMark = bytes.starts_with(kUtf8ByteOrderMark);
    if (outcome.byteOrderMark) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    TBedEditBlock text{std::make_unique_for_overwrite<char[]>(bytes.size()), 0};
    outcome.misfit = DecodeUtf8WithPlaceholders(bytes, text.bytes.get(), text.size);
    lines.LoadFromBlock(std::move(text));
    return outcome;
}

}  // namespace

namespace {

TBedLoadOutcome LoadBlock(TBedDocumentFile& file, int codePage, T602Session& t602, const T602Session::AskUser& askUser,
                          TBedEditStringList& lines) {
    TBedEditBlock& block = file.contents.bytes;
    if (codePage == cpUTF8) return LoadUtf8(std::move(block), lines);
    const char* begin = block.bytes.get();
    const std::string_view firstLine(begin, size_t(FindLineBreak(begin, begin + block.size) - begin));
    T602Session::Load t602Load(t602, codePage, firstLine, askUser);
    if (t602Load.Converting()) {
        LoadConvertedT602(block, codePage, t602Load, lines);
        return {};
    }
    DecodeBytes(codePage, block.bytes.get(), block.size);
    lines.LoadFromBlock(std::move(block));
    return {};
}

}  // namespace

TBedLoadOutcome LoadDocument(TBedDocumentFile file, int codePage, T602Session& t602,
                             const T602Session::AskUser& askUser, TBedEditStringList& lines) {
    try {
        return LoadBlock(file, codePage, t602, askUser, lines);
    } catch (const std::bad_alloc&) {
        // More lines than the line buffer counts, or the memory ran out on the way.
        throw EBedFileError(EBedFileError::Read, file.fileName,
                            "Soubor " + file.fileName +
                                " nelze přečíst: nevejde se do paměti (je příliš velký nebo má příliš mnoho řádků)");
    }
}
