#pragma once
// Java; keywords found by the sum of their character values, case kept.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedJavaLanguage;
