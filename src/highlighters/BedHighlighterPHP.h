#pragma once
// PHP: keywords found by the sum of their letter values, case ignored; strings in either
// quote and "/* */" comments continue over lines as range states. The whole text is PHP.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

extern const TBedLanguage kBedPHPLanguage;
// The words shown as keywords, in the order they are added.
std::span<const char* const> BedPHPKeywords();

class TPHPHighlighter : public TBedScannerHighlighter<TPHPHighlighter>,
                        public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkInvalidSymbol, tkKey, tkNull, tkNumber,
        tkSpace, tkString, tkSymbol, tkUnknown, tkVariable
    };
    enum RangeStates { rsUnknown = 0, rsString39 = 1, rsString34 = 2, rsComment = 3 };

    explicit TPHPHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TPHPHighlighter"; }
    static constexpr bool kResumesMidLine = true;

    TBedHighlighterAttributes* InvalidSymbolAttri;
    TBedHighlighterAttributes* VariableAttri;

    void NextToken() override;

private:
    void StringRestProc();
    void InvalidSymbolProc() { Token(tkInvalidSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void HashCommentProc() { ScanRestOfLine(tkComment); }
    void VariableProc() { ScanRun(tkVariable, kBedWordChars); }
    void SlashProc() { ScanSlash(tkComment, rsComment, rsUnknown); }
    void StringProc();
    void NumberProc();
    void IdentProc();

    TBedSumHashKeywords keywords_;
};
