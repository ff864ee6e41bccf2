#include "SaveByRename.h"

#include "FileCopy.h"
#include "FileError.h"
#include "FilePaths.h"
#include "SaveNotes.h"
#include "SaveTarget.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The group a new file in this directory gets.
gid_t NewFileGroup(const struct stat& dir) { return (dir.st_mode & S_ISGID) ? dir.st_gid : ::getegid(); }

}  // namespace

std::unique_ptr<TBedSaveByRename> ReplaceByRename(const TBedSaveContext& context) {
    return std::make_unique<TBedSaveByRename>(context);
}

TBedSaveByRename::TBedSaveByRename(const TBedSaveContext& context) : c_(context) {
    const TBedSaveTarget& t = c_.target;
    for (int attempt = 0; !temp_; ++attempt) {
        const std::string name = SaveSideName(t.name, RandomNameSuffix());
        // Noted before it exists, so that no crash leaves it unknown.
        c_.note.Record(note::kTemp, name);
        temp_.Reset(sys::OpenAt(t.directory.Get(), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (temp_)
            tempName_ = name;
        else if (errno != EEXIST || attempt > 100)
            FailFile(EBedFileError::Create, c_.userName, errno);
    }
    if (t.exists && (t.st.st_uid != ::geteuid() || t.st.st_gid != NewFileGroup(t.directoryStat)))
        ownerKept_ = sys::Fchown(temp_.Get(), t.st.st_uid, t.st.st_gid) == 0;
}

TBedSaveByRename::~TBedSaveByRename() {
    if (renamed_ || tempName_.empty()) return;
    // Left to the next start when it can't go now.
    if (sys::UnlinkAt(c_.target.directory.Get(), tempName_.c_str()) != 0) c_.note.Keep();
}

TBedFileIdentity TBedSaveByRename::Commit(uint64_t, std::vector<std::string>& remarks) {
    const TBedSaveTarget& t = c_.target;
    const int dir = t.directory.Get();
    const auto fail = [&](int error) { FailFile(EBedFileError::Write, c_.userName, error); };
    if (sys::Sync(temp_.Get()) != 0) fail(errno);
    mode_t mode = 0666 & ~CurrentUmask();
    if (t.exists) {
        if (!CopyExtendedAttributes(t.file.Get(), temp_.Get()))
            remarks.push_back("Rozšířené atributy (například přístupová práva pro další uživatele) se nezachovaly.");
        if (!ownerKept_) remarks.push_back("Vlastník a skupina souboru se nezachovaly: soubor teď patří vám.");
        mode = t.st.st_mode & 07777;
        // Never a set-user or set-group bit on a file that changed hands.
        if (!ownerKept_) mode &= ~mode_t(S_ISUID | S_ISGID);
    }
    if (sys::Fchmod(temp_.Get(), mode) != 0)
        remarks.push_back("Práva souboru se nezachovala (" + FileErrorReason(errno) + ").");
    struct stat written;
    if (sys::Fstat(temp_.Get(), written) != 0) fail(errno);
    // A deferred write error shows at the latest here, before the old text goes.
    if (temp_.Close() != 0) fail(errno);
    if (t.exists) {
        struct stat now;
        if (sys::FstatAt(dir, t.name.c_str(), now, AT_SYMLINK_NOFOLLOW) != 0 || now.st_dev != t.st.st_dev ||
            now.st_ino != t.st.st_ino)
            FailFile(EBedFileError::Write, c_.userName, "soubor mezitím nahradil jiný program");
    }
    if (t.exists) {
        if (sys::RenameAt(dir, tempName_.c_str(), dir, t.name.c_str()) != 0) fail(errno);
    } else {
        // A new file must not take the place of one that appeared meanwhile.
        bool tempLeft = false;
        if (sys::RenameNoReplace(dir, tempName_.c_str(), t.name.c_str(), tempLeft) != 0) fail(errno);
        if (tempLeft) {
            c_.note.Keep();
            remarks.push_back("Pomocný soubor " + DirectoryPrefix(t.path) + tempName_ +
                              " se nepodařilo smazat; smaže se při příštím spuštění.");
        }
    }
    renamed_ = true;
    if (sys::SyncDirectory(dir) != 0) fail(errno);
    return IdentityOf(written);
}
