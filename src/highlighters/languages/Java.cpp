// Java: keywords found by the sum of their character values, case kept; "/* */" comments
// and "/** */" documentation comments carried as range states.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Keyword hashes run up to 172 ("synchronized").
constexpr int kKeywordSlots = 173;

constexpr TBedCharFlags kWordChars = BedCharFlags("$0-9A-Z_a-z");
constexpr TBedCharFlags kNumberChars = BedCharFlags("-.0-9A-FLXa-flx");

class TJavaHighlighter : public TBedScannerHighlighter<TJavaHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkDocument,
        tkIdentifier,
        tkInvalidSymbol,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown
    };
    enum RangeStates { rsComment = 1, rsDocument, rsUnknown };

    TJavaHighlighter();
    static constexpr bool kResumesMidLine = true;

    void NextToken() override;

private:
    int CommentKind() const { return range_ == rsDocument ? tkDocument : tkComment; }
    void InvalidSymbolProc() { Token(tkInvalidSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void SlashProc();
    void StringProc();
    void NumberProc() { ScanNumber(tkNumber, kNumberChars); }
    void IdentProc() { ScanWord(kWordChars, keywords_, tkKey, tkIdentifier); }

    TBedSumHashKeywords keywords_;
};

constexpr const char* kWords[] = {
    "if",        "do",         "case",     "char",      "catch",      "for",         "break",    "else",     "new",
    "int",       "final",      "false",    "package",   "long",       "void",        "byte",     "class",    "float",
    "this",      "goto",       "while",    "null",      "double",     "try",         "true",     "public",   "boolean",
    "default",   "const",      "native",   "static",    "super",      "short",       "finally",  "switch",   "throw",
    "interface", "abstract",   "import",   "extends",   "private",    "return",      "volatile", "continue", "throws",
    "protected", "instanceof", "strictfp", "transient", "implements", "synchronized"};
constexpr TBedKeywordList kKeywords[] = {{TJavaHighlighter::tkKey, kWords}};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"DocumentAttri", "Documentation", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"InvalidAttri", "Invalid symbol"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space", 0, clWindow},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"}};
constexpr const char* kKinds[] = {"CommentAttri", "DocumentAttri", "IdentifierAttri", "InvalidAttri",
                                  "KeyAttri",     nullptr,         "NumberAttri",     "SpaceAttri",
                                  "StringAttri",  "SymbolAttri",   "InvalidAttri"};
static_assert(std::size(kKinds) == TJavaHighlighter::tkUnknown + 1);

}  // namespace

constinit const TBedLanguage kBedJavaLanguage = {
    .className = "TJavaHighlighter",
    .create = &BedCreate<TJavaHighlighter>,
    .languageName = "Java",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .initialRange = 3,
    .defaultFilter = "Java files (*.java)|*.java",
    .wordCharacters = "$0-9A-Z_a-z",
    .mainWindow = {"hl_java", "Java1", "Java", ".JAVA", kBedNumberBlueStringRedItalic}};

TJavaHighlighter::TJavaHighlighter()
    : TBedScannerHighlighter(kBedJavaLanguage, tkNull), keywords_(kBedCaseLetterValues, kKeywordSlots, true) {
    keywords_.Add(kKeywords);

    FillProcs<&TJavaHighlighter::UnknownProc>();
    SetOperators(tkSymbol, {"!=", "%=", "&&", "&=", "(",   ")",  "*=", "++", "+=",   ",",   "--",  "-=",
                            ".",  "/=", ":",  ";",  "<<=", "<<", "<=", "==", ">>>=", ">>>", ">>=", ">>",
                            ">=", "?",  "[",  "]",  "^=",  "{",  "|=", "||", "}",    "~"});
    SetBlankProcs(tkSpace);
    SetProcs<&TJavaHighlighter::StringProc>("\"'");
    SetProcs<&TJavaHighlighter::InvalidSymbolProc>("#@");
    SetProc<&TJavaHighlighter::SlashProc>('/');
    SetProcs<&TJavaHighlighter::NumberProc>("0-9");
    SetProcs<&TJavaHighlighter::IdentProc>("$A-Z_a-z");
}

void TJavaHighlighter::NextToken() {
    Start();
    if (range_ == rsComment || range_ == rsDocument) {
        ContinueBlock(CommentKind(), "*/", rsUnknown);
    } else {
        range_ = rsUnknown;
        Dispatch();
    }
}

void TJavaHighlighter::SlashProc() {
    if (Ch(1) == '*' && Ch(2) == '*') {
        // A documentation comment; its closer is looked for after the opener.
        range_ = rsDocument;
        run_ += 3;
        ScanBlock(tkDocument, "*/", rsUnknown);
    } else {
        ScanSlash(tkComment, rsComment, rsUnknown);
    }
}

void TJavaHighlighter::StringProc() {
    // Two more double quotes after the opening one are taken with it.
    TBedStringRules rules = kBedBackslashEscapes;
    rules.tripleOpener = Ch() == '"';
    SkipString(Ch(), rules);
    kind_ = tkString;
}
