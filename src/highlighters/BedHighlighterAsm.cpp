#include "BedHighlighterAsm.h"

namespace {

// Letters 1-26 in either case, digits 27-36: the hash and the comparison ignore case.
constexpr TBedCharValues kValues = [] {
    TBedCharValues v = kBedLetterValues;
    v['_'] = 0;
    for (int c = '0'; c <= '9'; ++c)
        v[c] = static_cast<uint8_t>(c - '0' + 27);
    return v;
}();

}  // namespace

constinit const TBedLanguage kBedAsmLanguage = {
    .className = "TAsmHighlighter", .create = &BedCreate<TAsmHighlighter>,
    .languageName = "x86 Assembly Language", .attributes = kBedStandardAttributes,
    .defaultFilter = "x86 Assembly Files (*.asm)|*.ASM",
    .mainWindow = {"hl_asm", "asm1", "Assembler x86", ".ASM .ASI", kBedNumberBlueStringRedItalic}};

TAsmHighlighter::TAsmHighlighter(void*)
    : TBedScannerHighlighter(kBedAsmLanguage, tkNull), keywords_(kValues, 7) {
    BindAttributes(*this);
    SetKindAttributes({CommentAttri, IdentifierAttri, KeyAttri, nullptr, NumberAttri, SpaceAttri,
                       StringAttri, SymbolAttri});
    HookAttributeChanges();
    EnumerateKeywords(tkKey, kKeywordText, BedCharSetOf(kBedIdentifierCharacters), &AddKeyword,
                      this);

    FillProcs(&TAsmHighlighter::UnknownProc);
    SetBlankProcs(tkSpace);
    SetProcs(";#", &TAsmHighlighter::CommentProc);
    SetProc('/', &TAsmHighlighter::SlashProc);
    SetProc('"', &TAsmHighlighter::StringProc);
    SetProcs("0-9", &TAsmHighlighter::NumberProc);
    SetOperators(tkSymbol, {"<=", "<>", "<", ">=", ">"});
    SetProcs("&'()*+.:=^{}-", &TAsmHighlighter::SymbolProc);
    SetProcs("A-Z_a-z", &TAsmHighlighter::IdentProc);
}

void TAsmHighlighter::SlashProc() {
    if (Ch(1) == '/')
        CommentProc();
    else
        SymbolProc();
}

void TAsmHighlighter::IdentProc() {
    const int start = run_;
    SkipWhile(kBedWordChars);
    kind_ = keywords_.Find(p_ + start, run_ - start, tkIdentifier);
}
