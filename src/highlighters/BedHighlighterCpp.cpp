#include "BedHighlighterCpp.h"

#include "BedHighlighterIdeColours.h"

namespace {

// Keyword hashes run up to 206 ("reinterpret_cast").
constexpr int kKeywordSlots = 207;

const TBedIdeColourScheme kIdeScheme = {"\\SOFTWARE\\Borland\\C++Builder", "1",
                                        "\\SOFTWARE\\Borland\\C++Builder\\",
                                        "\\Software\\Borland\\C++Builder\\"};

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9A-FLUXa-flux");

constexpr const char* kKeywords[] = {
    "if", "do", "cdecl", "case", "_cdecl", "__cdecl", "char", "asm", "_asm", "__asm", "catch",
    "for", "break", "else", "new", "__int8", "__int16", "int", "__int32", "__int64", "false",
    "bool", "long", "void", "enum", "delete", "_pascal", "__pascal", "pascal", "class", "float",
    "this", "goto", "auto", "__thread", "while", "friend", "signed", "double", "__try", "try",
    "__dispid", "true", "public", "inline", "__rtti", "__classid", "__declspec", "using",
    "const", "default", "_stdcall", "union", "__stdcall", "static", "__except", "wchar_t",
    "mutable", "_fastcall", "__fastcall", "short", "typeid", "sizeof", "__finally",
    "namespace", "switch", "typedef", "throw", "extern", "__import", "_import", "private",
    "template", "__closure", "unsigned", "return", "volatile", "_export", "__export",
    "__published", "explicit", "typename", "struct", "register", "continue", "__automated",
    "virtual", "protected", "operator", "dynamic_cast", "const_cast", "static_cast",
    "__property", "reinterpret_cast"};

constexpr TBedAttributeSpec kAttributes[] = {
    {"AsmAttri", "Assembler"}, {"CommentAttri", "Comment", fsItalic},
    {"IdentifierAttri", "Identifier"}, {"InvalidAttri", "Illegal char"},
    {"KeyAttri", "Reserved word", fsBold}, {"NumberAttri", "Number"},
    {"SpaceAttri", "Space", 0, clWindow}, {"StringAttri", "String"}, {"SymbolAttri", "Symbol"},
    {"DirecAttri", "Preprocessor"}};

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "AsmAttri", .foreground = clGray},
    {.property = "DirecAttri", .foreground = clGreen},
    {.property = "NumberAttri", .foreground = clBlue},
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

}  // namespace

std::span<const char* const> BedCppKeywords() { return kKeywords; }

constinit const TBedLanguage kBedCppLanguage = {
    .className = "TCppHighlighter", .create = &BedCreate<TCppHighlighter>,
    .languageName = "C++", .attributes = kAttributes, .initialRange = 0,
    .defaultFilter = "C++ files (*.cpp,*.h,*.hpp)|*.cpp;*.h;*.hpp",
    .mainWindow = {"hl_C", "CC1", "C/C++", ".C .CPP .CC .H .HPP", kMainWindowColours}};

TCppHighlighter::TCppHighlighter(void*)
    : TBedScannerHighlighter(kBedCppLanguage, tkNull),
      keywords_(kBedCaseLetterValues, kKeywordSlots, true) {
    BindAttributes(*this);
    BindAttributes({{&AsmAttri, "AsmAttri"}, {&DirecAttri, "DirecAttri"},
                    {&InvalidAttri, "InvalidAttri"}});
    SetKindAttributes({AsmAttri, CommentAttri, DirecAttri, IdentifierAttri, KeyAttri, nullptr,
                       NumberAttri, SpaceAttri, StringAttri, SymbolAttri, InvalidAttri});
    HookAttributeChanges();

    for (const char* word : kKeywords)
        keywords_.Add(word, 0);

    FillProcs(&TCppHighlighter::UnknownProc);
    SetOperators(tkSymbol, {"!=", "%=", "&&", "&=", "(", ")", "*=", "++", "+=", ",", "--",
                            "-=", "->", "...", "/=", "::", ";", "<<=", "<<", "<=", "==", ">>=",
                            ">>", ">=", "?", "[", "]", "^=", "{", "||", "|=", "}", "~"});
    SetBlankProcs(tkSpace);
    SetProcs("\n\r", &TCppHighlighter::LineBreakProc);
    SetProcs("\"'", &TCppHighlighter::StringProc);
    SetProc('#', &TCppHighlighter::DirectiveStartProc);
    SetProc('/', &TCppHighlighter::SlashProc);
    SetProcs("0-9", &TCppHighlighter::NumberProc);
    SetProcs("A-Z_a-z", &TCppHighlighter::IdentProc);
}

void TCppHighlighter::NextToken() {
    Start();
    switch (range_) {
    case rsAnsiC:
    case rsDirectiveComment: ContinueBlock(tkComment, "*/", AfterComment()); break;
    case rsDirective: DirectiveProc(); break;
    default:
        range_ = rsUnknown;
        Dispatch();
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
        while (i >= 0 && (p_[i] == '\n' || p_[i] == '\r'))
            --i;
        if (i < 0 || p_[i] != '\\')
            range_ = rsUnknown;
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
        if (c == '/' && Ch(1) == '*')
            return;  // the next token opens the comment
        ++run_;
        if (c == '\\' && kBedLineEndChars[Ch()])
            return;  // continued: the range stays
    }
}

void TCppHighlighter::StringProc() {
    SkipString(Ch(), kBedBackslashEscapes);
    kind_ = tkString;
}

void TCppHighlighter::NumberProc() { ScanNumber(tkNumber, kNumberChars); }

void TCppHighlighter::IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }

void TCppHighlighter::ListIdeVersions(std::vector<std::string>& list) {
    list = BedListIdeVersions(BedDefaultSettingsStore(), kIdeScheme);
}

bool TCppHighlighter::ApplyIdeColours(int index) {
    // "Plain text" and then "Assembler" both go to the assembler attribute.
    return BedApplyIdeColours(BedDefaultSettingsStore(), kIdeScheme, index,
                              {{AsmAttri, "Plain text"},
                               {AsmAttri, "Assembler"},
                               {CommentAttri, "Comment"},
                               {IdentifierAttri, "Identifier"},
                               {InvalidAttri, "Illegal Char"},
                               {KeyAttri, "Reserved word"},
                               {NumberAttri, "Integer"},
                               {SpaceAttri, "Whitespace"},
                               {StringAttri, "String"},
                               {SymbolAttri, "Symbol"},
                               {DirecAttri, "Preprocessor"}});
}
