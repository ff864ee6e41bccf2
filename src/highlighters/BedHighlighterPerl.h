#pragma once
// Perl; keywords found by the sum of their character codes, case kept.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedPerlLanguage;
