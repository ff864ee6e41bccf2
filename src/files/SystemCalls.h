#pragma once
// The system calls of reading, saving and recovering files, in one place: each retries when a
// signal interrupts it, and a test can make any of them fail to see that no failure loses a byte.
// Qt-free, POSIX.
#include <cstddef>
#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

enum class TBedSysCall {
    Open,
    Read,
    Write,
    Sync,
    SyncDirectory,
    Chmod,
    Chown,
    Rename,
    Link,
    Unlink,
    Truncate,
    Stat,
    MakeDirectory,
    Lock,
    Close,
    ExtendedAttribute
};

// Called before each call with the name it works on (null for a call on a descriptor); a non-zero
// result is the error the call then fails with, untried (EINTR: it is tried again).
using TBedFailureHook = std::function<int(TBedSysCall, const char* name)>;
void SetFailureHook(TBedFailureHook hook);

namespace sys {

int OpenAt(int dirFd, const char* name, int flags, mode_t mode = 0);
ssize_t Read(int fd, void* into, size_t size);
ssize_t PRead(int fd, void* into, size_t size, off_t offset);
ssize_t Write(int fd, const void* from, size_t size);
ssize_t PWrite(int fd, const void* from, size_t size, off_t offset);
int Sync(int fd);
int SyncDirectory(int dirFd);
int Fchmod(int fd, mode_t mode);
int Fchown(int fd, uid_t uid, gid_t gid);
// renameat2: flags may hold RENAME_NOREPLACE.
int RenameAt(int fromDir, const char* from, int toDir, const char* to, unsigned flags = 0);
int LinkAt(int fromDir, const char* from, int toDir, const char* to);
// Gives the file `from` the name `to` in the same directory unless that name is taken (EEXIST):
// by a rename, or where the file system has no such rename by a link and an unlink of `from`;
// `fromLeft` tells that the old name could not go.
int RenameNoReplace(int dirFd, const char* from, const char* to, bool& fromLeft);
int UnlinkAt(int dirFd, const char* name, int flags = 0);
int Ftruncate(int fd, off_t length);
int Fstat(int fd, struct stat& st);
int FstatAt(int dirFd, const char* name, struct stat& st, int flags);
int MkdirAt(int dirFd, const char* name, mode_t mode);
int Flock(int fd, int operation);
int Close(int fd);
int Fsetxattr(int fd, const char* name, const void* value, size_t size);

}  // namespace sys

// An open descriptor, closed when it goes.
class TBedFd {
public:
    TBedFd() = default;
    explicit TBedFd(int fd) : fd_(fd) {}
    TBedFd(TBedFd&& other) noexcept : fd_(other.Release()) {}
    TBedFd& operator=(TBedFd&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~TBedFd() { Reset(); }

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd = -1);
    // Closes now, reporting the error a close can bring (a write the system deferred).
    int Close();

private:
    int fd_ = -1;
};
