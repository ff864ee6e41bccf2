#pragma once
// Scanning helpers for the highlighter tests.
#include "BedHighlighterLanguage.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct TScannedToken {
    int start;
    std::string text;
    int kind;
    std::string attribute;  // "-" when the token has none
    friend bool operator==(const TScannedToken&, const TScannedToken&) = default;
};

// The tokens of one line, scanned from the highlighter's current range.
std::vector<TScannedToken> ScanLine(TBedCustomHighlighter& hl, const std::string& line,
                                    int index = 0);
// Just the token texts of one line scanned from a cleared range.
std::vector<std::string> Texts(TBedCustomHighlighter& hl, const std::string& line);
// "text/kind" for each token of a line scanned from a cleared range.
std::vector<std::string> TextKinds(TBedCustomHighlighter& hl, const std::string& line);

// Scans tests/data/highlighters/<sample> three ways that must agree: the whole file from the
// top, every line alone from its stored start state (bottom to top), and every line followed
// by CR LF. The tokens must equal <golden or sample>.tokens; a mismatch writes a .new file
// beside it for review.
void CheckGolden(TBedCustomHighlighter& hl, const std::string& sample,
                 const std::string& golden = {});

// The main window's instance as its own class.
template <class THighlighter>
std::unique_ptr<THighlighter> CreateInstanceAs(const TBedLanguage& language,
                                               const TBedMainWindowInstance& instance) {
    std::unique_ptr<TBedCustomHighlighter> hl = BedCreateInstance(language, instance);
    if (!dynamic_cast<THighlighter*>(hl.get()))
        throw std::logic_error(std::string(instance.name) + " is not of the asked class");
    return std::unique_ptr<THighlighter>(static_cast<THighlighter*>(hl.release()));
}
