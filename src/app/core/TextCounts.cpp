#include "TextCounts.h"

#include "BedEditStringList.h"

void TBedWordCounter::AddLine(std::string_view line) {
    for (const char c : line) {
        if (c == '\n') {
            ++words;
            afterSeparator = true;
        } else if (c == ' ') {
            if (!afterSeparator) ++words;
            afterSeparator = true;
        } else {
            afterSeparator = false;
        }
    }
    ++words;
}

int64_t CountLines(const TBedEditStringList& lines) { return lines.Count(); }

int64_t CountCharacters(const TBedEditStringList& lines) {
    int64_t n = 0;
    for (int i = 0; i < lines.Count(); ++i) n += int64_t(lines.GetView(i).size());
    return n;
}

int64_t CountWords(const TBedEditStringList& lines) {
    TBedWordCounter counter;
    for (int i = 0; i < lines.Count(); ++i) counter.AddLine(lines.GetView(i));
    return counter.words;
}
