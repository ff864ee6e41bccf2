#include "FileIdentity.h"

#include "SystemCalls.h"

#include <fcntl.h>
#include <sys/stat.h>

TBedFileIdentity IdentityOf(const struct stat& st) {
    return {uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
            int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::optional<TBedFileIdentity> FileIdentityOnDisk(const std::string& fileName) {
    struct stat st;
    if (sys::FstatAt(AT_FDCWD, fileName.c_str(), st, 0) != 0) return std::nullopt;
    return IdentityOf(st);
}
