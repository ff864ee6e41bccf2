#include "BedEditLineBreaks.h"

#include "BedEditStringList.h"

#include <algorithm>

TBedLineBreak LineBreakAt(const char* lineEnd, const char* end) {
    if (lineEnd == end) return TBedLineBreak::None;
    if (*lineEnd == '\n') return TBedLineBreak::LF;
    return lineEnd + 1 < end && lineEnd[1] == '\n' ? TBedLineBreak::CRLF : TBedLineBreak::CR;
}

void TBedEditLineBreaks::Append(TBedLineBreak lineBreak) {
    const int line = runs_.empty() ? 0 : runs_.back().first + runs_.back().count;
    if (!runs_.empty() && runs_.back().kind == lineBreak)
        ++runs_.back().count;
    else
        runs_.push_back({line, 1, lineBreak});
}

void TBedEditLineBreaks::Follow(const TBedLinesChange& change) {
    switch (change.kind) {
        case TBedLinesChangeKind::Cleared: Clear(); break;
        case TBedLinesChangeKind::Inserted: Insert(change.first, change.count); break;
        case TBedLinesChangeKind::Deleted: Delete(change.first, change.count); break;
        case TBedLinesChangeKind::Replaced:       // a changed line keeps the break it ended with
        case TBedLinesChangeKind::Joined: break;  // told as Replaced and Deleted
    }
}

void TBedEditLineBreaks::Insert(int first, int count) {
    auto run = std::lower_bound(runs_.begin(), runs_.end(), first,
                                [](const TBedLineBreakRun& r, int line) { return r.first + r.count <= line; });
    if (run == runs_.end()) return;
    if (run->first < first) {
        // The new lines split a run: its second half moves down with the lines after.
        const TBedLineBreakRun tail{first, run->first + run->count - first, run->kind};
        run->count = first - run->first;
        run = runs_.insert(run + 1, tail);
    }
    for (; run != runs_.end(); ++run) run->first += count;
}

void TBedEditLineBreaks::Delete(int first, int count) {
    const int end = first + count;
    auto out = runs_.begin();
    for (const TBedLineBreakRun& run : runs_) {
        TBedLineBreakRun kept = run;
        const int keptBefore = std::clamp(first - run.first, 0, run.count);
        const int keptAfter = std::clamp(run.first + run.count - end, 0, run.count);
        kept.count = std::min(run.count, keptBefore + keptAfter);
        if (kept.count == 0) continue;
        if (kept.first >= first) kept.first = std::max(first, kept.first - count);
        // Runs that now touch with the same break become one.
        if (out != runs_.begin() && (out - 1)->kind == kept.kind && (out - 1)->first + (out - 1)->count == kept.first)
            (out - 1)->count += kept.count;
        else
            *out++ = kept;
    }
    runs_.erase(out, runs_.end());
}

TBedLineBreak TBedEditLineBreaks::TReader::At(int line) {
    while (next_ < runs_.size() && runs_[next_].first + runs_[next_].count <= line) ++next_;
    if (next_ < runs_.size() && runs_[next_].first <= line) return runs_[next_].kind;
    return TBedLineBreak::Unknown;
}
