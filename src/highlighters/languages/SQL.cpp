#include "SQL.h"

#include "BedHighlighterList.h"

namespace {

constexpr TBedCharFlags kIdentChars = BedCharFlags("0-9A-Z_a-z");
// Microsoft SQL Server's words may hold "@", as its "@@" functions do.
constexpr TBedCharFlags kIdentCharsWithAt = BedCharFlags("0-9@-Z_a-z");
constexpr TBedCharFlags kNumberChars = BedCharFlags("-.0-9");

// "_" = 1, A/a ... Z/z = 2-27, 0-9 = 28-37, "@" = 38: comparisons ignore letter case.
constexpr TBedCharValues kHashValues = [] {
    TBedCharValues v{};
    v['_'] = 1;
    for (int c = 'A'; c <= 'Z'; ++c) {
        v[c] = static_cast<uint8_t>(c - 'A' + 2);
        v[c + 32] = static_cast<uint8_t>(c - 'A' + 2);
    }
    for (int c = '0'; c <= '9'; ++c) v[c] = static_cast<uint8_t>(c - '0' + 28);
    v['@'] = 38;
    return v;
}();

constexpr int kHashMultiplier = 3;

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"DataTypeAttri", "Data type", fsBold},
                                            {"DefaultPackageAttri", "Default packages", fsBold},
                                            {"ExceptionAttri", "Exception", fsItalic},
                                            {"FunctionAttri", "Function", fsBold},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"PLSQLAttri", "Reserved word (PL/SQL)", fsBold},
                                            {"SpaceAttri", "Space"},
                                            {"SQLPlusAttri", "SQL*Plus command", fsBold},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"},
                                            {"VariableAttri", "Variable"}};
constexpr const char* kKinds[] = {
    "CommentAttri", "DataTypeAttri", "DefaultPackageAttri", "ExceptionAttri", "FunctionAttri", "IdentifierAttri",
    "KeyAttri",     nullptr,         "NumberAttri",         "SpaceAttri",     "PLSQLAttri",    "SQLPlusAttri",
    "StringAttri",  "SymbolAttri",   "IdentifierAttri",     "VariableAttri"};
static_assert(std::size(kKinds) == TSQLHighlighter::tkVariable + 1);

// The form of the main window names the Sybase dialect, which a new instance has already.
void SetMainWindowDialect(TBedCustomHighlighter& hl) { static_cast<TSQLHighlighter&>(hl).SetSQLDialect(sqlSybase); }

TBedCharSet WordCharactersOf(TSQLDialect dialect) {
    switch (dialect) {
        case sqlMSSQL7: return BedCharSetOf("0-9@-Z_a-z");
        case sqlOracle: return BedCharSetOf("#$0-9A-Z_a-z");
        default: return BedCharSetOf(kBedIdentifierCharacters);
    }
}

}  // namespace

constinit const TBedLanguage kBedSQLLanguage = {
    .className = "TSQLHighlighter",
    .create = &BedCreate<TSQLHighlighter>,
    .languageName = "SQL",
    .attributes = kAttributes,
    .kinds = kKinds,
    .initialRange = 0,
    .defaultFilter = "SQL files (*.sql)|*.sql",
    .mainWindow = {"hl_sql", "SQL1", "SQL", ".SQL", kBedNumberBlueStringRedItalic, &SetMainWindowDialect}};

TSQLHighlighter::TSQLHighlighter()
    : TBedScannerHighlighter(kBedSQLLanguage, tkNull),
      keywords_(kHashValues, kHashMultiplier),
      identChars_(&kIdentChars) {
    FillProcs<&TSQLHighlighter::SymbolProc>();
    SetBlankProcs(tkSpace);
    SetOperators(tkSymbol, {"!=",  "!",  "%=", "%", "*=", "*",  "^=", "^",  "&&", "&=", "&",  "++", "+=", "+",
                            "<<=", "<=", "<<", "<", "==", "=>", "=",  ">=", ">>", ">",  "||", "|=", "|"});
    SetProc<&TSQLHighlighter::DoubleQuoteProc>('"');
    SetProcs<&TSQLHighlighter::UnknownProc>("#$\\`\x7F-\xFF");
    SetProc<&TSQLHighlighter::QuoteProc>('\'');
    SetProc<&TSQLHighlighter::MinusProc>('-');
    SetProc<&TSQLHighlighter::SlashProc>('/');
    SetProcs<&TSQLHighlighter::NumberProc>("0-9");
    SetProcs<&TSQLHighlighter::VariableProc>(":@");
    SetProcs<&TSQLHighlighter::IdentProc>("A-Z_a-z");

    SetSQLDialect(sqlSybase);
}

