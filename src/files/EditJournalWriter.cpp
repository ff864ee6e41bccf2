#include "EditJournalWriter.h"

#include "FileChecksum.h"
#include "FilePaths.h"
#include "PrivateDirectory.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace journal;

namespace {

constexpr size_t kBaseChunk = size_t(4) << 20;

// The base file read a chunk at a time between the flushes, for its checksum and, when small,
// its bytes. A file that is not the one loaded, or changes while it is read, gives nothing.
class TBaseReader {
public:
    explicit TBaseReader(const TBedJournalBase& base) : expected_(base.identity) {
        if (!base.fromFile) return;
        fd_.Reset(sys::OpenAt(AT_FDCWD, base.path.c_str(), O_RDONLY | O_NONBLOCK));
        struct stat st;
        if (!fd_ || sys::Fstat(fd_.Get(), st) != 0 || !S_ISREG(st.st_mode) || IdentityOf(st) != expected_) fd_.Reset();
        keep_ = expected_.size <= kJournalSnapshotLimit;
    }
    bool Active() const { return bool(fd_); }
    // Reads on; true once the whole file is read and still the one loaded.
    bool Step() {
        buffer_.resize(kBaseChunk);
        const ssize_t got = sys::PRead(fd_.Get(), buffer_.data(), buffer_.size(), off_t(sum_.Size()));
        if (got < 0) {
            fd_.Reset();
            return false;
        }
        const std::string_view chunk(buffer_.data(), size_t(got));
        sum_.Add(chunk);
        if (keep_) snapshot_ += chunk;
        if (got > 0) return false;
        struct stat st;
        const bool same =
            sys::Fstat(fd_.Get(), st) == 0 && IdentityOf(st) == expected_ && int64_t(sum_.Size()) == expected_.size;
        fd_.Reset();
        return same;
    }
    uint64_t Checksum() const { return sum_.Value(); }
    bool Kept() const { return keep_; }
    const std::string& Snapshot() const { return snapshot_; }

private:
    TBedFileIdentity expected_;
    TBedFd fd_;
    TBedChecksum sum_;
    bool keep_ = false;
    std::string buffer_;
    std::string snapshot_;
};

}  // namespace

TBedJournalWriter::TBedJournalWriter(const TBedPrivateDirectory& directory, const TBedJournalBase& base) {
    directoryFd_ = ::fcntl(directory.fd.Get(), F_DUPFD_CLOEXEC, 0);
    for (int attempt = 0; !fd_ && directoryFd_ >= 0 && attempt < 100; ++attempt) {
        name_ = "journal-" + RandomNameSuffix();
        fd_.Reset(sys::OpenAt(directoryFd_, name_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (!fd_ && errno != EEXIST) break;
    }
    // A journal that can't be kept costs the user nothing but its protection.
    if (!fd_ || sys::Flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
        fd_.Reset();
        return;
    }
    path_ = directory.path + name_;
    pending_ = kMagic;
    AppendRecord(pending_, kHeader, HeaderPayload(base));
    appended_ = settled_ = header_ = pending_.size();
    pendingSince_ = std::chrono::steady_clock::now();
    thread_ = std::thread(&TBedJournalWriter::Run, this, std::make_unique<TBedJournalBase>(base));
}

TBedJournalWriter::TBedJournalWriter(TBedFd journal, std::string path, size_t validLength)
    : fd_(std::move(journal)), path_(std::move(path)), name_(FilePart(path_)) {
    directoryFd_ = sys::OpenAt(AT_FDCWD, DirectoryPrefix(path_).c_str(), O_RDONLY | O_DIRECTORY);
    if (sys::Ftruncate(fd_.Get(), off_t(validLength)) != 0 || ::lseek(fd_.Get(), off_t(validLength), SEEK_SET) < 0) {
        fd_.Reset();
        return;
    }
    thread_ = std::thread(&TBedJournalWriter::Run, this, nullptr);
}

TBedJournalWriter::~TBedJournalWriter() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    if (directoryFd_ >= 0) ::close(directoryFd_);
}

void TBedJournalWriter::Append(RecordType type, std::string_view payload) {
    if (!fd_) return;
    {
        std::lock_guard lock(mutex_);
        const size_t before = pending_.size();
        AppendRecord(pending_, type, payload);
        appended_ += pending_.size() - before;
    }
}

void TBedJournalWriter::Settle() {
    if (!fd_) return;
    std::lock_guard lock(mutex_);
    if (settled_ == 0 && !pending_.empty()) pendingSince_ = std::chrono::steady_clock::now();
    settled_ = pending_.size();
    // The thread wakes by itself when the flush is due.
}

void TBedJournalWriter::End() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stop_ = remove_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TBedJournalWriter::Sync() {
    std::unique_lock lock(mutex_);
    if (!thread_.joinable()) return;
    const uint64_t target = appended_;
    settled_ = pending_.size();
    pendingSince_ = std::chrono::steady_clock::time_point();  // due now
    wake_.notify_all();
    synced_.wait(lock, [&] { return onDisk_ >= target || stop_; });
}

void TBedJournalWriter::WriteOut(const std::string& bytes) {
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const ssize_t put = sys::Write(fd_.Get(), rest.data(), rest.size());
        if (put <= 0) return;  // a full disk: the journal keeps what it has
        rest.remove_prefix(size_t(put));
    }
    ::fdatasync(fd_.Get());
    written_ += bytes.size();
}

void TBedJournalWriter::Run(std::unique_ptr<TBedJournalBase> base) {
    std::optional<TBaseReader> reader;
    if (base) reader.emplace(*base);
    std::unique_lock lock(mutex_);
    for (;;) {
        const bool due = settled_ > 0 && std::chrono::steady_clock::now() >= pendingSince_ + kJournalFlushInterval;
        // Leaving the journal behind, it is made whole first: the base is read to its end.
        const bool finishing = stop_ && !remove_ && reader && reader->Active();
        if ((stop_ || due) && !finishing) {
            // On the way out everything goes: the program ends between commands.
            const size_t taken = stop_ ? pending_.size() : settled_;
            std::string out = pending_.substr(0, taken);
            pending_.erase(0, taken);
            settled_ = header_ = 0;
            const uint64_t reached = appended_ - pending_.size();
            if (stop_ && remove_) break;
            lock.unlock();
            if (!out.empty()) WriteOut(out);
            lock.lock();
            onDisk_ = reached;
            synced_.notify_all();
            if (stop_) break;
            continue;
        }
        if (reader && reader->Active()) {
            lock.unlock();
            const bool done = reader->Step();
            lock.lock();
            if (done) {
                if (settled_ == 0) pendingSince_ = std::chrono::steady_clock::now();
                // The base's records stand apart from any command: they go first, after the head.
                std::string base;
                if (reader->Kept()) AppendRecord(base, kSnapshot, reader->Snapshot());
                AppendRecord(base, kChecksum, ChecksumPayload(reader->Checksum()));
                pending_.insert(header_, base);
                settled_ += base.size();
                appended_ += base.size();
                reader.reset();
            }
            continue;
        }
        if (settled_ == 0)
            wake_.wait_for(lock, kJournalFlushInterval);
        else
            wake_.wait_until(lock, pendingSince_ + kJournalFlushInterval);
    }
    if (remove_) {
        sys::UnlinkAt(directoryFd_, name_.c_str());
        onDisk_ = appended_;
        synced_.notify_all();
    }
    lock.unlock();
    fd_.Reset();
}
