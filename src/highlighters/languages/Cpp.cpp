// C and C++: keywords found by the sum of their character values, case kept; "/* */"
// comments and preprocessor lines continued by a backslash carried as range states.
#include "BedHighlighterIdeColours.h"
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Keyword hashes run up to 206 ("reinterpret_cast").
constexpr int kKeywordSlots = 207;

const TBedIdeColourScheme kIdeScheme = {"\\SOFTWARE\\Borland\\C++Builder", "1", "\\SOFTWARE\\Borland\\C++Builder\\",
                                        "\\Software\\Borland\\C++Builder\\"};

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9A-FLUXa-flux");

class TCppHighlighter : public TBedScannerHighlighter<TCppHighlighter> {
public:
    // No token is of the assembler kind: statements after "asm" are scanned as C++.
    enum TokenKinds {
        tkAsm,
        tkComment,
        tkDirective,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown
    };
    enum RangeStates { rsUnknown = 0, rsAnsiC = 1, rsDirective = 6, rsDirectiveComment = 7 };

    TCppHighlighter();

    TBedHighlighterFeatures FeatureFlags() const override { return hfIdeColourImport | hfRegistryPersistence; }
    void NextToken() override;
    bool ApplyIdeColours(int index) override;
    void ListIdeVersions(std::vector<std::string>& list) override;

private:
    // The range after a comment: back in the preprocessor line it interrupted, or none.
    TBedRange AfterComment() const { return range_ == rsDirectiveComment ? rsDirective : rsUnknown; }
    void OpenComment(TBedRange range);
    void DirectiveProc();
    // CR and LF are one token each, even as CR LF.
    void LineBreakProc() { Token(tkSpace, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }
    void DirectiveStartProc();
    void SlashProc() { ScanSlash(tkComment, rsAnsiC, rsUnknown); }
    void StringProc();
    void NumberProc() { ScanNumber(tkNumber, kNumberChars); }
    void IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }

    TBedSumHashKeywords keywords_;
};

constexpr const char* kWords[] = {"if",         "do",
                                  "cdecl",      "case",
                                  "_cdecl",     "__cdecl",
                                  "char",       "asm",
                                  "_asm",       "__asm",
                                  "catch",      "for",
                                  "break",      "else",
                                  "new",        "__int8",
                                  "__int16",    "int",
                                  "__int32",    "__int64",
                                  "false",      "bool",
                                  "long",       "void",
                                  "enum",       "delete",
                                  "_pascal",    "__pascal",
                                  "pascal",     "class",
                                  "float",      "this",
                                  "goto",       "auto",
                                  "__thread",   "while",
                                  "friend",     "signed",
                                  "double",     "__try",
                                  "try",        "__dispid",
                                  "true",       "public",
                                  "inline",     "__rtti",
                                  "__classid",  "__declspec",
                                  "using",      "const",
                                  "default",    "_stdcall",
                                  "union",      "__stdcall",
                                  "static",     "__except",
                                  "wchar_t",    "mutable",
                                  "_fastcall",  "__fastcall",
                                  "short",      "typeid",
                                  "sizeof",     "__finally",
                                  "namespace",  "switch",
                                  "typedef",    "throw",
                                  "extern",     "__import",
                                  "_import",    "private",
                                  "template",   "__closure",
                                  "unsigned",   "return",
                                  "volatile",   "_export",
                                  "__export",   "__published",
                                  "explicit",   "typename",
                                  "struct",     "register",
                                  "continue",   "__automated",
                                  "virtual",    "protected",
                                  "operator",   "dynamic_cast",
                                  "const_cast", "static_cast",
                                  "__property", "reinterpret_cast"};
constexpr TBedKeywordList kKeywords[] = {{TCppHighlighter::tkKey, kWords}};

constexpr TBedAttributeRow kAttributes[] = {{"AsmAttri", "Assembler"},
                                            {"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"InvalidAttri", "Illegal char"},
                                            {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space", 0, clWindow},
                                            {"StringAttri", "String"},
                                            {"SymbolAttri", "Symbol"},
                                            {"DirecAttri", "Preprocessor"}};
constexpr const char* kKinds[] = {"AsmAttri",    "CommentAttri", "DirecAttri",  "IdentifierAttri",
                                  "KeyAttri",    nullptr,        "NumberAttri", "SpaceAttri",
                                  "StringAttri", "SymbolAttri",  "InvalidAttri"};
static_assert(std::size(kKinds) == TCppHighlighter::tkUnknown + 1);

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "AsmAttri", .foreground = clGray},
    {.property = "DirecAttri", .foreground = clGreen},
    {.property = "NumberAttri", .foreground = clBlue},
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

}  // namespace

