#include "BedHighlighterSQL.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"DataTypeAttri", "Data type", fsBold},
    {"DefaultPackageAttri", "Default packages", fsBold},
    {"ExceptionAttri", "Exception", fsItalic}, {"FunctionAttri", "Function", fsBold},
    {"IdentifierAttri", "Identifier"}, {"KeyAttri", "Reserved word", fsBold},
    {"NumberAttri", "Number"}, {"PLSQLAttri", "Reserved word (PL/SQL)", fsBold},
    {"SpaceAttri", "Space"}, {"SQLPlusAttri", "SQL*Plus command", fsBold},
    {"StringAttri", "String"}, {"SymbolAttri", "Symbol"}, {"VariableAttri", "Variable"}};

// The main window's instance also works in the dialect sqlSybase, which its configure
// function sets once the class is built.
constinit const TBedLanguage kBedSQLLanguage = {
    .className = "TSQLHighlighter", .create = nullptr,
    .languageName = "SQL", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "SQL files (*.sql)|*.sql",
    .mainWindow = {"hl_sql", "SQL1", "SQL", ".SQL", kBedNumberBlueStringRedItalic}};
