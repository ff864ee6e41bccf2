#include "BedHighlighterKeywords.h"

#include <algorithm>
#include <stdexcept>

TBedSumHashKeywords::TBedSumHashKeywords(const TBedCharValues& values, int slots, bool exact)
    : values_(values), exact_(exact), slots_(static_cast<size_t>(slots)) {}

int TBedSumHashKeywords::Hash(const unsigned char* text, int length) const {
    // Past the last slot no keyword can match any more: stopping there keeps a run of any
    // length from overflowing the sum.
    const int last = Slots() - 1;
    int hash = 0;
    for (int i = 0; i < length && hash <= last; ++i) hash += values_[text[i]];
    return hash;
}

void TBedSumHashKeywords::Add(std::string_view keyword, int tag) {
    AddAt(Hash(reinterpret_cast<const unsigned char*>(keyword.data()), static_cast<int>(keyword.size())), keyword, tag);
}

void TBedSumHashKeywords::AddAt(int hash, std::string_view keyword, int tag) {
    if (hash < 0 || hash >= Slots())
        throw std::logic_error("keyword " + std::string(keyword) + " hashes beyond the table");
    std::string key(keyword);
    if (!exact_)
        for (char& c : key) c = static_cast<char>(values_[static_cast<unsigned char>(c)]);
    Slot& slot = slots_[static_cast<size_t>(hash)];
    slot.lengths |= 1u << LengthBit(static_cast<int>(key.size()));
    slot.entries.push_back({std::move(key), tag});
}

void TBedHashedKeywords::AddKeyword(const std::string& word, int kind) {
    const auto* text = reinterpret_cast<const unsigned char*>(word.data());
    const int length = static_cast<int>(word.size());
    entries_.AddEntry(Hash(text, length), std::make_unique<TBedHashEntry>(word, kind));
}

void TBedSortedKeywords::Assign(std::vector<std::pair<std::string, int>> words) {
    std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    words.erase(
        std::unique(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
        words.end());
    words_ = std::move(words);
    byFirst_.fill({0, 0});
    for (size_t i = words_.size(); i-- > 0;) {
        if (words_[i].first.empty()) continue;
        auto& range = byFirst_[static_cast<unsigned char>(words_[i].first[0])];
        range.first = static_cast<uint32_t>(i);
        if (range.second == 0) range.second = static_cast<uint32_t>(i + 1);
    }
}

int TBedSortedKeywords::Find(std::string_view word) const {
    auto first = words_.begin();
    auto last = words_.end();
    if (!word.empty()) {
        const auto& range = byFirst_[static_cast<unsigned char>(word[0])];
        first += range.first;
        last = words_.begin() + range.second;
    }
    auto it = std::lower_bound(first, last, word, [](const auto& e, std::string_view w) { return e.first < w; });
    return it != last && it->first == word ? it->second : -1;
}
