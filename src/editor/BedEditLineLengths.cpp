#include "BedEditLineLengths.h"

#include <cstddef>

void TBedLineLengths::Forget() {
    counts_.clear();
    longer_.clear();
    top_ = 0;
    known_ = false;
}

void TBedLineLengths::StartCounting() {
    Forget();
    counts_.assign(kDirect, 0);
    known_ = true;
}

void TBedLineLengths::Add(int length, int delta) {
    if (!known_ || length < 0) return;
    if (length >= kDirect) {
        if ((longer_[length] += delta) == 0) longer_.erase(length);
        return;
    }
    counts_[size_t(length)] += delta;
    if (delta > 0 && length > top_) top_ = length;
}

int TBedLineLengths::Longest() {
    if (!longer_.empty()) return longer_.rbegin()->first;
    while (top_ > 0 && counts_[size_t(top_)] <= 0) --top_;
    return top_;
}
