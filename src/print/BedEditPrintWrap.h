#pragma once
// Where a line too long for the page is cut into printed rows of at most C characters.
#include "BedEditPrintTypes.h"

#include <string_view>

// Cuts s after the last character of `breaks` within each stretch of C characters; the break
// character stays at the end of its row. False, with positions unchanged, when a stretch of C
// characters holds none of them. A text of at most C characters needs no cut.
bool WrapAtBreakCharacters(std::string_view s, std::string_view breaks, int C, TWrapPositions& positions);

// The rows of a printed line: with atWords, after a blank, comma or hyphen, else after a
// closing parenthesis, full stop or semicolon, else every C characters; without atWords
// every C characters. Empty when the line fits in one row.
TWrapPositions PrintWrapPositions(std::string_view s, int C, bool atWords);
