#include "BedEditLineCheckpoints.h"

#include "BedHighlighter.h"

#include <algorithm>

namespace {

// A token's kind may depend on a few bytes after it: a change that close to a checkpoint
// takes the checkpoint with it.
constexpr int kLookAhead = 1024;

}  // namespace

TBedLineCheckpoints::Line* TBedLineCheckpoints::Find(int index) {
    for (Line& line : lines_)
        if (line.index == index) return &line;
    return nullptr;
}

int TBedLineCheckpoints::Start(TBedCustomHighlighter& hl, std::string_view text, int index,
                               TBedRange start, int from) {
    recording_ = nullptr;
    Line* line = text.size() > size_t(2 * kSpacing) ? Find(index) : nullptr;
    if (line && line->start != start) {  // the line starts in another state now
        line->points.clear();
        line->start = start;
    }
    if (!line && text.size() > size_t(2 * kSpacing)) {
        if (lines_.size() == kMaxLines)
            lines_.erase(std::min_element(lines_.begin(), lines_.end(),
                                          [](const Line& a, const Line& b) { return a.used < b.used; }));
        lines_.push_back({index, start, {}, 0});
        line = &lines_.back();
    }
    hl.RestoreRange(start);
    if (!line) {
        hl.StartLine(text, index);
        return 0;
    }
    line->used = ++clock_;
    const auto after = std::upper_bound(line->points.begin(), line->points.end(), from,
                                        [](int offset, const Point& p) { return offset < p.offset; });
    if (after == line->points.end()) recording_ = line;
    if (after != line->points.begin()) {
        const Point& p = *(after - 1);
        if (hl.ResumeLine(text, index, p.offset, p.range)) return p.offset;
        line->points.clear();  // this highlighter can't resume: keep none
        recording_ = nullptr;
    }
    hl.RestoreRange(start);
    hl.StartLine(text, index);
    return 0;
}

void TBedLineCheckpoints::Passed(const TBedCustomHighlighter& hl) {
    if (!recording_) return;
    const int end = hl.TokenStart() + hl.TokenLength();
    const int last = recording_->points.empty() ? 0 : recording_->points.back().offset;
    if (end - last >= kSpacing) recording_->points.push_back({end, hl.CurrentRange()});
}

void TBedLineCheckpoints::LineChanged(int index, int from) {
    Line* line = Find(index);
    if (!line) return;
    std::erase_if(line->points, [&](const Point& p) { return p.offset > from - kLookAhead; });
    if (recording_ == line) recording_ = nullptr;
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
