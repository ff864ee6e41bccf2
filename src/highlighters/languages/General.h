#pragma once
// A highlighter configured by properties instead of code: keywords (a sorted list), comment
// forms, the string delimiter, preprocessor lines and the word characters.
#include "BedHighlighterScanner.h"

#include <string>
#include <vector>

enum TCommentStyle : uint8_t {
    csAnsiStyle = 1,  // (* ... *)
    csPasStyle = 2,   // { ... }
    csCStyle = 4,     // /* ... */
    csAsmStyle = 8,   // ; to the end of the line
    csBasStyle = 16,  // ; to the end of the line
};
using CommentStyles = uint8_t;

enum TStringDelim : uint8_t { sdSingleQuote, sdDoubleQuote };

class TGeneralHighlighter : public TBedScannerHighlighter<TGeneralHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkPreprocessor,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown
    };
    enum RangeStates { rsAnsi = 1, rsPasStyle = 2, rsCStyle = 3, rsUnknown = 4 };

    TGeneralHighlighter();

    TBedHighlighterAttributes* CommentAttri;
    TBedHighlighterAttributes* IdentifierAttri;
    TBedHighlighterAttributes* KeyAttri;
    TBedHighlighterAttributes* NumberAttri;
    TBedHighlighterAttributes* PreprocessorAttri;
    TBedHighlighterAttributes* SpaceAttri;
    TBedHighlighterAttributes* StringAttri;
    TBedHighlighterAttributes* SymbolAttri;

    CommentStyles Comments() const { return comments_; }
    void SetComments(CommentStyles value);
    bool DetectPreprocessor() const { return detectPreprocessor_; }
    void SetDetectPreprocessor(bool value);
    TStringDelim StringDelim() const { return stringDelim_; }
    void SetStringDelim(TStringDelim value);
    // The word characters reported to the editing component, in ascending code order.
    std::string IdentifierChars() const;
    void SetIdentifierChars(const std::string& value);
    // Stored upper-cased, sorted, without duplicates.
    std::vector<std::string> KeyWords() const;
    void SetKeyWords(const std::vector<std::string>& words);

    bool IsKeywordText(const std::string& text) override;
    void NextToken() override;
    bool LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) override;
    bool SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) override;

private:
    void MakeDispatchTable();
    bool IsKeyword(const unsigned char* text, int length) const;
    // The same for a text of that hash (KeyWordHash over its upper-cased bytes).
    bool IsKeyword(const unsigned char* text, int length, uint32_t hash) const;
    void SetKeyWordList(std::vector<std::string> words);  // sorts and drops duplicates
    void ContinueComment();
    void ScanCommentTo(const char* closer);

    void NullProc() { ScanLineEnd(tkNull); }
    void SpaceProc() { ScanSpaces(tkSpace); }
    void LFProc() { ScanLF(tkSpace); }
    void CRProc() { ScanCR(tkSpace); }
    void IdentProc();
    void NumberProc();
    void HexProc();
    void HashProc();
    void StringProc();
    void RoundOpenProc();
    void BraceOpenProc();
    void SlashProc();
    void SemicolonProc();
    void UnknownProc() { Token(tkUnknown, 1); }

    CommentStyles comments_ = 0;
    bool detectPreprocessor_ = false;
    TStringDelim stringDelim_ = sdSingleQuote;
    unsigned char stringDelimCh_ = '\'';
    std::vector<std::string> keyWords_;
    // The same words in an open-addressed table by a hash of their bytes, which a text is
    // looked up by as its upper-cased bytes (a stored word that is not upper-case then never
    // matches); the set of first characters and the longest length refuse most words at once.
    std::vector<int> keyWordSlots_ = std::vector<int>(8, -1);  // into keyWords_, -1 free
    size_t longestKeyWord_ = 0;
    std::bitset<256> keyWordFirsts_;
};

// What the main window's word-list instances share: no comment styles, no preprocessor
// lines, every character from 33 to 255 in words, and the given keywords.
TGeneralHighlighter& BedConfigureWordList(TBedCustomHighlighter& instance, const std::vector<std::string>& words);
