#pragma once
// Upper-casing of CP 1250 text: a-z and the accented lower-case letters of the code page
// become their capitals; everything else stays.
#include <string>

unsigned char BedCp1250Upper(unsigned char c);
std::string BedCp1250UpperCase(std::string text);
