#include "BedHighlighterFoxpro.h"

namespace {

// The largest sum of a reserved word is 160 ("_msysmenu").
constexpr int kKeywordSlots = 161;

}  // namespace

constinit const TBedLanguage kBedFoxproLanguage = {
    .className = "TFoxproHighlighter", .create = &BedCreate<TFoxproHighlighter>,
    .languageName = "Foxpro", .attributes = kBedPlainStandardAttributes,
    .defaultFilter = "Foxpro Files (*.prg)|*.prg",
    .mainWindow = {"hl_fox", "FoxPro1", "FoxPro", ".PRG", kBedNumberBlueStringRedItalic}};

TFoxproHighlighter::TFoxproHighlighter(void*)
    : TVBScriptHighlighter(kBedFoxproLanguage, Keywords(), kKeywordSlots, tkUnknown) {
    SetProc('&', &TFoxproHighlighter::AmpersandProc);
    SetProc('*', &TFoxproHighlighter::StarProc);
    SetProc('\'', &TFoxproHighlighter::ApostropheStringProc);
    SetProc('{', &TFoxproHighlighter::BraceProc);
    SetProcs("0-9", &TFoxproHighlighter::RangeNumberProc);
    SetProc('.', &TFoxproHighlighter::DotProc);
    SetDialectOperators();
    SetProc('@', &TFoxproHighlighter::AtProc);
    SetProcs("!%?[]|~", &TFoxproHighlighter::SymbolProc);
    SetProcs("#}", &TFoxproHighlighter::UnknownProc);
}

void TFoxproHighlighter::AmpersandProc() {
    if (Ch(1) == '&')
        CommentProc();
    else
        SymbolProc();
}

// Only in the first column does a "*" open a comment; elsewhere it multiplies.
void TFoxproHighlighter::StarProc() {
    if (run_ == 0)
        CommentProc();
    else
        SymbolProc();
}
