// A save that writes the target itself, after a synced backup of its old bytes that the note of
// the save names with their size and checksum: a failure puts the old bytes back at once, a crash
// at the next start. Keeps the file's inode, so its other names, owner, mode and attributes.
#include "SaveStrategy.h"

#include "FileChecksum.h"
#include "FileCopy.h"
#include "FileError.h"
#include "FilePaths.h"
#include "SaveNotes.h"
#include "SaveTarget.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

class TSaveInPlace : public TBedSave {
public:
    explicit TSaveInPlace(const TBedSaveContext& context);
    ~TSaveInPlace() override;

    int Fd() const override { return c_.target.file.Get(); }
    TBedFileIdentity Commit(uint64_t written, std::vector<std::string>& remarks) override;

private:
    // Where the backup goes: beside the target, or in the notes directory when the target's
    // directory can't be written.
    void ChooseBackupPlace();
    void RemoveBackup();

    TBedSaveContext c_;
    int backupDir_ = -1;
    std::string backupDirPath_;
    std::string backupName_;
    TBedFd backup_;
    bool backedUp_ = false;  // the backup is complete and noted: the target may be written
    bool committed_ = false;
};

TSaveInPlace::TSaveInPlace(const TBedSaveContext& context) : c_(context) {
    const TBedSaveTarget& t = c_.target;
    const auto fail = [&](int error) { FailFile(EBedFileError::Create, c_.userName, error); };
    c_.note.Record(note::kInode, std::to_string(t.st.st_dev) + " " + std::to_string(t.st.st_ino));
    ChooseBackupPlace();
    for (int attempt = 0; !backup_; ++attempt) {
        const std::string suffix = RandomNameSuffix();
        const std::string name =
            backupDir_ == t.directory.Get() ? SaveSideName(t.name, suffix) + ".backup" : "backup-" + suffix;
        c_.note.Record(note::kBackup, backupDirPath_ + name);
        backup_.Reset(sys::OpenAt(backupDir_, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (backup_)
            backupName_ = name;
        else if (errno != EEXIST || attempt > 100)
            fail(errno);
    }
    try {
        TBedChecksum sum;
        if (!CopyFileBytes(t.file.Get(), backup_.Get(), &sum) || sys::SyncDirectory(backupDir_) != 0) fail(errno);
        c_.note.Record(note::kBackedUp, std::to_string(sum.Size()) + " " + std::to_string(sum.Value()));
    } catch (...) {
        RemoveBackup();  // the target is untouched
        throw;
    }
    backedUp_ = true;
}

void TSaveInPlace::ChooseBackupPlace() {
    const TBedSaveTarget& t = c_.target;
    if (DirectoryWritable(t)) {
        backupDir_ = t.directory.Get();
        backupDirPath_ = DirectoryPrefix(t.path);
    } else if (c_.notes.fd) {
        backupDir_ = c_.notes.fd.Get();
        backupDirPath_ = c_.notes.path;
    } else {
        FailFile(EBedFileError::Create, c_.userName, "adresář nelze zapsat a pro zálohu není jiné místo");
    }
}

void TSaveInPlace::RemoveBackup() {
    if (sys::UnlinkAt(backupDir_, backupName_.c_str()) != 0 || sys::SyncDirectory(backupDir_) != 0) c_.note.Keep();
}

TSaveInPlace::~TSaveInPlace() {
    if (committed_ || backupName_.empty()) return;
    // The target may be half written: its old bytes go back.
    if (backedUp_ && !CopyFileBytes(backup_.Get(), c_.target.file.Get())) {
        c_.note.Keep();  // the next start puts them back
        return;
    }
    RemoveBackup();
}

TBedFileIdentity TSaveInPlace::Commit(uint64_t written, std::vector<std::string>& remarks) {
    const int fd = c_.target.file.Get();
    const auto fail = [&](int error) { FailFile(EBedFileError::Write, c_.userName, error); };
    if (sys::Ftruncate(fd, off_t(written)) != 0 || sys::Sync(fd) != 0) fail(errno);
    struct stat st;
    if (sys::Fstat(fd, st) != 0) fail(errno);
    c_.note.Record(note::kWritten);
    committed_ = true;
    if (sys::UnlinkAt(backupDir_, backupName_.c_str()) != 0 || sys::SyncDirectory(backupDir_) != 0) {
        c_.note.Keep();
        remarks.push_back("Zálohu " + backupDirPath_ + backupName_ +
                          " se nepodařilo smazat; smaže se při příštím spuštění.");
    }
    return IdentityOf(st);
}

}  // namespace

std::unique_ptr<TBedSave> WriteInPlace(const TBedSaveContext& context) {
    return std::make_unique<TSaveInPlace>(context);
}
