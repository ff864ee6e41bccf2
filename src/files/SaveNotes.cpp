#include "SaveNotes.h"

#include "FileChecksum.h"
#include "FileCopy.h"
#include "FileError.h"
#include "FilePaths.h"
#include "FileReader.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string notesDirectory;

constexpr std::string_view kHeader = "bed-save 1\n";
constexpr std::string_view kNewPrefix = ".new-";
constexpr std::string_view kNotePrefix = "save-";
// A note names a few paths; anything longer is not one of ours.
constexpr size_t kLongestNote = 1 << 16;

bool OwnedByMe(const struct stat& st) { return st.st_uid == ::geteuid(); }

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = sys::Write(fd, bytes.data(), bytes.size());
        if (put <= 0) {
            if (put == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(size_t(put));
    }
    return true;
}

}  // namespace

void SetSaveNotesDirectory(const std::string& directory) {
    notesDirectory = directory;
    if (!notesDirectory.empty() && notesDirectory.back() != '/') notesDirectory += '/';
}

TBedPrivateDirectory OpenNotesDirectory(bool make) {
    return OpenPrivateDirectory(notesDirectory, make, "záznamy o ukládání pro obnovu po pádu");
}

std::string EscapeNoteValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ' && byte < 0x7F && byte != '%') {
            out += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            out += hex;
        }
    }
    return out;
}

