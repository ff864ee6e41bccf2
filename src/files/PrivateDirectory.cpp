#include "PrivateDirectory.h"

#include "FileError.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void MakeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

}  // namespace

TBedPrivateDirectory OpenPrivateDirectory(const std::string& path, bool make, const std::string& what) {
    TBedPrivateDirectory dir;
    if (path.empty()) return dir;
    dir.path = path.back() == '/' ? path : path + "/";
    if (make) MakeDirectories(dir.path.substr(0, dir.path.size() - 1));
    TBedFd fd(sys::OpenAt(AT_FDCWD, dir.path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
    struct stat st;
    if (!fd || sys::Fstat(fd.Get(), st) != 0) {
        if (make || errno != ENOENT)
            dir.problem = "V adresáři " + dir.path + " nelze vést " + what + " (" + FileErrorReason(errno) + ").";
        return dir;
    }
    // What another user may write there could make this user's program restore or remove anything.
    if (st.st_uid != ::geteuid() || (st.st_mode & (S_IWGRP | S_IWOTH))) {
        dir.problem = "Adresář " + dir.path + " nepatří vám nebo do něj smějí zapisovat i jiní: " + what +
                      " se v něm nevedou ani nečtou.";
        return dir;
    }
    dir.fd = std::move(fd);
    return dir;
}
