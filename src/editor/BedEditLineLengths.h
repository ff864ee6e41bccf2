#pragma once
// How many lines have each length, so that the longest length follows every change of a line
// at once instead of by a walk over millions of lines. Qt-free.
#include <map>
#include <vector>

class TBedLineLengths {
public:
    // Until the first walk has counted every line nothing is known.
    bool Known() const { return known_; }
    void Forget();
    // Starts counting: every line is to be added once.
    void StartCounting();
    // A line of the length came (delta 1) or went (delta -1); ignored while nothing is known.
    void Add(int length, int delta);
    int Longest();

private:
    static constexpr int kDirect = 1 << 16;  // lengths below this are counted in the vector
    std::vector<int> counts_;
    std::map<int, int> longer_;
    int top_ = 0;  // no length above it is counted in the vector
    bool known_ = false;
};
