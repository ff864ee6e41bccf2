#pragma once
// SQL in seven dialects; keywords of the dialect in a hashed keyword table.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedSQLLanguage;
