#pragma once
// FoxPro: the VBScript scanner with FoxPro's reserved words, "&&" comments and "*" comments in
// the first column, strings in double quotes, apostrophes or braces, logical constants and
// operators written with dots (".T.", ".AND."), and C-like comparison operators.
#include "BedHighlighterVBScript.h"

extern const TBedLanguage kBedFoxproLanguage;

class TFoxproHighlighter : public TVBScriptHighlighter {
public:
    explicit TFoxproHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TFoxproHighlighter"; }

    static std::span<const char* const> Keywords();

private:
    void AmpersandProc();
    void StarProc();
    void BraceProc() { String('}'); }
    void DotProc() {
        Token(tkSymbol, std::max(MatchedLength({".T.", ".F.", ".OR.", ".AND.", ".NOT."}), 1));
    }
    void AtProc() { Token(tkKey, 1); }
};
