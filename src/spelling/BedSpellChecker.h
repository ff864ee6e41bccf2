#pragma once
// What the editor asks of a spelling checker, in the text's own code page, CP 1250. Qt-free.
#include <string>
#include <string_view>
#include <vector>

class TBedSpellChecker {
public:
    virtual ~TBedSpellChecker() = default;
    virtual bool Check(std::string_view word) = 0;
    // The checker's suggestions, best first; only those CP 1250 can hold.
    virtual std::vector<std::string> Suggest(std::string_view word) = 0;
    // The word counts as correct from now on (with its inflected forms where the checker knows).
    virtual void Accept(std::string_view word) = 0;
};
