#pragma once
// JavaScript; keywords found by the sum of their letter values, case ignored.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedJScriptLanguage;
