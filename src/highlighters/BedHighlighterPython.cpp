#include "BedHighlighterPython.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", 0, 0x808000}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Reserved word", fsBold}, {"NumberAttri", "Number", 0, 0xFF0000},
    {"SpaceAttri", "Space"}, {"StringAttri", "String", 0, 0xFF0000}, {"SymbolAttri", "Symbol"}};

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

constinit const TBedLanguage kBedPythonLanguage = {
    .className = "TPythonHighlighter", .create = nullptr,
    .languageName = "Python", .attributes = kAttributes,
    .defaultFilter = "Python files (*.py)|*.py",
    .mainWindow = {"hl_py", "Python1", "Python", ".PY", kMainWindowColours}};
