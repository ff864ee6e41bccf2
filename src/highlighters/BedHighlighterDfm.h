#pragma once
// Form definitions in text form: "object" and "end" as keywords, strings with "''" inside and
// "#13" character codes, decimal and "$" hexadecimal numbers, and "{ }" blocks of binary data,
// which may span lines, drawn as comments. No other keywords.
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedDfmLanguage;

class TDfmHighlighter : public TBedScannerHighlighter<TDfmHighlighter>,
                        public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown
    };
    enum RangeStates { rsBraceBlock = 1, rsNormal };

    // SymbolAttri is the "Symbol" attribute, which the class registers but does not publish.
    explicit TDfmHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TDfmHighlighter"; }
    static constexpr bool kResumesMidLine = true;

    void NextToken() override;

private:
    void CharCodeProc() { ScanRun(tkString, kBedDigits); }
    void HexNumberProc() { ScanRun(tkNumber, kBedHexDigits); }
    void StringProc() {
        SkipString('\'', {.doubledInside = true});
        kind_ = tkString;
    }
    void NumberProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void IdentProc() { Word({}); }
    void EndProc() { Word("end"); }
    void ObjectProc() { Word("object"); }
    void Word(std::string_view keyword);
    void BraceOpenProc() {
        range_ = rsBraceBlock;
        BraceBlockProc();
    }
    void BraceBlockProc();
    void BraceCloseProc() {
        range_ = rsNormal;
        Token(tkIdentifier, 1);
    }
    void UnknownProc() { Token(tkUnknown, 1); }
};
