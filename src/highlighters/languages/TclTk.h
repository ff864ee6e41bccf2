#pragma once
// Tcl/Tk; words of two editable keyword lists, kept upper-cased and sorted by bytes, and found
// as their upper-cased forms would be. "#" and "/" open comments to the end of the line.
#include "BedHighlighterKeywords.h"
#include "BedHighlighterScanner.h"

#include <string>
#include <vector>

// The 147 words the class and the main window's instance start with.
std::vector<std::string> BedTclTkKeyWords();

class TTclTkHighlighter : public TBedScannerHighlighter<TTclTkHighlighter> {
public:
    enum TokenKinds {
        tkComment,
        tkIdentifier,
        tkKey,
        tkNull,
        tkNumber,
        tkSecondKey,
        tkSpace,
        tkString,
        tkSymbol,
        tkUnknown
    };
    // Comments closed by "*)", "}" and "*/": no scan enters them, a restored range may.
    enum RangeStates { rsUnknown, rsAnsi, rsPasStyle, rsCStyle };

    TTclTkHighlighter();

    // Sorted by bytes, without duplicates.
    std::vector<std::string> KeyWords() const { return WordsOf(keyWords_); }
    std::vector<std::string> SecondKeyWords() const { return WordsOf(secondKeyWords_); }
    // Upper-case the given words themselves (a-z only), keep a sorted copy and tell the
    // attached editors.
    void SetKeyWords(std::vector<std::string>& words);
    void SetSecondKeyWords(std::vector<std::string>& words);

    bool IsKeywordText(const std::string& text) override;
    void NextToken() override;
    bool LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) override;
    bool SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key) override;

private:
    // A list as kept, and an index of the same words for looking them up without copying
    // and upper-casing each word first: it compares the letters a-z as their capitals.
    struct TWordList {
        TBedSortedKeywords sorted;
        TBedHashedKeywords index;
    };
    static std::vector<std::string> WordsOf(const TWordList& list);
    void SetList(TWordList& list, std::vector<std::string>& words);
    int WordKind(const unsigned char* text, int length);

    void ContinueComment();
    void CommentProc();
    void StringProc();
    void NumberProc();
    void IdentProc();
    void SymbolProc() { Token(tkSymbol, 1); }
    void UnknownProc() { Token(tkUnknown, 1); }

    TWordList keyWords_;
    TWordList secondKeyWords_;
};
