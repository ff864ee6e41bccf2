#pragma once
// VBScript: keywords found by the sum of their character values (case ignored), "'" comments,
// double-quoted strings without escapes and "#" date literals drawn as strings. Visual Basic,
// FoxPro and Fortran are dialects built on this scanner: they bring their own facts, reserved
// words and keyword table size, and FoxPro and Fortran scanners for some characters.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

extern const TBedLanguage kBedVBScriptLanguage;

class TVBScriptHighlighter : public TBedScannerHighlighter<TVBScriptHighlighter>,
                             public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol,
        tkUnknown  // the dialects' characters without a scanner of their own
    };

    explicit TVBScriptHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TVBScriptHighlighter"; }

    // The reserved words, in the order the keyword table is filled.
    static std::span<const char* const> Keywords();

protected:
    // A dialect: its facts, its reserved words, how many sums the keyword table holds, and
    // the kind of a character that has no scanner of its own.
    TVBScriptHighlighter(const TBedLanguage& language, std::span<const char* const> keywords,
                         int slots, int unknownKind);

    void StringProc() { String('"', {.tripleOpener = true}); }
    void IdentProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(unknownKind_, 1); }
    // To the end of the line.
    void CommentProc() { ScanRestOfLine(tkComment); }

    // A string from the opening delimiter at the position.
    void String(unsigned char delim, TBedStringRules rules = {}) {
        SkipString(delim, rules);
        kind_ = tkString;
    }

    // What FoxPro and Fortran share: apostrophe strings, numbers in which a range "1..5"
    // ends the first number, and comparisons with shifts "<<=" and "==".
    void ApostropheStringProc() { String('\''); }
    void RangeNumberProc() { ScanNumber(tkNumber, kRangeNumberChars); }
    void SetDialectOperators() {
        SetOperators(tkSymbol, {"<<=", "<<", "<=", "<", ">>=", ">>", ">=", ">", "==", "="});
    }

private:
    void DateProc() { String('#'); }
    void NumberProc() { ScanRun(tkNumber, kNumberChars); }

    static constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");
    static constexpr TBedCharFlags kRangeNumberChars = BedCharFlags(".0-9EFXefx");

    TBedSumHashKeywords keywords_;
    int unknownKind_;
};
