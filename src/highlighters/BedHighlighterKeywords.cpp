#include "BedHighlighterKeywords.h"

#include <algorithm>
#include <stdexcept>

TBedSumHashKeywords::TBedSumHashKeywords(const TBedCharValues& values, int slots, bool exact)
    : values_(values), exact_(exact), slots_(static_cast<size_t>(slots)) {}

int TBedSumHashKeywords::Hash(const unsigned char* text, int length) const {
    int hash = 0;
    for (int i = 0; i < length; ++i)
        hash += values_[text[i]];
    return hash;
}

void TBedSumHashKeywords::Add(std::string_view keyword, int tag) {
    const int hash = Hash(reinterpret_cast<const unsigned char*>(keyword.data()),
                          static_cast<int>(keyword.size()));
    if (hash >= Slots())
        throw std::logic_error("keyword " + std::string(keyword) + " hashes beyond the table");
    slots_[static_cast<size_t>(hash)].push_back({std::string(keyword), tag});
}

int TBedSumHashKeywords::Find(int hash, const unsigned char* text, int length) const {
    if (hash < 0 || hash >= Slots())
        return -1;
    for (const Entry& e : slots_[static_cast<size_t>(hash)]) {
        if (static_cast<int>(e.word.size()) != length)
            continue;
        int i = 0;
        if (exact_) {
            while (i < length && text[i] == static_cast<unsigned char>(e.word[i]))
                ++i;
        } else {
            while (i < length && values_[text[i]] == values_[static_cast<unsigned char>(e.word[i])])
                ++i;
        }
        if (i == length)
            return e.tag;
    }
    return -1;
}

void TBedHashedKeywords::AddKeyword(const std::string& word, int kind) {
    const auto* text = reinterpret_cast<const unsigned char*>(word.data());
    const int length = static_cast<int>(word.size());
    entries_.AddEntry(Hash(text, length), std::make_unique<TBedHashEntry>(word, kind));
}

void TBedSortedKeywords::Assign(std::vector<std::pair<std::string, int>> words) {
    std::stable_sort(words.begin(), words.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    words.erase(std::unique(words.begin(), words.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                words.end());
    words_ = std::move(words);
}

int TBedSortedKeywords::Find(std::string_view word) const {
    auto it = std::lower_bound(words_.begin(), words_.end(), word,
                               [](const auto& e, std::string_view w) { return e.first < w; });
    return it != words_.end() && it->first == word ? it->second : -1;
}
