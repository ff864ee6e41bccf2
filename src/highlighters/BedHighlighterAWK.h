#pragma once
// AWK scripts; keywords in a sorted list.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedAWKLanguage;
