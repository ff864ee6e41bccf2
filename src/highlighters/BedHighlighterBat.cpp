#include "BedHighlighterBat.h"

namespace {

// Keyword hashes run up to 130 ("errorlevel").
constexpr int kKeywordSlots = 131;

constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9");

constexpr TBedAttributeSpec kAttributes[] = {
    {"CommentAttri", "Comment", fsItalic, 0x800000}, {"IdentifierAttri", "Identifier"},
    {"KeyAttri", "Key", fsBold}, {"NumberAttri", "Number", 0, 0xFF0000},
    {"SpaceAttri", "Space"}, {"VariableAttri", "Variable", 0, 0x008000}};

constexpr const char* kKeywords[] = {
    "if", "do", "in", "call", "echo", "rem", "for", "set", "not",
    "goto", "shift", "pause", "exist", "errorlevel"};
constexpr TBedKeywordList kWords[] = {{TBatHighlighter::tkKey, kKeywords}};

}  // namespace

std::span<const TBedKeywordList> BedBatKeywords() { return kWords; }

constinit const TBedLanguage kBedBatLanguage = {
    .className = "TBatHighlighter", .create = &BedCreate<TBatHighlighter>,
    .languageName = "MS-DOS Batch Language", .attributes = kAttributes,
    .defaultFilter = "MS-DOS Batch Files (*.bat)|*.bat",
    .mainWindow = {"hl_bat", "BAT1", "BAT", ".BAT"}};

TBatHighlighter::TBatHighlighter(void*)
    : TBedScannerHighlighter(kBedBatLanguage, tkNull),
      keywords_(kBedLetterValues, kKeywordSlots, false) {
    BindAttributes({{&CommentAttri, "CommentAttri"}, {&IdentifierAttri, "IdentifierAttri"},
                    {&KeyAttri, "KeyAttri"}, {&NumberAttri, "NumberAttri"},
                    {&SpaceAttri, "SpaceAttri"}, {&VariableAttri, "VariableAttri"}});
    SetKindAttributes({CommentAttri, IdentifierAttri, KeyAttri, nullptr, NumberAttri, SpaceAttri,
                       IdentifierAttri, VariableAttri});
    HookAttributeChanges();

    keywords_.Add(BedBatKeywords());

    FillProcs(&TBatHighlighter::UnknownProc);
    SetBlankProcs(tkSpace);
    SetProc('%', &TBatHighlighter::VariableProc);
    SetProcs("0-9", &TBatHighlighter::NumberProc);
    SetProc(':', &TBatHighlighter::ColonProc);
    SetProcs("A-Z_a-z", &TBatHighlighter::IdentProc);
    SetProcs("Rr", &TBatHighlighter::REMProc);
}

void TBatHighlighter::NextToken() {
    Start();
    Dispatch();
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

void TBatHighlighter::IdentProc() {
    SkipWhile(kBedWordChars);
    kind_ = keywords_.Find(p_ + tokenPos_, run_ - tokenPos_) == tkKey ? tkKey : tkIdentifier;
}
