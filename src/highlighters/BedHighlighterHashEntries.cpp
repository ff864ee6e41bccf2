#include "BedHighlighterHashEntries.h"

#include "BedTextLetters.h"

void TBedHashEntryList::AddEntry(int index, std::unique_ptr<TBedHashEntry> entry) {
    if (index < 0) throw std::out_of_range("hash index");
    if (index >= Count()) buckets_.resize(static_cast<size_t>(index) + 1);
    std::unique_ptr<TBedHashEntry>* link = &buckets_[static_cast<size_t>(index)];
    while (*link) {
        TBedHashEntry& current = **link;
        if (BedAsciiSameIgnoringCase(current.Keyword, entry->Keyword))
            throw EBedKeywordError("Keyword \"" + current.Keyword + "\" already in list");
        if (entry->KeyLength < current.KeyLength) break;
        link = &current.Next;
    }
    entry->Next = std::move(*link);
    *link = std::move(entry);
}

const TBedHashEntry* TBedHashEntryList::EntryAt(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return buckets_[static_cast<size_t>(index)].get();
}

int TBedHashEntryList::Find(int index, const unsigned char* text, int length, const uint8_t* fold, int notFound) const {
    for (const TBedHashEntry* e = EntryAt(index); e; e = e->Next.get()) {
        if (e->KeyLength > length) break;
        if (e->KeyLength < length) continue;
        int i = 0;
        while (i < length && fold[text[i]] == fold[static_cast<unsigned char>(e->Keyword[i])]) ++i;
        if (i == length) return e->Kind;
    }
    return notFound;
}

void EnumerateKeywords(int kind, const std::string& text, const TBedCharSet& characterSet, TBedKeywordCallback callback,
                       TBedCustomHighlighter* highlighter) {
    if (text.empty() || !callback) return;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !characterSet[static_cast<unsigned char>(text[i])]) ++i;
        const size_t start = i;
        while (i < text.size() && characterSet[static_cast<unsigned char>(text[i])]) ++i;
        if (i > start) callback(highlighter, text.substr(start, i - start), kind);
    }
}
