#include "BedEditTextOffsets.h"

#include "BedEditStringList.h"

#include <algorithm>

int64_t BedTextLength(const TBedEditStringList& lines) {
    int64_t length = std::max(0, lines.Count() - 1);  // the line feeds between lines
    for (int i = 0; i < lines.Count(); ++i) length += int64_t(lines.GetView(i).size());
    return length;
}

int64_t BedOffsetOf(const TBedEditStringList& lines, TBedPoint p) {
    const int line = std::clamp(p.Y, 1, std::max(1, lines.Count())) - 1;
    int64_t offset = 0;
    for (int i = 0; i < line; ++i) offset += int64_t(lines.GetView(i).size()) + 1;
    return offset + std::clamp<int64_t>(p.X - 1, 0, int64_t(lines.GetView(line).size()));
}

TBedPoint BedPointAt(const TBedEditStringList& lines, int64_t offset) {
    offset = std::max<int64_t>(0, offset);
    for (int i = 0; i < lines.Count(); ++i) {
        const int64_t length = int64_t(lines.GetView(i).size());
        if (offset <= length || i == lines.Count() - 1) return {int(std::min(offset, length)) + 1, i + 1};
        offset -= length + 1;
    }
    return {1, 1};
}

std::string BedTextBetween(const TBedEditStringList& lines, int64_t from, int64_t to) {
    std::string text;
    int64_t lineStart = 0;
    for (int i = 0; i < lines.Count() && lineStart < to; ++i) {
        const std::string_view line = lines.GetView(i);
        const int64_t lineEnd = lineStart + int64_t(line.size());  // the line feed's offset
        if (lineEnd >= from) {
            const int64_t a = std::max(from, lineStart), b = std::min(to, lineEnd);
            if (b > a) text.append(line.substr(size_t(a - lineStart), size_t(b - a)));
            if (i + 1 < lines.Count() && lineEnd >= from && lineEnd < to) text += '\n';
        }
        lineStart = lineEnd + 1;
    }
    return text;
}

TBedCaretLineState BedCaretLineState(const TBedEditStringList& lines, TBedPoint caret, bool hasSelection,
                                     TBedPoint selFrom, TBedPoint selTo) {
    TBedCaretLineState s;
    s.caret = BedOffsetOf(lines, caret);
    s.line = std::clamp(caret.Y, 1, std::max(1, lines.Count()));
    s.lineCount = lines.Count();
    s.lineStart = BedOffsetOf(lines, {1, s.line});
    s.text = lines.Get(s.line - 1);
    if (hasSelection) {
        s.selFrom = BedOffsetOf(lines, selFrom);
        s.selTo = BedOffsetOf(lines, selTo);
    }
    return s;
}

std::optional<TBedTextChangeNotice> BedTextChangeBetween(const TBedCaretLineState& was, const TBedCaretLineState& now) {
    if (was.caret < 0) return std::nullopt;
    if (now.lineCount == was.lineCount && now.text == was.text && now.lineStart == was.lineStart) return std::nullopt;
    if (now.lineCount != was.lineCount || now.line != was.line)
        return TBedTextChangeNotice{now.lineStart, {}, now.text};
    size_t head = 0;
    while (head < now.text.size() && head < was.text.size() && now.text[head] == was.text[head]) ++head;
    size_t tail = 0;
    while (tail < now.text.size() - head && tail < was.text.size() - head &&
           now.text[now.text.size() - 1 - tail] == was.text[was.text.size() - 1 - tail])
        ++tail;
    return TBedTextChangeNotice{now.lineStart + int64_t(head), was.text.substr(head, was.text.size() - head - tail),
                                now.text.substr(head, now.text.size() - head - tail)};
}
