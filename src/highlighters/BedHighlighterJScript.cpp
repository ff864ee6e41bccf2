#include "BedHighlighterJScript.h"

constinit const TBedLanguage kBedJScriptLanguage = {
    .className = "TJScriptHighlighter", .create = nullptr,
    .languageName = "Javascript", .attributes = kBedStandardAttributes, .initialRange = 0,
    .defaultFilter = "Javascript files (*.js)|*.js",
    .mainWindow = {"hl_js", "JavaScript1", "JavaScript", ".JS", kBedNumberBlueStringRedItalic}};
