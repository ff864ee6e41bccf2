#include "VBScript.h"

#include "BedHighlighterList.h"

namespace {

// The largest sum of a reserved word is 133.
constexpr int kKeywordSlots = 134;

constexpr const char* kWords[] = {
    "If",   "Each",   "Do",     "And",   "End",   "Dim",    "Case",    "Call",     "Is",       "On",        "Mod",
    "Get",  "Or",     "Rem",    "Let",   "Imp",   "For",    "Else",    "Sub",      "Eqv",      "Set",       "Wend",
    "Then", "Erase",  "ReDim",  "Not",   "Class", "Byref",  "Xor",     "While",    "Loop",     "Exit",      "Byval",
    "Next", "Public", "Select", "Const", "Error", "Option", "Private", "Explicit", "Function", "Randomize", "property"};
constexpr TBedKeywordList kKeywords[] = {{TVBScriptHighlighter::tkKey, kWords}};

}  // namespace

constinit const TBedLanguage kBedVBScriptLanguage = {
    .className = "TVBScriptHighlighter",
    .create = &BedCreate<TVBScriptHighlighter>,
    .languageName = "MS VBScript",
    .attributes = kBedStandardAttributes,
    .kinds = kBedVBScriptKinds,
    .keywords = kKeywords,
    .defaultFilter = "VBScript files (*.vbs)|*.vbs",
    .mainWindow = {"hl_VBS", "VBS1", "VBScript", ".VBS", kBedNumberBlueStringRedItalic}};

TVBScriptHighlighter::TVBScriptHighlighter()
    : TVBScriptHighlighter(kBedVBScriptLanguage, kKeywordSlots, tkIdentifier) {}

TVBScriptHighlighter::TVBScriptHighlighter(const TBedLanguage& language, int slots, int unknownKind)
    : TBedScannerHighlighter(language, tkNull), keywords_(kBedLetterValues, slots, false), unknownKind_(unknownKind) {
    keywords_.Add(language.keywords);

    FillProcs<&TVBScriptHighlighter::UnknownProc>();
    SetBlankProcs(tkSpace);
    SetProc<&TVBScriptHighlighter::CommentProc>('\'');
    SetProc<&TVBScriptHighlighter::StringProc>('"');
    SetProc<&TVBScriptHighlighter::DateProc>('#');
    SetProcs<&TVBScriptHighlighter::NumberProc>("0-9");
    SetProcs<&TVBScriptHighlighter::IdentProc>("A-Z_a-z");
    SetProcs<&TVBScriptHighlighter::SymbolProc>("&(-/:;=^{}");
    SetOperators(tkSymbol, {"<=", "<>", "<", ">=", ">"});
}

void TVBScriptHighlighter::IdentProc() {
    const int start = run_;
    const int hash = SkipSumming(kBedWordChars, kBedLetterValues, keywords_.Slots());
    kind_ = keywords_.Find(hash, p_ + start, run_ - start) < 0 ? tkIdentifier : tkKey;
}
