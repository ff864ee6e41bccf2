#pragma once
// The browser-like history of the files opened in this run: up to 30 entries, each with the
// code page and line-end mode it was read with. Qt-free.
#include <array>
#include <string>

struct TFileHistoryEntry {
    std::string name;  // the whole name
    int codePage = 4;
    bool unixLineEnds = false;
};

class TFileHistory {
public:
    static constexpr int kCapacity = 30;

    int Count() const { return count_; }
    int Position() const { return position_; }
    // Entries count from 1.
    const TFileHistoryEntry& Entry(int index) const { return entries_[index - 1]; }
    TFileHistoryEntry& Current() { return entries_[position_ - 1]; }

    bool CanGoBack() const { return position_ > 1; }
    bool CanGoForward() const { return position_ < count_; }
    // What refreshing the menu does to the position: 0 becomes 1.
    void Refresh();

    bool Contains(const std::string& name) const;
    // Inserts the file right behind the current position, unless it is anywhere in the list.
    // Returns false when nothing changed.
    bool Add(const std::string& name, int codePage, bool unixLineEnds);
    // Moves the position by -1 or +1 (the caller checks CanGoBack/CanGoForward).
    void Step(int direction) { position_ += direction; }

private:
    std::array<TFileHistoryEntry, kCapacity> entries_{};
    int count_ = 0;
    int position_ = 0;
};
