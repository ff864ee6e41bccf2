#include "BedHighlighterBat.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic, 0x800000}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Key", fsBold}, {"NumberAttri", "Number", 0, 0xFF0000},
    {"SpaceAttri", "Space"}, {"VariableAttri", "Variable", 0, 0x008000}};

constinit const TBedLanguage kBedBatLanguage = {
    .className = "TBatHighlighter", .create = nullptr,
    .languageName = "MS-DOS Batch Language", .attributes = kAttributes,
    .defaultFilter = "MS-DOS Batch Files (*.bat)|*.bat",
    .mainWindow = {"hl_bat", "BAT1", "BAT", ".BAT"}};
