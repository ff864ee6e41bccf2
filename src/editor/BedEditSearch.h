#pragma once
// Finding a pattern in one line: a skip-table search that looks at the character after the
// window, optionally ignoring case (CP 1250 lower case) and optionally whole words only.
// Matches never overlap. Qt-free.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class EBedSearch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The option bits of the component's search and replace.
enum TBedSearchOption : unsigned {
    ssoMatchCase = 0x01,
    ssoWholeWord = 0x02,
    ssoBackwards = 0x04,
    ssoEntireScope = 0x08,
    ssoSelectedOnly = 0x10,
    ssoReplace = 0x20,
    ssoReplaceAll = 0x40,
    ssoPrompt = 0x80,
};
using TBedSearchOptions = unsigned;

// The answer to a replace prompt.
enum TBedReplaceAction : uint8_t { raCancel = 0, raSkip = 1, raReplace = 2, raReplaceAll = 3 };

class TBedEditSearch {
public:
    TBedEditSearch();

    // A different pattern invalidates the table; the count starts again in every case.
    void SetPattern(std::string_view pattern);
    const std::string& Pattern() const { return pattern_; }
    void SetSensitive(bool value);
    bool Sensitive() const { return sensitive_; }
    void SetWhole(bool value) { whole_ = value; }
    bool Whole() const { return whole_; }

    // Finds every match in the line; raises EBedSearch("Pattern is empty") without a pattern.
    int FindAll(std::string_view line);
    // 1-based start of a match, 0 for an index out of range.
    int Results(int index) const;
    int ResultCount() const { return int(results_.size()); }
    // After a replacement at position p that made the line shorter by delta (longer when
    // negative), every result beyond p moves by it.
    void FixResults(int position, int delta);
    // Matches found since the pattern was last set.
    int Count() const { return count_; }

private:
    void BuildTable();
    // The next match from the current window on, 0 when there is none.
    int Next();

    std::string pattern_;
    bool sensitive_ = false;
    bool whole_ = false;
    bool tableValid_ = false;
    const std::array<uint8_t, 256>* map_;
    std::array<int, 256> shift_{};  // indexed by the raw byte: the case map is folded in
    int lookAt_ = 0;
    std::string mappedPattern_;

    const unsigned char* text_ = nullptr;
    int length_ = 0;
    int run_ = 0;  // 1-based end of the current window
    std::vector<int> results_;
    int count_ = 0;
};
