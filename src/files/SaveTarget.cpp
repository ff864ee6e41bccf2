#include "SaveTarget.h"

#include "FileError.h"
#include "FilePaths.h"
#include "FileReader.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

// World-writable with the sticky bit, like /tmp: anyone may put a file or a link there.
bool SharedSticky(const struct stat& dir) { return (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH); }

// In a shared sticky directory only what this user or the directory's owner put there is
// followed or written, as the kernel's protected links and files have it: anything else may
// have been planted to make this user write where its owner chose.
bool Planted(const struct stat& dir, const struct stat& entry) {
    return SharedSticky(dir) && entry.st_uid != ::geteuid() && entry.st_uid != dir.st_uid;
}

std::string RealDirectory(const std::string& dir) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(dir.empty() ? "/" : dir.c_str(), nullptr), &std::free);
    if (!real) return {};
    std::string path = real.get();
    if (path.back() != '/') path += '/';
    return path;
}

}  // namespace

TBedSaveTarget FindSaveTarget(const std::string& fileName) {
    const auto fail = [&](int error) { FailFile(EBedFileError::Create, fileName, error); };
    TBedSaveTarget t;
    std::string path = AbsolutePath(fileName);
    for (int hops = 0; hops < 40; ++hops) {
        t.name = FilePart(path);
        if (t.name.empty() || t.name == "." || t.name == "..") fail(EISDIR);
        const std::string dir = RealDirectory(DirectoryPrefix(path));
        if (dir.empty()) fail(errno);
        t.directory.Reset(sys::OpenAt(AT_FDCWD, dir.c_str(), O_RDONLY | O_DIRECTORY));
        if (!t.directory || sys::Fstat(t.directory.Get(), t.directoryStat) != 0) fail(errno);
        t.path = dir + t.name;
        if (sys::FstatAt(t.directory.Get(), t.name.c_str(), t.st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) fail(errno);
            return t;  // a new file
        }
        if (S_ISLNK(t.st.st_mode)) {
            if (Planted(t.directoryStat, t.st))
                FailFile(EBedFileError::Create, fileName,
                         "symbolický odkaz ve sdíleném adresáři " + dir + " patří jinému uživateli");
            std::string link(PATH_MAX, '\0');
            const ssize_t n = ::readlinkat(t.directory.Get(), t.name.c_str(), link.data(), link.size());
            if (n <= 0) fail(n < 0 ? errno : ENOENT);
            link.resize(size_t(n));
            path = link.front() == '/' ? link : dir + link;
            continue;
        }
        if (!S_ISREG(t.st.st_mode)) FailFile(EBedFileError::Create, fileName, NonRegularFileReason(t.st.st_mode));
        if (Planted(t.directoryStat, t.st))
            FailFile(EBedFileError::Create, fileName, "soubor ve sdíleném adresáři " + dir + " patří jinému uživateli");
        t.exists = true;
        // Not blocking, in case a pipe took the file's place since it was looked at.
        const int flags = O_NOFOLLOW | O_NONBLOCK;
        t.file.Reset(sys::OpenAt(t.directory.Get(), t.name.c_str(), O_RDWR | flags));
        t.writable = bool(t.file);
        // A running program can't be written, but it can be replaced.
        if (!t.file && errno == ETXTBSY) t.file.Reset(sys::OpenAt(t.directory.Get(), t.name.c_str(), O_RDONLY | flags));
        if (!t.file) fail(errno);
        struct stat opened;
        if (sys::Fstat(t.file.Get(), opened) != 0) fail(errno);
        // Another file took the name between the look and the open.
        if (opened.st_dev != t.st.st_dev || opened.st_ino != t.st.st_ino)
            FailFile(EBedFileError::Create, fileName, "soubor se právě vyměnil za jiný");
        t.st = opened;
        return t;
    }
    FailFile(EBedFileError::Create, fileName, ELOOP);
}

bool DirectoryWritable(const TBedSaveTarget& target) {
    return ::faccessat(target.directory.Get(), ".", W_OK | X_OK, AT_EACCESS) == 0;
}
