#include "DocumentWriter.h"

#include "BedEditFiles.h"
#include "BedEditLineBreaks.h"
#include "BedEditStringList.h"
#include "CodePages.h"
#include "Utf8.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

// Collects the text and hands it to the file encoded, a chunk at a time: the text is never
// copied whole, and a long chunk goes to the file without another copy.
class TChunkedEncoder {
public:
    TChunkedEncoder(TBedEditFileWriter& writer, int codePage, int textCodePage)
        : writer_(writer), codePage_(codePage), textCodePage_(textCodePage < 0 ? codePage : textCodePage) {}

    void Append(std::string_view bytes) {
        while (!bytes.empty()) {
            const size_t n = std::min(bytes.size(), kChunkSize - used_);
            std::memcpy(chunk_.get() + used_, bytes.data(), n);
            used_ += n;
            bytes.remove_prefix(n);
            if (used_ == kChunkSize) Flush();
        }
    }
    void Flush() {
        const std::string_view text(chunk_.get(), used_);
        if (codePage_ == cpUTF8) {
            if (!wide_) wide_ = std::make_unique_for_overwrite<char[]>(kChunkSize * kUtf8MaxBytesPerCp1250Byte);
            const size_t n = textCodePage_ == cpUTF8 ? EncodeUtf8(text, wide_.get())
                                                     : EncodeUtf8(text, wide_.get(), textCodePage_);
            writer_.Write(std::string_view(wide_.get(), n));
        } else {
            if (textCodePage_ == codePage_)
                EncodeBytes(codePage_, chunk_.get(), used_);
            else
                ConvertBytes(textCodePage_, codePage_, chunk_.get(), used_);
            writer_.Write(text);
        }
        used_ = 0;
    }

private:
    static constexpr size_t kChunkSize = size_t(1) << 18;
    TBedEditFileWriter& writer_;
    int codePage_;
    int textCodePage_;
    std::unique_ptr<char[]> chunk_ = std::make_unique_for_overwrite<char[]>(kChunkSize);
    std::unique_ptr<char[]> wide_;  // a chunk encoded in UTF-8
    size_t used_ = 0;
};

}  // namespace

namespace {

std::string_view BreakBytes(TBedLineBreak lineBreak, std::string_view modeBreak) {
    switch (lineBreak) {
        case TBedLineBreak::LF: return "\n";
        case TBedLineBreak::CRLF: return "\r\n";
        case TBedLineBreak::CR: return "\r";
        case TBedLineBreak::Unknown:
        case TBedLineBreak::None: break;
    }
    return modeBreak;
}

}  // namespace

TBedFileIdentity WriteDocument(const std::string& fileName, const TBedEditStringList& lines, int codePage,
                               bool unixLineEnds, bool byteOrderMark, int textCodePage) {
    TBedEditFileWriter writer(fileName);
    if (byteOrderMark && codePage == cpUTF8) writer.Write(kUtf8ByteOrderMark);
    TChunkedEncoder out(writer, codePage, textCodePage);
    const std::string_view modeBreak = unixLineEnds ? "\n" : "\r\n";
    TBedEditLineBreaks::TReader breaks(lines.LineBreaks());
    const int count = lines.Count();
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.GetView(i);
        const TBedLineBreak lineBreak = breaks.At(i);
        if (i == count - 1) {
            // The last line as read: with its own break, even when empty, or without one.
            if (lineBreak == TBedLineBreak::None) {
                out.Append(line);
                break;
            }
            // Every written line already ends with a break.
            if (lineBreak == TBedLineBreak::Unknown && (line.empty() || line.front() == '\n')) break;
        }
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        out.Append(line);
        out.Append(BreakBytes(lineBreak, modeBreak));
    }
    out.Flush();
    writer.Commit();
    return writer.Identity();
}
