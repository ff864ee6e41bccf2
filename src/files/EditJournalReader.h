#pragma once
// Reading a journal of unsaved edits back: every whole, intact record up to the first that is
// cut short, damaged or makes no sense; nothing is allocated beyond what the journal holds.
// Qt-free.
#include "EditJournalFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TBedJournalContents {
    TBedJournalBase base;
    std::optional<uint64_t> checksum;     // of the base file's bytes, once the journal had it
    std::optional<std::string> snapshot;  // the base file's bytes, kept when it was small
    std::string state;                    // the document's state (code page…) last written
    std::vector<TBedJournalEdit> edits;
    std::optional<std::pair<int, int>> caret;
    size_t editBytes = 0;    // bytes of edit records: the size of the changes
    size_t validLength = 0;  // bytes of the journal that were read
    bool complete = true;    // false: reading stopped before the end (the rest is damaged)
};

// nullopt when the journal has no intact header: it is not one, or holds nothing yet.
std::optional<TBedJournalContents> ReadJournal(std::string_view bytes);
