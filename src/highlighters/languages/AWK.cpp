// AWK scripts: reserved words, internal functions and system values from one sorted list,
// matched in the exact letter case of the list; "next file" as one reserved word; "#"
// comments; strings closed only by a double quote that no backslash escapes.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace {

constexpr TBedCharFlags kAlphanumerics = BedCharFlags("0-9A-Za-z");
constexpr TBedCharFlags kBeforeFile = [] {
    TBedCharFlags t{};
    for (int c = 0; c < '!'; ++c) t[c] = true;
    t[';'] = true;
    return t;
}();

class TAWKHighlighter : public TBedScannerHighlighter<TAWKHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkInterFunc,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkString,
        tkSymbol,
        tkSysVar,
        tkNext  // only in the word list: "next", which may take a following "file"
    };

    TAWKHighlighter();

    // Comment, reserved word and space only: no identifier or string attribute is standard.
    TBedHighlighterAttributes* StandardAttribute(int kind) const override {
        return kind == 0 || kind == 2 || kind == 4 ? TBedScannerHighlighter::StandardAttribute(kind) : nullptr;
    }

private:
    void CommentProc() { ScanRestOfLine(tkComment); }
    void StringProc();
    void DollarProc();
    void NumberProc() { ScanRun(tkNumber, kBedDigits); }
    void WordProc();
    void IdentProc() { Token(tkIdentifier, 1); }
    // "?:", "||" and "&&" are symbols; the first character alone is not.
    void PairProc(unsigned char second) {
        if (Ch(1) == second)
            Token(tkSymbol, 2);
        else
            Token(tkIdentifier, 1);
    }
    void QuestionProc() { PairProc(':'); }
    void DoubledProc() { PairProc(Ch()); }
    void SymbolProc() { Token(tkSymbol, 1); }

    TBedSortedKeywords words_;
    // Bit n of the entry of a character: some word of n letters starts with it. Most
    // identifiers fail this test and need no search.
    std::array<uint32_t, 256> lengthsByFirst_{};
};

constexpr const char* kNext[] = {"next"};
constexpr const char* kSystemValues[] = {
    "ARGC",       "ARGIND", "ARGV", "CONVFMT", "ENVIRON", "ERRNO", "FIELDWIDTH", "FILENAME", "FNR",    "FS",
    "IGNORECASE", "NF",     "NR",   "OFMT",    "OFS",     "ORS",   "RLENGTH",    "RS",       "RSTART", "SUBSEP"};
// "atan2" never matches: the digit ends the word before it.
constexpr const char* kInternalFunctions[] = {
    "atan2",   "close",    "cos", "delete", "exp",    "gsub",    "index",   "int",    "jindex",  "jlength",
    "jsubstr", "length",   "log", "match",  "printf", "rand",    "sin",     "split",  "sprintf", "sqrt",
    "srand",   "strftime", "sub", "substr", "system", "systime", "tolower", "toupper"};
constexpr const char* kReservedWords[] = {"BEGIN", "break",    "continue", "do", "else",  "END",    "exit",
                                          "for",   "function", "getline",  "if", "print", "return", "while"};
constexpr TBedKeywordList kKeywords[] = {{TAWKHighlighter::tkNext, kNext},
                                         {TAWKHighlighter::tkSysVar, kSystemValues},
                                         {TAWKHighlighter::tkInterFunc, kInternalFunctions},
                                         {TAWKHighlighter::tkKey, kReservedWords}};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", 0, 0xFF0000},
                                            {"IdentifierAttri", "Identifier"},
                                            {"InterFuncAttri", "Internal function", fsBold, 0x408080},
                                            {"KeyAttri", "Reserved word", fsBold, 0xFF0080},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String", 0, 0x808000},
                                            {"SymbolAttri", "Symbol", fsBold},
                                            {"SysVarAttri", "System value", fsBold, 0x0080FF}};
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "InterFuncAttri", "KeyAttri",    nullptr,
                                  "NumberAttri",  "SpaceAttri",      "StringAttri",    "SymbolAttri", "SysVarAttri"};
static_assert(std::size(kKinds) == TAWKHighlighter::tkSysVar + 1);

}  // namespace

constinit const TBedLanguage kBedAWKLanguage = {
    .className = "TAWKHighlighter",
    .create = &BedCreate<TAWKHighlighter>,
    .languageName = "AWK Script",
    .attributes = kAttributes,
    .kinds = kKinds,
    .keywords = kKeywords,
    .defaultFilter = "AWK Script (*.awk)|*.awk",
    .wordCharacters = "0-9A-Za-z",
    .mainWindow = {"hl_awk", "AWK1", "AWK", ".AWK", kBedNumberBlueStringRedItalic}};

TAWKHighlighter::TAWKHighlighter() : TBedScannerHighlighter(kBedAWKLanguage, tkNull) {
    std::vector<std::pair<std::string, int>> words;
    for (const TBedKeywordList& list : kKeywords)
        for (const char* w : list.words) {
            words.emplace_back(w, list.kind);
            lengthsByFirst_[static_cast<unsigned char>(*w)] |= 1u << words.back().first.size();
        }
    words_.Assign(std::move(words));

    FillProcs<&TAWKHighlighter::SymbolProc>();
    SetBlankProcs(tkSpace);
    SetProc<&TAWKHighlighter::CommentProc>('#');
    SetProcs<&TAWKHighlighter::StringProc>("\"'");
    SetProc<&TAWKHighlighter::DollarProc>('$');
    SetProcs<&TAWKHighlighter::NumberProc>("0-9");
    SetProcs<&TAWKHighlighter::WordProc>("A-Za-z");
    SetProcs<&TAWKHighlighter::IdentProc>("()[]");
    SetOperators(tkSymbol, {"++", "+=", "+",  "--", "-=", "-", "%=", "%", "*=", "*",  "/=", "/",
                            "<=", "<",  "==", "=",  ">=", ">", "^=", "^", "!=", "!~", "!"});
    SetProc<&TAWKHighlighter::QuestionProc>('?');
    SetProcs<&TAWKHighlighter::DoubledProc>("|&");
}

// A "'" opens a string but never closes one; a control character or the line's end before the
// closing quote leaves an unfinished string drawn as an identifier.
void TAWKHighlighter::StringProc() {
    for (++run_;; ++run_) {
        const unsigned char c = Ch();
        if (c < ' ') {
            kind_ = tkIdentifier;
            return;
        }
        if (c == '"' && Ch(-1) != '\\') {
            Token(tkString, 1);
            return;
        }
    }
}

// "$1" is a field; "$12" or "$NF" is a "$" and what follows it.
void TAWKHighlighter::DollarProc() {
    if (kBedDigits[Ch(1)] && !kAlphanumerics[Ch(2)])
        Token(tkSymbol, 2);
    else
        Token(tkIdentifier, 1);
}

void TAWKHighlighter::WordProc() {
    const int start = run_;
    SkipWhile(kBedLetters);
    const int length = run_ - start;
    const int kind =
        length < 32 && (lengthsByFirst_[p_[start]] >> length & 1)
            ? words_.Find(std::string_view(line_).substr(static_cast<size_t>(start), static_cast<size_t>(length)))
            : -1;
    if (kind != tkNext) {
        kind_ = kind < 0 ? tkIdentifier : kind;
        return;
    }
    // "next", blanks (spaces only), "file" and then a control character, a blank or a ";"
    // make one reserved word.
    kind_ = tkKey;
    const int end = run_;
    while (Ch() == ' ') ++run_;
    if (run_ > end && LookingAt("file") && kBeforeFile[Ch(4)])
        run_ += 4;
    else
        run_ = end;
}
