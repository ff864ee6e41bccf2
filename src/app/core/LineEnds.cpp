#include "LineEnds.h"

#include "BedEditTypes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Hands out the bytes of a file one at a time from 1024-byte blocks.
class TBufFile {
public:
    explicit TBufFile(const std::string& name) : name_(name) {
        fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) Fail(EBedFileError::Open);
        struct stat st {};
        if (::fstat(fd_, &st) != 0) Fail(EBedFileError::Open);
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            Fail(EBedFileError::Open);
        }
        size_ = st.st_size;
    }
    ~TBufFile() { ::close(fd_); }

    long long Size() const { return size_; }
    bool AtEnd() const { return handedOut_ >= size_; }

    unsigned char Next() {
        if (pos_ == filled_) Refill();
        ++handedOut_;
        return buffer_[pos_++];
    }

private:
    [[noreturn]] void Fail(EBedFileError::Kind kind) {
        const std::string message = "Soubor " + name_ + " nelze přečíst: " + std::strerror(errno);
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        throw EBedFileError(kind, name_, message);
    }

    void Refill() {
        ssize_t n;
        do n = ::read(fd_, buffer_, sizeof buffer_);
        while (n < 0 && errno == EINTR);
        if (n < 0) Fail(EBedFileError::Read);
        if (n == 0) {  // the file shrank under us: stop as at its end
            size_ = handedOut_;
            buffer_[0] = 0;
            n = 1;
        }
        filled_ = size_t(n);
        pos_ = 0;
    }

    std::string name_;
    int fd_ = -1;
    long long size_ = 0;
    long long handedOut_ = 0;
    unsigned char buffer_[1024];
    size_t pos_ = 0;
    size_t filled_ = 0;
};

}  // namespace

bool DetectUnixLineEnds(const std::string& fileName) {
    TBufFile f(fileName);
    if (f.Size() == 0) return false;
    unsigned char previous = 0;
    unsigned char last = 0;
    do {
        previous = last;
        last = f.Next();
    } while (last != '\n' && !f.AtEnd());
    return previous != '\r';
}
