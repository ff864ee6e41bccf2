#pragma once
// Scanning helpers for the highlighter tests.
#include "BedHighlighterLanguage.h"

#include <string_view>

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct TScannedToken {
    int start;
    std::string text;
    int kind;
    std::string attribute;  // "-" when the token has none
    friend bool operator==(const TScannedToken&, const TScannedToken&) = default;
};

// The tokens of one line, scanned from the highlighter's current range.
std::vector<TScannedToken> ScanLine(TBedCustomHighlighter& hl, const std::string& line, int index = 0);
// Just the token texts of one line scanned from a cleared range.
std::vector<std::string> Texts(TBedCustomHighlighter& hl, const std::string& line);
// The token texts of a line scanned from the highlighter's current range.
std::vector<std::string> TextsFromRange(TBedCustomHighlighter& hl, const std::string& line);
// "text/kind" for each token of a line scanned from a cleared range.
std::vector<std::string> TextKinds(TBedCustomHighlighter& hl, const std::string& line);

// The same from the given start range, as for a line that continues an earlier one.
std::vector<std::string> TextKindsFrom(TBedCustomHighlighter& hl, TBedRange range, const std::string& line);
// Counts how often a highlighter tells its editors of a change.
struct TChangeCount {
    explicit TChangeCount(TBedCustomHighlighter& hl) {
        hl.AddChangeHandler(TBedNotifyEvent::Of<&TChangeCount::Changed>(this));
    }
    void Changed(void*) { ++fired; }
    int fired = 0;
};

// The kind of the one token a word scans as from a cleared range, or -1 when it makes more
// than one token.
int WordKind(TBedCustomHighlighter& hl, const std::string& word);
// The word with its last character changed ("_" in place of a letter or digit, "Q" in place
// of "_"): one letter off.
std::string OneLetterOff(std::string word);
// The word with its letters a-z and A-Z swapped to the other case.
std::string SwapCase(std::string word);
// Each word of the list, alone on a line, is one token of its kind (in upper and lower case
// as well when caseIgnored, in no other spelling otherwise); the word one letter off (two
// neighbouring letters swapped, which keeps a letter sum; the last letter changed; a letter
// added) is not, unless it is a word of the list too. With before, each word follows that
// text on its line.
void ExpectKeywordList(TBedCustomHighlighter& hl, const std::vector<std::pair<std::string, int>>& words,
                       bool caseIgnored, const std::string& before = {});
// The same for the lists of a language's facts.
void ExpectKeywordList(TBedCustomHighlighter& hl, std::span<const TBedKeywordList> lists, bool caseIgnored,
                       const std::string& before = {});

// Scans tests/data/highlighters/<sample> three ways that must agree: the whole file from the
// top, every line alone from its stored start state (bottom to top), and every line followed
// by CR LF. The tokens must equal <golden or sample>.tokens; a mismatch writes a .new file
// beside it for review.
void CheckGolden(TBedCustomHighlighter& hl, const std::string& sample, const std::string& golden = {});

// A new highlighter of the class of that name (e.g. "TCppHighlighter") from the list of
// classes: most classes are seen only through it.
std::unique_ptr<TBedCustomHighlighter> NewHighlighter(std::string_view className);
// The facts of the highlighter's class.
const TBedLanguage& LanguageOf(const TBedCustomHighlighter& hl);
// Every word of the keyword lists of the highlighter's facts, in their order.
std::vector<std::string> KeywordsOf(const TBedCustomHighlighter& hl);
// The attribute the highlighter publishes as the property, e.g. "KeyAttri".
TBedHighlighterAttributes* Attr(const TBedCustomHighlighter& hl, std::string_view property);

// The main window's instance as its own class.
template <class THighlighter>
std::unique_ptr<THighlighter> CreateInstanceAs(const TBedLanguage& language, const TBedMainWindowInstance& instance) {
    std::unique_ptr<TBedCustomHighlighter> hl = BedCreateInstance(language, instance);
    if (!dynamic_cast<THighlighter*>(hl.get()))
        throw std::logic_error(std::string(instance.name) + " is not of the asked class");
    return std::unique_ptr<THighlighter>(static_cast<THighlighter*>(hl.release()));
}
