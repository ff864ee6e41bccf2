#include "BedEditLineCheckpoints.h"

#include "BedHighlighter.h"

#include <algorithm>

namespace {

// A token's kind may depend on a few bytes after it: a change that close after a checkpoint
// takes the checkpoint with it.
constexpr int kLookAhead = 1024;

}  // namespace

TBedLineCheckpoints::Line* TBedLineCheckpoints::Find(int index) {
    for (Line& line : lines_)
        if (line.index == index) return &line;
    return nullptr;
}

bool TBedLineCheckpoints::StartAtLast(TBedCustomHighlighter& hl, std::string_view text, Line& line) {
    if (line.points.empty()) {
        hl.RestoreRange(line.start);
        hl.StartLine(text, line.index);
        return true;
    }
    const Point& p = line.points.back();
    if (hl.ResumeLine(text, line.index, p.offset, p.range)) return true;
    line.points.clear();  // this highlighter can't resume: keep none
    line.pending.clear();
    return false;
}

void TBedLineCheckpoints::Record(Line& line, const TBedCustomHighlighter& hl) {
    const int end = hl.TokenStart() + hl.TokenLength();
    const int last = line.points.empty() ? 0 : line.points.back().offset;
    if (end - last >= kSpacing) line.points.push_back({end, hl.CurrentRange()});
}

void TBedLineCheckpoints::Confirm(TBedCustomHighlighter& hl, std::string_view text, Line& line) {
    std::vector<Point> pending;
    pending.swap(line.pending);
    if (!StartAtLast(hl, text, line)) return;
    size_t next = 0;  // the first pending checkpoint the scan has not passed
    for (; !hl.AtLineEnd(); hl.NextToken()) {
        const int end = hl.TokenStart() + hl.TokenLength();
        while (next < pending.size() && pending[next].offset < end) ++next;
        if (next == pending.size()) return;
        if (pending[next].offset == end && pending[next].range == hl.CurrentRange()) {
            line.points.insert(line.points.end(), pending.begin() + long(next), pending.end());
            return;
        }
        Record(line, hl);
    }
}

int TBedLineCheckpoints::Start(TBedCustomHighlighter& hl, std::string_view text, int index, TBedRange start, int from) {
    recording_ = nullptr;
    const bool longLine = text.size() > 2 * size_t(kSpacing);
    Line* line = longLine ? Find(index) : nullptr;
    if (line && (line->start != start || line->length != int(text.size()))) {
        line->points.clear();  // the line starts otherwise, or changed unannounced
        line->pending.clear();
        line->start = start;
        line->length = int(text.size());
    }
    if (!line && longLine) {
        if (lines_.size() == kMaxLines)
            lines_.erase(std::min_element(lines_.begin(), lines_.end(),
                                          [](const Line& a, const Line& b) { return a.used < b.used; }));
        lines_.push_back({index, start, int(text.size()), {}, {}, 0});
        line = &lines_.back();
    }
    hl.RestoreRange(start);
    if (!line) {
        hl.StartLine(text, index);
        return 0;
    }
    line->used = ++clock_;
    if (!line->pending.empty()) Confirm(hl, text, *line);
    const auto after = std::upper_bound(line->points.begin(), line->points.end(), from,
                                        [](int offset, const Point& p) { return offset < p.offset; });
    if (after == line->points.end()) recording_ = line;
    if (after != line->points.begin()) {
        const Point& p = *(after - 1);
        if (hl.ResumeLine(text, index, p.offset, p.range)) return p.offset;
        line->points.clear();
        recording_ = nullptr;
    }
    hl.RestoreRange(start);
    hl.StartLine(text, index);
    return 0;
}

void TBedLineCheckpoints::Passed(const TBedCustomHighlighter& hl) {
    if (recording_) Record(*recording_, hl);
}

void TBedLineCheckpoints::LineChanged(int index, int from, int kept, int length) {
    Line* line = Find(index);
    if (!line) return;
    if (recording_ == line) recording_ = nullptr;
    const int tail = line->length - kept;  // where the kept end started before the change
    const int shift = length - line->length;
    std::vector<Point> moved;
    for (const std::vector<Point>* list : {&line->points, &line->pending})
        for (const Point& p : *list)
            if (p.offset >= tail && p.offset > from && kept > 0) moved.push_back({p.offset + shift, p.range});
    std::erase_if(line->points, [&](const Point& p) { return p.offset > from - kLookAhead; });
    line->pending = std::move(moved);
    line->length = length;
}

void TBedLineCheckpoints::Clear() {
    lines_.clear();
    recording_ = nullptr;
}

int TBedLineCheckpoints::CountOf(int index) const {
    for (const Line& line : lines_)
        if (line.index == index) return int(line.points.size());
    return 0;
}
