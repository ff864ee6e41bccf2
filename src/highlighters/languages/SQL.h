#pragma once
// SQL in seven dialects. The dialect's keywords, each with its token kind, sit in a hashed
// keyword table (multiplying hash, case ignored) that is reloaded when the dialect changes.
// Block comments and strings opened by "'" carry on to the next line as range states.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <span>

enum TSQLDialect : uint8_t { sqlStandard, sqlInterbase6, sqlMSSQL7, sqlMySQL, sqlOracle, sqlSybase, sqlIngres };

class TSQLHighlighter : public TBedScannerHighlighter<TSQLHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkDatatype,
        tkDefaultPackage,
        tkException,
        tkFunction,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkSpace,
        tkPLSQL,
        tkSQLPlus,
        tkString,
        tkSymbol,
        tkUnknown,
        tkVariable
    };
    enum RangeStates { rsUnknown, rsComment, rsString };

    TSQLHighlighter();

    TSQLDialect SQLDialect() const { return dialect_; }
    // A new dialect reloads the keyword table and the word characters and tells the attached
    // editors; the current one changes nothing.
    void SetSQLDialect(TSQLDialect value);
    const TBedHashEntryList& KeywordTable() const { return keywords_.Entries(); }

    // Data types, default packages, exceptions, functions, reserved and PL/SQL words.
    bool IsKeywordText(const std::string& text) override;
    void NextToken() override;

private:
    static void AddKeyword(TBedCustomHighlighter* hl, const std::string& word, int kind);

    void ContinueString();
    void DoubleQuoteProc();
    void QuoteProc();
    void MinusProc();
    void SlashProc();
    void NumberProc();
    void VariableProc();
    void IdentProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TBedHashedKeywords keywords_;
    const TBedCharFlags* identChars_;
    TSQLDialect dialect_ = sqlStandard;  // nothing loaded until the constructor's switch
};

// The keyword texts of a dialect (SQLDialects.cpp): comma-separated words, each text of one
// token kind.
struct TBedSQLKeywordText {
    int kind;  // a TSQLHighlighter token kind
    const char* text;
};
std::span<const TBedSQLKeywordText> BedSQLKeywordTexts(TSQLDialect dialect);
