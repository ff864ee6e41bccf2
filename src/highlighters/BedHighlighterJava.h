#pragma once
// Java: keywords found by the sum of their character values, case kept; "/* */" comments
// and "/** */" documentation comments carried as range states.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

extern const TBedLanguage kBedJavaLanguage;
// The words shown as keywords, in the order they are added.
std::span<const char* const> BedJavaKeywords();

class TJavaHighlighter : public TBedScannerHighlighter<TJavaHighlighter>,
                         public TBedStandardAttributeMembers {
public:
    enum TokenKinds {
        tkComment, tkDocument, tkIdentifier, tkInvalidSymbol, tkKey, tkNull,
        tkNumber, tkSpace, tkString, tkSymbol, tkUnknown
    };
    enum RangeStates { rsComment = 1, rsDocument, rsUnknown };

    explicit TJavaHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TJavaHighlighter"; }
    static constexpr bool kResumesMidLine = true;

    TBedHighlighterAttributes* DocumentAttri;
    TBedHighlighterAttributes* InvalidAttri;

    void NextToken() override;

private:
    int CommentKind() const { return range_ == rsDocument ? tkDocument : tkComment; }
    void InvalidSymbolProc() { Token(tkInvalidSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void SlashProc();
    void StringProc();
    void NumberProc();
    void IdentProc();

    TBedSumHashKeywords keywords_;
};
