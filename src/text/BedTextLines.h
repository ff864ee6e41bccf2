#pragma once
// Splitting text into lines: a line ends at CR LF, at a lone CR or at a lone LF, wherever text
// arrives (a file, the clipboard, a dropped selection, a settings value).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The first CR or LF in [p, end), or end.
const char* FindLineBreak(const char* p, const char* end);
// The same, telling also whether a tab comes before it: loading learns which lines hold tabs in
// the one pass that splits them, so that measuring them later needs no second look.
const char* FindLineBreak(const char* p, const char* end, bool& tab);

// A bit for each CR or LF, and one for each tab, among the 64 bytes at p.
void LineBreakAndTabBits(const char* p, uint64_t& breaks, uint64_t& tabs);

// Calls onLine(begin, end, hasTab) for every line of [p, end); a final break adds no empty line
// (a file's last line ends with one or not). Returns whether a CR was met.
template <typename F>
bool SplitLinesNotingTabs(const char* p, const char* end, F onLine) {
    bool sawCR = false;
    const char* line = p;
    bool tabBefore = false;  // a tab in the line before the 64 bytes looked at
    // 64 bytes at a time, every break among them taken from one mask: a big file has millions of
    // short lines, and a search per line would cost more than the splitting itself.
    for (; end - p >= 64; p += 64) {
        uint64_t breaks, tabs;
        LineBreakAndTabBits(p, breaks, tabs);
        // The LF of a CR LF that straddles the previous 64 bytes was taken with its CR.
        if (line > p) breaks &= ~uint64_t(1);
        while (breaks) {
            const int at = __builtin_ctzll(breaks);
            const uint64_t before = (uint64_t(1) << at) - 1;
            onLine(line, p + at, tabBefore || (tabs & before));
            tabs &= ~before;
            tabBefore = false;
            breaks &= breaks - 1;
            line = p + at + 1;
            if (p[at] == '\r') {
                sawCR = true;
                if (line < end && *line == '\n') {
                    ++line;
                    if (at < 63) breaks &= ~(uint64_t(1) << (at + 1));
                }
            }
        }
        tabBefore = tabBefore || tabs;
    }
    if (line > p) p = line;  // a CR LF just split across the last 64 bytes
    while (line < end) {
        bool tab = false;
        const char* lineBreak = FindLineBreak(p, end, tab);
        onLine(line, lineBreak, tabBefore || tab);
        tabBefore = false;
        if (lineBreak == end) break;
        if (*lineBreak == '\r') {
            sawCR = true;
            if (lineBreak + 1 < end && lineBreak[1] == '\n') ++lineBreak;
        }
        p = line = lineBreak + 1;
    }
    return sawCR;
}

// The same calling onLine(begin, end).
template <typename F>
bool SplitLines(const char* p, const char* end, F onLine) {
    return SplitLinesNotingTabs(p, end, [&](const char* b, const char* e, bool) { onLine(b, e); });
}

// How many lines SplitLines finds.
size_t CountLines(const char* p, const char* end);

// The pieces of a text between its breaks: n breaks give n + 1 pieces, so a final break ends
// with an empty piece (a selection that ends at a line's start).
std::vector<std::string> SplitPieces(std::string_view text);
