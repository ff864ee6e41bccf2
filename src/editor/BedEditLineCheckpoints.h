#pragma once
// Where the highlighter stood inside very long lines, so that painting the far end of one, or
// rescanning it after a change, scans from the nearest checkpoint before it instead of from
// the line's start. Offsets are those of the text the highlighter is given (the tab-expanded
// line). Qt-free.
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
    int Start(TBedCustomHighlighter& hl, std::string_view text, int index, TBedRange start, int from);
    // Told of every token the caller walks past: a token ending a spacing beyond the last
    // checkpoint of the line started last gives the next one.
    void Passed(const TBedCustomHighlighter& hl);
    // Line `index` changed between its first `from` and its last `kept` bytes and is now
    // `length` long. The checkpoints in the kept end stay unconfirmed until a scan meets one
    // of them in the same state: from there on the line scans as it did before.
    void LineChanged(int index, int from, int kept, int length);
    // Lines came or went, or the highlighter or the tab width changed.
    void Clear();

    // How many confirmed checkpoints line `index` has (for tests).
    int CountOf(int index) const;

private:
    struct Point {
        int offset;
        TBedRange range;
    };
    struct Line {
        int index;
        TBedRange start;
        int length;                  // of the text the checkpoints were taken in
        std::vector<Point> points;   // ascending offsets
        std::vector<Point> pending;  // unconfirmed, after the last change, beyond `points`
        unsigned long long used;
    };
    Line* Find(int index);
    // Positions the highlighter at the line's last checkpoint (or start); false when it
    // can't resume there, with the checkpoints dropped.
    bool StartAtLast(TBedCustomHighlighter& hl, std::string_view text, Line& line);
    // Scans on from the last checkpoint until the scan meets a pending one in its state.
    void Confirm(TBedCustomHighlighter& hl, std::string_view text, Line& line);
    void Record(Line& line, const TBedCustomHighlighter& hl);

    std::vector<Line> lines_;
    Line* recording_ = nullptr;  // the line whose last checkpoint Start resumed from
    unsigned long long clock_ = 0;
};
