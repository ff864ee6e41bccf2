// Every built highlighter class, and every configuration of the main window, must take any bytes from any start state:
// no crash, no endless loop, no read outside the line, and tokens that tile the line without gaps.
//
// Input: byte 0 chooses the mode (bit 0: split the rest into lines at LF and carry the range
// from line to line; otherwise the rest is one line), bytes 1..8 give the start range.
#include "BedHighlighterList.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void ScanOneLine(TBedCustomHighlighter& hl, const std::string& line) {
    const size_t nul = line.find('\0');
    const int expectedEnd = static_cast<int>(nul == std::string::npos ? line.size() : nul);
    hl.StartLine(line, 0);
    int end = 0;
    int steps = 0;
    while (!hl.AtLineEnd()) {
        Check(++steps <= expectedEnd + 1);  // every token advances
        const int start = hl.TokenStart();
        const int length = static_cast<int>(hl.TokenText().size());
        Check(start == end && length > 0);
        end = start + length;
        Check(end <= expectedEnd);
        hl.TokenKind();
        hl.TokenAttribute();
        hl.NextToken();
    }
    Check(end == expectedEnd);
    Check(hl.TokenStart() == end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::vector<std::unique_ptr<TBedCustomHighlighter>> instances = [] {
        std::vector<std::unique_ptr<TBedCustomHighlighter>> v;
        for (const TBedLanguage* language : BedHighlighterClasses())
            if (language->create) v.push_back(language->create());
        for (const TBedMainWindowHighlighter& mw : BedMainWindowHighlighters())
            if (auto hl = BedCreateInstance(*mw.language, *mw.instance)) v.push_back(std::move(hl));
        return v;
    }();

    if (size < 9) return 0;
    const bool lines = data[0] & 1;
    TBedRange start;
    std::memcpy(&start, data + 1, sizeof start);
    const std::string text(reinterpret_cast<const char*>(data + 9), size - 9);

    for (auto& hl : instances) {
        hl->RestoreRange(start);
        if (!lines) {
            ScanOneLine(*hl, text);
            hl->IsKeywordText(text);
            continue;
        }
        size_t pos = 0;
        for (;;) {
            const size_t lf = text.find('\n', pos);
            ScanOneLine(*hl, text.substr(pos, lf == std::string::npos ? std::string::npos : lf - pos));
            const TBedRange next = hl->CurrentRange();
            hl->RestoreRange(next);
            if (lf == std::string::npos) break;
            pos = lf + 1;
        }
    }
    return 0;
}
