#pragma once
// form definitions in text form; no keywords.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedDfmLanguage;
