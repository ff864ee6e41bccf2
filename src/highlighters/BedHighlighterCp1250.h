#pragma once
// Upper-casing of CP 1250 text: a-z and the accented lower-case letters of the code page
// become their capitals; everything else stays. And the plain rule that changes only a-z, used
// for names and file-name comparisons.
#include <array>
#include <string>

extern const std::array<unsigned char, 256> kBedCp1250Upper;

inline unsigned char BedCp1250Upper(unsigned char c) { return kBedCp1250Upper[c]; }
std::string BedCp1250UpperCase(std::string text);

std::string BedAsciiUpperCase(std::string text);
