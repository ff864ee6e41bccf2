#pragma once
// The help texts: plain text files shown by a second copy of the editor in help mode, read-only
// and without the tool panel. Qt-free.
#include <array>
#include <string>
#include <string_view>
#include <vector>

struct THelpText {
    const char* file;              // "HELP.TXT"
    int width;                     // of its window, in pixels
    const char* applicationTitle;  // task-bar title of the help window
    const char* caption;           // window caption of the help window
};

// In the order in which help mode recognises them.
extern const std::array<THelpText, 4> kHelpTexts;

constexpr int kHelpWindowHeight = 500;

// The entry of a file name ("BED_FAQ.TXT"); null when it is none of them.
const THelpText* FindHelpText(std::string_view file);

// The arguments of the editor that shows the help file: the file, then "^=1 S=… V=500 C=R", so
// the window enters help mode, takes its size and turns read-only on.
std::vector<std::string> HelpWindowArguments(const std::string& helpFile, const THelpText& help);
