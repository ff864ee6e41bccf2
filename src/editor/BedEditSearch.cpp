#include "BedEditSearch.h"

#include "BedTextLetters.h"

namespace {

constexpr bedtext::TByteTable kSameCase = bedtext::Identity();

// Bytes outside the line read as NUL: a loaded line is a view into a larger block with no
// terminator after it.
inline unsigned char At(const unsigned char* text, int length, int position) {
    return position >= 1 && position <= length ? text[position - 1] : 0;
}

inline bool IsDelimiter(unsigned char c) { return !BedIsAlphaNumeric(c); }

}  // namespace

TBedEditSearch::TBedEditSearch() : map_(&kBedCp1250Lower) {}

void TBedEditSearch::SetPattern(std::string_view pattern) {
    if (pattern != pattern_) {
        pattern_ = pattern;
        tableValid_ = false;
    }
    count_ = 0;
}

void TBedEditSearch::SetSensitive(bool value) {
    if (value == sensitive_) return;
    sensitive_ = value;
    map_ = value ? &kSameCase : &kBedCp1250Lower;
    tableValid_ = false;
}

void TBedEditSearch::BuildTable() {
    if (pattern_.empty()) throw EBedSearch("Pattern is empty");
    const auto& map = *map_;
    const int m = int(pattern_.size());
    mappedPattern_.resize(pattern_.size());
    for (int j = 0; j < m; ++j) mappedPattern_[size_t(j)] = char(map[uint8_t(pattern_[size_t(j)])]);
    std::array<int, 256> byMapped;
    byMapped.fill(m + 1);
    for (int j = 1; j <= m; ++j) byMapped[uint8_t(mappedPattern_[size_t(j - 1)])] = m + 1 - j;
    for (int c = 0; c < 256; ++c) shift_[size_t(c)] = byMapped[map[size_t(c)]];
    const char last = mappedPattern_.back();
    lookAt_ = m;
    for (int k = 1; k < m; ++k) {
        if (mappedPattern_[size_t(m - 1 - k)] == last) {
            lookAt_ = k;
            break;
        }
    }
    tableValid_ = true;
}

int TBedEditSearch::FindAll(std::string_view line) {
    if (!tableValid_) BuildTable();
    results_.clear();
    text_ = reinterpret_cast<const unsigned char*>(line.data());
    length_ = int(line.size());
    const int m = int(pattern_.size());
    if (length_ < m) return 0;
    run_ = 0;
    while (const int position = Next()) results_.push_back(position);
    return int(results_.size());
}

int TBedEditSearch::Next() {
    const auto& map = *map_;
    const unsigned char* const t = text_;
    const int n = length_, m = int(pattern_.size());
    const unsigned char last = uint8_t(mappedPattern_.back());
    run_ += m;
    for (;;) {
        // The skip by the character after the window; it stands inside the line here.
        while (run_ < n && map[t[run_ - 1]] != last) run_ += shift_[t[run_]];
        // At the line's end that character is none: any skip leaves the line.
        if (run_ > n || map[t[run_ - 1]] != last) return 0;
        const int start = run_ - m + 1;  // 1-based
        int j = 0;
        while (j < m - 1 && map[t[start - 1 + j]] == uint8_t(mappedPattern_[size_t(j)])) ++j;
        if (j == m - 1 &&
            (!whole_ || (IsDelimiter(At(t, n, start - 1)) && IsDelimiter(At(t, n, run_ + 1))))) {
            ++count_;
            return start;
        }
        run_ += lookAt_;
        if (run_ > n) return 0;
        run_ += shift_[t[run_ - 1]] - 1;
    }
}

int TBedEditSearch::Results(int index) const {
    return index >= 0 && index < int(results_.size()) ? results_[size_t(index)] : 0;
}

void TBedEditSearch::FixResults(int position, int delta) {
    for (auto it = results_.rbegin(); it != results_.rend() && *it > position; ++it) *it -= delta;
}
