#pragma once
// The text as one string, its lines joined by a line feed, and offsets into it: what a screen
// reader asks of a text field. A CP 1250 byte is one character there. Qt-free.
#include "BedEditTypes.h"

#include <cstdint>
#include <optional>
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

// What a screen reader was last told: the caret, the selection and the caret's line.
struct TBedCaretLineState {
    int64_t caret = -1;  // -1: nothing told yet
    int64_t selFrom = 0, selTo = 0;
    int line = 0;
    int lineCount = 0;
    int64_t lineStart = 0;
    std::string text;
};
TBedCaretLineState BedCaretLineState(const TBedEditStringList& lines, TBedPoint caret, bool hasSelection,
                                     TBedPoint selFrom, TBedPoint selTo);

// A change of the text to tell: at offset, `removed` gave way to `inserted` (CP 1250).
struct TBedTextChangeNotice {
    int64_t offset = 0;
    std::string removed;
    std::string inserted;
    friend bool operator==(const TBedTextChangeNotice&, const TBedTextChangeNotice&) = default;
};
// Within the caret's line, only the characters between the parts that stayed; when lines came
// or went, the caret's line anew. None when the text is as it was (or nothing was told yet).
std::optional<TBedTextChangeNotice> BedTextChangeBetween(const TBedCaretLineState& was, const TBedCaretLineState& now);
