#pragma once
// Saves under way, noted where the next start of the program finds them. Each save keeps a note
// of its own (a unique file, locked for as long as the save runs) naming its target and what it
// leaves beside it on the way: a temporary file (removed after a crash: the target is whole) or,
// for a file written in place, a backup of the old bytes with their size and checksum (put back
// after a crash, unless the new text was already complete). Records are appended and synced
// before the step that relies on them. Qt-free, POSIX.
#include "PrivateDirectory.h"
#include "SystemCalls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where the notes go; empty (the default) keeps none, as for a program that never recovers.
void SetSaveNotesDirectory(const std::string& directory);

// The notes directory, opened once it is known to be this user's alone; `make`: made when
// missing (by a save; the recovery has nothing to do then).
TBedPrivateDirectory OpenNotesDirectory(bool make);

// A note's records, in the order they were written.
namespace note {
constexpr std::string_view kTarget = "target";       // the file saved: absolute, links resolved
constexpr std::string_view kInode = "inode";         // its device and inode when the save began
constexpr std::string_view kTemp = "temp";           // a temporary file's name beside the target
constexpr std::string_view kBackup = "backup";       // the backup's absolute path
constexpr std::string_view kBackedUp = "backed-up";  // the backup is complete: size and checksum
constexpr std::string_view kWritten = "written";     // the target holds the new text, on disk
}  // namespace note

// The note of one save, held locked from its creation until it goes.
class TBedSaveNote {
public:
    TBedSaveNote() = default;
    // Creates the note in the directory, naming the target. Raises EBedFileError (Create) for
    // `target` when it can't be written.
    TBedSaveNote(TBedPrivateDirectory& directory, const std::string& target);
    // Removes the note (unless kept) and lets go of its lock.
    ~TBedSaveNote();
    TBedSaveNote(TBedSaveNote&&) noexcept;
    TBedSaveNote& operator=(TBedSaveNote&&) noexcept;

    bool Active() const { return bool(fd_); }
    // Appends a record and syncs it. Raises EBedFileError (Write) for the target.
    void Record(std::string_view key, std::string_view value = {});
    // Leaves the note for the next start: what the save left behind could not be cleaned up now.
    void Keep() { kept_ = true; }
    // The save has ended: the note goes (unless kept). Says so in `remarks` when it can't.
    void Finish(std::vector<std::string>& remarks);

private:
    void Remove();

    TBedFd fd_;
    int directory_ = -1;  // the notes directory's descriptor, owned by its TBedPrivateDirectory
    std::string directoryPath_;
    std::string name_;
    std::string target_;
    bool kept_ = false;
};

// Percent-escaped: a value stays on its line whatever bytes it holds.
std::string EscapeNoteValue(std::string_view value);
std::string UnescapeNoteValue(std::string_view value);

// Cleans up after the saves of processes that ended during a save (their notes' locks are free)
// and tells, in Czech, one line each, what was put back, removed or left and where.
std::vector<std::string> RecoverInterruptedSaves();
