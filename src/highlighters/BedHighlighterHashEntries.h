#pragma once
// Hashed keyword table: one chain of entries per hash value, each chain in ascending keyword
// length so that a lookup can stop at the first longer keyword.
#include "BedHighlighter.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// "Keyword "%s" already in list".
class EBedKeywordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TBedHashEntry {
    TBedHashEntry(std::string keyword, int kind)
        : KeyLength(static_cast<int>(keyword.size())), Keyword(std::move(keyword)), Kind(kind) {}
    std::unique_ptr<TBedHashEntry> Next;  // the following entry of the same bucket
    int KeyLength;
    std::string Keyword;
    int Kind;
};

class TBedHashEntryList {
public:
    // Grows the list to index + 1 buckets when needed. Raises EBedKeywordError when the
    // bucket already holds the keyword in any letter case.
    void AddEntry(int index, std::unique_ptr<TBedHashEntry> entry);
    // The bucket's first entry; null outside 0..Count()-1 and for an empty bucket.
    const TBedHashEntry* EntryAt(int index) const;
    int Count() const { return static_cast<int>(buckets_.size()); }
    void ClearEntries() { buckets_.clear(); }

    // The kind of the keyword of that bucket equal to text[0..length) under the fold table
    // (two characters match when their folded values are equal), or notFound.
    int Find(int index, const unsigned char* text, int length, const uint8_t* fold, int notFound) const;

private:
    std::vector<std::unique_ptr<TBedHashEntry>> buckets_;
};

using TBedKeywordCallback = void (*)(TBedCustomHighlighter* highlighter, const std::string& keyword, int kind);

// Calls the callback for each maximal run of characters of the set in the text.
void EnumerateKeywords(int kind, const std::string& text, const TBedCharSet& characterSet, TBedKeywordCallback callback,
                       TBedCustomHighlighter* highlighter);
