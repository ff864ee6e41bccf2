#pragma once
// VBScript: keywords found by the sum of their character values (case ignored), "'" comments,
// double-quoted strings without escapes and "#" date literals drawn as strings. Visual Basic,
// FoxPro and Fortran are dialects built on this scanner: they bring their own facts (their
// reserved words among them) and keyword table size, and FoxPro and Fortran scanners for some
// characters.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

class TVBScriptHighlighter : public TBedScannerHighlighter<TVBScriptHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown  // the dialects' characters without a scanner of their own
    };

    TVBScriptHighlighter();

protected:
    // A dialect: its facts (its reserved words among them), how many sums the keyword table
    // holds, and the kind of a character that has no scanner of its own.
    TVBScriptHighlighter(const TBedLanguage& language, int slots, int unknownKind);

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
    void SetDialectOperators() { SetOperators(tkSymbol, {"<<=", "<<", "<=", "<", ">>=", ">>", ">=", ">", "==", "="}); }

private:
    void DateProc() { String('#'); }
    void NumberProc() { ScanRun(tkNumber, kNumberChars); }

    static constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");
    static constexpr TBedCharFlags kRangeNumberChars = BedCharFlags(".0-9EFXefx");

    TBedSumHashKeywords keywords_;
    int unknownKind_;
};

// The attribute of each kind, for VBScript and its dialects: the characters without a scanner
// look like identifiers.
inline constexpr const char* kBedVBScriptKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri",
                                                    nullptr,        "NumberAttri",     "SpaceAttri",
                                                    "StringAttri",  "SymbolAttri",     "IdentifierAttri"};
static_assert(std::size(kBedVBScriptKinds) == TVBScriptHighlighter::tkUnknown + 1);
