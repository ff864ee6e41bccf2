#include "BedHighlighterVB.h"

constinit const TBedLanguage kBedVBLanguage = {
    .className = "TVBHighlighter", .create = nullptr,
    .languageName = "Visual Basic", .attributes = kBedStandardAttributes,
    .defaultFilter = "Visual Basic files (*.bas)|*.bas",
    .mainWindow = {"hl_bas", "Basic1", "Basic", ".BAS", kBedNumberBlueStringRedItalic}};
