#pragma once
// Object Pascal: keywords found by the sum of their letter values (case ignored), "(* *)" and
// "{ }" comments that span lines, assembler blocks and property declarations carried as range
// states.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

class TPasHighlighter : public TBedScannerHighlighter<TPasHighlighter> {
public:
    enum TokenKinds { tkAsm, tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown };
    enum RangeStates { rsAnsi = 1, rsAnsiAsm, rsAsm, rsBor, rsBorAsm, rsProperty, rsUnknown };

    TPasHighlighter();

    TBedHighlighterAttributes* AsmAttri;
    TBedHighlighterAttributes* CommentAttri;
    TBedHighlighterAttributes* IdentifierAttri;
    TBedHighlighterAttributes* KeyAttri;
    TBedHighlighterAttributes* NumberAttri;
    TBedHighlighterAttributes* SpaceAttri;
    TBedHighlighterAttributes* StringAttri;
    TBedHighlighterAttributes* SymbolAttri;

    // Enables "overload", "Reintroduce" and "Implements"; read at the next scan.
    bool D4syntax() const { return d4syntax_; }
    void SetD4syntax(bool value) { d4syntax_ = value; }

    bool IsDefaultFilterSaved() const override;
    TBedHighlighterFeatures FeatureFlags() const override { return hfIdeColourImport | hfRegistryPersistence; }
    int TokenKind() const override;
    void NextToken() override;
    bool ApplyIdeColours(int index) override;
    void ListIdeVersions(std::vector<std::string>& list) override;

private:
    enum KeywordTag { kwPlain, kwPropertyOnly, kwD4, kwImplements, kwAsm, kwEnd, kwProperty };

    void AnsiProc();
    void BorProc();
    void NullProc() { ScanLineEnd(tkNull); }
    void SpaceProc() { ScanSpaces(tkSpace); }
    void LFProc() { ScanLF(tkSpace); }
    void CRProc() { ScanCR(tkSpace); }
    void AddressOpProc() { Token(tkSymbol, Ch(1) == '@' ? 2 : 1); }
    void AsciiCharProc();
    void IntegerProc();
    void StringProc();
    void RoundOpenProc();
    void PointProc() { Token(tkSymbol, Ch(1) == ')' || Ch(1) == '.' ? 2 : 1); }
    void SlashProc();
    void NumberProc();
    void ColonOrGreaterProc() { Token(tkSymbol, Ch(1) == '=' ? 2 : 1); }
    void SemicolonProc();
    void LowerProc() { Token(tkSymbol, Ch(1) == '=' || Ch(1) == '>' ? 2 : 1); }
    void IdentProc();
    void BraceOpenProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    int IdentKind();

    TBedSumHashKeywords keywords_;
    bool d4syntax_ = true;
    bool asmStart_ = false;  // the current token is the keyword that opened an asm block
};
