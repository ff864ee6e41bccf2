#include "BedHighlighterPerl.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"InvalidAttri", "Illegal char"}, {"KeyAttri", "Reserved word", fsBold},
    {"NumberAttri", "Number"}, {"OperatorAttri", "Operator"}, {"PragmaAttri", "Pragma", fsBold},
    {"SpaceAttri", "Space", 0, clWindow}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"},
    {"VariableAttri", "Variable", fsBold}};

constinit const TBedLanguage kBedPerlLanguage = {
    .className = "TPerlHighlighter", .create = nullptr,
    .languageName = "Perl", .attributes = kAttributes,
    .defaultFilter = "Perl files (*.pl,*.pm,*.cgi)|*.pl;*.pm;*.cgi",
    .wordCharacters = "$%0-9@-Z_a-z",
    .mainWindow = {"hl_pl", "Perl1", "Perl", ".PL .PM", kBedNumberBlueStringRedItalic}};
