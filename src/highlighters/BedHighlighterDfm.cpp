#include "BedHighlighterDfm.h"

namespace {

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Key", fsBold}, {"NumberAttri", "Number"}, {"SpaceAttri", "Space"},
    {"StringAttri", "String"}, {"", "Symbol"}};  // registered but not published

constexpr TBedCharFlags kNumberChars = BedCharFlags("0-9Ee");

}  // namespace

constinit const TBedLanguage kBedDfmLanguage = {
    .className = "TDfmHighlighter", .create = &BedCreate<TDfmHighlighter>,
    .languageName = "Delphi/C++ Builder Form Definitions", .attributes = kAttributes,
    .initialRange = TDfmHighlighter::rsNormal,
    .defaultFilter = "Delphi/C++ Builder Form Files (*.dfm)|*.dfm",
    .mainWindow = {"hl_dfm", "DFM1", "DFM", ".DFM", kBedNumberBlueStringRedItalic, nullptr, false}};

TDfmHighlighter::TDfmHighlighter(void*) : TBedScannerHighlighter(kBedDfmLanguage, tkNull) {
    BindAttributes({{&CommentAttri, "CommentAttri"}, {&IdentifierAttri, "IdentifierAttri"},
                    {&KeyAttri, "KeyAttri"}, {&NumberAttri, "NumberAttri"},
                    {&SpaceAttri, "SpaceAttri"}, {&StringAttri, "StringAttri"},
                    {&SymbolAttri, ""}});
    SetKindAttributes({CommentAttri, IdentifierAttri, KeyAttri, nullptr, NumberAttri, SpaceAttri,
                       StringAttri, SymbolAttri, IdentifierAttri});
    HookAttributeChanges();

    FillProcs(&TDfmHighlighter::UnknownProc);
    SetBlankProcs(tkSpace);
    SetProc('#', &TDfmHighlighter::CharCodeProc);
    SetProc('$', &TDfmHighlighter::HexNumberProc);
    SetProc('\'', &TDfmHighlighter::StringProc);
    SetProcs("0-9", &TDfmHighlighter::NumberProc);
    SetProcs("(),./<=>[]", &TDfmHighlighter::SymbolProc);
    SetProcs("A-Z_a-z", &TDfmHighlighter::IdentProc);
    SetProcs("Ee", &TDfmHighlighter::EndProc);
    SetProcs("Oo", &TDfmHighlighter::ObjectProc);
    SetProc('{', &TDfmHighlighter::BraceOpenProc);
    SetProc('}', &TDfmHighlighter::BraceCloseProc);
}

void TDfmHighlighter::NextToken() {
    Start();
    if (range_ == rsBraceBlock && Ch() != 0)
        BraceBlockProc();
    else
        Dispatch();
}

// "1.5" is the two numbers "1." and "5"; before ".." the number ends ahead of the dots.
void TDfmHighlighter::NumberProc() {
    ScanRun(tkNumber, kNumberChars);
    if (Ch() == '.' && Ch(1) != '.')
        ++run_;
}

// The run of word characters: the keyword when it is exactly that word in any case.
void TDfmHighlighter::Word(std::string_view keyword) {
    const bool isKeyword = !keyword.empty() && LookingAtIgnoringCase(keyword) &&
                           !kBedWordChars[Ch(static_cast<int>(keyword.size()))];
    SkipWhile(kBedWordChars);
    kind_ = isKeyword ? tkKey : tkIdentifier;
}

// The first character belongs to the block unexamined: the "{" itself, or whatever starts a
// continuation line, a "}" included.
void TDfmHighlighter::BraceBlockProc() {
    ++run_;
    if (SkipPast("}"))
        range_ = rsNormal;
    kind_ = tkComment;
}
