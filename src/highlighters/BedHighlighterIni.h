#pragma once
// INI files; no keywords.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedIniLanguage;
