#pragma once
// "--help" (or "-h") and "--version": the only parameters taken in their conventional sense.
// Any other parameter keeps its meaning, so a file named "--help" opens as "./--help". Qt-free.
#include <string>
#include <string_view>

enum class TInfoRequest { None, Help, Version };

// The first of the conventional words among the parameters (argv[0] is the program).
TInfoRequest FindInfoRequest(int argc, const char* const* argv);

std::string_view UsageText();
std::string VersionText();
