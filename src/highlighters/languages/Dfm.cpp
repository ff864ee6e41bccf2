// Form definitions in text form: "object" and "end" as keywords, strings with "''" inside and
// "#13" character codes, decimal and "$" hexadecimal numbers, and "{ }" blocks of binary data,
// which may span lines, drawn as comments. No other keywords.
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

constexpr TBedCharFlags kNumberChars = BedCharFlags("0-9Ee");

class TDfmHighlighter : public TBedScannerHighlighter<TDfmHighlighter> {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol, tkUnknown };
    enum RangeStates { rsBraceBlock = 1, rsNormal };

    TDfmHighlighter();
    static constexpr bool kResumesMidLine = true;

    void NextToken() override;

private:
    void CharCodeProc() { ScanRun(tkString, kBedDigits); }
    void HexNumberProc() { ScanRun(tkNumber, kBedHexDigits); }
    void StringProc() {
        SkipString('\'', {.doubledInside = true});
        kind_ = tkString;
    }
    void NumberProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void IdentProc() { Word({}); }
    void EndProc() { Word("end"); }
    void ObjectProc() { Word("object"); }
    void Word(std::string_view keyword);
    void BraceOpenProc() {
        range_ = rsBraceBlock;
        BraceBlockProc();
    }
    void BraceBlockProc();
    void BraceCloseProc() {
        range_ = rsNormal;
        Token(tkIdentifier, 1);
    }
    void UnknownProc() { Token(tkUnknown, 1); }
};

// The "Symbol" attribute is registered but not published.
constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Key", fsBold},
                                            {"NumberAttri", "Number"},
                                            {"SpaceAttri", "Space"},
                                            {"StringAttri", "String"},
                                            {"", "Symbol"}};
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri", nullptr,          "NumberAttri",
                                  "SpaceAttri",   "StringAttri",     "",         "IdentifierAttri"};
static_assert(std::size(kKinds) == TDfmHighlighter::tkUnknown + 1);

}  // namespace

constinit const TBedLanguage kBedDfmLanguage = {
    .className = "TDfmHighlighter",
    .create = &BedCreate<TDfmHighlighter>,
    .languageName = "Delphi/C++ Builder Form Definitions",
    .attributes = kAttributes,
    .kinds = kKinds,
    .initialRange = TDfmHighlighter::rsNormal,
    .defaultFilter = "Delphi/C++ Builder Form Files (*.dfm)|*.dfm",
    .mainWindow = {"hl_dfm", "DFM1", "DFM", ".DFM", kBedNumberBlueStringRedItalic, nullptr, false}};

TDfmHighlighter::TDfmHighlighter() : TBedScannerHighlighter(kBedDfmLanguage, tkNull) {
    FillProcs<&TDfmHighlighter::UnknownProc>();
    SetBlankProcs(tkSpace);
    SetProc<&TDfmHighlighter::CharCodeProc>('#');
    SetProc<&TDfmHighlighter::HexNumberProc>('$');
    SetProc<&TDfmHighlighter::StringProc>('\'');
    SetProcs<&TDfmHighlighter::NumberProc>("0-9");
    SetProcs<&TDfmHighlighter::SymbolProc>("(),./<=>[]");
    SetProcs<&TDfmHighlighter::IdentProc>("A-Z_a-z");
    SetProcs<&TDfmHighlighter::EndProc>("Ee");
    SetProcs<&TDfmHighlighter::ObjectProc>("Oo");
    SetProc<&TDfmHighlighter::BraceOpenProc>('{');
    SetProc<&TDfmHighlighter::BraceCloseProc>('}');
}

void TDfmHighlighter::NextToken() {
    Start();
    if (range_ == rsBraceBlock && Ch() != 0)
        BraceBlockProc();
    else
        Dispatch();
}

// "1.5" is the two numbers "1." and "5"; before ".." the number ends ahead of the dots.
void TDfmHighlighter::NumberProc() {
    ScanRun(tkNumber, kNumberChars);
    if (Ch() == '.' && Ch(1) != '.') ++run_;
}

// The run of word characters: the keyword when it is exactly that word in any case.
void TDfmHighlighter::Word(std::string_view keyword) {
    const bool isKeyword =
        !keyword.empty() && LookingAtIgnoringCase(keyword) && !kBedWordChars[Ch(static_cast<int>(keyword.size()))];
    SkipWhile(kBedWordChars);
    kind_ = isKeyword ? tkKey : tkIdentifier;
}

// The first character belongs to the block unexamined: the "{" itself, or whatever starts a
// continuation line, a "}" included.
void TDfmHighlighter::BraceBlockProc() {
    ++run_;
    if (SkipPast("}")) range_ = rsNormal;
    kind_ = tkComment;
}
