#pragma once
// The part shared by the file reader and the file writer: the file's name and descriptor.
// Qt-free, POSIX.
#include "FileError.h"
#include "SystemCalls.h"

#include <string>

class TBedEditFiler {
public:
    TBedEditFiler(const TBedEditFiler&) = delete;
    TBedEditFiler& operator=(const TBedEditFiler&) = delete;

    const std::string& FileName() const { return fileName_; }

protected:
    explicit TBedEditFiler(const std::string& fileName) : fileName_(fileName) {}
    ~TBedEditFiler() = default;

    // Raises EBedFileError with a message for the user naming the file and the system's reason.
    [[noreturn]] void Fail(EBedFileError::Kind kind, int error) const { FailFile(kind, fileName_, error); }

    std::string fileName_;
    TBedFd fd_;
};
