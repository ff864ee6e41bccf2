#include "UnsavedJournals.h"

#include "FileError.h"
#include "FileReader.h"
#include "MemoryLimits.h"

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string journalDirectory;

constexpr std::string_view kPrefix = "journal-";

}  // namespace

void SetUnsavedJournalDirectory(const std::string& directory) { journalDirectory = directory; }

TBedPrivateDirectory OpenUnsavedJournalDirectory(bool make) {
    return OpenPrivateDirectory(journalDirectory, make, "záznamy neuložených změn");
}

std::vector<TBedOrphanJournal> FindOrphanedJournals(std::vector<std::string>& problems) {
    std::vector<TBedOrphanJournal> found;
    TBedPrivateDirectory dir = OpenUnsavedJournalDirectory(false);
    if (!dir.problem.empty()) problems.push_back(dir.problem);
    if (!dir.fd) return found;
    const int listFd = ::fcntl(dir.fd.Get(), F_DUPFD_CLOEXEC, 0);
    DIR* d = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!d) {
        if (listFd >= 0) ::close(listFd);
        return found;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(d))
        if (std::string_view(entry->d_name).starts_with(kPrefix)) names.emplace_back(entry->d_name);
    ::closedir(d);
    for (const std::string& name : names) {
        TBedOrphanJournal journal;
        journal.path = dir.path + name;
        struct stat st;
        if (sys::FstatAt(dir.fd.Get(), name.c_str(), st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            problems.push_back("Záznam neuložených změn " + journal.path +
                               " není obyčejný soubor tohoto uživatele: nepoužije se.");
            continue;
        }
        journal.fd.Reset(sys::OpenAt(dir.fd.Get(), name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK));
        // A lock held is a document still open, in this process or any other, here or elsewhere.
        if (!journal.fd || sys::Flock(journal.fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (sys::Fstat(journal.fd.Get(), st) != 0 || st.st_nlink == 0) continue;
        journal.modifiedNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        // Read whole, so only when it fits (a journal is as large as what was typed and pasted).
        if (uint64_t(st.st_size) > AvailableMemoryBytes()) {
            problems.push_back("Záznam neuložených změn " + journal.path + " je větší než volná paměť: nepoužije se.");
            continue;
        }
        std::optional<TBedJournalContents> contents = ReadJournal(ReadFromStart(journal.fd.Get(), size_t(st.st_size)));
        if (!contents) {
            if (st.st_size == 0) {
                DiscardJournal(journal);  // its process died before it wrote a byte
            } else {
                problems.push_back("Záznam neuložených změn " + journal.path + " je poškozený: nedá se použít.");
            }
            continue;
        }
        journal.contents = std::move(*contents);
        found.push_back(std::move(journal));
    }
    return found;
}

void DiscardJournal(TBedOrphanJournal& journal) {
    // Removed while locked, so that nobody waiting for the lock finds it again.
    ::unlink(journal.path.c_str());
    journal.fd.Reset();
}
