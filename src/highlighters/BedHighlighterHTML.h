#pragma once
// HTML documents: tag names found by the sum of their letter values, case ignored; comments,
// "<% %>" blocks, unfinished tags and expected values carried as range states; character
// entities found in the text by a list.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>
#include <string_view>

extern const TBedLanguage kBedHTMLLanguage;
// The known tag names, the closing forms and "!DOCTYPE" among them.
std::span<const char* const> BedHTMLTags();
// The character entities in the order they are tried.
std::span<const std::string_view> BedHTMLEntities();

class THTMLHighlighter : public TBedScannerHighlighter<THTMLHighlighter> {
public:
    enum TokenKinds {
        tkAmpersand, tkASP, tkComment, tkIdentifier, tkKey, tkNull,
        tkSpace, tkString, tkSymbol, tkText, tkUndefKey, tkValue
    };
    // rsAmpersand never ends a line: the entity that it announces follows at once.
    enum RangeStates { rsAmpersand = 0, rsASP, rsComment, rsKey, rsParam, rsText, rsValue = 7 };

    explicit THTMLHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "THTMLHighlighter"; }

    TBedHighlighterAttributes* AndAttri;
    TBedHighlighterAttributes* ASPAttri;
    TBedHighlighterAttributes* CommentAttri;
    TBedHighlighterAttributes* IdentifierAttri;
    TBedHighlighterAttributes* KeyAttri;
    TBedHighlighterAttributes* SpaceAttri;
    TBedHighlighterAttributes* SymbolAttri;
    TBedHighlighterAttributes* TextAttri;
    TBedHighlighterAttributes* UndefKeyAttri;
    TBedHighlighterAttributes* ValueAttri;

    void NextToken() override;
    // A pending entity belongs to one position of one line: a new line or state drops it.
    void StartLine(std::string_view text, int lineIndex) override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::StartLine(text, lineIndex);
    }
    void RestoreRange(TBedRange value) override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::RestoreRange(value);
    }
    void ClearRange() override {
        pendingEntity_ = -1;
        TBedScannerHighlighter::ClearRange();
    }

private:
    void BlockProc(int kind, std::string_view before);
    void TextProc();
    void SpaceProc();
    void StringProc();
    void AmpersandProc();
    void BraceOpenProc();
    void EqualProc();
    void BraceCloseProc();
    void WordProc();
    void TagNameProc();
    int EntityAt() const;

    TBedSumHashKeywords keywords_;
    int pendingEntity_ = -1;  // the entity that starts at the position, announced by the text
};
