#pragma once
// The spelling checker on hunspell and a system dictionary in UTF-8 (as Debian's Czech one is).
#include "BedSpellChecker.h"
#include "BedSpellDictionary.h"

#include <memory>

class Hunspell;

class TBedHunspellChecker : public TBedSpellChecker {
public:
    // Null when the dictionary can't be read or is not in UTF-8.
    static std::unique_ptr<TBedSpellChecker> Open(const TBedDictionaryFiles& files);
    ~TBedHunspellChecker() override;

    bool Check(std::string_view word) override;
    std::vector<std::string> Suggest(std::string_view word) override;
    void Accept(std::string_view word) override;

private:
    explicit TBedHunspellChecker(std::unique_ptr<Hunspell> hunspell);
    std::unique_ptr<Hunspell> hunspell_;
};
