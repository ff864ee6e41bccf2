#include "BedHighlighterPHP.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"InvalidSymbolAttri", "Invalid symbol"}, {"KeyAttri", "Reserved word", fsBold},
    {"NumberAttri", "Number"}, {"SpaceAttri", "Space"}, {"StringAttri", "String"},
    {"SymbolAttri", "Symbol"}, {"VariableAttri", "Variable"}};

constinit const TBedLanguage kBedPHPLanguage = {
    .className = "TPHPHighlighter", .create = nullptr,
    .languageName = "PHP", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "PHP files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc",
    .mainWindow = {"hl_php", "PHP1", "PHP", ".PHP .PHP3 .PHTML", kBedNumberBlueStringRedItalic}};
