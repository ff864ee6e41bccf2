#pragma once
// Where the journals of unsaved edits lie ($XDG_STATE_HOME/bed/unsaved/), and those of them that
// nobody runs with any more: a crash, a kill or a power cut left them. Qt-free, POSIX.
#include "EditJournalReader.h"
#include "PrivateDirectory.h"
#include "SystemCalls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

void SetUnsavedJournalDirectory(const std::string& directory);
// `make`: made, private, when missing (by the first journal; looking needs none).
TBedPrivateDirectory OpenUnsavedJournalDirectory(bool make);

// A journal whose lock was free, taken now: nobody else will offer or continue it meanwhile.
struct TBedOrphanJournal {
    std::string path;
    TBedFd fd;               // locked for as long as it is held
    int64_t modifiedNs = 0;  // its last write: the time of the last change
    TBedJournalContents contents;
};

// The orphaned journals of this user; what is refused or damaged is told in `problems` (Czech),
// and a journal that holds nothing yet (its process died before the first write) is removed.
std::vector<TBedOrphanJournal> FindOrphanedJournals(std::vector<std::string>& problems);

// Removes the journal for good.
void DiscardJournal(TBedOrphanJournal& journal);
