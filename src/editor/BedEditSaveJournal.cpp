#include "BedEditSaveJournal.h"

#include "BedEditFileCopy.h"
#include "BedEditFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string journalDirectory;
bool journalDirectoryMade = false;

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    // Keeps the names within the file system's name limit.
    return path.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
}

// The name part of a save's temporary files.
std::string TempNamePrefix(const std::string& target, long pid) {
    return "." + BaseName(target) + ".bed-" + std::to_string(pid) + "-";
}

bool ProcessAlive(long pid) {
    if (pid <= 0 || pid == long(::getpid())) return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Makes the directory and its parents.
void MakeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

// Removes the temporary files a save by pid left beside the target and puts a backup back.
void CleanUpAfter(const std::string& target, long pid) {
    const std::string dir = DirectoryPrefix(target);
    const std::string prefix = TempNamePrefix(target, pid);
    if (DIR* d = ::opendir(dir.empty() ? "." : dir.c_str())) {
        while (const dirent* entry = ::readdir(d)) {
            const std::string name = entry->d_name;
            if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
                ::unlink((dir + name).c_str());
        }
        ::closedir(d);
    }
    const std::string backup = SaveBackupName(target, pid);
    if (::access(backup.c_str(), F_OK) != 0) return;
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return;
    RestoreFromBackup(backup, fd);
    ::close(fd);
}

}  // namespace

void SetSaveJournalDirectory(const std::string& directory) {
    journalDirectory = directory;
    journalDirectoryMade = false;
}

std::string SaveTempPrefix(const std::string& target, long pid) {
    return DirectoryPrefix(target) + TempNamePrefix(target, pid);
}

std::string SaveBackupName(const std::string& target, long pid) {
    return DirectoryPrefix(target) + "." + BaseName(target) + ".bed-" + std::to_string(pid) + ".backup";
}

TBedSaveJournalEntry::TBedSaveJournalEntry(const std::string& target) {
    if (journalDirectory.empty()) return;
    // Made by the first save, not at every start.
    if (!journalDirectoryMade) MakeDirectories(journalDirectory);
    journalDirectoryMade = true;
    note_ = journalDirectory + "/" + std::to_string(::getpid());
    // Best effort: without the note a killed save leaves its temporary file to the user.
    std::ofstream(note_, std::ios::trunc) << target;
}

TBedSaveJournalEntry::~TBedSaveJournalEntry() {
    if (!note_.empty()) ::unlink(note_.c_str());
}

bool RestoreFromBackup(const std::string& from, int toFd) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool copied = CopyFileBytes(fd, toFd);
    const int error = errno;
    ::close(fd);
    if (!copied) {
        errno = error;
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

int RecoverInterruptedSaves() {
    if (journalDirectory.empty()) return 0;
    DIR* d = ::opendir(journalDirectory.c_str());
    if (!d) return 0;
    int recovered = 0;
    while (const dirent* entry = ::readdir(d)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end || ProcessAlive(pid)) continue;
        const std::string note = journalDirectory + "/" + entry->d_name;
        std::string target;
        std::getline(std::ifstream(note), target);
        if (!target.empty()) CleanUpAfter(target, pid);
        ::unlink(note.c_str());
        ++recovered;
    }
    ::closedir(d);
    return recovered;
}
