#include "BedHighlighterHTML.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"ASPAttri", "Asp", 0, 0x000000, 0x00FFFF}, {"CommentAttri", "Comment"},
    {"IdentifierAttri", "Identifier", fsBold}, {"KeyAttri", "Reserved word"},
    {"SpaceAttri", "Space"}, {"SymbolAttri", "Symbol", fsBold}, {"TextAttri", "Text"},
    {"UndefKeyAttri", "Unknown word"}, {"ValueAttri", "Value", 0, 0xFF8000},
    {"AndAttri", "Escape ampersand"}};

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "CommentAttri", .style = fsItalic}};

constinit const TBedLanguage kBedHTMLLanguage = {
    .className = "THTMLHighlighter", .create = nullptr,
    .languageName = "HTML Document", .attributes = kAttributes, .initialRange = 5,
    .defaultFilter = "HTML Document (*.htm,*.html)|*.htm;*.html", .wordCharacters = "0-9A-Za-z",
    .mainWindow = {"hl_html", "HTML1", "HTML", ".HTML .HTM", kMainWindowColours}};
