#include "BedHighlighterVBScript.h"

namespace {

// The largest sum of a reserved word is 133.
constexpr int kKeywordSlots = 134;

constexpr const char* kKeywords[] = {
    "If", "Each", "Do", "And", "End", "Dim", "Case", "Call", "Is", "On", "Mod", "Get", "Or",
    "Rem", "Let", "Imp", "For", "Else", "Sub", "Eqv", "Set", "Wend", "Then", "Erase", "ReDim",
    "Not", "Class", "Byref", "Xor", "While", "Loop", "Exit", "Byval", "Next", "Public",
    "Select", "Const", "Error", "Option", "Private", "Explicit", "Function", "Randomize",
    "property"};

}  // namespace

constinit const TBedLanguage kBedVBScriptLanguage = {
    .className = "TVBScriptHighlighter", .create = &BedCreate<TVBScriptHighlighter>,
    .languageName = "MS VBScript", .attributes = kBedStandardAttributes,
    .defaultFilter = "VBScript files (*.vbs)|*.vbs",
    .mainWindow = {"hl_VBS", "VBS1", "VBScript", ".VBS", kBedNumberBlueStringRedItalic}};

std::span<const char* const> TVBScriptHighlighter::Keywords() { return kKeywords; }

TVBScriptHighlighter::TVBScriptHighlighter(void*)
    : TVBScriptHighlighter(kBedVBScriptLanguage, kKeywords, kKeywordSlots, tkIdentifier) {}

TVBScriptHighlighter::TVBScriptHighlighter(const TBedLanguage& language,
                                           std::span<const char* const> keywords, int slots,
                                           int unknownKind)
    : TBedScannerHighlighter(language, tkNull),
      keywords_(kBedLetterValues, slots, false),
      unknownKind_(unknownKind) {
    BindAttributes(*this);
    SetKindAttributes({CommentAttri, IdentifierAttri, KeyAttri, nullptr, NumberAttri, SpaceAttri,
                       StringAttri, SymbolAttri, IdentifierAttri});
    HookAttributeChanges();
    for (const char* word : keywords)
        keywords_.Add(word, tkKey);

    FillProcs(&TVBScriptHighlighter::UnknownProc);
    SetBlankProcs(tkSpace);
    SetProc('\'', &TVBScriptHighlighter::CommentProc);
    SetProc('"', &TVBScriptHighlighter::StringProc);
    SetProc('#', &TVBScriptHighlighter::DateProc);
    SetProcs("0-9", &TVBScriptHighlighter::NumberProc);
    SetProcs("A-Z_a-z", &TVBScriptHighlighter::IdentProc);
    SetProcs("&(-/:;=^{}", &TVBScriptHighlighter::SymbolProc);
    SetOperators(tkSymbol, {"<=", "<>", "<", ">=", ">"});
}

void TVBScriptHighlighter::IdentProc() {
    const int start = run_;
    const int hash = SkipSumming(kBedWordChars, kBedLetterValues, keywords_.Slots());
    kind_ = keywords_.Find(hash, p_ + start, run_ - start) < 0 ? tkIdentifier : tkKey;
}
