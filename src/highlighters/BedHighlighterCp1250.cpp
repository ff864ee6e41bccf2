#include "BedHighlighterCp1250.h"

#include <array>

namespace {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = static_cast<unsigned char>(c - 32);
    // š ś ť ž ź -> Š Ś Ť Ž Ź; ł -> Ł; ą -> Ą; ľ -> Ľ; ż -> Ż
    constexpr std::pair<int, int> pairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
                                             {0x9E, 0x8E}, {0x9F, 0x8F}, {0xB3, 0xA3},
                                             {0xB9, 0xA5}, {0xBE, 0xBC}, {0xBF, 0xAF}};
    for (auto [lower, upper] : pairs)
        t[lower] = static_cast<unsigned char>(upper);
    // ŕ á â ă ä ĺ ć ç č é ę ë ě í î ď đ ń ň ó ô ő ö ř ů ú ű ü ý ţ; 0xF7 is the division sign.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[c] = static_cast<unsigned char>(c - 0x20);
    return t;
}

}  // namespace

constexpr std::array<unsigned char, 256> kBedCp1250Upper = MakeUpperTable();

std::string BedCp1250UpperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(kBedCp1250Upper[static_cast<unsigned char>(c)]);
    return text;
}

std::string BedAsciiUpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
