#include "BedEditSearch.h"

#include "BedTextLetters.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr bedtext::TByteTable kSameCase = bedtext::Identity();

// Bytes outside the line read as NUL: a loaded line is a view into a larger block with no
// terminator after it.
inline unsigned char At(const unsigned char* text, int length, int position) {
    return position >= 1 && position <= length ? text[position - 1] : 0;
}

inline bool IsDelimiter(unsigned char c) { return !BedIsAlphaNumeric(c); }

// The bytes a case map takes to each byte: the byte itself and one other at most (the other
// case), or kMany.
constexpr int kMany = -1;
struct TCasePairs {
    std::array<int, 256> other;
};
TCasePairs PairsOf(const std::array<uint8_t, 256>& map) {
    TCasePairs pairs;
    pairs.other.fill(-2);  // none yet
    for (int b = 0; b < 256; ++b) {
        int& other = pairs.other[map[size_t(b)]];
        if (b == map[size_t(b)]) continue;
        other = other == -2 ? b : kMany;
    }
    for (int c = 0; c < 256; ++c)
        if (pairs.other[size_t(c)] == -2) pairs.other[size_t(c)] = c;
    return pairs;
}

#if defined(__SSE2__)
// Every match, sixteen windows looked at together: a window can hold one only when its first and
// its last byte are the pattern's in either case, and only those are compared whole. Matches
// don't overlap: the next window starts after the match.
template <typename MatchAt>
void FindBySse2(const unsigned char* t, int n, int m, const uint8_t (&ends)[4], MatchAt matchAt,
                std::vector<int>& results) {
    const __m128i first0 = _mm_set1_epi8(char(ends[0])), first1 = _mm_set1_epi8(char(ends[1]));
    const __m128i last0 = _mm_set1_epi8(char(ends[2])), last1 = _mm_set1_epi8(char(ends[3]));
    int pos = 0;  // the first window still to look at, from 0
    while (pos + m - 1 + 16 <= n) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + pos));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + pos + m - 1));
        unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(a, first0), _mm_cmpeq_epi8(a, first1)),
                                            _mm_or_si128(_mm_cmpeq_epi8(b, last0), _mm_cmpeq_epi8(b, last1)))));
        int next = pos + 16;
        for (; mask; mask &= mask - 1) {
            const int i = pos + __builtin_ctz(mask);
            if (matchAt(i)) {
                results.push_back(i + 1);
                next = i + m;
                break;
            }
        }
        pos = next;
    }
    while (pos + m <= n) {
        if (matchAt(pos)) {
            results.push_back(pos + 1);
            pos += m;
        } else {
            ++pos;
        }
    }
}
#endif

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
#if defined(__SSE2__)
    static const TCasePairs lowerPairs = PairsOf(kBedCp1250Lower);
    const uint8_t first = uint8_t(mappedPattern_.front()), last = uint8_t(mappedPattern_.back());
    const int firstOther = sensitive_ ? first : lowerPairs.other[first];
    const int lastOther = sensitive_ ? last : lowerPairs.other[last];
    if (firstOther != kMany && lastOther != kMany) {
        const auto& map = *map_;
        const auto* mapped = reinterpret_cast<const unsigned char*>(mappedPattern_.data());
        const unsigned char* const t = text_;
        const int n = length_;
        auto matchAt = [&](int i) {
            for (int j = 0; j < m; ++j)
                if (map[t[i + j]] != mapped[j]) return false;
            return !whole_ || (IsDelimiter(At(t, n, i)) && IsDelimiter(At(t, n, i + m + 1)));
        };
        const uint8_t ends[4] = {first, uint8_t(firstOther), last, uint8_t(lastOther)};
        FindBySse2(t, n, m, ends, matchAt, results_);
        count_ += int(results_.size());
        return int(results_.size());
    }
#endif
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
        if (j == m - 1 && (!whole_ || (IsDelimiter(At(t, n, start - 1)) && IsDelimiter(At(t, n, run_ + 1))))) {
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
