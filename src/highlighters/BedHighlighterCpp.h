#pragma once
// C and C++: keywords found by the sum of their character values, case kept; "/* */"
// comments and preprocessor lines continued by a backslash carried as range states.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

extern const TBedLanguage kBedCppLanguage;
// The words shown as keywords, in the order they are added.
std::span<const char* const> BedCppKeywords();

class TCppHighlighter : public TBedScannerHighlighter<TCppHighlighter>,
                        public TBedStandardAttributeMembers {
public:
    // No token is of the assembler kind: statements after "asm" are scanned as C++.
    enum TokenKinds {
        tkAsm, tkComment, tkDirective, tkIdentifier, tkKey, tkNull,
        tkNumber, tkSpace, tkString, tkSymbol, tkUnknown
    };
    enum RangeStates { rsUnknown = 0, rsAnsiC = 1, rsDirective = 6, rsDirectiveComment = 7 };

    explicit TCppHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TCppHighlighter"; }

    TBedHighlighterAttributes* AsmAttri;
    TBedHighlighterAttributes* DirecAttri;
    TBedHighlighterAttributes* InvalidAttri;

    TBedHighlighterFeatures FeatureFlags() const override {
        return hfIdeColourImport | hfRegistryPersistence;
    }
    void NextToken() override;
    bool ApplyIdeColours(int index) override;
    void ListIdeVersions(std::vector<std::string>& list) override;

private:
    // The range after a comment: back in the preprocessor line it interrupted, or none.
    TBedRange AfterComment() const {
        return range_ == rsDirectiveComment ? rsDirective : rsUnknown;
    }
    void OpenComment(TBedRange range);
    void DirectiveProc();
    // CR and LF are one token each, even as CR LF.
    void LineBreakProc() { Token(tkSpace, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void DirectiveStartProc();
    void SlashProc() { ScanSlash(tkComment, rsAnsiC, rsUnknown); }
    void StringProc();
    void NumberProc();
    void IdentProc();

    TBedSumHashKeywords keywords_;
};
