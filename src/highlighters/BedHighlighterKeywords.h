#pragma once
// Keyword recognition shared by the languages: a table of keyword lists indexed by the sum of
// the keyword's character values, and a sorted list searched by halving.
#include "BedHighlighterHashEntries.h"
#include "BedHighlighterLanguage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Character values for summing and comparing.
using TBedCharValues = std::array<uint8_t, 256>;

// A/a = 1 ... Z/z = 26, "_" = 31, everything else 0: sums and comparisons ignore letter case.
constexpr TBedCharValues kBedLetterValues = [] {
    TBedCharValues v{};
    for (int c = 'A'; c <= 'Z'; ++c) {
        v[c] = static_cast<uint8_t>(c - 'A' + 1);
        v[c + 32] = static_cast<uint8_t>(c - 'A' + 1);
    }
    v['_'] = 31;
    return v;
}();

// A-Z = 1 ... 26, a-z = 2 ... 27, everything else 0: for lists compared in their exact case.
constexpr TBedCharValues kBedCaseLetterValues = [] {
    TBedCharValues v{};
    for (int c = 'A'; c <= 'Z'; ++c) {
        v[c] = static_cast<uint8_t>(c - 'A' + 1);
        v[c + 32] = static_cast<uint8_t>(c - 'A' + 2);
    }
    return v;
}();

class TBedSumHashKeywords {
public:
    // slots: hash values 0..slots-1 can hold keywords; exact: compare the characters
    // themselves instead of their values.
    TBedSumHashKeywords(const TBedCharValues& values, int slots, bool exact);
    // Raises std::logic_error when the keyword's hash falls outside the slots.
    void Add(std::string_view keyword, int tag);
    void Add(std::span<const TBedKeywordList> lists) {
        for (const TBedKeywordList& list : lists)
            for (const char* word : list.words) Add(word, list.kind);
    }
    // The same at a hash the language computes its own way.
    void AddAt(int hash, std::string_view keyword, int tag);
    // The sum, or some value beyond the last slot once the sum gets there.
    int Hash(const unsigned char* text, int length) const;
    // The tag of the first keyword of the hash's slot equal to text[0..length), or -1.
    // Inline: it runs for every word that a language scans, most of which no keyword of the
    // slot has the length of.
    int Find(int hash, const unsigned char* text, int length) const {
        if (hash < 0 || hash >= Slots()) return -1;
        const Slot& slot = slots_[static_cast<size_t>(hash)];
        if (!(slot.lengths >> LengthBit(length) & 1)) return -1;
        for (const Entry& e : slot.entries) {
            if (static_cast<int>(e.key.size()) != length) continue;
            const auto* key = reinterpret_cast<const unsigned char*>(e.key.data());
            int i = 0;
            if (exact_) {
                while (i < length && text[i] == key[i]) ++i;
            } else {
                while (i < length && values_[text[i]] == key[i]) ++i;
            }
            if (i == length) return e.tag;
        }
        return -1;
    }
    // The tag of the keyword text[0..length) is, or -1.
    int Find(const unsigned char* text, int length) const { return Find(Hash(text, length), text, length); }
    int Slots() const { return static_cast<int>(slots_.size()); }
    const TBedCharValues& Values() const { return values_; }

private:
    struct Entry {
        std::string key;  // the keyword, or its characters' values when not exact
        int tag;
    };
    struct Slot {
        uint32_t lengths = 0;  // bit LengthBit(n): a keyword of length n is here
        std::vector<Entry> entries;
    };
    static int LengthBit(int length) { return std::min(length, 31); }

    const TBedCharValues& values_;
    bool exact_;
    std::vector<Slot> slots_;
};

// Keywords in a TBedHashEntryList under a multiplying hash: hash := hash * multiplier +
// value(c) over the word, kept to 16 bits; the bucket is its low 10 bits. Characters compare
// by their values, so letters whose values agree match in either case.
class TBedHashedKeywords {
public:
    TBedHashedKeywords(const TBedCharValues& values, int multiplier) : values_(values), multiplier_(multiplier) {}
    int Hash(const unsigned char* text, int length) const {
        unsigned hash = 0;
        for (int i = 0; i < length; ++i) hash = (hash * static_cast<unsigned>(multiplier_) + values_[text[i]]) & 0xFFFF;
        return static_cast<int>(hash & 0x3FF);
    }
    // Raises EBedKeywordError for a word already in its bucket.
    void AddKeyword(const std::string& word, int kind);
    void Add(std::span<const TBedKeywordList> lists) {
        for (const TBedKeywordList& list : lists)
            for (const char* word : list.words) AddKeyword(word, list.kind);
    }
    // The kind of the word text[0..length), or notFound.
    int Find(const unsigned char* text, int length, int notFound) const {
        return entries_.Find(Hash(text, length), text, length, values_.data(), notFound);
    }
    void Clear() { entries_.ClearEntries(); }
    const TBedHashEntryList& Entries() const { return entries_; }

private:
    const TBedCharValues& values_;
    int multiplier_;
    TBedHashEntryList entries_;
};

// Keywords kept sorted, each with a tag; lookups by binary search, exact comparison.
class TBedSortedKeywords {
public:
    void Assign(std::vector<std::pair<std::string, int>> words);
    // The tag of the word, or -1.
    int Find(std::string_view word) const;
    const std::vector<std::pair<std::string, int>>& Words() const { return words_; }

private:
    std::vector<std::pair<std::string, int>> words_;
    // The words that start with each character: a search looks only among them.
    std::array<std::pair<uint32_t, uint32_t>, 256> byFirst_{};
};
