#pragma once
// A file as it was at some moment, to be compared later with what is on disk then. Qt-free, POSIX.
#include <cstdint>
#include <optional>
#include <string>

struct stat;

struct TBedFileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
    friend bool operator==(const TBedFileIdentity&, const TBedFileIdentity&) = default;
};

TBedFileIdentity IdentityOf(const struct stat& st);

// The file as it is on disk now (following symbolic links), or nothing when there is none.
std::optional<TBedFileIdentity> FileIdentityOnDisk(const std::string& fileName);