constinit const TBedLanguage kBedCppLanguage = {
    .className = "TCppHighlighter",
    .create = &BedCreate<TCppHighlighter>,
    .languageName = "C++",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .initialRange = 0,
    .defaultFilter = "C++ files (*.cpp,*.h,*.hpp)|*.cpp;*.h;*.hpp",
    .mainWindow = {"hl_C", "CC1", "C/C++", ".C .CPP .CC .H .HPP", kMainWindowColours}};

TCppHighlighter::TCppHighlighter()
    : TBedScannerHighlighter(kBedCppLanguage, tkNull), keywords_(kBedCaseLetterValues, kKeywordSlots, true) {
    keywords_.Add(kKeywords);

    FillProcs<&TCppHighlighter::UnknownProc>();
    SetOperators(tkSymbol,
                 {"!=",  "%=", "&&", "&=", "(",   ")",  "*=", "++", "+=", ",", "--", "-=", "->", "...", "/=", "::", ";",
                  "<<=", "<<", "<=", "==", ">>=", ">>", ">=", "?",  "[",  "]", "^=", "{",  "||", "|=",  "}",  "~"});
    SetBlankProcs(tkSpace);
    SetProcs<&TCppHighlighter::LineBreakProc>("\n\r");
    SetProcs<&TCppHighlighter::StringProc>("\"'");
    SetProc<&TCppHighlighter::DirectiveStartProc>('#');
    SetProc<&TCppHighlighter::SlashProc>('/');
    SetProcs<&TCppHighlighter::NumberProc>("0-9");
    SetProcs<&TCppHighlighter::IdentProc>("A-Z_a-z");
}

void TCppHighlighter::NextToken() {
    Start();
    switch (range_) {
        case rsAnsiC:
        case rsDirectiveComment: ContinueBlock(tkComment, "*/", AfterComment()); break;
        case rsDirective: DirectiveProc(); break;
        default: range_ = rsUnknown; Dispatch();
    }
}

void TCppHighlighter::OpenComment(TBedRange range) {
    range_ = range;
    run_ += 2;
    ScanBlock(tkComment, "*/", AfterComment());
}

void TCppHighlighter::DirectiveStartProc() {
    range_ = rsDirective;
    DirectiveProc();
}

// A preprocessor line from the position: to its end, to a comment inside it, or through a
// backslash that continues it on the next line.
void TCppHighlighter::DirectiveProc() {
    if (AtLineBreak()) {
        // Only a backslash before the line break continues the line; a line that has nothing
        // before its break (an empty one) ends it.
        int i = run_ - 1;
        while (i >= 0 && (p_[i] == '\n' || p_[i] == '\r')) --i;
        if (i < 0 || p_[i] != '\\') range_ = rsUnknown;
        Dispatch();
        return;
    }
    if (LookingAt("/*")) {
        // The comment starts at its opener: its "*" cannot close it as in "/*/".
        OpenComment(rsDirectiveComment);
        return;
    }
    if (LookingAt("//")) {
        range_ = rsUnknown;
        Dispatch();
        return;
    }
    kind_ = tkDirective;
    for (;;) {
        const unsigned char c = Ch();
        if (kBedLineEndChars[c]) {
            range_ = rsUnknown;
            return;
        }
        if (c == '/' && Ch(1) == '/') {
            range_ = rsUnknown;
            return;
        }
        if (c == '/' && Ch(1) == '*') return;  // the next token opens the comment
        ++run_;
        if (c == '\\' && kBedLineEndChars[Ch()]) return;  // continued: the range stays
    }
}

void TCppHighlighter::StringProc() {
    SkipString(Ch(), kBedBackslashEscapes);
    kind_ = tkString;
}

void TCppHighlighter::ListIdeVersions(std::vector<std::string>& list) {
    list = BedListIdeVersions(BedDefaultSettingsStore(), kIdeScheme);
}

bool TCppHighlighter::ApplyIdeColours(int index) {
    // "Plain text" and then "Assembler" both go to the assembler attribute.
    return BedApplyIdeColours(BedDefaultSettingsStore(), kIdeScheme, index,
                              {{Attr("AsmAttri"), "Plain text"},
                               {Attr("AsmAttri"), "Assembler"},
                               {Attr("CommentAttri"), "Comment"},
                               {Attr("IdentifierAttri"), "Identifier"},
                               {Attr("InvalidAttri"), "Illegal Char"},
                               {Attr("KeyAttri"), "Reserved word"},
                               {Attr("NumberAttri"), "Integer"},
                               {Attr("SpaceAttri"), "Whitespace"},
                               {Attr("StringAttri"), "String"},
                               {Attr("SymbolAttri"), "Symbol"},
                               {Attr("DirecAttri"), "Preprocessor"}});
}
