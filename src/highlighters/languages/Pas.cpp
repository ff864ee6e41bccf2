#include "Pas.h"

#include "BedHighlighterIdeColours.h"
#include "BedHighlighterList.h"

#include <utility>

namespace {

// Keyword hashes run up to 191 ("Resourcestring").
constexpr int kKeywordSlots = 192;

const TBedIdeColourScheme kIdeScheme = {"\\SOFTWARE\\Borland\\Delphi", "23", "\\Software\\Borland\\Delphi\\",
                                        "\\Software\\Borland\\Delphi\\"};

constexpr TBedAttributeRow kAttributes[] = {{"AsmAttri", "Assembler"},         {"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"}, {"KeyAttri", "Reserved word", fsBold},
                                            {"NumberAttri", "Number"},         {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},         {"SymbolAttri", "Symbol"}};

using P = TPasHighlighter;
// Unknown characters look like symbols.
constexpr const char* kKinds[] = {"AsmAttri",    "CommentAttri", "IdentifierAttri", "KeyAttri",    nullptr,
                                  "NumberAttri", "SpaceAttri",   "StringAttri",     "SymbolAttri", "SymbolAttri"};
static_assert(std::size(kKinds) == P::tkUnknown + 1);

constexpr TBedAttributeSetting kMainWindowColours[] = {
    {.property = "AsmAttri", .foreground = clGray},
    {.property = "NumberAttri", .foreground = clBlue},
    {.property = "StringAttri", .foreground = clRed, .style = fsItalic}};

}  // namespace

constinit const TBedLanguage kBedPasLanguage = {
    .className = "TPasHighlighter",
    .create = &BedCreate<TPasHighlighter>,
    .languageName = "ObjectPascal",
    .attributes = kAttributes,
    .kinds = kKinds,
    .initialRange = TPasHighlighter::rsUnknown,
    .defaultFilter = "Pascal files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc",
    .mainWindow = {"hl_pas", "Pascal1", "Pascal", ".PAS .DPR .DPK .INC", kMainWindowColours}};

TPasHighlighter::TPasHighlighter()
    : TBedScannerHighlighter(kBedPasLanguage, tkNull), keywords_(kBedLetterValues, kKeywordSlots, false) {
    BindAttributes({{&AsmAttri, "AsmAttri"},
                    {&CommentAttri, "CommentAttri"},
                    {&IdentifierAttri, "IdentifierAttri"},
                    {&KeyAttri, "KeyAttri"},
                    {&NumberAttri, "NumberAttri"},
                    {&SpaceAttri, "SpaceAttri"},
                    {&StringAttri, "StringAttri"},
                    {&SymbolAttri, "SymbolAttri"}});

    for (const char* word : {"Absolute",
                             "Abstract",
                             "And",
                             "Array",
                             "As",
                             "Assembler",
                             "Automated",
                             "Begin",
                             "Case",
                             "Cdecl",
                             "Class",
                             "Const",
                             "Constructor",
                             "Default",
                             "Destructor",
                             "Dispid",
                             "Dispinterface",
                             "Div",
                             "Do",
                             "Downto",
                             "Dynamic",
                             "Else",
                             "Except",
                             "Export",
                             "Exports",
                             "External",
                             "Far",
                             "File",
                             "Finalization",
                             "Finally",
                             "For",
                             "Forward",
                             "Function",
                             "Goto",
                             "If",
                             "Implementation",
                             "In",
                             "Inherited",
                             "Initialization",
                             "Inline",
                             "Interface",
                             "Is",
                             "Label",
                             "Library",
                             "Message",
                             "Mod",
                             "Near",
                             "Nil",
                             "Not",
                             "Object",
                             "Of",
                             "Or",
                             "Out",
                             "Override",
                             "Packed",
                             "Pascal",
                             "Private",
                             "Procedure",
                             "Program",
                             "Protected",
                             "Public",
                             "Published",
                             "Raise",
                             "Record",
                             "Register",
                             "Repeat",
                             "Resourcestring",
                             "Safecall",
                             "Set",
                             "Shl",
                             "Shr",
                             "Stdcall",
                             "String",
                             "Stringresource",
                             "Then",
                             "Threadvar",
                             "To",
                             "Try",
                             "Type",
                             "Unit",
                             "Until",
                             "Uses",
                             "Var",
                             "Virtual",
                             "While",
                             "With",
                             "Xor"})
        keywords_.Add(word, kwPlain);
    for (const char* word : {"Read", "Write", "Index", "Stored", "Readonly", "Writeonly", "Nodefault"})
        keywords_.Add(word, kwPropertyOnly);
    keywords_.Add("overload", kwD4);
    keywords_.Add("Reintroduce", kwD4);
    keywords_.Add("Implements", kwImplements);
    keywords_.Add("Asm", kwAsm);
    keywords_.Add("End", kwEnd);
    keywords_.Add("Property", kwProperty);

    FillProcs<&TPasHighlighter::SymbolProc>();
    SetProc<&TPasHighlighter::NullProc>(0);
    SetProcs<&TPasHighlighter::SpaceProc>(kBedSpaceChars);
    SetProc<&TPasHighlighter::LFProc>('\n');
    SetProc<&TPasHighlighter::CRProc>('\r');
    SetProc<&TPasHighlighter::AsciiCharProc>('#');
    SetProc<&TPasHighlighter::IntegerProc>('$');
    SetProc<&TPasHighlighter::StringProc>('\'');
    SetProc<&TPasHighlighter::RoundOpenProc>('(');
    SetProc<&TPasHighlighter::PointProc>('.');
    SetProc<&TPasHighlighter::SlashProc>('/');
    SetProcs<&TPasHighlighter::NumberProc>("0-9");
    SetProcs<&TPasHighlighter::ColonOrGreaterProc>(":>");
    SetProc<&TPasHighlighter::SemicolonProc>(';');
    SetProc<&TPasHighlighter::LowerProc>('<');
    SetProc<&TPasHighlighter::AddressOpProc>('@');
    SetProcs<&TPasHighlighter::IdentProc>("A-Z_a-z");
    SetProc<&TPasHighlighter::BraceOpenProc>('{');
    SetProcs<&TPasHighlighter::UnknownProc>("|\x7F-\xFF");
}

