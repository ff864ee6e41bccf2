#include "BedHighlighterAWK.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", 0, 0xFF0000}, {"IdentifierAttri", "Identifier"},
    {"InterFuncAttri", "Internal function", fsBold, 0x408080},
    {"KeyAttri", "Reserved word", fsBold, 0xFF0080}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space"}, {"StringAttri", "String", 0, 0x808000},
    {"SymbolAttri", "Symbol", fsBold}, {"SysVarAttri", "System value", fsBold, 0x0080FF}};

constinit const TBedLanguage kBedAWKLanguage = {
    .className = "TAWKHighlighter", .create = nullptr,
    .languageName = "AWK Script", .attributes = kAttributes,
    .defaultFilter = "AWK Script (*.awk)|*.awk", .wordCharacters = "0-9A-Za-z",
    .mainWindow = {"hl_awk", "AWK1", "AWK", ".AWK", kBedNumberBlueStringRedItalic}};
