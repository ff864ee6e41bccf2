#pragma once
// Splitting text into lines: a line ends at CR LF, at a lone CR or at a lone LF, wherever text
// arrives (a file, the clipboard, a dropped selection, a settings value).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The first CR or LF in [p, end), or end.
const char* FindLineBreak(const char* p, const char* end);
// The same, telling also whether a tab comes before it: loading learns which lines hold tabs in
// the one pass that splits them, so that measuring them later needs no second look.
const char* FindLineBreak(const char* p, const char* end, bool& tab);

// Calls onLine(begin, end, hasTab) for every line of [p, end); a final break adds no empty line
// (a file's last line ends with one or not). Returns whether a CR was met.
template <typename F>
bool SplitLinesNotingTabs(const char* p, const char* end, F onLine) {
    bool sawCR = false;
    while (p < end) {
        bool tab = false;
        const char* lineBreak = FindLineBreak(p, end, tab);
        onLine(p, lineBreak, tab);
        if (lineBreak == end) break;
        if (*lineBreak == '\r') {
            sawCR = true;
            if (lineBreak + 1 < end && lineBreak[1] == '\n') ++lineBreak;
        }
        p = lineBreak + 1;
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
