// Fortran: the VBScript scanner with Fortran's reserved words, "!" comments and whole-line
// comments opened by a "C" in the first column, strings in either quote, operators and
// constants written with dots (".EQ.", ".TRUE.") and C-like comparison operators.
#include "BedHighlighterList.h"
#include "VBScript.h"

namespace {

// The largest sum of a reserved word is 145.
constexpr int kKeywordSlots = 146;

// The misspelt "stucture" is kept beside "structure": a reserved word either way.
constexpr const char* kWords[] = {
    "if",         "do",        "end",      "data",       "call",      "case",      "read",        "map",
    "real",       "endif",     "else",     "enddo",      "then",      "save",      "cycle",       "open",
    "elseif",     "while",     "exit",     "logical",    "value",     "record",    "select",      "type",
    "include",    "allocate",  "default",  "stop",       "union",     "common",    "format",      "write",
    "character",  "print",     "integer",  "deallocate", "interface", "entry",     "allocatable", "program",
    "return",     "parameter", "external", "continue",   "function",  "dimension", "equivalence", "stucture",
    "subroutine", "structure"};
constexpr TBedKeywordList kKeywords[] = {{TVBScriptHighlighter::tkKey, kWords}};

class TFortranHighlighter : public TVBScriptHighlighter {
public:
    TFortranHighlighter();

private:
    void ColumnOneProc();
    void DotProc() {
        Token(tkSymbol, std::max(MatchedLength({".GE.", ".GT.", ".LT.", ".LE.", ".NE.", ".EQ.", ".OR.", ".AND.",
                                                ".NOT.", ".TRUE.", ".FALSE."}),
                                 1));
    }
};

}  // namespace

constinit const TBedLanguage kBedFortranLanguage = {
    .className = "TFortranHighlighter",
    .create = &BedCreate<TFortranHighlighter>,
    .languageName = "Fortran",
    .attributes = kBedStandardAttributes,
    .kinds = kBedVBScriptKinds,
    .keywords = kKeywords,
    .defaultFilter = "Fortran Files (*.for)|*.for",
    .mainWindow = {"hl_for", "Fortran1", "Fortran", ".F .FOR", kBedNumberBlueStringRedItalic}};

TFortranHighlighter::TFortranHighlighter() : TVBScriptHighlighter(kBedFortranLanguage, kKeywordSlots, tkUnknown) {
    SetProc<&TFortranHighlighter::CommentProc>('!');
    SetProc<&TFortranHighlighter::ColumnOneProc>('C');
    SetProc<&TFortranHighlighter::ApostropheStringProc>('\'');
    SetProcs<&TFortranHighlighter::RangeNumberProc>("0-9");
    SetProc<&TFortranHighlighter::DotProc>('.');
    SetDialectOperators();
    SetProc<&TFortranHighlighter::SymbolProc>('%');
    SetProcs<&TFortranHighlighter::UnknownProc>("#&:^{}");
}

// Fixed form: a capital "C" in the first column makes the line a comment; a small "c" or a
// "*" there does not.
void TFortranHighlighter::ColumnOneProc() {
    if (run_ == 0)
        CommentProc();
    else
        IdentProc();
}
