#pragma once
// Where the highlighter stood inside very long lines, so that painting the far end of one scans
// from the nearest checkpoint before it instead of from the line's start. Offsets are those of
// the text the highlighter is given (the tab-expanded line). Qt-free.
#include "BedEditTypes.h"

#include <string_view>
#include <vector>

class TBedCustomHighlighter;

class TBedLineCheckpoints {
public:
    // Bytes between two checkpoints of a line; shorter lines get none.
    static constexpr int kSpacing = 1 << 15;
    // Lines kept at most; the one used longest ago goes first.
    static constexpr size_t kMaxLines = 64;

    // Sets the highlighter on line `index` (its text, the range it starts in) at the last
    // checkpoint at or before offset `from`, or at the line's start. Returns the offset it
    // starts at.
    int Start(TBedCustomHighlighter& hl, std::string_view text, int index, TBedRange start,
              int from);
    // Told of every token the caller walks past: a token ending a spacing beyond the last
    // checkpoint of the line started last gives the next one.
    void Passed(const TBedCustomHighlighter& hl);
    // The bytes of line `index` from offset `from` on changed.
    void LineChanged(int index, int from);
    // Lines came or went, or the highlighter or the tab width changed.
    void Clear();

    // How many checkpoints line `index` has (for tests).
    int CountOf(int index) const;

private:
    struct Point {
        int offset;
        TBedRange range;
    };
    struct Line {
        int index;
        TBedRange start;
        std::vector<Point> points;  // ascending offsets
        unsigned long long used;
    };
    Line* Find(int index);

    std::vector<Line> lines_;
    Line* recording_ = nullptr;  // the line whose last checkpoint Start resumed from
    unsigned long long clock_ = 0;
};
