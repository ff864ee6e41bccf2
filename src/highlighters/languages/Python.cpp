// Python; keywords found by the sum of their letter values, case ignored. Strings end with
// their line: there is no range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Keyword hashes run up to 101 ("Continue").
constexpr int kKeywordSlots = 102;

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9Ee");

class TPythonHighlighter : public TBedScannerHighlighter<TPythonHighlighter> {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown };

    TPythonHighlighter();

private:
    void StringProc();
    void CommentProc();
    void HexProc();
    void NumberProc();
    void IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};

// "and", "or" and "not" are not among them.
constexpr const char* kWords[] = {"Def", "If",     "Del",   "In",      "Len",    "Elif",   "Lambda",  "Break", "Exec",
                                  "For", "Else",   "Range", "Global",  "Raise",  "From",   "Class",   "Pass",  "While",
                                  "Try", "Except", "Print", "Finally", "Import", "Return", "Continue"};
constexpr TBedKeywordList kKeywords[] = {{TPythonHighlighter::tkKey, kWords}};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", 0, 0x808000},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number", 0, 0xFF0000},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String", 0, 0xFF0000},
                                            {"SymbolAttri", "Symbol"}};
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri",    nullptr,      "NumberAttri",
                                  "SpaceAttri",   "StringAttri",     "SymbolAttri", "SymbolAttri"};
static_assert(std::size(kKinds) == TPythonHighlighter::tkUnknown + 1);

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

}  // namespace

constinit const TBedLanguage kBedPythonLanguage = {
    .className = "TPythonHighlighter",
    .create = &BedCreate<TPythonHighlighter>,
    .languageName = "Python",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .defaultFilter = "Python files (*.py)|*.py",
    .mainWindow = {"hl_py", "Python1", "Python", ".PY", kMainWindowColours}};

TPythonHighlighter::TPythonHighlighter()
    : TBedScannerHighlighter(kBedPythonLanguage, tkNull), keywords_(kBedLetterValues, kKeywordSlots, false) {
    keywords_.Add(kKeywords);

    FillProcs<&TPythonHighlighter::SymbolProc>();
    SetBlankProcs(tkSpace);
    SetOperators(tkSymbol, {".)", "..", ".", "<=", "<>", "<", ">=", ">"});
    SetProcs<&TPythonHighlighter::UnknownProc>("!%?\\`|~\x7F-\xFF");
    SetProcs<&TPythonHighlighter::StringProc>("\"'");
    SetProc<&TPythonHighlighter::CommentProc>('#');
    SetProc<&TPythonHighlighter::HexProc>('$');
    SetProcs<&TPythonHighlighter::NumberProc>("0-9");
    SetProcs<&TPythonHighlighter::IdentProc>("A-Z_a-z");
}

// No escapes: a string ends at the next quote of its kind; a tripled opening quote is taken
// whole, but the string still ends with its line.
void TPythonHighlighter::StringProc() {
    SkipString(Ch(), {.tripleOpener = true});
    kind_ = tkString;
}

void TPythonHighlighter::CommentProc() {
    SkipToLineEnd();
    kind_ = tkComment;
}

void TPythonHighlighter::HexProc() {
    ++run_;
    SkipWhile(kBedHexDigits);
    kind_ = tkNumber;
}

void TPythonHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }
