#pragma once
// INI files: sections, keys and comments are told by the first character of the line; values
// are cut into strings, numbers and one-character text tokens. No keywords, no range state.
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedIniLanguage;

class TIniHighlighter : public TBedScannerHighlighter<TIniHighlighter> {
public:
    enum TokenKinds {
        tkComment, tkText, tkSection, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol
    };

    explicit TIniHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TIniHighlighter"; }

    TBedHighlighterAttributes* CommentAttri;
    TBedHighlighterAttributes* TextAttri;
    TBedHighlighterAttributes* SectionAttri;
    TBedHighlighterAttributes* KeyAttri;
    TBedHighlighterAttributes* NumberAttri;
    TBedHighlighterAttributes* SpaceAttri;
    TBedHighlighterAttributes* StringAttri;
    TBedHighlighterAttributes* SymbolAttri;

    // The text of the value has no identifier: kind 1 answers nothing.
    TBedHighlighterAttributes* StandardAttribute(int kind) const override;
    void NextToken() override;

private:
    bool AtLineStart() const { return run_ == 0; }
    void StringProc();
    void NumberProc();
    void CommentProc();
    void SectionProc();
    void EqualProc() { Token(tkSymbol, 1); }
    void TextProc();
    void KeyProc();
};
