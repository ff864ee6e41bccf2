#include "BedHighlighterJScript.h"

namespace {

// Keyword hashes run up to 252.
constexpr int kKeywordSlots = 253;

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");

}  // namespace

constinit const TBedLanguage kBedJScriptLanguage = {
    .className = "TJScriptHighlighter", .create = &BedCreate<TJScriptHighlighter>,
    .languageName = "Javascript", .attributes = kBedStandardAttributes, .initialRange = 0,
    .defaultFilter = "Javascript files (*.js)|*.js",
    .mainWindow = {"hl_js", "JavaScript1", "JavaScript", ".JS", kBedNumberBlueStringRedItalic}};

TJScriptHighlighter::TJScriptHighlighter(void*)
    : TBedScannerHighlighter(kBedJScriptLanguage, tkNull),
      keywords_(kBedLetterValues, kKeywordSlots, false) {
    BindAttributes(*this);
    // Characters that are not JavaScript are drawn like strings.
    SetKindAttributes({CommentAttri, IdentifierAttri, KeyAttri, nullptr, NumberAttri,
                       SpaceAttri, StringAttri, SymbolAttri, StringAttri});
    HookAttributeChanges();

    for (const char* word : BedJScriptKeywords())
        keywords_.Add(word, 0);

    FillProcs(&TJScriptHighlighter::OperatorProc);
    SetOperators(tkSymbol, {"%=", "&&", "&=", "*=", "++", "+=", "--", "-=", "->", "...", "/=",
                            "||", "|="});
    SetBlankProcs(tkSpace);
    SetProcs("\"'", &TJScriptHighlighter::StringProc);
    SetProc('#', &TJScriptHighlighter::AsciiCharProc);
    SetProc('$', &TJScriptHighlighter::IntegerProc);
    SetProc('/', &TJScriptHighlighter::SlashProc);
    SetProcs("0-9", &TJScriptHighlighter::NumberProc);
    SetProcs("?@\\^`\x7F-\xFF", &TJScriptHighlighter::UnknownProc);
    SetProcs("A-Z_a-z", &TJScriptHighlighter::IdentProc);
}

void TJScriptHighlighter::NextToken() {
    Start();
    if (range_ == rsAnsiC)
        ContinueBlock(tkComment, "*/", rsUnknown);
    else
        Dispatch();
}

// No escape character: a backslash before the quote does not keep it inside.
void TJScriptHighlighter::StringProc() {
    const char delim[] = {static_cast<char>(Ch()), 0};
    run_ += Ch(1) == delim[0] && Ch(2) == delim[0] ? 3 : 1;
    SkipPast(delim);
    kind_ = tkString;
}

void TJScriptHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TJScriptHighlighter::IdentProc() {
    ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier);
}
