#pragma once
// Tcl/Tk; keywords in sorted lists.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedTclTkLanguage;
