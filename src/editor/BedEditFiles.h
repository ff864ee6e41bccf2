#pragma once
// Reading a file whole and writing one safely: the line buffer's files and the documents' files
// go through here. Qt-free, POSIX.
#include "BedEditSaveJournal.h"
#include "BedEditTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kBedFilerBufferSize = 16384;

// Line-break styles of a text file.
constexpr int kLineBreakLF = 0;
constexpr int kLineBreakCRLF = 1;

// Bytes the line buffer can take over whole: lines loaded from them point into them.
struct TBedEditBlock {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// A file as it was when it was opened, to be compared later with what is on disk then.
struct TBedFileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch
    friend bool operator==(const TBedFileIdentity&, const TBedFileIdentity&) = default;
};

// The file as it is on disk now (following symbolic links), or nothing when there is none.
std::optional<TBedFileIdentity> FileIdentityOnDisk(const std::string& fileName);

// The directory part of a path including its final slash; empty for a bare file name.
std::string DirectoryPrefix(const std::string& path);

// The system's reason for a failed file operation, in Czech for the errors a user meets with
// files (missing, no permission, disk full…), else as the system words it.
std::string FileErrorReason(int error);

// Reading a pipe or a device could wait for ever or never end, so only regular files are read:
// raises EBedFileError (Open) for a directory, pipe, socket or device. Checked before opening,
// as opening a pipe blocks until someone writes to it. A missing file is left to the open.
void RefuseNonRegularFile(const std::string& fileName);

// The part shared by the reader and the writer: the file and its name.
class TBedEditFiler {
public:
    TBedEditFiler(const TBedEditFiler&) = delete;
    TBedEditFiler& operator=(const TBedEditFiler&) = delete;

    const std::string& FileName() const { return fileName_; }

protected:
    explicit TBedEditFiler(const std::string& fileName);
    ~TBedEditFiler();

    // Raises EBedFileError with a message for the user naming the file and the system's reason.
    [[noreturn]] void Fail(EBedFileError::Kind kind, int error) const;
    void CloseFile();

    std::string fileName_;
    int fd_ = -1;
};

// Opens a file for reading. What is known of the file stands ready before a byte is read, so that
// a caller can look at it first; then the file is read whole, in one block.
class TBedEditFileReader : public TBedEditFiler {
public:
    // Raises EBedFileError (Open) when the file can't be opened or is a directory.
    explicit TBedEditFileReader(const std::string& fileName);

    const TBedFileIdentity& Identity() const { return identity_; }
    // The size when the file was opened.
    int64_t FileSize() const { return identity_.size; }
    // Every byte of the file, also when it grew since it was opened. Raises EBedFileError (Read).
    TBedEditBlock ReadAll();

private:
    TBedFileIdentity identity_;
};

// Writes a file so that the old contents survive any failure. The text goes to a temporary file
// beside the target, which replaces the target only once it is complete and on disk, with the
// target's permissions, owner and extended attributes. A file with several hard links can't be
// replaced without parting it from its other names: it is written in place, after a backup of its
// old bytes beside it, which is put back when the save fails (or, after a crash, at the next start)
// and removed once the new text is on disk. A symbolic link is followed, so the file it points to
// is written, not the link.
class TBedEditFileWriter : public TBedEditFiler {
public:
    // Raises EBedFileError (Create) when the temporary file can't be created or the target
    // can't be written.
    explicit TBedEditFileWriter(const std::string& fileName,
                                size_t bufferSize = kBedFilerBufferSize);
    // Without a successful Commit the temporary file is removed and the target left alone.
    ~TBedEditFileWriter();

    // Raises EBedFileError (Write).
    void Write(std::string_view bytes) {
        // Inline: saving calls this twice per line.
        if (bytes.size() > buffer_.size() - used_) return WriteAround(bytes);
        if (!bytes.empty()) std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    // Flushes, syncs and renames over the target (keeping its permission bits, or the umask
    // default for a new file) or, in place, cuts the target to the new length. Raises
    // EBedFileError (Write).
    void Commit();
    // The file as written, once committed.
    const TBedFileIdentity& Identity() const { return identity_; }

private:
    void OpenInPlace();
    void CommitInPlace();
    void WriteAround(std::string_view bytes);
    void Flush();
    void WriteAll(const char* data, size_t size);

    std::vector<char> buffer_;
    std::string target_;
    std::optional<TBedSaveJournalEntry> journal_;
    std::string tempName_;
    std::string backupName_;  // written in place: the old bytes, until the new ones are on disk
    uint64_t written_ = 0;
    bool targetExists_ = false;
    uint32_t targetMode_ = 0;
    uint32_t targetUid_ = 0;
    uint32_t targetGid_ = 0;
    size_t used_ = 0;
    bool committed_ = false;
    TBedFileIdentity identity_;
};
