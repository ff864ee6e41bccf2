#include "BedTextCp1250.h"

#include <array>
#include <cstdint>

namespace {

// The way back, built at compile time: code points below U+02E0 hold every letter of the code
// page, U+2000..U+21FF its punctuation, the euro sign and the trade mark.
constexpr char32_t kLowEnd = 0x2E0, kHighStart = 0x2000, kHighEnd = 0x2200;

template <char32_t First, char32_t End>
constexpr std::array<int16_t, End - First> ReverseTable() {
    std::array<int16_t, End - First> table{};
    table.fill(-1);
    for (int b = 0; b < 256; ++b)
        if (const char32_t u = kBedCp1250ToUnicode[b]; u >= First && u < End) table[u - First] = int16_t(b);
    return table;
}
constexpr auto kFromLow = ReverseTable<0, kLowEnd>();
constexpr auto kFromHigh = ReverseTable<kHighStart, kHighEnd>();

}  // namespace

int UnicodeToCp1250(char32_t codePoint) {
    if (codePoint < kLowEnd) return kFromLow[codePoint];
    if (codePoint >= kHighStart && codePoint < kHighEnd) return kFromHigh[codePoint - kHighStart];
    return -1;
}
