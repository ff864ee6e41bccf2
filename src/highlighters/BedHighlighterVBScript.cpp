#include "BedHighlighterVBScript.h"

constinit const TBedLanguage kBedVBScriptLanguage = {
    .className = "TVBScriptHighlighter", .create = nullptr,
    .languageName = "MS VBScript", .attributes = kBedStandardAttributes,
    .defaultFilter = "VBScript files (*.vbs)|*.vbs",
    .mainWindow = {"hl_VBS", "VBS1", "VBScript", ".VBS", kBedNumberBlueStringRedItalic}};
