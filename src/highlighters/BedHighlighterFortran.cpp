#include "BedHighlighterFortran.h"

constinit const TBedLanguage kBedFortranLanguage = {
    .className = "TFortranHighlighter", .create = nullptr,
    .languageName = "Fortran", .attributes = kBedStandardAttributes,
    .defaultFilter = "Fortran Files (*.for)|*.for",
    .mainWindow = {"hl_for", "Fortran1", "Fortran", ".F .FOR", kBedNumberBlueStringRedItalic}};
