#include "FileHistory.h"

void TFileHistory::Refresh() {
    if (position_ == 0) position_ = 1;
}

bool TFileHistory::Contains(const std::string& name) const {
    // File names are case-sensitive here: two names differing in case are two files.
    for (int i = 0; i < count_; ++i)
        if (entries_[i].name == name) return true;
    return false;
}

bool TFileHistory::Add(const std::string& name, int codePage, bool unixLineEnds) {
    if (Contains(name)) return false;
    if (position_ == kCapacity) {
        for (int i = 1; i < kCapacity; ++i) entries_[i - 1] = entries_[i];
    } else {
        ++position_;
        if (count_ < kCapacity) ++count_;
    }
    // The new entry goes right behind the previous position; the ones after it move up.
    for (int i = kCapacity - 1; i >= position_; --i) entries_[i] = entries_[i - 1];
    entries_[position_ - 1] = {name, codePage, unixLineEnds};
    if (count_ < position_) count_ = position_;
    Refresh();
    return true;
}
