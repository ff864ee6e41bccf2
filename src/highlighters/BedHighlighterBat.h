#pragma once
// MS-DOS batch files: "rem" and "::" comments, "%" parameters and fourteen keywords found by the
// sum of their letter values (case ignored). No range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedBatLanguage;

std::span<const TBedKeywordList> BedBatKeywords();

class TBatHighlighter : public TBedScannerHighlighter<TBatHighlighter> {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkUnknown, tkVariable
    };

    explicit TBatHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TBatHighlighter"; }

    TBedHighlighterAttributes* CommentAttri;
    TBedHighlighterAttributes* IdentifierAttri;
    TBedHighlighterAttributes* KeyAttri;
    TBedHighlighterAttributes* NumberAttri;
    TBedHighlighterAttributes* SpaceAttri;
    TBedHighlighterAttributes* VariableAttri;

    void NextToken() override;

private:
    void VariableProc();
    void NumberProc();
    void ColonProc();
    void REMProc();
    void IdentProc();
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};
