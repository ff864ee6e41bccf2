#pragma once
// The plain way to find a pattern in a line, byte by byte, that the search engine must agree
// with (tests and the fuzz target): non-overlapping matches from the left, case through the
// CP 1250 lower-case table, whole words between bytes that are not letters or digits.
#include "BedTextLetters.h"

#include <string>
#include <string_view>
#include <vector>

inline std::vector<int> PlainFind(std::string_view line, std::string_view pattern, bool sensitive, bool whole) {
    auto same = [&](unsigned char a, unsigned char b) {
        return sensitive ? a == b : BedCp1250Lower(a) == BedCp1250Lower(b);
    };
    auto delimiterAt = [&](int i) {
        return i < 0 || i >= int(line.size()) || !BedIsAlphaNumeric(uint8_t(line[size_t(i)]));
    };
    std::vector<int> result;
    const int m = int(pattern.size());
    for (int i = 0; i + m <= int(line.size());) {
        bool match = true;
        for (int j = 0; j < m && match; ++j) match = same(line[size_t(i + j)], pattern[size_t(j)]);
        if (match && (!whole || (delimiterAt(i - 1) && delimiterAt(i + m)))) {
            result.push_back(i + 1);
            i += m;
        } else {
            ++i;
        }
    }
    return result;
}
