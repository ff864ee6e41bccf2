#include "BedHighlighterFortran.h"

namespace {

// The largest sum of a reserved word is 145.
constexpr int kKeywordSlots = 146;

// The misspelt "stucture" is kept beside "structure": a reserved word either way.
constexpr const char* kKeywords[] = {
    "if", "do", "end", "data", "call", "case", "read", "map", "real", "endif", "else", "enddo",
    "then", "save", "cycle", "open", "elseif", "while", "exit", "logical", "value", "record",
    "select", "type", "include", "allocate", "default", "stop", "union", "common", "format",
    "write", "character", "print", "integer", "deallocate", "interface", "entry",
    "allocatable", "program", "return", "parameter", "external", "continue", "function",
    "dimension", "equivalence", "stucture", "subroutine", "structure"};

}  // namespace

constinit const TBedLanguage kBedFortranLanguage = {
    .className = "TFortranHighlighter", .create = &BedCreate<TFortranHighlighter>,
    .languageName = "Fortran", .attributes = kBedStandardAttributes,
    .defaultFilter = "Fortran Files (*.for)|*.for",
    .mainWindow = {"hl_for", "Fortran1", "Fortran", ".F .FOR", kBedNumberBlueStringRedItalic}};

std::span<const char* const> TFortranHighlighter::Keywords() { return kKeywords; }

TFortranHighlighter::TFortranHighlighter(void*)
    : TVBScriptHighlighter(kBedFortranLanguage, kKeywords, kKeywordSlots, tkUnknown) {
    SetProc('!', &TFortranHighlighter::CommentProc);
    SetProc('C', &TFortranHighlighter::ColumnOneProc);
    SetProc('\'', &TFortranHighlighter::ApostropheStringProc);
    SetProcs("0-9", &TFortranHighlighter::RangeNumberProc);
    SetProc('.', &TFortranHighlighter::DotProc);
    SetDialectOperators();
    SetProc('%', &TFortranHighlighter::SymbolProc);
    SetProcs("#&:^{}", &TFortranHighlighter::UnknownProc);
}

// Fixed form: a capital "C" in the first column makes the line a comment; a small "c" or a
// "*" there does not.
void TFortranHighlighter::ColumnOneProc() {
    if (run_ == 0)
        CommentProc();
    else
        IdentProc();
}
