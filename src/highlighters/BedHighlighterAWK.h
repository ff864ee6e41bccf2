#pragma once
// AWK scripts: reserved words, internal functions and system values from one sorted list,
// matched in the exact letter case of the list; "next file" as one reserved word; "#"
// comments; strings closed only by a double quote that no backslash escapes.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <array>
#include <cstdint>

extern const TBedLanguage kBedAWKLanguage;

class TAWKHighlighter : public TBedScannerHighlighter<TAWKHighlighter>,
                        public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkInterFunc, tkKey, tkNull, tkNumber, tkSpace, tkString,
        tkSymbol, tkSysVar,
        tkNext  // only in the word list: "next", which may take a following "file"
    };

    explicit TAWKHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TAWKHighlighter"; }

    TBedHighlighterAttributes* InterFuncAttri;
    TBedHighlighterAttributes* SysVarAttri;

    // Comment, reserved word and space only: no identifier or string attribute is standard.
    TBedHighlighterAttributes* StandardAttribute(int kind) const override;

    // The words with their kinds.
    const TBedSortedKeywords& Words() const { return words_; }

private:
    void CommentProc() { ScanRestOfLine(tkComment); }
    void StringProc();
    void DollarProc();
    void NumberProc() { ScanRun(tkNumber, kBedDigits); }
    void WordProc();
    void IdentProc() { Token(tkIdentifier, 1); }
    // "?:", "||" and "&&" are symbols; the first character alone is not.
    void PairProc(unsigned char second) {
        if (Ch(1) == second)
            Token(tkSymbol, 2);
        else
            Token(tkIdentifier, 1);
    }
    void QuestionProc() { PairProc(':'); }
    void DoubledProc() { PairProc(Ch()); }
    void SymbolProc() { Token(tkSymbol, 1); }

    TBedSortedKeywords words_;
    // Bit n of the entry of a character: some word of n letters starts with it. Most
    // identifiers fail this test and need no search.
    std::array<uint32_t, 256> lengthsByFirst_{};
};
