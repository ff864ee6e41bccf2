#include "DocumentWriter.h"

#include "FileWriter.h"
#include "BedEditLineBreaks.h"
#include "BedEditStringList.h"
#include "CodePages.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

// Collects the text and hands it to the file encoded, a chunk at a time: the text is never
// copied whole, and a long chunk goes to the file without another copy.
class TChunkedEncoder {
public:
    TChunkedEncoder(TBedEditFileWriter& writer, int codePage, int textCodePage)
        : writer_(writer), codePage_(codePage), textCodePage_(textCodePage < 0 ? codePage : textCodePage),
          survives_(SurvivingBytes(codePage)) {}
    // Every byte encoded so far decodes back to itself.
    bool Lossless() const { return lossless_; }

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
        // A text converted from another code page reads back as other bytes.
        if (textCodePage_ != codePage_) lossless_ = false;
        if (lossless_)
            for (size_t i = 0; i < used_; ++i)
                if (!survives_[static_cast<uint8_t>(chunk_[i])]) {
                    lossless_ = false;
                    break;
                }
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
    // The CP 1250 bytes that come back unchanged from the code page.
    static std::array<bool, 256> SurvivingBytes(int codePage) {
        std::array<bool, 256> survives{};
        for (int b = 0; b < 256; ++b) {
            std::string one(1, char(b));
            if (codePage == cpUTF8) {
                char wide[kUtf8MaxBytesPerCp1250Byte];
                char back[kUtf8MaxBytesPerCp1250Byte];
                size_t n = 0;
                const size_t encoded = EncodeUtf8(one, wide);
                survives[size_t(b)] = !DecodeUtf8(std::string_view(wide, encoded), back, n) && n == 1 && back[0] == one[0];
            } else {
                Encode(codePage, one);
                Decode(codePage, one);
                survives[size_t(b)] = one[0] == char(b);
            }
        }
        return survives;
    }

    TBedEditFileWriter& writer_;
    int codePage_;
    int textCodePage_;
    std::array<bool, 256> survives_;
    bool lossless_ = true;
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

TBedWrittenFile WriteDocument(const std::string& fileName, const TBedEditStringList& lines, int codePage,
                              bool unixLineEnds, bool byteOrderMark, int textCodePage) {
    TBedEditFileWriter writer(fileName);
    if (byteOrderMark && codePage == cpUTF8) writer.Write(kUtf8ByteOrderMark);
    TChunkedEncoder out(writer, codePage, textCodePage);
    const std::string_view modeBreak = unixLineEnds ? "\n" : "\r\n";
    TBedEditLineBreaks::TReader breaks(lines.LineBreaks());
    const int count = lines.Count();
    bool exact = true;
    bool emptyLastLine = false;
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.GetView(i);
        const TBedLineBreak lineBreak = breaks.At(i);
        // A break inside a line would split it on the way back.
        if (exact && (line.find('\n') != std::string_view::npos || line.find('\r') != std::string_view::npos))
            exact = false;
        if (i == count - 1) {
            // The last line as read: with its own break, even when empty, or without one.
            if (lineBreak == TBedLineBreak::None) {
                out.Append(line);
                break;
            }
            // Every written line already ends with a break: this one comes back only as the
            // empty line that loading doesn't add.
            if (lineBreak == TBedLineBreak::Unknown && (line.empty() || line.front() == '\n')) {
                exact = exact && line.size() <= 1;
                emptyLastLine = true;
                break;
            }
        }
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        out.Append(line);
        out.Append(BreakBytes(lineBreak, modeBreak));
    }
    out.Flush();
    writer.Commit();
    return {writer.Identity(), writer.Remarks(), exact && out.Lossless(), emptyLastLine};
}
