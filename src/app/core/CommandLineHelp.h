#pragma once
// "--help" (or "-h") and "--version": the only parameters taken in their conventional sense.
// Any other parameter keeps its meaning, so a file named "--help" opens as "./--help". Qt-free.
#include <string>
#include <string_view>

// The exit statuses the usage text tells of. Success: every file named was processed and
// written as asked. Failure: an error was shown, or changes were left unsaved where nobody could
// be asked.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;

enum class TInfoRequest { None, Help, Version };

// The first of the conventional words among the parameters (argv[0] is the program).
TInfoRequest FindInfoRequest(int argc, const char* const* argv);

std::string_view UsageText();
std::string VersionText();
