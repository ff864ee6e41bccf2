#pragma once
// Saves under way, noted where the next start of the program finds them. A save that was killed
// leaves beside its target either a temporary file (the target is whole: the file is removed) or,
// for a file written in place, the backup of its old bytes (put back into the target). Qt-free,
// POSIX.
#include <string>

// Where the notes go; empty (the default) keeps none, as for a program that never recovers.
void SetSaveJournalDirectory(const std::string& directory);

// The names a save of `target` by process `pid` uses beside the target: temporary files begin
// with the prefix (six more characters follow), the backup of a file written in place has the
// backup name.
std::string SaveTempPrefix(const std::string& target, long pid);
std::string SaveBackupName(const std::string& target, long pid);

// Notes a save of `target` by this process for as long as it lives.
class TBedSaveJournalEntry {
public:
    explicit TBedSaveJournalEntry(const std::string& target);
    ~TBedSaveJournalEntry();
    TBedSaveJournalEntry(const TBedSaveJournalEntry&) = delete;
    TBedSaveJournalEntry& operator=(const TBedSaveJournalEntry&) = delete;

    // Leaves the note for the next start: what the save left behind could not be cleaned up now.
    void Keep() { note_.clear(); }

private:
    std::string note_;
};

// Puts the old bytes of the backup `from` back into the file `to` in place (keeping its links),
// then removes the backup. False, with errno set, when that failed; the backup then stays.
bool RestoreFromBackup(const std::string& from, int toFd);

// Cleans up after the saves of processes that ended during a save; returns how many.
int RecoverInterruptedSaves();
