#pragma once
// x86 assembler: instruction mnemonics in a hashed keyword table (case ignored), numbers with
// hexadecimal digits and an "h" suffix, double-quoted strings, comments opened by ";", "#" or
// "//". The apostrophe is a symbol, not a string delimiter.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

extern const TBedLanguage kBedAsmLanguage;

class TAsmHighlighter : public TBedScannerHighlighter<TAsmHighlighter>,
                        public TBedStandardAttributeMembers {
public:
    enum TokenKinds { tkComment, tkIdentifier, tkKey, tkNull, tkNumber, tkSpace, tkString, tkSymbol };

    explicit TAsmHighlighter(void* owner = nullptr);
    const char* ClassName() const override { return "TAsmHighlighter"; }

    // The mnemonics as one comma-separated text.
    static const char* const kKeywordText;

private:
    void CommentProc() { ScanRestOfLine(tkComment); }
    void SlashProc();
    // A lone quote at the end of the line is a string of its own.
    void StringProc() {
        SkipString('"', {.tripleOpener = true});
        kind_ = tkString;
    }
    void NumberProc() { ScanRun(tkNumber, kNumberChars); }
    void SymbolProc() { Token(tkSymbol, 1); }
    void IdentProc();
    void UnknownProc() { Token(tkIdentifier, 1); }

    // The callback that fills the keyword table.
    static void AddKeyword(TBedCustomHighlighter* hl, const std::string& word, int kind) {
        static_cast<TAsmHighlighter*>(hl)->keywords_.AddKeyword(word, kind);
    }

    static constexpr TBedCharFlags kNumberChars = BedCharFlags(".0-9A-FHa-fh");

    TBedHashedKeywords keywords_;
};
