#pragma once
// The counts of the Zobraz menu: lines, characters and words of the document. 64-bit, so that
// no document the line buffer can hold overflows them. Qt-free.
#include <cstdint>
#include <string_view>

class TBedEditStringList;

struct TBedWordCounter {
    int64_t words = 0;
    bool afterSeparator = false;  // carried across line ends
    // Counts one line and its end: a line feed counts 1, a space that does not follow a
    // separator counts 1, and every line end counts 1.
    void AddLine(std::string_view line);
};

int64_t CountLines(const TBedEditStringList& lines);
// Line ends are not counted.
int64_t CountCharacters(const TBedEditStringList& lines);
int64_t CountWords(const TBedEditStringList& lines);
