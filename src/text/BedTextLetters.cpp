#include "BedTextLetters.h"

#include <algorithm>

namespace {

std::string Mapped(std::string text, const bedtext::TByteTable& table) {
    for (char& c : text) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return text;
}

}  // namespace

std::string BedCp1250UpperCase(std::string text) { return Mapped(std::move(text), kBedCp1250Upper); }
std::string BedCp1250LowerCase(std::string text) { return Mapped(std::move(text), kBedCp1250Lower); }

std::string BedAsciiUpperCase(std::string text) {
    for (char& c : text) c = BedAsciiUpper(c);
    return text;
}

bool BedAsciiSameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return BedAsciiUpper(x) == BedAsciiUpper(y); });
}
