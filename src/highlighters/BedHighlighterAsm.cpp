#include "BedHighlighterAsm.h"

constinit const TBedLanguage kBedAsmLanguage = {
    .className = "TAsmHighlighter", .create = nullptr,
    .languageName = "x86 Assembly Language", .attributes = kBedStandardAttributes,
    .defaultFilter = "x86 Assembly Files (*.asm)|*.ASM",
    .mainWindow = {"hl_asm", "asm1", "Assembler x86", ".ASM .ASI", kBedNumberBlueStringRedItalic}};
