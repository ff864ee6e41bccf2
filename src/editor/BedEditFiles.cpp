#include "BedEditFiles.h"

#include "BedEditFileCopy.h"
#include "BedEditMemory.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string DirectoryPrefix(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

namespace {

// Follows symbolic links to the file they finally name (which need not exist yet).
// Returns false with errno set on a loop.
bool ResolveLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return true;
        link.resize(size_t(n));
        path = link.front() == '/' ? link : DirectoryPrefix(path) + link;
    }
    errno = ELOOP;
    return false;
}

// The message a user sees for a failed file operation, naming the file and the reason.
std::string FileErrorMessage(EBedFileError::Kind kind, const std::string& fileName, const std::string& reason) {
    switch (kind) {
        case EBedFileError::Open:
        case EBedFileError::Read: return "Soubor " + fileName + " nelze přečíst: " + reason;
        case EBedFileError::Create: return "Soubor nelze vytvořit: " + fileName + " (" + reason + ")";
        case EBedFileError::Write: break;
    }
    return "Do souboru nelze zapsat: " + fileName + " (" + reason + ")";
}

TBedFileIdentity IdentityOf(const struct stat& st) {
    return {uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
            int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// Makes renames and removals in the file's directory durable; the file's contents are already
// safe without it.
void SyncDirectory(const std::string& file) {
    const std::string dir = DirectoryPrefix(file);
    const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

std::string Megabytes(uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB"; }

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

std::string FileErrorReason(int error) {
    switch (error) {
        case ENOENT: return "soubor nebo adresář neexistuje";
        case EACCES:
        case EPERM: return "přístup odepřen";
        case EISDIR: return "je to adresář";
        case ENOTDIR: return "část cesty není adresář";
        case ENOSPC: return "na disku není místo";
        case EDQUOT: return "překročena disková kvóta";
        case EFBIG: return "soubor by byl větší, než systém dovolí";
        case EROFS: return "systém souborů je jen pro čtení";
        case ENAMETOOLONG: return "jméno je příliš dlouhé";
        case ELOOP: return "příliš mnoho symbolických odkazů";
        case EIO: return "chyba vstupu a výstupu zařízení";
        case EMFILE:
        case ENFILE: return "příliš mnoho otevřených souborů";
        default: return std::strerror(error);
    }
}

// ---- TBedEditFiler ----------------------------------------------------------------------------

TBedEditFiler::TBedEditFiler(const std::string& fileName) : fileName_(fileName) {}

TBedEditFiler::~TBedEditFiler() { CloseFile(); }

void TBedEditFiler::CloseFile() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TBedEditFiler::Fail(EBedFileError::Kind kind, int error) const {
    throw EBedFileError(kind, fileName_, FileErrorMessage(kind, fileName_, FileErrorReason(error)));
}

std::optional<TBedFileIdentity> FileIdentityOnDisk(const std::string& fileName) {
    struct stat st;
    if (::stat(fileName.c_str(), &st) != 0) return std::nullopt;
    return IdentityOf(st);
}

namespace {

[[noreturn]] void RefuseNonRegular(const std::string& fileName, mode_t mode) {
    const std::string reason = S_ISDIR(mode)    ? FileErrorReason(EISDIR)
                               : S_ISFIFO(mode) ? "není to obyčejný soubor, ale roura"
                               : S_ISSOCK(mode) ? "není to obyčejný soubor, ale soket"
                                                : "není to obyčejný soubor, ale zařízení";
    throw EBedFileError(EBedFileError::Open, fileName,
                        FileErrorMessage(EBedFileError::Open, fileName, reason));
}

}  // namespace

void RefuseNonRegularFile(const std::string& fileName) {
    struct stat st;
    if (::stat(fileName.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) RefuseNonRegular(fileName, st.st_mode);
}

// ---- TBedEditFileReader -----------------------------------------------------------------------

TBedEditFileReader::TBedEditFileReader(const std::string& fileName) : TBedEditFiler(fileName) {
    RefuseNonRegularFile(fileName);
    // Not blocking, in case a pipe took the file's place since it was looked at.
    fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) Fail(EBedFileError::Open, errno);
    struct stat st;
    if (::fstat(fd_, &st) != 0) Fail(EBedFileError::Open, errno);
    if (!S_ISREG(st.st_mode)) RefuseNonRegular(fileName, st.st_mode);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    identity_ = IdentityOf(st);
    // Refused before a byte is read: reading it would fail half way, or make the system swap.
    const uint64_t available = AvailableMemoryBytes();
    if (uint64_t(st.st_size) > available)
        throw EBedFileError(EBedFileError::Open, fileName,
                            FileErrorMessage(EBedFileError::Open, fileName,
                                             "soubor je větší než volná paměť (" + Megabytes(uint64_t(st.st_size)) +
                                                 ", volných je " + Megabytes(available) + ")"));
}

TBedEditBlock TBedEditFileReader::ReadAll() {
    // Sized for the file as it was opened; a file that grows since is still read whole.
    size_t capacity = size_t(std::max<int64_t>(identity_.size, 0));
    TBedEditBlock block{std::make_unique_for_overwrite<char[]>(capacity), 0};
    AdviseHugePages(block.bytes.get(), capacity);
    char probe[4096];
    for (;;) {
        // A full block reads on into the probe, so a file of the expected size needs no growing.
        const bool full = block.size == capacity;
        char* into = full ? probe : block.bytes.get() + block.size;
        const size_t room = full ? sizeof probe : capacity - block.size;
        ssize_t got;
        do {
            got = ::read(fd_, into, room);
        } while (got < 0 && errno == EINTR);
        if (got < 0) Fail(EBedFileError::Read, errno);
        if (got == 0) break;
        if (full) {
            capacity = capacity * 2 + sizeof probe;
            auto grown = std::make_unique_for_overwrite<char[]>(capacity);
            if (block.size) std::memcpy(grown.get(), block.bytes.get(), block.size);
            std::memcpy(grown.get() + block.size, probe, size_t(got));
            block.bytes = std::move(grown);
        }
        block.size += size_t(got);
    }
    return block;
}

// ---- TBedEditFileWriter -----------------------------------------------------------------------

TBedEditFileWriter::TBedEditFileWriter(const std::string& fileName, size_t bufferSize)
    : TBedEditFiler(fileName), buffer_(std::max<size_t>(bufferSize, 2)), target_(fileName) {
    if (!ResolveLinks(target_)) Fail(EBedFileError::Create, errno);
    struct stat st;
    bool hardLinked = false;
    if (::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) Fail(EBedFileError::Create, EISDIR);
        // A file the user may not write stays as it is, even in a writable directory.
        if (::access(target_.c_str(), W_OK) != 0) Fail(EBedFileError::Create, errno);
        targetExists_ = true;
        targetMode_ = st.st_mode & 07777;
        targetUid_ = st.st_uid;
        targetGid_ = st.st_gid;
        hardLinked = S_ISREG(st.st_mode) && st.st_nlink > 1;
    } else if (errno != ENOENT) {
        Fail(EBedFileError::Create, errno);
    }
    journal_.emplace(target_);
    tempName_ = SaveTempPrefix(target_, long(::getpid())) + "XXXXXX";
    fd_ = ::mkostemp(tempName_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        tempName_.clear();
        Fail(EBedFileError::Create, error);
    }
    if (hardLinked) OpenInPlace();
}

void TBedEditFileWriter::OpenInPlace() {
    // The temporary file becomes the backup; only a complete one gets the backup's name.
    const int target = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
    const bool copied = target >= 0 && CopyFileBytes(target, fd_);
    int error = errno;
    if (target >= 0) ::close(target);
    const std::string backup = SaveBackupName(target_, long(::getpid()));
    if (copied && ::rename(tempName_.c_str(), backup.c_str()) == 0) {
        tempName_.clear();
        backupName_ = backup;
        CloseFile();
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd_ >= 0) return;
        error = errno;
        ::unlink(backupName_.c_str());
        backupName_.clear();
    } else if (copied) {
        error = errno;
    }
    CloseFile();
    if (!tempName_.empty()) ::unlink(tempName_.c_str());
    tempName_.clear();
    Fail(EBedFileError::Create, error);
}

TBedEditFileWriter::~TBedEditFileWriter() {
    if (committed_) return;
    if (!backupName_.empty()) {
        // The save failed part way through the target: its old bytes go back.
        if (fd_ < 0 || !RestoreFromBackup(backupName_, fd_)) {
            journal_->Keep();  // the next start puts the old bytes back
            return;
        }
    }
    CloseFile();
    if (!tempName_.empty()) ::unlink(tempName_.c_str());
}

void TBedEditFileWriter::WriteAround(std::string_view bytes) {
    Flush();
    // Longer than the whole buffer: copying it first would gain nothing.
    if (bytes.size() >= buffer_.size()) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(buffer_.data(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

void TBedEditFileWriter::Flush() {
    WriteAll(buffer_.data(), used_);
    used_ = 0;
}

void TBedEditFileWriter::WriteAll(const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(EBedFileError::Write, errno);
        }
        if (written == 0) Fail(EBedFileError::Write, ENOSPC);
        data += written;
        size -= size_t(written);
        written_ += uint64_t(written);
    }
}

void TBedEditFileWriter::Commit() {
    Flush();
    if (!backupName_.empty()) return CommitInPlace();
    if (::fsync(fd_) != 0) Fail(EBedFileError::Write, errno);
    struct stat written;
    if (::fstat(fd_, &written) != 0) Fail(EBedFileError::Write, errno);
    identity_ = IdentityOf(written);
    if (targetExists_) {
        CopyExtendedAttributes(target_.c_str(), fd_);
        // Best effort: only a privileged user may give the file back to its owner.
        if (targetUid_ != ::geteuid() || targetGid_ != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd_, targetUid_, targetGid_);
        }
    }
    const mode_t mode = targetExists_ ? mode_t(targetMode_) : (0666 & ~CurrentUmask());
    if (::fchmod(fd_, mode) != 0) Fail(EBedFileError::Write, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(EBedFileError::Write, errno);
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) Fail(EBedFileError::Write, errno);
    committed_ = true;
    SyncDirectory(target_);
}

void TBedEditFileWriter::CommitInPlace() {
    if (::ftruncate(fd_, off_t(written_)) != 0 || ::fsync(fd_) != 0) Fail(EBedFileError::Write, errno);
    struct stat written;
    if (::fstat(fd_, &written) != 0) Fail(EBedFileError::Write, errno);
    identity_ = IdentityOf(written);
    committed_ = true;
    CloseFile();
    ::unlink(backupName_.c_str());
    SyncDirectory(target_);
}
