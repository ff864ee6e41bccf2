#pragma once
// x86 assembler; keywords in a hashed keyword table.
// The scanner is not built yet.
#include "BedHighlighterLanguage.h"

extern const TBedLanguage kBedAsmLanguage;
