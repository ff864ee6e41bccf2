// MS-DOS batch files: "rem" and "::" comments, "%" parameters and fourteen keywords found by the
// sum of their letter values (case ignored). No range state.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterList.h"
#include "BedHighlighterScanner.h"

namespace {

// Keyword hashes run up to 130 ("errorlevel").
constexpr int kKeywordSlots = 131;

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9");

class TBatHighlighter : public TBedScannerHighlighter<TBatHighlighter> {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkUnknown, tkVariable };

    TBatHighlighter();

private:
    void VariableProc();
    void NumberProc();
    void ColonProc();
    void REMProc();
    void IdentProc() { ScanWord(kBedWordChars, keywords_, tkKey, tkIdentifier); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedSumHashKeywords keywords_;
};

constexpr const char* kWords[] = {"if",  "do",  "in",   "call",  "echo",  "rem",   "for",
                                  "set", "not", "goto", "shift", "pause", "exist", "errorlevel"};
constexpr TBedKeywordList kKeywords[] = {{TBatHighlighter::tkKey, kWords}};

constexpr TBedAttributeRow kAttributes[] = {{"CommentAttri", "Comment", fsItalic, 0x800000},
                                            {"IdentifierAttri", "Identifier"},
                                            {"KeyAttri", "Key", fsBold},
                                            {"NumberAttri", "Number", 0, 0xFF0000},
                                            {"SpaceAttri", "Space"},
                                            {"VariableAttri", "Variable", 0, 0x008000}};
constexpr const char* kKinds[] = {"CommentAttri", "IdentifierAttri", "KeyAttri",        nullptr,
                                  "NumberAttri",  "SpaceAttri",      "IdentifierAttri", "VariableAttri"};
static_assert(std::size(kKinds) == TBatHighlighter::tkVariable + 1);

}  // namespace

constinit const TBedLanguage kBedBatLanguage = {.className = "TBatHighlighter",
                                                .create = &BedCreate<TBatHighlighter>,
                                                .languageName = "MS-DOS Batch Language",
                                                .attributes = kAttributes,
                                                .kinds = kKinds,
                                                .keywords = kKeywords,
                                                .defaultFilter = "MS-DOS Batch Files (*.bat)|*.bat",
                                                .mainWindow = {"hl_bat", "BAT1", "BAT", ".BAT"}};

TBatHighlighter::TBatHighlighter()
    : TBedScannerHighlighter(kBedBatLanguage, tkNull), keywords_(kBedLetterValues, kKeywordSlots, false) {
    keywords_.Add(kKeywords);

    FillProcs<&TBatHighlighter::UnknownProc>();
    SetBlankProcs(tkSpace);
    SetProc<&TBatHighlighter::VariableProc>('%');
    SetProcs<&TBatHighlighter::NumberProc>("0-9");
    SetProc<&TBatHighlighter::ColonProc>(':');
    SetProcs<&TBatHighlighter::IdentProc>("A-Z_a-z");
    SetProcs<&TBatHighlighter::REMProc>("Rr");
}

// "%" and the digits after it: "%1" is a parameter, while "%PATH%" is "%", a word and "%".
void TBatHighlighter::VariableProc() {
    ++run_;
    SkipWhile(kBedDigits);
    kind_ = tkVariable;
}

void TBatHighlighter::NumberProc() {
    ++run_;
    SkipWhile(kNumberChars);
    kind_ = tkNumber;
}

void TBatHighlighter::ColonProc() {
    if (Ch(1) == ':') {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkIdentifier, 1);
    }
}

// Any word that begins with "rem" comments out the rest of the line; another "r" is a word of
// its own, and the scan goes on after it.
void TBatHighlighter::REMProc() {
    if ((Ch(1) | 0x20) == 'e' && (Ch(2) | 0x20) == 'm') {
        SkipToLineEnd();
        kind_ = tkComment;
    } else {
        Token(tkIdentifier, 1);
    }
}
