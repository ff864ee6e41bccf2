#include "BedHighlighterTclTk.h"

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Reserved word", fsBold}, {"SecondKeyAttri", "Second reserved word", fsBold},
    {"NumberAttri", "Number"}, {"SpaceAttri", "Space"}, {"StringAttri", "String"},
    {"SymbolAttri", "Symbol"}};

// The main window's instance also has its own 147 KeyWords, which its configure function
// sets once the class is built.
constinit const TBedLanguage kBedTclTkLanguage = {
    .className = "TTclTkHighlighter", .create = nullptr,
    .languageName = "Tcl/Tk", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "Tcl/Tk files (*.tcl)|*.tcl", .wordCharacters = "",
    .mainWindow = {"hl_tcl", "TCL1", "TCL", ".TCL", kBedNumberBlueStringRedItalic}};
