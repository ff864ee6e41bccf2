#include "BedHighlighterIni.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic, 0x008000}, {"TextAttri", "Text"},
    {"SectionAttri", "Section", fsBold}, {"KeyAttri", "Key"}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space"}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"}};

constinit const TBedLanguage kBedIniLanguage = {
    .className = "TIniHighlighter", .create = nullptr,
    .languageName = "INI files", .attributes = kAttributes,
    .defaultFilter = "INI Files (*.ini)|*.ini",
    .mainWindow = {"hl_ini", "INI1", "INI", ".INI", kBedNumberBlueStringRedItalic}};
