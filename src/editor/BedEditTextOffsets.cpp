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
        if (offset <= length || i == lines.Count() - 1)
            return {int(std::min(offset, length)) + 1, i + 1};
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
