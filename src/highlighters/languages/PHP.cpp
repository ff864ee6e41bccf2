// PHP: keywords found by the sum of their letter values, case ignored; strings in either
// quote and "/* */" comments continue over lines as range states. The whole text is PHP.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Keyword hashes run up to 206.
constexpr int kKeywordSlots = 207;

constexpr TBedCharFlags kNumberChars = BedCharFlags("-.0-9A-FLXa-flx");

class TPHPHighlighter : public TBedScannerHighlighter<TPHPHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkInvalidSymbol,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown,
        tkVariable
    };
    enum RangeStates { rsUnknown = 0, rsString39 = 1, rsString34 = 2, rsComment = 3 };

    TPHPHighlighter();
    static constexpr bool kResumesMidLine = true;

    void NextToken() override;

private:
    void StringRestProc();
    void InvalidSymbolProc() { Token(tkInvalidSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void HashCommentProc() { ScanRestOfLine(tkComment); }
    void VariableProc() { ScanRun(tkVariable, kBedWordChars); }
    void SlashProc() { ScanSlash(tkComment, rsComment, rsUnknown); }
    void StringProc();
    void NumberProc() { ScanNumber(tkNumber, kNumberChars); }
    void IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }

    TBedSumHashKeywords keywords_;
};

constexpr const char* kWords[] = {"if",       "die",          "and",       "do",          "case",
                                  "echo",     "or",           "real",      "break",       "endif",
                                  "for",      "eval",         "var",       "else",        "new",
                                  "false",    "int",          "global",    "float",       "class",
                                  "object",   "elseif",       "while",     "xor",         "exit",
                                  "double",   "list",         "endfor",    "array",       "true",
                                  "include",  "default",      "const",     "isset",       "static",
                                  "print",    "integer",      "empty",     "unset",       "endwhile",
                                  "switch",   "string",       "extends",   "require",     "return",
                                  "continue", "function",     "cfunction", "endswitch",   "highlight_file",
                                  "__FILE__", "old_function", "__LINE__",  "show_source", "highlight_string"};
constexpr TBedKeywordList kKeywords[] = {{TPHPHighlighter::tkKey, kWords}};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"InvalidSymbolAttri", "Invalid symbol"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"},
                                            {"VariableAttri", "Variable"}};
// Characters that are not PHP are drawn like identifiers.
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "InvalidSymbolAttri", "KeyAttri",
                                  nullptr,        "NumberAttri",     "SpaceAttri",         "StringAttri",
                                  "SymbolAttri",  "IdentifierAttri", "VariableAttri"};
static_assert(std::size(kKinds) == TPHPHighlighter::tkVariable + 1);

}  // namespace

constinit const TBedLanguage kBedPHPLanguage = {
    .className = "TPHPHighlighter",
    .create = &BedCreate<TPHPHighlighter>,
    .languageName = "PHP",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .initialRange = 0,
    .defaultFilter = "PHP files (*.php,*.php3,*.phtml,*.inc)|*.php;*.php3;*.phtml;*.inc",
    .mainWindow = {"hl_php", "PHP1", "PHP", ".PHP .PHP3 .PHTML", kBedNumberBlueStringRedItalic}};

TPHPHighlighter::TPHPHighlighter()
    : TBedScannerHighlighter(kBedPHPLanguage, tkNull), keywords_(kBedLetterValues, kKeywordSlots, false) {
    keywords_.Add(kKeywords);

    FillProcs<&TPHPHighlighter::UnknownProc>();
    SetOperators(tkSymbol,
                 {"!=",  "%=", "&&", "&=", "(",  ")",  "*=", "++", "+=", ",", "--", "-=", "->", ".",  "/=", ":", ";",
                  "<<=", "<<", "<=", "==", "=>", ">=", ">>", "?",  "[",  "]", "^=", "{",  "|=", "||", "}",  "~"});
    SetBlankProcs(tkSpace);
    SetProcs<&TPHPHighlighter::StringProc>("\"'");
    SetProc<&TPHPHighlighter::HashCommentProc>('#');
    SetProc<&TPHPHighlighter::VariableProc>('$');
    SetProc<&TPHPHighlighter::SlashProc>('/');
    SetProcs<&TPHPHighlighter::NumberProc>("0-9");
    SetProc<&TPHPHighlighter::InvalidSymbolProc>('@');
    SetProcs<&TPHPHighlighter::IdentProc>("A-Z_a-z");
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
        default: range_ = rsUnknown; Dispatch();
    }
}

// A string from the position to its closing quote or the end of the line. In a double-quoted
// one a backslash keeps a quote (or another backslash) after it inside; only what stands in
// this line counts, so a quote that starts a continued line closes the string.
void TPHPHighlighter::StringRestProc() {
    kind_ = tkString;
    if (range_ == rsString34 ? SkipStringRest('"', kBedBackslashEscapes) : SkipPast("'")) range_ = rsUnknown;
}

void TPHPHighlighter::StringProc() {
    range_ = Ch() == '"' ? rsString34 : rsString39;
    ++run_;
    StringRestProc();
}
