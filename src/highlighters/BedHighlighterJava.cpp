#include "BedHighlighterJava.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"DocumentAttri", "Documentation", fsItalic},
    {"IdentifierAttri", "Identifier"}, {"InvalidAttri", "Invalid symbol"},
    {"KeyAttri", "Reserved word", fsBold}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space", 0, clWindow}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"}};

constinit const TBedLanguage kBedJavaLanguage = {
    .className = "TJavaHighlighter", .create = nullptr,
    .languageName = "Java", .attributes = kAttributes, .initialRange = 3,
    .defaultFilter = "Java files (*.java)|*.java", .wordCharacters = "$0-9A-Z_a-z",
    .mainWindow = {"hl_java", "Java1", "Java", ".JAVA", kBedNumberBlueStringRedItalic}};
