#include "BedHighlighterDfm.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Key", fsBold}, {"NumberAttri", "Number"}, {"SpaceAttri", "Space"},
    {"StringAttri", "String"}, {"", "Symbol"}};  // registered but not published

constinit const TBedLanguage kBedDfmLanguage = {
    .className = "TDfmHighlighter", .create = nullptr,
    .languageName = "Delphi/C++ Builder Form Definitions", .attributes = kAttributes,
    .initialRange = 2, .defaultFilter = "Delphi/C++ Builder Form Files (*.dfm)|*.dfm",
    .mainWindow = {"hl_dfm", "DFM1", "DFM", ".DFM", kBedNumberBlueStringRedItalic, nullptr, false}};
