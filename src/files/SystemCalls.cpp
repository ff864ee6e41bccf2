#include "SystemCalls.h"

#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

TBedFailureHook failureHook;

// True, with errno set, when the call is to fail untried.
bool Injected(TBedSysCall call, const char* name) {
    if (!failureHook) return false;
    const int error = failureHook(call, name);
    if (error == 0) return false;
    errno = error;
    return true;
}

template <typename F>
auto Retrying(TBedSysCall call, const char* name, F f) -> decltype(f()) {
    for (;;) {
        const auto result = Injected(call, name) ? decltype(f())(-1) : f();
        if (result >= 0 || errno != EINTR) return result;
    }
}

}  // namespace

void SetFailureHook(TBedFailureHook hook) { failureHook = std::move(hook); }

namespace sys {

int OpenAt(int dirFd, const char* name, int flags, mode_t mode) {
    return Retrying(TBedSysCall::Open, name, [&] { return ::openat(dirFd, name, flags | O_CLOEXEC, mode); });
}

ssize_t Read(int fd, void* into, size_t size) {
    return Retrying(TBedSysCall::Read, nullptr, [&] { return ::read(fd, into, size); });
}

ssize_t PRead(int fd, void* into, size_t size, off_t offset) {
    return Retrying(TBedSysCall::Read, nullptr, [&] { return ::pread(fd, into, size, offset); });
}

ssize_t Write(int fd, const void* from, size_t size) {
    return Retrying(TBedSysCall::Write, nullptr, [&] { return ::write(fd, from, size); });
}

ssize_t PWrite(int fd, const void* from, size_t size, off_t offset) {
    return Retrying(TBedSysCall::Write, nullptr, [&] { return ::pwrite(fd, from, size, offset); });
}

int Sync(int fd) {
    return Retrying(TBedSysCall::Sync, nullptr, [&] { return ::fsync(fd); });
}

int SyncDirectory(int dirFd) {
    return Retrying(TBedSysCall::SyncDirectory, nullptr, [&] {
        // Some file systems can't sync a directory; their renames are as durable as they get.
        const int result = ::fsync(dirFd);
        return result != 0 && (errno == EINVAL || errno == ENOTSUP) ? 0 : result;
    });
}

int Fchmod(int fd, mode_t mode) {
    return Retrying(TBedSysCall::Chmod, nullptr, [&] { return ::fchmod(fd, mode); });
}

int Fchown(int fd, uid_t uid, gid_t gid) {
    return Retrying(TBedSysCall::Chown, nullptr, [&] { return ::fchown(fd, uid, gid); });
}

int RenameAt(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    return Retrying(TBedSysCall::Rename, from, [&] { return ::renameat2(fromDir, from, toDir, to, flags); });
}

int LinkAt(int fromDir, const char* from, int toDir, const char* to) {
    return Retrying(TBedSysCall::Link, from, [&] { return ::linkat(fromDir, from, toDir, to, 0); });
}

int RenameNoReplace(int dirFd, const char* from, const char* to, bool& fromLeft) {
    fromLeft = false;
    if (RenameAt(dirFd, from, dirFd, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL) return -1;
    if (LinkAt(dirFd, from, dirFd, to) != 0) return -1;
    fromLeft = UnlinkAt(dirFd, from) != 0;
    return 0;
}

int UnlinkAt(int dirFd, const char* name, int flags) {
    return Retrying(TBedSysCall::Unlink, name, [&] { return ::unlinkat(dirFd, name, flags); });
}

int Ftruncate(int fd, off_t length) {
    return Retrying(TBedSysCall::Truncate, nullptr, [&] { return ::ftruncate(fd, length); });
}

int Fstat(int fd, struct stat& st) {
    return Retrying(TBedSysCall::Stat, nullptr, [&] { return ::fstat(fd, &st); });
}

int FstatAt(int dirFd, const char* name, struct stat& st, int flags) {
    return Retrying(TBedSysCall::Stat, name, [&] { return ::fstatat(dirFd, name, &st, flags); });
}

int MkdirAt(int dirFd, const char* name, mode_t mode) {
    return Retrying(TBedSysCall::MakeDirectory, name, [&] { return ::mkdirat(dirFd, name, mode); });
}

int Flock(int fd, int operation) {
    return Retrying(TBedSysCall::Lock, nullptr, [&] { return ::flock(fd, operation); });
}

int Close(int fd) {
    if (Injected(TBedSysCall::Close, nullptr)) {
        ::close(fd);  // the descriptor is gone whatever close reports
        return errno == EINTR ? 0 : -1;
    }
    // Linux closes the descriptor even when a signal interrupts close: never retried.
    const int result = ::close(fd);
    return result != 0 && errno == EINTR ? 0 : result;
}

int Fsetxattr(int fd, const char* name, const void* value, size_t size) {
    return Retrying(TBedSysCall::ExtendedAttribute, name, [&] { return ::fsetxattr(fd, name, value, size, 0); });
}

}  // namespace sys

void TBedFd::Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

int TBedFd::Close() { return fd_ < 0 ? 0 : sys::Close(Release()); }
