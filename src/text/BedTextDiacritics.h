#pragma once
// Every letter of CP 1250 that carries a diacritic (Czech, Slovak, Polish, Hungarian, German,
// Romanian, ...), each with the plain ASCII letter that stands for it when the marks are taken
// away; the stroke of Ł and Đ counts as a mark. ß has none and stays.
#include "BedTextLetters.h"

#include <array>
#include <cstdint>
#include <utility>

// {letter, plain letter}: the capitals; each small letter is its case partner.
inline constexpr std::array<std::pair<uint8_t, char>, 40> kBedCp1250MarkedCapitals = {{
    {0x8A, 'S'}, {0x8C, 'S'}, {0x8D, 'T'}, {0x8E, 'Z'}, {0x8F, 'Z'},  // Š Ś Ť Ž Ź
    {0xA3, 'L'}, {0xA5, 'A'}, {0xAA, 'S'}, {0xAF, 'Z'}, {0xBC, 'L'},  // Ł Ą Ş Ż Ľ
    {0xC0, 'R'}, {0xC1, 'A'}, {0xC2, 'A'}, {0xC3, 'A'}, {0xC4, 'A'},  // Ŕ Á Â Ă Ä
    {0xC5, 'L'}, {0xC6, 'C'}, {0xC7, 'C'}, {0xC8, 'C'}, {0xC9, 'E'},  // Ĺ Ć Ç Č É
    {0xCA, 'E'}, {0xCB, 'E'}, {0xCC, 'E'}, {0xCD, 'I'}, {0xCE, 'I'},  // Ę Ë Ě Í Î
    {0xCF, 'D'}, {0xD0, 'D'}, {0xD1, 'N'}, {0xD2, 'N'}, {0xD3, 'O'},  // Ď Đ Ń Ň Ó
    {0xD4, 'O'}, {0xD5, 'O'}, {0xD6, 'O'}, {0xD8, 'R'}, {0xD9, 'U'},  // Ô Ő Ö Ř Ů
    {0xDA, 'U'}, {0xDB, 'U'}, {0xDC, 'U'}, {0xDD, 'Y'}, {0xDE, 'T'},  // Ú Ű Ü Ý Ţ
}};

namespace bedtext {

constexpr TByteTable WithoutDiacritics() {
    TByteTable t = Identity();
    for (auto [capital, plain] : kBedCp1250MarkedCapitals) {
        t[capital] = uint8_t(plain);
        t[kBedCp1250Lower[capital]] = uint8_t(plain - 'A' + 'a');
    }
    return t;
}

}  // namespace bedtext

// Every byte mapped: the letters with marks to their plain letters, the rest to itself.
inline constexpr bedtext::TByteTable kBedCp1250WithoutDiacritics = bedtext::WithoutDiacritics();