std::string UnescapeNoteValue(std::string_view value) {
    const auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const int high = value[i] == '%' && i + 2 < value.size() ? hex(value[i + 1]) : -1;
        const int low = high >= 0 ? hex(value[i + 2]) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// ---- TBedSaveNote ----------------------------------------------------------------------------

TBedSaveNote::TBedSaveNote(TBedPrivateDirectory& directory, const std::string& target)
    : directory_(directory.fd.Get()), directoryPath_(directory.path), target_(target) {
    const auto fail = [&](int error) {
        Remove();
        FailFile(EBedFileError::Create, target,
                 "záznam o ukládání v " + directory.path + " nelze zapsat: " + FileErrorReason(error));
    };
    std::string suffix;
    std::string fresh;
    for (int attempt = 0; !fd_; ++attempt) {
        suffix = RandomNameSuffix();
        fresh = std::string(kNewPrefix) + suffix;
        fd_.Reset(sys::OpenAt(directory_, fresh.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (!fd_ && (errno != EEXIST || attempt > 100)) fail(errno);
    }
    name_ = fresh;
    // Locked before it gets the name the recovery looks for: a note it can lock is a dead save's.
    if (sys::Flock(fd_.Get(), LOCK_EX) != 0) fail(errno);
    const std::string head = std::string(kHeader) + std::string(note::kTarget) + " " + EscapeNoteValue(target) + "\n";
    if (!WriteAll(fd_.Get(), head) || sys::Sync(fd_.Get()) != 0) fail(errno);
    for (int attempt = 0;; ++attempt) {
        const std::string final = std::string(kNotePrefix) + suffix;
        bool freshLeft = false;
        if (sys::RenameNoReplace(directory_, name_.c_str(), final.c_str(), freshLeft) == 0) {
            name_ = final;
            // The name left over is the next start's to clean up, as a note of an ended save.
            if (freshLeft) fail(errno);
            break;
        }
        if (errno != EEXIST || attempt > 100) fail(errno);
        suffix = RandomNameSuffix();
    }
    if (sys::SyncDirectory(directory_) != 0) fail(errno);
}

TBedSaveNote::~TBedSaveNote() {
    if (!kept_) Remove();
}

TBedSaveNote::TBedSaveNote(TBedSaveNote&& other) noexcept
    : fd_(std::move(other.fd_)),
      directory_(other.directory_),
      directoryPath_(std::move(other.directoryPath_)),
      name_(std::move(other.name_)),
      target_(std::move(other.target_)),
      kept_(other.kept_) {
    other.name_.clear();
}

TBedSaveNote& TBedSaveNote::operator=(TBedSaveNote&& other) noexcept {
    if (this != &other) {
        if (!kept_) Remove();
        fd_ = std::move(other.fd_);
        directory_ = other.directory_;
        directoryPath_ = std::move(other.directoryPath_);
        name_ = std::move(other.name_);
        target_ = std::move(other.target_);
        kept_ = other.kept_;
        other.name_.clear();
    }
    return *this;
}

void TBedSaveNote::Finish(std::vector<std::string>& remarks) {
    if (kept_ || name_.empty()) return;
    if (sys::UnlinkAt(directory_, name_.c_str()) != 0) {
        remarks.push_back("Záznam o ukládání " + directoryPath_ + name_ +
                          " se nepodařilo smazat; smaže se při příštím spuštění.");
        kept_ = true;
    }
    name_.clear();
    fd_.Reset();
}

void TBedSaveNote::Remove() {
    // Unlinked while still locked, so a recovery that waited for the lock finds it gone.
    if (!name_.empty()) sys::UnlinkAt(directory_, name_.c_str());
    name_.clear();
    fd_.Reset();
}

void TBedSaveNote::Record(std::string_view key, std::string_view value) {
    if (!fd_) return;
    std::string line(key);
    if (!value.empty()) line += " " + EscapeNoteValue(value);
    line += "\n";
    if (!WriteAll(fd_.Get(), line) || sys::Sync(fd_.Get()) != 0)
        FailFile(EBedFileError::Write, target_, "záznam o ukládání nelze zapsat: " + FileErrorReason(errno));
}

// ---- Recovery -------------------------------------------------------------------------------

namespace {

struct TParsedNote {
    std::string target;
    std::optional<std::pair<uint64_t, uint64_t>> inode;
    std::string temp;
    std::string backup;
    std::optional<std::pair<uint64_t, uint64_t>> backedUp;  // size and checksum
    bool written = false;
};

std::optional<TParsedNote> ParseNote(std::string_view text) {
    if (!text.starts_with(kHeader)) return std::nullopt;
    text.remove_prefix(kHeader.size());
    TParsedNote parsed;
    // Only whole lines count: a record cut short by a crash never happened.
    for (size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1)) {
        const std::string_view line = text.substr(0, end);
        const size_t blank = line.find(' ');
        const std::string_view key = line.substr(0, blank);
        const std::string value =
            blank == std::string_view::npos ? std::string() : UnescapeNoteValue(line.substr(blank + 1));
        unsigned long long a = 0, b = 0;
        const bool pair = std::sscanf(value.c_str(), "%llu %llu", &a, &b) == 2;
        if (key == note::kTarget)
            parsed.target = value;
        else if (key == note::kInode && pair)
            parsed.inode.emplace(a, b);
        else if (key == note::kTemp)
            parsed.temp = value;
        else if (key == note::kBackup)
            parsed.backup = value;
        else if (key == note::kBackedUp && pair)
            parsed.backedUp.emplace(a, b);
        else if (key == note::kWritten)
            parsed.written = true;
    }
    if (parsed.target.empty() || parsed.target.front() != '/') return std::nullopt;
    return parsed;
}

// A file of ours in an opened directory: a regular file this user owns, not a link.
bool IsMine(int dirFd, const std::string& name, struct stat& st) {
    return sys::FstatAt(dirFd, name.c_str(), st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) && OwnedByMe(st);
}

// A save's temporary file: root gives it the target's owner before it takes the target's place.
bool IsMyTemp(int dirFd, const std::string& name) {
    struct stat st;
    return sys::FstatAt(dirFd, name.c_str(), st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           (OwnedByMe(st) || ::geteuid() == 0);
}

TBedFd OpenDirectory(const std::string& path) {
    return TBedFd(sys::OpenAt(AT_FDCWD, path.empty() ? "/" : path.c_str(), O_RDONLY | O_DIRECTORY));
}

// What recovering one note did, for the user; `done` false leaves the note for the next start.
struct TOutcome {
    std::string report;
    bool done = true;
};

TOutcome RemoveTemp(const TParsedNote& n) {
    const TBedFd dir = OpenDirectory(DirectoryPrefix(n.target));
    if (!dir || !IsMyTemp(dir.Get(), n.temp)) return {};
    if (sys::UnlinkAt(dir.Get(), n.temp.c_str()) != 0) return {};
    return {"Soubor " + n.target + ": ukládání bylo přerušeno; soubor zůstal celý, jeho nedokončená nová podoba " +
            DirectoryPrefix(n.target) + n.temp + " byla smazána."};
}

bool BackupMatches(int fd, const std::pair<uint64_t, uint64_t>& expected) {
    uint64_t size = 0, checksum = 0;
    return ChecksumFile(fd, size, checksum) && size == expected.first && checksum == expected.second;
}

TOutcome RestoreBackup(const TParsedNote& n) {
    const std::string backupDir = DirectoryPrefix(n.backup);
    const std::string backupName = FilePart(n.backup);
    const TBedFd dir = OpenDirectory(backupDir);
    struct stat st;
    if (!dir || sys::FstatAt(dir.Get(), backupName.c_str(), st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (n.backedUp && !n.written)
            return {"Soubor " + n.target + ": ukládání bylo přerušeno a záloha " + n.backup +
                    " chybí; soubor zůstává, jak je."};
        return {};
    }
    if (!S_ISREG(st.st_mode) || !OwnedByMe(st))
        return {"Soubor " + n.target + ": " + n.backup + " není záloha tohoto uživatele, nepoužila se ani nesmazala."};
    const auto removeBackup = [&](std::string report) -> TOutcome {
        if (sys::UnlinkAt(dir.Get(), backupName.c_str()) != 0) return {"", false};
        sys::SyncDirectory(dir.Get());
        return {std::move(report)};
    };
    // Before the backup was complete the target was not touched; once the new text was complete
    // the backup is not needed.
    if (!n.backedUp || n.written) return removeBackup("");
    const TBedFd backup(sys::OpenAt(dir.Get(), backupName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
    if (!backup || !BackupMatches(backup.Get(), *n.backedUp))
        return {"Soubor " + n.target + ": záloha " + n.backup +
                " neodpovídá záznamu o ukládání, soubor zůstává, jak je, a záloha také."};
    const TBedFd targetDir = OpenDirectory(DirectoryPrefix(n.target));
    const std::string targetName = FilePart(n.target);
    TBedFd target;
    struct stat now;
    if (targetDir) target.Reset(sys::OpenAt(targetDir.Get(), targetName.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK));
    // Only into the very file that was being saved: never through a link or into another file.
    if (!target || sys::Fstat(target.Get(), now) != 0 || !S_ISREG(now.st_mode) || !n.inode ||
        uint64_t(now.st_dev) != n.inode->first || uint64_t(now.st_ino) != n.inode->second)
        return {"Soubor " + n.target +
                ": ukládání bylo přerušeno a soubor se mezitím změnil nebo zmizel; jeho původní obsah je v " +
                n.backup + "."};
    if (!CopyFileBytes(backup.Get(), target.Get()))
        return {"Soubor " + n.target + ": původní obsah ze zálohy " + n.backup + " nelze vrátit (" +
                    FileErrorReason(errno) + "); zkusí se to znovu při příštím spuštění.",
                false};
    return removeBackup("Soubor " + n.target + ": ukládání bylo přerušeno; vrátil se jeho původní obsah ze zálohy.");
}

TOutcome Recover(const TParsedNote& n) {
    TOutcome outcome;
    if (!n.temp.empty()) outcome = RemoveTemp(n);
    if (!n.backup.empty()) {
        TOutcome restored = RestoreBackup(n);
        if (!restored.report.empty()) outcome.report = std::move(restored.report);
        outcome.done = restored.done;
    }
    return outcome;
}

}  // namespace

std::vector<std::string> RecoverInterruptedSaves() {
    std::vector<std::string> reports;
    TBedPrivateDirectory dir = OpenNotesDirectory(false);
    if (!dir.problem.empty()) reports.push_back(dir.problem);
    if (!dir.fd) return reports;
    const int listFd = ::dup(dir.fd.Get());
    DIR* d = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!d) {
        if (listFd >= 0) ::close(listFd);
        return reports;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(d)) {
        const std::string_view name = entry->d_name;
        if (name.starts_with(kNotePrefix) || name.starts_with(kNewPrefix)) names.emplace_back(name);
    }
    ::closedir(d);
    for (const std::string& name : names) {
        struct stat st;
        if (!IsMine(dir.fd.Get(), name, st)) continue;
        const TBedFd fd(sys::OpenAt(dir.fd.Get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
        // A lock held is a save still running, in this process or any other, here or elsewhere.
        if (!fd || sys::Flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        // Its save ended and took its note away while this one waited.
        if (sys::Fstat(fd.Get(), st) != 0 || st.st_nlink == 0) continue;
        const std::optional<TParsedNote> parsed = ParseNote(ReadFromStart(fd.Get(), kLongestNote));
        TOutcome outcome;
        if (parsed) outcome = Recover(*parsed);
        if (!outcome.report.empty()) reports.push_back(outcome.report);
        if (outcome.done) sys::UnlinkAt(dir.fd.Get(), name.c_str());
    }
    return reports;
}
