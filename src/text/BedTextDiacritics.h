#pragma once
// The thirty letters of the Czech alphabet that carry diacritics in CP 1250, each with the plain
// ASCII letter that stands for it when the marks are taken away. Letters of other languages
// (ä, ô, ľ, ĺ, ŕ, ö, ü, ...) are not Czech and keep their marks.
#include "BedTextLetters.h"

#include <array>
#include <cstdint>
#include <utility>

// {letter, plain letter}
inline constexpr std::array<std::pair<uint8_t, char>, 30> kBedCzechDiacritics = {{
    {0x8A, 'S'}, {0x9A, 's'},  // Š š
    {0x8D, 'T'}, {0x9D, 't'},  // Ť ť
    {0x8E, 'Z'}, {0x9E, 'z'},  // Ž ž
    {0xC1, 'A'}, {0xE1, 'a'},  // Á á
    {0xC8, 'C'}, {0xE8, 'c'},  // Č č
    {0xC9, 'E'}, {0xE9, 'e'},  // É é
    {0xCC, 'E'}, {0xEC, 'e'},  // Ě ě
    {0xCD, 'I'}, {0xED, 'i'},  // Í í
    {0xCF, 'D'}, {0xEF, 'd'},  // Ď ď
    {0xD2, 'N'}, {0xF2, 'n'},  // Ň ň
    {0xD3, 'O'}, {0xF3, 'o'},  // Ó ó
    {0xD8, 'R'}, {0xF8, 'r'},  // Ř ř
    {0xD9, 'U'}, {0xF9, 'u'},  // Ů ů
    {0xDA, 'U'}, {0xFA, 'u'},  // Ú ú
    {0xDD, 'Y'}, {0xFD, 'y'},  // Ý ý
}};

namespace bedtext {

constexpr TByteTable WithoutDiacritics() {
    TByteTable t = Identity();
    for (auto [letter, plain] : kBedCzechDiacritics) t[letter] = uint8_t(plain);
    return t;
}

}  // namespace bedtext

// Every byte mapped: the Czech letters with marks to their plain letters, the rest to itself.
inline constexpr bedtext::TByteTable kBedCp1250WithoutDiacritics = bedtext::WithoutDiacritics();