void TSQLHighlighter::AddKeyword(TBedCustomHighlighter* hl, const std::string& word, int kind) {
    static_cast<TSQLHighlighter*>(hl)->keywords_.AddKeyword(word, kind);
}

void TSQLHighlighter::SetSQLDialect(TSQLDialect value) {
    if (value == dialect_) return;
    dialect_ = value;
    keywords_.Clear();
    identChars_ = value == sqlMSSQL7 ? &kIdentCharsWithAt : &kIdentChars;
    const TBedCharSet wordCharacters = WordCharactersOf(value);
    SetWordCharacters(wordCharacters);
    for (const TBedSQLKeywordText& t : BedSQLKeywordTexts(value))
        EnumerateKeywords(t.kind, t.text, wordCharacters, &AddKeyword, this);
    NotifyChanged();
}

bool TSQLHighlighter::IsKeywordText(const std::string& text) {
    switch (keywords_.Find(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()),
                           tkIdentifier)) {
        case tkDatatype:
        case tkDefaultPackage:
        case tkException:
        case tkFunction:
        case tkKey:
        case tkPLSQL: return true;
        default: return false;
    }
}

void TSQLHighlighter::NextToken() {
    Start();
    if (range_ == rsComment) {
        if (ScanLineBreak()) return;
        kind_ = tkComment;
        if (SkipPast("*/")) range_ = rsUnknown;
    } else if (range_ == rsString) {
        // The line's end and its breaks come first here too: a string left open would
        // otherwise give an empty token at the end of every following line.
        if (!ScanLineBreak()) ContinueString();
    } else {
        Dispatch();
    }
}

// From the position to the next "'" (included; the string ends) or to the end of the line
// (it goes on on the next line).
void TSQLHighlighter::ContinueString() {
    kind_ = tkString;
    if (SkipPast("'")) range_ = rsUnknown;
}

void TSQLHighlighter::QuoteProc() {
    range_ = rsString;
    ++run_;
    ContinueString();
}

// Within the line only; a doubled quote or one after a backslash stays inside.
void TSQLHighlighter::DoubleQuoteProc() {
    SkipString('"', {.escape = '\\', .doubledInside = true});
    kind_ = tkString;
}

void TSQLHighlighter::MinusProc() {
    if (Ch(1) == '-') {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkSymbol, 1);
    }
}

void TSQLHighlighter::SlashProc() {
    if (Ch(1) == '*') {
        range_ = rsComment;
        Token(tkComment, 2);
        if (SkipPast("*/")) range_ = rsUnknown;
    } else {
        Token(tkSymbol, Ch(1) == '=' ? 2 : 1);
    }
}

// Digits, "." and "-" once a number has begun: "1-2" and even "1--x" are numbers up to the x.
void TSQLHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

// "@" and ":" start variables, except where the dialect makes them symbols; Microsoft's "@@"
// starts a word of its function list.
void TSQLHighlighter::VariableProc() {
    const unsigned char c = Ch();
    if (dialect_ == sqlMSSQL7 && c == '@' && Ch(1) == '@') {
        IdentProc();
        return;
    }
    const bool symbol =
        c == '@' ? dialect_ == sqlMySQL || dialect_ == sqlOracle : dialect_ != sqlOracle && dialect_ != sqlIngres;
    if (symbol) {
        Token(tkSymbol, 1);
        return;
    }
    ++run_;
    SkipWhile(*identChars_);
    kind_ = tkVariable;
}

// A word of kind comment (Oracle's "REM" and its longer forms) comments out the rest of the
// line.
void TSQLHighlighter::IdentProc() {
    SkipWhile(*identChars_);
    kind_ = keywords_.Find(p_ + tokenPos_, run_ - tokenPos_, tkIdentifier);
    if (kind_ == tkComment) SkipToLineEnd();
}
