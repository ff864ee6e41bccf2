#include "BedEditMarkList.h"

#include <algorithm>

void TBedEditMark::SetLine(int line) {
    if (line == line_) return;
    const int old = line_;
    line_ = line;
    // A mark checks that its list still holds it before it reports anything.
    if (Visible && owner_ && owner_->Contains(this) && owner_->OnMarkMoved) owner_->OnMarkMoved(old, line);
}

TBedEditMark* TBedEditMarkList::Add(std::unique_ptr<TBedEditMark> mark) {
    mark->owner_ = this;
    marks_.push_back(std::move(mark));
    if (OnChange) OnChange();
    return marks_.back().get();
}

void TBedEditMarkList::Remove(const TBedEditMark* mark) {
    auto it = std::find_if(marks_.begin(), marks_.end(), [mark](const auto& m) { return m.get() == mark; });
    if (it == marks_.end()) return;
    marks_.erase(it);
    if (OnChange) OnChange();
}

void TBedEditMarkList::Clear() {
    if (marks_.empty()) return;
    marks_.clear();
    if (OnChange) OnChange();
}

bool TBedEditMarkList::Contains(const TBedEditMark* mark) const {
    return std::any_of(marks_.begin(), marks_.end(), [mark](const auto& m) { return m.get() == mark; });
}
