#include "KeyboardLayout.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// {typed, becomes}, English keys to Czech letters and Czech letters to English signs.
constexpr std::pair<uint8_t, uint8_t> kOtherKeyboard[] = {
    {'2', 0xEC}, {'3', 0x9A}, {'4', 0xE8}, {'5', 0xF8}, {'6', 0x9E},  {'7', 0xFD}, {'8', 0xE1},
    {'9', 0xED}, {'0', 0xE9}, {';', 0xF9}, {'[', 0xFA}, {'\'', 0xA7}, {0xEC, '@'}, {0x9A, '#'},
    {0xE8, '$'}, {0xF8, '%'}, {0x9E, '^'}, {0xFD, '&'}, {0xE1, '*'},  {0xED, '('}, {0xE9, ')'},
    {0xF9, ';'}, {0xFA, '['}, {'(', '}'},  {')', ']'},  {'/', '{'},
};

constexpr std::array<uint8_t, 256> OtherKeyboardTable() {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = uint8_t(c);
    for (auto [typed, becomes] : kOtherKeyboard) t[typed] = becomes;
    return t;
}

constexpr std::array<uint8_t, 256> kTable = OtherKeyboardTable();

}  // namespace

char OtherKeyboardChar(char c) { return char(kTable[uint8_t(c)]); }

char SwapYZ(char c) {
    switch (c) {
        case 'y': return 'z';
        case 'z': return 'y';
        case 'Y': return 'Z';
        case 'Z': return 'Y';
        default: return c;
    }
}

char TypedChar(char c, bool& otherKeyboardNext, bool swapYZ) {
    if (otherKeyboardNext) {
        otherKeyboardNext = false;
        c = OtherKeyboardChar(c);
    }
    return swapYZ ? SwapYZ(c) : c;
}
