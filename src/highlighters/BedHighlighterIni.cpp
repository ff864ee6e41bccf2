#include "BedHighlighterIni.h"

namespace {

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");
constexpr TBedCharFlags kKeyEnd = BedCharFlags(std::string_view("\0\n\r=", 4));

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic, 0x008000}, {"TextAttri", "Text"},
    {"SectionAttri", "Section", fsBold}, {"KeyAttri", "Key"}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space"}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"}};

}  // namespace

constinit const TBedLanguage kBedIniLanguage = {
    .className = "TIniHighlighter", .create = &BedCreate<TIniHighlighter>,
    .languageName = "INI files", .attributes = kAttributes,
    .defaultFilter = "INI Files (*.ini)|*.ini",
    .mainWindow = {"hl_ini", "INI1", "INI", ".INI", kBedNumberBlueStringRedItalic}};

TIniHighlighter::TIniHighlighter(void*) : TBedScannerHighlighter(kBedIniLanguage, tkNull) {
    BindAttributes({{&CommentAttri, "CommentAttri"}, {&TextAttri, "TextAttri"},
                    {&SectionAttri, "SectionAttri"}, {&KeyAttri, "KeyAttri"},
                    {&NumberAttri, "NumberAttri"}, {&SpaceAttri, "SpaceAttri"},
                    {&StringAttri, "StringAttri"}, {&SymbolAttri, "SymbolAttri"}});
    SetKindAttributes({CommentAttri, TextAttri, SectionAttri, KeyAttri, nullptr, NumberAttri,
                       SpaceAttri, StringAttri, SymbolAttri});
    HookAttributeChanges();

    FillProcs(&TIniHighlighter::TextProc);
    SetBlankProcs(tkSpace);
    SetProcs("\"'", &TIniHighlighter::StringProc);
    SetProcs("0-9", &TIniHighlighter::NumberProc);
    SetProc(';', &TIniHighlighter::CommentProc);
    SetProc('=', &TIniHighlighter::EqualProc);
    SetProc('[', &TIniHighlighter::SectionProc);
}

TBedHighlighterAttributes* TIniHighlighter::StandardAttribute(int kind) const {
    switch (kind) {
    case 0: return CommentAttri;
    case 2: return KeyAttri;
    case 3: return StringAttri;
    case 4: return SpaceAttri;
    default: return nullptr;
    }
}

void TIniHighlighter::NextToken() {
    Start();
    Dispatch();
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
    while (!kKeyEnd[Ch()])
        ++run_;
    kind_ = tkKey;
}
