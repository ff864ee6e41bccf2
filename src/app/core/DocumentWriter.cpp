#include "DocumentWriter.h"

#include "FileWriter.h"
#include "BedEditLineBreaks.h"
#include "BedEditStringList.h"
#include "BedTextLines.h"
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
        : writer_(writer),
          codePage_(codePage),
          textCodePage_(textCodePage < 0 ? codePage : textCodePage),
          survives_(SurvivingBytes(codePage)),
          allSurvive_(std::all_of(survives_.begin(), survives_.end(), [](bool b) { return b; })),
          asTheyAre_(codePage == cpCP1250 && textCodePage_ == cpCP1250) {}
    // Every byte encoded so far decodes back to itself.
    bool Lossless() const { return lossless_; }

    void Append(std::string_view bytes) {
        // Bytes written as they are need no copy of their own.
        if (asTheyAre_ && bytes.size() >= kChunkSize) {
            Flush();
            lossless_ = lossless_ && Survive(bytes);
            writer_.Write(bytes);
            return;
        }
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
        const std::string_view text(chunk_.get(), used_);
        lossless_ = lossless_ && Survive(text);
        if (codePage_ == cpUTF8) {
            if (!wide_) wide_ = std::make_unique_for_overwrite<char[]>(kChunkSize * kUtf8MaxBytesPerCp1250Byte);
            const size_t n =
                textCodePage_ == cpUTF8 ? EncodeUtf8(text, wide_.get()) : EncodeUtf8(text, wide_.get(), textCodePage_);
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
    bool Survive(std::string_view text) const {
        return allSurvive_ ||
               std::all_of(text.begin(), text.end(), [&](char c) { return survives_[static_cast<uint8_t>(c)]; });
    }
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
                survives[size_t(b)] =
                    !DecodeUtf8(std::string_view(wide, encoded), back, n) && n == 1 && back[0] == one[0];
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
    bool allSurvive_;
    bool asTheyAre_;  // CP 1250 written as CP 1250
    bool lossless_ = true;
    std::unique_ptr<char[]> chunk_ = std::make_unique_for_overwrite<char[]>(kChunkSize);
    std::unique_ptr<char[]> wide_;  // a chunk encoded in UTF-8
    size_t used_ = 0;
};

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

struct TWrittenLines {
    bool exact;          // the lines read back as themselves
    bool emptyLastLine;  // an empty last line was left out
};

// Every line with its break, as WriteDocument writes them.
bool Within(std::string_view part, std::string_view whole) {
    return uintptr_t(part.data()) - uintptr_t(whole.data()) < whole.size();
}

TWrittenLines WriteLines(const TBedEditStringList& lines, TChunkedEncoder& out, std::string_view modeBreak) {
    TBedEditLineBreaks::TReader breaks(lines.LineBreaks());
    const std::string_view split = lines.SplitLoadedBlock();
    // Lines still in the block they were loaded from, one after another with the breaks they are
    // written with between them, go out as one piece of the block.
    std::string_view block;
    const char* pieceBegin = nullptr;
    const char* pieceEnd = nullptr;
    auto flushPiece = [&] {
        if (pieceBegin != pieceEnd) out.Append(std::string_view(pieceBegin, size_t(pieceEnd - pieceBegin)));
        pieceBegin = pieceEnd = nullptr;
    };
    // Bytes that stand next in the block, or that are to be written equal what does.
    auto extends = [&](std::string_view bytes) {
        if (!pieceEnd || size_t(block.data() + block.size() - pieceEnd) < bytes.size()) return false;
        return bytes.data() == pieceEnd || std::memcmp(pieceEnd, bytes.data(), bytes.size()) == 0;
    };
    auto writeLine = [&](int i, std::string_view line) {
        if (line.empty()) return;
        if (extends(line)) {
            pieceEnd += line.size();
            return;
        }
        flushPiece();
        block = lines.LoadedBlock(i);
        if (block.empty()) return out.Append(line);
        pieceBegin = line.data();
        pieceEnd = line.data() + line.size();
    };
    auto writeBreak = [&](std::string_view lineBreak) {
        if (extends(lineBreak)) {
            pieceEnd += lineBreak.size();
            return;
        }
        flushPiece();
        out.Append(lineBreak);
    };
    const int count = lines.Count();
    bool exact = true;
    bool emptyLastLine = false;
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.GetView(i);
        const TBedLineBreak lineBreak = breaks.At(i);
        // A break inside a line would split it on the way back; a line split from its block at
        // the breaks has none.
        if (exact && !Within(line, split) &&
            FindLineBreak(line.data(), line.data() + line.size()) != line.data() + line.size())
            exact = false;
        if (i == count - 1) {
            // The last line as read: with its own break, even when empty, or without one.
            if (lineBreak == TBedLineBreak::None) {
                writeLine(i, line);
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
        writeLine(i, line);
        writeBreak(BreakBytes(lineBreak, modeBreak));
    }
    flushPiece();
    return {exact, emptyLastLine};
}

}  // namespace

TBedWrittenFile WriteDocument(const std::string& fileName, const TBedEditStringList& lines, int codePage,
                              bool unixLineEnds, bool byteOrderMark, int textCodePage) {
    TBedEditFileWriter writer(fileName);
    if (byteOrderMark && codePage == cpUTF8) writer.Write(kUtf8ByteOrderMark);
    TChunkedEncoder out(writer, codePage, textCodePage);
    TWrittenLines written{true, false};
    // Lines split from a block and left as they were are that block, breaks and all: no line
    // holds a break, and there is nothing to look at line by line.
    if (const auto whole = lines.UnchangedLoadedText())
        out.Append(*whole);
    else
        written = WriteLines(lines, out, unixLineEnds ? "\n" : "\r\n");
    out.Flush();
    writer.Commit();
    return {writer.Identity(), writer.Remarks(), written.exact && out.Lossless(), written.emptyLastLine};
}
