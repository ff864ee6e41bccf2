#include "BedHighlighterFoxpro.h"

constinit const TBedLanguage kBedFoxproLanguage = {
    .className = "TFoxproHighlighter", .create = nullptr,
    .languageName = "Foxpro", .attributes = kBedPlainStandardAttributes,
    .defaultFilter = "Foxpro Files (*.prg)|*.prg",
    .mainWindow = {"hl_fox", "FoxPro1", "FoxPro", ".PRG", kBedNumberBlueStringRedItalic}};
