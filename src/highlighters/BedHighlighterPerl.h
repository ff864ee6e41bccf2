#pragma once
// Perl; keywords, word operators, pragmas and special variables found by the sum of their
// character codes, sigil included, and compared exactly (case matters). Punctuation variables
// such as "$_", operators of up to three characters. No range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedPerlLanguage;

// Keywords, word operators, pragmas and special variables.
std::span<const TBedKeywordList> BedPerlKeywords();

class TPerlHighlighter : public TBedScannerHighlighter<TPerlHighlighter>,
                         public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkOperator, tkPragma, tkSpace,
        tkString, tkSymbol, tkUnknown, tkVariable
    };

    explicit TPerlHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TPerlHighlighter"; }

    TBedHighlighterAttributes* InvalidAttri;
    TBedHighlighterAttributes* OperatorAttri;
    TBedHighlighterAttributes* PragmaAttri;
    TBedHighlighterAttributes* VariableAttri;

    void NextToken() override;

private:
    void CommentProc();
    void DoubleQuoteProc();
    void SingleQuoteProc();
    void IdentProc();
    void PointProc();
    void NumberProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};
