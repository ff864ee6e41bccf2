#include "BedHighlighterCpp.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"AsmAttri", "Assembler"}, {"CommentAttri", "Comment", fsItalic},
    {"IdentifierAttri", "Identifier"}, {"InvalidAttri", "Illegal char"},
    {"KeyAttri", "Reserved word", fsBold}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space", 0, clWindow}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"},
    {"DirecAttri", "Preprocessor"}};

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "AsmAttri", .foreground = clGray},
    {.property = "DirecAttri", .foreground = clGreen},
    {.property = "NumberAttri", .foreground = clBlue},
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

constinit const TBedLanguage kBedCppLanguage = {
    .className = "TCppHighlighter", .create = nullptr,
    .languageName = "C++", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "C++ files (*.cpp,*.h,*.hpp)|*.cpp;*.h;*.hpp",
    .mainWindow = {"hl_C", "CC1", "C/C++", ".C .CPP .CC .H .HPP", kMainWindowColours}};
