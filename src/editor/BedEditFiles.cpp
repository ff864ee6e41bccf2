#include "BedEditFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The directory part of a path including its final slash; empty for a bare file name.
std::string DirectoryPrefix(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

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

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

// ---- Line breaks ------------------------------------------------------------------------------

const char* FindLineBreak(const char* p, const char* end) {
#if defined(__SSE2__)
    // Sixteen bytes at a time: loading is the bottleneck of splitting a big file.
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)));
        if (hits) return p + __builtin_ctz(unsigned(hits));
        p += 16;
    }
#endif
    while (p < end && *p != '\n' && *p != '\r') ++p;
    return p;
}

// ---- TBedEditFiler ----------------------------------------------------------------------------

TBedEditFiler::TBedEditFiler(const std::string& fileName, size_t bufferSize)
    : fileName_(fileName), buffer_(std::max<size_t>(bufferSize, 2)) {}

TBedEditFiler::~TBedEditFiler() { CloseFile(); }

void TBedEditFiler::CloseFile() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TBedEditFiler::Fail(EBedFileError::Kind kind, int error) const {
    const char* what = "";
    switch (kind) {
        case EBedFileError::Open: what = "Soubor nelze otevřít: "; break;
        case EBedFileError::Create: what = "Soubor nelze vytvořit: "; break;
        case EBedFileError::Read: what = "Soubor nelze přečíst: "; break;
        case EBedFileError::Write: what = "Do souboru nelze zapsat: "; break;
    }
    throw EBedFileError(kind, fileName_,
                        what + fileName_ + " (" + std::strerror(error) + ")");
}

// ---- TBedEditFileReader -----------------------------------------------------------------------

TBedEditFileReader::TBedEditFileReader(const std::string& fileName, size_t bufferSize)
    : TBedEditFiler(fileName, bufferSize) {
    fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) Fail(EBedFileError::Open, errno);
    struct stat st;
    if (::fstat(fd_, &st) != 0) Fail(EBedFileError::Open, errno);
    if (S_ISDIR(st.st_mode)) Fail(EBedFileError::Open, EISDIR);
    fileSize_ = st.st_size;
}

bool TBedEditFileReader::ReadLine(std::string& line) {
    for (;;) {
        const char* data = buffer_.data();
        const char* p = data + position_;
        const char* end = data + end_;
        const char* lineBreak = FindLineBreak(p, end);
        if (lineBreak < end) {
            if (*lineBreak == '\n') {
                line = std::string(p, lineBreak);
                position_ = size_t(lineBreak + 1 - data);
                return true;
            }
            // A CR at the end of the data read so far may be the first half of CR LF.
            if (lineBreak + 1 < end || exhausted_) {
                style_ = kLineBreakCRLF;
                line = std::string(p, lineBreak);
                const bool crlf = lineBreak + 1 < end && lineBreak[1] == '\n';
                position_ = size_t(lineBreak + (crlf ? 2 : 1) - data);
                return true;
            }
        } else if (exhausted_) {
            if (p == end) return false;
            line = std::string(p, end);
            position_ = end_;
            return true;
        }
        Refill();
    }
}

std::unique_ptr<char[]> TBedEditFileReader::ReadRest(size_t& size) {
    const size_t buffered = end_ - position_;
    const off_t offset = exhausted_ ? -1 : ::lseek(fd_, 0, SEEK_CUR);
    // Sized for the file as it was opened; a file that grows since is still read whole.
    size_t capacity = buffered;
    if (offset >= 0 && fileSize_ > offset) capacity += size_t(fileSize_ - offset);
    auto block = std::make_unique_for_overwrite<char[]>(capacity);
    if (buffered) std::memcpy(block.get(), buffer_.data() + position_, buffered);
    size = buffered;
    position_ = end_ = 0;
    while (!exhausted_) {
        char* into = block.get() + size;
        size_t room = capacity - size;
        if (room == 0) {
            // Probes through the small buffer, so a file of the expected size needs no growing.
            into = buffer_.data();
            room = buffer_.size();
        }
        ssize_t got;
        do {
            got = ::read(fd_, into, room);
        } while (got < 0 && errno == EINTR);
        if (got < 0) Fail(EBedFileError::Read, errno);
        if (got == 0) {
            exhausted_ = true;
        } else if (into == buffer_.data()) {
            capacity = capacity * 2 + buffer_.size();
            auto grown = std::make_unique_for_overwrite<char[]>(capacity);
            if (size) std::memcpy(grown.get(), block.get(), size);
            std::memcpy(grown.get() + size, buffer_.data(), size_t(got));
            block = std::move(grown);
            size += size_t(got);
        } else {
            size += size_t(got);
        }
    }
    return block;
}

void TBedEditFileReader::Refill() {
    const size_t partial = end_ - position_;
    if (position_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + position_, partial);
        position_ = 0;
        end_ = partial;
    }
    if (partial > buffer_.size() / 2) buffer_.resize(buffer_.size() * 2);
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) Fail(EBedFileError::Read, errno);
    if (got == 0) exhausted_ = true;
    end_ += size_t(got);
}

// ---- TBedEditFileWriter -----------------------------------------------------------------------

TBedEditFileWriter::TBedEditFileWriter(const std::string& fileName, size_t bufferSize)
    : TBedEditFiler(fileName, bufferSize), target_(fileName) {
    if (!ResolveLinks(target_)) Fail(EBedFileError::Create, errno);
    struct stat st;
    if (::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) Fail(EBedFileError::Create, EISDIR);
        // A file the user may not write stays as it is, even in a writable directory.
        if (::access(target_.c_str(), W_OK) != 0) Fail(EBedFileError::Create, errno);
        targetExists_ = true;
        targetMode_ = st.st_mode & 07777;
        targetUid_ = st.st_uid;
        targetGid_ = st.st_gid;
    } else if (errno != ENOENT) {
        Fail(EBedFileError::Create, errno);
    }
    const size_t slash = target_.rfind('/');
    const std::string base = target_.substr(slash == std::string::npos ? 0 : slash + 1);
    // Keeps the temporary name within the file system's name limit.
    tempName_ = DirectoryPrefix(target_) + "." + base.substr(0, 200) + ".XXXXXX";
    fd_ = ::mkostemp(tempName_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        tempName_.clear();
        Fail(EBedFileError::Create, error);
    }
}

TBedEditFileWriter::~TBedEditFileWriter() {
    if (committed_) return;
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
    }
}

void TBedEditFileWriter::Commit() {
    Flush();
    if (::fsync(fd_) != 0) Fail(EBedFileError::Write, errno);
    if (targetExists_ && (targetUid_ != ::geteuid() || targetGid_ != ::getegid())) {
        // Best effort: only a privileged user may give the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd_, targetUid_, targetGid_);
    }
    const mode_t mode = targetExists_ ? mode_t(targetMode_) : (0666 & ~CurrentUmask());
    if (::fchmod(fd_, mode) != 0) Fail(EBedFileError::Write, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(EBedFileError::Write, errno);
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) Fail(EBedFileError::Write, errno);
    committed_ = true;
    // Makes the rename itself durable; the new contents are already safe without it.
    const std::string dir = DirectoryPrefix(target_);
    const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}
