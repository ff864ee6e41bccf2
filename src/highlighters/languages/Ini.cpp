// INI files: sections, keys and comments are told by the first character of the line; values
// are cut into strings, numbers and one-character text tokens. No keywords, no range state.
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");
constexpr TBedCharFlags kKeyEnd = BedCharFlags(std::string_view("\0\n\r=", 4));

class TIniHighlighter : public TBedScannerHighlighter<TIniHighlighter> {
public:
    enum TokenKinds { tkComment, tkText, tkSection, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol };

    TIniHighlighter();

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

// The text of the value has no identifier: the standard identifier is none.
constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic, 0x008000},
                                            {"TextAttri", "Text"},
                                            {"SectionAttri", "Section", fsBold},
                                            {"KeyAttri", "Key"},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"}};
constexpr const char* kKinds[] = {"CommentAttri", "TextAttri",  "SectionAttri", "KeyAttri",   nullptr,
                                  "NumberAttri",  "SpaceAttri", "StringAttri",  "SymbolAttri"};
static_assert(std::size(kKinds) == TIniHighlighter::tkSymbol + 1);

}  // namespace

constinit const TBedLanguage kBedIniLanguage = {
    .className = "TIniHighlighter",
    .create = &BedCreate<TIniHighlighter>,
    .languageName = "INI files",
    .attributes = kAttributes,
    .kinds = kKinds,
    .defaultFilter = "INI Files (*.ini)|*.ini",
    .mainWindow = {"hl_ini", "INI1", "INI", ".INI", kBedNumberBlueStringRedItalic}};

TIniHighlighter::TIniHighlighter() : TBedScannerHighlighter(kBedIniLanguage, tkNull) {
    FillProcs<&TIniHighlighter::TextProc>();
    SetBlankProcs(tkSpace);
    SetProcs<&TIniHighlighter::StringProc>("\"'");
    SetProcs<&TIniHighlighter::NumberProc>("0-9");
    SetProc<&TIniHighlighter::CommentProc>(';');
    SetProc<&TIniHighlighter::EqualProc>('=');
    SetProc<&TIniHighlighter::SectionProc>('[');
}

void TIniHighlighter::StringProc() {
    SkipString(Ch(), {.tripleOpener = true});
    kind_ = tkString;
}

void TIniHighlighter::NumberProc() {
    if (AtLineStart()) {
        KeyProc();
        return;
    }
    ++run_;
    SkipWhile(kNumberChars);
    kind_ = tkNumber;
}

void TIniHighlighter::CommentProc() {
    if (!AtLineStart()) {
        TextProc();
        return;
    }
    SkipToLineEnd();
    kind_ = tkComment;
}

void TIniHighlighter::SectionProc() {
    if (!AtLineStart()) {
        TextProc();
        return;
    }
    SkipPast("]");
    kind_ = tkSection;
}

void TIniHighlighter::TextProc() {
    if (AtLineStart())
        KeyProc();
    else
        Token(tkText, 1);
}

// A key runs from the start of the line to the first "=" or the end of the line.
void TIniHighlighter::KeyProc() {
    ++run_;
    while (!kKeyEnd[Ch()]) ++run_;
    kind_ = tkKey;
}
