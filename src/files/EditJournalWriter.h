#pragma once
// Keeps a document's journal of unsaved edits on disk. Records are handed over as the user types
// (the cost is the size of the change, never of the document) and written and synced by a thread
// of the journal's own, at most about once every kFlushInterval while any are pending, so that a
// crash loses less than a second and typing never waits for the disk. The journal file is locked
// for as long as its writer lives: a journal whose lock is free belongs to nobody running.
// Qt-free, POSIX.
#include "EditJournalFormat.h"
#include "SystemCalls.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

struct TBedPrivateDirectory;

constexpr std::chrono::milliseconds kJournalFlushInterval{600};
// A base file up to this size is kept in the journal, so that its text can be recovered even
// when the file changes or goes; a larger one only by its identity and checksum.
constexpr int64_t kJournalSnapshotLimit = int64_t(64) << 20;

class TBedJournalWriter {
public:
    // A new journal in the directory for a document that starts from `base`. Nothing waits for
    // the disk: the file is made, and the base file read for its checksum, by the journal's thread.
    TBedJournalWriter(const TBedPrivateDirectory& directory, const TBedJournalBase& base);
    // Goes on with a journal found at start (its lock taken and kept): its first `validLength`
    // bytes stay, the damaged rest goes.
    TBedJournalWriter(TBedFd journal, std::string path, size_t validLength);
    // Writes what is pending and lets go of the journal: it stays, to be offered at the next start.
    ~TBedJournalWriter();
    TBedJournalWriter(const TBedJournalWriter&) = delete;
    TBedJournalWriter& operator=(const TBedJournalWriter&) = delete;

    void Append(journal::RecordType type, std::string_view payload);
    // What was appended so far is whole: the commands that made it have ended. Only such
    // records go to disk, so a crash never leaves half of a command (a replace-all, a paste).
    void Settle();
    // The document was saved or dropped: the journal is removed.
    void End();
    // Waits until everything appended so far is on disk (for tests and benchmarks).
    void Sync();

    const std::string& Path() const { return path_; }
    uint64_t BytesWritten() const { return written_; }

private:
    void Run(std::unique_ptr<TBedJournalBase> base);
    void WriteOut(const std::string& bytes);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable synced_;
    std::string pending_;
    size_t settled_ = 0;  // bytes of pending_ that are whole
    size_t header_ = 0;   // bytes of pending_ that are the journal's head, until it is written
    std::chrono::steady_clock::time_point pendingSince_;  // when the first settled record came
    uint64_t appended_ = 0;                               // bytes handed over, and of those on disk
    uint64_t onDisk_ = 0;
    bool stop_ = false;
    bool remove_ = false;
    TBedFd fd_;
    int directoryFd_ = -1;
    std::string path_;
    std::string name_;
    uint64_t written_ = 0;
    std::thread thread_;
};
