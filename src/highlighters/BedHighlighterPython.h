#pragma once
// Python; keywords found by the sum of their letter values, case ignored. Strings end with
// their line: there is no range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedPythonLanguage;

std::span<const TBedKeywordList> BedPythonKeywords();

class TPythonHighlighter : public TBedScannerHighlighter<TPythonHighlighter>,
                           public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol,
        tkUnknown
    };

    explicit TPythonHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TPythonHighlighter"; }


    void NextToken() override;

private:
    void StringProc();
    void CommentProc();
    void HexProc();
    void NumberProc();
    void IdentProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};
