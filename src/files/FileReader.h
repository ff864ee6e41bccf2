#pragma once
// Reading a file whole: the line buffer's files and the documents' files come in through here.
// Qt-free, POSIX.
#include "FileIdentity.h"
#include "Filer.h"

#include <cstddef>
#include <memory>
#include <string>

// Bytes the line buffer can take over whole: lines loaded from them point into them.
struct TBedEditBlock {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Why a file of this mode is not read or written: it is not a regular file. Empty for one that is.
std::string NonRegularFileReason(unsigned mode);

// Reading a pipe or a device could wait for ever or never end, so only regular files are read:
// raises EBedFileError (Open) for a directory, pipe, socket or device. Checked before opening,
// as opening a pipe blocks until someone writes to it. A missing file is left to the open.
void RefuseNonRegularFile(const std::string& fileName);

// Up to `most` bytes of an open file, read from its start (fewer when it is shorter or can't be
// read further).
std::string ReadFromStart(int fd, size_t most);

// Opens a file for reading. What is known of the file stands ready before a byte is read, so that
// a caller can look at it first; then the file is read whole, in one block.
class TBedEditFileReader : public TBedEditFiler {
public:
    // Raises EBedFileError (Open) when the file can't be opened, is not a regular file or is
    // larger than the free memory.
    explicit TBedEditFileReader(const std::string& fileName);

    const TBedFileIdentity& Identity() const { return identity_; }
    // The size when the file was opened.
    int64_t FileSize() const { return identity_.size; }
    // Every byte of the file, also when it grew since it was opened. Raises EBedFileError (Read).
    TBedEditBlock ReadAll();

private:
    // Reads the first `size` bytes into `into`, both halves at once; returns how many there were.
    size_t ReadInHalves(char* into, size_t size);

    TBedFileIdentity identity_;
};