bool TPasHighlighter::IsDefaultFilterSaved() const { return DefaultFilter() != kBedPasLanguage.defaultFilter; }

int TPasHighlighter::TokenKind() const {
    // Inside an assembler block everything but comments and blanks is assembler, except
    // the keyword that opened the block.
    if (range_ == rsAsm && !asmStart_ && kind_ != tkNull && kind_ != tkComment && kind_ != tkSpace) return tkAsm;
    return kind_;
}

void TPasHighlighter::NextToken() {
    asmStart_ = false;
    Start();
    switch (range_) {
        case rsAnsi:
        case rsAnsiAsm: AnsiProc(); break;
        case rsBor:
        case rsBorAsm: BorProc(); break;
        default: Dispatch();
    }
}

// A "(*" comment from the position to "*)" or the end of the line.
void TPasHighlighter::AnsiProc() {
    switch (Ch()) {
        case 0: NullProc(); return;
        case '\n': LFProc(); return;
        case '\r': CRProc(); return;
    }
    kind_ = tkComment;
    if (SkipPast("*)")) range_ = range_ == rsAnsiAsm ? rsAsm : rsUnknown;
}

// A "{" comment from the position to "}" or the end of the line.
void TPasHighlighter::BorProc() {
    switch (Ch()) {
        case 0: NullProc(); return;
        case '\n': LFProc(); return;
        case '\r': CRProc(); return;
    }
    kind_ = tkComment;
    if (SkipPast("}")) range_ = range_ == rsBorAsm ? rsAsm : rsUnknown;
}

void TPasHighlighter::BraceOpenProc() {
    range_ = range_ == rsAsm ? rsBorAsm : rsBor;
    BorProc();
}

void TPasHighlighter::RoundOpenProc() {
    if (Ch(1) == '*') {
        range_ = range_ == rsAsm ? rsAnsiAsm : rsAnsi;
        Token(tkComment, 2);
        if (!AtLineBreak()) AnsiProc();
    } else {
        Token(tkSymbol, Ch(1) == '.' ? 2 : 1);
    }
}

void TPasHighlighter::AsciiCharProc() {
    ++run_;
    SkipWhile(kBedDigits);
    kind_ = tkString;
}

void TPasHighlighter::IntegerProc() {
    ++run_;
    SkipWhile(kBedHexDigits);
    kind_ = tkNumber;
}

void TPasHighlighter::NumberProc() {
    ++run_;
    for (;;) {
        const unsigned char c = Ch();
        if (kBedDigits[c] || c == 'E' || c == 'e' || (c == '.' && Ch(1) != '.'))
            ++run_;
        else
            break;
    }
    kind_ = tkNumber;
}

void TPasHighlighter::StringProc() {
    SkipString('\'', {.doubledInside = true});
    kind_ = tkString;
}

void TPasHighlighter::SlashProc() {
    if (Ch(1) == '/') {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkSymbol, 1);
    }
}

void TPasHighlighter::SemicolonProc() {
    if (range_ == rsProperty) range_ = rsUnknown;
    Token(tkSymbol, 1);
}

void TPasHighlighter::IdentProc() {
    kind_ = IdentKind();
    SkipWhile(kBedWordChars);  // the rest of the word after the letters IdentKind took
}

int TPasHighlighter::IdentKind() {
    // The candidate is the run of letters; a digit or "_" right after it makes it one longer,
    // so that "End1" or "End_" cannot equal "End".
    const unsigned char* text = p_ + run_;
    const int hash = SkipSumming(kBedLetters, kBedLetterValues, kKeywordSlots);
    int length = static_cast<int>(p_ + run_ - text);
    if (kBedDigits[text[length]] || text[length] == '_') ++length;
    const int tag = keywords_.Find(hash, text, length);
    switch (tag) {
        case kwPlain: return tkKey;
        case kwPropertyOnly: return range_ == rsProperty ? tkKey : tkIdentifier;
        case kwD4: return d4syntax_ ? tkKey : tkIdentifier;
        case kwImplements: return range_ == rsProperty && d4syntax_ ? tkKey : tkIdentifier;
        case kwAsm:
            range_ = rsAsm;
            asmStart_ = true;
            return tkKey;
        case kwEnd: range_ = rsUnknown; return tkKey;
        case kwProperty: range_ = rsProperty; return tkKey;
        default: return tkIdentifier;
    }
}

void TPasHighlighter::ListIdeVersions(std::vector<std::string>& list) {
    list = BedListIdeVersions(BedDefaultSettingsStore(), kIdeScheme);
}

bool TPasHighlighter::ApplyIdeColours(int index) {
    return BedApplyIdeColours(BedDefaultSettingsStore(), kIdeScheme, index,
                              {{AsmAttri, "Assembler"},
                               {CommentAttri, "Comment"},
                               {IdentifierAttri, "Identifier"},
                               {KeyAttri, "Reserved word"},
                               {NumberAttri, "Number"},
                               {SpaceAttri, "Whitespace"},
                               {StringAttri, "string"},
                               {SymbolAttri, "Symbol"}});
}
