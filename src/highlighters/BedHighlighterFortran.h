#pragma once
// Fortran: the VBScript scanner with Fortran's reserved words, "!" comments and whole-line
// comments opened by a "C" in the first column, strings in either quote, operators and
// constants written with dots (".EQ.", ".TRUE.") and C-like comparison operators.
#include "BedHighlighterVBScript.h"

extern const TBedLanguage kBedFortranLanguage;

class TFortranHighlighter : public TVBScriptHighlighter {
public:
    explicit TFortranHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TFortranHighlighter"; }

    static std::span<const char* const> Keywords();

private:
    void ColumnOneProc();
    void DotProc() {
        Token(tkSymbol, std::max(MatchedLength({".GE.", ".GT.", ".LT.", ".LE.", ".NE.", ".EQ.",
                                                ".OR.", ".AND.", ".NOT.", ".TRUE.", ".FALSE."}),
                                 1));
    }
};
