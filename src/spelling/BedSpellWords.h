#pragma once
// The words of a CP 1250 line that a spelling checker is asked about. Qt-free.
#include "BedEditTypes.h"

#include <optional>
#include <string_view>
#include <vector>

// The words that start within `range` of the line: runs of letters of two or more. Runs that
// are parts of names rather than words are left out: touching a digit, "_", "@", "/" or "\",
// joined to letters by a dot (file and host names), or with a capital after a small letter.
void BedSpellableWords(std::string_view line, TBedTextSpan range, std::vector<TBedTextSpan>& out);

// The run of letters around offset (or just before it, at a word's end); none between words.
std::optional<TBedTextSpan> BedWordAt(std::string_view line, int offset);
