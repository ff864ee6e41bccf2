#include "BedHighlighterPHP.h"

namespace {

// Keyword hashes run up to 206.
constexpr int kKeywordSlots = 207;

constexpr TBedCharFlags kNumberChars = BedCharFlags("-.0-9A-FLXa-flx");

constexpr const char* kKeywords[] = {
    "if", "die", "and", "do", "case", "echo", "or", "real", "break", "endif", "for", "eval",
    "var", "else", "new", "false", "int", "global", "float", "class", "object", "elseif",
    "while", "xor", "exit", "double", "list", "endfor", "array", "true", "include", "default",
    "const", "isset", "static", "print", "integer", "empty", "unset", "endwhile", "switch",
    "string", "extends", "require", "return", "continue", "function", "cfunction",
    "endswitch", "highlight_file", "__FILE__", "old_function", "__LINE__", "show_source",
    "highlight_string"};

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic}, {"IdentifierAttri", "Identifier"},
    {"InvalidSymbolAttri", "Invalid symbol"}, {"KeyAttri", "Reserved word", fsBold},
    {"NumberAttri", "Number"}, {"SpaceAttri", "Space"}, {"StringAttri", "String"},
    {"SymbolAttri", "Symbol"}, {"VariableAttri", "Variable"}};

}  // namespace

std::span<const char* const> BedPHPKeywords() { return kKeywords; }

constinit const TBedLanguage kBedPHPLanguage = {
    .className = "TPHPHighlighter", .create = &BedCreate<TPHPHighlighter>,
    .languageName = "PHP", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "PHP files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc",
    .mainWindow = {"hl_php", "PHP1", "PHP", ".PHP .PHP3 .PHTML", kBedNumberBlueStringRedItalic}};

TPHPHighlighter::TPHPHighlighter(void*)
    : TBedScannerHighlighter(kBedPHPLanguage, tkNull),
      keywords_(kBedLetterValues, kKeywordSlots, false) {
    BindAttributes(*this);
    BindAttributes({{&InvalidSymbolAttri, "InvalidSymbolAttri"},
                    {&VariableAttri, "VariableAttri"}});
    // Characters that are not PHP are drawn like identifiers.
    SetKindAttributes({CommentAttri, IdentifierAttri, InvalidSymbolAttri, KeyAttri, nullptr,
                       NumberAttri, SpaceAttri, StringAttri, SymbolAttri, IdentifierAttri,
                       VariableAttri});
    HookAttributeChanges();

    for (const char* word : kKeywords)
        keywords_.Add(word, 0);

    FillProcs(&TPHPHighlighter::UnknownProc);
    SetOperators(tkSymbol, {"!=", "%=", "&&", "&=", "(", ")", "*=", "++", "+=", ",", "--",
                            "-=", "->", ".", "/=", ":", ";", "<<=", "<<", "<=", "==", "=>",
                            ">=", ">>", "?", "[", "]", "^=", "{", "|=", "||", "}", "~"});
    SetBlankProcs(tkSpace);
    SetProcs("\"'", &TPHPHighlighter::StringProc);
    SetProc('#', &TPHPHighlighter::HashCommentProc);
    SetProc('$', &TPHPHighlighter::VariableProc);
    SetProc('/', &TPHPHighlighter::SlashProc);
    SetProcs("0-9", &TPHPHighlighter::NumberProc);
    SetProc('@', &TPHPHighlighter::InvalidSymbolProc);
    SetProcs("A-Z_a-z", &TPHPHighlighter::IdentProc);
}

void TPHPHighlighter::NextToken() {
    Start();
    switch (range_) {
    case rsString39:
    case rsString34:
    case rsComment:
        // Continued from an earlier line: its line break tokens first.
        if (range_ == rsComment)
            ContinueBlock(tkComment, "*/", rsUnknown);
        else if (AtLineBreak())
            Dispatch();
        else
            StringRestProc();
        break;
    default:
        range_ = rsUnknown;
        Dispatch();
    }
}

// A string from the position to its closing quote or the end of the line. In a double-quoted
// one a backslash keeps a quote (or another backslash) after it inside; only what stands in
// this line counts, so a quote that starts a continued line closes the string.
void TPHPHighlighter::StringRestProc() {
    kind_ = tkString;
    if (range_ == rsString34 ? SkipStringRest('"', kBedBackslashEscapes) : SkipPast("'"))
        range_ = rsUnknown;
}

void TPHPHighlighter::StringProc() {
    range_ = Ch() == '"' ? rsString34 : rsString39;
    ++run_;
    StringRestProc();
}

void TPHPHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TPHPHighlighter::IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }
