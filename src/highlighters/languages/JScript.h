#pragma once
// JavaScript: keywords and the browser's object names found by the sum of their letter
// values, case ignored; "/* */" comments carried as a range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

class TJScriptHighlighter : public TBedScannerHighlighter<TJScriptHighlighter> {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown };
    enum RangeStates { rsUnknown = 0, rsAnsiC = 1 };

    TJScriptHighlighter();
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
