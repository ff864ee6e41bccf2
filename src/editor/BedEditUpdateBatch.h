#pragma once
// What waits while the component's painting is locked or its lines are changing: the scroll
// bars, the caret, the status changes, and the text lines to repaint. The component asks it
// whether to act now and flushes what waited once the last lock ends. Qt-free.
#include "BedEditOptions.h"

#include <algorithm>
#include <optional>
#include <utility>

class TBedEditUpdateBatch {
public:
    void Lock() { ++lock_; }
    // True when this ended the last lock: then what waited is due.
    bool Unlock() { return lock_ > 0 && --lock_ == 0; }
    int LockCount() const { return lock_; }

    // True when the update has to wait for the lock to end (it is then remembered).
    bool DeferScrollBars() { return Defer(scrollBars_); }
    bool DeferCaret() { return Defer(caret_); }
    // Whether the update waited (it no longer does).
    bool TakeScrollBars() { return std::exchange(scrollBars_, false); }
    bool TakeCaret() { return std::exchange(caret_, false); }

    // Status changes gather until they may be reported: none while locked.
    void AddStatus(TBedStatusChanges changes) { status_ |= changes; }
    TBedStatusChanges TakeStatus() { return lock_ > 0 ? 0 : std::exchange(status_, 0); }

    // While the lines change, the text lines to repaint gather.
    void BeginLinesChange() { linesChanging_ = true; }
    void EndLinesChange() { linesChanging_ = false; }
    // False when no change is under way: the lines are to be repainted now.
    bool DeferLines(int first, int last) {
        if (!linesChanging_) return false;
        if (first > last) std::swap(first, last);
        if (!pending_)
            pending_.emplace(first, last);
        else
            pending_ = {std::min(pending_->first, first), std::max(pending_->second, last)};
        return true;
    }
    // The lines that waited (first, last), none when none did.
    std::optional<std::pair<int, int>> TakeLines() { return std::exchange(pending_, std::nullopt); }

private:
    bool Defer(bool& flag) {
        if (lock_ == 0) return false;
        flag = true;
        return true;
    }

    int lock_ = 0;
    bool scrollBars_ = false;
    bool caret_ = false;
    TBedStatusChanges status_ = 0;
    bool linesChanging_ = false;
    std::optional<std::pair<int, int>> pending_;
};
