#pragma once
// The text as one string, its lines joined by a line feed, and offsets into it: what a screen
// reader asks of a text field. A CP 1250 byte is one character there. Qt-free.
#include "BedEditTypes.h"

#include <cstdint>
#include <string>

class TBedEditStringList;

// The whole text's length.
int64_t BedTextLength(const TBedEditStringList& lines);
// The offset of a text position; a position past its line's end counts as the end.
int64_t BedOffsetOf(const TBedEditStringList& lines, TBedPoint p);
// The text position of an offset (clamped to the text).
TBedPoint BedPointAt(const TBedEditStringList& lines, int64_t offset);
// The characters [from, to) of the joined text.
std::string BedTextBetween(const TBedEditStringList& lines, int64_t from, int64_t to);
