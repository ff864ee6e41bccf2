#include "BedEditGeometry.h"

#include <algorithm>

int TBedGridMetrics::VisibleColumns(int clientWidth) const {
    return charWidth > 0 ? std::max(0, (clientWidth - gutterWidth - 2) / charWidth) : 0;
}

int TBedGridMetrics::LinesInWindow(int clientHeight) const {
    return lineHeight > 0 ? std::max(0, clientHeight / lineHeight) : 0;
}

int CharPosToDisplayColumn(std::string_view line, int x, int tabWidth) {
    tabWidth = std::max(1, tabWidth);
    const int inLine = std::clamp(x - 1, 0, int(line.size()));
    // Up to the first tab every character is one column: a caret at the end of a line of
    // millions of characters costs one memchr, not a loop over them.
    const size_t tab = line.substr(0, size_t(inLine)).find('\t');
    int col = tab == std::string_view::npos ? inLine : int(tab);
    for (int i = col; i < inLine; ++i) col += line[i] == '\t' ? tabWidth - col % tabWidth : 1;
    return col + std::max(0, x - 1 - inLine) + 1;
}

int ColumnCountToCharPos(std::string_view line, int n, int tabWidth) {
    tabWidth = std::max(1, tabWidth);
    const size_t before = std::min(line.size(), size_t(std::max(0, n)));
    const size_t tab = line.substr(0, before).find('\t');
    int used = int(tab == std::string_view::npos ? before : tab);
    int pos = used + 1;
    for (size_t i = size_t(used); i < line.size() && used < n; ++i, ++pos)
        used += line[i] == '\t' ? tabWidth - used % tabWidth : 1;
    if (used < n) pos += n - used;
    return pos;
}

int PixelToColumnCount(const TBedGridMetrics& g, int x) {
    const int cw = std::max(1, g.charWidth);
    const long long v = (long long)x + (long long)(g.firstVisibleChar - 1) * cw - g.TextLeft();
    const long long n = v >= 0 ? (2LL * v + cw) / (2LL * cw) : -((-2LL * v + cw) / (2LL * cw));
    return int(std::clamp<long long>(n, INT_MIN / 2, INT_MAX / 2));
}

int PixelToRow(const TBedGridMetrics& g, int y, int clientHeight) {
    y = std::clamp(y, 0, std::max(0, clientHeight - 1));
    return g.firstVisibleLine + y / std::max(1, g.lineHeight);
}

TBedPoint PixelToPosition(const TBedGridMetrics& g, int x, int y, int clientHeight, std::string_view rowText,
                          int tabWidth) {
    return {ColumnCountToCharPos(rowText, PixelToColumnCount(g, x), tabWidth), PixelToRow(g, y, clientHeight)};
}

TBedLineSelection LineSelection(const TBedSelectionColumns& sel, int line) {
    if (!sel.active || line < sel.fromLine || line > sel.toLine) return {};
    switch (sel.mode) {
        case smLine: return {1, INT_MAX, true};
        case smColumn: return {std::min(sel.fromColumn, sel.toColumn), std::max(sel.fromColumn, sel.toColumn), false};
        case smNormal: break;
    }
    if (sel.fromLine == sel.toLine) return {sel.fromColumn, sel.toColumn, false};
    // The first line is selected through its line break, so up to the window's edge.
    if (line == sel.fromLine) return {sel.fromColumn, INT_MAX, false};
    if (line == sel.toLine) return {1, sel.toColumn, false};
    return {1, INT_MAX, true};
}

int SplitRunAtSelection(int start, int end, const TBedLineSelection& sel, std::array<TBedRunPart, 3>& parts) {
    if (start >= end) return 0;
    if (sel.Empty()) {
        parts[0] = {start, end, false};
        return 1;
    }
    if (sel.full) {
        parts[0] = {start, end, true};
        return 1;
    }
    const int cuts[4] = {start, std::clamp(sel.start, start, end), std::clamp(sel.end, start, end), end};
    int n = 0;
    for (int i = 0; i < 3; ++i)
        if (cuts[i] < cuts[i + 1]) parts[n++] = {cuts[i], cuts[i + 1], i == 1};
    return n;
}

int AutoScrollAmount(int pos, int low, int high, int unit) {
    unit = std::max(1, unit);
    if (pos < low) return -(1 + (low - pos) / unit);
    if (pos > high) return 1 + (pos - high) / unit;
    return 0;
}

int TBedWheelAccumulator::Add(int delta) {
    remainder_ += delta;
    const int notches = remainder_ / 120;
    remainder_ -= notches * 120;
    return notches;
}

TBedScrollRange ScrollRange(int total, int page) {
    page = std::max(1, page);
    return {1, std::max(1, total - page + 1), page};
}

TBedRectI CaretShapeRect(TBedCaretType type, int charWidth, int lineHeight) {
    const int h = std::max(1, lineHeight - 2);
    switch (type) {
        case ctHorizontalLine: return {0, lineHeight - 2, charWidth, 2};
        case ctHalfBlock: return {0, h - h / 2, charWidth, std::max(1, h / 2)};
        case ctBlock: return {0, 0, charWidth, h};
        case ctVerticalLine: break;
    }
    return {-1, 0, 2, h};
}

std::string GutterNumberText(int line, int digits, bool zeroStart, bool leadingZeros) {
    std::string s = std::to_string(zeroStart ? line - 1 : line);
    if (int(s.size()) < digits) s.insert(0, size_t(digits) - s.size(), leadingZeros ? '0' : ' ');
    return s;
}

int GutterDigitsFor(int count, int minimumDigits, bool zeroStart) {
    const int highest = std::max(0, zeroStart ? count - 1 : count);
    return std::max(minimumDigits, int(std::to_string(highest).size()));
}
