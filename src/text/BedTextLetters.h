#pragma once
// The letters of CP 1250, the code page of the text: which bytes are letters and digits, and the
// upper- and lower-case form of every byte, as the desktop's rules for the code page give them.
// Case change, diacritics, search with ignored case or whole words, word counts and keyword
// matching all ask these tables. They are built at compile time; every question is one lookup.
// Besides, the plain rule for names that changes only a-z.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The case pairs beyond ASCII and the 0xC0-0xDE / 0xE0-0xFE block: {lower, upper}.
inline constexpr std::array<std::pair<uint8_t, uint8_t>, 10> kBedCp1250CasePairs = {{
    {0x9A, 0x8A},  // š Š
    {0x9C, 0x8C},  // ś Ś
    {0x9D, 0x8D},  // ť Ť
    {0x9E, 0x8E},  // ž Ž
    {0x9F, 0x8F},  // ź Ź
    {0xB3, 0xA3},  // ł Ł
    {0xB9, 0xA5},  // ą Ą
    {0xBA, 0xAA},  // ş Ş
    {0xBE, 0xBC},  // ľ Ľ
    {0xBF, 0xAF},  // ż Ż
}};

namespace bedtext {

using TByteTable = std::array<uint8_t, 256>;

constexpr TByteTable Identity() {
    TByteTable t{};
    for (int c = 0; c < 256; ++c) t[c] = uint8_t(c);
    return t;
}

// upper: lower -> capital, else lower: capital -> lower.
constexpr TByteTable CaseTable(bool upper) {
    TByteTable t = Identity();
    const int from = upper ? int('a') : int('A'), to = upper ? int('A') : int('a');
    for (int i = 0; i < 26; ++i) t[from + i] = uint8_t(to + i);
    // ŕ..ţ and Ŕ..Ţ, less the signs ÷ (0xF7) and × (0xD7).
    for (int capital = 0xC0; capital <= 0xDE; ++capital) {
        if (capital == 0xD7) continue;
        if (upper)
            t[capital + 0x20] = uint8_t(capital);
        else
            t[capital] = uint8_t(capital + 0x20);
    }
    for (auto [lower, capital] : kBedCp1250CasePairs) {
        if (upper)
            t[lower] = capital;
        else
            t[capital] = lower;
    }
    return t;
}

enum : uint8_t { kLetter = 1, kDigit = 2 };

// A letter has a case partner, or is one of the two letters without one: µ (0xB5) and ß (0xDF).
constexpr TByteTable Classes(const TByteTable& upper, const TByteTable& lower) {
    TByteTable t{};
    for (int c = '0'; c <= '9'; ++c) t[c] = kDigit;
    for (int c = 0; c < 256; ++c)
        if (upper[c] != c || lower[c] != c || c == 0xB5 || c == 0xDF) t[c] = kLetter;
    return t;
}

}  // namespace bedtext

inline constexpr bedtext::TByteTable kBedCp1250Upper = bedtext::CaseTable(true);
inline constexpr bedtext::TByteTable kBedCp1250Lower = bedtext::CaseTable(false);
inline constexpr bedtext::TByteTable kBedCp1250Classes = bedtext::Classes(kBedCp1250Upper, kBedCp1250Lower);

constexpr unsigned char BedCp1250Upper(unsigned char c) { return kBedCp1250Upper[c]; }
constexpr unsigned char BedCp1250Lower(unsigned char c) { return kBedCp1250Lower[c]; }
// The other case of a letter; anything else as it is.
constexpr unsigned char BedCp1250SwapCase(unsigned char c) {
    const unsigned char upper = BedCp1250Upper(c);
    return upper != c ? upper : BedCp1250Lower(c);
}
constexpr bool BedIsLetter(unsigned char c) { return kBedCp1250Classes[c] == bedtext::kLetter; }
constexpr bool BedIsDigit(unsigned char c) { return kBedCp1250Classes[c] == bedtext::kDigit; }
constexpr bool BedIsAlphaNumeric(unsigned char c) { return kBedCp1250Classes[c] != 0; }

std::string BedCp1250UpperCase(std::string text);
std::string BedCp1250LowerCase(std::string text);

// Names (file names, settings keys, attribute names) are compared and shown upper-cased in
// a-z only, whatever else they hold.
constexpr char BedAsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
std::string BedAsciiUpperCase(std::string text);
bool BedAsciiSameIgnoringCase(std::string_view a, std::string_view b);
