#include "BedHighlighterJava.h"

namespace {

// Keyword hashes run up to 172 ("synchronized").
constexpr int kKeywordSlots = 173;

constexpr TBedCharFlags kWordChars = BedCharFlags("$0-9A-Z_a-z");
constexpr TBedCharFlags kNumberChars = BedCharFlags("-.0-9A-FLXa-flx");

constexpr const char* kKeywords[] = {
    "if", "do", "case", "char", "catch", "for", "break", "else", "new", "int", "final",
    "false", "package", "long", "void", "byte", "class", "float", "this", "goto", "while",
    "null", "double", "try", "true", "public", "boolean", "default", "const", "native",
    "static", "super", "short", "finally", "switch", "throw", "interface", "abstract",
    "import", "extends", "private", "return", "volatile", "continue", "throws", "protected",
    "instanceof", "strictfp", "transient", "implements", "synchronized"};

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"DocumentAttri", "Documentation", fsItalic},
    {"IdentifierAttri", "Identifier"}, {"InvalidAttri", "Invalid symbol"},
    {"KeyAttri", "Reserved word", fsBold}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space", 0, clWindow}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"}};

}  // namespace

std::span<const char* const> BedJavaKeywords() { return kKeywords; }

constinit const TBedLanguage kBedJavaLanguage = {
    .className = "TJavaHighlighter", .create = &BedCreate<TJavaHighlighter>,
    .languageName = "Java", .attributes = kAttributes, .initialRange = 3,
    .defaultFilter = "Java files (*.java)|*.java", .wordCharacters = "$0-9A-Z_a-z",
    .mainWindow = {"hl_java", "Java1", "Java", ".JAVA", kBedNumberBlueStringRedItalic}};

TJavaHighlighter::TJavaHighlighter(void*)
    : TBedScannerHighlighter(kBedJavaLanguage, tkNull),
      keywords_(kBedCaseLetterValues, kKeywordSlots, true) {
    BindAttributes(*this);
    BindAttributes({{&DocumentAttri, "DocumentAttri"}, {&InvalidAttri, "InvalidAttri"}});
    SetKindAttributes({CommentAttri, DocumentAttri, IdentifierAttri, InvalidAttri, KeyAttri,
                       nullptr, NumberAttri, SpaceAttri, StringAttri, SymbolAttri,
                       InvalidAttri});
    HookAttributeChanges();

    for (const char* word : kKeywords)
        keywords_.Add(word, 0);

    FillProcs(&TJavaHighlighter::UnknownProc);
    SetOperators(tkSymbol, {"!=", "%=", "&&", "&=", "(", ")", "*=", "++", "+=", ",", "--",
                            "-=", ".", "/=", ":", ";", "<<=", "<<", "<=", "==", ">>>=", ">>>",
                            ">>=", ">>", ">=", "?", "[", "]", "^=", "{", "|=", "||", "}", "~"});
    SetBlankProcs(tkSpace);
    SetProcs("\"'", &TJavaHighlighter::StringProc);
    SetProcs("#@", &TJavaHighlighter::InvalidSymbolProc);
    SetProc('/', &TJavaHighlighter::SlashProc);
    SetProcs("0-9", &TJavaHighlighter::NumberProc);
    SetProcs("$A-Z_a-z", &TJavaHighlighter::IdentProc);
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

void TJavaHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TJavaHighlighter::IdentProc() { ScanWord(kWordChars, keywords_, tkKey, tkIdentifier); }
