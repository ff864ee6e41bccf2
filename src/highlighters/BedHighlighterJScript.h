#pragma once
// JavaScript: keywords and the browser's object names found by the sum of their letter
// values, case ignored; "/* */" comments carried as a range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

extern const TBedLanguage kBedJScriptLanguage;
// The words shown as keywords, in the order they are added.
std::span<const char* const> BedJScriptKeywords();

class TJScriptHighlighter : public TBedScannerHighlighter<TJScriptHighlighter>,
                            public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown
    };
    enum RangeStates { rsUnknown = 0, rsAnsiC = 1 };

    explicit TJScriptHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TJScriptHighlighter"; }
    static constexpr bool kResumesMidLine = true;


    void NextToken() override;

private:
    void UnknownProc() { Token(tkUnknown, 1); }
    void AsciiCharProc() { ScanRun(tkString, kBedDigits); }
    void IntegerProc() { ScanRun(tkNumber, kBedHexDigits); }
    void SlashProc() { ScanSlash(tkComment, rsAnsiC, rsUnknown); }
    void StringProc();
    void NumberProc();
    void IdentProc();

    TBedSumHashKeywords keywords_;
};
